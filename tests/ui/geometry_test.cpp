#include <gtest/gtest.h>

#include <cmath>

#include "game/board.h"
#include "game/settings.h"
#include "scene_doubles.h"
#include "ui/board_geometry.h"
#include "ui/presentation.h"

namespace vellara {
namespace {

using testing::Sq;

class GeometryTest : public testing::SceneTest {
 protected:
  void SetUp() override {
    SceneTest::SetUp();
    NewGame();
  }
};

TEST_F(GeometryTest, SquareCentres) {
  EXPECT_EQ(SquareCentre(64), (Point{492, 577}));
  EXPECT_EQ(SquareCentre(64, {0, 0}), (Point{492, 577}));
  EXPECT_EQ(SquareCentre(64, {13, 73}), (Point{505, 650}));
  EXPECT_EQ(SquareCentre(1), (Point{306, 263}));  // 30.5 and 12.5 round to even
  EXPECT_EQ(SquareCentre(0), (Point{0, 0}));
  EXPECT_EQ(SquareCentre(65), (Point{0, 0}));
}

TEST_F(GeometryTest, SquareAtPointByBackground) {
  EXPECT_EQ(SquareAtPoint(492, 577), 64);
  EXPECT_EQ(SquareAtPoint(900, 100), 0);
  EXPECT_EQ(SquareAtPoint(-5, -5), 0);
  Settings().Background = 2;
  EXPECT_EQ(SquareAtPoint(505, 650), 64);
  EXPECT_EQ(SquareAtPoint(SquareCentre(Sq("a8")).x, SquareCentre(Sq("a8")).y), Sq("a8"));
  Settings().Background = 1;
}

TEST_F(GeometryTest, EveryCentreIsInsideItsOwnSquare) {
  for (Point origin : {Point{0, 0}, Point{13, 73}}) {
    for (int s = 1; s <= 64; ++s) {
      const Point c = SquareCentre(s, origin);
      EXPECT_EQ(SquareAtPoint(c.x, c.y, origin), s) << s;
    }
  }
}

TEST_F(GeometryTest, SharedEdgesAndOverlapsBelongToOneSquare) {
  // Along a shared edge, every point is found in exactly one of the neighbours.
  const auto& table = FigureBoardTable();
  for (int s = 1; s <= 64; ++s) {
    if (s % 8 == 0) continue;
    const SquareCorners& q = table[static_cast<std::size_t>(s - 1)];
    const SquareCorners& n = table[static_cast<std::size_t>(s)];
    if (!(q.right == n.top) || !(q.bottom == n.left)) continue;
    for (int t = 1; t < 4; ++t) {
      const int x = q.right.x + (q.bottom.x - q.right.x) * t / 4;
      const int y = q.right.y + (q.bottom.y - q.right.y) * t / 4;
      const int found = SquareAtPoint(x, y, {0, 0});
      EXPECT_TRUE(found == s || found == s + 1) << s << " " << x << "," << y;
    }
  }
}

TEST_F(GeometryTest, ExactEdgesAndOverlaps) {
  struct Case {
    int x, y, square;
  };
  const Case cases[] = {
      {384, 355, 29},  // exactly on the edge d5 and e5 share: only e5 has it
      {383, 355, 28}, {385, 355, 29},
      {182, 524, 59},  // inside both c1 and d1, which overlap by a pixel: the lower wins
      {190, 515, 59},
  };
  for (const Case& c : cases) EXPECT_EQ(SquareAtPoint(c.x, c.y, {0, 0}), c.square) << c.x;
  // The same with the Town background's offset.
  EXPECT_EQ(SquareAtPoint(182 + 13, 524 + 73, {13, 73}), 59);
}

TEST_F(GeometryTest, RowScaleAndPlacement) {
  EXPECT_DOUBLE_EQ(RowScale(314), 0.6 * 0.59);
  EXPECT_NEAR(RowScale(0), 0.2 * 0.59, 1e-3);
  EXPECT_DOUBLE_EQ(RowScale(628), (0.6 + 314 / 785.0) * 0.59);
  Scene().FigureScale = 1.0;
  const FigurePlacement p = PlaceFigure(6, {492, 577});
  const double k = RowScale(577);
  EXPECT_DOUBLE_EQ(p.scale, k);
  EXPECT_EQ(p.topLeft.x, 492 - static_cast<int>(std::nearbyint(35 * k)));
  EXPECT_EQ(p.topLeft.y, 577 - static_cast<int>(std::nearbyint(173 * k)));
}

TEST_F(GeometryTest, PiecePatternsAndAnchors) {
  const std::pair<int, int> patterns[] = {{1, 0}, {6, 5}, {-1, 6}, {-6, 11}, {0, 5}};
  for (const auto& [code, pattern] : patterns) EXPECT_EQ(PiecePattern(code), pattern) << code;
  EXPECT_EQ(PieceAnchor(-6), (Point{54, 174}));
  EXPECT_EQ(PieceAnchor(5), (Point{46, 188}));
  EXPECT_EQ(PieceAnchor(0), (Point{0, 0}));
  EXPECT_EQ(PieceAnchor(9), (Point{0, 0}));
  EXPECT_EQ(PieceAnchor(-9), (Point{0, 0}));
}

TEST_F(GeometryTest, ClassicBoardLayout) {
  EXPECT_EQ(ClassicBoardPattern(2, 2), 0);
  EXPECT_EQ(ClassicBoardPattern(2, 1), 1);
  EXPECT_EQ(ClassicBoardPattern(3, 2), 2);
  EXPECT_EQ(ClassicBoardPattern(3, 1), 3);
  EXPECT_EQ(ClassicBoardPattern(1, 1), -1);
  EXPECT_EQ(ClassicBoardPattern(1, 2), -1);
  // At 100 %: a 40-pixel border and 90-pixel squares. Orientation 1 turns the board.
  PointF a8 = ClassicPiecePosition(1, 2, 100);
  EXPECT_DOUBLE_EQ(a8.x, 50.0);
  EXPECT_DOUBLE_EQ(a8.y, 104.0);
  PointF h1 = ClassicPiecePosition(64, 1, 100);
  EXPECT_DOUBLE_EQ(h1.x, 50.0);
  EXPECT_DOUBLE_EQ(h1.y, 104.0);
  PointF a8Turned = ClassicPiecePosition(1, 1, 100);
  EXPECT_DOUBLE_EQ(a8Turned.x, 50.0 + 630.0);
  EXPECT_DOUBLE_EQ(a8Turned.y, 104.0 + 630.0);
  PointF b8Small = ClassicPiecePosition(2, 2, 27);
  EXPECT_DOUBLE_EQ(b8Small.x, 10 + 40 * 0.27 + 90 * 0.27);
}

}  // namespace
}  // namespace vellara
