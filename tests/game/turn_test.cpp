#include "game/turn.h"

#include <gtest/gtest.h>

#include "game/board.h"
#include "game/clock.h"
#include "game/settings.h"
#include "scene_doubles.h"
#include "ui/input.h"
#include "ui/presentation.h"

namespace vellara {
namespace {

using testing::FindMove;
using testing::SetUpBoard;
using testing::Sq;

class TurnTest : public testing::SceneTest {
 protected:
  void SetUp() override {
    SceneTest::SetUp();
    StartFromMenu();
    audio.Clear();
  }
  // The promotion box of kind 2..5, by its centre.
  static Point Box(int kind) { return {675, 326 + 100 * (kind - 2)}; }
};

TEST_F(TurnTest, SelectionRules) {
  ClickSquare(Sq("e2"));
  EXPECT_EQ(Game().SelectedSquare, Sq("e2"));
  EXPECT_EQ(Game().PickedPiece, 1);
  EXPECT_DOUBLE_EQ(Scene().PortraitZoom, 6.0);
  EXPECT_EQ(audio.effects, std::vector<int>{3});
  ClickSquare(Sq("e5"));  // empty, no target
  ClickSquare(Sq("d7"));  // the opponent's
  EXPECT_EQ(Game().SelectedSquare, Sq("e2"));
  EXPECT_EQ(Game().PickedPiece, 1);
  EXPECT_EQ(audio.effects.size(), 1u);
  ClickSquare(Sq("g1"));
  EXPECT_EQ(Game().SelectedSquare, Sq("g1"));
  EXPECT_EQ(Game().PickedPiece, 2);
  EXPECT_EQ(audio.effects, (std::vector<int>{3, 3}));
  // A piece without moves keeps the selection but clears the flags.
  ClickSquare(Sq("a1"));
  EXPECT_EQ(Game().SelectedSquare, Sq("g1"));
  ClickSquare(Sq("f3"));
  EXPECT_FALSE(Game().SlideRunning);
  EXPECT_EQ(GetSquare(Sq("g1")), 2);
}

TEST_F(TurnTest, OffTheBoardClickOnlyClearsTheHover) {
  Game().HoverSquare = 12;
  BoardClick(900, 100);
  EXPECT_EQ(Game().HoverSquare, 0);
  EXPECT_EQ(Game().SelectedSquare, 0);
}

TEST_F(TurnTest, PlayersMoveSlidesThenPassesTheTurn) {
  ClickSquare(Sq("e2"));
  const int restarts = analysis.restarts;
  ClickSquare(Sq("e4"));
  EXPECT_TRUE(Game().SlideRunning);
  EXPECT_EQ(GetSquare(Sq("e2")), 0);
  EXPECT_EQ(GetSquare(Sq("e4")), 0);
  EXPECT_EQ(Game().turnState, TurnState::PlayerMove);
  EXPECT_EQ(Game().SelectedSquare, 0);
  EXPECT_EQ(History().Count, 1);
  Seconds(1);  // the player's clock runs during the slide
  EXPECT_EQ(Board().BlondesSeconds, 1);
  EXPECT_GT(FinishSlides(), 0);
  EXPECT_EQ(GetSquare(Sq("e4")), 1);
  EXPECT_EQ(Board().SideToMove, -1);
  EXPECT_EQ(Game().turnState, TurnState::ComputerThinking);
  EXPECT_EQ(Board().MoveSeconds, 0);
  EXPECT_EQ(analysis.restarts, restarts + 1);
  EXPECT_EQ(audio.effects, (std::vector<int>{3, 3}));
}

TEST_F(TurnTest, BoardClicksAreRefusedWhileASlideRuns) {
  ClickSquare(Sq("e2"));
  ClickSquare(Sq("e4"));
  ASSERT_TRUE(Game().SlideRunning);
  ClickSquare(Sq("d2"));
  ClickSquare(Sq("d4"));
  EXPECT_EQ(Game().SelectedSquare, 0);
  EXPECT_EQ(History().Count, 1);
  FinishSlides();
  EXPECT_EQ(Board().Squares, testing::ReplayedHistory());
}

TEST_F(TurnTest, ComputerMoveWaitsForAPublishedMoveAndStopsTheTimerWhileSliding) {
  testing::SceneTest::PlayerMove(Sq("e2"), Sq("e4"));
  analysis.withhold = true;
  Seconds(5);
  EXPECT_EQ(Game().turnState, TurnState::ComputerThinking);
  EXPECT_EQ(Board().BrunettesSeconds, 5);
  analysis.withhold = false;
  analysis.scripted = FindMove(Sq("d7"), Sq("d5"));
  audio.Clear();
  Seconds(1);
  EXPECT_EQ(Game().turnState, TurnState::ComputerSlides);
  EXPECT_FALSE(timer.enabled);
  EXPECT_EQ(audio.effects, std::vector<int>{6});
  EXPECT_EQ(Game().PickedPiece, -1);
  EXPECT_EQ(GetSquare(Sq("d7")), 0);
  ClickSquare(Sq("d2"));  // no board clicks while the computer moves
  EXPECT_EQ(Game().SelectedSquare, 0);
  Seconds(10);  // the disabled timer delivers nothing: neither clock advances
  EXPECT_EQ(Board().BrunettesSeconds, 6);
  FinishSlides();
  EXPECT_EQ(GetSquare(Sq("d5")), -1);
  EXPECT_EQ(Game().turnState, TurnState::PlayerMove);
  EXPECT_TRUE(timer.enabled);
  EXPECT_EQ(timer.freshPeriods, 1);
  EXPECT_EQ(audio.effects, (std::vector<int>{6, 3}));
}

TEST_F(TurnTest, CapturedPieceDisappearsOnlyOnLanding) {
  testing::SceneTest::PlayerMove(Sq("e2"), Sq("e4"));
  analysis.scripted = FindMove(Sq("d7"), Sq("d5"));
  Seconds(3);
  FinishSlides();
  ClickSquare(Sq("e4"));
  ClickSquare(Sq("d5"));
  EXPECT_EQ(GetSquare(Sq("d5")), -1);
  TimerProcess();
  EXPECT_EQ(GetSquare(Sq("d5")), -1);
  FinishSlides();
  EXPECT_EQ(GetSquare(Sq("d5")), 1);
  // The computer's capture sounds cue 4.
  analysis.scripted = FindMove(Sq("d8"), Sq("d5"));
  audio.Clear();
  Seconds(3);
  EXPECT_EQ(audio.effects, std::vector<int>{4});
  EXPECT_EQ(GetSquare(Sq("d5")), 1);
  FinishSlides();
  EXPECT_EQ(GetSquare(Sq("d5")), -5);
}

TEST_F(TurnTest, WithSoundEffectsOffTheGameIsSilent) {
  Settings().SoundEffects = 2;
  SetUpBoard({{"g1", 6}, {"b7", 1}, {"h8", -6}, {"g7", -1}, {"h7", -1}, {"d8", -4}}, kBlondes);
  PlayerMove(Sq("b7"), Sq("b8"));
  Click(Box(kQueen));
  ASSERT_EQ(Game().turnState, TurnState::ComputerThinking);
  analysis.scripted = FindMove(Sq("d8"), Sq("b8"));  // a capture
  Seconds(3);
  FinishSlides();
  ASSERT_EQ(Game().turnState, TurnState::PlayerMove);
  ClickSquare(Sq("g1"));
  EXPECT_EQ(Game().SelectedSquare, Sq("g1"));
  EXPECT_TRUE(audio.effects.empty());
}

TEST_F(TurnTest, CastlingRooksJumpWhenTheKingLands) {
  SetUpBoard({{"e1", 6}, {"h1", 4}, {"h2", 1}, {"e8", -6}, {"a8", -4}, {"a7", -1}}, kBlondes);
  ClickSquare(Sq("e1"));
  ClickSquare(Sq("g1"));
  ASSERT_TRUE(Game().SlideRunning);
  EXPECT_EQ(GetSquare(Sq("h1")), 4);
  EXPECT_EQ(GetSquare(Sq("f1")), 0);
  FinishSlides();
  EXPECT_EQ(GetSquare(Sq("g1")), 6);
  EXPECT_EQ(GetSquare(Sq("f1")), 4);
  EXPECT_EQ(GetSquare(Sq("h1")), 0);
  analysis.scripted = FindMove(Sq("e8"), Sq("c8"));
  ASSERT_TRUE(analysis.scripted);
  Seconds(3);
  ASSERT_TRUE(Game().SlideRunning);
  EXPECT_EQ(GetSquare(Sq("a8")), -4);
  FinishSlides();
  EXPECT_EQ(GetSquare(Sq("c8")), -6);
  EXPECT_EQ(GetSquare(Sq("d8")), -4);
  EXPECT_EQ(GetSquare(Sq("a8")), 0);
}

TEST_F(TurnTest, PlayerPromotionWaitsForTheChoice) {
  SetUpBoard({{"h1", 6}, {"b7", 1}, {"h6", -6}}, kBlondes);
  ClickSquare(Sq("b7"));
  ClickSquare(Sq("b8"));
  FinishSlides();
  EXPECT_EQ(GetSquare(Sq("b8")), 1);
  EXPECT_EQ(Game().turnState, TurnState::ChoosePromotion);
  EXPECT_EQ(StatusText(), "Please select piece");
  const int moveSeconds = Board().MoveSeconds;
  Seconds(4);
  EXPECT_EQ(Board().MoveSeconds, moveSeconds + 4);
  // Edges of the boxes and the board do not choose.
  for (Point p : {Point{630, 326}, Point{720, 326}, Point{675, 281}, Point{675, 371},
                  SquareCentre(Sq("c3"))}) {
    Click(p);
    EXPECT_EQ(Game().turnState, TurnState::ChoosePromotion);
  }
  ClickToolbar(2);  // the toolbar does not react either
  EXPECT_DOUBLE_EQ(Scene().FigureScale, 0.59);
  audio.Clear();
  Click(Box(kRook));
  EXPECT_EQ(audio.effects, std::vector<int>{5});
  EXPECT_EQ(GetSquare(Sq("b8")), 4);
  EXPECT_EQ(History().Entries[0].kind, kRook);
  EXPECT_EQ(Game().turnState, TurnState::ComputerThinking);
  EXPECT_EQ(Board().MoveSeconds, 0);
}

TEST_F(TurnTest, PromotionHoverBoxes) {
  const std::pair<Point, int> cases[] = {
      {{675, 326}, 2}, {{675, 426}, 3}, {{675, 526}, 4}, {{675, 626}, 5}, {{631, 282}, 2},
      {{719, 670}, 5}, {{630, 326}, 0}, {{675, 371}, 0}, {{675, 381}, 0}, {{675, 671}, 0}};
  for (const auto& [p, kind] : cases) {
    PromotionHover(p.x, p.y);
    EXPECT_EQ(Game().PromotionChoice, kind) << p.x << "," << p.y;
  }
}

TEST_F(TurnTest, ComputerPromotionSlidesTheNewPiece) {
  SetUpBoard({{"e4", 6}, {"b2", -1}, {"h8", -6}}, kBrunettes);
  Game().turnState = TurnState::ComputerThinking;
  analysis.scripted = FindMove(Sq("b2"), Sq("b1"), kQueen);
  Seconds(3);
  EXPECT_EQ(Game().ArrivalPiece, -5);
  FinishSlides();
  EXPECT_EQ(GetSquare(Sq("b1")), -5);
  EXPECT_EQ(Game().turnState, TurnState::PlayerMove);
}

TEST_F(TurnTest, GameEnds) {
  struct Case {
    const char* name;
    std::initializer_list<testing::Placed> pieces;
    const char* from;
    const char* to;
    std::vector<int> cues;
    const char* status;
  };
  const Case cases[] = {
      {"mate",
       {{"g1", 6}, {"a1", 4}, {"h8", -6}, {"g7", -1}, {"h7", -1}},
       "a1",
       "a8",
       {3, 7},
       "Game Over. Blondes wins"},
      {"stalemate", {{"b6", 6}, {"d7", 5}, {"a8", -6}}, "d7", "c7", {3}, "Game Over. Draw"},
      {"bare kings", {{"e1", 6}, {"f2", -2}, {"h8", -6}}, "e1", "f2", {3}, "Game Over. Draw"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUpBoard(c.pieces, kBlondes);
    Scene().overlayKind = OverlayKind::NoOverlay;
    ClickSquare(Sq(c.from));
    audio.Clear();
    ClickSquare(Sq(c.to));
    FinishSlides();
    EXPECT_EQ(audio.effects, c.cues);
    EXPECT_EQ(Game().turnState, TurnState::GameOver);
    EXPECT_EQ(Scene().overlayKind, OverlayKind::ContinueWindow);
    EXPECT_EQ(StatusText(), c.status);
    // The clock of the side to move keeps counting; board clicks do nothing.
    const int before = Board().BrunettesSeconds;
    Seconds(2);
    EXPECT_EQ(Board().BrunettesSeconds, before + 2);
    Scene().overlayKind = OverlayKind::NoOverlay;
    const BoardSnapshot final = Board().Squares;
    ClickSquare(Sq(c.to));
    EXPECT_EQ(Game().SelectedSquare, 0);
    EXPECT_EQ(Board().Squares, final);
    // A take-back reopens play.
    MoveBack();
    EXPECT_EQ(Game().turnState, TurnState::PlayerMove);
    EXPECT_NE(GetSquare(Sq(c.from)), 0);
  }
}

TEST_F(TurnTest, MateGivenByPromotionIsFoundAfterTheChoice) {
  SetUpBoard({{"f6", 6}, {"a7", 1}, {"h8", -6}, {"h7", -1}}, kBlondes);
  ClickSquare(Sq("a7"));
  ClickSquare(Sq("a8"));
  FinishSlides();
  EXPECT_EQ(Game().turnState, TurnState::ChoosePromotion);
  MoveTo(Box(kQueen));
  audio.Clear();
  FormMouseDown(Box(kQueen).x, Box(kQueen).y);
  EXPECT_EQ(audio.effects, (std::vector<int>{5, 7}));
  EXPECT_EQ(Game().turnState, TurnState::GameOver);
  EXPECT_EQ(StatusText(), "Game Over. Blondes wins");
}

TEST_F(TurnTest, SlideSteps) {
  struct Case {
    Point start, end;
    PointF step;
  };
  const Case cases[] = {
      {{100, 100}, {100, 200}, {0.0, 1.0}}, {{100, 100}, {100, 50}, {0.0, -1.0}},
      {{100, 100}, {300, 100}, {1.0, 0.0}}, {{100, 100}, {100, 100}, {1.0, 0.0}},
      {{100, 100}, {150, 200}, {0.5, 1.0}}, {{100, 100}, {0, 50}, {-1.0, -0.5}},
      {{100, 100}, {60, 180}, {-0.5, 1.0}},
  };
  for (const Case& c : cases) {
    Game().SlideStart = c.start;
    Game().SlideEnd = c.end;
    SetUpSlide();
    EXPECT_DOUBLE_EQ(Game().SlideStep.x, c.step.x);
    EXPECT_DOUBLE_EQ(Game().SlideStep.y, c.step.y);
    EXPECT_EQ(Game().SlidePixel, c.start);
    EXPECT_TRUE(Game().SlideRunning);
  }
  Game().SlideRunning = false;
}

TEST_F(TurnTest, AShortSlideEndsAtItsFirstStep) {
  SetUpBoard({{"e1", 6}, {"h8", -6}}, kBlondes);
  Game().SlideStart = {200, 200};
  Game().SlideEnd = {204, 203};
  Game().SlideToSquare = Sq("e2");
  Game().SlideFromSquare = Sq("e1");
  Game().ArrivalPiece = 6;
  SetSquare(Sq("e1"), 0);
  SetUpSlide();
  TimerProcess();
  EXPECT_FALSE(Game().SlideRunning);
  EXPECT_EQ(GetSquare(Sq("e2")), 6);
}

}  // namespace
}  // namespace vellara
