// The title screen: background, the ring of twelve black pieces, the version text.
#include "ui/presentation.h"
#include "ui/render/render_context.h"
#include "ui/render/screen_layers.h"
#include "ui/texts.h"

namespace vellara {

void DrawTitleScreen(const RenderContext& r) {
  const Presentation& scene = Scene();
  r.Pattern("ground", 0, 0, 0, kEffectCopy);
  // The ring's positions are computed by the first process tick; until then it stays away.
  if (scene.CarouselX[0] != 0 && scene.CarouselY[0] != 0) {
    for (int i = 1; i <= kCarouselPieces; ++i) {
      // The six black pieces twice, each pair about half a turn apart.
      const int pattern = i <= 6 ? i + 5 : i - 1;
      const auto at = static_cast<std::size_t>(i - 1);
      r.PatternScaled("piece_1", pattern, scene.CarouselX[at], scene.CarouselY[at], 0.5,
                      kEffectAdd);
    }
  }
  r.ShadowText(1, kVersionText, 975, 750, 0xFF333333u, 0xFFFFFFFFu);
}

}  // namespace vellara
