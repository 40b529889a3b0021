// The two screens on the plain background: the rising credits and the toolbar legend.
#include <string_view>

#include "ui/presentation.h"
#include "ui/render/render_context.h"
#include "ui/render/screen_layers.h"
#include "ui/texts.h"

namespace vellara {

void DrawCreditsScreen(const RenderContext& r) {
  r.Pattern("ground", 1, 0, 0, kEffectCopy);
  const CreditsScrollPosition& scroll = Scene().CreditsScroll;
  // 34 rows of 24 pixels; line k enters at the bottom edge and rises a pixel a tick.
  for (int i = 1; i <= 34; ++i) {
    const int k = scroll.Line + i - 35;
    if (k < 1) continue;
    const int y = 24 * i - 30 - scroll.Offset;
    const CreditsLine line = CreditsLineAt(k);
    r.ShadowText(2, line.text, 100, y, 0xFF000000u, line.colour);
  }
}

void DrawHelpScreen(const RenderContext& r) {
  r.Pattern("ground", 1, 0, 0, kEffectCopy);
  for (int k = 0; k < static_cast<int>(kToolbarTips.size()); ++k) {
    r.Pattern("button", k, 62, 62 + 60 * k, kEffectBlend);
    r.ShadowText(2, kToolbarTips[static_cast<std::size_t>(k)], 130, 72 + 60 * k, 0xFF000000u,
                 0xFFDEDEDEu);
  }
}

}  // namespace vellara
