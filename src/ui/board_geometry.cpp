#include "ui/board_geometry.h"

#include <cmath>

#include "ui/presentation.h"

namespace vellara {
namespace {

constexpr std::array<SquareCorners, 64> kFigureBoard = {{
    {{301, 251}, {276, 272}, {314, 276}, {337, 255}},  // a8
    {{337, 255}, {314, 276}, {353, 280}, {375, 258}},
    {{375, 258}, {353, 280}, {392, 284}, {412, 262}},
    {{412, 262}, {393, 284}, {436, 289}, {454, 266}},
    {{454, 266}, {436, 289}, {479, 293}, {495, 270}},
    {{495, 270}, {480, 293}, {527, 298}, {540, 275}},
    {{540, 275}, {527, 298}, {576, 303}, {587, 279}},
    {{587, 279}, {576, 304}, {627, 309}, {636, 284}},  // h8
    {{277, 272}, {253, 292}, {292, 297}, {315, 276}},  // a7
    {{315, 276}, {293, 297}, {332, 302}, {354, 280}},
    {{354, 280}, {332, 302}, {373, 307}, {393, 284}},
    {{392, 285}, {372, 307}, {418, 312}, {436, 289}},
    {{436, 289}, {418, 312}, {463, 318}, {479, 293}},
    {{479, 294}, {463, 318}, {512, 324}, {527, 299}},
    {{527, 299}, {512, 324}, {563, 330}, {576, 304}},
    {{576, 304}, {564, 330}, {618, 337}, {627, 309}},
    {{254, 292}, {226, 316}, {267, 321}, {293, 297}},  // a6
    {{293, 297}, {266, 322}, {307, 327}, {332, 302}},
    {{332, 302}, {306, 328}, {349, 333}, {372, 307}},
    {{373, 307}, {349, 334}, {396, 340}, {418, 312}},
    {{418, 312}, {396, 340}, {443, 347}, {463, 318}},
    {{463, 318}, {443, 347}, {495, 354}, {512, 324}},
    {{512, 324}, {495, 354}, {549, 362}, {563, 330}},
    {{563, 331}, {549, 362}, {606, 370}, {618, 337}},
    {{226, 316}, {196, 342}, {237, 349}, {265, 322}},  // a5
    {{266, 322}, {236, 349}, {279, 356}, {307, 328}},
    {{307, 328}, {280, 355}, {324, 362}, {349, 334}},
    {{349, 334}, {324, 362}, {372, 370}, {396, 340}},
    {{396, 340}, {372, 370}, {422, 378}, {443, 347}},
    {{444, 347}, {422, 378}, {476, 386}, {495, 354}},
    {{495, 354}, {477, 386}, {533, 395}, {549, 362}},
    {{549, 362}, {534, 395}, {594, 405}, {606, 370}},
    {{195, 342}, {161, 372}, {203, 380}, {236, 349}},  // a4
    {{236, 349}, {203, 380}, {247, 388}, {280, 355}},
    {{279, 356}, {247, 388}, {294, 396}, {324, 362}},
    {{324, 363}, {295, 396}, {344, 405}, {372, 370}},
    {{372, 370}, {344, 405}, {397, 415}, {422, 378}},
    {{423, 378}, {397, 415}, {454, 425}, {476, 386}},
    {{476, 387}, {454, 425}, {515, 436}, {533, 396}},
    {{533, 396}, {515, 436}, {579, 448}, {594, 405}},
    {{161, 372}, {124, 404}, {167, 413}, {203, 380}},  // a3
    {{203, 380}, {168, 413}, {213, 423}, {248, 388}},
    {{248, 388}, {213, 423}, {262, 433}, {294, 396}},
    {{294, 396}, {262, 433}, {314, 444}, {344, 405}},
    {{344, 405}, {314, 444}, {370, 456}, {397, 415}},
    {{397, 415}, {370, 456}, {429, 469}, {454, 425}},
    {{454, 425}, {429, 469}, {494, 482}, {515, 436}},
    {{515, 436}, {494, 483}, {562, 497}, {579, 448}},
    {{124, 404}, {81, 441}, {125, 452}, {167, 413}},  // a2
    {{167, 413}, {126, 452}, {174, 463}, {213, 423}},
    {{213, 423}, {174, 463}, {224, 476}, {262, 433}},
    {{262, 433}, {225, 475}, {278, 489}, {313, 444}},
    {{314, 444}, {279, 488}, {338, 503}, {370, 456}},
    {{370, 456}, {338, 503}, {401, 518}, {429, 469}},
    {{429, 469}, {401, 518}, {470, 534}, {494, 482}},
    {{494, 482}, {470, 534}, {543, 552}, {562, 497}},
    {{81, 441}, {32, 483}, {78, 496}, {125, 452}},  // a1
    {{126, 452}, {78, 496}, {128, 510}, {174, 463}},
    {{174, 463}, {128, 510}, {182, 525}, {224, 476}},
    {{225, 476}, {181, 525}, {238, 540}, {278, 489}},
    {{278, 489}, {238, 540}, {301, 558}, {338, 503}},
    {{338, 503}, {301, 558}, {368, 576}, {401, 518}},
    {{401, 518}, {368, 577}, {441, 597}, {470, 534}},
    {{470, 535}, {441, 597}, {520, 619}, {543, 552}},  // h1
}};

constexpr std::array<Point, 13> kPieceAnchors = {{
    {54, 174},
    {47, 173},
    {27, 169},
    {39, 174},
    {42, 174},
    {49, 169},
    {0, 0},
    {43, 171},
    {34, 180},
    {28, 175},
    {32, 173},
    {46, 188},
    {35, 173},
}};

// Ties to even, the rounding of the scene's arithmetic.
int Round(double v) {
  return static_cast<int>(std::nearbyint(v));
}

// Even-odd ray test towards +x; an edge counts when exactly one end lies above py.
bool EdgeCrosses(Point a, Point b, double px, double py) {
  const bool aAbove = a.y < py;
  const bool bAbove = b.y < py;
  if (aAbove == bAbove) return false;
  const double crossX = a.x + (b.x - a.x) * (py - a.y) / (b.y - a.y);
  return px < crossX;
}

bool InsideSquare(const SquareCorners& q, double px, double py) {
  int crossings = 0;
  crossings += EdgeCrosses(q.top, q.left, px, py) ? 1 : 0;
  crossings += EdgeCrosses(q.left, q.bottom, px, py) ? 1 : 0;
  crossings += EdgeCrosses(q.bottom, q.right, px, py) ? 1 : 0;
  crossings += EdgeCrosses(q.right, q.top, px, py) ? 1 : 0;
  return crossings % 2 == 1;
}

}  // namespace

const std::array<SquareCorners, 64>& FigureBoardTable() {
  return kFigureBoard;
}

int SquareAtPoint(int x, int y, Point origin) {
  const double px = x - origin.x;
  const double py = y - origin.y;
  for (int s = 1; s <= 64; ++s) {
    if (InsideSquare(kFigureBoard[static_cast<std::size_t>(s - 1)], px, py)) return s;
  }
  return 0;
}

Point SquareCentre(int square, Point origin) {
  if (square < 1 || square > 64) return {};
  const SquareCorners& q = kFigureBoard[static_cast<std::size_t>(square - 1)];
  return {q.left.x + Round((q.right.x - q.left.x) / 2.0) + origin.x,
          q.top.y + Round((q.bottom.y - q.top.y) / 2.0) + origin.y};
}

double RowScale(int y) {
  return (0.6 + (y - 314) / 785.0) * Scene().FigureScale;
}

int PiecePattern(int code) {
  if (code > 0) return code - 1;
  if (code < 0) return -code + 5;
  return 5;
}

Point PieceAnchor(int code) {
  if (code < -6 || code > 6) return {};
  return kPieceAnchors[static_cast<std::size_t>(code + 6)];
}

FigurePlacement PlaceFigure(int code, Point stand) {
  const double k = RowScale(stand.y);
  const Point anchor = PieceAnchor(code);
  return {{stand.x - Round(anchor.x * k), stand.y - Round(anchor.y * k)}, k};
}

int ClassicBoardPattern(int style, int orientation) {
  if (style != 2 && style != 3) return -1;
  const int base = style == 2 ? 0 : 2;
  return orientation == 1 ? base + 1 : base;
}

PointF ClassicPiecePosition(int square, int orientation, int size) {
  const double f = size / 100.0;
  const int q = square - 1;
  const int file = q % 8;
  const int row = q / 8;
  const int column = orientation == 1 ? 7 - file : file;
  const int line = orientation == 1 ? 7 - row : row;
  return {kClassicBoardTopLeft.x + 40.0 * f + 90.0 * column * f,
          kClassicBoardTopLeft.y + 40.0 * f + 90.0 * line * f};
}

}  // namespace vellara
