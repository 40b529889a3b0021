#include "platform/video/window_geometry.h"

#include <SDL.h>
#include <SDL_syswm.h>

namespace vellara {

void ActualWindowSize(SDL_Window* window, int& width, int& height) {
  SDL_GetWindowSize(window, &width, &height);
#if defined(SDL_VIDEO_DRIVER_X11)
  // Without a window manager a full-screen request is never carried out, yet SDL reports
  // the desktop size it asked for; the server's own geometry tells the truth.
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11) {
    XWindowAttributes attributes;
    XSync(info.info.x11.display, False);
    if (XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes) != 0) {
      width = attributes.width;
      height = attributes.height;
    }
  }
#endif
}

bool WaitForWindowSize(SDL_Window* window, int w, int h) {
  for (int i = 0; i < 50; ++i) {
    SDL_PumpEvents();
    int ww = 0, wh = 0;
    ActualWindowSize(window, ww, wh);
    if (ww == w && wh == h) return true;
    SDL_Delay(10);
  }
  return false;
}

}  // namespace vellara
