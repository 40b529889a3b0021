#include "engine/evaluate.h"

#include "engine/random.h"

namespace vellara {

std::int32_t Evaluate(const EnginePosition& position) {
  ReseedRandom();
  const PieceList& blondes = position.Pieces(kBlondes);
  const PieceList& brunettes = position.Pieces(kBrunettes);
  std::int32_t sum = 0;
  for (std::size_t slot = 1; slot <= kSlotsPerArmy; ++slot) {
    sum += kPieceValues[blondes[slot].kind] - kPieceValues[brunettes[slot].kind];
    sum += static_cast<std::int32_t>(RandomBelow(3) + RandomBelow(3));
  }
  return sum;
}

}  // namespace vellara
