#include <gtest/gtest.h>

#include "engine/movegen.h"
#include "test_support.h"

namespace vellara {
namespace {

using testing::CellAt;
using testing::Load;

TEST(CellIndexTest, SquareNumbersConvertBothWays) {
  struct Case {
    int square;
    const char* cell;
  };
  for (const Case& c : {Case{1, "a8"}, Case{8, "h8"}, Case{9, "a7"}, Case{57, "a1"}, Case{64, "h1"},
                        Case{37, "e4"}}) {
    SCOPED_TRACE(c.square);
    EXPECT_EQ(SquareToCell(c.square), CellAt(c.cell));
    EXPECT_EQ(CellToSquare(CellAt(c.cell)), c.square);
  }
  EXPECT_EQ(SquareToCell(1), 112);
  EXPECT_EQ(SquareToCell(57), 0);
  EXPECT_EQ(SquareToCell(64), 7);
  for (int square = 1; square <= 64; ++square) {
    EXPECT_TRUE(OnBoard(SquareToCell(square)));
    EXPECT_EQ(CellToSquare(SquareToCell(square)), square);
  }
}

TEST(LoadPositionTest, StartingPositionSlotsFollowTheScanOrder) {
  auto position = std::make_unique<EnginePosition>();
  LoadPosition(*position, kStartSnapshot, kBlondes);
  EXPECT_EQ(MoveCount(*position), 20);
  EXPECT_EQ(position->State, kPlayOn);

  const std::vector<std::string> blondes = {"e1", "a2", "a1", "b2", "b1", "c2", "c1", "d2",
                                            "d1", "e2", "f2", "f1", "g2", "g1", "h2", "h1"};
  const std::vector<std::string> brunettes = {"e8", "a8", "a7", "b8", "b7", "c8", "c7", "d8",
                                              "d7", "e7", "f8", "f7", "g8", "g7", "h8", "h7"};
  for (std::size_t slot = 1; slot <= 16; ++slot) {
    SCOPED_TRACE(slot);
    const PieceSlot& blonde = position->Pieces(kBlondes)[slot];
    EXPECT_EQ(blonde.square, CellAt(blondes[slot - 1].c_str()));
    EXPECT_EQ(position->At(blonde.square).slot, slot);
    EXPECT_EQ(position->At(blonde.square).army, kBlondes);
    EXPECT_EQ(position->Pieces(kBrunettes)[slot].square, CellAt(brunettes[slot - 1].c_str()));
  }
  for (const PieceSlot& slot : position->Pieces(0)) EXPECT_EQ(slot.kind, 0);
}

TEST(LoadPositionTest, StateVerdicts) {
  struct Case {
    const char* fen;
    int moves;  // -1: any number above 0
    PositionState state;
  };
  const Case cases[] = {
      {"startpos", 20, kPlayOn},
      // Two bare kings draw even though moves exist, whichever side moves.
      {"8/8/3k4/8/8/4K3/8/8 w - - 0 1", -1, kDraw},
      {"k7/8/8/8/8/8/8/7K b - - 0 1", -1, kDraw},
      // Back-rank mate: no move and the king attacked.
      {"3R2k1/5ppp/8/8/8/8/5PPP/6K1 b - - 0 1", 0, kCheckmate},
      // Stalemate: no move, king not attacked.
      {"7k/5Q2/6K1/8/8/8/8/8 b - - 0 1", 0, kDraw},
      // A single extra piece keeps the game going.
      {"8/8/3k4/8/8/4K3/7P/8 w - - 0 1", -1, kPlayOn},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fen);
    auto position = Load(c.fen);
    if (c.moves >= 0) {
      EXPECT_EQ(MoveCount(*position), c.moves);
    } else {
      EXPECT_GT(MoveCount(*position), 0);
    }
    EXPECT_EQ(position->State, c.state);
  }
}

TEST(LoadPositionTest, EmptyBoardWithNoSideHasNoMovesAndIsADraw) {
  auto position = std::make_unique<EnginePosition>();
  LoadPosition(*position, BoardSnapshot{}, 0);
  EXPECT_EQ(MoveCount(*position), 0);
  EXPECT_EQ(position->State, kDraw);
}

TEST(LoadPositionTest, OddSnapshotsLoadWithoutHarm) {
  // Sixteen Blondes knights besides the king: the last one met in scan order is dropped.
  BoardSnapshot snapshot{};
  for (int i = 0; i < 16; ++i) snapshot[static_cast<std::size_t>(16 + i)] = kKnight;
  snapshot[63] = kKing;
  snapshot[0] = -kKing;
  auto position = std::make_unique<EnginePosition>();
  LoadPosition(*position, snapshot, kBlondes);
  // Scan goes file by file from rank 8 down: the last knight met is h5 (square 32).
  EXPECT_EQ(position->At(SquareToCell(32)).kind, 0);
  EXPECT_EQ(position->At(SquareToCell(24)).kind, kKnight);
  for (std::size_t slot = 2; slot <= 16; ++slot)
    EXPECT_EQ(position->Pieces(kBlondes)[slot].kind, kKnight);

  // Two Blondes kings: the one met last (h1 after a1) holds slot 1; the other stays on the
  // board outside the list.
  snapshot = BoardSnapshot{};
  snapshot[56] = kKing;  // a1
  snapshot[63] = kKing;  // h1
  snapshot[4] = -kKing;
  LoadPosition(*position, snapshot, kBlondes);
  EXPECT_EQ(position->KingCell(kBlondes), CellAt("h1"));
  EXPECT_EQ(position->At(CellAt("a1")).kind, kKing);

  // No king of the side to move: slot 1 stays empty and the moves are still listed.
  snapshot = BoardSnapshot{};
  snapshot[52] = kRook;
  snapshot[4] = -kKing;
  LoadPosition(*position, snapshot, kBlondes);
  EXPECT_EQ(position->Pieces(kBlondes)[1].kind, 0);
  EXPECT_EQ(position->KingCell(kBlondes), 0);
  EXPECT_GT(MoveCount(*position), 0);

  // Codes that are no piece and sides that are no army are ignored, not read past tables.
  snapshot = kStartSnapshot;
  snapshot[20] = 7;
  snapshot[21] = -128;
  snapshot[22] = 127;
  LoadPosition(*position, snapshot, kBlondes);
  EXPECT_EQ(MoveCount(*position), 20);
  LoadPosition(*position, kStartSnapshot, 5);
  EXPECT_EQ(MoveCount(*position), 0);
}

}  // namespace
}  // namespace vellara
