#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/evaluate.h"
#include "engine/movegen.h"
#include "engine/random.h"
#include "engine/search.h"
#include "test_support.h"

namespace vellara {
namespace {

using testing::CellAt;
using testing::Fen;

// Nodes of two deepening steps on the Italian position with seed 99.
constexpr std::uint64_t kItalianTwoStepNodes = 15399;

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The searcher and the published pair are single instances: each test starts clean.
class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TheEngine().stop.store(false);
    ClearPublished();
    TheSearchCounters() = {};
  }
  void TearDown() override {
    TheEngine().stop.store(false);
    SetFixedRandomSeed(std::nullopt);
  }
  static void ClearPublished() {
    std::lock_guard<std::mutex> hold(TheEngine().publishLock);
    TheEngine().bestMove.reset();
    TheEngine().text.clear();
  }
  static void Steps(const std::string& fen, int steps) {
    const FenPosition position = Fen(fen);
    RunFixedSteps(TheSearcher(), position.snapshot, position.side, steps);
  }
  // Prepares the root as an analysis does, without searching.
  static void Root(const std::string& fen, int leafDepth, int fullWidthDepth) {
    const FenPosition position = Fen(fen);
    AlphaBeta& s = TheSearcher();
    s.rootSide = position.side;
    LoadPosition(s.rootPosition, position.snapshot, position.side);
    s.alpha = kRootAlpha;
    s.beta = kRootBeta;
    s.LeafDepth = leafDepth;
    s.FullWidthDepth = fullWidthDepth;
    s.RootBestScore = kRootAlpha;
    s.bestLine.clear();
    s.rootVariation.clear();
  }
};

TEST_F(SearchTest, LeafEvaluationIsMaterialPlusNoiseOnTheBlondesSide) {
  auto position = testing::Load("startpos");
  bool sawLow = false;
  bool sawHigh = false;
  for (int i = 0; i < 2000; ++i) {
    const std::int32_t e = Evaluate(*position);
    ASSERT_GE(e, 0);
    ASSERT_LE(e, 64);
    sawLow |= e < 24;
    sawHigh |= e > 40;
  }
  EXPECT_TRUE(sawLow && sawHigh);  // the noise really varies
  // A Brunettes queen up: -144 plus noise.
  position = testing::Load("4k3/8/8/8/8/8/8/4K2q w - - 0 1");
  for (int i = 0; i < 200; ++i) {
    const std::int32_t e = Evaluate(*position);
    ASSERT_GE(e, -144);
    ASSERT_LE(e, -144 + 64);
  }
  // At a leaf the search returns it from the side to move's view.
  Root("startpos", 2, 2);
  const SearchResult blondes = Search(kBlondes, 2, kRootAlpha, kRootBeta);
  EXPECT_GE(blondes.score, 0);
  EXPECT_LE(blondes.score, 64);
  EXPECT_EQ(blondes.variation, "");
  const SearchResult brunettes = Search(kBrunettes, 2, kRootAlpha, kRootBeta);
  EXPECT_GE(brunettes.score, -64);
  EXPECT_LE(brunettes.score, 0);
}

TEST_F(SearchTest, MateInOneIsFoundAndPublished) {
  Steps("6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1", 1);
  EXPECT_EQ(TheSearcher().RootBestScore, 999);
  const std::string text = EngineVariantText();
  EXPECT_TRUE(EndsWith(text, "Mate in 1")) << text;
  EXPECT_EQ(text, "Rd8+  Mate in 1");
  const std::optional<EngineMove> best = EngineBestMove();
  ASSERT_TRUE(best);
  EXPECT_EQ(best->from, CellAt("d1"));
  EXPECT_EQ(best->to, CellAt("d8"));
}

TEST_F(SearchTest, EveryMoveAllowingMateScoresMateInTwo) {
  // The Brunettes' only move Kb8 allows Rh8 mate.
  Steps("k7/8/1K6/8/8/8/8/7R b - - 0 1", 1);
  EXPECT_EQ(TheSearcher().RootBestScore, -998);
  EXPECT_EQ(EngineVariantText(), "Kb8 Rh8+  Mate in 2");
}

