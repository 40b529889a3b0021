// Image and font record parsing and writing.
#include "gfx/image_record.h"

namespace vellara {
namespace {

constexpr PixelFormatInfo kFormats[kPixelFormatCount] = {
    {1, 3, 3, 2, 0}, {2, 5, 6, 5, 0}, {4, 8, 8, 8, 0}, {2, 5, 5, 5, 0},
    {2, 4, 4, 4, 0}, {4, 8, 8, 8, 8}, {2, 5, 5, 5, 1}, {2, 4, 4, 4, 4},
    {2, 3, 3, 2, 8}, {1, 2, 2, 2, 2}, {1, 0, 0, 0, 8},
};

std::uint32_t Expand(std::uint32_t v, int bits) {
  if (bits == 0) return 255;
  const std::uint32_t max = (1u << bits) - 1;
  return (v * 255 + max / 2) / max;
}

std::uint32_t Narrow(std::uint32_t v8, int bits) {
  return bits == 0 ? 0 : v8 >> (8 - bits);
}

std::uint32_t Pack(std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t a) {
  return r | (g << 8) | (b << 16) | (a << 24);
}

}  // namespace

const PixelFormatInfo* FindPixelFormat(int code) {
  if (code < 0 || code >= kPixelFormatCount) return nullptr;
  return &kFormats[code];
}

std::uint32_t DecodePixel(const PixelFormatInfo& f, std::uint32_t stored) {
  int shift = 0;
  auto take = [&](int bits) {
    const std::uint32_t v = bits == 0 ? 0 : (stored >> shift) & ((1u << bits) - 1);
    shift += bits;
    return Expand(v, bits);
  };
  const std::uint32_t b = take(f.blueBits);
  const std::uint32_t g = take(f.greenBits);
  const std::uint32_t r = take(f.redBits);
  const std::uint32_t a = take(f.alphaBits);
  return Pack(r, g, b, a);
}

std::uint32_t EncodePixel(const PixelFormatInfo& f, std::uint32_t colour) {
  const std::uint32_t r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF,
                      a = colour >> 24;
  std::uint32_t out = 0;
  int shift = 0;
  for (auto [v, bits] : {std::pair{b, f.blueBits}, std::pair{g, f.greenBits},
                         std::pair{r, f.redBits}, std::pair{a, f.alphaBits}}) {
    out |= Narrow(v, bits) << shift;
    shift += bits;
  }
  return out;
}

std::uint32_t ApplyAlphaLevel(std::uint32_t colour, AlphaLevel level) {
  const std::uint32_t a = colour >> 24;
  switch (level) {
    case alNone:
      return colour | 0xFF000000u;
    case alMask:
      return (colour & 0x00FFFFFFu) | (a >= 128 ? 0xFF000000u : 0u);
    case alExclusive:
      return 0x00FFFFFFu | (a << 24);
    case alFull:
      break;
  }
  return colour;
}

bool ParseImageRecord(MemoryStream& in, AlphaLevel alphaLevel, DecodedImage& out) {
  out = {};
  ImageRecordHead h;
  if (!in.ReadU8(h.PixelFormat) || !in.ReadI32(h.PatternWidth) || !in.ReadI32(h.PatternHeight) ||
      !in.ReadI32(h.VisibleWidth) || !in.ReadI32(h.VisibleHeight) || !in.ReadI32(h.PatternCount) ||
      !in.ReadI32(h.TextureWidth) || !in.ReadI32(h.TextureHeight) || !in.ReadI32(h.TextureCount)) {
    return false;
  }
  const PixelFormatInfo* format = FindPixelFormat(h.PixelFormat);
  if (format == nullptr) return false;

  ImageGeometry g;
  g.TextureWidth = h.TextureWidth;
  g.TextureHeight = h.TextureHeight;
  g.PatternWidth = h.PatternWidth <= 0 ? h.TextureWidth : h.PatternWidth;
  g.PatternHeight = h.PatternHeight <= 0 ? h.TextureHeight : h.PatternHeight;
  g.VisibleWidth = h.VisibleWidth <= 0 ? h.TextureWidth : h.VisibleWidth;
  g.VisibleHeight = h.VisibleHeight <= 0 ? h.TextureHeight : h.VisibleHeight;
  g.TextureCount = h.TextureCount < 0 ? 0 : h.TextureCount;
  if (g.TextureWidth <= 0 || g.TextureHeight <= 0 || g.TextureWidth < g.PatternWidth ||
      g.TextureHeight < g.PatternHeight || g.PatternWidth < g.VisibleWidth ||
      g.PatternHeight < g.VisibleHeight) {
    return false;
  }
  g.Columns = g.TextureWidth / g.PatternWidth;
  g.Rows = g.TextureHeight / g.PatternHeight;
  const std::int64_t perTexture = std::int64_t{g.Columns} * g.Rows;
  if (perTexture > INT32_MAX) return false;
  const std::int64_t all = perTexture * g.TextureCount;  // below 2^62
  if (all > INT32_MAX) return false;
  g.PatternsPerTexture = static_cast<std::int32_t>(perTexture);
  g.PatternCount = h.PatternCount <= 0 ? static_cast<std::int32_t>(all) : h.PatternCount;

  // The pixel data must be all there before anything is set aside for it.
  const std::uint64_t rowBytes = static_cast<std::uint64_t>(g.TextureWidth) * format->bytes;
  // Divisions, not products, so that no size can wrap around.
  const std::uint64_t remaining = in.Remaining();
  std::uint64_t textureBytes = 0;
  if (g.TextureCount > 0) {
    if (static_cast<std::uint64_t>(g.TextureHeight) > remaining / rowBytes) return false;
    textureBytes = rowBytes * static_cast<std::uint64_t>(g.TextureHeight);
    if (static_cast<std::uint64_t>(g.TextureCount) > remaining / textureBytes) return false;
  }
  out.textures.resize(static_cast<std::size_t>(g.TextureCount));
  for (auto& texture : out.textures) {
    const std::size_t pixels = static_cast<std::size_t>(g.TextureWidth) * g.TextureHeight;
    texture.resize(pixels);
    std::span<const std::uint8_t> bytes;
    if (!in.Take(static_cast<std::size_t>(textureBytes), bytes)) {
      out = {};
      return false;
    }
    const std::uint8_t* p = bytes.data();
    if (h.PixelFormat == 5) {
      // 32-bit ARGB, the usual format: bytes B, G, R, A; only red and blue trade places.
      for (std::size_t i = 0; i < pixels; ++i, p += 4) {
        const std::uint32_t c = std::uint32_t{p[2]} | std::uint32_t{p[1]} << 8 |
                                std::uint32_t{p[0]} << 16 | std::uint32_t{p[3]} << 24;
        texture[i] = alphaLevel == alFull ? c : ApplyAlphaLevel(c, alphaLevel);
      }
      continue;
    }
    for (std::size_t i = 0; i < pixels; ++i) {
      std::uint32_t stored = 0;
      for (int k = 0; k < format->bytes; ++k) stored |= std::uint32_t{p[k]} << (8 * k);
      p += format->bytes;
      texture[i] = ApplyAlphaLevel(DecodePixel(*format, stored), alphaLevel);
    }
  }
  out.geometry = g;
  return true;
}

bool ParseFontRecordHead(MemoryStream& in, FontRecordHead& out) {
  out = {};
  std::uint32_t first = 0;
  std::int32_t count = 0;
  if (!in.ReadU32(first) || !in.ReadI32(out.LetterSpacing) || !in.Skip(4) || !in.ReadI32(count)) {
    return false;
  }
  if (count < 0 || static_cast<std::uint64_t>(count) * 8 > in.Remaining()) return false;
  out.FirstLetter = static_cast<std::uint8_t>(first & 0xFF);
  out.advances.resize(static_cast<std::size_t>(count));
  for (std::int32_t& advance : out.advances) {
    if (!in.ReadI32(advance) || !in.Skip(4)) return false;
  }
  return true;
}

std::vector<std::uint8_t> EncodeImageRecord(
    const ImageRecordHead& h, const std::vector<std::vector<std::uint32_t>>& textures) {
  std::vector<std::uint8_t> out;
  PutU8(out, h.PixelFormat);
  for (std::int32_t v : {h.PatternWidth, h.PatternHeight, h.VisibleWidth, h.VisibleHeight,
                         h.PatternCount, h.TextureWidth, h.TextureHeight, h.TextureCount}) {
    PutI32(out, v);
  }
  const PixelFormatInfo* format = FindPixelFormat(h.PixelFormat);
  if (format == nullptr) return out;
  for (const auto& texture : textures) {
    for (std::uint32_t colour : texture) {
      const std::uint32_t stored = EncodePixel(*format, colour);
      for (int k = 0; k < format->bytes; ++k)
        PutU8(out, static_cast<std::uint8_t>(stored >> (8 * k)));
    }
  }
  return out;
}

std::vector<std::uint8_t> EncodeFontRecord(std::uint32_t firstLetter, std::int32_t letterSpacing,
                                           const std::vector<std::int32_t>& advances,
                                           const std::vector<std::uint8_t>& imageRecord) {
  std::vector<std::uint8_t> out;
  PutU32(out, firstLetter & 0xFF);
  PutI32(out, letterSpacing);
  PutI32(out, 0);
  PutI32(out, static_cast<std::int32_t>(advances.size()));
  for (std::int32_t a : advances) {
    PutI32(out, a);
    PutI32(out, 0);
  }
  PutBytes(out, imageRecord);
  return out;
}

}  // namespace vellara
