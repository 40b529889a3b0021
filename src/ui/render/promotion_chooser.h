// The four promotion choices (knight, bishop, rook, queen) in a column at the right of the
// board, the one under the pointer lit.
#pragma once

namespace vellara {

class RenderContext;

void DrawPromotionChooser(const RenderContext& r);

}  // namespace vellara
