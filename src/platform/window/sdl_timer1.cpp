#include "platform/window/sdl_timer1.h"

#include <SDL.h>

#include <atomic>
#include <cstdint>

namespace vellara {

namespace {

std::atomic<Uint32> tickEventType{0};

Uint32 TickEventType() {
  if (tickEventType.load() == 0) {
    const Uint32 type = SDL_RegisterEvents(1);
    tickEventType.store(type == static_cast<Uint32>(-1) ? static_cast<Uint32>(SDL_USEREVENT)
                                                        : type);
  }
  return tickEventType.load();
}

// Runs on SDL's timer thread. The parameter carries the period's generation itself, not a
// pointer, so a callback racing the timer's removal touches nothing of ours.
Uint32 PostTick(Uint32 interval, void* param) {
  SDL_Event event{};
  event.type = tickEventType.load();
  event.user.code = static_cast<Sint32>(reinterpret_cast<std::intptr_t>(param));
  SDL_PushEvent(&event);
  return interval;
}

}  // namespace

SdlTimer1::SdlTimer1(std::uint32_t periodMs) : period_(periodMs) {
  SDL_InitSubSystem(SDL_INIT_TIMER | SDL_INIT_EVENTS);
  TickEventType();
  Enable();
}

SdlTimer1::~SdlTimer1() {
  Disable();
  SDL_QuitSubSystem(SDL_INIT_TIMER | SDL_INIT_EVENTS);
}

void SdlTimer1::Enable() {
  if (timerId_ != 0) return;
  ++generation_;
  timerId_ = SDL_AddTimer(period_, PostTick,
                          reinterpret_cast<void*>(static_cast<std::intptr_t>(generation_)));
}

void SdlTimer1::Disable() {
  if (timerId_ == 0) return;
  SDL_RemoveTimer(timerId_);
  timerId_ = 0;
}

bool SdlTimer1::IsTick(const SDL_Event& event) const {
  return event.type == tickEventType.load() && timerId_ != 0 && event.user.code == generation_;
}

}  // namespace vellara
