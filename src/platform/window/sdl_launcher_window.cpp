#include "platform/window/sdl_launcher_window.h"

#include <SDL.h>

namespace vellara {

struct SdlLauncherWindow::State {
  int width = 0, height = 0;
  SDL_Window* window = nullptr;
  SDL_Cursor* hand = nullptr;
  SDL_Cursor* arrow = nullptr;
  bool handShown = false;
};

SdlLauncherWindow::SdlLauncherWindow(const std::string& caption, int width, int height)
    : s_(std::make_unique<State>()) {
  s_->width = width;
  s_->height = height;
  s_->window = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                width, height, SDL_WINDOW_SHOWN);
  s_->hand = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
  s_->arrow = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  if (s_->window) SDL_RaiseWindow(s_->window);
}

SdlLauncherWindow::~SdlLauncherWindow() {
  if (s_->arrow) SDL_SetCursor(s_->arrow);
  if (s_->window) SDL_DestroyWindow(s_->window);
  if (s_->hand) SDL_FreeCursor(s_->hand);
  if (s_->arrow) SDL_FreeCursor(s_->arrow);
}

bool SdlLauncherWindow::Valid() const {
  return s_->window != nullptr;
}

void SdlLauncherWindow::Show(const std::vector<std::uint32_t>& pixels) {
  if (!s_->window || pixels.size() != static_cast<std::size_t>(s_->width) * s_->height) return;
  SDL_Surface* target = SDL_GetWindowSurface(s_->window);
  // 0xAABBGGRR words are SDL's ABGR8888.
  SDL_Surface* frame =
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(pixels.data()), s_->width,
                                         s_->height, 32, s_->width * 4, SDL_PIXELFORMAT_ABGR8888);
  if (target && frame) {
    SDL_SetSurfaceBlendMode(frame, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(frame, nullptr, target, nullptr);
    SDL_UpdateWindowSurface(s_->window);
  }
  if (frame) SDL_FreeSurface(frame);
}

void SdlLauncherWindow::SetHandPointer(bool hand) {
  if (hand == s_->handShown) return;
  SDL_Cursor* cursor = hand ? s_->hand : s_->arrow;
  if (cursor) SDL_SetCursor(cursor);
  s_->handShown = hand;
}

}  // namespace vellara
