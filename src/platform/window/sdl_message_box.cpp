#include "platform/window/sdl_message_box.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

namespace vellara {

void ShowErrorMessage(const std::string& title, const std::string& text) {
  if (const char* log = std::getenv("VELLARA_MESSAGE_LOG"); log && *log) {
    if (std::FILE* f = std::fopen(log, "a")) {
      std::fprintf(f, "%s\n", text.c_str());
      std::fclose(f);
      return;
    }
  }
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr) != 0) {
    // No display to show it on: the terminal is all that is left.
    std::fprintf(stderr, "%s\n", text.c_str());
  }
}

}  // namespace vellara
