#include "platform/codec/picture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace vellara {
namespace {

std::vector<std::uint8_t> Fixture(const std::string& name) {
  std::ifstream in(std::string(VELLARA_APP_FIXTURES) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Channel(std::uint32_t pixel, int byte) {
  return static_cast<int>((pixel >> (8 * byte)) & 0xFF);
}

TEST(Picture, JpegDecodesToOpaqueRowsFromTheTop) {
  // 16 x 8: red on the left half, blue on the right.
  const std::vector<std::uint8_t> data = Fixture("two_colours.jpg");
  ASSERT_FALSE(data.empty());
  RgbaPicture picture;
  ASSERT_TRUE(DecodeJpeg(data, picture));
  EXPECT_EQ(picture.width, 16);
  EXPECT_EQ(picture.height, 8);
  ASSERT_EQ(picture.pixels.size(), 128u);
  const std::uint32_t left = picture.pixels[3 * 16 + 2], right = picture.pixels[3 * 16 + 13];
  EXPECT_GT(Channel(left, 0), 180);
  EXPECT_LT(Channel(left, 2), 80);
  EXPECT_LT(Channel(right, 0), 80);
  EXPECT_GT(Channel(right, 2), 180);
  EXPECT_EQ(Channel(left, 3), 255);
}

TEST(Picture, PngKeepsItsAlpha) {
  const std::vector<std::uint8_t> data = Fixture("four_pixels.png");
  ASSERT_FALSE(data.empty());
  RgbaPicture picture;
  ASSERT_TRUE(DecodePng(data, picture));
  ASSERT_EQ(picture.width, 2);
  ASSERT_EQ(picture.height, 2);
  EXPECT_EQ(picture.pixels[0], 0xFF0000FFu);
  EXPECT_EQ(picture.pixels[1], 0x8000FF00u);
  EXPECT_EQ(picture.pixels[2] >> 24, 0u);
  EXPECT_EQ(picture.pixels[3], 0xFFFFFFFFu);
}

TEST(Picture, DamagedDataFailsWithoutReadingPastIt) {
  for (const char* name : {"two_colours.jpg", "four_pixels.png"}) {
    const std::vector<std::uint8_t> whole = Fixture(name);
    const bool jpeg = std::string(name).ends_with(".jpg");
    for (std::size_t length = 0; length + 1 < whole.size(); ++length) {
      // Cut short: a copy of exactly that size, so that any read past it is caught by the
      // address sanitizer.
      const std::vector<std::uint8_t> cut(whole.begin(),
                                          whole.begin() + static_cast<std::ptrdiff_t>(length));
      RgbaPicture picture;
      const bool decoded = jpeg ? DecodeJpeg(cut, picture) : DecodePng(cut, picture);
      if (!decoded) {
        EXPECT_TRUE(picture.Empty()) << name << " cut at " << length;
      } else {
        // libjpeg makes a grey-filled picture of a stream that ends early.
        EXPECT_EQ(picture.pixels.size(), static_cast<std::size_t>(picture.width) * picture.height);
      }
    }
  }
  RgbaPicture picture;
  const std::vector<std::uint8_t> noise(300, 0x5A);
  EXPECT_FALSE(DecodeJpeg(noise, picture));
  EXPECT_FALSE(DecodePng(noise, picture));
  EXPECT_FALSE(DecodeJpeg({}, picture));
  EXPECT_FALSE(DecodePng({}, picture));
}

}  // namespace
}  // namespace vellara
