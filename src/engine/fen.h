// Positions written as FEN, for tools and tests. Only the board and the side to move
// matter to this game: the castling and en-passant fields are accepted and ignored.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/types.h"

namespace vellara {

struct FenPosition {
  BoardSnapshot snapshot{};
  Army side = kBlondes;
};

// Parses "startpos" or a FEN record; on failure the error says what is wrong.
struct FenResult {
  std::optional<FenPosition> position;
  std::string error;
};
FenResult ParseFen(std::string_view text);

// The board and side as FEN (castling "-" , no en-passant square).
std::string ToFen(const BoardSnapshot& snapshot, Army side);

}  // namespace vellara
