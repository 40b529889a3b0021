#include "game/settings.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/settings_query.h"

namespace vellara {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { DefaultSettings(); }
  void TearDown() override { BindVellaraModeSetting(nullptr); }
  GameSettings& s = Settings();
};

TEST_F(SettingsTest, DefaultsAreTheDocumentedStart) {
  Settings().Army = 2;
  Settings().ClassicBoard = 3;
  DefaultSettings();
  EXPECT_EQ(s.Army, 1);
  EXPECT_EQ(s.Difficulty, 1);
  EXPECT_EQ(s.TimeLimit, 1);
  EXPECT_EQ(s.VellaraMode.load(), 2);
  EXPECT_EQ(s.Background, 1);
  EXPECT_EQ(s.ClassicBoard, 1);
  EXPECT_EQ(s.Music, 1);
  EXPECT_EQ(s.SoundEffects, 1);
  EXPECT_EQ(s.Orientation, 2);
  EXPECT_EQ(s.LastClassicStyle, 2);
  EXPECT_EQ(s.BestVariant, 2);
}

TEST_F(SettingsTest, TwoValuedFieldsAlternate) {
  struct Case {
    void (*cycle)();
    std::int32_t (*read)();
    std::int32_t start;
  };
  const std::vector<Case> cases = {
      {CycleArmy, [] { return Settings().Army; }, 1},
      {CycleVellaraMode, [] { return Settings().VellaraMode.load(); }, 2},
      {CycleBackground, [] { return Settings().Background; }, 1},
      {CycleMusic, [] { return Settings().Music; }, 1},
      {CycleSoundEffects, [] { return Settings().SoundEffects; }, 1},
      {CycleOrientation, [] { return Settings().Orientation; }, 2},
      {CycleBestVariant, [] { return Settings().BestVariant; }, 2},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(cases[i].read(), cases[i].start);
    cases[i].cycle();
    EXPECT_EQ(cases[i].read(), 3 - cases[i].start);
    cases[i].cycle();
    EXPECT_EQ(cases[i].read(), cases[i].start);
  }
}

TEST_F(SettingsTest, DifficultyGoesRoundAndResetsTheTimeLimit) {
  s.TimeLimit = 5;
  const std::vector<std::pair<int, int>> expected = {{2, 0}, {3, 0}, {4, 0}, {1, 1}};
  for (const auto& [difficulty, limit] : expected) {
    CycleDifficulty();
    EXPECT_EQ(s.Difficulty, difficulty);
    EXPECT_EQ(s.TimeLimit, limit);
  }
}

TEST_F(SettingsTest, TimeLimitCyclesOnlyUnderTimeLimitDifficultyAndSkipsNone) {
  for (int i = 0; i < 7; ++i) {
    CycleTimeLimit();
    EXPECT_NE(s.TimeLimit, 0);
  }
  EXPECT_EQ(s.TimeLimit, 1);
  CycleDifficulty();
  CycleDifficulty();
  CycleDifficulty();  // Hard
  CycleTimeLimit();
  EXPECT_EQ(s.Difficulty, 4);
  EXPECT_EQ(s.TimeLimit, 0);
}

TEST_F(SettingsTest, ClassicBoardCyclesAndToolbarButtonBringsBackTheLastStyle) {
  CycleClassicBoard();
  EXPECT_EQ(s.ClassicBoard, 2);
  CycleClassicBoard();
  EXPECT_EQ(s.ClassicBoard, 3);
  CycleClassicBoard();
  EXPECT_EQ(s.ClassicBoard, 1);
  EXPECT_EQ(s.LastClassicStyle, 3);
  ToggleClassicBoard();
  EXPECT_EQ(s.ClassicBoard, 3);
  ToggleClassicBoard();
  EXPECT_EQ(s.ClassicBoard, 1);
  EXPECT_EQ(s.LastClassicStyle, 3);
}

TEST_F(SettingsTest, VellaraModeIsTheEnginesQuery) {
  EXPECT_FALSE(VellaraModeOn());
  CycleVellaraMode();
  EXPECT_TRUE(VellaraModeOn());
  CycleVellaraMode();
  EXPECT_FALSE(VellaraModeOn());
}

}  // namespace
}  // namespace vellara
