#include "ui/presentation.h"

#include <cmath>

namespace vellara {
namespace {

Presentation scene;

constexpr double kPi = std::numbers::pi;

// Rows of `count` stacked 40 pixels apart from y 70, each 24 high, between x0 and x1.
int RowAt(int x, int y, int x0, int x1, int count) {
  if (!(x0 < x && x < x1)) return 0;
  for (int i = 1; i <= count; ++i) {
    const int top = 70 + 40 * (i - 1);
    if (top < y && y < top + 24) return i;
  }
  return 0;
}

// Buttons of `count` side by side 100 pixels apart from x0, each 98 wide, between y 397 and
// 427.
int ButtonAt(int x, int y, int x0, int count) {
  if (!(397 < y && y < 427)) return 0;
  for (int i = 1; i <= count; ++i) {
    const int left = x0 + 100 * (i - 1);
    if (left < x && x < left + 98) return i;
  }
  return 0;
}

int Round(double v) {
  return static_cast<int>(std::nearbyint(v));
}

}  // namespace

Presentation& Scene() {
  return scene;
}

int OverlayRowAt(int x, int y) {
  switch (scene.overlayKind) {
    case OverlayKind::MainMenu:
      return RowAt(x, y, 60, 185, 5);
    case OverlayKind::OptionsWindow:
      return RowAt(x, y, 60, 352, 10);
    case OverlayKind::QuitConfirm:
      return ButtonAt(x, y, 413, 2);
    case OverlayKind::ContinueWindow:
      return ButtonAt(x, y, 364, 3);
    case OverlayKind::BackToMenuButton:
      return 885 < x && x < 1015 && 726 < y && y < 750 ? 1 : 0;
    case OverlayKind::NoOverlay:
      return 0;
  }
  return 0;
}

int ToolbarSlotAt(int x, int y) {
  if (y < 10 || y > 53) return 0;
  for (int i = 1; i <= 9; ++i) {
    const int left = 10 + 50 * (i - 1);
    if (left <= x && x <= left + 44) return i;
  }
  return 0;
}

void AnimateScene() {
  // 1. The carousel phase swings between pi and 2 pi.
  scene.CarouselPhase += scene.CarouselStep;
  if (scene.CarouselPhase < kPi) {
    scene.CarouselStep = 0.01;
    scene.CarouselPhase = kPi;
  }
  if (scene.CarouselPhase > 2.0 * kPi) {
    scene.CarouselStep = -0.01;
    scene.CarouselPhase = 2.0 * kPi;
  }
  // 2. The ring turns with the phase and its radius breathes with it.
  const double radius = scene.CarouselPhase / 3.0 * 80.0;
  for (int i = 1; i <= kCarouselPieces; ++i) {
    const double a = (i - 1) * 0.523 + scene.CarouselPhase;
    scene.CarouselX[static_cast<std::size_t>(i - 1)] = Round(std::sin(a) * radius) + 192;
    scene.CarouselY[static_cast<std::size_t>(i - 1)] = Round(std::cos(a) * radius) + 426;
  }
  // 3. The credits rise a pixel per tick, 25 ticks per line, 80 lines.
  if (scene.screenMode == ScreenMode::Credits) {
    scene.CreditsScroll.Offset += 1;
    if (scene.CreditsScroll.Offset > 24) {
      scene.CreditsScroll.Offset = 0;
      scene.CreditsScroll.Line += 1;
      if (scene.CreditsScroll.Line > 80) scene.CreditsScroll.Line = 1;
    }
  }
  // 4. The selection pulse runs 1..51 and back.
  scene.PulseHeight += scene.PulseStep;
  if (scene.PulseHeight > 50) scene.PulseStep = -1;
  if (scene.PulseHeight <= 1) scene.PulseStep = 1;
  // 5. The portrait shrinks from six times its size back to 1.
  if (scene.screenMode == ScreenMode::Game) {
    if (scene.PortraitZoom > 1.0) {
      scene.PortraitZoom += -0.01 * scene.PortraitZoom * scene.PortraitZoom * scene.PortraitZoom;
    } else {
      scene.PortraitZoom = 1.0;
    }
  }
}

}  // namespace vellara
