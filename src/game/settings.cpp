#include "game/settings.h"

#include "engine/settings_query.h"

namespace vellara {
namespace {

GameSettings settings;

void CycleTwo(std::int32_t& value) {
  value = value + 1 > 2 ? 1 : value + 1;
}

}  // namespace

GameSettings& Settings() {
  return settings;
}

void DefaultSettings() {
  settings.Army = 1;
  settings.Difficulty = 1;
  settings.TimeLimit = 1;
  settings.VellaraMode.store(2, std::memory_order_relaxed);
  settings.Background = 1;
  settings.ClassicBoard = 1;
  settings.Music = 1;
  settings.SoundEffects = 1;
  settings.Orientation = 2;
  settings.LastClassicStyle = 2;
  settings.BestVariant = 2;
  BindVellaraModeSetting(&settings.VellaraMode);
}

void CycleArmy() {
  CycleTwo(settings.Army);
}

void CycleDifficulty() {
  ++settings.Difficulty;
  if (settings.Difficulty <= 4 && settings.Difficulty >= 2) {
    settings.TimeLimit = 0;
  } else {
    settings.Difficulty = 1;
    settings.TimeLimit = 1;
  }
}

void CycleTimeLimit() {
  if (settings.Difficulty != 1) return;
  ++settings.TimeLimit;
  if (settings.TimeLimit > 7 || settings.TimeLimit < 1) settings.TimeLimit = 1;
}

void CycleVellaraMode() {
  const std::int32_t value = settings.VellaraMode.load(std::memory_order_relaxed);
  settings.VellaraMode.store(value + 1 > 2 ? 1 : value + 1, std::memory_order_relaxed);
}

void CycleBackground() {
  CycleTwo(settings.Background);
}

void CycleClassicBoard() {
  ++settings.ClassicBoard;
  if (settings.ClassicBoard > 3 || settings.ClassicBoard < 1) settings.ClassicBoard = 1;
  if (settings.ClassicBoard > 1) settings.LastClassicStyle = settings.ClassicBoard;
}

void CycleMusic() {
  CycleTwo(settings.Music);
}
void CycleSoundEffects() {
  CycleTwo(settings.SoundEffects);
}
void CycleOrientation() {
  CycleTwo(settings.Orientation);
}
void CycleBestVariant() {
  CycleTwo(settings.BestVariant);
}

void ToggleClassicBoard() {
  settings.ClassicBoard = settings.ClassicBoard == 1 ? settings.LastClassicStyle : 1;
}

}  // namespace vellara
