// The small flat classic board in the top-left corner: the board picture for the style and
// orientation, and the pieces on it, at ClassicBoardSize percent.
#pragma once

namespace vellara {

class RenderContext;

void DrawClassicBoard(const RenderContext& r);

}  // namespace vellara
