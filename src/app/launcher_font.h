// The launcher's text face: a font record (glyph advances and a glyph image, the format of
// the archive's font records) decoded once into plain pixels, and text drawn with it into
// a frame of 0xAABBGGRR pixels.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "gfx/image_record.h"

namespace vellara {

struct PixelFrame {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xAABBGGRR, rows from the top
};

class LauncherFont {
 public:
  // False, leaving the font empty, for a damaged record.
  bool Load(std::span<const std::uint8_t> record);
  bool Loaded() const { return !image_.textures.empty(); }
  int Height() const { return image_.geometry.VisibleHeight; }
  int TextWidth(std::string_view text) const;
  // Blends the glyphs, tinted with `colour` (0x00BBGGRR), onto the frame with their top
  // left at (x, y); whatever falls outside the frame is left out.
  void Draw(PixelFrame& frame, int x, int y, std::string_view text, std::uint32_t colour) const;

 private:
  int Glyph(char c) const;  // -1 for a character the font lacks
  int Advance(int glyph) const;

  FontRecordHead head_;
  DecodedImage image_;
};

}  // namespace vellara
