// Frame pacing for vertical-retrace waiting: where presenting returns before the next
// retrace (a virtual display, a compositor that does not block, a driver that spins), the
// frame loop sleeps out the rest of the retrace interval instead of drawing frames nobody
// sees. Where presenting really waits, the frames already take the whole interval and
// nothing is slept.
#pragma once

#include <cstdint>

#include "gfx/gfx_timer.h"

namespace vellara {

inline constexpr int kAssumedRefreshRate = 60;  // when the display does not tell

class FramePacer {
 public:
  // refreshHz 0 or less: kAssumedRefreshRate.
  FramePacer(FrameClock& clock, int refreshHz);

  // After each presented frame.
  void AfterPresent();

  std::uint64_t Period() const { return period_; }  // in clock counts

 private:
  FrameClock& clock_;
  std::uint64_t period_;
  std::uint64_t due_ = 0;  // clock reading at which the next frame may start; 0 before the first
};

}  // namespace vellara
