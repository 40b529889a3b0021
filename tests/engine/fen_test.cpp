#include <gtest/gtest.h>

#include "engine/fen.h"

namespace vellara {
namespace {

TEST(FenTest, ReadsBoardAndSideAndIgnoresTheRest) {
  const FenResult start = ParseFen("startpos");
  ASSERT_TRUE(start.position);
  EXPECT_EQ(start.position->snapshot, kStartSnapshot);
  EXPECT_EQ(start.position->side, kBlondes);

  const FenResult full = ParseFen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
  ASSERT_TRUE(full.position);
  EXPECT_EQ(full.position->snapshot, kStartSnapshot);

  const FenResult black = ParseFen("4k3/8/8/3pP3/8/8/8/4K3 b - d6");
  ASSERT_TRUE(black.position);
  EXPECT_EQ(black.position->side, kBrunettes);
  EXPECT_EQ(black.position->snapshot[4], -kKing);   // e8
  EXPECT_EQ(black.position->snapshot[27], -kPawn);  // d5
  EXPECT_EQ(black.position->snapshot[28], kPawn);   // e5
  EXPECT_EQ(ToFen(black.position->snapshot, kBrunettes), "4k3/8/8/3pP3/8/8/8/4K3 b - - 0 1");
}

TEST(FenTest, MalformedInputIsRefusedWithAReason) {
  const char* bad[] = {
      "",
      "   ",
      "startpos w",
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR",
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x",
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w",
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR/8 w",
      "rnbqkbnr/ppppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w",
      "rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w",
      "rnbqkbnr/pppppppp/7/8/8/8/PPPPPPPP/RNBQKBNR w",
      "rnbqkbnx/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w",
      "rnbqkbnr/pppp0ppp/8/8/8/8/PPPPPPPP/RNBQKBNR w",
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1 extra",
      "81/8/8/8/8/8/8/8 w",
  };
  for (const char* text : bad) {
    const FenResult result = ParseFen(text);
    EXPECT_FALSE(result.position) << text;
    EXPECT_FALSE(result.error.empty()) << text;
  }
}

}  // namespace
}  // namespace vellara
