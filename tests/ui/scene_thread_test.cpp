// Whole games through the event handlers against the engine's real analysis thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/engine.h"
#include "engine/position.h"
#include "game/board.h"
#include "game/clock.h"
#include "game/settings.h"
#include "game/turn.h"
#include "scene_doubles.h"
#include "ui/input.h"
#include "ui/presentation.h"
#include "ui/scene.h"

namespace vellara {
namespace {

// Polls until the analysis has published a move for the board, at most five seconds.
bool WaitForPublishedMove() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!EngineBestMove()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// Polls until the analysis has published `text`, at most five seconds.
bool WaitForText(const std::string& text) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (EngineVariantText() != text) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// The board after `move`, by the board's own rules, to look one move ahead.
BoardSnapshot After(const BoardSnapshot& board, const EngineMove& move, Army side) {
  BoardSnapshot next = board;
  const int from = CellToSquare(move.from) - 1;
  const int to = CellToSquare(move.to) - 1;
  next[static_cast<std::size_t>(to)] = static_cast<std::int8_t>(side * move.kind);
  next[static_cast<std::size_t>(from)] = 0;
  if (move.kind == kKing && move.special != 0) {
    const bool kingSide = to > from;
    next[static_cast<std::size_t>(kingSide ? from + 3 : from - 4)] = 0;
    next[static_cast<std::size_t>(kingSide ? from + 1 : from - 1)] =
        static_cast<std::int8_t>(side * kRook);
  }
  return next;
}

// The player's choice: a mate if there is one, else the biggest capture, else any move.
EngineMove ChooseMove(std::mt19937& random) {
  static EnginePosition position;
  static EnginePosition reply;
  const Army side = Board().SideToMove;
  LoadPosition(position, Board().Squares, side);
  std::vector<EngineMove> moves;
  for (int i = 0; i < MoveCount(position); ++i) moves.push_back(MoveAt(position, i));
  EXPECT_FALSE(moves.empty());
  EngineMove best = moves[random() % moves.size()];
  int bestScore = 0;
  for (const EngineMove& m : moves) {
    LoadPosition(reply, After(Board().Squares, m, side), static_cast<Army>(-side));
    const int score = reply.State == kCheckmate ? 100 : m.captured * 10 + (m.special ? 5 : 0);
    if (score > bestScore) {
      bestScore = score;
      best = m;
    }
  }
  return best;
}

class SceneThreadTest : public testing::SceneTest {
 protected:
  bool UseRealEngine() const override { return true; }

  // The player's move through the handlers, with the promotion chooser when it opens.
  void PlayersTurn(std::mt19937& random) {
    const EngineMove move = ChooseMove(random);
    ClickSquare(CellToSquare(move.from));
    ASSERT_EQ(Game().SelectedSquare, CellToSquare(move.from));
    ClickSquare(CellToSquare(move.to));
    ASSERT_TRUE(Game().SlideRunning);
    FinishSlides();
    if (Game().turnState == TurnState::ChoosePromotion) {
      Click({675, 626});  // the queen
      ++promotions;
    }
  }

  void ComputersTurn() {
    ASSERT_TRUE(WaitForPublishedMove());
    Seconds(MoveTimeLimit());
    ASSERT_EQ(Game().turnState, TurnState::ComputerSlides);
    FinishSlides();
  }

