// The music output's playback thread on the SDL stack: looping without gaps, synchronous
// stop, busy and input errors, one thread for every track, the end of a track, device
// errors, and a stalled window thread.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "audio/audio_error.h"
#include "audio/music_input.h"
#include "audio/music_output.h"
#include "audio/sound_device.h"
#include "audio/wave_list.h"
#include "audio_device_test_support.h"
#include "platform/audio/mpg123_decoder.h"
#include "platform/audio/sdl_sound_system.h"

namespace vellara {
namespace {

using namespace std::chrono_literals;
using testing::kFixtures;
using testing::UseAudioDriver;
using testing::WaitFor;

constexpr float kQuiet = 0.01f;

std::string ErrorText(const std::function<void()>& call) {
  try {
    call();
  } catch (const AudioError& e) {
    return e.what();
  }
  return "";
}

// The sound system, an input on the 0.5 s stereo tone and an output with a small, fast
// ring buffer, so the loop and the end of the file come quickly.
struct Rig {
  explicit Rig(int frames = 8192, int polling = 20) : input(decoder), output(system) {
    input.SetFileName(kFixtures + "/tone.mp3");
    output.Input = &input;
    output.SetFramesInBuffer(frames);
    output.PollingInterval = polling;
  }
  SdlSoundSystem system;
  Mpg123Decoder decoder;
  MusicInput input;
  MusicOutput output;
};

class MusicOutputOnDriver : public ::testing::TestWithParam<const char*> {};

TEST_P(MusicOutputOnDriver, StopWaitsForTheThreadAndLeavesItIdle) {
  UseAudioDriver(GetParam());
  Rig rig(65536, 200);  // the scene's values
  std::atomic<int> done{0};
  rig.output.OnDone = [&] { ++done; };
  rig.input.SetLoop(true);
  ASSERT_TRUE(rig.input.Valid());
  rig.output.Run();
  EXPECT_EQ(rig.output.Status(), OutputStatus::osPlaying);
  ASSERT_TRUE(WaitFor([&] { return rig.system.OpenDeviceCount() == 1; }));
  rig.output.Stop(false);
  EXPECT_EQ(rig.output.Status(), OutputStatus::osIdle);
  EXPECT_EQ(rig.system.OpenDeviceCount(), 0);  // the device is back
  EXPECT_FALSE(rig.input.Opened());
  EXPECT_EQ(done.load(), 0);
  EXPECT_EQ(rig.output.LastError(), "");
  // Stopping an idle output is harmless.
  rig.output.Stop(false);
  EXPECT_EQ(rig.output.Status(), OutputStatus::osIdle);
}

TEST_P(MusicOutputOnDriver, RunWhileBusyOrWithoutInputRaises) {
  UseAudioDriver(GetParam());
  Rig rig;
  rig.input.SetLoop(true);
  rig.output.Run();
  EXPECT_EQ(ErrorText([&] { rig.output.Run(); }), "Component is Busy");
  rig.output.Stop(false);
  rig.output.Input = nullptr;
  EXPECT_EQ(ErrorText([&] { rig.output.Run(); }), "Input is not assigned");
  EXPECT_EQ(rig.output.Status(), OutputStatus::osIdle);
}

TEST_P(MusicOutputOnDriver, OneThreadPlaysEveryTrackAndEachEndRaisesDone) {
  UseAudioDriver(GetParam());
  Rig rig;
  std::mutex lock;
  std::vector<std::thread::id> doneOn;
  rig.output.OnDone = [&] {
    std::lock_guard guard(lock);
    doneOn.push_back(std::this_thread::get_id());
  };
  for (int track = 0; track < 2; ++track) {
    rig.input.SetFileName(kFixtures + (track == 0 ? "/tone.mp3" : "/tone_mono.mp3"));
    rig.output.Run();
    ASSERT_TRUE(WaitFor([&] { return rig.output.Status() == OutputStatus::osIdle; }));
  }
  std::lock_guard guard(lock);
  ASSERT_EQ(doneOn.size(), 2u);
  EXPECT_EQ(doneOn[0], doneOn[1]);
  EXPECT_NE(doneOn[0], std::this_thread::get_id());
  EXPECT_EQ(rig.output.LastError(), "");
}

TEST_P(MusicOutputOnDriver, DeviceAndFileErrorsEndPlaybackQuietly) {
  UseAudioDriver(GetParam());
  Rig rig;
  std::mutex lock;
  std::vector<std::string> errors;
  rig.output.OnThreadException = [&](const std::string& error) {
    std::lock_guard guard(lock);
    errors.push_back(error);
  };
  rig.output.DeviceNumber = 99;
  rig.output.Run();
  ASSERT_TRUE(WaitFor([&] { return rig.output.Status() == OutputStatus::osIdle; }));
  EXPECT_EQ(rig.output.LastError(), "Invalid device number");

  rig.output.DeviceNumber = 0;
  rig.input.SetFileName(kFixtures + "/no_such_file.mp3");
  rig.output.Run();
  ASSERT_TRUE(WaitFor([&] { return rig.output.Status() == OutputStatus::osIdle; }));
  EXPECT_EQ(rig.output.LastError(), "Failed to open file");

  rig.input.SetFileName("");
  rig.output.Run();
  ASSERT_TRUE(WaitFor([&] { return rig.output.Status() == OutputStatus::osIdle; }));
  EXPECT_EQ(rig.output.LastError(), "File name is not assigned");
  std::lock_guard guard(lock);
  EXPECT_EQ(errors, (std::vector<std::string>{"Invalid device number", "Failed to open file",
                                              "File name is not assigned"}));
  EXPECT_EQ(rig.system.OpenDeviceCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Drivers, MusicOutputOnDriver, ::testing::Values("disk", "dummy"));

TEST(MusicOutput, LoopingTrackPlaysOnPastItsEndWithoutAGap) {
  const std::string file = UseAudioDriver("disk");
  int channels = 0;
  int rate = 0;
  std::atomic<int> done{0};
  {
    Rig rig;
    SoundDevice device(rig.system);  // keeps the disk file open across the whole test
    ASSERT_TRUE(device.Initialize());
    channels = device.Output()->Format().channels;
    rate = device.Output()->Format().sampleRate;
    rig.output.OnDone = [&] { ++done; };
    rig.input.SetLoop(true);
    rig.output.Run();
    std::this_thread::sleep_for(1750ms);  // three and a half passes of the 0.5 s file
    EXPECT_EQ(rig.output.Status(), OutputStatus::osPlaying);
    rig.output.Stop(false);
  }
  EXPECT_EQ(done.load(), 0);
  const std::vector<float> levels = testing::FrameLevels(testing::ReadDiskOutput(file), channels);
  const long first = testing::FirstLoudFrame(levels, kQuiet);
  ASSERT_GE(first, 0);
  // At least three seams lie in the first 1.5 s of sound; none of them is silent.
  const long last = first + rate * 3 / 2;
  ASSERT_LT(last, static_cast<long>(levels.size()));
  EXPECT_LT(testing::LongestQuietRun(levels, first, last, kQuiet), 20);
}

TEST(MusicOutput, TrackWithoutLoopPlaysToItsLastSampleThenStops) {
  const std::string file = UseAudioDriver("disk");
  int channels = 0;
  int rate = 0;
  std::atomic<int> done{0};
  {
    // A ring buffer shorter than half a second: the tail still plays out in full.
    Rig rig(16384, 50);
    SoundDevice device(rig.system);
    ASSERT_TRUE(device.Initialize());
    channels = device.Output()->Format().channels;
    rate = device.Output()->Format().sampleRate;
    rig.output.OnDone = [&] { ++done; };
    rig.output.Run();
    ASSERT_TRUE(WaitFor([&] { return rig.output.Status() == OutputStatus::osIdle; }));
    std::this_thread::sleep_for(100ms);  // some silence after it in the file
  }
  EXPECT_EQ(done.load(), 1);
  const std::vector<float> levels = testing::FrameLevels(testing::ReadDiskOutput(file), channels);
  const long first = testing::FirstLoudFrame(levels, kQuiet);
  ASSERT_GE(first, 0);
  long lastLoud = first;
  for (long i = first; i < static_cast<long>(levels.size()); ++i)
    if (levels[static_cast<std::size_t>(i)] > kQuiet) lastLoud = i;
  // The 0.5 s tone, whole, at the device's rate.
  EXPECT_NEAR(static_cast<double>(lastLoud - first), rate * 0.5, rate * 0.01);
  EXPECT_LT(testing::LongestQuietRun(levels, first, lastLoud, kQuiet), 20);
}

TEST(MusicOutput, MusicGoesOnWhileTheWindowThreadStallsForASecond) {
  const std::string file = UseAudioDriver("disk");
  int channels = 0;
  int rate = 0;
  {
    Rig rig(65536, 200);  // the scene's values
    SoundDevice device(rig.system);
    ASSERT_TRUE(device.Initialize());
    channels = device.Output()->Format().channels;
    rate = device.Output()->Format().sampleRate;
    WaveList list(device);
    list.Add("click", testing::ConstantWave(2205, 1000));
    rig.input.SetLoop(true);
    rig.output.Run();
    EXPECT_EQ(rig.system.OpenDeviceCount(), 1);  // effects and music share the device
    for (int i = 0; i < 4; ++i) list.Play(0, false);
    // The window thread is busy for a second: nothing on it serves the music.
    const auto stallEnd = std::chrono::steady_clock::now() + 1s;
    while (std::chrono::steady_clock::now() < stallEnd) {
    }
    list.Play(0, false);
    std::this_thread::sleep_for(1500ms);
    rig.output.Stop(false);
  }
  const std::vector<float> levels = testing::FrameLevels(testing::ReadDiskOutput(file), channels);
  const long first = testing::FirstLoudFrame(levels, kQuiet);
  ASSERT_GE(first, 0);
  const long last = first + rate * 2;
  ASSERT_LT(last, static_cast<long>(levels.size()));
  EXPECT_LT(testing::LongestQuietRun(levels, first, last, kQuiet), 20);
}

}  // namespace
}  // namespace vellara
