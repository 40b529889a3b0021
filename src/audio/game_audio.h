// What the game asks of the sound output: the seven built-in effects and the two music
// tracks. The game's cue and music rules call this; the audio layer implements it with
// the real device, tests with a recorder. Failures stay inside: a missing device or music
// file leaves the game silent, never stuck.
#pragma once

namespace vellara {

class GameAudio {
 public:
  virtual ~GameAudio() = default;
  // Effect 1..7 ("sound_1" .. "sound_7"); overlapping plays sound as separate voices.
  virtual void PlayEffect(int effect) = 0;
  // Track 1 "title_theme.mp3", 2 "main_theme.mp3", from the executable's folder, looping.
  virtual void PlayMusic(int track) = 0;
  // Stops the music and returns once its playback has ended.
  virtual void StopMusic() = 0;
  virtual bool MusicPlaying() const = 0;
};

}  // namespace vellara
