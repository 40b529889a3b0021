// The player's settings: one record with its defaults and the cycling rule of every field.
// Nothing is saved; every start of the program begins with the defaults.
#pragma once

#include <atomic>
#include <cstdint>

namespace vellara {

// Every field but TimeLimit counts from 1. VellaraMode is read by the analysis thread,
// hence atomic; everything else belongs to the window's thread.
struct GameSettings {
  std::int32_t Army = 1;                     // 1 Blondes, 2 Brunettes
  std::int32_t Difficulty = 1;               // 1 Time Limit, 2 Easy, 3 Medium, 4 Hard
  std::int32_t TimeLimit = 1;                // 0 None, 1 "3 sec/move" .. 7 "5 min/move"
  std::atomic<std::int32_t> VellaraMode{2};  // 1 Yes, 2 No
  std::int32_t Background = 1;               // 1 Fortress, 2 Town
  std::int32_t ClassicBoard = 1;             // 1 None, 2 Wood, 3 Marble
  std::int32_t Music = 1;                    // 1 Yes, 2 No
  std::int32_t SoundEffects = 1;             // 1 Yes, 2 No
  std::int32_t Orientation = 2;              // classic board: 2 Blondes at the bottom, 1 turned
  std::int32_t LastClassicStyle = 2;         // 2 or 3, brought back by toolbar button 4
  std::int32_t BestVariant = 2;              // 1 Yes, 2 No
};

GameSettings& Settings();

// Stores the defaults and binds VellaraMode to the engine's settings query.
void DefaultSettings();

// One rule per click. Two-valued fields go 1 -> 2 -> 1.
void CycleArmy();
void CycleDifficulty();  // 2..4 set TimeLimit 0; wrapping to 1 sets TimeLimit 1
void CycleTimeLimit();   // only while Difficulty is 1: 1..7, never 0
void CycleVellaraMode();
void CycleBackground();
void CycleClassicBoard();  // 1..3; a shown style is remembered in LastClassicStyle
void CycleMusic();         // the value only; stopping the music is the audio rule's
void CycleSoundEffects();
void CycleOrientation();  // toolbar button 1
void CycleBestVariant();
void ToggleClassicBoard();  // toolbar button 4: hide, or show the last style

}  // namespace vellara
