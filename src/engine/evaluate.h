// Material evaluation with a random term.
#pragma once

#include <cstdint>

#include "engine/position.h"

namespace vellara {

// By kind 0..6. The king is worth all other pieces of a starting army together.
inline constexpr std::int32_t kPieceValues[7] = {0, 16, 48, 48, 80, 144, 624};

// Material balance from the Blondes' side plus noise in 0..64, always on the Blondes'
// side; reseeds the generator first, as every evaluation does.
std::int32_t Evaluate(const EnginePosition& position);

}  // namespace vellara
