#include "platform/window/sdl_message_box.h"

#include <SDL.h>

#include <cstdio>

namespace vellara {

void ShowErrorMessage(const std::string& title, const std::string& text) {
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr) != 0) {
    // No display to show it on: the terminal is all that is left.
    std::fprintf(stderr, "%s\n", text.c_str());
  }
}

}  // namespace vellara
