// The game's audio on the real stack: effects, the two tracks from the music folder,
// missing and broken music files, and no sound device at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "audio/scene_audio.h"
#include "audio_device_test_support.h"
#include "platform/audio/mpg123_decoder.h"
#include "platform/audio/sdl_game_audio.h"
#include "platform/audio/sdl_sound_system.h"

namespace vellara {
namespace {

using testing::kFixtures;
using testing::UseAudioDriver;
using testing::WaitFor;

// A fresh music folder for one test, with files copied or written into it.
class MusicFolder {
 public:
  MusicFolder() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("vellara_music_") + test->test_suite_name() + "_" + test->name();
    for (char& c : name)
      if (c == '/') c = '_';
    path_ = std::filesystem::path(VELLARA_AUDIO_OUTPUT) / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~MusicFolder() { std::filesystem::remove_all(path_); }
  std::string Path() const { return path_.string() + "/"; }
  void Copy(const std::string& fixture, const std::string& as) const {
    std::filesystem::copy_file(kFixtures + "/" + fixture, path_ / as);
  }
  void Write(const std::string& as, const std::string& bytes) const {
    std::ofstream(path_ / as, std::ios::binary) << bytes;
  }

 private:
  std::filesystem::path path_;
};

class SceneAudioOnDriver : public ::testing::TestWithParam<const char*> {};

TEST_P(SceneAudioOnDriver, PlaysEffectsAndSwitchesTracks) {
  UseAudioDriver(GetParam());
  MusicFolder folder;
  folder.Copy("tone.mp3", "title_theme.mp3");
  SdlSoundSystem system;
  Mpg123Decoder decoder;
  SceneAudio audio(system, decoder, folder.Path());
  ASSERT_TRUE(audio.Device().Initialized());
  ASSERT_EQ(audio.Waves().Count(), 7u);
  for (int effect = 0; effect <= 8; ++effect) audio.PlayEffect(effect);  // 0 and 8 are ignored
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(audio.Waves().Item(i).ExtraVoices().size(), 1u);
  audio.PlayEffect(3);
  EXPECT_EQ(audio.Waves().Item(2).ExtraVoices().size(), 2u);

  audio.PlayMusic(1);
  EXPECT_TRUE(audio.MusicPlaying());
  EXPECT_TRUE(audio.Input().Loop());
  audio.PlayMusic(1);  // starts again from the beginning
  EXPECT_TRUE(audio.MusicPlaying());
  // No "main_theme.mp3": the title track stops and nothing plays.
  audio.PlayMusic(2);
  EXPECT_FALSE(audio.MusicPlaying());
  audio.PlayMusic(1);
  EXPECT_TRUE(audio.MusicPlaying());
  audio.StopMusic();
  EXPECT_FALSE(audio.MusicPlaying());
  EXPECT_EQ(audio.Output().Status(), OutputStatus::osIdle);
  audio.PlayMusic(3);  // no such track
  EXPECT_FALSE(audio.MusicPlaying());
  audio.PlayMusic(1);  // the destructor stops it
}

TEST_P(SceneAudioOnDriver, BrokenMusicFilesLeaveItSilent) {
  UseAudioDriver(GetParam());
  MusicFolder folder;
  folder.Write("title_theme.mp3", "");
  folder.Copy("tone.wav", "main_theme.mp3");
  SdlSoundSystem system;
  Mpg123Decoder decoder;
  SceneAudio audio(system, decoder, folder.Path());
  audio.PlayMusic(1);
  EXPECT_FALSE(audio.MusicPlaying());
  audio.PlayMusic(2);
  EXPECT_FALSE(audio.MusicPlaying());
  folder.Write("main_theme.mp3", "ID3 and then nothing that decodes");
  audio.PlayMusic(2);
  EXPECT_FALSE(audio.MusicPlaying());
  audio.StopMusic();
  audio.PlayEffect(2);
  EXPECT_EQ(audio.Waves().Item(1).ExtraVoices().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Drivers, SceneAudioOnDriver, ::testing::Values("disk", "dummy"));

TEST(SceneAudio, WithoutASoundDeviceEveryCallReturnsAndNothingSounds) {
  UseAudioDriver("no_such_driver");
  MusicFolder folder;
  folder.Copy("tone.mp3", "title_theme.mp3");
  folder.Copy("tone.mp3", "main_theme.mp3");
  SdlSoundSystem system;
  Mpg123Decoder decoder;
  SceneAudio audio(system, decoder, folder.Path());
  EXPECT_FALSE(audio.Device().Initialized());
  for (int effect = 1; effect <= 7; ++effect) audio.PlayEffect(effect);
  EXPECT_TRUE(audio.Waves().Item(0).ExtraVoices().empty());
  audio.PlayMusic(1);
  ASSERT_TRUE(WaitFor([&] { return !audio.MusicPlaying(); }));
  EXPECT_EQ(audio.Output().LastError(), "Invalid device number");
  audio.PlayMusic(2);
  audio.StopMusic();
  EXPECT_FALSE(audio.MusicPlaying());
}

TEST(SceneAudio, FindsTheExecutablesFolder) {
  const std::string folder = ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(std::filesystem::is_directory(folder));
}

}  // namespace
}  // namespace vellara

namespace vellara {
namespace {

TEST(SdlGameAudio, PlaysEffectsAndLooksForMusicBesideTheExecutable) {
  testing::UseAudioDriver("dummy");
  SdlGameAudio audio;
  GameAudio& game = audio;
  game.PlayEffect(3);
  EXPECT_EQ(audio.Scene().Waves().Item(2).ExtraVoices().size(), 1u);
  EXPECT_EQ(audio.Scene().Input().FileName(), "");
  game.PlayMusic(1);  // the test folder has no "title_theme.mp3": silence
  EXPECT_EQ(audio.Scene().Input().FileName(), ExecutableFolder() + "title_theme.mp3");
  EXPECT_FALSE(game.MusicPlaying());
  game.StopMusic();
}

}  // namespace
}  // namespace vellara
