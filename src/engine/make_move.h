// Playing and taking back an engine move in place. The pair restores the position byte
// for byte; everything needed to undo a move is in the move itself and in the army and
// slot bytes that an emptied cell keeps.
#pragma once

#include <utility>

#include "engine/position.h"

namespace vellara {

namespace detail {

// Exchanges all three bytes of cells a and b, then points the piece-list slot named by
// cell a's new content at a. Cell b is always an emptied record and gets no list update.
inline void SwapCells(EnginePosition& position, Cell a, Cell b) {
  std::swap(position.board[a], position.board[b]);
  const SquareCell& moved = position.board[a];
  position.Pieces(moved.army)[moved.slot].square = a;
}

struct CastlingRook {
  Cell from;
  Cell to;
};

// Rook cells of a castling, by the king's destination (g1, c1, g8, c8).
inline CastlingRook CastlingRookFor(Cell kingTo) {
  switch (kingTo) {
    case MakeCell(6, 0):
      return {MakeCell(7, 0), MakeCell(5, 0)};
    case MakeCell(2, 0):
      return {MakeCell(0, 0), MakeCell(3, 0)};
    case MakeCell(6, 7):
      return {MakeCell(7, 7), MakeCell(5, 7)};
    default:
      return {MakeCell(0, 7), MakeCell(3, 7)};
  }
}

}  // namespace detail

// The move is trusted: nothing checks that the board matches it.
inline void MakeMove(EnginePosition& position, const EngineMove& move) {
  if (move.captured != 0) {
    SquareCell& victim = position.board[move.to];
    victim.kind = 0;
    position.Pieces(victim.army)[victim.slot].kind = 0;
  }
  detail::SwapCells(position, move.to, move.from);
  if (move.special != 0) {
    if (move.kind == kKing) {
      const detail::CastlingRook rook = detail::CastlingRookFor(move.to);
      detail::SwapCells(position, rook.to, rook.from);
    } else if (move.kind != kPawn) {
      SquareCell& promoted = position.board[move.to];
      promoted.kind = move.kind;
      position.Pieces(promoted.army)[promoted.slot].kind = move.kind;
    }
  }
}

// Must be called with the position exactly as MakeMove(position, move) left it.
inline void UnmakeMove(EnginePosition& position, const EngineMove& move) {
  detail::SwapCells(position, move.from, move.to);
  if (move.captured != 0) {
    SquareCell& victim = position.board[move.to];
    victim.kind = move.captured;
    victim.army = static_cast<std::int8_t>(-position.board[move.from].army);
    PieceSlot& slot = position.Pieces(victim.army)[victim.slot];
    slot.square = move.to;
    slot.kind = move.captured;
  }
  if (move.special != 0) {
    if (move.kind == kKing) {
      const detail::CastlingRook rook = detail::CastlingRookFor(move.to);
      detail::SwapCells(position, rook.from, rook.to);
    } else if (move.kind != kPawn) {
      SquareCell& pawn = position.board[move.from];
      pawn.kind = kPawn;
      position.Pieces(pawn.army)[pawn.slot].kind = kPawn;
    }
  }
}

}  // namespace vellara
