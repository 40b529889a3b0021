// Image and font records: the byte layouts that archive records carry, their pixel
// storage formats, and their parsing and writing. Decoded pixels use the canvas colour
// layout 0xAABBGGRR (bytes R, G, B, A in memory).
//
// Image record (little-endian, signed 32-bit unless noted):
//   0 u8 PixelFormat  1 PatternSize w,h  9 VisibleSize w,h  17 PatternCount
//   21 TextureSize w,h  29 TextureCount  33 pixel rows: per texture, top to bottom,
//   left to right, each pixel a little-endian value of the format's byte count.
// Font record: 0 FirstLetter (low byte used)  4 LetterSpacing  8 (unused)  12 GlyphCount
//   16 GlyphCount x (advance, unused)  then an image record whose pattern i is the glyph
//   of character FirstLetter + i.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/byte_stream.h"

namespace vellara {

enum AssetQuality : int { aqLow = 0, aqMedium = 1, aqHigh = 2 };
enum AlphaLevel : int { alNone = 0, alMask = 1, alFull = 2, alExclusive = 3 };

// A stored pixel: channel bit counts from the lowest bit up (blue, green, red, alpha).
struct PixelFormatInfo {
  int bytes;
  int blueBits;
  int greenBits;
  int redBits;
  int alphaBits;
};

inline constexpr int kPixelFormatCount = 11;
inline constexpr int kImageRecordHeadSize = 33;

// Null for a code outside 0..10.
const PixelFormatInfo* FindPixelFormat(int code);
// A channel of n bits expands as v * 255 / (2^n - 1), rounded; no bits read as 255.
std::uint32_t DecodePixel(const PixelFormatInfo& format, std::uint32_t stored);
// The reverse, keeping each channel's top bits.
std::uint32_t EncodePixel(const PixelFormatInfo& format, std::uint32_t colour);
// Applies an alpha level to a decoded pixel.
std::uint32_t ApplyAlphaLevel(std::uint32_t colour, AlphaLevel level);

struct ImageRecordHead {
  std::uint8_t PixelFormat = 5;
  std::int32_t PatternWidth = 0, PatternHeight = 0;
  std::int32_t VisibleWidth = 0, VisibleHeight = 0;
  std::int32_t PatternCount = 0;
  std::int32_t TextureWidth = 0, TextureHeight = 0;
  std::int32_t TextureCount = 0;
};

// What a loaded image keeps: sizes completed and checked, and the derived grid.
struct ImageGeometry {
  std::int32_t PatternWidth = 0, PatternHeight = 0;
  std::int32_t VisibleWidth = 0, VisibleHeight = 0;
  std::int32_t PatternCount = 0;
  std::int32_t TextureWidth = 0, TextureHeight = 0;
  std::int32_t TextureCount = 0;
  std::int32_t Columns = 0, Rows = 0, PatternsPerTexture = 0;
};

struct DecodedImage {
  ImageGeometry geometry;
  std::vector<std::vector<std::uint32_t>> textures;  // TextureWidth x TextureHeight each
};

// Reads an image record from the stream's position: completes and checks the sizes,
// rejects an unknown pixel format, decodes every texture and applies the alpha level.
// False on any malformed size or short data.
bool ParseImageRecord(MemoryStream& stream, AlphaLevel alphaLevel, DecodedImage& out);

struct FontRecordHead {
  std::uint8_t FirstLetter = 32;
  std::int32_t LetterSpacing = 0;
  std::vector<std::int32_t> advances;
};

// Reads the font fields up to the glyph image; a negative GlyphCount fails.
bool ParseFontRecordHead(MemoryStream& stream, FontRecordHead& out);

// Writers for tools and tests. `textures` hold 0xAABBGGRR pixels, TextureWidth x
// TextureHeight each; the head's TextureCount is written as given.
std::vector<std::uint8_t> EncodeImageRecord(
    const ImageRecordHead& head, const std::vector<std::vector<std::uint32_t>>& textures);
std::vector<std::uint8_t> EncodeFontRecord(std::uint32_t firstLetter, std::int32_t letterSpacing,
                                           const std::vector<std::int32_t>& advances,
                                           const std::vector<std::uint8_t>& imageRecord);

}  // namespace vellara
