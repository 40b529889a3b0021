// Test doubles for what the window and the audio layer supply to the scene's
// logic, a scripted analysis for tests that must not start the engine's thread,
// and a fixture that brings the whole scene to its starting state with them
// installed.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <vector>

#include "audio/game_audio.h"
#include "engine/types.h"
#include "game/game_analysis.h"
#include "game/timer1.h"
#include "ui/application.h"
#include "ui/board_geometry.h"

namespace vellara::testing {

// Records every effect and every music start and stop.
class RecordingAudio final : public GameAudio {
 public:
  void PlayEffect(int effect) override;
  void PlayMusic(int track) override;
  void StopMusic() override;
  bool MusicPlaying() const override { return playing; }
  void Clear();

  std::vector<int> effects;
  std::vector<int> tracks;  // every track started, in order
  int stops = 0;
  bool playing = false;
  bool failing = false;  // every call throws, as a missing device would
};

class FakeTimer1 final : public Timer1 {
 public:
  void Enable() override;
  void Disable() override { enabled = false; }
  bool Enabled() const override { return enabled; }

  bool enabled = true;   // the window enables it from its creation
  int freshPeriods = 0;  // enables of a disabled timer
};

class RecordingApplication final : public ApplicationControl {
 public:
  void EndApplication() override { ++endRequests; }
  int endRequests = 0;
};

// Answers at once: a scripted move if one is set, else the first legal move of
// the board.
class ScriptedAnalysis final : public GameAnalysis {
 public:
  void Restart() override { ++restarts; }
  void Stop() override { ++stops; }
  std::optional<EngineMove> BestMove() override;

  int restarts = 0;
  int stops = 0;
  bool withhold = false;               // as if nothing were published yet
  std::optional<EngineMove> scripted;  // used once
};

// Square number of a name such as "e1".
constexpr int Sq(const char* name) {
  return (8 - (name[1] - '0')) * 8 + (name[0] - 'a') + 1;
}

struct Placed {
  const char* square;
  int code;
};
// Puts the pieces on an empty board with `side` to move, as a game in progress at its start.
void SetUpBoard(std::initializer_list<Placed> pieces, Army side);

// The legal move of the board's side from `from` to `to` (the promotion to
// `kind` when given), or nullopt.
std::optional<EngineMove> FindMove(int from, int to, int kind = 0);

// `start` (the initial position by default) with the history's first Current entries applied,
// computed apart from the board's own code.
BoardSnapshot ReplayedHistory(const BoardSnapshot& start = kStartSnapshot);

class SceneTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  virtual bool UseRealEngine() const { return false; }

  // Handlers as the window calls them.
  void MoveTo(Point p);
  void Click(Point p);
  void ClickSquare(int square);  // pointer onto the square's centre, then the button
  void ClickToolbar(int slot);
  void ClickOverlayRow(int row);  // the row's hit area must be open
  void ClickMenu(int row) { ClickOverlayRow(row); }
  // Runs process ticks until no slide runs (bounded); returns the ticks taken.
  int FinishSlides(int maxTicks = 2000);
  // Timer1 ticks, delivered only while the fake timer is enabled.
  void Seconds(int count);
  // Player move by squares: select, target, slide to the end.
  void PlayerMove(int from, int to);
  // Main menu -> "play game".
  void StartFromMenu();

  RecordingAudio audio;
  FakeTimer1 timer;
  RecordingApplication application;
  ScriptedAnalysis analysis;
};

// A point inside the overlay's row or button `row`.
Point OverlayRowPoint(int row);
Point ToolbarPoint(int slot);

}  // namespace vellara::testing
