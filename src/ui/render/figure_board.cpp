#include "ui/render/figure_board.h"

#include <array>
#include <cstdint>

#include "game/board.h"
#include "game/turn.h"
#include "gfx/gfx_canvas.h"
#include "ui/board_geometry.h"
#include "ui/presentation.h"
#include "ui/render/render_context.h"

namespace vellara {
namespace {

bool OnBoard(int square) {
  return square >= 1 && square <= 64;
}

const SquareCorners& CornersOf(int square) {
  return FigureBoardTable()[static_cast<std::size_t>(square - 1)];
}

Point Shifted(Point p, Point origin) {
  return {p.x + origin.x, p.y + origin.y};
}

}  // namespace

void DrawFigureBoard(const RenderContext& r) {
  const GameState& game = Game();
  if (game.turnState == TurnState::PlayerMove) {
    const int selected = game.SelectedSquare;
    const int hover = game.HoverSquare;
    if (selected > 0) DrawSquareHighlight(r, selected, HighlightKind::kSelected);
    if (hover > 0 && selected > 0 && hover != selected) {
      if (IsTarget(hover)) {
        DrawSquareHighlight(r, hover, HighlightKind::kPlain);
      } else {
        DrawSquareCross(r, hover);
      }
    }
    if (hover > 0 && selected == 0) DrawSquareHighlight(r, hover, HighlightKind::kPlain);
  }
  // a8 to h1: nearer figures cover farther ones.
  for (int square = 1; square <= 64; ++square) {
    const int code = GetSquare(square);
    if (code != 0) DrawFigurePiece(r, square, code);
  }
}

void DrawSquareHighlight(const RenderContext& r, int square, HighlightKind kind) {
  if (!OnBoard(square)) return;
  const bool selected = kind == HighlightKind::kSelected;
  const int height = selected ? Scene().PulseHeight : 10;
  const std::uint32_t dark = selected ? 0xFF333333u : 0xFFBBBBBBu;
  const std::uint32_t light = selected ? 0xFF00FFFFu : 0xFFFFFFFFu;

  const SquareCorners& c = CornersOf(square);
  // The pillars shrink with distance like the figures, measured at the unshifted top corner.
  const int n = RoundHalfEven(RowScale(c.top.y) * height);
  if (n < 1) return;
  const Point origin = CurrentBoardOrigin();
  const std::array<Point, 4> corners = {Shifted(c.top, origin), Shifted(c.left, origin),
                                        Shifted(c.bottom, origin), Shifted(c.right, origin)};
  GfxCanvas& canvas = r.Canvas();
  auto pass = [&](int dx, int dy, std::uint32_t colour) {
    for (const Point& p : corners) {
      canvas.DrawPixel(static_cast<float>(p.x + dx), static_cast<float>(p.y + dy), colour,
                       kEffectCopy);
    }
  };
  for (int j = 1; j <= n; ++j) {
    pass(0, -j - 1, light);
    pass(0, -j + 1, dark);
    pass(0, -j, light);
    pass(1, -j, dark);
    pass(-1, -j, light);
  }
}

void DrawSquareCross(const RenderContext& r, int square) {
  if (!OnBoard(square)) return;
  const SquareCorners& c = CornersOf(square);
  const Point origin = CurrentBoardOrigin();
  const Point top = Shifted(c.top, origin), bottom = Shifted(c.bottom, origin);
  const Point left = Shifted(c.left, origin), right = Shifted(c.right, origin);
  constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
  GfxCanvas& canvas = r.Canvas();
  canvas.DrawLine(static_cast<float>(top.x), static_cast<float>(top.y),
                  static_cast<float>(bottom.x), static_cast<float>(bottom.y), kWhite, kWhite,
                  kEffectBlend);
  canvas.DrawLine(static_cast<float>(left.x), static_cast<float>(left.y),
                  static_cast<float>(right.x), static_cast<float>(right.y), kWhite, kWhite,
                  kEffectBlend);
}

void DrawFigurePiece(const RenderContext& r, int square, int code) {
  if (!OnBoard(square) || code == 0) return;
  const FigurePlacement place = PlaceFigure(code, SquareCentre(square));
  r.PatternScaled("vellara_piece_2", PiecePattern(code), place.topLeft.x, place.topLeft.y,
                  place.scale, kEffectBlend);
}

}  // namespace vellara
