// The frame timer: run from the application's idle time, it caps the frame rate at MaxFPS
// and turns real time into a whole number of fixed logic steps of 1/Speed seconds per
// frame. Times are milliseconds in fixed point with 20 fraction bits.
#pragma once

#include <cstdint>
#include <functional>

namespace vellara {

// A monotonic counter and a way to sleep (SDL's in the game, a fake in tests).
class FrameClock {
 public:
  virtual ~FrameClock() = default;
  virtual std::uint64_t Counter() = 0;
  virtual std::uint64_t Frequency() = 0;  // counts per second
  virtual void SleepMs(std::uint32_t ms) = 0;
  virtual bool HighResolution() { return Frequency() > 1000; }
};

enum TimerPrecision : int { ppLow = 0, ppHigh = 1 };

class GfxTimer {
 public:
  static constexpr std::int64_t kOne = std::int64_t{1} << 20;  // 1 ms, or one step
  static constexpr std::int64_t kMaxLag = 32 * kOne;

  explicit GfxTimer(FrameClock& clock);

  double Speed() const { return speed_; }
  void SetSpeed(double speed);
  int MaxFPS() const { return maxFps_; }
  void SetMaxFPS(int fps);
  bool Enabled = false;
  TimerPrecision Precision() const { return precision_; }

  std::function<void(GfxTimer&)> OnTimer;
  std::function<void(GfxTimer&)> OnProcess;

  // One pass of the idle loop; it always wants to be called again.
  void Idle();
  // Runs the owed logic steps (called from inside OnTimer).
  void Process();

  std::int64_t StepLength() const { return stepLength_; }
  std::int64_t MinFrameTime() const { return minFrameTime_; }
  std::int64_t FrameLag() const { return frameLag_; }
  std::int64_t Accumulator() const { return accumulator_; }
  int FrameRate() const { return frameRate_; }

 private:
  std::int64_t ReadDelta();

  FrameClock& clock_;
  TimerPrecision precision_;
  double speed_ = 60.0;
  int maxFps_ = 100;
  std::int64_t stepLength_ = 0;
  std::int64_t minFrameTime_ = 0;
  std::uint64_t last_ = 0;
  std::int64_t frameLag_ = 0;
  std::int64_t accumulator_ = 0;
  bool processCalled_ = false;
  // Frames-per-second figure.
  std::int64_t fpsTime_ = 0;
  int fpsFrames_ = 0;
  int frameRate_ = 0;
};

}  // namespace vellara
