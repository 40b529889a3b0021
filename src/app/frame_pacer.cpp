#include "app/frame_pacer.h"

namespace vellara {

FramePacer::FramePacer(FrameClock& clock, int refreshHz)
    : clock_(clock),
      period_(clock.Frequency() /
              static_cast<std::uint64_t>(refreshHz > 0 ? refreshHz : kAssumedRefreshRate)) {}

void FramePacer::AfterPresent() {
  const std::uint64_t now = clock_.Counter();
  if (due_ != 0 && now < due_) {
    const std::uint64_t frequency = clock_.Frequency();
    const std::uint64_t ms = (due_ - now) * 1000 / frequency;
    if (ms > 0) clock_.SleepMs(static_cast<std::uint32_t>(ms));
    // The next interval starts where this one was due, so whole-millisecond sleeps do not
    // drift the rate.
    due_ += period_;
    return;
  }
  // First frame, or a frame that overran its interval: count from now.
  due_ = now + period_;
}

}  // namespace vellara
