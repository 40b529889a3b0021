// Negamax alpha-beta search: every move is searched down to FullWidthDepth, below it
// only flagged moves (checks, good captures, evasions), and unflagged moves contribute
// a fresh evaluation of their node instead. No transposition table, no move ordering
// beyond the order of the generated lists.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/position.h"

namespace vellara {

inline constexpr int kMaxSearchDepth = 1024;  // one move buffer per depth
inline constexpr std::int32_t kMaxLeafDepth = kMaxSearchDepth + 1;
inline constexpr std::int32_t kRootAlpha = -10000;
inline constexpr std::int32_t kRootBeta = 10000;

// Scores at a node of depth d, from the side to move's view.
constexpr std::int32_t MatedScore(int depth) {
  return depth - 1001;
}
constexpr std::int32_t StalematedScore(int depth) {
  return depth + 1001;
}
constexpr std::int32_t KingCaptureScore(int depth) {
  return 1000 + depth;
}

// The searcher's record; one instance, used by the analysis thread only. Depth counts
// nodes from the root (the root is 1); a search with LeafDepth L plays at most L - 1
// plies, searching every move at depths 1..FullWidthDepth.
struct AlphaBeta {
  EnginePosition rootPosition;
  std::array<MoveList, kMaxSearchDepth + 1> plyMoveBuffers;  // index = depth 1..1024
  Army rootSide = 0;
  std::int32_t alpha = kRootAlpha;
  std::int32_t beta = kRootBeta;
  std::int32_t LeafDepth = 8;
  std::int32_t FullWidthDepth = 2;
  EngineMove bestMove{};
  std::int32_t RootBestScore = kRootAlpha;  // best of all steps of one analysis
  std::string rootVariation;
  std::string bestLine;
};

AlphaBeta& TheSearcher();

struct SearchResult {
  std::int32_t score = 0;
  std::string variation;  // move texts, each followed by a blank
};

// Searches the node at `depth` with `side` to move, on the searcher's root position as
// changed by the moves above it. While the stop flag is set it returns at once.
SearchResult Search(Army side, int depth, std::int32_t alpha, std::int32_t beta);

// Search(root side, 1, alpha, beta); the root variation receives the text.
void RootSearch();

// Counters for benchmarks and tests; reset by the caller.
struct SearchCounters {
  std::uint64_t nodes = 0;        // Search calls that went past the stop test
  std::uint64_t evaluations = 0;  // leaf and selective-zone evaluations
};
SearchCounters& TheSearchCounters();

}  // namespace vellara
