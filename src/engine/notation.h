// The game's own move and score notation, as shown in the best-variant line.
#pragma once

#include <cstdint>
#include <string>

#include "engine/types.h"

namespace vellara {

// Short algebraic without disambiguation: e4, ed, Nf3, N:f3, e8Q, edQ, 0-0, 0-0-0; "+"
// when the move gives check by the check map.
std::string MoveText(const EngineMove& move);

// "+35", "0", "-12"; beyond +-900 "Mate in " and the plies to the mate.
std::string ScoreText(std::int32_t score);

// Coordinate notation as chess tools read it: e2e4, e7e8q, e1g1.
std::string CoordinateText(const EngineMove& move);

// "e4" for a cell index.
std::string CellName(Cell cell);

}  // namespace vellara
