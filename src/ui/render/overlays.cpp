// The windows over the screens: main menu, quit confirmation, end-of-game choice, options
// and the "Back to Menu" button.
#include <cstdint>
#include <span>
#include <string_view>

#include "ui/presentation.h"
#include "ui/render/render_context.h"
#include "ui/render/screen_layers.h"
#include "ui/texts.h"

namespace vellara {
namespace {

constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kSkyBlue = 0xFFF3BF00u;

int RowY(int row) {
  return 70 + 40 * (row - 1);
}

void DrawMainMenu(const RenderContext& r, int hover) {
  for (int row = 1; row <= static_cast<int>(kMainMenuTexts.size()); ++row) {
    const std::string_view text = kMainMenuTexts[static_cast<std::size_t>(row - 1)];
    if (row == hover) {
      r.Text(0, text, 60, RowY(row), 0xFFFFFF00u, 0xFFFFFF00u);
    } else {
      r.Text(0, text, 60, RowY(row), 0xFF00FF00u, kWhite);
    }
  }
}

// The dialog window with its title and a row of buttons; `left` is the first button's x.
void DrawDialog(const RenderContext& r, std::string_view title, int titleX,
                std::span<const std::string_view> labels, int left, int hover) {
  r.Pattern("window_1", 0, 287, 277, kEffectBlend);
  r.ShadowText(2, title, titleX, 348, kBlack, kWhite);
  for (int i = 1; i <= static_cast<int>(labels.size()); ++i) {
    const int x = left + 100 * (i - 1);
    const bool hovered = i == hover;
    r.FillRect(x, 397, 98, 30, hovered ? kWhite : 0xFF151515u, kEffectSubtract);
    r.ShadowText(2, labels[static_cast<std::size_t>(i - 1)], x + 3, 400, kBlack,
                 hovered ? kWhite : kSkyBlue);
  }
}

void DrawOptions(const RenderContext& r, int hover) {
  r.FillRect(45, 55, 330, 420, 0xFF151515u, kEffectSubtract);
  for (int row = 1; row <= static_cast<int>(kOptionLabels.size()); ++row) {
    const std::string_view label = kOptionLabels[static_cast<std::size_t>(row - 1)];
    const int y = RowY(row);
    const bool back = row == 10;
    r.Text(2, label, 61, y + 1, back ? kBlack : kWhite);
    if (row == hover) {
      r.Text(2, label, 61, y + 1, kBlack);
      r.Text(2, label, 60, y, kWhite);
    } else {
      r.Text(2, label, 60, y, back ? kSkyBlue : 0xFF223322u);
    }
    if (!back) r.ShadowText(2, OptionValueText(row), 230, y, 0xFF888888u, kWhite);
  }
}

}  // namespace

void DrawOverlay(const RenderContext& r) {
  const Presentation& scene = Scene();
  const int hover = scene.OverlayHover;
  switch (scene.overlayKind) {
    case OverlayKind::NoOverlay:
      return;
    case OverlayKind::MainMenu:
      return DrawMainMenu(r, hover);
    case OverlayKind::QuitConfirm:
      return DrawDialog(r, kQuitTitle, 376, kQuitButtons, 413, hover);
    case OverlayKind::ContinueWindow:
      return DrawDialog(r, kContinueTitle, 407, kContinueButtons, 364, hover);
    case OverlayKind::OptionsWindow:
      return DrawOptions(r, hover);
    case OverlayKind::BackToMenuButton:
      return r.ShadowText(2, kBackToMenuText, 885, 726, kBlack, hover == 1 ? kWhite : kSkyBlue);
  }
}

}  // namespace vellara
