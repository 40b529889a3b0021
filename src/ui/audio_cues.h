// Which sound plays when: the seven effect cues gated by "Sound Effects", the two music
// tracks gated by "Music", and the options window's music switch. The sound itself goes to
// the GameAudio the window installs; without one every call is silent.
#pragma once

#include "audio/game_audio.h"

namespace vellara {

inline constexpr int kTitleTrack = 1;  // "title_theme.mp3"
inline constexpr int kMainTrack = 2;   // "main_theme.mp3"

// The audio output the cues and music go to; nullptr for silence.
void SetGameAudio(GameAudio* audio);

// Plays SoundCue n (1..7) when "Sound Effects" is "Yes". Failures are swallowed.
void PlayCue(int n);

// Starts track 1 or 2 from its beginning when "Music" is "Yes", stopping (and waiting for)
// any music playing first. Failures are swallowed.
void PlayMusic(int track);

// Stops music that is playing and waits for it; the window's close does this.
void StopMusicPlaying();

// Options row 7: cycles "Music"; switching it to "No" stops music that is playing.
void MusicSwitch();

}  // namespace vellara
