#include "game/board.h"

#include "engine/position.h"
#include "game/game_analysis.h"
#include "game/settings.h"
#include "game/timer1.h"
#include "game/turn.h"
#include "ui/audio_cues.h"

namespace vellara {
namespace {

SceneBoard board;
MoveHistory history;
std::mutex boardLock;

class SceneBoardProvider final : public GameBoardProvider {
 public:
  std::mutex& BoardLock() override { return boardLock; }
  BoardSnapshot ExportSnapshot() const override { return board.Squares; }
  Army SideToMove() const override { return board.SideToMove; }
};

SceneBoardProvider provider;

bool ValidSquare(int square) {
  return square >= 1 && square <= 64;
}
std::size_t Index(int square) {
  return static_cast<std::size_t>(square - 1);
}

// Writes a square; the caller holds the board lock.
void Put(int square, int code) {
  if (ValidSquare(square)) board.Squares[Index(square)] = static_cast<std::int8_t>(code);
}

// The rook of a castling: a king arriving on its home rank's c- or g-square from its
// e-square. `forward` moves the rook out of its corner, otherwise back into it.
void MoveCastlingRook(int king, int from, int to, bool forward) {
  int corner = 0;
  int beside = 0;
  if (king == 6 && from == 61) {
    if (to == 59) corner = 57, beside = 60;
    if (to == 63) corner = 64, beside = 62;
  } else if (king == -6 && from == 5) {
    if (to == 3) corner = 1, beside = 4;
    if (to == 7) corner = 8, beside = 6;
  }
  if (corner == 0) return;
  const int rook = king > 0 ? 4 : -4;
  Put(corner, forward ? 0 : rook);
  Put(beside, forward ? rook : 0);
}

// Hands the move back to the army that made it and undoes it, under one hold of the lock.
void TakeBackMove(const EngineMove& move) {
  const auto [from, to] = MoveSquares(move);
  GameState& game = Game();
  {
    std::lock_guard<std::mutex> hold(boardLock);
    board.SideToMove = static_cast<Army>(-board.SideToMove);
    const Army side = board.SideToMove;
    game.PickedPiece = side * move.kind;
    game.ArrivalPiece = move.captured * -side;
    const bool promotion = move.special != 0 && move.kind != kPawn && move.kind != kKing;
    if (promotion) game.PickedPiece = side;
    Put(to, game.ArrivalPiece);
    Put(from, game.PickedPiece);
    MoveCastlingRook(game.PickedPiece, from, to, false);
  }
  game.SelectedSquare = 0;
  PlayCue(3);
}

// Makes the move again and passes the turn, under one hold of the lock.
void ReplayMove(const EngineMove& move) {
  const auto [from, to] = MoveSquares(move);
  GameState& game = Game();
  {
    std::lock_guard<std::mutex> hold(boardLock);
    game.PickedPiece = board.SideToMove * move.kind;
    Put(to, game.PickedPiece);
    Put(from, 0);
    MoveCastlingRook(game.PickedPiece, from, to, true);
    board.SideToMove = static_cast<Army>(-board.SideToMove);
  }
  game.SelectedSquare = 0;
  PlayCue(3);
}

bool HistoryMoveAllowed() {
  const GameState& game = Game();
  if (game.SlideRunning) return false;
  return game.turnState == TurnState::PlayerMove || game.turnState == TurnState::GameOver;
}

}  // namespace

SceneBoard& Board() {
  return board;
}
MoveHistory& History() {
  return history;
}
GameBoardProvider& GameBoard() {
  return provider;
}
std::mutex& BoardLock() {
  return boardLock;
}

std::int8_t GetSquare(int square) {
  return ValidSquare(square) ? board.Squares[Index(square)] : 0;
}

void SetSquare(int square, int code) {
  std::lock_guard<std::mutex> hold(boardLock);
  Put(square, code);
}

void SetSideToMove(Army side) {
  std::lock_guard<std::mutex> hold(boardLock);
  board.SideToMove = side;
}

BoardSnapshot ExportSnapshot() {
  return board.Squares;
}

std::pair<int, int> MoveSquares(const EngineMove& move) {
  auto square = [](Cell cell) { return 57 + (cell % 16) - 8 * (cell / 16); };
  return {square(move.from), square(move.to)};
}

bool ComputeTargets(int square) {
  board.TargetFlags.fill(false);
  static EnginePosition local;  // the game thread's own; large, so kept out of the stack
  LoadPosition(local, ExportSnapshot(), board.SideToMove);
  bool any = false;
  for (int i = 0; i < MoveCount(local); ++i) {
    const EngineMove move = MoveAt(local, i);
    const auto [from, to] = MoveSquares(move);
    if (from != square || !ValidSquare(to)) continue;
    board.TargetFlags[Index(to)] = true;
    board.TargetMoves[Index(to)] = move;
    any = true;
  }
  return any;
}

bool IsTarget(int square) {
  return ValidSquare(square) && board.TargetFlags[Index(square)];
}

EngineMove TargetMoveAt(int square) {
  return ValidSquare(square) ? board.TargetMoves[Index(square)] : EngineMove{};
}

void PlaceArrival(int to, int code, int from) {
  std::lock_guard<std::mutex> hold(boardLock);
  Put(to, code);
  MoveCastlingRook(code, from, to, true);
}

Point CurrentBoardOrigin() {
  const std::size_t background = Settings().Background == 2 ? 1 : 0;
  return {board.BoardOrigin[background], board.BoardOrigin[background + 2]};
}

int SquareAtPoint(int x, int y) {
  return SquareAtPoint(x, y, CurrentBoardOrigin());
}
Point SquareCentre(int square) {
  return SquareCentre(square, CurrentBoardOrigin());
}

void NewGame() {
  {
    std::lock_guard<std::mutex> hold(boardLock);
    board.Squares = kStartSnapshot;
    board.SideToMove = Settings().Army == 1 ? kBlondes : kBrunettes;
  }
  board.BoardOrigin = kBoardOrigins;
  board.MoveTimeLimits = kMoveTimeLimits;
  GameState& game = Game();
  game.SelectedSquare = 0;
  game.PickedPiece = 0;
  board.PlayMode = 1;
  // A slide under way ends here, so that no piece lands on the new position. The
  // computer's slide had stopped Timer1; it runs again.
  game.SlideRunning = false;
  game.PromotionChoice = 0;
  EnableTimer1();
  HistoryClear();
  board.BlondesSeconds = 0;
  board.BrunettesSeconds = 0;
  board.MoveSeconds = 0;
  RestartGameAnalysis();
  game.turnState = TurnState::PlayerMove;
}

void MoveBack() {
  if (!HistoryMoveAllowed() || history.Current <= 0) return;
  TakeBackMove(history.Entries[static_cast<std::size_t>(history.Current - 1)]);
  history.Current -= 1;
  RestartGameAnalysis();
  Game().turnState = TurnState::PlayerMove;
}

void MoveForward() {
  if (!HistoryMoveAllowed() || history.Current >= history.Count) return;
  history.Current += 1;
  ReplayMove(history.Entries[static_cast<std::size_t>(history.Current - 1)]);
  RestartGameAnalysis();
  Game().turnState = TurnState::PlayerMove;
}

void HistoryAppend(const EngineMove& move) {
  if (history.Current != history.Count) history.Count = history.Current;
  const auto at = static_cast<std::size_t>(history.Count);
  if (at >= history.Entries.size()) history.Entries.resize(at + 1);  // past 1024: grow
  history.Entries[at] = move;
  history.Count += 1;
  history.Current = history.Count;
}

void HistoryClear() {
  history.Entries.assign(kHistoryCapacity, EngineMove{});
  history.Count = 0;
  history.Current = 0;
}

void HistorySetPromotion(int kind) {
  if (history.Current <= 0 || kind < kKnight || kind > kQueen) return;
  history.Entries[static_cast<std::size_t>(history.Current - 1)].kind =
      static_cast<std::uint8_t>(kind);
}

}  // namespace vellara
