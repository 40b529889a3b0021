// The game's audio on this platform: SceneAudio over the SDL sound system and the mpg123
// decoder, with the music read from the executable's folder. What the program creates
// once and hands to the game as its GameAudio.
#pragma once

#include <memory>

#include "audio/game_audio.h"

namespace vellara {

class SceneAudio;
class SdlSoundSystem;
class Mpg123Decoder;

class SdlGameAudio final : public GameAudio {
 public:
  SdlGameAudio();
  ~SdlGameAudio() override;  // stops the music, then closes the device and SDL's audio
  SdlGameAudio(const SdlGameAudio&) = delete;
  SdlGameAudio& operator=(const SdlGameAudio&) = delete;

  void PlayEffect(int effect) override;
  void PlayMusic(int track) override;
  void StopMusic() override;
  bool MusicPlaying() const override;

  SceneAudio& Scene() { return *scene_; }

 private:
  // Declared in the order they are made; destroyed the other way round.
  std::unique_ptr<SdlSoundSystem> system_;
  std::unique_ptr<Mpg123Decoder> decoder_;
  std::unique_ptr<SceneAudio> scene_;
};

}  // namespace vellara
