// Engine records shared with the game: armies, piece codes, the board snapshot, the
// 0x88 cell index and the 6-byte engine move.
#pragma once

#include <array>
#include <cstdint>

namespace vellara {

// Armies are the multipliers applied to piece kinds: +1 the Blondes, -1 the Brunettes.
using Army = std::int8_t;
inline constexpr Army kBlondes = 1;
inline constexpr Army kBrunettes = -1;

// Piece kinds; a signed piece code is kind * army, 0 for an empty square.
enum PieceKind : std::uint8_t {
  kNoPiece = 0,
  kPawn = 1,
  kKnight = 2,
  kBishop = 3,
  kRook = 4,
  kQueen = 5,
  kKing = 6,
};

// The game's board as handed to the engine. Byte i holds square i + 1; square 1 is a8,
// 8 is h8, 9 is a7 ... 57 is a1, 64 is h1 (row by row from the Brunettes' back rank).
using BoardSnapshot = std::array<std::int8_t, 64>;

inline constexpr BoardSnapshot kStartSnapshot = {
    -4, -2, -3, -5, -6, -3, -2, -4,  // rank 8
    -1, -1, -1, -1, -1, -1, -1, -1,  // rank 7
    0,  0,  0,  0,  0,  0,  0,  0,   //
    0,  0,  0,  0,  0,  0,  0,  0,   //
    0,  0,  0,  0,  0,  0,  0,  0,   //
    0,  0,  0,  0,  0,  0,  0,  0,   //
    1,  1,  1,  1,  1,  1,  1,  1,   // rank 2
    4,  2,  3,  5,  6,  3,  2,  4,   // rank 1
};

// Cell index, the engine's own square numbering (0x88 scheme):
//
//   cell = 16 * (rank - 1) + (file - 1)      a1 = 0, h1 = 7, a8 = 112, h8 = 119
//
// A cell is on the board exactly when (cell & 0x88) == 0. Steps are added in 8-bit
// arithmetic: below 0 wraps to a value with bit 7 set, past file h sets bit 3.
using Cell = std::uint8_t;

constexpr bool OnBoard(unsigned cell) {
  return (cell & 0x88u) == 0;
}
constexpr Cell MakeCell(int file, int rank) {
  return static_cast<Cell>(16 * rank + file);
}
constexpr int CellFile(Cell cell) {
  return cell & 15;
}  // 0 = a
constexpr int CellRank(Cell cell) {
  return cell >> 4;
}  // 0 = rank 1

// Square number 1..64 <-> cell index.
constexpr Cell SquareToCell(int square) {
  return MakeCell((square - 1) % 8, 7 - (square - 1) / 8);
}
constexpr int CellToSquare(Cell cell) {
  return (7 - CellRank(cell)) * 8 + CellFile(cell) + 1;
}

// Move flags written by move generation.
inline constexpr std::uint8_t kFlagGivesCheck = 1;   // lands on a check-map cell of its kind
inline constexpr std::uint8_t kFlagGoodCapture = 2;  // captured kind >= moving kind
inline constexpr std::uint8_t kFlagInCheck = 4;      // the mover was in check

// The engine's move, 6 bytes, also kept by the game in its history and target tables:
//
//   byte 0  from      cell the piece leaves
//   byte 1  to        cell the piece arrives on
//   byte 2  kind      kind of the moving piece; for a promotion the kind promoted to
//   byte 3  captured  kind standing on `to` before the move, 0 if none
//   byte 4  special   1 for castling (kind 6) and promotion (kind 2..5), else 0
//   byte 5  flags     kFlagGivesCheck | kFlagGoodCapture | kFlagInCheck
//
// Castling is the king's two-cell move; the rook's move is implied.
struct EngineMove {
  Cell from = 0;
  Cell to = 0;
  std::uint8_t kind = 0;
  std::uint8_t captured = 0;
  std::uint8_t special = 0;
  std::uint8_t flags = 0;

  friend constexpr bool operator==(const EngineMove&, const EngineMove&) = default;
};
static_assert(sizeof(EngineMove) == 6);

// The verdict on a loaded position.
enum PositionState : std::uint8_t {
  kPlayOn = 0,
  kCheckmate = 1,  // the side to move has no legal move and its king is attacked
  kDraw = 2,       // stalemate, or nothing but the two kings
};

}  // namespace vellara
