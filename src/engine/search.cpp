#include "engine/search.h"

#include "engine/engine.h"
#include "engine/evaluate.h"
#include "engine/make_move.h"
#include "engine/movegen.h"
#include "engine/notation.h"

namespace vellara {
namespace {

AlphaBeta searcher;
SearchCounters counters;

bool Stopping() {
  return TheEngine().stop.load(std::memory_order_relaxed);
}

std::int32_t EvaluateFor(const EnginePosition& position, Army side) {
  ++counters.evaluations;
  return Evaluate(position) * side;
}

void RecordRootMove(const EngineMove& move, std::int32_t score, const std::string& line) {
  searcher.RootBestScore = score;
  searcher.bestMove = move;
  searcher.bestLine = line;
  PublishAnalysis(move, searcher.bestLine + " " + ScoreText(score));
}

}  // namespace

AlphaBeta& TheSearcher() {
  return searcher;
}
SearchCounters& TheSearchCounters() {
  return counters;
}

SearchResult Search(Army side, int depth, std::int32_t alpha, std::int32_t beta) {
  // 1. A stop abandons the node; its result is never used.
  if (Stopping()) return {};
  ++counters.nodes;
  EnginePosition& position = searcher.rootPosition;
  SearchResult node;

  // 2. Leaf: the evaluation from the side to move's view.
  if (depth == searcher.LeafDepth) {
    node.score = EvaluateFor(position, side);
    return node;
  }

  // 3. The node keeps its own list; children reuse the position's.
  MoveList& moves = searcher.plyMoveBuffers[static_cast<std::size_t>(depth)];
  const int count = GenerateInto(position, moves, side);
  if (count == 0) {
    const bool mated = IsAttacked(position, position.KingCell(side), static_cast<Army>(-side));
    node.score = mated ? MatedScore(depth) : StalematedScore(depth);
    return node;
  }

  // 4. Tactical moves in generation order first, then quiet moves last-generated first.
  std::int32_t best = alpha;
  const Army opponent = static_cast<Army>(-side);
  for (int i = count - 1; i >= 0; --i) {
    const EngineMove& move = moves[static_cast<std::size_t>(i)];
    if (move.captured == kKing) {
      best = KingCaptureScore(depth);
      continue;
    }
    if (move.flags == 0 && depth > searcher.FullWidthDepth) {
      // Selective zone: an unflagged move is not played; it stands for one fresh
      // evaluation of this node's own position.
      best = std::max(best, EvaluateFor(position, side));
      continue;
    }
    MakeMove(position, move);
    SearchResult child = Search(opponent, depth + 1, -beta, -best);
    const std::int32_t score = -child.score;
    if (score > best) {
      best = score;
      node.variation = MoveText(move);
      node.variation += ' ';
      node.variation += child.variation;
      if (depth == 1 && best >= searcher.RootBestScore && !Stopping())
        RecordRootMove(move, best, node.variation);
    }
    UnmakeMove(position, move);
    if (best >= beta || Stopping()) break;
  }
  node.score = best;
  return node;
}

void RootSearch() {
  searcher.rootVariation = Search(searcher.rootSide, 1, searcher.alpha, searcher.beta).variation;
}

}  // namespace vellara
