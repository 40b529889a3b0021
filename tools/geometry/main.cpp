// vellara-geometry [OUTPUT]: writes the game's board geometry as JSON to OUTPUT or stdout.
//
//   squares  64 entries a8..h1, each {"top":[x,y],"left":..,"bottom":..,"right":..}
//   centres  64 stand points of the figures on background 1
//   anchors  12 entries in pattern order (white pawn..king, black pawn..king): [x,y]
//   origins  board offsets of background 1 and 2
//   classic  the classic board's frame and square size at scale 1
#include <fstream>
#include <iostream>

#include "ui/board_geometry.h"

namespace vellara {
namespace {

// Writes a point as a JSON pair.
struct Pair {
  Point p;
  friend std::ostream& operator<<(std::ostream& out, Pair v) {
    return out << '[' << v.p.x << ',' << v.p.y << ']';
  }
};

void WriteGeometry(std::ostream& out) {
  out << "{\n  \"squares\": [\n";
  const auto& table = FigureBoardTable();
  for (std::size_t i = 0; i < table.size(); ++i) {
    const SquareCorners& q = table[i];
    out << "    {\"top\":" << Pair{q.top} << ",\"left\":" << Pair{q.left}
        << ",\"bottom\":" << Pair{q.bottom} << ",\"right\":" << Pair{q.right} << "}"
        << (i + 1 < table.size() ? ",\n" : "\n");
  }
  out << "  ],\n  \"centres\": [";
  for (int s = 1; s <= 64; ++s) out << Pair{SquareCentre(s, {})} << (s < 64 ? "," : "");
  out << "],\n  \"anchors\": [";
  // Pattern p shows code p + 1 for p < 6 and -(p - 5) after.
  for (int p = 0; p < 12; ++p) {
    const int code = p < 6 ? p + 1 : -(p - 5);
    out << Pair{PieceAnchor(code)} << (p < 11 ? "," : "");
  }
  const PointF first = ClassicPiecePosition(1, 2, 100);
  const PointF second = ClassicPiecePosition(2, 2, 100);
  out << "],\n  \"origins\": [[0,0],[13,73]],\n"
      << "  \"classic\": {\"frame\":" << first.x - kClassicBoardTopLeft.x
      << ",\"square\":" << second.x - first.x << "}\n}\n";
}

}  // namespace
}  // namespace vellara

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: vellara-geometry [OUTPUT]\n";
    return 2;
  }
  if (argc == 1) {
    vellara::WriteGeometry(std::cout);
    return std::cout ? 0 : 1;
  }
  std::ofstream out(argv[1], std::ios::trunc);
  vellara::WriteGeometry(out);
  out.close();
  if (!out) {
    std::cerr << "vellara-geometry: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
