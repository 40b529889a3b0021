// Each screen's own elements and the overlay windows over them, in the order the frame
// draws them.
#pragma once

namespace vellara {

class RenderContext;

void DrawTitleScreen(const RenderContext& r);
void DrawGameScreen(const RenderContext& r);
void DrawCreditsScreen(const RenderContext& r);
void DrawHelpScreen(const RenderContext& r);
void DrawOverlay(const RenderContext& r);

}  // namespace vellara
