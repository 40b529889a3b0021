#include "ui/texts.h"

#include "game/settings.h"

namespace vellara {
namespace {

template <std::size_t N>
std::string_view Pick(const std::array<std::string_view, N>& table, std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return {};
  return table[static_cast<std::size_t>(index)];
}

constexpr std::array<std::string_view, 13> kPieceNames = {
    "Black King", "Black Queen",  "Black Rook",   "Black Bishop", "Black Knight", "Black Pawn", "",
    "White Pawn", "White Knight", "White Bishop", "White Rook",   "White Queen",  "White King"};

// Nine groups of five lines: heading, blank, name, blank, blank.
constexpr std::array<std::string_view, 9> kCreditsHeadings = {
    "idea and programming:", "original graphic:", "sound production:", "music composer:",
    "sound producer:",       "website design:",   "testing:",          "project manager:",
    "special thanks:"};
constexpr std::array<std::string_view, 9> kCreditsNames = {
    "     the Vellara Chess team",          "     the Vellara Chess art team",
    "     the Vellara Chess sound team",    "     the Vellara Chess music team",
    "     the Vellara Chess sound team",    "     the Vellara Chess web team",
    "     the Vellara Chess test team",     "     the Vellara Chess team",
    "     everyone who plays Vellara Chess"};

constexpr std::string_view kBlank = " ";
constexpr std::uint32_t kCreditsGrey = 0xFFAAAAAAu;
constexpr std::uint32_t kCreditsWhite = 0xFFFFFFFFu;

void AppendTwoDigits(std::string& out, std::int32_t value) {
  if (value < 10) out += '0';
  out += std::to_string(value);
}

}  // namespace

std::string_view OptionValueText(int row) {
  const GameSettings& s = Settings();
  switch (row) {
    case 1:
      return Pick(kArmyTexts, s.Army - 1);
    case 2:
      return Pick(kDifficultyTexts, s.Difficulty - 1);
    case 3:
      return Pick(kTimeLimitTexts, s.TimeLimit);
    case 4:
      return Pick(kYesNoTexts, s.VellaraMode.load(std::memory_order_relaxed) - 1);
    case 5:
      return Pick(kBackgroundTexts, s.Background - 1);
    case 6:
      return Pick(kClassicBoardTexts, s.ClassicBoard - 1);
    case 7:
      return Pick(kYesNoTexts, s.Music - 1);
    case 8:
      return Pick(kYesNoTexts, s.SoundEffects - 1);
    case 9:
      return Pick(kYesNoTexts, s.BestVariant - 1);
    default:
      return {};
  }
}

std::string_view PieceName(int code) {
  return Pick(kPieceNames, code + 6);
}

std::string ClockText(std::int32_t seconds) {
  if (seconds < 0) seconds = 0;
  const std::int32_t hours = seconds / 3600;
  const std::int32_t minutes = (seconds - 3600 * hours) / 60;
  const std::int32_t rest = seconds - 3600 * hours - 60 * minutes;
  std::string out;
  AppendTwoDigits(out, hours);
  out += kClockSeparator;
  AppendTwoDigits(out, minutes);
  out += kClockSeparator;
  AppendTwoDigits(out, rest);
  return out;
}

CreditsLine CreditsLineAt(int line) {
  if (line < 1 || line > kCreditsLines) return {kBlank, kCreditsWhite};
  const std::uint32_t colour = (line - 1) % 5 == 0 && line <= 56 ? kCreditsGrey : kCreditsWhite;
  if (line <= 45) {
    const int group = (line - 1) / 5;
    const int within = (line - 1) % 5;
    if (within == 0) return {kCreditsHeadings[static_cast<std::size_t>(group)], colour};
    if (within == 2) return {kCreditsNames[static_cast<std::size_t>(group)], colour};
  }
  return {kBlank, colour};
}

}  // namespace vellara
