#include "engine/movegen.h"

#include <algorithm>

#include "engine/make_move.h"
#include "engine/settings_query.h"

namespace vellara {
namespace {

constexpr Cell kE1 = MakeCell(4, 0);
constexpr Cell kE8 = MakeCell(4, 7);

bool HoldsPiece(const EnginePosition& position, unsigned cell, int kind, Army army) {
  if (!OnBoard(cell)) return false;
  const SquareCell& c = position.board[cell];
  return c.kind == kind && c.army == army;
}

bool IsLastRank(Cell cell) {
  return CellRank(cell) == 0 || CellRank(cell) == 7;
}

// Own pieces that shield the king from an enemy slider. A move of any other piece
// except the king cannot expose the king when it is not in check, so only these (and
// king moves, and every move while in check) need the make/test/unmake round.
struct Pins {
  Cell cells[8];
  int count = 0;
  bool Contains(Cell cell) const {
    for (int i = 0; i < count; ++i)
      if (cells[i] == cell) return true;
    return false;
  }
};

Pins FindPins(const EnginePosition& position, Cell king, Army side) {
  Pins pins;
  for (int d = 0; d < 8; ++d) {
    const int delta = kDirections[d];
    const int slider = d < 4 ? kRook : kBishop;
    Cell cell = Step(king, delta);
    while (OnBoard(cell) && position.board[cell].kind == 0) cell = Step(cell, delta);
    if (!OnBoard(cell) || position.board[cell].army != side) continue;
    const Cell shield = cell;
    cell = Step(cell, delta);
    while (OnBoard(cell) && position.board[cell].kind == 0) cell = Step(cell, delta);
    if (!OnBoard(cell)) continue;
    const SquareCell& attacker = position.board[cell];
    if (attacker.army == -side && (attacker.kind == slider || attacker.kind == kQueen))
      pins.cells[pins.count++] = shield;
  }
  return pins;
}

// One generation. kListing builds the move list with its flags; otherwise only the
// number of legal moves is counted. Both take the same candidates in the same order and
// stop at the same cap, so the counts agree.
template <bool kListing>
class Generator {
 public:
  Generator(EnginePosition& position, Army side) : position_(position), side_(side) {}

  int Run() {
    if constexpr (kListing) {
      position_.checkMap.fill(0);
      BuildCheckMap(position_, static_cast<Army>(-side_));
    }
    const PieceList& pieces = position_.Pieces(side_);
    const PieceSlot& king = pieces[1];
    const bool inCheck = IsAttacked(position_, king.square, static_cast<Army>(-side_));
    inCheckFlags_ = inCheck ? kFlagInCheck : 0;
    testEveryMove_ = inCheck || king.kind != kKing;
    if (!testEveryMove_) pins_ = FindPins(position_, king.square, side_);
    vellara_ = VellaraModeOn();

    for (int slot = 1; slot <= kSlotsPerArmy && !Full(); ++slot) {
      const PieceSlot& piece = pieces[static_cast<std::size_t>(slot)];
      if (piece.kind == 0) continue;
      move_ = EngineMove{piece.square, 0, piece.kind, 0, 0, inCheckFlags_};
      mustTest_ = testEveryMove_ || slot == 1 || pins_.Contains(piece.square);
      switch (piece.kind) {
        case kPawn:
          Pawn();
          break;
        case kKnight:
          Jumps();
          break;
        case kBishop:
          Slides(4, 8);
          break;
        case kRook:
          Slides(0, 4);
          break;
        case kQueen:
          if (vellara_) Jumps();
          Slides(0, 8);
          break;
        case kKing:
          King();
          break;
        default:
          break;
      }
    }
    if constexpr (kListing) {
      std::reverse_copy(position_.tacticalBuffer.begin(),
                        position_.tacticalBuffer.begin() + tacticalCount_,
                        position_.moveList.begin() + quietCount_);
    }
    return quietCount_ + tacticalCount_;
  }

 private:
  bool Full() const { return quietCount_ + tacticalCount_ >= kMaxGeneratedMoves; }

  bool Legal() { return !mustTest_ || !LeavesKingInCheck(position_, move_); }

