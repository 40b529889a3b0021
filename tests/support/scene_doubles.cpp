#include "scene_doubles.h"

#include <mutex>
#include <stdexcept>

#include "engine/position.h"
#include "game/board.h"
#include "game/clock.h"
#include "game/turn.h"
#include "ui/audio_cues.h"
#include "ui/input.h"
#include "ui/presentation.h"
#include "ui/scene.h"

namespace vellara::testing {

void RecordingAudio::PlayEffect(int effect) {
  if (failing) throw std::runtime_error("no sound device");
  effects.push_back(effect);
}

void RecordingAudio::PlayMusic(int track) {
  if (failing) throw std::runtime_error("no music file");
  tracks.push_back(track);
  playing = true;
}

void RecordingAudio::StopMusic() {
  if (failing) throw std::runtime_error("no music output");
  ++stops;
  playing = false;
}

void RecordingAudio::Clear() {
  effects.clear();
  tracks.clear();
  stops = 0;
}

void FakeTimer1::Enable() {
  if (!enabled) ++freshPeriods;
  enabled = true;
}

std::optional<EngineMove> ScriptedAnalysis::BestMove() {
  if (withhold) return std::nullopt;
  if (scripted) {
    const EngineMove move = *scripted;
    scripted.reset();
    return move;
  }
  static EnginePosition position;
  LoadPosition(position, Board().Squares, Board().SideToMove);
  if (MoveCount(position) == 0) return std::nullopt;
  return MoveAt(position, 0);
}

std::optional<EngineMove> FindMove(int from, int to, int kind) {
  static EnginePosition position;
  LoadPosition(position, Board().Squares, Board().SideToMove);
  std::optional<EngineMove> found;
  for (int i = 0; i < MoveCount(position); ++i) {
    const EngineMove move = MoveAt(position, i);
    if (CellToSquare(move.from) != from || CellToSquare(move.to) != to) continue;
    if (kind != 0 && move.kind != kind) continue;
    found = move;
  }
  return found;
}

void SetUpBoard(std::initializer_list<Placed> pieces, Army side) {
  NewGame();
  BoardSnapshot squares{};
  for (const Placed& p : pieces)
    squares[static_cast<std::size_t>(Sq(p.square) - 1)] = static_cast<std::int8_t>(p.code);
  {
    std::lock_guard<std::mutex> hold(BoardLock());
    Board().Squares = squares;
    Board().SideToMove = side;
  }
}

BoardSnapshot ReplayedHistory(const BoardSnapshot& start) {
  BoardSnapshot squares = start;
  const MoveHistory& history = History();
  for (int i = 0; i < history.Current; ++i) {
    const EngineMove& move = history.Entries[static_cast<std::size_t>(i)];
    const int from = CellToSquare(move.from) - 1;
    const int to = CellToSquare(move.to) - 1;
    const int sign = squares[static_cast<std::size_t>(from)] > 0 ? 1 : -1;
    squares[static_cast<std::size_t>(to)] = static_cast<std::int8_t>(sign * move.kind);
    squares[static_cast<std::size_t>(from)] = 0;
    if (move.kind == kKing && move.special != 0) {
      const bool kingSide = to > from;
      const int corner = kingSide ? from + 3 : from - 4;
      const int beside = kingSide ? from + 1 : from - 1;
      squares[static_cast<std::size_t>(corner)] = 0;
      squares[static_cast<std::size_t>(beside)] = static_cast<std::int8_t>(sign * kRook);
    }
  }
  return squares;
}

Point OverlayRowPoint(int row) {
  switch (Scene().overlayKind) {
    case OverlayKind::MainMenu:
      return {100, 82 + 40 * (row - 1)};
    case OverlayKind::OptionsWindow:
      return {200, 82 + 40 * (row - 1)};
    case OverlayKind::QuitConfirm:
      return {462 + 100 * (row - 1), 412};
    case OverlayKind::ContinueWindow:
      return {413 + 100 * (row - 1), 412};
    case OverlayKind::BackToMenuButton:
      return {950, 738};
    case OverlayKind::NoOverlay:
      return {-1, -1};
  }
  return {-1, -1};
}

Point ToolbarPoint(int slot) {
  return {32 + 50 * (slot - 1), 30};
}

void SceneTest::SetUp() {
  SetGameAnalysis(UseRealEngine() ? nullptr : &analysis);
  SceneCreate();
  SetGameAudio(&audio);
  SetTimer1(&timer);
  SetApplicationControl(&application);
  SceneReady();
}

void SceneTest::TearDown() {
  SceneClose();
  SetGameAnalysis(nullptr);
  SetGameAudio(nullptr);
  SetTimer1(nullptr);
  SetApplicationControl(nullptr);
}

void SceneTest::MoveTo(Point p) {
  FormMouseMove(p.x, p.y);
}

void SceneTest::Click(Point p) {
  FormMouseMove(p.x, p.y);
  FormMouseDown(p.x, p.y);
}

void SceneTest::ClickSquare(int square) {
  Click(SquareCentre(square));
}
void SceneTest::ClickToolbar(int slot) {
  Click(ToolbarPoint(slot));
}
void SceneTest::ClickOverlayRow(int row) {
  Click(OverlayRowPoint(row));
}

int SceneTest::FinishSlides(int maxTicks) {
  int ticks = 0;
  while (Game().SlideRunning && ticks < maxTicks) {
    TimerProcess();
    ++ticks;
  }
  return ticks;
}

void SceneTest::Seconds(int count) {
  for (int i = 0; i < count; ++i) {
    if (timer.enabled) ClockTick();
  }
}

void SceneTest::PlayerMove(int from, int to) {
  ClickSquare(from);
  ClickSquare(to);
  FinishSlides();
}

void SceneTest::StartFromMenu() {
  ASSERT_EQ(Scene().overlayKind, OverlayKind::MainMenu);
  ClickOverlayRow(1);
}

}  // namespace vellara::testing
