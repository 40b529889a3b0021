#include "engine/evaluate.h"

#include "engine/random.h"

namespace vellara {

std::int32_t Evaluate(const EnginePosition& position) {
  ReseedRandom();
  const PieceList& blondes = position.Pieces(kBlondes);
  const PieceList& brunettes = position.Pieces(kBrunettes);
  std::int32_t sum = 0;
  for (std::size_t slot = 1; slot <= kSlotsPerArmy; ++slot)
    sum += kPieceValues[blondes[slot].kind] - kPieceValues[brunettes[slot].kind];
  // Two draws in 0..2 per slot.
  return sum + static_cast<std::int32_t>(SumOfRandomDraws(2 * kSlotsPerArmy, 3));
}

}  // namespace vellara
