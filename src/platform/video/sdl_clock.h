// SDL clock for the frame timer: the high-resolution performance counter and SDL_Delay.
// Implements: FrameClock. Starts SDL's timer subsystem by reference count.
#pragma once

#include "gfx/gfx_timer.h"

namespace vellara {

class SdlClock final : public FrameClock {
 public:
  SdlClock();
  ~SdlClock() override;
  SdlClock(const SdlClock&) = delete;
  SdlClock& operator=(const SdlClock&) = delete;

  std::uint64_t Counter() override;
  std::uint64_t Frequency() override;
  void SleepMs(std::uint32_t ms) override;

 private:
  bool started_ = false;
};

}  // namespace vellara
