#include "gfx/gfx_timer.h"

#include <gtest/gtest.h>

#include <vector>

namespace vellara {
namespace {

// A microsecond counter that moves only when told to, or by the time slept.
class FakeClock : public FrameClock {
 public:
  std::uint64_t Counter() override { return now; }
  std::uint64_t Frequency() override { return 1'000'000; }
  void SleepMs(std::uint32_t ms) override {
    slept.push_back(ms);
    now += std::uint64_t{ms} * 1000;
  }
  std::uint64_t now = 5'000'000;
  std::vector<std::uint32_t> slept;
};

// The scene's frame: render (nothing here), Process, flip.
class TimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    timer_.SetMaxFPS(200);
    timer_.OnTimer = [this](GfxTimer& t) {
      ++frames_;
      t.Process();
    };
    timer_.OnProcess = [this](GfxTimer&) { ++steps_; };
    timer_.Enabled = true;
  }
  // Runs one frame that took `us` microseconds before the idle step.
  int Frame(std::uint64_t us) {
    const int before = steps_;
    clock_.now += us;
    timer_.Idle();
    return steps_ - before;
  }
  FakeClock clock_;
  GfxTimer timer_{clock_};
  int frames_ = 0, steps_ = 0;
};

TEST_F(TimerTest, FixedPointLengths) {
  EXPECT_EQ(timer_.StepLength(), 17476267);   // 1000 * 2^20 / 60, rounded
  EXPECT_EQ(timer_.MinFrameTime(), 5242880);  // 5 ms
  EXPECT_EQ(timer_.Precision(), ppHigh);
  timer_.SetSpeed(0.5);
  EXPECT_EQ(timer_.StepLength(), 1000 * GfxTimer::kOne);
  timer_.SetMaxFPS(0);
  EXPECT_EQ(timer_.MinFrameTime(), 1000 * GfxTimer::kOne);
  timer_.SetMaxFPS(-4);
  EXPECT_EQ(timer_.MinFrameTime(), 1000 * GfxTimer::kOne);
}

TEST_F(TimerTest, SixtyFramesASecondRunOneStepEach) {
  EXPECT_EQ(Frame(16667), 0);  // the first frame after enabling adds nothing
  std::vector<int> perFrame;
  for (int i = 0; i < 60; ++i) perFrame.push_back(Frame(16667));
  EXPECT_EQ(perFrame, std::vector<int>(60, 1));
}

TEST_F(TimerTest, TwoHundredFramesASecondRunAStepInAboutThreeFramesOfTen) {
  EXPECT_EQ(Frame(5000), 0);
  int withStep = 0, total = 0;
  for (int i = 0; i < 200; ++i) {
    const int steps = Frame(5000);
    EXPECT_LE(steps, 1);
    withStep += steps;
    total += steps;
  }
  EXPECT_GE(withStep, 59);
  EXPECT_LE(withStep, 60);
  EXPECT_EQ(total, withStep);
  EXPECT_TRUE(clock_.slept.empty());
}

TEST_F(TimerTest, AStallAddsAtMost32StepsAndFractionsCarry) {
  EXPECT_EQ(Frame(16667), 0);
  EXPECT_EQ(Frame(1'000'000), 32);
  // 1.5 steps, then 0.6: the half carries into the second frame.
  EXPECT_EQ(Frame(25000), 1);
  EXPECT_EQ(Frame(10000), 1);
}

TEST_F(TimerTest, ShortFramesSleepToTheCap) {
  Frame(16667);
  clock_.slept.clear();
  clock_.now += 1000;  // 1 ms into a 5 ms frame
  timer_.Idle();
  EXPECT_EQ(clock_.slept, (std::vector<std::uint32_t>{4}));
}

TEST_F(TimerTest, DisabledTimerNeverCallsOnTimerNorOwesSteps) {
  Frame(16667);
  timer_.Enabled = false;
  const int framesBefore = frames_;
  for (int i = 0; i < 10; ++i) Frame(100000);
  EXPECT_EQ(frames_, framesBefore);
  EXPECT_EQ(clock_.slept, std::vector<std::uint32_t>(10, 5));
  EXPECT_EQ(timer_.Accumulator() / GfxTimer::kOne, 0);
  timer_.Enabled = true;
  EXPECT_EQ(Frame(16667), 1);
}

TEST_F(TimerTest, SlowSpeedAndOneFramePerSecond) {
  timer_.SetSpeed(0.5);  // counts as 1 step a second
  timer_.SetMaxFPS(0);   // counts as 1 frame a second
  EXPECT_EQ(Frame(1'000'000), 0);
  EXPECT_EQ(Frame(1'000'000), 1);
  EXPECT_EQ(Frame(1'000'000), 1);
  clock_.slept.clear();
  Frame(200'000);
  EXPECT_EQ(clock_.slept, (std::vector<std::uint32_t>{800}));
}

}  // namespace
}  // namespace vellara
