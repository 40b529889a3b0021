#include "ui/render/render_context.h"

#include "gfx/gfx_canvas.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"

namespace vellara {

const GfxImage* RenderContext::Drawable(std::string_view image, int pattern) const {
  const GfxImage* found = images_.ImageByName(image);
  if (found == nullptr || !found->Initialized()) return nullptr;
  // The canvas would clamp a pattern past the end to the last one: a wrong picture.
  if (pattern < 0 || pattern >= found->PatternCount()) return nullptr;
  return found;
}

const GfxFont* RenderContext::Printable(int font) const {
  const GfxFont* found = fonts_.FontAt(font);
  if (found == nullptr || !found->Initialized() || found->Image() == nullptr) return nullptr;
  // Printing needs the font's list and that list's canvas.
  if (found->Owner() == nullptr || found->Owner()->Canvas == nullptr) return nullptr;
  return found;
}

void RenderContext::Pattern(std::string_view image, int pattern, double x, double y,
                            std::uint32_t effect) const {
  if (const GfxImage* found = Drawable(image, pattern)) {
    canvas_.DrawPattern(*found, pattern, static_cast<float>(x), static_cast<float>(y), effect);
  }
}

void RenderContext::PatternScaled(std::string_view image, int pattern, double x, double y,
                                  double scale, std::uint32_t effect) const {
  if (const GfxImage* found = Drawable(image, pattern)) {
    canvas_.DrawPatternScaled(*found, pattern, static_cast<float>(x), static_cast<float>(y),
                              static_cast<float>(scale), effect);
  }
}

void RenderContext::FillRect(int left, int top, int width, int height, std::uint32_t colour,
                             std::uint32_t effect) const {
  canvas_.FillRectColor(left, top, width, height, colour, effect);
}

void RenderContext::Text(int font, std::string_view text, int x, int y,
                         std::uint32_t colour) const {
  Text(font, text, x, y, colour, colour);
}

void RenderContext::Text(int font, std::string_view text, int x, int y, std::uint32_t top,
                         std::uint32_t bottom) const {
  if (const GfxFont* found = Printable(font)) {
    canvas_.PrintText(*found, text, static_cast<float>(x), static_cast<float>(y), top, bottom,
                      kEffectBlend);
  }
}

void RenderContext::ShadowText(int font, std::string_view text, int x, int y, std::uint32_t shadow,
                               std::uint32_t colour) const {
  Text(font, text, x + 1, y + 1, shadow);
  Text(font, text, x, y, colour);
}

}  // namespace vellara