TEST_F(SearchTest, BeingStalematedScoresAboveAnyMaterial) {
  Root("7k/5Q2/6K1/8/8/8/8/8 b - - 0 1", 8, 2);
  EXPECT_EQ(Search(kBrunettes, 2, kRootAlpha, kRootBeta).score, 1003);
  // So the root prefers any other move to the stalemating Qf7: here it mates instead.
  Steps("7k/8/6K1/8/8/8/8/5Q2 w - - 0 1", 1);
  const std::optional<EngineMove> best = EngineBestMove();
  ASSERT_TRUE(best);
  EXPECT_FALSE(best->to == CellAt("f7"));
  EXPECT_GT(TheSearcher().RootBestScore, 900);
}

TEST_F(SearchTest, CapturingTheKingScoresAtOnce) {
  // The Brunettes king stands in check with the Blondes to move.
  Root("4k3/8/8/8/8/8/8/4R1K1 w - - 0 1", 8, 2);
  EXPECT_EQ(Search(kBlondes, 3, kRootAlpha, kRootBeta).score, 1003);
}

TEST_F(SearchTest, AStopFlagSetBeforehandReturnsWithoutPublishing) {
  TheEngine().stop.store(true);
  Steps("6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1", 1);
  EXPECT_FALSE(EngineBestMove());
  EXPECT_EQ(EngineVariantText(), "");
  EXPECT_EQ(TheSearchCounters().nodes, 0u);
  EXPECT_EQ(TheSearcher().rootVariation, "");
}

TEST_F(SearchTest, RootMovesAreRecordedOnlyAtOrAboveTheBestEarlierScore) {
  Root("6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1", 8, 2);
  TheSearcher().RootBestScore = 1000;  // above any score this root can reach
  RootSearch();
  EXPECT_FALSE(EngineBestMove());
  EXPECT_EQ(TheSearcher().RootBestScore, 1000);
  EXPECT_EQ(TheSearcher().rootVariation, "Rd8+ ");  // the step's own line is still returned

  TheSearcher().RootBestScore = 999;  // an equal score replaces the recorded move
  RootSearch();
  ASSERT_TRUE(EngineBestMove());
  EXPECT_EQ(EngineBestMove()->to, CellAt("d8"));
  EXPECT_EQ(TheSearcher().bestLine, "Rd8+ ");
}

TEST_F(SearchTest, SelectiveZoneEvaluatesUnflaggedMovesInsteadOfPlayingThem) {
  // Depth 1 is beyond a full-width depth of 0 and no starting move carries a flag: the
  // node plays nothing and takes one evaluation per move.
  Root("startpos", 10, 0);
  const SearchResult result = Search(kBlondes, 1, kRootAlpha, kRootBeta);
  EXPECT_EQ(TheSearchCounters().nodes, 1u);
  EXPECT_EQ(TheSearchCounters().evaluations, 20u);
  EXPECT_GE(result.score, 0);
  EXPECT_LE(result.score, 64);
  EXPECT_EQ(result.variation, "");
  EXPECT_FALSE(EngineBestMove());
}

TEST_F(SearchTest, AFixedSeedRepeatsTheSearchNodeForNode) {
  const char* fen = "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w - - 4 4";
  SetFixedRandomSeed(99);
  Steps(fen, 2);
  const SearchCounters first = TheSearchCounters();
  const std::string firstLine = TheSearcher().bestLine;
  TheSearchCounters() = {};
  SetFixedRandomSeed(99);
  Steps(fen, 2);
  EXPECT_EQ(TheSearchCounters().nodes, first.nodes);
  EXPECT_EQ(TheSearchCounters().evaluations, first.evaluations);
  EXPECT_EQ(TheSearcher().bestLine, firstLine);
  // The figure is a signature of the search: it changes only when the search does.
  EXPECT_EQ(first.nodes, kItalianTwoStepNodes);
}

}  // namespace
}  // namespace vellara
