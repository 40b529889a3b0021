#include "engine/notation.h"

namespace vellara {
namespace {

constexpr const char* kPieceLetters[7] = {"", "", "N", "B", "R", "Q", "K"};

char FileLetter(Cell cell) {
  return static_cast<char>('a' + CellFile(cell));
}
char RankDigit(Cell cell) {
  return static_cast<char>('1' + CellRank(cell));
}

}  // namespace

std::string CellName(Cell cell) {
  return {FileLetter(cell), RankDigit(cell)};
}

std::string MoveText(const EngineMove& move) {
  const char* letter = move.kind <= kKing ? kPieceLetters[move.kind] : "";
  std::string text;
  if (move.kind == kPawn) {
    text = move.captured != 0 ? std::string{FileLetter(move.from), FileLetter(move.to)}
                              : CellName(move.to);
  } else if (move.special != 0 && move.kind == kKing) {
    text = CellFile(move.to) == 6 ? "0-0" : "0-0-0";
  } else if (move.special != 0) {
    text = move.captured != 0 ? std::string{FileLetter(move.from), FileLetter(move.to)}
                              : CellName(move.to);
    text += letter;
  } else {
    text = letter;
    if (move.captured != 0) text += ':';
    text += CellName(move.to);
  }
  if ((move.flags & kFlagGivesCheck) != 0) text += '+';
  return text;
}

std::string ScoreText(std::int32_t score) {
  if (score > 900) return "Mate in " + std::to_string(1000 - score);
  if (score < -900) return "Mate in " + std::to_string(score + 1000);
  std::string text = std::to_string(score);
  if (score > 0) text.insert(text.begin(), '+');
  return text;
}

std::string CoordinateText(const EngineMove& move) {
  std::string text = CellName(move.from) + CellName(move.to);
  if (move.special != 0 && move.kind >= kKnight && move.kind <= kQueen)
    text += "nbrq"[move.kind - kKnight];
  return text;
}

}  // namespace vellara
