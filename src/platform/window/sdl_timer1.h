// The scene's one-second Timer1 on SDL: an SDL timer whose callback, on SDL's timer
// thread, only posts an event; the event pump hands the tick to the window's thread.
// Implements: Timer1 (Enable, Disable, Enabled). Only the .cpp includes SDL.
#pragma once

#include <cstdint>

#include "game/timer1.h"

union SDL_Event;

namespace vellara {

class SdlTimer1 final : public Timer1 {
 public:
  explicit SdlTimer1(std::uint32_t periodMs = 1000);
  ~SdlTimer1() override;
  SdlTimer1(const SdlTimer1&) = delete;
  SdlTimer1& operator=(const SdlTimer1&) = delete;

  void Enable() override;
  void Disable() override;
  bool Enabled() const override { return timerId_ != 0; }

  // True for a tick event of the running period; ticks posted before a Disable, still in
  // the queue, are not.
  bool IsTick(const SDL_Event& event) const;

 private:
  std::uint32_t period_;
  int timerId_ = 0;
  std::int32_t generation_ = 0;
};

}  // namespace vellara
