// vellara-scene-points QUERY...: prints "X Y", one line per query, the scene point the
// end-to-end test clicks, found with the game's own hit tests and geometry:
//   menu N | quit N | options N | continue N | back   the middle of an overlay row or button
//   toolbar N                                        the middle of toolbar slot N
//   promotion KIND                                   the chooser's piece of kind 2..5
//   square NAME                                      SquareCentre of a square such as e2
// A query "fit W H" first makes the points that follow window points of a W x H window
// showing the scene scaled to fit and centred, as in full screen.
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "game/board.h"
#include "gfx/scene_viewport.h"
#include "game/game_analysis.h"
#include "game/turn.h"
#include "ui/presentation.h"
#include "ui/scene.h"

namespace vellara {
namespace {

class NoAnalysis final : public GameAnalysis {
 public:
  void Restart() override {}
  void Stop() override {}
  std::optional<EngineMove> BestMove() override { return std::nullopt; }
};

template <typename HitTest>
bool Middle(HitTest hit, int wanted, int& x, int& y) {
  long sumX = 0, sumY = 0, count = 0;
  for (int py = 0; py < 768; ++py) {
    for (int px = 0; px < 1024; ++px) {
      if (hit(px, py) == wanted) {
        sumX += px;
        sumY += py;
        ++count;
      }
    }
  }
  if (count == 0) return false;
  x = static_cast<int>(sumX / count);
  y = static_cast<int>(sumY / count);
  return true;
}

bool Overlay(OverlayKind kind, int row, int& x, int& y) {
  Scene().overlayKind = kind;
  return Middle([](int px, int py) { return OverlayRowAt(px, py); }, row, x, y);
}

}  // namespace
}  // namespace vellara

int main(int argc, char** argv) {
  using namespace vellara;
  NoAnalysis analysis;
  SetGameAnalysis(&analysis);
  SceneCreate();
  NewGame();
  std::optional<SceneViewport> window;
  for (int i = 1; i < argc; ++i) {
    const std::string what = argv[i];
    const int n = i + 1 < argc ? std::atoi(argv[i + 1]) : 0;
    int x = 0, y = 0;
    bool found = false;
    if (what == "fit" && i + 2 < argc) {
      window = FitScene(std::atoi(argv[i + 1]), std::atoi(argv[i + 2]), 1024, 768);
      i += 2;
      continue;
    }
    if (what == "menu")
      found = Overlay(OverlayKind::MainMenu, n, x, y), ++i;
    else if (what == "quit")
      found = Overlay(OverlayKind::QuitConfirm, n, x, y), ++i;
    else if (what == "options")
      found = Overlay(OverlayKind::OptionsWindow, n, x, y), ++i;
    else if (what == "continue")
      found = Overlay(OverlayKind::ContinueWindow, n, x, y), ++i;
    else if (what == "back")
      found = Overlay(OverlayKind::BackToMenuButton, 1, x, y);
    else if (what == "toolbar") {
      found = Middle([](int px, int py) { return ToolbarSlotAt(px, py); }, n, x, y);
      ++i;
    } else if (what == "promotion") {
      found = Middle(
          [](int px, int py) {
            PromotionHover(px, py);
            return Game().PromotionChoice;
          },
          n, x, y);
      ++i;
    } else if (what == "square" && i + 1 < argc && std::strlen(argv[i + 1]) == 2) {
      const char* name = argv[++i];
      const int square = (8 - (name[1] - '0')) * 8 + (name[0] - 'a') + 1;
      if (square >= 1 && square <= 64) {
        const Point p = SquareCentre(square);
        x = static_cast<int>(p.x);
        y = static_cast<int>(p.y);
        found = true;
      }
    }
    if (!found) {
      std::fprintf(stderr, "vellara-scene-points: no point for '%s'\n", argv[i]);
      return 2;
    }
    if (window) {
      x = window->x + x * window->width / 1024;
      y = window->y + y * window->height / 768;
    }
    std::printf("%d %d\n", x, y);
  }
  SetGameAnalysis(nullptr);
  return 0;
}
