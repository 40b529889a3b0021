// The canvas drawn for real: SDL window, OpenGL 3.3 core (Mesa's software renderer under a
// virtual X display), the 1024 x 768 back buffer read back pixel by pixel.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "gfx/gfx_canvas.h"
#include "gfx/gfx_device.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "gfx/scene_viewport.h"
#include "platform/video/sdl_display.h"
#include "platform/video/window_geometry.h"

namespace vellara {
namespace {

constexpr int kW = 1024, kH = 768;

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device_.SetWidth(kW);
    device_.SetHeight(kH);
    device_.SetVSync(false);
    canvas_.SetPublisher(&device_);
    images_.SetPublisher(&device_);
    fonts_.SetPublisher(&device_);
    fonts_.Canvas = &canvas_;
    ASSERT_TRUE(device_.Initialize()) << display_.LastError();
  }
  void TearDown() override {
    images_.Clear();
    fonts_.Clear();
    device_.Finalize();
  }

  // Draws one frame over a cleared back buffer and reads it back.
  void Frame(std::uint32_t clear, const std::function<void()>& draw) {
    device_.OnRender = [&](GfxDevice&) { draw(); };
    ASSERT_TRUE(device_.Render(clear, true));
    pixels_ = display_.ReadBackBuffer();
    ASSERT_EQ(pixels_.size(), static_cast<std::size_t>(kW * kH));
  }
  std::uint32_t At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * kW + x)]; }
  static int Channel(std::uint32_t c, int i) { return static_cast<int>((c >> (8 * i)) & 0xFF); }

  GfxImage& MakeImage(const ImageRecordHead& h, const std::vector<std::uint32_t>& texels) {
    GfxImage& image = images_.Add();
    MemoryStream s(EncodeImageRecord(h, {texels}));
    EXPECT_TRUE(image.LoadFromStream(s, device_.Renderer()));
    return image;
  }

  SdlDisplay display_{{"render test", true}};
  GfxDevice device_{display_};
  GfxCanvas canvas_;
  GfxImages images_;
  GfxFonts fonts_;
  std::vector<std::uint32_t> pixels_;
};

ImageRecordHead Head(int pw, int ph, int tw, int th) {
  ImageRecordHead h;
  h.PixelFormat = 5;
  h.PatternWidth = h.VisibleWidth = pw;
  h.PatternHeight = h.VisibleHeight = ph;
  h.TextureWidth = tw;
  h.TextureHeight = th;
  h.TextureCount = 1;
  return h;
}

TEST_F(RenderTest, FillRectColorCoversExactlyItsPixels) {
  Frame(0xFF000000u, [&] { canvas_.FillRectColor(10, 20, 3, 2, 0xFF0000FFu, 1); });
  int lit = 0;
  for (int y = 15; y < 28; ++y) {
    for (int x = 5; x < 18; ++x) {
      const bool inside = x >= 10 && x <= 12 && y >= 20 && y <= 21;
      EXPECT_EQ(At(x, y), inside ? 0xFF0000FFu : 0xFF000000u) << x << "," << y;
      lit += inside;
    }
  }
  EXPECT_EQ(lit, 6);
}

TEST_F(RenderTest, DrawPatternCopiesTexelsOneToOneIncludingTransparentOnes) {
  std::vector<std::uint32_t> texels(80 * 30);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 80; ++x) {
      texels[static_cast<std::size_t>(y * 80 + x)] =
          static_cast<std::uint32_t>(x * 3) | static_cast<std::uint32_t>(y * 8) << 8 |
          static_cast<std::uint32_t>((x + y) * 2) << 16 |
          static_cast<std::uint32_t>((x * 7 + y * 13) % 256) << 24;
    }
  }
  texels[45] = 0x00FFFFFFu;  // fully transparent
  GfxImage& image = MakeImage(Head(40, 30, 80, 30), texels);
  Frame(0xFF808080u, [&] { canvas_.DrawPattern(image, 1, 100, 50, 1); });
  for (int j = 0; j < 30; ++j) {
    for (int i = 0; i < 40; ++i) {
      ASSERT_EQ(At(100 + i, 50 + j), texels[static_cast<std::size_t>(j * 80 + 40 + i)])
          << i << "," << j;
    }
  }
  EXPECT_EQ(At(99, 50), 0xFF808080u);
  EXPECT_EQ(At(140, 50), 0xFF808080u);
  EXPECT_EQ(At(100, 80), 0xFF808080u);
}

