#include "app/launcher_font.h"

#include <algorithm>

#include "gfx/byte_stream.h"

namespace vellara {

bool LauncherFont::Load(std::span<const std::uint8_t> record) {
  head_ = {};
  image_ = {};
  MemoryStream stream(std::vector<std::uint8_t>(record.begin(), record.end()));
  FontRecordHead head;
  DecodedImage image;
  if (!ParseFontRecordHead(stream, head) || !ParseImageRecord(stream, alFull, image) ||
      image.geometry.PatternsPerTexture <= 0 || image.geometry.Columns <= 0 ||
      image.geometry.VisibleWidth > image.geometry.PatternWidth ||
      image.geometry.VisibleHeight > image.geometry.PatternHeight) {
    return false;
  }
  const std::size_t texels =
      static_cast<std::size_t>(image.geometry.TextureWidth) * image.geometry.TextureHeight;
  for (const std::vector<std::uint32_t>& texture : image.textures) {
    if (texture.size() != texels) return false;
  }
  head_ = std::move(head);
  image_ = std::move(image);
  return true;
}

int LauncherFont::Glyph(char c) const {
  const int glyph = static_cast<unsigned char>(c) - head_.FirstLetter;
  const int count =
      std::min<int>(static_cast<int>(head_.advances.size()), image_.geometry.PatternCount);
  return glyph >= 0 && glyph < count ? glyph : -1;
}

int LauncherFont::Advance(int glyph) const {
  // A character the font lacks takes the room of a blank, as the canvas does it.
  if (glyph < 0) return image_.geometry.VisibleWidth * 3 / 10;
  return head_.advances[static_cast<std::size_t>(glyph)] + head_.LetterSpacing;
}

int LauncherFont::TextWidth(std::string_view text) const {
  if (!Loaded()) return 0;
  int width = 0;
  for (char c : text) width += Advance(Glyph(c));
  return width;
}

void LauncherFont::Draw(PixelFrame& frame, int x, int y, std::string_view text,
                        std::uint32_t colour) const {
  if (!Loaded()) return;
  const ImageGeometry& g = image_.geometry;
  int penX = x;
  for (char c : text) {
    const int glyph = Glyph(c);
    if (glyph >= 0) {
      const int texture = glyph / g.PatternsPerTexture;
      const int inTexture = glyph % g.PatternsPerTexture;
      const int sx = (inTexture % g.Columns) * g.PatternWidth;
      const int sy = (inTexture / g.Columns) * g.PatternHeight;
      const std::vector<std::uint32_t>& source = image_.textures[static_cast<std::size_t>(texture)];
      for (int row = 0; row < g.VisibleHeight; ++row) {
        const int ty = y + row;
        if (ty < 0 || ty >= frame.height) continue;
        for (int col = 0; col < g.VisibleWidth; ++col) {
          const int tx = penX + col;
          if (tx < 0 || tx >= frame.width) continue;
          const std::uint32_t texel =
              source[static_cast<std::size_t>(sy + row) * g.TextureWidth + sx + col];
          const std::uint32_t alpha = texel >> 24;
          if (alpha == 0) continue;
          std::uint32_t& target = frame.pixels[static_cast<std::size_t>(ty) * frame.width + tx];
          std::uint32_t blended = 0xFF000000u;
          for (int shift = 0; shift < 24; shift += 8) {
            const std::uint32_t tint = ((texel >> shift) & 0xFF) * ((colour >> shift) & 0xFF) / 255;
            const std::uint32_t under = (target >> shift) & 0xFF;
            blended |= ((tint * alpha + under * (255 - alpha) + 127) / 255) << shift;
          }
          target = blended;
        }
      }
    }
    penX += Advance(glyph);
  }
}

}  // namespace vellara
