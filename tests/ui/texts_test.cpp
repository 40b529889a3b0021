#include "ui/texts.h"

#include <gtest/gtest.h>

#include <string>

#include "game/settings.h"

namespace vellara {
namespace {

TEST(TextsTest, OptionValuesFollowTheSettings) {
  DefaultSettings();
  const char* expected[] = {"Blondes", "Time Limit", "3 sec/move", "No", "Fortress",
                            "None",    "Yes",        "Yes",        "No"};
  for (int row = 1; row <= 9; ++row) EXPECT_EQ(OptionValueText(row), expected[row - 1]) << row;
  EXPECT_EQ(OptionValueText(10), "");
  CycleDifficulty();  // Easy
  EXPECT_EQ(OptionValueText(2), "Easy");
  EXPECT_EQ(OptionValueText(3), "None");
  Settings().TimeLimit = 7;
  EXPECT_EQ(OptionValueText(3), "5 min/move");
}

TEST(TextsTest, ValuesOutsideATableGiveTheEmptyText) {
  DefaultSettings();
  Settings().Army = 3;
  Settings().TimeLimit = -1;
  Settings().ClassicBoard = 0;
  EXPECT_EQ(OptionValueText(1), "");
  EXPECT_EQ(OptionValueText(3), "");
  EXPECT_EQ(OptionValueText(6), "");
  EXPECT_EQ(OptionValueText(0), "");
  EXPECT_EQ(OptionValueText(11), "");
  DefaultSettings();
}

TEST(TextsTest, PieceNamesBySignedCode) {
  EXPECT_EQ(PieceName(-6), "Black King");
  EXPECT_EQ(PieceName(-1), "Black Pawn");
  EXPECT_EQ(PieceName(0), "");
  EXPECT_EQ(PieceName(1), "White Pawn");
  EXPECT_EQ(PieceName(5), "White Queen");
  EXPECT_EQ(PieceName(6), "White King");
  EXPECT_EQ(PieceName(7), "");
  EXPECT_EQ(PieceName(-7), "");
}

TEST(TextsTest, WindowLabelsBeginWithABlank) {
  for (auto label : kQuitButtons) EXPECT_EQ(label.front(), ' ');
  for (auto label : kContinueButtons) EXPECT_EQ(label.front(), ' ');
  EXPECT_EQ(kContinueButtons[1], " Rematch");
}

TEST(TextsTest, ClockText) {
  const std::pair<int, const char*> cases[] = {{0, "00 : 00 : 00"},     {59, "00 : 00 : 59"},
                                               {3600, "01 : 00 : 00"},  {3725, "01 : 02 : 05"},
                                               {36000, "10 : 00 : 00"}, {-5, "00 : 00 : 00"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(ClockText(seconds), text) << seconds;
}

TEST(TextsTest, CreditsGroupsAndColours) {
  EXPECT_EQ(CreditsLineAt(1).text, "idea and programming:");
  EXPECT_EQ(CreditsLineAt(2).text, " ");
  EXPECT_EQ(CreditsLineAt(41).text, "special thanks:");
  for (int line = 1; line <= 80; ++line) {
    const CreditsLine c = CreditsLineAt(line);
    const bool grey = (line - 1) % 5 == 0 && line <= 56;
    EXPECT_EQ(c.colour, grey ? 0xFFAAAAAAu : 0xFFFFFFFFu) << line;
    const int within = (line - 1) % 5;
    if (line <= 45 && within == 2) {
      EXPECT_EQ(c.text.substr(0, 5), "     ");
      EXPECT_GT(c.text.size(), 5u);
    } else if (line > 45 || (within != 0)) {
      EXPECT_EQ(c.text, " ") << line;
    }
  }
  EXPECT_EQ(CreditsLineAt(0).text, " ");
  EXPECT_EQ(CreditsLineAt(81).text, " ");
}

}  // namespace
}  // namespace vellara
