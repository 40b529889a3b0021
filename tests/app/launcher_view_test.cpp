#include "app/launcher_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellara {
namespace {

// A font of solid 4 x 8 bars for every character but the blank: advance 6, drawn 6 x 10.
std::vector<std::uint8_t> BarFont() {
  ImageRecordHead head;
  head.PixelFormat = 5;  // 32-bit ARGB
  head.PatternWidth = 8;
  head.PatternHeight = 12;
  head.VisibleWidth = 6;
  head.VisibleHeight = 10;
  head.PatternCount = 96;
  head.TextureWidth = 128;
  head.TextureHeight = 72;
  head.TextureCount = 1;
  std::vector<std::uint32_t> texels(128 * 72, 0x00FFFFFFu);
  for (int glyph = 1; glyph < 96; ++glyph) {
    const int ox = (glyph % 16) * 8, oy = (glyph / 16) * 12;
    for (int y = 1; y < 9; ++y) {
      for (int x = 1; x < 5; ++x)
        texels[static_cast<std::size_t>((oy + y) * 128 + ox + x)] = 0xFFFFFFFFu;
    }
  }
  return EncodeFontRecord(32, 0, std::vector<std::int32_t>(96, 6),
                          EncodeImageRecord(head, {texels}));
}

std::uint32_t At(const PixelFrame& frame, int x, int y) {
  return frame.pixels[static_cast<std::size_t>(y) * frame.width + x];
}

int DarkPixels(const PixelFrame& frame, int left, int top, int width, int height) {
  int n = 0;
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) {
      const std::uint32_t c = At(frame, x, y);
      if ((c & 0xFF) < 60 && ((c >> 8) & 0xFF) < 60 && ((c >> 16) & 0xFF) < 60) ++n;
    }
  }
  return n;
}

class LauncherView : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(font.Load(BarFont()));
    background.width = 630;
    background.height = 360;
    background.pixels.assign(630 * 360, 0xFF204060u);
  }
  PixelFrame Compose() {
    PixelFrame frame;
    ComposeLauncher(launcher, background, font, frame);
    return frame;
  }
  Launcher launcher;
  LauncherFont font;
  PixelFrame background;
};

TEST_F(LauncherView, PictureFillsTheWindowAroundTheControls) {
  const PixelFrame frame = Compose();
  ASSERT_EQ(frame.width, 630);
  ASSERT_EQ(frame.height, 360);
  EXPECT_EQ(At(frame, 0, 0), 0xFF204060u);
  EXPECT_EQ(At(frame, 629, 359), 0xFF204060u);
  EXPECT_EQ(At(frame, 204, 225), 0xFF204060u);  // just left of the button
  EXPECT_NE(At(frame, 206, 214), 0xFF204060u);  // the button's face
}

TEST_F(LauncherView, ButtonCaptionIsCentredAndShiftsWhenPushed) {
  const std::string caption = kStartCaption;
  EXPECT_EQ(font.TextWidth(caption), 6 * static_cast<int>(caption.size()));
  const PixelFrame normal = Compose();
  // Text lies inside the button, none of it outside its middle stretch.
  const int textLeft = 205 + (217 - font.TextWidth(caption)) / 2;
  EXPECT_GT(DarkPixels(normal, textLeft, 213, font.TextWidth(caption), 25), 100);
  EXPECT_EQ(DarkPixels(normal, 206, 214, textLeft - 206, 23), 0);

  launcher.MouseDown(300, 225);
  const PixelFrame pushed = Compose();
  EXPECT_NE(At(pushed, 206, 214), At(normal, 206, 214));
  EXPECT_NE(normal.pixels, pushed.pixels);
}

TEST_F(LauncherView, HoverLightsTheButton) {
  const PixelFrame normal = Compose();
  launcher.MouseMove(300, 225);
  const PixelFrame hover = Compose();
  EXPECT_NE(At(hover, 206, 214), At(normal, 206, 214));
  EXPECT_NE(At(hover, 205, 213), At(normal, 205, 213));  // border
}

TEST_F(LauncherView, CheckBoxShowsItsTickAndCaption) {
  const PixelFrame clear = Compose();
  // The box is 13 x 13 at the control's left, centred in its 17 rows.
  const int boxLeft = 245, boxTop = 312 + 2;
  EXPECT_EQ(DarkPixels(clear, boxLeft + 2, boxTop + 2, 9, 9), 0);
  EXPECT_GT(DarkPixels(clear, boxLeft + 16, 312, 137 - 16, 17), 100);  // caption
  launcher.KeyPress(' ');
  const PixelFrame ticked = Compose();
  EXPECT_GT(DarkPixels(ticked, boxLeft + 2, boxTop + 2, 9, 9), 10);
}

TEST_F(LauncherView, WithoutPictureOrFontTheWindowIsSilverWithItsControls) {
  PixelFrame frame;
  ComposeLauncher(launcher, PixelFrame{}, LauncherFont{}, frame);
  EXPECT_EQ(At(frame, 10, 10), kSilver);
  EXPECT_NE(At(frame, 206, 214), kSilver);
  // A picture smaller than the window covers only its corner.
  PixelFrame small;
  small.width = 4;
  small.height = 3;
  small.pixels.assign(12, 0xFF0000FFu);
  ComposeLauncher(launcher, small, font, frame);
  EXPECT_EQ(At(frame, 3, 2), 0xFF0000FFu);
  EXPECT_EQ(At(frame, 4, 2), kSilver);
}

TEST(LauncherFontRecord, DamagedRecordsLoadNothing) {
  const std::vector<std::uint8_t> whole = BarFont();
  for (std::size_t length = 0; length < whole.size(); length += 7) {
    const std::vector<std::uint8_t> cut(whole.begin(),
                                        whole.begin() + static_cast<std::ptrdiff_t>(length));
    LauncherFont font;
    EXPECT_FALSE(font.Load(cut)) << length;
    EXPECT_EQ(font.TextWidth("abc"), 0);
    PixelFrame frame{4, 4, std::vector<std::uint32_t>(16, 0)};
    font.Draw(frame, 0, 0, "abc", 0);
    EXPECT_EQ(frame.pixels, std::vector<std::uint32_t>(16, 0));
  }
}

TEST(LauncherFontRecord, TextAtTheFrameEdgeIsClipped) {
  LauncherFont font;
  ASSERT_TRUE(font.Load(BarFont()));
  PixelFrame frame{10, 10, std::vector<std::uint32_t>(100, 0xFF808080u)};
  font.Draw(frame, -3, -4, "WW", 0x000000);
  font.Draw(frame, 7, 6, "WW", 0x000000);
  EXPECT_EQ(frame.pixels.size(), 100u);
  EXPECT_EQ(frame.pixels[0], 0xFF000000u);   // the first bar's lower right part
  EXPECT_EQ(frame.pixels[99], 0xFF000000u);  // the second call's first bar
}

}  // namespace
}  // namespace vellara
