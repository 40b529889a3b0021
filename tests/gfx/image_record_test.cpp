#include "gfx/image_record.h"
#include "image_head.h"

#include <gtest/gtest.h>

namespace vellara {
namespace {

TEST(PixelFormats, EveryFormatDecodesToTheRightChannels) {
  struct Case {
    int code;
    std::uint32_t stored;
    std::uint32_t expected;  // 0xAABBGGRR
  };
  const Case cases[] = {
      {0, 0b10'011'101, 0xFFB66DAA},  // blue 5/7, green 3/7, red 2/3
      {1, 0x8401, 0xFF088284},        // blue 1/31, green 32/63, red 16/31
      {2, 0x12345678, 0xFF785634},    // top byte ignored
      {3, 0xFC1F, 0xFFFF00FF},        // top bit ignored
      {4, 0xF123, 0xFF332211},        // top four bits ignored
      {5, 0x80FF0040, 0x804000FF},    // ARGB
      {6, 0x8443, 0xFF191008},        // 1-bit alpha set
      {6, 0x0443, 0x00191008},        // and clear
      {7, 0x1234, 0x11443322},
      {8, 0x7F51, 0x7F244955},  // blue 1/7, green 2/7, red 1/3, alpha 0x7F
      {9, 0xE4, 0xFF0055AA},
      {10, 0x40, 0x40FFFFFF},  // alpha only, colour white
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const PixelFormatInfo* f = FindPixelFormat(c.code);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(DecodePixel(*f, c.stored), c.expected);
  }
  EXPECT_EQ(FindPixelFormat(11), nullptr);
  EXPECT_EQ(FindPixelFormat(-1), nullptr);
}

TEST(PixelFormats, EncodingKeepsTopBitsAndRoundTripsFullChannels) {
  for (int code = 0; code < kPixelFormatCount; ++code) {
    SCOPED_TRACE(code);
    const PixelFormatInfo& f = *FindPixelFormat(code);
    // All-ones and all-zero channels survive any narrowing.
    for (std::uint32_t colour : {0xFFFFFFFFu, 0xFF000000u}) {
      const std::uint32_t back = DecodePixel(f, EncodePixel(f, colour));
      if (code == 10) {
        EXPECT_EQ(back, 0xFFFFFFFFu);
      } else {
        EXPECT_EQ(back & 0x00FFFFFFu, colour & 0x00FFFFFFu);
      }
    }
  }
  EXPECT_EQ(EncodePixel(*FindPixelFormat(1), 0xFF0000FF), 0xF800u);  // red keeps top 5 bits
}

TEST(PixelFormats, AlphaLevels) {
  struct Case {
    AlphaLevel level;
    std::uint32_t in, out;
  };
  const Case cases[] = {
      {alNone, 0x00123456, 0xFF123456},      {alMask, 0x80123456, 0xFF123456},
      {alMask, 0x7F123456, 0x00123456},      {alFull, 0x7F123456, 0x7F123456},
      {alExclusive, 0x7F123456, 0x7FFFFFFF},
  };
  for (const Case& c : cases) EXPECT_EQ(ApplyAlphaLevel(c.in, c.level), c.out) << c.level;
}

std::vector<std::uint8_t> Record(ImageRecordHead h, int pixelsPerTexture = -1) {
  const int n = pixelsPerTexture >= 0 ? pixelsPerTexture : h.TextureWidth * h.TextureHeight;
  std::vector<std::vector<std::uint32_t>> textures(
      static_cast<std::size_t>(std::clamp(h.TextureCount, 0, pixelsPerTexture >= 0 ? 1 : 1000)),
      std::vector<std::uint32_t>(static_cast<std::size_t>(std::max(n, 0)), 0x80402010u));
  return EncodeImageRecord(h, textures);
}

TEST(ImageRecord, SizesAreCompletedAndChecked) {
  struct Case {
    const char* what;
    ImageRecordHead head;
    bool ok;
    int patternW, visibleW, patternCount;
  };
  const Case cases[] = {
      {"plain", Head(8, 8, 6, 6, 3, 16, 16, 1), true, 8, 6, 3},
      {"pattern 0 takes the texture size", Head(0, 0, 0, 0, 0, 16, 8, 1), true, 16, 16, 1},
      {"visible 0 takes the texture size, larger than the pattern", Head(8, 8, 0, 0, 0, 16, 16, 1),
       false, 0, 0, 0},
      {"visible larger than pattern", Head(8, 8, 9, 8, 0, 16, 16, 1), false, 0, 0, 0},
      {"pattern larger than texture", Head(32, 8, 8, 8, 0, 16, 16, 1), false, 0, 0, 0},
      {"texture width 0", Head(0, 0, 0, 0, 0, 0, 16, 1), false, 0, 0, 0},
      {"PatternCount 0 counts every cell", Head(4, 4, 4, 4, 0, 16, 8, 2), true, 4, 4, 16},
      {"negative TextureCount counts as 0", Head(4, 4, 4, 4, 0, 16, 8, -3), true, 4, 4, 0},
      {"unknown pixel format", Head(4, 4, 4, 4, 0, 16, 8, 1, 11), false, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryStream s(Record(c.head));
    DecodedImage image;
    ASSERT_EQ(ParseImageRecord(s, alFull, image), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(image.geometry.PatternWidth, c.patternW);
    EXPECT_EQ(image.geometry.VisibleWidth, c.visibleW);
    EXPECT_EQ(image.geometry.PatternCount, c.patternCount);
    EXPECT_EQ(image.textures.size(), static_cast<std::size_t>(std::max(c.head.TextureCount, 0)));
  }
}

TEST(ImageRecord, ShortOrHostileDataFails) {
  const auto good = Record(Head(4, 4, 4, 4, 0, 16, 8, 2));
  for (std::size_t cut : {std::size_t{0}, std::size_t{32}, good.size() - 1}) {
    MemoryStream s(
        std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut)));
    DecodedImage image;
    EXPECT_FALSE(ParseImageRecord(s, alFull, image)) << cut;
    EXPECT_TRUE(image.textures.empty());
  }
  // Sizes promising gigabytes with a few bytes of data fail before allocating.
  MemoryStream huge(Record(Head(1, 1, 1, 1, 0, 65536, 65536, 1000), 4));
  DecodedImage image;
  EXPECT_FALSE(ParseImageRecord(huge, alFull, image));
  MemoryStream overflow(Record(Head(1, 1, 1, 1, 0, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF), 4));
  EXPECT_FALSE(ParseImageRecord(overflow, alFull, image));
  // 2^30 x 2^30 x 4 bytes x 16 textures wraps a 64-bit product to 0.
  MemoryStream wrap(Record(Head(1, 1, 1, 1, 0, 1 << 30, 1 << 30, 16), 4));
  EXPECT_FALSE(ParseImageRecord(wrap, alFull, image));
}

TEST(ImageRecord, PixelsDecodeWithTheAlphaLevel) {
  ImageRecordHead h = Head(2, 1, 2, 1, 0, 2, 1, 1, 7);
  const auto bytes = EncodeImageRecord(h, {{0x11443322u, 0xFF000000u}});
  MemoryStream s(bytes);
  DecodedImage image;
  ASSERT_TRUE(ParseImageRecord(s, alExclusive, image));
  EXPECT_EQ(image.textures[0], (std::vector<std::uint32_t>{0x11FFFFFFu, 0xFFFFFFFFu}));
}

TEST(ImageRecord, EveryFormatAndAlphaLevelDecodesLikeSinglePixels) {
  const std::vector<std::uint32_t> colours{0x00000000u, 0xFFFFFFFFu, 0x7F102030u,
                                           0x80C0A090u, 0x12345678u, 0xFE01FE01u};
  for (int code = 0; code < kPixelFormatCount; ++code) {
    const PixelFormatInfo& f = *FindPixelFormat(code);
    ImageRecordHead h = Head(1, 1, 1, 1, 0, 3, 2, 1, static_cast<std::uint8_t>(code));
    const auto bytes = EncodeImageRecord(h, {colours});
    for (AlphaLevel level : {alNone, alMask, alFull, alExclusive}) {
      MemoryStream s(bytes);
      DecodedImage image;
      ASSERT_TRUE(ParseImageRecord(s, level, image));
      for (std::size_t i = 0; i < colours.size(); ++i) {
        EXPECT_EQ(image.textures[0][i],
                  ApplyAlphaLevel(DecodePixel(f, EncodePixel(f, colours[i])), level))
            << "format " << code << " level " << level << " pixel " << i;
      }
    }
  }
}

TEST(FontRecord, HeadParsing) {
  const auto glyphImage = Record(Head(4, 4, 4, 4, 0, 8, 4, 1));
  MemoryStream s(EncodeFontRecord(0x1241, -1, {5, 6}, glyphImage));
  FontRecordHead head;
  ASSERT_TRUE(ParseFontRecordHead(s, head));
  EXPECT_EQ(head.FirstLetter, 0x41);
  EXPECT_EQ(head.LetterSpacing, -1);
  EXPECT_EQ(head.advances, (std::vector<std::int32_t>{5, 6}));
  EXPECT_EQ(s.Remaining(), glyphImage.size());

  for (std::int32_t count : {-1, 1000000, 0x7FFFFFFF}) {
    std::vector<std::uint8_t> bytes = EncodeFontRecord(32, 0, {}, {});
    for (int i = 0; i < 4; ++i)
      bytes[12 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(count) >> (8 * i));
    MemoryStream bad(bytes);
    EXPECT_FALSE(ParseFontRecordHead(bad, head)) << count;
  }
  MemoryStream shortHead(std::vector<std::uint8_t>(15, 0));
  EXPECT_FALSE(ParseFontRecordHead(shortHead, head));
}

}  // namespace
}  // namespace vellara
