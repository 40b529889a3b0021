#include "ui/render/promotion_chooser.h"

#include "game/board.h"
#include "game/turn.h"
#include "ui/render/render_context.h"

namespace vellara {

void DrawPromotionChooser(const RenderContext& r) {
  const int choice = Game().PromotionChoice;
  const bool blondes = Board().SideToMove == 1;
  for (int kind = 2; kind <= 5; ++kind) {
    const int y = 281 + 100 * (kind - 2);
    if (kind == choice) {
      r.FillRect(630, y, 90, 90, 0xFFFEFEFEu, kEffectBlend);
    } else {
      r.FillRect(630, y, 90, 90, 0xFF111111u, kEffectSubtract);
    }
    r.PatternScaled("piece_1", blondes ? kind - 1 : kind + 5, 630, y, 1.0, kEffectBlend);
  }
}

}  // namespace vellara
