#include "ui/presentation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "scene_doubles.h"

namespace vellara {
namespace {

class PresentationTest : public testing::SceneTest {};

TEST_F(PresentationTest, OverlayHitAreasAreStrict) {
  struct Case {
    OverlayKind overlay;
    int x, y, row;
  };
  const Case cases[] = {
      {OverlayKind::MainMenu, 61, 71, 1},
      {OverlayKind::MainMenu, 60, 80, 0},
      {OverlayKind::MainMenu, 185, 80, 0},
      {OverlayKind::MainMenu, 100, 70, 0},
      {OverlayKind::MainMenu, 100, 94, 0},
      {OverlayKind::MainMenu, 184, 93, 1},
      {OverlayKind::MainMenu, 100, 95, 0},
      {OverlayKind::MainMenu, 100, 251, 5},
      {OverlayKind::MainMenu, 100, 291, 0},
      {OverlayKind::MainMenu, 200, 80, 0},
      {OverlayKind::OptionsWindow, 351, 431, 10},
      {OverlayKind::OptionsWindow, 352, 431, 0},
      {OverlayKind::OptionsWindow, 200, 111, 2},
      {OverlayKind::QuitConfirm, 414, 398, 1},
      {OverlayKind::QuitConfirm, 413, 410, 0},
      {OverlayKind::QuitConfirm, 511, 410, 0},
      {OverlayKind::QuitConfirm, 512, 410, 0},
      {OverlayKind::QuitConfirm, 514, 410, 2},
      {OverlayKind::QuitConfirm, 610, 426, 2},
      {OverlayKind::QuitConfirm, 450, 427, 0},
      {OverlayKind::ContinueWindow, 365, 410, 1},
      {OverlayKind::ContinueWindow, 561, 410, 2},
      {OverlayKind::ContinueWindow, 661, 410, 3},
      {OverlayKind::ContinueWindow, 662, 410, 0},
      {OverlayKind::BackToMenuButton, 886, 727, 1},
      {OverlayKind::BackToMenuButton, 885, 740, 0},
      {OverlayKind::BackToMenuButton, 1000, 750, 0},
      {OverlayKind::NoOverlay, 100, 80, 0},
  };
  for (const Case& c : cases) {
    Scene().overlayKind = c.overlay;
    EXPECT_EQ(OverlayRowAt(c.x, c.y), c.row)
        << static_cast<int>(c.overlay) << " " << c.x << "," << c.y;
  }
}

TEST_F(PresentationTest, ToolbarSlotsAreInclusive) {
  const std::pair<Point, int> cases[] = {
      {{10, 53}, 1}, {{54, 10}, 1}, {{55, 30}, 0},  {{60, 30}, 2},  {{9, 30}, 0},
      {{30, 9}, 0},  {{30, 54}, 0}, {{410, 30}, 9}, {{454, 53}, 9}, {{460, 30}, 0}};
  for (const auto& [p, slot] : cases) EXPECT_EQ(ToolbarSlotAt(p.x, p.y), slot) << p.x << "," << p.y;
}

TEST_F(PresentationTest, CarouselStaysBetweenPiAndTwoPi) {
  EXPECT_EQ(Scene().CarouselX[0], 0);  // nothing placed before the first tick
  double low = 10.0;
  double high = 0.0;
  for (int i = 0; i < 700; ++i) {
    AnimateScene();
    low = std::min(low, Scene().CarouselPhase);
    high = std::max(high, Scene().CarouselPhase);
  }
  EXPECT_DOUBLE_EQ(low, std::numbers::pi);
  EXPECT_DOUBLE_EQ(high, 2.0 * std::numbers::pi);
  Scene().CarouselPhase = std::numbers::pi + 0.005;
  Scene().CarouselStep = -0.01;
  AnimateScene();
  EXPECT_DOUBLE_EQ(Scene().CarouselPhase, std::numbers::pi);
  EXPECT_DOUBLE_EQ(Scene().CarouselStep, 0.01);
  const double r = std::numbers::pi / 3 * 80;
  EXPECT_EQ(Scene().CarouselX[0],
            static_cast<int>(std::nearbyint(std::sin(std::numbers::pi) * r)) + 192);
  EXPECT_EQ(Scene().CarouselY[0], static_cast<int>(std::nearbyint(-r)) + 426);
}

TEST_F(PresentationTest, CreditsScrollWrapsOnlyOnTheCreditsScreen) {
  AnimateScene();
  EXPECT_EQ(Scene().CreditsScroll.Offset, 0);
  Scene().screenMode = ScreenMode::Credits;
  for (int i = 0; i < 25; ++i) AnimateScene();
  EXPECT_EQ(Scene().CreditsScroll.Line, 2);
  EXPECT_EQ(Scene().CreditsScroll.Offset, 0);
  Scene().CreditsScroll = {80, 24};
  AnimateScene();
  EXPECT_EQ(Scene().CreditsScroll.Line, 1);
  EXPECT_EQ(Scene().CreditsScroll.Offset, 0);
}

TEST_F(PresentationTest, PulseRunsBetweenOneAndFiftyOne) {
  int low = 100;
  int high = 0;
  for (int i = 0; i < 300; ++i) {
    AnimateScene();
    low = std::min(low, Scene().PulseHeight);
    high = std::max(high, Scene().PulseHeight);
  }
  EXPECT_EQ(low, 1);
  EXPECT_EQ(high, 51);
  // A full period is 100 ticks.
  const int height = Scene().PulseHeight;
  const int step = Scene().PulseStep;
  for (int i = 0; i < 100; ++i) AnimateScene();
  EXPECT_EQ(Scene().PulseHeight, height);
  EXPECT_EQ(Scene().PulseStep, step);
}

TEST_F(PresentationTest, PortraitZoomShrinksOnTheGameScreenOnly) {
  AnimateScene();
  EXPECT_DOUBLE_EQ(Scene().PortraitZoom, 6.0);
  Scene().screenMode = ScreenMode::Game;
  AnimateScene();
  EXPECT_DOUBLE_EQ(Scene().PortraitZoom, 3.84);
  AnimateScene();
  EXPECT_NEAR(Scene().PortraitZoom, 3.27, 0.01);
  AnimateScene();
  EXPECT_NEAR(Scene().PortraitZoom, 2.92, 0.01);
  for (int i = 0; i < 2000 && Scene().PortraitZoom != 1.0; ++i) {
    AnimateScene();
    EXPECT_GT(Scene().PortraitZoom, 0.9);
  }
  EXPECT_DOUBLE_EQ(Scene().PortraitZoom, 1.0);
}

}  // namespace
}  // namespace vellara
