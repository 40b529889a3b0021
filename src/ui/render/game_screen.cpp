// The game screen: background with the painted figure board, clocks, status line, the
// figures, the sliding piece, the portrait of the picked piece, the classic board, the
// best variant and the toolbar.
#include <array>
#include <cstdint>
#include <string>

#include "engine/engine.h"
#include "game/board.h"
#include "game/clock.h"
#include "game/settings.h"
#include "game/turn.h"
#include "gfx/gfx_canvas.h"
#include "ui/board_geometry.h"
#include "ui/presentation.h"
#include "ui/render/classic_board.h"
#include "ui/render/figure_board.h"
#include "ui/render/render_context.h"
#include "ui/render/screen_layers.h"
#include "ui/scene_render.h"
#include "ui/texts.h"

namespace vellara {
namespace {

constexpr std::uint32_t kShadowGrey = 0xFF333333u;

void DrawClocks(const RenderContext& r) {
  const SceneBoard& board = Board();
  r.Pattern("timer", 0, 664, 713, kEffectBlend);
  r.ShadowText(2, ClockText(board.BlondesSeconds), 720, 726, kShadowGrey, 0xFFFEFEFEu);
  r.Pattern("timer", 1, 844, 713, kEffectBlend);
  r.ShadowText(2, ClockText(board.BrunettesSeconds), 900, 726, kShadowGrey, 0xFFFEFEFEu);
}

void DrawSlidingPiece(const RenderContext& r) {
  const GameState& game = Game();
  if (!game.SlideRunning || game.ArrivalPiece == 0) return;
  const FigurePlacement place = PlaceFigure(game.ArrivalPiece, game.SlidePixel);
  r.PatternScaled("vellara_piece_2", PiecePattern(game.ArrivalPiece), place.topLeft.x,
                  place.topLeft.y, place.scale, kEffectAdd);
}

void DrawPortrait(const RenderContext& r) {
  const int picked = Game().PickedPiece;
  if (picked == 0) return;
  const Point anchor = PieceAnchor(picked);
  const int pattern = PiecePattern(picked);
  // The anchor offset uses a fixed factor, not the zoom: the portrait grows from there.
  r.PatternScaled("vellara_piece_1", pattern, 834 - RoundHalfEven(anchor.x * 3.33),
                  632 - RoundHalfEven(anchor.y * 3.33), Scene().PortraitZoom, kEffectBlend);
  r.PatternScaled("piece_1", pattern, 631, 11, 1.0, picked < 0 ? kEffectAdd : kEffectDarken);
  r.PatternScaled("piece_1", pattern, 630, 10, 1.0, kEffectBlend);
  if (picked > 0) {
    r.ShadowText(2, PieceName(picked), 730, 18, 0xFF000000u, 0xFFDEDEDEu);
  } else {
    r.ShadowText(2, PieceName(picked), 730, 18, 0xFFDEDEDEu, 0xFF222222u);
  }
}

void DrawToolbar(const RenderContext& r) {
  const GameSettings& settings = Settings();
  const int hover = Scene().ToolbarHover;
  // The light lies behind the buttons.
  if (hover > 0) r.FillRect(11 + 50 * (hover - 1), 11, 42, 41, 0xFF00FFFFu, kEffectCopy);
  // Slots 1 and 4 show the action they will take.
  const std::array<int, 9> patterns = {
      settings.Orientation == 1 ? 1 : 0, 2, 3, settings.ClassicBoard == 1 ? 5 : 4, 6, 7, 8, 9, 10};
  for (int slot = 1; slot <= 9; ++slot) {
    r.Pattern("button", patterns[static_cast<std::size_t>(slot - 1)], 10 + 50 * (slot - 1), 10,
              kEffectBlend);
  }
}

}  // namespace

void DrawGameScreen(const RenderContext& r) {
  const GameSettings& settings = Settings();
  if (settings.Background == 1) r.Pattern("ground", 2, 0, 0, kEffectCopy);
  if (settings.Background == 2) r.Pattern("ground", 3, 0, 0, kEffectCopy);
  DrawClocks(r);
  r.ShadowText(2, StatusText(), 17, 726, kShadowGrey, 0xFF00FFFFu);
  DrawFigureBoard(r);
  DrawSlidingPiece(r);
  DrawPortrait(r);
  if (settings.ClassicBoard > 1) DrawClassicBoard(r);
  if (settings.BestVariant == 1) {
    r.ShadowText(3, std::string(kBestVariantPrefix) + EngineVariantText(), 17, 688, kShadowGrey,
                 0xFFFFFFFFu);
  }
  DrawToolbar(r);
}

}  // namespace vellara
