// What every drawing helper of the scene draws with: the canvas, the images looked up by
// name and the fonts by index. An image, pattern or font that is missing or failed to load
// is skipped, so an incomplete archive draws what it has.
#pragma once

#include <cstdint>
#include <string_view>

namespace vellara {

class GfxCanvas;
class GfxFont;
class GfxImage;
class GfxImages;
class GfxFonts;

// The blending the scene uses, by their effect codes.
inline constexpr std::uint32_t kEffectCopy = 1;          // replaces, alpha included
inline constexpr std::uint32_t kEffectAdd = 260;         // adds the source times its alpha
inline constexpr std::uint32_t kEffectDarken = 1280;     // darkens by the source alpha
inline constexpr std::uint32_t kEffectBlend = 1284;      // transparency
inline constexpr std::uint32_t kEffectSubtract = 65796;  // subtracts the source colour

class RenderContext {
 public:
  RenderContext(GfxCanvas& canvas, GfxImages& images, GfxFonts& fonts)
      : canvas_(canvas), images_(images), fonts_(fonts) {}

  GfxCanvas& Canvas() const { return canvas_; }

  void Pattern(std::string_view image, int pattern, double x, double y, std::uint32_t effect) const;
  void PatternScaled(std::string_view image, int pattern, double x, double y, double scale,
                     std::uint32_t effect) const;
  void FillRect(int left, int top, int width, int height, std::uint32_t colour,
                std::uint32_t effect) const;

  // Text in one colour, effect 1284.
  void Text(int font, std::string_view text, int x, int y, std::uint32_t colour) const;
  // Text with separate top and bottom colours, effect 1284.
  void Text(int font, std::string_view text, int x, int y, std::uint32_t top,
            std::uint32_t bottom) const;
  // The text first at (x + 1, y + 1) in `shadow`, then at (x, y) in `colour`.
  void ShadowText(int font, std::string_view text, int x, int y, std::uint32_t shadow,
                  std::uint32_t colour) const;

 private:
  // The image and its pattern when both exist and are loaded, else null.
  const GfxImage* Drawable(std::string_view image, int pattern) const;
  const GfxFont* Printable(int font) const;

  GfxCanvas& canvas_;
  GfxImages& images_;
  GfxFonts& fonts_;
};

}  // namespace vellara
