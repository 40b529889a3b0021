// Attack test, check map and legal move generation.
//
// The move list comes out as: the quiet moves in generation order, then the tactical
// moves (captures, promotions, castling, quiet moves that give check by the map) in
// reverse generation order. The search reads the list from its last slot down, the
// game from slot 0 up; both rely on this order.
#pragma once

#include "engine/position.h"

namespace vellara {

// Cell-index steps, applied in 8-bit arithmetic.
inline constexpr int kKnightJumps[8] = {33, -33, -31, 31, 18, -18, 14, -14};
inline constexpr int kDirections[8] = {16, -16, 1, -1, 17, -17, -15, 15};
constexpr int PawnStep(Army army) {
  return 16 * army;
}
constexpr Cell Step(Cell cell, int delta) {
  return static_cast<Cell>(cell + delta);
}
constexpr std::uint8_t CheckBit(int kind) {
  return static_cast<std::uint8_t>(1u << (kind - 1));
}

// Whether any piece of `army` attacks `cell`.
bool IsAttacked(const EnginePosition& position, Cell cell, Army army);

// Marks, around the king of `kingArmy`, the cells from which each kind of the other army
// would attack it. The map must be cleared to zero first.
void BuildCheckMap(EnginePosition& position, Army kingArmy);

// Lists the legal moves of `side` in the move list and returns their number (at most
// 255). Overwrites the tactical buffer and the check map; leaves MoveCount and State.
int GenerateMoves(EnginePosition& position, Army side);

// GenerateMoves, then a copy of all 256 move-list slots into `buffer`.
int GenerateInto(EnginePosition& position, MoveList& buffer, Army side);

// The number GenerateMoves would return, without building lists or flags.
int CountLegalMoves(EnginePosition& position, Army side);

// Plays the move, tests the mover's king, takes the move back.
bool LeavesKingInCheck(EnginePosition& position, const EngineMove& move);

}  // namespace vellara