  int promotions = 0;
};

TEST_F(SceneThreadTest, ACompleteGameFromPlayGameToRematch) {
  std::mt19937 random(7);
  StartFromMenu();
  ASSERT_EQ(Scene().screenMode, ScreenMode::Game);
  int halfMoves = 0;
  while (Game().turnState != TurnState::GameOver && halfMoves < 600) {
    if (Game().turnState == TurnState::PlayerMove) {
      PlayersTurn(random);
    } else {
      ASSERT_EQ(Game().turnState, TurnState::ComputerThinking);
      ComputersTurn();
    }
    if (HasFatalFailure()) return;
    ++halfMoves;
    if (!Game().SlideRunning && Game().turnState != TurnState::ChoosePromotion) {
      ASSERT_EQ(Board().Squares, testing::ReplayedHistory());
    }
  }
  ASSERT_EQ(Game().turnState, TurnState::GameOver) << halfMoves;
  EXPECT_EQ(Scene().overlayKind, OverlayKind::ContinueWindow);
  EXPECT_NE(GameBoardState(), kPlayOn);
  EXPECT_EQ(StatusText().rfind("Game Over. ", 0), 0u);
  const bool mate = GameBoardState() == kCheckmate;
  EXPECT_TRUE(WaitForText(mate ? "Mate" : "Draw"));
  EXPECT_EQ(std::count(audio.effects.begin(), audio.effects.end(), 7), mate ? 1 : 0);
  // The computer's moves sounded 4 or 6 as they started.
  EXPECT_GT(std::count(audio.effects.begin(), audio.effects.end(), 6) +
                std::count(audio.effects.begin(), audio.effects.end(), 4),
            0);
  ClickOverlayRow(2);  // " Rematch"
  EXPECT_EQ(Board().Squares, kStartSnapshot);
  EXPECT_EQ(Game().turnState, TurnState::PlayerMove);
  EXPECT_EQ(Scene().overlayKind, OverlayKind::NoOverlay);
  // The new game goes on against the restarted analysis.
  PlayersTurn(random);
  ComputersTurn();
  EXPECT_EQ(Game().turnState, TurnState::PlayerMove);
}

TEST_F(SceneThreadTest, TakeBackHandsThePlayerTheComputersArmy) {
  std::mt19937 random(3);
  StartFromMenu();
  PlayersTurn(random);
  ComputersTurn();
  ClickToolbar(7);  // takes back the computer's move
  EXPECT_EQ(Board().SideToMove, kBrunettes);
  EXPECT_EQ(Game().turnState, TurnState::PlayerMove);
  PlayersTurn(random);  // the player moves the Brunettes
  EXPECT_EQ(Game().turnState, TurnState::ComputerThinking);
  ComputersTurn();  // and the computer the Blondes
  EXPECT_EQ(Board().SideToMove, kBrunettes);
  EXPECT_EQ(History().Count, 3);
  ClickToolbar(7);
  ClickToolbar(7);
  EXPECT_EQ(Board().SideToMove, kBrunettes);
  ClickToolbar(7);
  EXPECT_EQ(Board().SideToMove, kBlondes);
  EXPECT_EQ(Board().Squares, kStartSnapshot);
  for (int i = 0; i < 3; ++i) ClickToolbar(8);
  EXPECT_EQ(History().Current, 3);
  EXPECT_EQ(Board().Squares, testing::ReplayedHistory());
}

TEST_F(SceneThreadTest, SoakOfRandomInput) {
  std::mt19937 random(12345);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const char keys[] = {'1', '2', '4', '5', 'x', kEscapeKey, '0'};
  Army startSide = kBlondes;
  BoardSnapshot startBoard = kStartSnapshot;
  int computerMoves = 0;
  int playerMoves = 0;
  int gamesOver = 0;
  for (int game = 0; game < 10; ++game) {
    if (Scene().screenMode != ScreenMode::Game) {
      FormKeyPress(kEscapeKey);
      Scene().screenMode = ScreenMode::Title;
      Scene().overlayKind = OverlayKind::MainMenu;
      ClickMenu(1);
    }
    if (game % 2 == 1) {
      // An endgame, so that games also end under random input.
      testing::SetUpBoard({{"e1", 6}, {"d1", 5}, {"a1", 4}, {"h1", 4}, {"e8", -6}, {"b7", -1}},
                          kBlondes);
      Scene().overlayKind = OverlayKind::NoOverlay;
      startBoard = Board().Squares;
      startSide = kBlondes;
    }
    for (int event = 0; event < 400; ++event) {
      if (event % 50 == 0) {
        Settings().Difficulty = 1;
        Settings().TimeLimit = 1;
      }
      const int kind = pick(10);
      const bool slidingBefore = Game().SlideRunning;
      const bool inGame = Scene().screenMode == ScreenMode::Game;
      if (!inGame && pick(10) < 7) {
        // Find the way back to the board, mostly.
        if (Scene().overlayKind == OverlayKind::MainMenu) {
          ClickMenu(1);
        } else {
          ClickOverlayRow(1);
        }
      } else if (kind < 4) {
        if (Game().turnState == TurnState::PlayerMove && !Game().SlideRunning &&
            Scene().overlayKind == OverlayKind::NoOverlay && pick(3) > 0) {
          const EngineMove move = ChooseMove(random);
          ClickSquare(CellToSquare(move.from));
          ClickSquare(CellToSquare(move.to));
        } else {
          ClickSquare(1 + pick(64));
        }
      } else if (kind == 4) {
        Click({pick(1024), pick(768)});
      } else if (kind == 5) {
        Click(testing::ToolbarPoint(1 + pick(9)));
      } else if (kind == 6) {
        if (Scene().overlayKind != OverlayKind::NoOverlay) {
          ClickOverlayRow(1 + pick(10));
        } else {
          Click({675, 326 + 100 * pick(4)});
        }
      } else if (kind == 7) {
        FormKeyPress(keys[pick(pick(8) == 0 ? 7 : 5)]);  // Esc and '0' seldom
      } else if (kind == 8 && Game().turnState != TurnState::ComputerThinking) {
        for (int t = pick(40); t > 0; --t) TimerProcess();
      } else {
        const bool thinking = Game().turnState == TurnState::ComputerThinking;
        if (thinking) {
          ASSERT_TRUE(WaitForPublishedMove());
        }
        Seconds(1 + pick(3));
        if (thinking && Game().turnState == TurnState::ComputerSlides) ++computerMoves;
      }
      if (!slidingBefore && Game().SlideRunning && Game().turnState == TurnState::PlayerMove) {
        ++playerMoves;
      }
      if (Game().turnState == TurnState::GameOver) ++gamesOver;
      const GameState& g = Game();
      const bool settled = !g.SlideRunning && g.turnState != TurnState::ChoosePromotion;
      if (settled) {
        if (History().Count == 0) {
          startSide = Board().SideToMove;
          startBoard = Board().Squares;
        }
        ASSERT_EQ(Board().Squares, testing::ReplayedHistory(startBoard)) << game << ":" << event;
        const Army expected = History().Current % 2 == 0 ? startSide : -startSide;
        ASSERT_EQ(Board().SideToMove, expected) << game << ":" << event;
      }
      if (g.turnState == TurnState::GameOver) {
        ASSERT_NE(GameBoardState(), kPlayOn);
      }
      if (g.turnState == TurnState::ComputerThinking) {
        ASSERT_EQ(GameBoardState(), kPlayOn);
      }
      if (g.turnState == TurnState::ComputerSlides) {
        ASSERT_TRUE(g.SlideRunning);
      }
    }
    FinishSlides();
  }
  std::printf("soak: %d player moves, %d computer moves, %d game-over events\n", playerMoves,
              computerMoves, gamesOver);
  EXPECT_GT(playerMoves, 20);
  EXPECT_GT(computerMoves, 20);
  EXPECT_GT(gamesOver, 0);
  SceneClose();
  EXPECT_FALSE(AnalysisRunning());
}

}  // namespace
}  // namespace vellara
