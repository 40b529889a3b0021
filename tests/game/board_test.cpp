#include "game/board.h"

#include <gtest/gtest.h>

#include "game/settings.h"
#include "game/turn.h"
#include "scene_doubles.h"
#include "ui/presentation.h"

namespace vellara {
namespace {

using testing::FindMove;
using testing::ReplayedHistory;
using testing::SetUpBoard;
using testing::Sq;

class BoardTest : public testing::SceneTest {
 protected:
  // A legal move of the side to move applied as a finished half-move, without a slide.
  void Apply(int from, int to, int kind = 0) {
    const auto move = FindMove(from, to, kind);
    ASSERT_TRUE(move) << from << "-" << to;
    HistoryAppend(*move);
    const int code = Board().SideToMove * move->kind;
    SetSquare(from, 0);
    PlaceArrival(to, code, from);
    SetSideToMove(static_cast<Army>(-Board().SideToMove));
  }
};

TEST_F(BoardTest, NewGameStartsFromTheInitialPositionWithThePlayersArmy) {
  for (int army : {1, 2}) {
    Settings().Army = army;
    Board().BlondesSeconds = 7;
    Board().MoveSeconds = 3;
    Game().PickedPiece = 5;
    HistoryAppend(EngineMove{1, 2, 1, 0, 0, 0});
    const int restarts = analysis.restarts;
    NewGame();
    EXPECT_EQ(Board().Squares, kStartSnapshot);
    EXPECT_EQ(Board().SideToMove, army == 1 ? 1 : -1);
    EXPECT_EQ(Board().BoardOrigin, (std::array<std::int32_t, 4>{0, 13, 0, 73}));
    EXPECT_EQ(Board().MoveTimeLimits[0], 10800);
    EXPECT_EQ(Board().MoveTimeLimits[7], 300);
    EXPECT_EQ(Board().PlayMode, 1);
    EXPECT_EQ(Board().BlondesSeconds, 0);
    EXPECT_EQ(Board().MoveSeconds, 0);
    EXPECT_EQ(Game().PickedPiece, 0);
    EXPECT_EQ(History().Count, 0);
    EXPECT_EQ(analysis.restarts, restarts + 1);
    EXPECT_EQ(Game().turnState, TurnState::PlayerMove);
  }
}

TEST_F(BoardTest, NewGameEndsASlideUnderWay) {
  StartFromMenu();
  ClickSquare(Sq("e2"));
  ClickSquare(Sq("e4"));
  ASSERT_TRUE(Game().SlideRunning);
  timer.enabled = false;  // as during the computer's slide
  Game().PromotionChoice = 3;
  NewGame();
  EXPECT_FALSE(Game().SlideRunning);
  EXPECT_EQ(Game().PromotionChoice, 0);
  EXPECT_TRUE(timer.enabled);
  FinishSlides();
  EXPECT_EQ(Board().Squares, kStartSnapshot);
}

TEST_F(BoardTest, HistoryEndsChangeNothing) {
  NewGame();
  audio.Clear();
  MoveBack();
  EXPECT_EQ(Board().Squares, kStartSnapshot);
  EXPECT_EQ(History().Current, 0);
  Apply(Sq("e2"), Sq("e4"));
  const BoardSnapshot after = Board().Squares;
  MoveForward();
  EXPECT_EQ(Board().Squares, after);
  EXPECT_EQ(History().Current, 1);
  EXPECT_TRUE(audio.effects.empty());
}

TEST_F(BoardTest, ANewMoveDropsTheReplayTail) {
  NewGame();
  Apply(Sq("e2"), Sq("e4"));
  Apply(Sq("e7"), Sq("e5"));
  MoveBack();
  EXPECT_EQ(History().Current, 1);
  EXPECT_EQ(History().Count, 2);
  EXPECT_EQ(Board().SideToMove, -1);
  Apply(Sq("d7"), Sq("d5"));
  EXPECT_EQ(History().Count, 2);
  MoveForward();
  EXPECT_EQ(History().Current, 2);
  EXPECT_EQ(Board().Squares, ReplayedHistory());
}

TEST_F(BoardTest, TakeBackAndReplayAreRefusedWhileSlidingOrThinking) {
  NewGame();
  Apply(Sq("e2"), Sq("e4"));
  const BoardSnapshot before = Board().Squares;
  for (TurnState turn :
       {TurnState::ComputerThinking, TurnState::ComputerSlides, TurnState::ChoosePromotion}) {
    Game().turnState = turn;
    MoveBack();
    EXPECT_EQ(Board().Squares, before);
  }
  Game().turnState = TurnState::PlayerMove;
  Game().SlideRunning = true;
  MoveBack();
  EXPECT_EQ(Board().Squares, before);
  Game().SlideRunning = false;
  Game().turnState = TurnState::GameOver;
  MoveBack();
  EXPECT_EQ(Board().Squares, kStartSnapshot);
  EXPECT_EQ(Game().turnState, TurnState::PlayerMove);
}

TEST_F(BoardTest, TakingBackAPromotionWithCaptureRestoresPawnAndVictim) {
  SetUpBoard({{"h1", 6}, {"b7", 1}, {"a8", -4}, {"h8", -6}}, kBlondes);
  const BoardSnapshot start = Board().Squares;
  Apply(Sq("b7"), Sq("a8"), kQueen);
  EXPECT_EQ(GetSquare(Sq("a8")), 5);
  audio.Clear();
  MoveBack();
  EXPECT_EQ(GetSquare(Sq("b7")), 1);
  EXPECT_EQ(GetSquare(Sq("a8")), -4);
  EXPECT_EQ(Board().Squares, start);
  EXPECT_EQ(Board().SideToMove, 1);
  EXPECT_EQ(Game().PickedPiece, 1);
  EXPECT_EQ(audio.effects, std::vector<int>{3});
}

TEST_F(BoardTest, ReplayingAPromotionPlacesTheChosenKind) {
  SetUpBoard({{"h1", 6}, {"b7", 1}, {"h8", -6}}, kBlondes);
  Apply(Sq("b7"), Sq("b8"), kQueen);
  HistorySetPromotion(kKnight);
  MoveBack();
  MoveForward();
  EXPECT_EQ(GetSquare(Sq("b8")), 2);
  EXPECT_EQ(GetSquare(Sq("b7")), 0);
}

TEST_F(BoardTest, CastlingRooksJumpOnArrivalAndReturnOnTakeBack) {
  struct Case {
    int king, from, to, corner, beside;
  };
  const Case cases[] = {
      {6, Sq("e1"), Sq("g1"), Sq("h1"), Sq("f1")},
      {6, Sq("e1"), Sq("c1"), Sq("a1"), Sq("d1")},
      {-6, Sq("e8"), Sq("g8"), Sq("h8"), Sq("f8")},
      {-6, Sq("e8"), Sq("c8"), Sq("a8"), Sq("d8")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.to);
    SetUpBoard({{"e1", 6},
                {"a1", 4},
                {"h1", 4},
                {"a2", 1},
                {"h2", 1},
                {"e8", -6},
                {"a8", -4},
                {"h8", -4},
                {"a7", -1},
                {"h7", -1}},
               c.king > 0 ? kBlondes : kBrunettes);
    const BoardSnapshot start = Board().Squares;
    Apply(c.from, c.to);
    EXPECT_EQ(GetSquare(c.to), c.king);
    EXPECT_EQ(GetSquare(c.beside), c.king / 6 * 4);
    EXPECT_EQ(GetSquare(c.corner), 0);
    MoveBack();
    EXPECT_EQ(Board().Squares, start);
    MoveForward();
    EXPECT_EQ(GetSquare(c.beside), c.king / 6 * 4);
    EXPECT_EQ(GetSquare(c.corner), 0);
  }
}

TEST_F(BoardTest, PlaceArrivalMovesARookOnlyForAKingFromItsHomeSquare) {
  SetUpBoard({{"d1", 6}, {"a1", 4}, {"h8", -6}}, kBlondes);
  PlaceArrival(Sq("c1"), 6, Sq("d1"));
  EXPECT_EQ(GetSquare(Sq("a1")), 4);
  PlaceArrival(Sq("c1"), 4, Sq("e1"));  // a rook, not a king
  EXPECT_EQ(GetSquare(Sq("a1")), 4);
  EXPECT_EQ(GetSquare(Sq("d1")), 6);
}

// Of the four promotions onto a square the last in the engine's list is kept; the player's
// choice replaces its kind later.
TEST_F(BoardTest, ComputeTargetsFlagsEachPromotionSquareOnce) {
  SetUpBoard({{"h1", 6}, {"b7", 1}, {"a8", -4}, {"h6", -6}}, kBlondes);
  ASSERT_TRUE(ComputeTargets(Sq("b7")));
  int flagged = 0;
  for (int s = 1; s <= 64; ++s) flagged += IsTarget(s) ? 1 : 0;
  EXPECT_EQ(flagged, 2);
  EXPECT_TRUE(IsTarget(Sq("a8")));
  EXPECT_TRUE(IsTarget(Sq("b8")));
  EXPECT_EQ(TargetMoveAt(Sq("b8")).special, 1);
  EXPECT_GE(TargetMoveAt(Sq("b8")).kind, kKnight);
  EXPECT_EQ(TargetMoveAt(Sq("a8")).captured, kRook);
}

TEST_F(BoardTest, ComputeTargetsWithoutMovesClearsEveryFlag) {
  NewGame();
  ASSERT_TRUE(ComputeTargets(Sq("g1")));
  EXPECT_FALSE(ComputeTargets(Sq("a1")));  // the rook is shut in
  for (int s = 1; s <= 64; ++s) EXPECT_FALSE(IsTarget(s)) << s;
  EXPECT_FALSE(ComputeTargets(0));
  EXPECT_FALSE(ComputeTargets(65));
}

TEST_F(BoardTest, SquaresOutsideTheBoardAreIgnored) {
  NewGame();
  SetSquare(0, 5);
  SetSquare(65, 5);
  EXPECT_EQ(Board().Squares, kStartSnapshot);
  EXPECT_EQ(GetSquare(0), 0);
  EXPECT_EQ(GetSquare(65), 0);
  EXPECT_FALSE(IsTarget(-3));
  EXPECT_EQ(TargetMoveAt(99), EngineMove{});
}

TEST_F(BoardTest, HistoryGrowsPastItsFirst1024HalfMoves) {
  NewGame();
  for (int i = 0; i < 1030; ++i) {
    HistoryAppend(EngineMove{static_cast<Cell>(i % 120), 0, 1, 0, 0, 0});
  }
  EXPECT_EQ(History().Count, 1030);
  EXPECT_EQ(History().Current, 1030);
  EXPECT_GE(History().Entries.size(), 1030u);
  EXPECT_EQ(History().Entries[1024].from, 1024 % 120);
  EXPECT_EQ(History().Entries[5].from, 5);
  HistorySetPromotion(kRook);
  EXPECT_EQ(History().Entries[1029].kind, kRook);
  HistoryClear();
  EXPECT_EQ(History().Count, 0);
  EXPECT_EQ(History().Entries.size(), kHistoryCapacity);
  EXPECT_EQ(History().Entries[5], EngineMove{});
}

TEST_F(BoardTest, HistorySetPromotionIgnoresAnEmptyHistoryAndOtherKinds) {
  NewGame();
  HistorySetPromotion(kQueen);  // nothing recorded: no write before the first entry
  EXPECT_EQ(History().Entries[0], EngineMove{});
  HistoryAppend(EngineMove{1, 2, 5, 0, 1, 0});
  HistorySetPromotion(kKing);
  HistorySetPromotion(kPawn);
  EXPECT_EQ(History().Entries[0].kind, 5);
}

TEST_F(BoardTest, TheEngineReadsTheGameBoard) {
  NewGame();
  Apply(Sq("e2"), Sq("e4"));
  const BoardCopy copy = CopyGameBoard(GameBoard());
  EXPECT_EQ(copy.snapshot, Board().Squares);
  EXPECT_EQ(copy.side, -1);
}

}  // namespace
}  // namespace vellara
