// The perspective figure board: the light pillars on the selected and hovered squares, the
// cross on a hovered square the picked piece cannot reach, and the figures standing on
// their squares, farther rows first.
#pragma once

namespace vellara {

class RenderContext;

enum class HighlightKind { kPlain, kSelected };

void DrawFigureBoard(const RenderContext& r);
// Four short vertical pillars rising from the square's corners; the selected square's
// pulse with PulseHeight.
void DrawSquareHighlight(const RenderContext& r, int square, HighlightKind kind);
// Two white lines joining the square's opposite corners.
void DrawSquareCross(const RenderContext& r, int square);
// The figure of `code` standing on the square's centre at its row's scale.
void DrawFigurePiece(const RenderContext& r, int square, int code);

}  // namespace vellara
