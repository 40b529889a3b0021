#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "engine/engine.h"
#include "engine/movegen.h"
#include "test_support.h"

namespace vellara {
namespace {

using namespace std::chrono_literals;
using testing::Fen;
using testing::ScopedVellaraMode;

// Polls until the condition holds; false after a generous bound (the analysis thread runs
// at the lowest priority, so a loaded machine may be slow).
bool WaitFor(const std::function<bool()>& condition, std::chrono::seconds bound = 20s) {
  const auto deadline = std::chrono::steady_clock::now() + bound;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(2ms);
  }
  return true;
}

bool IsLegalIn(const std::string& fen, const EngineMove& move) {
  auto position = testing::Load(fen);
  for (int i = 0; i < MoveCount(*position); ++i)
    if (MoveAt(*position, i) == move) return true;
  return false;
}

class AnalysisThreadTest : public ::testing::Test {
 protected:
  void SetUp() override { SetGameBoard(&board_); }
  void TearDown() override {
    StopAnalysis();
    SetGameBoard(nullptr);
  }
  void Show(const std::string& fen) {
    const FenPosition position = Fen(fen);
    board_.Set(position.snapshot, position.side);
  }
  FixedBoardProvider board_;
};

constexpr const char* kItalian = "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w - - 4 4";

TEST_F(AnalysisThreadTest, ALegalMoveIsAvailableAsSoonAsTheAnalysisHasBegun) {
  Show(kItalian);
  StartAnalysis();
  ASSERT_TRUE(WaitFor([] { return EngineBestMove().has_value(); }));
  EXPECT_TRUE(IsLegalIn(kItalian, *EngineBestMove()));
  ASSERT_TRUE(WaitFor([] { return CompletedAnalysisSteps() >= 1; }));
  StopAnalysis();
  EXPECT_TRUE(IsLegalIn(kItalian, *EngineBestMove()));
  EXPECT_FALSE(EngineVariantText().empty());
}

TEST_F(AnalysisThreadTest, ARestartNeverHandsOutThePreviousPositionsMove) {
  Show(kItalian);
  StartAnalysis();
  ASSERT_TRUE(WaitFor([] { return EngineBestMove().has_value(); }));
  // Checkmated side to move: the new analysis ends with "Mate" and no valid move.
  Show("3R2k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1");
  RestartAnalysis();
  EXPECT_FALSE(EngineBestMove().has_value());
  ASSERT_TRUE(WaitFor([] { return EngineVariantText() == "Mate"; }));
  EXPECT_FALSE(EngineBestMove().has_value());
}

TEST_F(AnalysisThreadTest, DecidedPositionsEndWithMateOrDraw) {
  struct Case {
    const char* fen;
    const char* text;
  };
  for (const Case& c : {Case{"3R2k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1", "Mate"},
                        Case{"7k/5Q2/6K1/8/8/8/8/8 b - - 0 1", "Draw"},
                        Case{"8/8/3k4/8/8/4K3/8/8 w - - 0 1", "Draw"}}) {
    SCOPED_TRACE(c.fen);
    Show(c.fen);
    RestartAnalysis();
    ASSERT_TRUE(WaitFor([&] { return EngineVariantText() == c.text; }));
    EXPECT_FALSE(EngineBestMove().has_value());
  }
  // The empty board with no side, as before the first game.
  board_.Set(BoardSnapshot{}, 0);
  RestartAnalysis();
  ASSERT_TRUE(WaitFor([] { return EngineVariantText() == "Draw"; }));
}

TEST_F(AnalysisThreadTest, StopEndsADeepStepAndNothingIsRecordedAfterwards) {
  Show(kItalian);
  StartAnalysis();
  ASSERT_TRUE(WaitFor([] { return CompletedAnalysisSteps() >= 2; }));
  StopAnalysis();
  EXPECT_FALSE(AnalysisRunning());
  const std::optional<EngineMove> move = EngineBestMove();
  const std::string text = EngineVariantText();
  std::this_thread::sleep_for(20ms);
  EXPECT_EQ(EngineBestMove(), move);
  EXPECT_EQ(EngineVariantText(), text);
}

TEST_F(AnalysisThreadTest, TheTextStaysThePreviousOneUntilTheNewAnalysisRecords) {
  Show("6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1");
  StartAnalysis();
  ASSERT_TRUE(WaitFor([] { return EngineVariantText() == "Rd8+  Mate in 1"; }));
  Show(kItalian);
  RestartAnalysis();
  // Either the old text or one of the new analysis: never empty, never a mix.
  const std::string text = EngineVariantText();
  EXPECT_TRUE(text == "Rd8+  Mate in 1" || text.find("Mate in 1") == std::string::npos) << text;
  ASSERT_TRUE(WaitFor([] { return EngineVariantText() != "Rd8+  Mate in 1"; }));
}

TEST_F(AnalysisThreadTest, VellaraModeChangedMidAnalysisReachesTheRunningSearch) {
  // Only the queen's knight jump Qf7 mates here.
  ScopedVellaraMode mode(false);
  Show("6rk/6pp/3Q4/8/8/8/8/6K1 w - - 0 1");
  StartAnalysis();
  ASSERT_TRUE(WaitFor([] { return CompletedAnalysisSteps() >= 1; }));
  EXPECT_EQ(EngineVariantText().find("Mate in 1"), std::string::npos);
  mode.Set(true);
  ASSERT_TRUE(WaitFor([] { return EngineVariantText() == "Qf7+  Mate in 1"; }));
  StopAnalysis();
}

}  // namespace
}  // namespace vellara
