#include "platform/window/sdl_scene_window.h"

#include <SDL.h>

#include "platform/video/sdl_display.h"

namespace vellara {

void SetSceneIcon(SdlDisplay& display, int width, int height,
                  const std::vector<std::uint32_t>& pixels) {
  SDL_Window* window = display.Window();
  if (!window || width <= 0 || height <= 0 ||
      pixels.size() != static_cast<std::size_t>(width) * height) {
    return;
  }
  SDL_Surface* icon =
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(pixels.data()), width, height,
                                         32, width * 4, SDL_PIXELFORMAT_ABGR8888);
  if (!icon) return;
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

void HideSystemPointer() {
  SDL_ShowCursor(SDL_DISABLE);
}

int SceneRefreshRate(SdlDisplay& display) {
  SDL_Window* window = display.Window();
  const int index = window ? SDL_GetWindowDisplayIndex(window) : 0;
  SDL_DisplayMode mode;
  if (SDL_GetCurrentDisplayMode(index < 0 ? 0 : index, &mode) != 0) return 0;
  return mode.refresh_rate;
}

}  // namespace vellara
