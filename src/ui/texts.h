// Every text the scene shows outside the engine's output: menus, windows, options, toolbar
// tips, piece names, the game screen's fixed texts and the credits. Lookups with an index
// outside a table give the empty text (credits: a blank line), never a read past it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vellara {

inline constexpr std::array<std::string_view, 5> kMainMenuTexts = {"play game", "help", "options",
                                                                   "credits", "quit"};

// By "button" pattern 0..10.
inline constexpr std::array<std::string_view, 11> kToolbarTips = {"Black pieces at bottom",
                                                                  "White pieces at bottom",
                                                                  "Increase vellara pieces size",
                                                                  "Decrease vellara pieces size",
                                                                  "Hidden classic board",
                                                                  "Show classic board",
                                                                  "Increase classic board size",
                                                                  "Decrease classic board size",
                                                                  "Move back",
                                                                  "Move forward",
                                                                  "Back to Main Menu"};

inline constexpr std::array<std::string_view, 2> kQuitButtons = {" Cancel", " Quit"};
inline constexpr std::array<std::string_view, 3> kContinueButtons = {" Cancel", " Rematch",
                                                                     " Menu"};
inline constexpr std::string_view kQuitTitle = "Are you sure you want to quit?";
inline constexpr std::string_view kContinueTitle = "Please select to continue";
inline constexpr std::string_view kBackToMenuText = "Back to Menu";

// Options window rows 1..10 (index row - 1).
inline constexpr std::array<std::string_view, 10> kOptionLabels = {
    "Your Army",     "Difficulty", "Time Limit",    "Vellara Mode", "Background",
    "Classic Board", "Music",      "Sound Effects", "Best Variant", "Back to Menu"};

inline constexpr std::array<std::string_view, 2> kArmyTexts = {"Blondes", "Brunettes"};
inline constexpr std::array<std::string_view, 4> kDifficultyTexts = {"Time Limit", "Easy", "Medium",
                                                                     "Hard"};
// By TimeLimit itself, 0..7.
inline constexpr std::array<std::string_view, 8> kTimeLimitTexts = {
    "None",        "3 sec/move", "5 sec/move", "10 sec/move",
    "30 sec/move", "1 min/move", "2 min/move", "5 min/move"};
inline constexpr std::array<std::string_view, 2> kYesNoTexts = {"Yes", "No"};
inline constexpr std::array<std::string_view, 2> kBackgroundTexts = {"Fortress", "Town"};
inline constexpr std::array<std::string_view, 3> kClassicBoardTexts = {"None", "Wood", "Marble"};

// The value text of options row 1..9 for the current settings; empty for row 10 and for
// rows or values outside their tables.
std::string_view OptionValueText(int row);

// Piece name by signed code -6..6; empty for 0 and outside.
std::string_view PieceName(int code);

// Game screen.
inline constexpr std::string_view kStatusPlayerMove = "Your move?";
inline constexpr std::string_view kStatusThinking = "Please wait. Thinking...";
inline constexpr std::string_view kStatusSliding = "Movemenet...";
inline constexpr std::string_view kStatusGameOver = "Game Over. ";
inline constexpr std::string_view kResultDraw = "Draw";
inline constexpr std::string_view kResultBlondesWin = "Blondes wins";
inline constexpr std::string_view kResultBrunettesWin = "Brunettes wins";
inline constexpr std::string_view kStatusSelectPiece = "Please select piece";
inline constexpr std::string_view kBestVariantPrefix = "Best variant: ";
inline constexpr std::string_view kClockSeparator = " : ";
inline constexpr std::string_view kVersionText = "v. 1.01a";

// "hh : mm : ss", each number with a leading "0" below 10; negative seconds count as 0.
std::string ClockText(std::int32_t seconds);

// Credits: 80 lines, each a text and a colour 0xAARRGGBB-as-written (FFAAAAAA headings).
inline constexpr int kCreditsLines = 80;
struct CreditsLine {
  std::string_view text;
  std::uint32_t colour;
};
// Line 1..80; outside that a blank white line.
CreditsLine CreditsLineAt(int line);

}  // namespace vellara
