#include "engine/perft.h"

#include <array>
#include <memory>

#include "engine/make_move.h"
#include "engine/movegen.h"

namespace vellara {
namespace {

constexpr int kMaxPerftDepth = 64;

struct PerftBuffers {
  std::array<MoveList, kMaxPerftDepth> lists;
};

std::uint64_t Walk(EnginePosition& position, Army side, int depth, PerftBuffers& buffers) {
  if (depth == 0) return 1;
  if (depth == 1) return static_cast<std::uint64_t>(CountLegalMoves(position, side));
  MoveList& moves = buffers.lists[static_cast<std::size_t>(depth)];
  const int count = GenerateInto(position, moves, side);
  std::uint64_t leaves = 0;
  const Army opponent = static_cast<Army>(-side);
  for (int i = 0; i < count; ++i) {
    const EngineMove& move = moves[static_cast<std::size_t>(i)];
    MakeMove(position, move);
    leaves += Walk(position, opponent, depth - 1, buffers);
    UnmakeMove(position, move);
  }
  return leaves;
}

int ClampDepth(int depth) {
  return depth < 0 ? 0 : (depth >= kMaxPerftDepth ? kMaxPerftDepth - 1 : depth);
}

}  // namespace

std::uint64_t Perft(EnginePosition& position, Army side, int depth) {
  auto buffers = std::make_unique<PerftBuffers>();
  return Walk(position, side, ClampDepth(depth), *buffers);
}

std::vector<std::pair<EngineMove, std::uint64_t>> PerftDivide(EnginePosition& position, Army side,
                                                              int depth) {
  auto buffers = std::make_unique<PerftBuffers>();
  depth = ClampDepth(depth);
  std::vector<std::pair<EngineMove, std::uint64_t>> split;
  if (depth == 0) return split;
  MoveList moves;
  const int count = GenerateInto(position, moves, side);
  for (int i = 0; i < count; ++i) {
    const EngineMove& move = moves[static_cast<std::size_t>(i)];
    MakeMove(position, move);
    split.emplace_back(move, Walk(position, static_cast<Army>(-side), depth - 1, *buffers));
    UnmakeMove(position, move);
  }
  return split;
}

}  // namespace vellara
