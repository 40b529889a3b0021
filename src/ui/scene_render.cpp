// The frame: the screen's own elements, the overlay, the promotion chooser, the pointer.
#include "ui/scene_render.h"

#include "game/turn.h"
#include "ui/presentation.h"
#include "ui/render/promotion_chooser.h"
#include "ui/render/render_context.h"
#include "ui/render/screen_layers.h"

namespace vellara {

void DeviceRender(GfxCanvas& canvas, GfxImages& images, GfxFonts& fonts) {
  const RenderContext r(canvas, images, fonts);
  const Presentation& scene = Scene();
  switch (scene.screenMode) {
    case ScreenMode::Title:
      DrawTitleScreen(r);
      break;
    case ScreenMode::Game:
      DrawGameScreen(r);
      break;
    case ScreenMode::Credits:
      DrawCreditsScreen(r);
      break;
    case ScreenMode::Help:
      DrawHelpScreen(r);
      break;
    case ScreenMode::Startup:
      break;
  }
  DrawOverlay(r);
  if (Game().turnState == TurnState::ChoosePromotion) DrawPromotionChooser(r);
  r.Pattern("cursor", 0, scene.MouseX, scene.MouseY, kEffectBlend);
}

}  // namespace vellara
