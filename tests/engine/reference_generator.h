// A plain second reading of the move-generation rules, for cross-checking the engine's
// generator: it tests every candidate with make/test/unmake and builds the lists in the
// documented order, without the engine's shortcuts.
#pragma once

#include <vector>

#include "engine/make_move.h"
#include "engine/movegen.h"
#include "engine/settings_query.h"

namespace vellara::testing {

class ReferenceGenerator {
 public:
  // Returns the move list the generator must produce. The position is left unchanged.
  static std::vector<EngineMove> Generate(EnginePosition& position, Army side) {
    ReferenceGenerator g(position, side);
    g.Run();
    std::vector<EngineMove> list = g.quiet_;
    list.insert(list.end(), g.tactical_.rbegin(), g.tactical_.rend());
    return list;
  }

 private:
  ReferenceGenerator(EnginePosition& position, Army side) : p_(position), side_(side) {}

  bool Legal(const EngineMove& m) {
    MakeMove(p_, m);
    const bool attacked = IsAttacked(p_, p_.KingCell(side_), static_cast<Army>(-side_));
    UnmakeMove(p_, m);
    return !attacked;
  }
  bool Full() const { return quiet_.size() + tactical_.size() >= 255; }
  bool Mapped(Cell to, int kind) const { return (map_[to] & (1 << (kind - 1))) != 0; }

  void QuietPath(EngineMove m) {
    if (Full()) return;
    if (Mapped(m.to, m.kind)) {
      m.flags |= 1;
      if (Legal(m)) tactical_.push_back(m);
    } else if (Legal(m)) {
      quiet_.push_back(m);
    }
  }
  void TacticalPath(EngineMove m) {
    if (Full()) return;
    if (Mapped(m.to, m.kind)) m.flags |= 1;
    if (!Legal(m)) return;
    if (m.captured >= m.kind) m.flags |= 2;
    tactical_.push_back(m);
  }
  EngineMove Base(Cell from, int kind) const {
    return EngineMove{from, 0, static_cast<std::uint8_t>(kind), 0, 0, check_};
  }
  EngineMove To(EngineMove m, Cell to) const {
    m.to = to;
    m.captured = p_.board[to].kind;
    return m;
  }
  void Promote(EngineMove m) {
    for (int kind = 2; kind <= 5; ++kind) {
      m.kind = static_cast<std::uint8_t>(kind);
      m.special = 1;
      TacticalPath(m);
    }
  }
  bool Empty(unsigned c) const { return OnBoard(c) && p_.board[c].kind == 0; }
  bool Enemy(unsigned c) const {
    return OnBoard(c) && p_.board[c].kind != 0 && p_.board[c].army == -side_;
  }
  void Step(Cell from, int kind, int delta, bool slide) {
    for (Cell to = vellara::Step(from, delta); OnBoard(to); to = vellara::Step(to, delta)) {
      if (Empty(to)) {
        QuietPath(To(Base(from, kind), to));
      } else {
        if (Enemy(to)) TacticalPath(To(Base(from, kind), to));
        return;
      }
      if (!slide) return;
    }
  }
  bool Attacked(Cell c) const { return IsAttacked(p_, c, static_cast<Army>(-side_)); }

  void Run() {
    map_.fill(0);
    p_.checkMap.fill(0);
    BuildCheckMap(p_, static_cast<Army>(-side_));
    map_ = p_.checkMap;
    check_ = Attacked(p_.KingCell(side_)) ? 4 : 0;
    const bool vellara = VellaraModeOn();
    for (std::size_t slot = 1; slot <= 16; ++slot) {
      const PieceSlot piece = p_.Pieces(side_)[slot];
      const Cell from = piece.square;
      switch (piece.kind) {
        case kPawn: {
          const int s = PawnStep(side_);
          const Cell one = vellara::Step(from, s);
          if (Empty(one)) {
            if (CellRank(one) == 0 || CellRank(one) == 7) {
              Promote(To(Base(from, 1), one));
            } else {
              QuietPath(To(Base(from, 1), one));
              const int rank = CellRank(from);
              if ((rank <= 1 || rank >= 6) && Empty(vellara::Step(one, s)))
                QuietPath(To(Base(from, 1), vellara::Step(one, s)));
            }
          }
          for (int side : {-1, 1}) {
            const Cell target = vellara::Step(one, side);
            if (!Enemy(target)) continue;
            EngineMove m = To(Base(from, 1), target);
            if (CellRank(target) == 0 || CellRank(target) == 7) {
              Promote(m);
            } else {
              TacticalPath(m);
            }
          }
          break;
        }
        case kKnight:
          for (int j : kKnightJumps) Step(from, kKnight, j, false);
          break;
        case kBishop:
          for (int d = 4; d < 8; ++d) Step(from, kBishop, kDirections[d], true);
          break;
        case kRook:
          for (int d = 0; d < 4; ++d) Step(from, kRook, kDirections[d], true);
          break;
        case kQueen:
          if (vellara)
            for (int j : kKnightJumps) Step(from, kQueen, j, false);
          for (int d : kDirections) Step(from, kQueen, d, true);
          break;
        case kKing: {
          for (int d : kDirections) Step(from, kKing, d, false);
          if (from != MakeCell(4, 0) && from != MakeCell(4, 7)) break;
          const int r = CellRank(from);
          auto c = [r](int file) { return MakeCell(file, r); };
          if (p_.board[c(7)].kind == kRook && Empty(c(5)) && Empty(c(6)) && !Attacked(c(4)) &&
              !Attacked(c(5)) && !Attacked(c(6)) && !Attacked(c(7))) {
            EngineMove m = To(Base(from, kKing), c(6));
            m.special = 1;
            if (Mapped(c(5), kRook)) m.flags |= 1;
            TacticalPath(m);
          }
          if (p_.board[c(0)].kind == kRook && Empty(c(1)) && Empty(c(2)) && Empty(c(3)) &&
              !Attacked(c(0)) && !Attacked(c(1)) && !Attacked(c(2)) && !Attacked(c(3)) &&
              !Attacked(c(4))) {
            EngineMove m = To(Base(from, kKing), c(2));
            m.special = 1;
            if (Mapped(c(3), kRook)) m.flags |= 1;
            TacticalPath(m);
          }
          break;
        }
        default:
          break;
      }
    }
  }

  EnginePosition& p_;
  Army side_;
  std::uint8_t check_ = 0;
  std::array<std::uint8_t, kBoardCells> map_{};
  std::vector<EngineMove> quiet_;
  std::vector<EngineMove> tactical_;
};

}  // namespace vellara::testing
