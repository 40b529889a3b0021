// Frame timer.
#include "gfx/gfx_timer.h"

#include <algorithm>
#include <cmath>

namespace vellara {

GfxTimer::GfxTimer(FrameClock& clock)
    : clock_(clock), precision_(clock.HighResolution() ? ppHigh : ppLow) {
  SetSpeed(60.0);
  SetMaxFPS(100);
  last_ = clock_.Counter();
}

void GfxTimer::SetSpeed(double speed) {
  speed_ = speed;
  stepLength_ = std::llround(1000.0 * static_cast<double>(kOne) / std::max(speed, 1.0));
}

void GfxTimer::SetMaxFPS(int fps) {
  maxFps_ = fps;
  minFrameTime_ = std::llround(1000.0 * static_cast<double>(kOne) / std::max(fps, 1));
}

std::int64_t GfxTimer::ReadDelta() {
  const std::uint64_t now = clock_.Counter();
  const std::uint64_t diff = now - last_;
  last_ = now;
  const std::uint64_t freq = std::max<std::uint64_t>(clock_.Frequency(), 1);
  // diff * 2^20 * 1000 / freq without overflow for any realistic gap.
  const std::uint64_t whole = diff / freq, part = diff % freq;
  const auto scale = static_cast<std::uint64_t>(kOne) * 1000;
  const long double fraction = static_cast<long double>(part) * static_cast<long double>(scale) /
                               static_cast<long double>(freq);
  return static_cast<std::int64_t>(whole * scale + static_cast<std::uint64_t>(fraction));
}

void GfxTimer::Idle() {
  const std::int64_t delta = ReadDelta();
  if (!Enabled) {
    clock_.SleepMs(5);
    return;
  }
  if (delta < minFrameTime_) {
    clock_.SleepMs(static_cast<std::uint32_t>((minFrameTime_ - delta) / kOne));
  }
  // A stall of 32 steps or more owes just 32 (and keeps the product in range).
  frameLag_ = delta >= 32 * stepLength_ ? kMaxLag : delta * kOne / stepLength_;
  if (processCalled_) {
    accumulator_ += frameLag_;
    processCalled_ = false;
  }
  fpsTime_ += delta;
  ++fpsFrames_;
  if (fpsTime_ >= 1000 * kOne) {
    frameRate_ = fpsFrames_;
    fpsFrames_ = 0;
    fpsTime_ %= 1000 * kOne;
  }
  if (OnTimer) OnTimer(*this);
}

void GfxTimer::Process() {
  processCalled_ = true;
  if (accumulator_ >= kOne) {
    const std::int64_t steps = accumulator_ / kOne;
    accumulator_ %= kOne;
    for (std::int64_t i = 0; i < steps; ++i) {
      if (OnProcess) OnProcess(*this);
    }
  }
}

}  // namespace vellara
