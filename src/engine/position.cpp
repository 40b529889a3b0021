#include "engine/position.h"

#include "engine/movegen.h"

namespace vellara {
namespace {

void Place(EnginePosition& position, Cell cell, std::uint8_t kind, Army army) {
  PieceList& pieces = position.Pieces(army);
  std::uint8_t slot = 0;
  if (kind == kKing) {
    slot = 1;
  } else {
    for (std::uint8_t s = 2; s <= kSlotsPerArmy; ++s) {
      if (pieces[s].kind == 0) {
        slot = s;
        break;
      }
    }
    if (slot == 0) return;  // fifteen others already: the piece is left out
  }
  position.board[cell] = SquareCell{kind, army, slot};
  pieces[slot] = PieceSlot{cell, kind};
}

bool OnlyKingsLeft(const EnginePosition& position) {
  for (Army army : {kBrunettes, kBlondes})
    for (int slot = 2; slot <= kSlotsPerArmy; ++slot)
      if (position.Pieces(army)[static_cast<std::size_t>(slot)].kind != 0) return false;
  return true;
}

}  // namespace

void LoadPosition(EnginePosition& position, BoardSnapshot snapshot, Army side) {
  if (side < kBrunettes || side > kBlondes) side = 0;  // no such army: nobody moves
  position.board.fill(SquareCell{});
  for (PieceList& list : position.pieceLists) list.fill(PieceSlot{});

  // File by file, a to h, and within a file from rank 8 down: this fixes each piece's
  // slot, and the slot order is the order in which moves are generated and searched.
  for (int file = 0; file < 8; ++file) {
    for (int row = 0; row < 8; ++row) {
      const int code = snapshot[static_cast<std::size_t>(row * 8 + file)];
      if (code == 0) continue;
      const auto kind = static_cast<std::uint8_t>(code < 0 ? -code : code);
      if (kind > kKing) continue;  // not a piece code
      const Army army = code < 0 ? kBrunettes : kBlondes;
      Place(position, MakeCell(file, 7 - row), kind, army);
    }
  }

  position.MoveCount = GenerateMoves(position, side);
  if (position.MoveCount > 0) {
    position.State = OnlyKingsLeft(position) ? kDraw : kPlayOn;
  } else {
    const bool attacked = IsAttacked(position, position.KingCell(side), static_cast<Army>(-side));
    position.State = attacked ? kCheckmate : kDraw;
  }
}

}  // namespace vellara
