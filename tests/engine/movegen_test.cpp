#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "engine/make_move.h"
#include "engine/movegen.h"
#include "reference_generator.h"
#include "test_support.h"

namespace vellara {
namespace {

using testing::CellAt;
using testing::Load;
using testing::MoveTexts;
using testing::ReferenceGenerator;
using testing::ScopedVellaraMode;

using Texts = std::vector<std::string>;

bool Lists(const EnginePosition& position, const std::string& text) {
  const Texts texts = MoveTexts(position);
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

const EngineMove* FindMove(const EnginePosition& position, const char* from, const char* to,
                           int kind = 0) {
  for (int i = 0; i < MoveCount(position); ++i) {
    const EngineMove& m = position.moveList[static_cast<std::size_t>(i)];
    if (m.from == CellAt(from) && m.to == CellAt(to) && (kind == 0 || m.kind == kind)) return &m;
  }
  return nullptr;
}

TEST(GenerateMovesTest, StartingPositionOrder) {
  auto position = Load("startpos");
  EXPECT_EQ(MoveTexts(*position),
            (Texts{"a3", "a4", "b3", "b4", "Nc3", "Na3", "c3",  "c4",  "d3", "d4",
                   "e3", "e4", "f3", "f4", "g3",  "g4",  "Nh3", "Nf3", "h3", "h4"}));
  for (int i = 0; i < MoveCount(*position); ++i) EXPECT_EQ(MoveAt(*position, i).flags, 0);
  // The Brunettes' list follows their own slot order: a7 pawn, then the b8 knight.
  position = Load("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b - - 0 1");
  const Texts brunettes = MoveTexts(*position);
  ASSERT_EQ(brunettes.size(), 20u);
  EXPECT_EQ(Texts(brunettes.begin(), brunettes.begin() + 4), (Texts{"a6", "a5", "Na6", "Nc6"}));
}

TEST(GenerateMovesTest, PromotionsComeKnightFirstAndTacticalListIsReversed) {
  // The Blondes pawn on b7 can push to b8 or take on a8 and c8.
  auto position = Load("r1n4k/1P6/8/8/8/8/8/7K w - - 0 1");
  const Texts texts = MoveTexts(*position);
  // Quiet king moves first, then the tactical buffer last-generated first:
  // b8 (N B R Q), then ba (N B R Q), then bc (N B R Q) reversed.
  ASSERT_GE(texts.size(), 12u);
  const Texts tail(texts.end() - 12, texts.end());
  EXPECT_EQ(tail, (Texts{"bcQ+", "bcR+", "bcB", "bcN", "baQ", "baR", "baB", "baN", "b8Q", "b8R",
                         "b8B", "b8N"}));
  const EngineMove* capture = FindMove(*position, "b7", "a8", kKnight);
  ASSERT_NE(capture, nullptr);
  EXPECT_EQ(capture->special, 1);
  EXPECT_EQ(capture->captured, kRook);
  EXPECT_EQ(capture->flags & kFlagGoodCapture, kFlagGoodCapture);  // rook >= knight
  const EngineMove* queenTakesRook = FindMove(*position, "b7", "a8", kQueen);
  ASSERT_NE(queenTakesRook, nullptr);
  EXPECT_EQ(queenTakesRook->flags & kFlagGoodCapture, 0);  // rook < queen
  // The Brunettes promote on rank 1.
  position = Load("k7/8/8/8/8/8/6p1/K7 b - - 0 1");
  EXPECT_TRUE(Lists(*position, "g1N"));
  EXPECT_TRUE(Lists(*position, "g1Q+"));  // checks along rank 1
}

TEST(GenerateMovesTest, NoEnPassant) {
  // The Brunettes just played d7-d5 beside the Blondes pawn on e5.
  auto position = Load("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
  EXPECT_FALSE(Lists(*position, "ed"));
  EXPECT_EQ(FindMove(*position, "e5", "d6"), nullptr);
}

TEST(GenerateMovesTest, CastlingFromThePresentBoard) {
  struct Case {
    const char* name;
    const char* fen;
    bool kingSide;
    bool queenSide;
  };
  const Case cases[] = {
      // The board alone decides: the FEN's castling field is ignored, so a king and rook
      // that moved away and back still castle.
      {"both free", "4k3/8/8/8/8/8/8/R3K2R w - - 0 1", true, true},
      {"rook cell h1 attacked", "4k2r/8/8/8/8/8/8/R3K2R w - - 0 1", false, true},
      {"b1 attacked, king never crosses it", "4k3/8/8/8/8/n7/8/R3K2R w - - 0 1", true, false},
      {"a1 attacked", "r3k3/8/8/8/8/8/8/R3K2R w - - 0 1", true, false},
      {"king in check", "4k3/8/8/8/8/8/4r3/R3K2R w - - 0 1", false, false},
      {"f1 attacked", "4k3/8/8/8/8/8/5r2/R3K2R w - - 0 1", false, true},
      {"d1 attacked", "4k3/8/8/8/8/8/3r4/R3K2R w - - 0 1", true, false},
      {"g1 occupied", "4k3/8/8/8/8/8/8/R3K1NR w - - 0 1", false, true},
      {"b1 occupied", "4k3/8/8/8/8/8/8/RN2K2R w - - 0 1", true, false},
      {"a rook of the other army on the corner", "4k3/8/8/8/8/8/8/r3K2r w - - 0 1", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto position = Load(c.fen);
    EXPECT_EQ(Lists(*position, "0-0") || Lists(*position, "0-0+"), c.kingSide);
    EXPECT_EQ(Lists(*position, "0-0-0") || Lists(*position, "0-0-0+"), c.queenSide);
  }
}

TEST(GenerateMovesTest, CastlingOrderAndOpenFiles) {
  // Brunettes rooks on the open a- and h-files attack a1 and h1: no castling.
  auto position = Load("r3k2r/8/8/8/8/8/8/R3K2R w - - 0 1");
  EXPECT_FALSE(Lists(*position, "0-0"));
  EXPECT_FALSE(Lists(*position, "0-0-0"));
  // Without them both are listed, queen side first in the last two slots, so the search
  // (reading from the end) tries king side first.
  position = Load("4k3/8/8/8/8/8/8/R3K2R w - - 0 1");
  const Texts texts = MoveTexts(*position);
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[texts.size() - 2], "0-0-0");
  EXPECT_EQ(texts[texts.size() - 1], "0-0");
  const EngineMove* castle = FindMove(*position, "e1", "g1");
  ASSERT_NE(castle, nullptr);
  EXPECT_EQ(castle->special, 1);
  EXPECT_EQ(castle->kind, kKing);
}

TEST(GenerateMovesTest, CastlingAfterKingAndRookMovedAwayAndBack) {
  auto position = Load("4k3/8/8/8/8/8/8/4K2R w - - 0 1");
  const auto play = [&](const char* from, const char* to) {
    const EngineMove* move = FindMove(*position, from, to);
    ASSERT_NE(move, nullptr) << from << to;
    const Army mover = position->At(move->from).army;
    MakeMove(*position, *move);
    position->MoveCount = GenerateMoves(*position, static_cast<Army>(-mover));
  };
  play("e1", "f1");
  play("e8", "d8");
  play("h1", "h2");
  play("d8", "e8");
  play("f1", "e1");
  play("e8", "d8");
  play("h2", "h1");
  play("d8", "e8");
  EXPECT_NE(FindMove(*position, "e1", "g1"), nullptr);
}

TEST(GenerateMovesTest, ABlondesKingOnE8CastlesToo) {
  auto position = Load("4K2R/8/8/8/8/8/8/k7 w - - 0 1");
  const EngineMove* castle = FindMove(*position, "e8", "g8");
  ASSERT_NE(castle, nullptr);
  EXPECT_EQ(castle->special, 1);
}

TEST(GenerateMovesTest, CastlingRookGivingCheckIsFlagged) {
  // After 0-0 the rook on f1 checks the king on f8.
  auto position = Load("5k2/8/8/8/8/8/8/4K2R w - - 0 1");
  EXPECT_TRUE(Lists(*position, "0-0+"));
}

TEST(GenerateMovesTest, VellaraModeQueenJumps) {
  const char* fen = "4k3/8/8/8/3Q4/8/8/4K3 w - - 0 1";
  const char* jumps[] = {"b3", "b5", "c2", "c6", "e2", "e6", "f3", "f5"};
  {
    ScopedVellaraMode mode(false);
    auto position = Load(fen);
    for (const char* to : jumps) EXPECT_EQ(FindMove(*position, "d4", to), nullptr) << to;
  }
  {
    ScopedVellaraMode mode(true);
    auto position = Load(fen);
    for (const char* to : jumps) EXPECT_NE(FindMove(*position, "d4", to), nullptr) << to;
  }
  // A king a knight's jump from an enemy queen is in check only in Vellara Mode.
  const char* check = "4k3/8/3Q4/8/8/8/8/4K3 b - - 0 1";
  {
    ScopedVellaraMode mode(false);
    auto position = Load(check);
    EXPECT_FALSE(IsAttacked(*position, CellAt("e8"), kBlondes));
    EXPECT_EQ(MoveAt(*position, 0).flags & kFlagInCheck, 0);
  }
  {
    ScopedVellaraMode mode(true);
    auto position = Load(check);
    EXPECT_TRUE(IsAttacked(*position, CellAt("e8"), kBlondes));
    for (int i = 0; i < MoveCount(*position); ++i)
      EXPECT_EQ(MoveAt(*position, i).flags & kFlagInCheck, kFlagInCheck);
  }
}

TEST(GenerateMovesTest, NoMoveLeavesTheKingAttacked) {
  // The bishop on e2 is pinned by the rook on e8; the king may not step next to the other.
  auto position = Load("4r3/8/8/8/8/2k5/4B3/4K3 w - - 0 1");
  for (int i = 0; i < MoveCount(*position); ++i) {
    const EngineMove m = MoveAt(*position, i);
    EXPECT_NE(m.from, CellAt("e2")) << MoveText(m);
    EXPECT_NE(m.to, CellAt("d2")) << MoveText(m);
  }
  // A pinned rook still moves along the pin line, and may take the pinner.
  position = Load("4r3/8/8/8/8/8/4R3/4K2k w - - 0 1");
  EXPECT_TRUE(Lists(*position, "R:e8"));
  EXPECT_TRUE(Lists(*position, "Re5"));
  EXPECT_FALSE(Lists(*position, "Rd2"));
}

TEST(GenerateMovesTest, FlagsOfChecksAndEvasions) {
  // Side in check: flag 4 on every listed move.
  auto position = Load("4k3/8/8/8/8/8/4r3/4K3 w - - 0 1");
  ASSERT_GT(MoveCount(*position), 0);
  for (int i = 0; i < MoveCount(*position); ++i)
    EXPECT_EQ(MoveAt(*position, i).flags & kFlagInCheck, kFlagInCheck);
  // A quiet move onto a check-map cell of its kind goes to the tactical list with flag 1.
  position = Load("4k3/8/8/8/8/8/8/R3K3 w - - 0 1");
  const EngineMove* check = FindMove(*position, "a1", "a8");
  ASSERT_NE(check, nullptr);
  EXPECT_EQ(check->flags, kFlagGivesCheck);
  const EngineMove* quiet = FindMove(*position, "a1", "a7");
  ASSERT_NE(quiet, nullptr);
  EXPECT_EQ(quiet->flags, 0);
  // Discovered checks are not seen by the map.
  position = Load("4k3/8/8/8/4N3/8/8/4R1K1 w - - 0 1");
  const EngineMove* discovered = FindMove(*position, "e4", "c5");
  ASSERT_NE(discovered, nullptr);
  EXPECT_EQ(discovered->flags & kFlagGivesCheck, 0);
  // In normal mode a queen landing a knight's jump from the king is marked all the same.
  position = Load("4k3/8/8/8/8/8/8/3QK3 w - - 0 1");
  const EngineMove* jumpCell = FindMove(*position, "d1", "d6");
  ASSERT_NE(jumpCell, nullptr);
  EXPECT_EQ(jumpCell->flags & kFlagGivesCheck, kFlagGivesCheck);
}

TEST(BuildCheckMapTest, MarksCellsAroundTheKing) {
  auto position = Load("8/8/8/3p4/4k3/8/8/K7 w - - 0 1");
  position->checkMap.fill(0);
  BuildCheckMap(*position, kBrunettes);
  const auto bits = [&](const char* cell) { return position->checkMap[CellAt(cell)]; };
  // Blondes pawns attack upwards: from d3 and f3 they would hit e4.
  EXPECT_EQ(bits("d3") & 1, 1);
  EXPECT_EQ(bits("f3") & 1, 1);
  EXPECT_EQ(bits("d5") & 1, 0);
  EXPECT_EQ(bits("f6") & (2 | 16), 2 | 16);  // knight and queen bits on a knight's jump
  EXPECT_EQ(bits("e8") & 8, 8);              // rook ray up the e-file
  EXPECT_EQ(bits("d5") & 4, 4);              // first occupied cell of a ray is marked
  EXPECT_EQ(bits("c6") & 4, 0);              // and the ray stops there
  EXPECT_EQ(bits("e5") & 32, 32);            // king bit on the neighbours
  EXPECT_EQ(bits("h1"), 4 | 16);             // the long diagonal: bishop and queen
}

// Plays random games, comparing every list with the reference reading, the fast count
// with the list, and make/unmake with a byte-for-byte copy.
class RandomPlayoutTest : public ::testing::TestWithParam<bool> {};

TEST_P(RandomPlayoutTest, ListsCountsAndUnmakeAgree) {
  ScopedVellaraMode mode(GetParam());
  std::mt19937 random(GetParam() ? 7u : 11u);
  const char* starts[] = {
      "startpos",
      "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w - - 0 1",
      "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w - - 0 1",
      "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
      "4k3/1P4P1/8/8/8/8/1p4p1/4K3 w - - 0 1",
  };
  auto position = std::make_unique<EnginePosition>();
  auto before = std::make_unique<EnginePosition>();
  int checked = 0;
  for (int game = 0; game < 40; ++game) {
    const FenPosition start = testing::Fen(starts[game % 5]);
    LoadPosition(*position, start.snapshot, start.side);
    Army side = start.side;
    for (int ply = 0; ply < 120; ++ply) {
      const std::vector<EngineMove> expected = ReferenceGenerator::Generate(*position, side);
      const int count = GenerateMoves(*position, side);
      ASSERT_EQ(count, static_cast<int>(expected.size()));
      ASSERT_TRUE(std::equal(expected.begin(), expected.end(), position->moveList.begin()));
      ASSERT_EQ(CountLegalMoves(*position, side), count);
      if (count == 0) break;
      const MoveList moves = position->moveList;
      // Every listed move must make and unmake exactly.
      for (int i = 0; i < count; ++i) {
        const EngineMove& m = moves[static_cast<std::size_t>(i)];
        *before = *position;
        MakeMove(*position, m);
        if (m.captured != 0) {
          const SquareCell& victimCell = before->board[m.to];
          EXPECT_EQ(position->Pieces(victimCell.army)[victimCell.slot].kind, 0);
        }
        UnmakeMove(*position, m);
        ASSERT_EQ(std::memcmp(&position->board, &before->board, sizeof(position->board)), 0)
            << MoveText(m);
        ASSERT_EQ(
            std::memcmp(&position->pieceLists, &before->pieceLists, sizeof(position->pieceLists)),
            0)
            << MoveText(m);
        ++checked;
      }
      const EngineMove chosen = moves[random() % static_cast<unsigned>(count)];
      if (chosen.captured == kKing) break;
      MakeMove(*position, chosen);
      side = static_cast<Army>(-side);
    }
  }
  EXPECT_GT(checked, 10000);
}

INSTANTIATE_TEST_SUITE_P(VellaraModeOffAndOn, RandomPlayoutTest, ::testing::Bool());

TEST(MakeMoveTest, CastlingAndPromotionUpdateCellsAndSlots) {
  auto position = Load("4k3/1P6/8/8/8/8/8/4K2R w - - 0 1");
  const EngineMove castle = *FindMove(*position, "e1", "g1");
  const std::uint8_t rookSlot = position->At(CellAt("h1")).slot;
  MakeMove(*position, castle);
  EXPECT_EQ(position->At(CellAt("g1")).kind, kKing);
  EXPECT_EQ(position->At(CellAt("f1")).kind, kRook);
  EXPECT_EQ(position->KingCell(kBlondes), CellAt("g1"));
  EXPECT_EQ(position->Pieces(kBlondes)[rookSlot].square, CellAt("f1"));
  UnmakeMove(*position, castle);

  LoadPosition(*position, testing::Fen("4k3/1P6/8/8/8/8/8/4K2R w - - 0 1").snapshot, kBlondes);
  const EngineMove knight = *FindMove(*position, "b7", "b8", kKnight);
  const std::uint8_t pawnSlot = position->At(CellAt("b7")).slot;
  MakeMove(*position, knight);
  EXPECT_EQ(position->At(CellAt("b8")).kind, kKnight);
  EXPECT_EQ(position->Pieces(kBlondes)[pawnSlot].kind, kKnight);
  UnmakeMove(*position, knight);
  EXPECT_EQ(position->At(CellAt("b7")).kind, kPawn);
  EXPECT_EQ(position->Pieces(kBlondes)[pawnSlot].kind, kPawn);
  EXPECT_EQ(position->Pieces(kBlondes)[pawnSlot].square, CellAt("b7"));
}

TEST(MakeMoveTest, TakenBackCaptureReturnsToItsSlot) {
  auto position = Load("4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1");
  const std::uint8_t victimSlot = position->At(CellAt("d5")).slot;
  const EngineMove capture = *FindMove(*position, "e4", "d5");
  MakeMove(*position, capture);
  EXPECT_EQ(position->Pieces(kBrunettes)[victimSlot].kind, 0);
  EXPECT_EQ(position->Pieces(kBrunettes)[victimSlot].square, CellAt("d5"));
  UnmakeMove(*position, capture);
  EXPECT_EQ(position->Pieces(kBrunettes)[victimSlot].kind, kPawn);
  EXPECT_EQ(position->At(CellAt("d5")).slot, victimSlot);
  EXPECT_EQ(position->At(CellAt("d5")).army, kBrunettes);
}

TEST(GenerateMovesTest, CapsAt255Moves) {
  // Fifteen Blondes queens in Vellara Mode have 274 moves, more than the lists hold.
  ScopedVellaraMode mode(true);
  auto position = Load("k1QQ4/Q4Q2/2Q4Q/1Q2QQ2/1Q6/8/Q7/K1QQQ1Q1 w - - 0 1");
  EXPECT_EQ(MoveCount(*position), kMaxGeneratedMoves);
  EXPECT_EQ(CountLegalMoves(*position, kBlondes), kMaxGeneratedMoves);
  const std::vector<EngineMove> expected = ReferenceGenerator::Generate(*position, kBlondes);
  EXPECT_EQ(expected.size(), 255u);
}

}  // namespace
}  // namespace vellara
