#include "engine/fen.h"

#include <sstream>
#include <vector>

namespace vellara {
namespace {

constexpr std::string_view kPieceChars = "pnbrqk";

FenResult Fail(std::string error) {
  return {std::nullopt, std::move(error)};
}

std::vector<std::string> Fields(std::string_view text) {
  std::vector<std::string> fields;
  std::istringstream in{std::string(text)};
  for (std::string field; in >> field;) fields.push_back(field);
  return fields;
}

}  // namespace

FenResult ParseFen(std::string_view text) {
  const std::vector<std::string> fields = Fields(text);
  if (fields.empty()) return Fail("empty position");
  if (fields.size() == 1 && fields[0] == "startpos")
    return {FenPosition{kStartSnapshot, kBlondes}, {}};
  if (fields.size() < 2) return Fail("FEN needs at least a board and a side to move");
  if (fields.size() > 6) return Fail("FEN has more than six fields");

  FenPosition position;
  int row = 0;
  int file = 0;
  for (char c : fields[0]) {
    if (c == '/') {
      if (file != 8) return Fail("FEN rank " + std::to_string(8 - row) + " does not have 8 files");
      ++row;
      file = 0;
      if (row > 7) return Fail("FEN board has more than 8 ranks");
    } else if (c >= '1' && c <= '8') {
      file += c - '0';
      if (file > 8) return Fail("FEN rank " + std::to_string(8 - row) + " has more than 8 files");
    } else {
      const char lower = static_cast<char>(c | 0x20);
      const std::size_t kind = kPieceChars.find(lower);
      if (kind == std::string_view::npos)
        return Fail(std::string("FEN board has an unknown piece '") + c + "'");
      if (file >= 8) return Fail("FEN rank " + std::to_string(8 - row) + " has more than 8 files");
      const int army = c == lower ? kBrunettes : kBlondes;
      position.snapshot[static_cast<std::size_t>(row * 8 + file)] =
          static_cast<std::int8_t>(army * static_cast<int>(kind + 1));
      ++file;
    }
  }
  if (row != 7 || file != 8) return Fail("FEN board does not have 8 full ranks");

  if (fields[1] == "w") {
    position.side = kBlondes;
  } else if (fields[1] == "b") {
    position.side = kBrunettes;
  } else {
    return Fail("FEN side to move must be 'w' or 'b'");
  }
  return {position, {}};
}

std::string ToFen(const BoardSnapshot& snapshot, Army side) {
  std::string fen;
  for (int row = 0; row < 8; ++row) {
    int empty = 0;
    for (int file = 0; file < 8; ++file) {
      const int code = snapshot[static_cast<std::size_t>(row * 8 + file)];
      if (code == 0 || code > 6 || code < -6) {
        ++empty;
        continue;
      }
      if (empty > 0) fen += static_cast<char>('0' + empty);
      empty = 0;
      const char lower = kPieceChars[static_cast<std::size_t>((code < 0 ? -code : code) - 1)];
      fen += code > 0 ? static_cast<char>(lower - 32) : lower;
    }
    if (empty > 0) fen += static_cast<char>('0' + empty);
    if (row < 7) fen += '/';
  }
  fen += side == kBrunettes ? " b - - 0 1" : " w - - 0 1";
  return fen;
}

}  // namespace vellara
