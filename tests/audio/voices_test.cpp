// Effect voices on the SDL mixer: overlapping plays, voice reuse and limits, no device.
#include <gtest/gtest.h>

#include <thread>

#include "audio/sound_device.h"
#include "audio/wave_list.h"
#include "audio_device_test_support.h"
#include "platform/audio/sdl_sound_system.h"

namespace vellara {
namespace {

using namespace std::chrono_literals;
using testing::ConstantWave;
using testing::UseAudioDriver;
using testing::WaitFor;

TEST(Voices, ThreeQuickPlaysOverlapAndTheirLevelsAdd) {
  const std::string file = UseAudioDriver("disk");
  int channels = 0;
  std::vector<const SoundBuffer*> voices;
  {
    SdlSoundSystem system;
    SoundDevice device(system);
    ASSERT_TRUE(device.Initialize());
    channels = device.Output()->Format().channels;
    WaveList list(device);
    // 0.5 s at a level of 0.1, started three times 100 ms apart.
    WaveItem& item = list.Add("level", ConstantWave(11025, 3277));
    ASSERT_TRUE(item.HasWave());
    for (int i = 0; i < 3; ++i) {
      list.Play(0, false);
      if (i < 2) std::this_thread::sleep_for(100ms);
    }
    EXPECT_EQ(item.ExtraVoices().size(), 3u);
    for (const auto& voice : item.ExtraVoices()) voices.push_back(voice.get());
    ASSERT_TRUE(WaitFor([&] { return !item.Playing(); }));
    // A play after they have ended reuses the first voice instead of making a fourth.
    list.Play(0, false);
    ASSERT_EQ(item.ExtraVoices().size(), 3u);
    EXPECT_EQ(item.ExtraVoices()[0].get(), voices[0]);
    EXPECT_TRUE(item.ExtraVoices()[0]->Playing());
    EXPECT_FALSE(item.ExtraVoices()[1]->Playing());
    ASSERT_TRUE(WaitFor([&] { return !item.Playing(); }));
  }
  const std::vector<float> levels = testing::FrameLevels(testing::ReadDiskOutput(file), channels);
  const long first = testing::FirstLoudFrame(levels, 0.05f);
  ASSERT_GE(first, 0);
  // One voice alone at the start, all three where they overlap.
  EXPECT_NEAR(levels[static_cast<std::size_t>(first) + 2000], 0.1f, 0.01f);
  const float peak = *std::max_element(levels.begin(), levels.end());
  EXPECT_NEAR(peak, 0.3f, 0.02f);
}

TEST(Voices, MaxPlayingCountRestartsTheOldestVoice) {
  UseAudioDriver("dummy");
  SdlSoundSystem system;
  SoundDevice device(system);
  ASSERT_TRUE(device.Initialize());
  WaveList list(device);
  WaveItem& item = list.Add("long", ConstantWave(22050 * 3, 1000));
  item.MaxPlayingCount = 2;
  item.Play(false);
  item.Play(false);
  ASSERT_EQ(item.ExtraVoices().size(), 2u);
  const SoundBuffer* oldest = item.ExtraVoices()[0].get();
  const SoundBuffer* newer = item.ExtraVoices()[1].get();
  item.Play(false);
  ASSERT_EQ(item.ExtraVoices().size(), 2u);
  EXPECT_EQ(item.ExtraVoices()[0].get(), newer);
  EXPECT_EQ(item.ExtraVoices()[1].get(), oldest);
  EXPECT_TRUE(oldest->Playing());
}

TEST(Voices, WaitReturnsWhenTheVoiceHasEnded) {
  UseAudioDriver("dummy");
  SdlSoundSystem system;
  SoundDevice device(system);
  ASSERT_TRUE(device.Initialize());
  WaveList list(device);
  WaveItem& item = list.Add("short", ConstantWave(2205, 1000));
  item.Play(true);
  ASSERT_EQ(item.ExtraVoices().size(), 1u);
  EXPECT_FALSE(item.Playing());
}

TEST(Voices, LoopedItemKeepsPlayingOnItsMainVoice) {
  UseAudioDriver("dummy");
  SdlSoundSystem system;
  SoundDevice device(system);
  ASSERT_TRUE(device.Initialize());
  WaveList list(device);
  WaveItem& item = list.Add("loop", ConstantWave(2205, 1000));  // 0.1 s
  item.Looped = true;
  item.Play(false);
  EXPECT_TRUE(item.ExtraVoices().empty());
  // Wait until it has played well past its length: a voice that stopped at the end would
  // no longer be playing.
  ASSERT_TRUE(WaitFor([&] { return item.MainVoice()->PlayedBytes() > 3 * 2205 * 4; }));
  EXPECT_TRUE(item.MainVoice()->Playing());
  item.MainVoice()->Stop();
}

TEST(Voices, ABadImageGivesASilentItemAndTheRestPlay) {
  UseAudioDriver("dummy");
  SdlSoundSystem system;
  SoundDevice device(system);
  ASSERT_TRUE(device.Initialize());
  WaveList list(device);
  std::vector<unsigned char> bad = ConstantWave(100, 1000);
  bad[20] = 3;  // not PCM
  list.Add("bad", bad);
  list.Add("good", ConstantWave(2205, 1000));
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_FALSE(list.Item(0).HasWave());
  list.Play(0, false);
  list.Play(7, false);  // no such item
  EXPECT_TRUE(list.Item(0).ExtraVoices().empty());
  list.Play(1, false);
  EXPECT_EQ(list.Item(1).ExtraVoices().size(), 1u);
  EXPECT_EQ(list.Find("good"), &list.Item(1));
}

TEST(Voices, WithoutADeviceEveryPlayDoesNothing) {
  UseAudioDriver("no_such_driver");
  SdlSoundSystem system;
  EXPECT_FALSE(system.Available());
  EXPECT_EQ(system.DeviceCount(), 0);
  EXPECT_EQ(system.OpenDevice(0), nullptr);
  SoundDevice device(system);
  EXPECT_FALSE(device.Initialize());
  WaveList list(device);
  WaveItem& item = list.Add("tone", ConstantWave(2205, 1000));
  EXPECT_TRUE(item.HasWave());
  item.Play(true);
  EXPECT_EQ(item.MainVoice(), nullptr);
  EXPECT_TRUE(item.ExtraVoices().empty());
}

}  // namespace
}  // namespace vellara
