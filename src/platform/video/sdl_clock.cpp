// SDL clock.
#include "platform/video/sdl_clock.h"

#include <SDL.h>

namespace vellara {

SdlClock::SdlClock() : started_(SDL_InitSubSystem(SDL_INIT_TIMER) == 0) {}
SdlClock::~SdlClock() {
  if (started_) SDL_QuitSubSystem(SDL_INIT_TIMER);
}
std::uint64_t SdlClock::Counter() {
  return SDL_GetPerformanceCounter();
}
std::uint64_t SdlClock::Frequency() {
  return SDL_GetPerformanceFrequency();
}
void SdlClock::SleepMs(std::uint32_t ms) {
  SDL_Delay(ms);
}

}  // namespace vellara
