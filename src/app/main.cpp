// vellara-chess: the game. It takes no options; it reads "vellara.dat" and "vellara.def"
// from the working folder and the music from its own folder.
#include <cstdio>
#include <exception>

#include "app/scene_form.h"

int main() {
  try {
    vellara::SceneForm form;
    return form.Run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vellara-chess: %s\n", e.what());
    return 1;
  }
}
