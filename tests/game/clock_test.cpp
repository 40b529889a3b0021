#include "game/clock.h"

#include <gtest/gtest.h>

#include "game/board.h"
#include "game/settings.h"
#include "game/turn.h"
#include "scene_doubles.h"
#include "ui/presentation.h"

namespace vellara {
namespace {

using testing::Sq;

class ClockTest : public testing::SceneTest {};

TEST_F(ClockTest, BeforeTheFirstGameSecondsGoToTheBrunettes) {
  Seconds(3);
  EXPECT_EQ(Board().BrunettesSeconds, 3);
  EXPECT_EQ(Board().BlondesSeconds, 0);
  StartFromMenu();
  EXPECT_EQ(Board().BrunettesSeconds, 0);
  EXPECT_EQ(Board().MoveSeconds, 0);
}

TEST_F(ClockTest, MoveTimeLimitFollowsTheSetting) {
  StartFromMenu();
  const std::pair<int, int> cases[] = {{0, 10800}, {1, 3},  {2, 5},   {3, 10},
                                       {4, 30},    {5, 60}, {6, 120}, {7, 300}};
  for (const auto& [limit, seconds] : cases) {
    Settings().TimeLimit = limit;
    EXPECT_EQ(MoveTimeLimit(), seconds);
  }
  Settings().TimeLimit = 1;
  CycleDifficulty();  // Easy
  EXPECT_EQ(MoveTimeLimit(), 10800);
  Settings().TimeLimit = 99;  // out of the table: the longest limit, no read past it
  EXPECT_EQ(MoveTimeLimit(), 10800);
}

TEST_F(ClockTest, ComputerMovesOnTheTickThatReachesTheLimit) {
  StartFromMenu();
  for (int limit : {1, 2}) {
    SCOPED_TRACE(limit);
    Settings().TimeLimit = limit;
    NewGame();
    PlayerMove(Sq("e2"), Sq("e4"));
    PlayerMove(Sq("e2"), Sq("e4"));  // refused: it is the computer's turn
    ASSERT_EQ(Game().turnState, TurnState::ComputerThinking);
    Seconds(MoveTimeLimit() - 1);
    EXPECT_EQ(Game().turnState, TurnState::ComputerThinking);
    Seconds(1);
    EXPECT_EQ(Game().turnState, TurnState::ComputerSlides);
    FinishSlides();
  }
}

TEST_F(ClockTest, ThePlayersTimeIsUnlimited) {
  StartFromMenu();
  Seconds(400);
  EXPECT_EQ(Board().MoveSeconds, 400);
  EXPECT_EQ(Board().BlondesSeconds, 400);
  EXPECT_EQ(Game().turnState, TurnState::PlayerMove);
}

TEST_F(ClockTest, TheComputersMoveIsMadeAwayFromTheGameScreen) {
  StartFromMenu();
  PlayerMove(Sq("e2"), Sq("e4"));
  Scene().screenMode = ScreenMode::Credits;
  Seconds(3);
  EXPECT_EQ(Game().turnState, TurnState::ComputerSlides);
  FinishSlides();
  EXPECT_EQ(Game().turnState, TurnState::PlayerMove);
  EXPECT_EQ(Board().Squares, testing::ReplayedHistory());
}

TEST_F(ClockTest, EndTextByResultAndSide) {
  testing::SetUpBoard({{"g1", 6}, {"a8", 4}, {"h8", -6}, {"g7", -1}, {"h7", -1}}, kBrunettes);
  Game().turnState = TurnState::GameOver;
  EXPECT_EQ(EndText(), "Game Over. Blondes wins");
  testing::SetUpBoard({{"g8", -6}, {"a1", -4}, {"h1", 6}, {"g2", 1}, {"h2", 1}}, kBlondes);
  Game().turnState = TurnState::GameOver;
  EXPECT_EQ(StatusText(), "Game Over. Brunettes wins");
  testing::SetUpBoard({{"e1", 6}, {"h8", -6}}, kBlondes);
  Game().turnState = TurnState::GameOver;
  EXPECT_EQ(StatusText(), "Game Over. Draw");
}

TEST_F(ClockTest, StatusLineByTurn) {
  StartFromMenu();
  const std::pair<TurnState, const char*> cases[] = {
      {TurnState::PlayerMove, "Your move?"},
      {TurnState::ComputerThinking, "Please wait. Thinking..."},
      {TurnState::ComputerSlides, "Movemenet..."},
      {TurnState::ChoosePromotion, "Please select piece"}};
  for (const auto& [turn, text] : cases) {
    Game().turnState = turn;
    EXPECT_EQ(StatusText(), text);
  }
}

}  // namespace
}  // namespace vellara
