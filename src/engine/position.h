// The engine's own position record and its loading from a board snapshot.
#pragma once

#include <array>
#include <cstdint>

#include "engine/types.h"

namespace vellara {

inline constexpr int kMoveListSize = 256;
// Generation never lists more moves than this; the counts it keeps are 8-bit.
inline constexpr int kMaxGeneratedMoves = 255;
inline constexpr int kBoardCells = 120;
inline constexpr int kSlotsPerArmy = 16;

using MoveList = std::array<EngineMove, kMoveListSize>;

// One board cell. An empty cell (kind 0) keeps the army and slot bytes of the last piece
// that stood on it: taking back a capture reads them to find the captured piece's slot.
struct SquareCell {
  std::uint8_t kind = 0;
  std::int8_t army = 0;
  std::uint8_t slot = 0;  // 1..16 in the army's piece list
};

// One entry of a piece list. A captured piece keeps its last square; only its kind is 0.
struct PieceSlot {
  Cell square = 0;
  std::uint8_t kind = 0;
};

// Piece list of one army: slots 1..16 (index 0 unused). Slot 1 always holds the king.
using PieceList = std::array<PieceSlot, kSlotsPerArmy + 1>;

struct EnginePosition {
  MoveList moveList;                               // slots 0 .. MoveCount - 1 hold the legal moves
  MoveList tacticalBuffer;                         // working list of move generation only
  std::array<SquareCell, kBoardCells> board;       // by cell index; cells with bit 3 unused
  std::array<std::uint8_t, kBoardCells> checkMap;  // valid during one generation only
  std::int32_t MoveCount = 0;
  std::uint8_t State = kPlayOn;
  // Piece lists by army -1, 0, +1 (index army + 1). Army 0 answers for a side of 0 (the
  // empty board before the first game) and always stays empty.
  std::array<PieceList, 3> pieceLists;

  PieceList& Pieces(Army army) { return pieceLists[static_cast<std::size_t>(army + 1)]; }
  const PieceList& Pieces(Army army) const {
    return pieceLists[static_cast<std::size_t>(army + 1)];
  }
  SquareCell& At(Cell cell) { return board[cell]; }
  const SquareCell& At(Cell cell) const { return board[cell]; }
  // Cell of the army's king (slot 1); cell 0 when the army has none.
  Cell KingCell(Army army) const { return Pieces(army)[1].square; }
};

// Fills `position` from the snapshot, lists the legal moves of `side` and decides the state.
void LoadPosition(EnginePosition& position, BoardSnapshot snapshot, Army side);

inline std::int32_t MoveCount(const EnginePosition& position) {
  return position.MoveCount;
}
inline EngineMove MoveAt(const EnginePosition& position, int index) {
  return position.moveList[static_cast<std::size_t>(index)];
}

}  // namespace vellara