  bool MarkedOnCheckMap(Cell cell, int kind) const {
    return (position_.checkMap[cell] & CheckBit(kind)) != 0;
  }

  void Quiet(Cell to) {
    if (Full()) return;
    move_.to = to;
    if constexpr (kListing) {
      if (MarkedOnCheckMap(to, move_.kind)) {
        move_.flags |= kFlagGivesCheck;
        if (Legal()) position_.tacticalBuffer[tacticalCount_++] = move_;
      } else if (Legal()) {
        position_.moveList[quietCount_++] = move_;
      }
      move_.flags = inCheckFlags_;
    } else if (Legal()) {
      ++quietCount_;
    }
  }

  void Tactical(Cell to) {
    if (Full()) return;
    move_.to = to;
    if constexpr (kListing) {
      if (MarkedOnCheckMap(to, move_.kind)) move_.flags |= kFlagGivesCheck;
      if (Legal()) {
        if (move_.captured >= move_.kind) move_.flags |= kFlagGoodCapture;
        position_.tacticalBuffer[tacticalCount_++] = move_;
      }
      move_.flags = inCheckFlags_;
    } else if (Legal()) {
      ++tacticalCount_;
    }
  }

  void Capture(Cell to) {
    move_.captured = position_.board[to].kind;
    Tactical(to);
    move_.captured = 0;
  }

  void Promotions(Cell to) {
    move_.special = 1;
    for (std::uint8_t kind = kKnight; kind <= kQueen; ++kind) {
      move_.kind = kind;
      Tactical(to);
    }
    move_.kind = kPawn;
    move_.special = 0;
  }

  bool Empty(Cell cell) const { return position_.board[cell].kind == 0; }
  bool Enemy(Cell cell) const {
    const SquareCell& c = position_.board[cell];
    return c.kind != 0 && c.army == -side_;
  }

  void Pawn() {
    const int step = PawnStep(side_);
    const Cell from = move_.from;
    const Cell one = Step(from, step);
    if (OnBoard(one) && Empty(one)) {
      if (IsLastRank(one)) {
        Promotions(one);
      } else {
        Quiet(one);
        const Cell two = Step(one, step);
        const int rank = CellRank(from);
        if ((rank <= 1 || rank >= 6) && OnBoard(two) && Empty(two)) Quiet(two);
      }
    }
    for (int side : {-1, 1}) {
      const Cell target = Step(one, side);
      if (!OnBoard(target) || !Enemy(target)) continue;
      move_.captured = position_.board[target].kind;
      if (IsLastRank(target)) {
        Promotions(target);
      } else {
        Tactical(target);
      }
      move_.captured = 0;
    }
  }

  void Target(Cell to) {
    if (Empty(to)) {
      Quiet(to);
    } else if (Enemy(to)) {
      Capture(to);
    }
  }

  void Jumps() {
    for (int jump : kKnightJumps) {
      const Cell to = Step(move_.from, jump);
      if (OnBoard(to)) Target(to);
    }
  }

  void Slides(int firstDirection, int endDirection) {
    for (int d = firstDirection; d < endDirection; ++d) {
      for (Cell to = Step(move_.from, kDirections[d]); OnBoard(to); to = Step(to, kDirections[d])) {
        if (Empty(to)) {
          Quiet(to);
          continue;
        }
        if (Enemy(to)) Capture(to);
        break;
      }
    }
  }

  bool Attacked(Cell cell) const { return IsAttacked(position_, cell, static_cast<Army>(-side_)); }

  // Castling judged from the present board: a rook on the corner (of any army), empty
  // cells between, and no cell from the king to the rook attacked.
  void Castle(Cell kingTo, Cell rookCell, Cell rookTo, std::initializer_list<Cell> between) {
    if (position_.board[rookCell].kind != kRook) return;
    for (Cell cell : between)
      if (!Empty(cell)) return;
    const Cell low = std::min(move_.from, rookCell);
    const Cell high = std::max(move_.from, rookCell);
    for (Cell cell = low; cell <= high; ++cell)
      if (Attacked(cell)) return;
    move_.special = 1;
    if constexpr (kListing) {
      if (MarkedOnCheckMap(rookTo, kRook)) move_.flags |= kFlagGivesCheck;
    }
    Tactical(kingTo);
    move_.special = 0;
  }

