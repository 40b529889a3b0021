#include "ui/render/classic_board.h"

#include "game/board.h"
#include "game/settings.h"
#include "ui/board_geometry.h"
#include "ui/presentation.h"
#include "ui/render/render_context.h"

namespace vellara {

void DrawClassicBoard(const RenderContext& r) {
  const GameSettings& settings = Settings();
  const int pattern = ClassicBoardPattern(settings.ClassicBoard, settings.Orientation);
  if (pattern < 0) return;
  const int size = Scene().ClassicBoardSize;
  const double f = size / 100.0;
  r.PatternScaled("classic", pattern, kClassicBoardTopLeft.x, kClassicBoardTopLeft.y, f,
                  kEffectBlend);
  // File by file: a8, a7 .. a1, then b8 .. b1, and so on to h1.
  for (int file = 0; file < 8; ++file) {
    for (int row = 0; row < 8; ++row) {
      const int square = row * 8 + file + 1;
      const int code = GetSquare(square);
      if (code == 0) continue;
      const PointF at = ClassicPiecePosition(square, settings.Orientation, size);
      r.PatternScaled("piece_2", PiecePattern(code), at.x, at.y, f, kEffectBlend);
    }
  }
}

}  // namespace vellara