TEST_F(RenderTest, DrawPatternScaledSizesRoundHalfToEven) {
  GfxImage& image =
      MakeImage(Head(41, 41, 41, 41), std::vector<std::uint32_t>(41 * 41, 0xFFFFFFFFu));
  Frame(0xFF000000u, [&] { canvas_.DrawPatternScaled(image, 0, 200, 100, 0.5f, 1); });
  int lit = 0, minX = kW, maxX = -1, minY = kH, maxY = -1;
  for (int y = 90; y < 130; ++y) {
    for (int x = 190; x < 230; ++x) {
      if (At(x, y) != 0xFF000000u) {
        ++lit;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
      }
    }
  }
  EXPECT_EQ(lit, 400);
  EXPECT_EQ(minX, 200);
  EXPECT_EQ(maxX, 219);
  EXPECT_EQ(minY, 100);
  EXPECT_EQ(maxY, 119);
}

TEST_F(RenderTest, EffectCodesBlendAsTheirFactorsAndOperationSay) {
  struct Case {
    const char* what;
    std::uint32_t background, colour, effect;
    int r, g, b;
    int a;  // -1: not checked
  };
  const Case cases[] = {
      {"65796 subtracts the source colour", 0xFFFFFFFFu, 0xFF111111u, 65796, 0xEE, 0xEE, 0xEE, -1},
      {"1280 with alpha 0 leaves the destination", 0xFFFFFFFFu, 0x004080C0u, 1280, 255, 255, 255,
       255},
      {"1280 darkens by the source alpha", 0xFFFFFFFFu, 0x80FF0000u, 1280, 127, 127, 127, -1},
      {"1284 is transparency", 0xFFFFFFFFu, 0x800000FFu, 1284, 255, 127, 127, -1},
      {"260 adds the source times alpha", 0xFF000000u, 0x80FF0000u, 260, 0, 0, 128, -1},
      {"1 replaces, alpha included", 0xFFFFFFFFu, 0x40123456u, 1, 0x56, 0x34, 0x12, 0x40},
      {"minimum", 0xFF808080u, 0xFF2040C0u, 0x030000, 0x80, 0x40, 0x20, -1},
      {"maximum", 0xFF808080u, 0xFF2040C0u, 0x040000, 0xC0, 0x80, 0x80, -1},
      {"subtract: src - dst", 0xFF202020u, 0xFF808080u, 0x020101, 0x60, 0x60, 0x60, -1},
      {"saturated source alpha", 0x80000000u, 0xFFFFFFFFu, 0x00010A, 128, 128, 128, -1},
      {"destination colour factor", 0xFF808080u, 0xFFFFFFFFu, 0x000008, 0x80, 0x80, 0x80, -1},
      {"top byte ignored", 0xFFFFFFFFu, 0xFF111111u, 0xAB000000u | 65796, 0xEE, 0xEE, 0xEE, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Frame(c.background, [&] { canvas_.FillRectColor(300, 300, 4, 4, c.colour, c.effect); });
    const std::uint32_t p = At(301, 301);
    EXPECT_NEAR(Channel(p, 0), c.r, 1);
    EXPECT_NEAR(Channel(p, 1), c.g, 1);
    EXPECT_NEAR(Channel(p, 2), c.b, 1);
    if (c.a >= 0) {
      EXPECT_NEAR(Channel(p, 3), c.a, 1);
    }
    EXPECT_EQ(At(299, 301), c.background);
  }
}

TEST_F(RenderTest, DrawLinePlotsTheUpperPixelOfEachPair) {
  Frame(0xFF000000u, [&] { canvas_.DrawLine(10, 10, 20, 10, 0xFF0000FFu, 0xFF0000FFu, 1284); });
  for (int x = 8; x <= 22; ++x) {
    const bool on = x >= 10 && x <= 20;
    EXPECT_EQ(At(x, 10), on ? 0xFF0000FFu : 0xFF000000u) << x;
    EXPECT_EQ(At(x, 11), 0xFF000000u) << x;  // the lower pixels have alpha 0
    EXPECT_EQ(At(x, 9), 0xFF000000u) << x;
  }
}

TEST_F(RenderTest, DrawPixelCoversTheNearestPixel) {
  Frame(0xFF000000u, [&] { canvas_.DrawPixel(5.4f, 7.6f, 0xFFFFFFFFu, 1); });
  EXPECT_EQ(At(5, 8), 0xFFFFFFFFu);
  EXPECT_EQ(At(5, 7), 0xFF000000u);
  EXPECT_EQ(At(6, 8), 0xFF000000u);
}

class RenderTextTest : public RenderTest {
 protected:
  // Glyphs 'A' and 'B': solid 8 x 10 white cells, advance 10.
  GfxFont& Font() {
    GfxFont& f = fonts_.Add();
    ImageRecordHead h = Head(8, 10, 16, 10);
    MemoryStream s(EncodeFontRecord(
        'A', 0, {10, 10}, EncodeImageRecord(h, {std::vector<std::uint32_t>(160, 0xFFFFFFFFu)})));
    EXPECT_TRUE(f.LoadFromStream(s, aqHigh, alFull, device_.Renderer()));
    return f;
  }
  std::vector<int> LitColumns(int y) const {
    std::vector<int> xs;
    for (int x = 0; x < 60; ++x) {
      if (At(x, y) != 0xFF000000u) xs.push_back(x);
    }
    return xs;
  }
};

std::vector<int> Range(int from, int to) {
  std::vector<int> v;
  for (int i = from; i <= to; ++i) v.push_back(i);
  return v;
}

TEST_F(RenderTextTest, GlyphsArePlacedByAdvanceAndBlanksBySpacing) {
  GfxFont& f = Font();
  Frame(0xFF000000u,
        [&] { canvas_.PrintText(f, "A B", 10.9f, 20, 0xFFFFFFFFu, 0xFFFFFFFFu, 1284); });
  // 'A' at 10, the blank advances 8 * 0.3 = 2.4, 'B' at int(20.9 + 2.4) = 23.
  std::vector<int> expected = Range(10, 17);
  for (int x : Range(23, 30)) expected.push_back(x);
  EXPECT_EQ(LitColumns(25), expected);
  EXPECT_EQ(LitColumns(19), std::vector<int>{});
  EXPECT_EQ(LitColumns(29), expected);
  EXPECT_EQ(LitColumns(30), std::vector<int>{});
}

TEST_F(RenderTextTest, GlyphsShadeFromTopColourToBottomColourAndTagsChangeThem) {
  GfxFont& f = Font();
  Frame(0xFF000000u, [&] { canvas_.PrintText(f, "A", 10, 20, 0xFF0000FFu, 0xFFFF0000u, 1); });
  EXPECT_GT(Channel(At(12, 20), 0), 200);  // red on top
  EXPECT_LT(Channel(At(12, 20), 2), 50);
  EXPECT_GT(Channel(At(12, 29), 2), 200);  // blue at the bottom
  Frame(0xFF000000u,
        [&] { canvas_.PrintText(f, "#$FF00FF00AB", 10, 20, 0xFF0000FFu, 0xFFFF0000u, 1); });
  std::vector<int> two = Range(10, 17);  // just the two letters, 'A' at 10, 'B' at 20
  for (int x : Range(20, 27)) two.push_back(x);
  EXPECT_EQ(LitColumns(25), two);
  EXPECT_GT(Channel(At(12, 20), 1), 200);  // green on top
  EXPECT_LT(Channel(At(12, 20), 0), 50);
  Frame(0xFF000000u,
        [&] { canvas_.PrintText(f, "#$FF00FF00A", 10, 20, 0xFF0000FFu, 0xFFFF0000u, 1); });
  // Eleven characters as text: only 'A' has a glyph; it stands after ten blanks of 2.4.
  EXPECT_EQ(LitColumns(25), Range(34, 41));
}

TEST_F(RenderTest, BatchingKeepsDrawOrder) {
  GfxImage& image = MakeImage(Head(8, 8, 8, 8), std::vector<std::uint32_t>(64, 0xFF00FF00u));
  Frame(0xFF000000u, [&] {
    canvas_.FillRectColor(50, 50, 8, 8, 0xFF0000FFu, 1);  // red
    canvas_.DrawPattern(image, 0, 50, 50, 1);             // green texture over it
    canvas_.FillRectColor(54, 50, 4, 8, 0xFFFF0000u, 1);  // blue over half of that
    canvas_.DrawPixel(51, 51, 0xFFFFFFFFu, 1);            // a white point on the green
    canvas_.FillRectColor(60, 50, 2, 2, 0xFFFFFFFFu, 1);
    canvas_.DrawPixel(60, 50, 0xFF0000FFu, 1);  // red point over the white
  });
  EXPECT_EQ(At(52, 52), 0xFF00FF00u);
  EXPECT_EQ(At(55, 52), 0xFFFF0000u);
  EXPECT_EQ(At(51, 51), 0xFFFFFFFFu);
  EXPECT_EQ(At(60, 50), 0xFF0000FFu);
  EXPECT_EQ(At(61, 50), 0xFFFFFFFFu);
}

TEST_F(RenderTest, BackBufferSurvivesPresentingAndFlipWorks) {
  device_.OnRender = [&](GfxDevice&) { canvas_.FillRectColor(0, 0, 2, 2, 0xFF0000FFu, 1); };
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(device_.Render(0x00400000u, true));
    ASSERT_TRUE(device_.Flip());
  }
  pixels_ = display_.ReadBackBuffer();
  EXPECT_EQ(At(0, 0), 0xFF0000FFu);
  EXPECT_EQ(At(5, 5) & 0x00FFFFFFu, 0x00400000u);  // the scene's clear colour: blue 64
}

