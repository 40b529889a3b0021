// The fixed search benchmark: varied positions, a fixed seed and a fixed number of
// deepening steps. Its total node count changes only when the search changes.
#pragma once

#include <cstdint>

namespace vellara {

struct BenchPosition {
  const char* name;
  const char* fen;
};

inline constexpr BenchPosition kBenchPositions[] = {
    {"start", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1"},
    {"kiwipete", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w - - 0 1"},
    {"rook ending", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1"},
    {"promotions", "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w - - 0 1"},
    {"discovered", "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w - - 1 8"},
    {"symmetric", "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10"},
    {"italian", "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w - - 4 4"},
    {"queen's gambit", "r2q1rk1/pp2bppp/2n1pn2/3p4/3P4/2NBPN2/PP3PPP/R2Q1RK1 b - - 0 10"},
    {"bishop ending", "8/8/4k3/8/2p5/8/B2P2K1/8 w - - 0 1"},
    {"back rank", "6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1"},
};

inline constexpr std::uint64_t kBenchSeed = 20261210;
// Deepening steps (8, 2), (9, 3), (10, 4).
inline constexpr int kBenchSteps = 3;

}  // namespace vellara
