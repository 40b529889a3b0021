#include "ui/audio_cues.h"

#include "game/settings.h"

namespace vellara {
namespace {

GameAudio* output = nullptr;

}  // namespace

void SetGameAudio(GameAudio* audio) {
  output = audio;
}

void PlayCue(int n) {
  if (Settings().SoundEffects != 1) return;
  if (output == nullptr || n < 1 || n > 7) return;
  try {
    output->PlayEffect(n);
  } catch (...) {
    // A missing device or effect leaves the game silent.
  }
}

void PlayMusic(int track) {
  if (Settings().Music != 1) return;
  if (output == nullptr || (track != kTitleTrack && track != kMainTrack)) return;
  try {
    if (output->MusicPlaying()) output->StopMusic();
    output->PlayMusic(track);
  } catch (...) {
    // A missing file or device leaves the game without music; the next call tries again.
  }
}

void StopMusicPlaying() {
  if (output == nullptr) return;
  try {
    if (output->MusicPlaying()) output->StopMusic();
  } catch (...) {
  }
}

void MusicSwitch() {
  CycleMusic();
  if (Settings().Music == 2) StopMusicPlaying();
}

}  // namespace vellara
