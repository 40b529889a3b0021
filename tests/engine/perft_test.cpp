#include <gtest/gtest.h>

#include "engine/perft.h"
#include "test_support.h"

namespace vellara {
namespace {

struct PerftCase {
  const char* fen;
  int depth;
  std::uint64_t leaves;
};

// The starting position to depth 4 has the published counts (no en passant or castling
// can occur yet). The deeper counts follow the game's rules — no en passant, castling from
// the board alone — and were confirmed by an independent generator (chess.js, driven by
// tools/perft-crosscheck with the same rule changes).
const PerftCase kCases[] = {
    {"startpos", 1, 20},
    {"startpos", 2, 400},
    {"startpos", 3, 8902},
    {"startpos", 4, 197281},
    {"startpos", 5, 4865351},
    {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w - - 0 1", 4, 4061853},
    {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 6, 10946896},
    {"r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w - - 0 1", 4, 404768},
    {"rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w - - 1 8", 4, 2022528},
    {"r3k2r/8/8/8/8/8/8/R3K2R w - - 0 1", 5, 6346832},
    {"n1n5/PPPk4/8/8/8/8/4Kppp/5N1N b - - 0 1", 5, 3605103},
    // A Blondes king on e8 castles with the rook on h8; Brunettes rooks on both corners of
    // rank 1 are castling rooks for nobody.
    {"4K2R/8/8/8/3k4/8/8/r6r w - - 0 1", 5, 2847441},
};

TEST(PerftTest, CountsUnderTheGamesRules) {
  for (const PerftCase& c : kCases) {
    SCOPED_TRACE(std::string(c.fen) + " depth " + std::to_string(c.depth));
    const FenPosition start = testing::Fen(c.fen);
    auto position = std::make_unique<EnginePosition>();
    LoadPosition(*position, start.snapshot, start.side);
    EXPECT_EQ(Perft(*position, start.side, c.depth), c.leaves);
  }
}

TEST(PerftTest, DivideSplitsByRootMoveInListOrder) {
  auto position = testing::Load("startpos");
  const MoveList rootMoves = position->moveList;
  const auto split = PerftDivide(*position, kBlondes, 3);
  ASSERT_EQ(split.size(), 20u);
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < split.size(); ++i) {
    EXPECT_EQ(split[i].first, rootMoves[i]);
    total += split[i].second;
  }
  EXPECT_EQ(total, 8902u);
  EXPECT_EQ(Perft(*position, kBlondes, 0), 1u);
}

}  // namespace
}  // namespace vellara