TEST_F(RenderTest, FullScreenAndBackMapWindowCoordinatesToScenePixels) {
  // The size the X server gives the window, not the one SDL asked for: without a window
  // manager a full-screen request is silently never carried out.
  auto waitForSize = [&](int w, int h) { return WaitForWindowSize(display_.Window(), w, h); };
  SDL_Rect desktop;
  ASSERT_EQ(SDL_GetDisplayBounds(0, &desktop), 0);
  GfxImage& image = MakeImage(Head(8, 8, 8, 8), std::vector<std::uint32_t>(64, 0xFF00FF00u));
  ASSERT_TRUE(device_.SetWindowed(false));
  EXPECT_TRUE(waitForSize(desktop.w, desktop.h));
  const SceneViewport v = FitScene(desktop.w, desktop.h, kW, kH);
  int sx = 0, sy = 0;
  display_.WindowToScene(v.x + v.width / 2, v.y + v.height / 2, sx, sy);
  EXPECT_EQ(sx, 512);
  EXPECT_EQ(sy, 384);
  display_.WindowToScene(v.x, v.y, sx, sy);
  EXPECT_EQ(sx, 0);
  EXPECT_EQ(sy, 0);
  // Images keep their textures across the switch.
  Frame(0xFF000000u, [&] { canvas_.DrawPattern(image, 0, 0, 0, 1); });
  EXPECT_EQ(At(3, 3), 0xFF00FF00u);
  EXPECT_TRUE(device_.Flip());

  ASSERT_TRUE(device_.SetWindowed(true));
  const int scale = display_.WindowScale();
  EXPECT_TRUE(waitForSize(kW * scale, kH * scale));
  display_.WindowToScene(100 * scale, 200 * scale, sx, sy);
  EXPECT_EQ(sx, 100);
  EXPECT_EQ(sy, 200);
  Frame(0xFF000000u, [&] { canvas_.DrawPattern(image, 0, 0, 0, 1); });
  EXPECT_EQ(At(3, 3), 0xFF00FF00u);
}

// No video driver to be had: Initialize fails cleanly, nothing is left created, and the
// caller can report it.
TEST(RenderInit, InitializeFailsCleanlyWithoutAVideoDriver) {
  const char* old = std::getenv("SDL_VIDEODRIVER");
  const std::string saved = old ? old : "";
  ::setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
  {
    SdlDisplay display({"no display", true});
    GfxDevice device(display);
    GfxCanvas canvas;
    canvas.SetPublisher(&device);
    bool handlerCalled = false;
    device.OnInitialize = [&](GfxDevice&, bool&) { handlerCalled = true; };
    EXPECT_FALSE(device.Initialize());
    EXPECT_FALSE(device.Exists());
    EXPECT_FALSE(handlerCalled);
    EXPECT_FALSE(canvas.HasResources());
    EXPECT_EQ(device.Renderer(), nullptr);
    EXPECT_FALSE(display.LastError().empty());
  }
  if (old) {
    ::setenv("SDL_VIDEODRIVER", saved.c_str(), 1);
  } else {
    ::unsetenv("SDL_VIDEODRIVER");
  }
}

}  // namespace
}  // namespace vellara