  void King() {
    for (int delta : kDirections) {
      const Cell to = Step(move_.from, delta);
      if (OnBoard(to)) Target(to);
    }
    const Cell from = move_.from;
    if (from != kE1 && from != kE8) return;
    const int rank = CellRank(from);
    const auto at = [rank](int file) { return MakeCell(file, rank); };
    Castle(at(6), at(7), at(5), {at(5), at(6)});
    Castle(at(2), at(0), at(3), {at(1), at(2), at(3)});
  }

  EnginePosition& position_;
  const Army side_;
  EngineMove move_{};
  std::uint8_t inCheckFlags_ = 0;
  bool testEveryMove_ = true;
  bool mustTest_ = true;
  bool vellara_ = false;
  Pins pins_{};
  int quietCount_ = 0;
  int tacticalCount_ = 0;
};

}  // namespace

bool IsAttacked(const EnginePosition& position, Cell cell, Army army) {
  const int step = PawnStep(army);
  if (HoldsPiece(position, Step(cell, -step - 1), kPawn, army) ||
      HoldsPiece(position, Step(cell, -step + 1), kPawn, army))
    return true;
  const bool vellara = VellaraModeOn();
  for (int jump : kKnightJumps) {
    const Cell from = Step(cell, jump);
    if (!OnBoard(from)) continue;
    const SquareCell& c = position.board[from];
    if (c.army == army && (c.kind == kKnight || (vellara && c.kind == kQueen))) return true;
  }
  for (int d = 0; d < 8; ++d) {
    const int delta = kDirections[d];
    const int slider = d < 4 ? kRook : kBishop;
    Cell from = Step(cell, delta);
    if (!OnBoard(from)) continue;
    const SquareCell* c = &position.board[from];
    if (c->kind == kKing && c->army == army) return true;
    while (c->kind == 0) {
      from = Step(from, delta);
      if (!OnBoard(from)) break;
      c = &position.board[from];
    }
    if (c->kind != 0 && c->army == army && (c->kind == slider || c->kind == kQueen)) return true;
  }
  return false;
}

void BuildCheckMap(EnginePosition& position, Army kingArmy) {
  const Cell king = position.KingCell(kingArmy);
  auto mark = [&position](Cell cell, int kind) { position.checkMap[cell] |= CheckBit(kind); };
  const int step = PawnStep(kingArmy);
  for (int side : {-1, 1}) {
    const Cell cell = Step(king, step + side);
    if (OnBoard(cell)) mark(cell, kPawn);
  }
  for (int jump : kKnightJumps) {
    const Cell cell = Step(king, jump);
    if (!OnBoard(cell)) continue;
    mark(cell, kKnight);
    mark(cell, kQueen);
  }
  struct Rays {
    int kind, first, end;
  };
  for (Rays rays : {Rays{kBishop, 4, 8}, Rays{kRook, 0, 4}, Rays{kQueen, 0, 8}}) {
    for (int d = rays.first; d < rays.end; ++d) {
      for (Cell cell = Step(king, kDirections[d]); OnBoard(cell);
           cell = Step(cell, kDirections[d])) {
        mark(cell, rays.kind);
        if (position.board[cell].kind != 0) break;
      }
    }
  }
  for (int delta : kDirections) {
    const Cell cell = Step(king, delta);
    if (OnBoard(cell)) mark(cell, kKing);
  }
}

bool LeavesKingInCheck(EnginePosition& position, const EngineMove& move) {
  const Army mover = position.board[move.from].army;
  MakeMove(position, move);
  const bool attacked = IsAttacked(position, position.KingCell(mover), static_cast<Army>(-mover));
  UnmakeMove(position, move);
  return attacked;
}

int GenerateMoves(EnginePosition& position, Army side) {
  return Generator<true>(position, side).Run();
}

int GenerateInto(EnginePosition& position, MoveList& buffer, Army side) {
  const int count = GenerateMoves(position, side);
  buffer = position.moveList;
  return count;
}

int CountLegalMoves(EnginePosition& position, Army side) {
  return Generator<false>(position, side).Run();
}

}  // namespace vellara
