// scene_audio: the game's effects and music, failures swallowed.
#include "audio/scene_audio.h"

#include <filesystem>
#include <system_error>

#include "audio/builtin_waves.h"

namespace vellara {

std::string ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || !exe.has_parent_path()) return {};
  std::string folder = exe.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

SceneAudio::SceneAudio(SoundSystem& system, AudioDecoder& decoder, std::string musicFolder)
    : musicFolder_(std::move(musicFolder)),
      device_(system),
      waves_(device_),
      input_(decoder),
      output_(system) {
  output_.Input = &input_;
  for (const BuiltinWave& wave : BuiltinWaves()) waves_.Add(wave.name, wave.image);
  try {
    if (device_.AutoInitialize && device_.Initialize()) waves_.CreateVoices();
  } catch (...) {
    // No device: every effect stays silent.
  }
}

SceneAudio::~SceneAudio() {
  StopMusic();
  waves_.ReleaseVoices();
}

void SceneAudio::PlayEffect(int effect) {
  if (effect < 1 || effect > static_cast<int>(waves_.Count())) return;
  try {
    waves_.Play(static_cast<std::size_t>(effect - 1), false);
  } catch (...) {
  }
}

void SceneAudio::PlayMusic(int track) {
  const char* name = track == 1 ? "title_theme.mp3" : track == 2 ? "main_theme.mp3" : nullptr;
  if (!name) return;
  try {
    if (output_.Status() != OutputStatus::osIdle) output_.Stop(false);
    input_.SetLoop(false);
    input_.SetFileName(musicFolder_ + name);
    if (!input_.Valid()) return;
    input_.SetLoop(true);
    output_.Run();
  } catch (...) {
    // A missing file, no device or a busy output: no music this time.
  }
}

void SceneAudio::StopMusic() {
  try {
    if (output_.Status() != OutputStatus::osIdle) output_.Stop(false);
  } catch (...) {
  }
}

bool SceneAudio::MusicPlaying() const {
  return output_.Status() == OutputStatus::osPlaying;
}

}  // namespace vellara
