// The game's board and move history. The board knows no chess of its own: legal moves and
// the verdict come from the engine, and the board only applies what the engine produced —
// lifting and placing pieces, the castling rook, taking moves back and replaying them.
// One instance of each; the analysis thread copies Squares and SideToMove under the board
// lock, which every change of either holds.
#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

#include "engine/board_provider.h"
#include "engine/types.h"
#include "ui/board_geometry.h"

namespace vellara {

inline constexpr std::array<std::int32_t, 4> kBoardOrigins = {0, 13, 0, 73};
// Seconds per computer move by TimeLimit 0..7; "None" is three hours.
inline constexpr std::array<std::int32_t, 8> kMoveTimeLimits = {10800, 3, 5, 10, 30, 60, 120, 300};

struct SceneBoard {
  BoardSnapshot Squares{};                   // piece code of square n at index n - 1
  std::array<bool, 64> TargetFlags{};        // legal destinations of the selected piece
  std::array<EngineMove, 64> TargetMoves{};  // the move reaching each flagged square
  Army SideToMove = 0;                       // 0 until the first game
  std::int32_t BlondesSeconds = 0;
  std::int32_t BrunettesSeconds = 0;
  std::int32_t MoveSeconds = 0;  // since the last completed move
  std::uint8_t PlayMode = 0;     // 1: the computer plays the other army
  // x for background 1, x for background 2, y for background 1, y for background 2.
  std::array<std::int32_t, 4> BoardOrigin{};
  std::array<std::int32_t, 8> MoveTimeLimits{};
};

// The half-moves of the game. Entries Current .. Count - 1 are taken-back moves that can be
// replayed. The record starts with room for 1024 half-moves and grows past them.
inline constexpr std::size_t kHistoryCapacity = 1024;
struct MoveHistory {
  std::vector<EngineMove> Entries = std::vector<EngineMove>(kHistoryCapacity);
  std::int32_t Count = 0;
  std::int32_t Current = 0;
};

SceneBoard& Board();
MoveHistory& History();

// The engine's view of the board: snapshot, side and board lock.
GameBoardProvider& GameBoard();
std::mutex& BoardLock();

// Square 1..64; outside that GetSquare gives 0 and SetSquare does nothing.
std::int8_t GetSquare(int square);
void SetSquare(int square, int code);
void SetSideToMove(Army side);
BoardSnapshot ExportSnapshot();

// (from, to) squares of an engine move.
std::pair<int, int> MoveSquares(const EngineMove& move);

// Flags the legal destinations of the piece on `square`; true when it has any.
bool ComputeTargets(int square);
bool IsTarget(int square);
EngineMove TargetMoveAt(int square);

// Lands `code` on `to` (a captured piece disappears now) and jumps a castling rook.
void PlaceArrival(int to, int code, int from);

// The board offset for the current background, and the geometry with it applied.
Point CurrentBoardOrigin();
int SquareAtPoint(int x, int y);
Point SquareCentre(int square);

void NewGame();
void MoveBack();
void MoveForward();

void HistoryAppend(const EngineMove& move);
void HistoryClear();
void HistorySetPromotion(int kind);

}  // namespace vellara
