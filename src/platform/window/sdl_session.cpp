#include "platform/window/sdl_session.h"

#include <SDL.h>

namespace vellara {

SdlSession::SdlSession(const std::string& applicationName) {
#ifdef SDL_HINT_APP_NAME
  SDL_SetHint(SDL_HINT_APP_NAME, applicationName.c_str());
#endif
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, applicationName.c_str());
  // A full-screen scene that loses the focus stays up; the game goes on behind it.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  timers_ = SDL_InitSubSystem(SDL_INIT_TIMER | SDL_INIT_EVENTS) == 0;
  video_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

SdlSession::~SdlSession() {
  if (video_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  if (timers_) SDL_QuitSubSystem(SDL_INIT_TIMER | SDL_INIT_EVENTS);
}

}  // namespace vellara
