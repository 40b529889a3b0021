#include <gtest/gtest.h>

#include "engine/movegen.h"
#include "engine/perft.h"

namespace vellara {
namespace {

TEST(PerftTest, StartingPositionMatchesPublishedCounts) {
  EnginePosition position;
  LoadPosition(position, kStartSnapshot, kBlondes);
  EXPECT_EQ(Perft(position, kBlondes, 1), 20u);
  EXPECT_EQ(Perft(position, kBlondes, 2), 400u);
  EXPECT_EQ(Perft(position, kBlondes, 3), 8902u);
  EXPECT_EQ(Perft(position, kBlondes, 4), 197281u);
}

}  // namespace
}  // namespace vellara
