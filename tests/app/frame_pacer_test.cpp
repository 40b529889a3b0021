#include "app/frame_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace vellara {
namespace {

// A millisecond clock that only moves when told to or when slept on.
class FakeClock final : public FrameClock {
 public:
  std::uint64_t Counter() override { return now; }
  std::uint64_t Frequency() override { return 1'000'000; }  // microseconds
  void SleepMs(std::uint32_t ms) override {
    sleeps.push_back(ms);
    now += std::uint64_t{ms} * 1000;
  }
  std::uint64_t now = 5'000'000;
  std::vector<std::uint32_t> sleeps;
};

TEST(FramePacer, SleepsOutTheRetraceIntervalWhenPresentingReturnsAtOnce) {
  FakeClock clock;
  FramePacer pacer(clock, 60);
  pacer.AfterPresent();  // the first frame only starts the count
  EXPECT_TRUE(clock.sleeps.empty());
  // A frame that drew in 4 ms leaves 12 whole ms of the 16.666 ms interval.
  clock.now += 4000;
  pacer.AfterPresent();
  ASSERT_EQ(clock.sleeps.size(), 1u);
  EXPECT_EQ(clock.sleeps[0], 12u);
}

TEST(FramePacer, KeepsTheRateOverManyFramesDespiteWholeMillisecondSleeps) {
  FakeClock clock;
  FramePacer pacer(clock, 60);
  const std::uint64_t start = clock.now;
  for (int frame = 0; frame < 600; ++frame) {
    clock.now += 2000;  // 2 ms of drawing
    pacer.AfterPresent();
  }
  // 600 frames at 60 Hz: ten seconds, give or take a frame.
  const double seconds = static_cast<double>(clock.now - start) / 1e6;
  EXPECT_NEAR(seconds, 10.0, 0.05);
}

TEST(FramePacer, SleepsNothingWhenPresentingAlreadyWaitedForTheRetrace) {
  FakeClock clock;
  FramePacer pacer(clock, 60);
  pacer.AfterPresent();
  for (int frame = 0; frame < 10; ++frame) {
    clock.now += 16'700;
    pacer.AfterPresent();
  }
  EXPECT_TRUE(clock.sleeps.empty());
}

TEST(FramePacer, ASlowFrameRestartsTheCountInsteadOfRushingToCatchUp) {
  FakeClock clock;
  FramePacer pacer(clock, 60);
  pacer.AfterPresent();
  clock.now += 200'000;  // a stall
  pacer.AfterPresent();
  EXPECT_TRUE(clock.sleeps.empty());
  clock.now += 6000;
  pacer.AfterPresent();
  ASSERT_EQ(clock.sleeps.size(), 1u);
  EXPECT_EQ(clock.sleeps[0], 10u);
}

TEST(FramePacer, UnknownRefreshRateCountsAsSixty) {
  FakeClock clock;
  EXPECT_EQ(FramePacer(clock, 0).Period(), FramePacer(clock, 60).Period());
  EXPECT_EQ(FramePacer(clock, 144).Period(), 1'000'000u / 144);
}

}  // namespace
}  // namespace vellara
