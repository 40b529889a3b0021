#include "ui/input.h"

#include <gtest/gtest.h>

#include "game/board.h"
#include "game/settings.h"
#include "game/turn.h"
#include "scene_doubles.h"
#include "ui/presentation.h"

namespace vellara {
namespace {

using testing::Sq;

class InputTest : public testing::SceneTest {
 protected:
  void OpenOptions() {
    ClickMenu(3);
    ASSERT_EQ(Scene().overlayKind, OverlayKind::OptionsWindow);
    audio.Clear();
  }
};

TEST_F(InputTest, MouseMoveTracksPointerHoverAndToolbar) {
  MoveTo({100, 82});
  EXPECT_EQ(Scene().MouseX, 100);
  EXPECT_EQ(Scene().OverlayHover, 1);
  ClickMenu(1);
  const Point e2 = SquareCentre(Sq("e2"));
  MoveTo(e2);
  EXPECT_EQ(Game().HoverSquare, Sq("e2"));
  MoveTo(testing::ToolbarPoint(3));
  EXPECT_EQ(Scene().ToolbarHover, 3);
  EXPECT_EQ(Game().HoverSquare, 0);
  Game().turnState = TurnState::ComputerSlides;  // the hover square keeps its value
  MoveTo(e2);
  EXPECT_EQ(Game().HoverSquare, 0);
  EXPECT_EQ(Scene().ToolbarHover, 0);
  Game().turnState = TurnState::ComputerThinking;
  MoveTo(e2);
  EXPECT_EQ(Game().HoverSquare, Sq("e2"));
  Scene().OverlayHover = 2;  // with no overlay it keeps its value
  MoveTo({0, 0});
  EXPECT_EQ(Scene().OverlayHover, 2);
}

TEST_F(InputTest, WhileTheComputerThinksTheBoardIgnoresClicksButTheToolbarActs) {
  ClickMenu(1);
  PlayerMove(Sq("e2"), Sq("e4"));
  ASSERT_EQ(Game().turnState, TurnState::ComputerThinking);
  ClickSquare(Sq("d7"));
  EXPECT_EQ(Game().SelectedSquare, 0);
  ClickToolbar(1);
  EXPECT_EQ(Settings().Orientation, 1);
}

TEST_F(InputTest, ToolbarSlotNineOpensTheContinueWindowWithoutPressingIt) {
  ClickMenu(1);
  // The click that opens the window reaches it too, with no row hovered.
  ClickToolbar(9);
  EXPECT_EQ(Scene().overlayKind, OverlayKind::ContinueWindow);
  EXPECT_EQ(Scene().OverlayHover, 0);
  EXPECT_EQ(Scene().screenMode, ScreenMode::Game);
  ClickOverlayRow(1);  // " Cancel"
  EXPECT_EQ(Scene().overlayKind, OverlayKind::NoOverlay);
}

TEST_F(InputTest, SizeBoundsByToolbarAndKeys) {
  ClickMenu(1);
  for (int i = 0; i < 30; ++i) ClickToolbar(2);
  EXPECT_NEAR(Scene().FigureScale, 1.01, 1e-9);
  FormKeyPress('1');
  EXPECT_NEAR(Scene().FigureScale, 1.01, 1e-9);
  for (int i = 0; i < 40; ++i) ClickToolbar(3);
  EXPECT_LE(Scene().FigureScale, 0.3);
  EXPECT_GT(Scene().FigureScale, 0.3 - 0.03);
  const double low = Scene().FigureScale;
  FormKeyPress('2');
  EXPECT_DOUBLE_EQ(Scene().FigureScale, low);
  Scene().FigureScale = 0.99;
  FormKeyPress('1');
  FormKeyPress('1');
  EXPECT_NEAR(Scene().FigureScale, 1.0, 1e-9);  // 0.99 + 0.01 may land just under 1.0
  // The classic board: 27 .. 76 by buttons, 82 and 21 after key steps.
  for (int i = 0; i < 10; ++i) ClickToolbar(5);
  EXPECT_EQ(Scene().ClassicBoardSize, 76);
  ClickToolbar(6);
  EXPECT_EQ(Scene().ClassicBoardSize, 69);
  for (int i = 0; i < 6; ++i) FormKeyPress('4');
  EXPECT_EQ(Scene().ClassicBoardSize, 75);
  ClickToolbar(5);
  EXPECT_EQ(Scene().ClassicBoardSize, 82);
  FormKeyPress('4');
  EXPECT_EQ(Scene().ClassicBoardSize, 82);
  Scene().ClassicBoardSize = 28;
  ClickToolbar(6);
  EXPECT_EQ(Scene().ClassicBoardSize, 21);
  FormKeyPress('5');
  ClickToolbar(6);
  EXPECT_EQ(Scene().ClassicBoardSize, 21);
}

TEST_F(InputTest, ToolbarShowsAndHidesTheClassicBoardKeepingItsStyle) {
  ClickMenu(3);
  ClickOverlayRow(6);
  ClickOverlayRow(6);  // Marble
  ClickOverlayRow(10);
  ClickMenu(1);
  ClickToolbar(4);
  EXPECT_EQ(Settings().ClassicBoard, 1);
  ClickToolbar(4);
  EXPECT_EQ(Settings().ClassicBoard, 3);
}

TEST_F(InputTest, KeysByScreen) {
  FormKeyPress(kEscapeKey);  // title, menu open: ask to quit
  EXPECT_EQ(Scene().overlayKind, OverlayKind::QuitConfirm);
  ClickOverlayRow(1);  // " Cancel"
  EXPECT_EQ(Scene().overlayKind, OverlayKind::MainMenu);
  ClickMenu(3);
  FormKeyPress(kEscapeKey);  // options open: back to the menu
  EXPECT_EQ(Scene().overlayKind, OverlayKind::MainMenu);
  ClickMenu(2);
  FormKeyPress(kEscapeKey);  // help: nothing
  EXPECT_EQ(Scene().screenMode, ScreenMode::Help);
  ClickOverlayRow(1);
  EXPECT_EQ(Scene().screenMode, ScreenMode::Title);
  ClickMenu(4);
  FormKeyPress(kEscapeKey);
  EXPECT_EQ(Scene().screenMode, ScreenMode::Title);
  ClickMenu(1);
  audio.Clear();
  FormKeyPress(kEscapeKey);  // game: straight back, with the title theme
  EXPECT_EQ(Scene().screenMode, ScreenMode::Title);
  EXPECT_EQ(audio.tracks, std::vector<int>{1});
  Scene().screenMode = ScreenMode::Startup;
  FormKeyPress(kEscapeKey);
  EXPECT_EQ(Scene().screenMode, ScreenMode::Startup);
}

TEST_F(InputTest, ZeroStartsANewGameAndLeavesTheWindowOpen) {
  ClickMenu(1);
  PlayerMove(Sq("e2"), Sq("e4"));
  ClickToolbar(9);
  const int restarts = analysis.restarts;
  FormKeyPress('0');
  EXPECT_EQ(Board().Squares, kStartSnapshot);
  EXPECT_EQ(Game().turnState, TurnState::PlayerMove);
  EXPECT_EQ(Scene().overlayKind, OverlayKind::ContinueWindow);
  EXPECT_EQ(analysis.restarts, restarts + 1);
}

TEST_F(InputTest, QuitEndsTheApplication) {
  ClickMenu(5);
  ClickOverlayRow(2);
  EXPECT_EQ(application.endRequests, 1);
}

TEST_F(InputTest, OptionRowsCycleWithTheClickCueFirst) {
  OpenOptions();
  ClickOverlayRow(1);
  EXPECT_EQ(Settings().Army, 2);
  ClickOverlayRow(4);
  EXPECT_EQ(Settings().VellaraMode.load(), 1);
  ClickOverlayRow(5);
  EXPECT_EQ(Settings().Background, 2);
  ClickOverlayRow(9);
  EXPECT_EQ(Settings().BestVariant, 1);
  for (int i = 0; i < 3; ++i) ClickOverlayRow(2);  // Hard
  ClickOverlayRow(3);
  EXPECT_EQ(Settings().TimeLimit, 0);
  EXPECT_EQ(audio.effects, std::vector<int>(8, 2));
  ClickOverlayRow(2);
  EXPECT_EQ(Settings().Difficulty, 1);
  EXPECT_EQ(Settings().TimeLimit, 1);
  ClickOverlayRow(3);
  EXPECT_EQ(Settings().TimeLimit, 2);
  audio.Clear();
  ClickOverlayRow(7);  // music off
  EXPECT_EQ(audio.stops, 1);
  ClickOverlayRow(8);  // switching effects off still sounds
  ClickOverlayRow(8);  // switching them on is silent
  EXPECT_EQ(audio.effects, (std::vector<int>{2, 2}));
  Click({200, 60});  // between rows
  EXPECT_EQ(audio.effects.size(), 2u);
  ClickOverlayRow(10);
  EXPECT_EQ(Scene().overlayKind, OverlayKind::MainMenu);
  // Switching the army takes effect with the next game.
  ClickMenu(1);
  EXPECT_EQ(Board().SideToMove, -1);
}

TEST_F(InputTest, ContinueWindowButtons) {
  ClickMenu(1);
  PlayerMove(Sq("e2"), Sq("e4"));
  Seconds(3);
  FinishSlides();
  ClickToolbar(9);
  audio.Clear();
  ClickOverlayRow(2);  // " Rematch"
  EXPECT_EQ(audio.effects, std::vector<int>{2});
  EXPECT_EQ(Board().Squares, kStartSnapshot);
  EXPECT_EQ(Scene().overlayKind, OverlayKind::NoOverlay);
  ClickToolbar(9);
  ClickOverlayRow(3);  // " Menu"
  EXPECT_EQ(Scene().screenMode, ScreenMode::Title);
  EXPECT_EQ(Scene().overlayKind, OverlayKind::MainMenu);
}

TEST_F(InputTest, TimerProcessAnimatesAndSlides) {
  ClickMenu(1);
  ClickSquare(Sq("e2"));
  ClickSquare(Sq("e4"));
  const Point start = Game().SlidePixel;
  TimerProcess();
  EXPECT_NE(Game().SlidePixel, start);
  EXPECT_EQ(Scene().PulseHeight, 19);
}

}  // namespace
}  // namespace vellara
