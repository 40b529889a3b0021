#include <gtest/gtest.h>

#include "engine/notation.h"
#include "test_support.h"

namespace vellara {
namespace {

using testing::CellAt;

EngineMove Move(const char* from, const char* to, int kind, int captured = 0, int special = 0,
                int flags = 0) {
  return EngineMove{CellAt(from),
                    CellAt(to),
                    static_cast<std::uint8_t>(kind),
                    static_cast<std::uint8_t>(captured),
                    static_cast<std::uint8_t>(special),
                    static_cast<std::uint8_t>(flags)};
}

TEST(MoveTextTest, GameNotation) {
  struct Case {
    EngineMove move;
    const char* text;
    const char* coordinates;
  };
  const Case cases[] = {
      {Move("g1", "f3", kKnight), "Nf3", "g1f3"},
      {Move("g1", "f3", kKnight, kPawn), "N:f3", "g1f3"},
      {Move("g1", "f3", kKnight, 0, 0, kFlagGivesCheck), "Nf3+", "g1f3"},
      {Move("g1", "f3", kKnight, 0, 0, kFlagGoodCapture | kFlagInCheck), "Nf3", "g1f3"},
      {Move("e1", "e2", kKing), "Ke2", "e1e2"},
      {Move("e2", "e4", kPawn), "e4", "e2e4"},
      {Move("e4", "d5", kPawn, kPawn), "ed", "e4d5"},
      {Move("e7", "e8", kQueen, 0, 1), "e8Q", "e7e8q"},
      {Move("e7", "d8", kKnight, kRook, 1), "edN", "e7d8n"},
      {Move("a2", "a1", kKnight, 0, 1), "a1N", "a2a1n"},
      {Move("e1", "g1", kKing, 0, 1), "0-0", "e1g1"},
      {Move("e8", "c8", kKing, 0, 1), "0-0-0", "e8c8"},
      {Move("e8", "g8", kKing, 0, 1, kFlagGivesCheck), "0-0+", "e8g8"},
      {Move("e1", "c1", kKing, 0, 1, kFlagGivesCheck), "0-0-0+", "e1c1"},
      {Move("d1", "h5", kQueen, kBishop, 0, kFlagGivesCheck), "Q:h5+", "d1h5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(MoveText(c.move), c.text);
    EXPECT_EQ(CoordinateText(c.move), c.coordinates);
  }
}

TEST(ScoreTextTest, PlainScoresAndMates) {
  struct Case {
    std::int32_t score;
    const char* text;
  };
  for (const Case& c :
       {Case{35, "+35"}, Case{0, "0"}, Case{-12, "-12"}, Case{900, "+900"}, Case{901, "Mate in 99"},
        Case{999, "Mate in 1"}, Case{-900, "-900"}, Case{-901, "Mate in 99"},
        Case{-998, "Mate in 2"}, Case{1003, "Mate in -3"}}) {
    EXPECT_EQ(ScoreText(c.score), c.text) << c.score;
  }
}

}  // namespace
}  // namespace vellara
