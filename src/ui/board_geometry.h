// Both boards' geometry: the perspective figure board's squares in scene pixels (the only
// board that takes clicks), the figures' scale by row and their anchors, the sprite pattern
// of each piece code, and the small classic board's layout.
#pragma once

#include <array>

namespace vellara {

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct PointF {
  double x = 0.0;
  double y = 0.0;
};

// A figure-board square for background 1: the corners with the least y, least x, greatest y
// and greatest x.
struct SquareCorners {
  Point top;
  Point left;
  Point bottom;
  Point right;
};

// Squares 1 (a8) .. 64 (h1) at index square - 1.
const std::array<SquareCorners, 64>& FigureBoardTable();

// The square containing the scene point when the board is shifted by `origin`, 0 if none.
// Squares are tested in order 1..64, so where neighbours overlap the lower number wins.
int SquareAtPoint(int x, int y, Point origin);

// The point a figure on `square` stands on; (0, 0) for a square outside 1..64.
Point SquareCentre(int square, Point origin);

// Scale of a figure whose anchor stands at scene row y, for the current FigureScale.
double RowScale(int y);

// Pattern 0..11 in every piece image: white pawn..king 0..5, black pawn..king 6..11; 5 for 0.
int PiecePattern(int code);

// Pixel of the unscaled figure sprite that stands on the square's centre; (0, 0) for 0 and
// for codes outside -6..6.
Point PieceAnchor(int code);

// Top-left corner and scale of a figure sprite standing at `stand`.
struct FigurePlacement {
  Point topLeft;
  double scale = 0.0;
};
FigurePlacement PlaceFigure(int code, Point stand);

// Classic board: the "classic" pattern for style 2 (Wood) or 3 (Marble) and orientation
// 1 or 2; -1 when no board is drawn (style 1 or a value outside the table).
int ClassicBoardPattern(int style, int orientation);
inline constexpr PointF kClassicBoardTopLeft = {10.0, 64.0};
// Top-left corner of the "piece_2" sprite of `square` at size percent `size`.
PointF ClassicPiecePosition(int square, int orientation, int size);

}  // namespace vellara
