// The game's audio on SDL and mpg123.
#include "platform/audio/sdl_game_audio.h"

#include "audio/scene_audio.h"
#include "platform/audio/mpg123_decoder.h"
#include "platform/audio/sdl_sound_system.h"

namespace vellara {

SdlGameAudio::SdlGameAudio()
    : system_(std::make_unique<SdlSoundSystem>()),
      decoder_(std::make_unique<Mpg123Decoder>()),
      scene_(std::make_unique<SceneAudio>(*system_, *decoder_, ExecutableFolder())) {}

SdlGameAudio::~SdlGameAudio() {
  scene_.reset();
}

void SdlGameAudio::PlayEffect(int effect) {
  scene_->PlayEffect(effect);
}
void SdlGameAudio::PlayMusic(int track) {
  scene_->PlayMusic(track);
}
void SdlGameAudio::StopMusic() {
  scene_->StopMusic();
}
bool SdlGameAudio::MusicPlaying() const {
  return scene_->MusicPlaying();
}

}  // namespace vellara
