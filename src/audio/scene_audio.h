// scene_audio: the game's sound output on the real components: the seven built-in effects
// on a SoundDevice through a WaveList, and the two looping music tracks from the
// executable's folder through a MusicInput and a MusicOutput. Every component error is
// caught here, so a missing device or music file leaves the game silent and running.
#pragma once

#include <string>

#include "audio/audio_decoder.h"
#include "audio/game_audio.h"
#include "audio/music_input.h"
#include "audio/music_output.h"
#include "audio/sound_backend.h"
#include "audio/sound_device.h"
#include "audio/wave_list.h"

namespace vellara {

// The folder of the running executable with its trailing '/', or "" when unknown.
std::string ExecutableFolder();

class SceneAudio final : public GameAudio {
 public:
  // musicFolder is put directly before the track file names.
  SceneAudio(SoundSystem& system, AudioDecoder& decoder, std::string musicFolder);
  ~SceneAudio() override;

  void PlayEffect(int effect) override;
  void PlayMusic(int track) override;
  void StopMusic() override;
  bool MusicPlaying() const override;

  SoundDevice& Device() { return device_; }
  WaveList& Waves() { return waves_; }
  MusicInput& Input() { return input_; }
  MusicOutput& Output() { return output_; }

 private:
  std::string musicFolder_;
  SoundDevice device_;
  WaveList waves_;
  MusicInput input_;
  MusicOutput output_;
};

}  // namespace vellara
