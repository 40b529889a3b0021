// Leaf counts of the game's own move generation, for testing and measuring it.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/position.h"

namespace vellara {

// Leaves of the tree below the position with `side` to move, `depth` plies deep. Interior
// nodes use GenerateMoves; the last ply is bulk counted. The position is left unchanged.
std::uint64_t Perft(EnginePosition& position, Army side, int depth);

// Perft split by root move, in move-list order.
std::vector<std::pair<EngineMove, std::uint64_t>> PerftDivide(EnginePosition& position, Army side,
                                                              int depth);

}  // namespace vellara
