// The built archive through the game's own loader: every picture the scene draws is there
// with its pattern count, the figures stand on their anchors, the game backgrounds' squares
// lie where the board table says.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "fake_display.h"
#include "gfx/asset_archive.h"
#include "gfx/gfx_canvas.h"
#include "gfx/gfx_device.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "gfx/gfx_loader.h"
#include "ui/board_geometry.h"

namespace vellara {
namespace {

constexpr double kPortraitFactor = 3.33;

// Decoded pixels are 0xAABBGGRR.
int Alpha(std::uint32_t c) {
  return static_cast<int>(c >> 24);
}
double Luminance(std::uint32_t c) {
  return 0.2126 * (c & 0xFF) + 0.7152 * ((c >> 8) & 0xFF) + 0.0722 * ((c >> 16) & 0xFF);
}

class BuiltContent : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    state_ = new State;
    State& s = *state_;
    s.archive.SetPassword("qzvk", 4);
    s.archive.SetOpenMode(opReadOnly);
    s.archive.SetFileName(std::string(VELLARA_CONTENT_DIR) + "/vellara.dat");
    s.canvas.SetPublisher(&s.device);
    s.images.SetPublisher(&s.device);
    s.loader.SetPublisher(&s.device);
    s.fonts.SetPublisher(&s.device);
    s.fonts.Canvas = &s.canvas;
    s.loader.Images = &s.images;
    s.loader.Fonts = &s.fonts;
    s.loader.Archive = &s.archive;
    s.loader.XMLDescFile = std::string(VELLARA_CONTENT_DIR) + "/vellara.def";
    s.device.OnRender = [](GfxDevice&) {};
    s.initialised = s.device.Initialize() && s.loader.LoadGroup("Content");
  }
  static void TearDownTestSuite() {
    delete state_;
    state_ = nullptr;
  }

  void SetUp() override { ASSERT_TRUE(state_->initialised); }

  static const GfxImage* Image(const char* name) { return state_->images.ImageByName(name); }

  // Pixel (x, y) of a pattern's visible region.
  static std::uint32_t Pixel(const GfxImage& image, int pattern, int x, int y) {
    PatternRegion r;
    EXPECT_TRUE(image.GetPatternRegion(pattern, r));
    const auto& t = state_->display.renderer.textures.at(image.Texture(r.texture));
    return t.pixels[static_cast<std::size_t>((r.y + y) * t.width + r.x + x)];
  }

  struct State {
    test::FakeDisplay display;
    GfxDevice device{display};
    AssetArchive archive;
    GfxCanvas canvas;
    GfxImages images;
    GfxLoader loader;
    GfxFonts fonts;
    bool initialised = false;
  };
  static State* state_;
};
BuiltContent::State* BuiltContent::state_ = nullptr;

TEST_F(BuiltContent, EveryPictureTheSceneNamesIsThereWithItsPatternCount) {
  const struct {
    const char* name;
    int patterns, width, height;
  } cases[] = {
      {"ground", 4, 1024, 768}, {"vellara_piece_2", 12, 0, 0}, {"vellara_piece_1", 12, 0, 0},
      {"piece_1", 12, 0, 0},    {"piece_2", 12, 90, 90},       {"classic", 4, 800, 800},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const GfxImage* image = Image(c.name);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->PatternCount(), c.patterns);
    if (c.width > 0) {
      EXPECT_EQ(image->VisibleWidth(), c.width);
      EXPECT_EQ(image->VisibleHeight(), c.height);
    }
  }
  // Icons fit the 90-pixel box of the promotion chooser.
  ASSERT_NE(Image("piece_1"), nullptr);
  EXPECT_LE(Image("piece_1")->VisibleWidth(), 90);
  EXPECT_LE(Image("piece_1")->VisibleHeight(), 90);
  // Portraits are the board figures 3.33 times as large.
  const GfxImage* board = Image("vellara_piece_2");
  const GfxImage* portrait = Image("vellara_piece_1");
  ASSERT_NE(board, nullptr);
  ASSERT_NE(portrait, nullptr);
  EXPECT_NEAR(portrait->VisibleWidth(), board->VisibleWidth() * kPortraitFactor, 1.0);
  EXPECT_NEAR(portrait->VisibleHeight(), board->VisibleHeight() * kPortraitFactor, 1.0);
}

// The base is the lowest opaque row; the anchor lies in it, centred on its opaque span,
// and nothing below it is more than faintly visible.
void ExpectStandsOn(const GfxImage& image, int pattern, Point anchor,
                    std::uint32_t (*pixel)(const GfxImage&, int, int, int)) {
  const int w = image.VisibleWidth();
  const int h = image.VisibleHeight();
  int lowest = -1;
  for (int y = h - 1; y >= 0 && lowest < 0; --y) {
    for (int x = 0; x < w; ++x) {
      if (Alpha(pixel(image, pattern, x, y)) >= 128) {
        lowest = y;
        break;
      }
    }
  }
  EXPECT_EQ(lowest, anchor.y);
  if (lowest < 0) return;
  int first = w, last = -1;
  for (int x = 0; x < w; ++x) {
    if (Alpha(pixel(image, pattern, x, lowest)) >= 128) {
      first = std::min(first, x);
      last = std::max(last, x);
    }
  }
  EXPECT_NEAR((first + last) / 2.0, anchor.x, 1.0);
  for (int y = lowest + 1; y < h; ++y) {
    for (int x = 0; x < w; ++x) ASSERT_LT(Alpha(pixel(image, pattern, x, y)), 64) << x << "," << y;
  }
}

TEST_F(BuiltContent, FiguresStandOnTheirAnchors) {
  const GfxImage* board = Image("vellara_piece_2");
  const GfxImage* portrait = Image("vellara_piece_1");
  ASSERT_NE(board, nullptr);
  ASSERT_NE(portrait, nullptr);
  for (int code = -6; code <= 6; ++code) {
    if (code == 0) continue;
    SCOPED_TRACE(code);
    const Point a = PieceAnchor(code);
    ExpectStandsOn(*board, PiecePattern(code), a, &BuiltContent::Pixel);
    const Point big{static_cast<int>(std::nearbyint(a.x * kPortraitFactor)),
                    static_cast<int>(std::nearbyint(a.y * kPortraitFactor))};
    ExpectStandsOn(*portrait, PiecePattern(code), big, &BuiltContent::Pixel);
  }
}

TEST_F(BuiltContent, GameBackgroundsShowTheTablesSquaresLightAndDarkInTurn) {
  const GfxImage* ground = Image("ground");
  ASSERT_NE(ground, nullptr);
  const struct {
    int pattern;
    Point origin;
  } backgrounds[] = {{2, {0, 0}}, {3, {13, 73}}};
  for (const auto& b : backgrounds) {
    SCOPED_TRACE(b.pattern);
    double darkest_light = 1e9, lightest_dark = -1.0;
    for (int s = 1; s <= 64; ++s) {
      const Point c = SquareCentre(s, b.origin);
      double sum = 0;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx)
          sum += Luminance(Pixel(*ground, b.pattern, c.x + dx, c.y + dy));
      }
      const double l = sum / 9;
      // a8 (square 1) is light; colours alternate along files and ranks.
      const bool light = ((s - 1) % 8 + (s - 1) / 8) % 2 == 0;
      if (light) {
        darkest_light = std::min(darkest_light, l);
      } else {
        lightest_dark = std::max(lightest_dark, l);
      }
    }
    EXPECT_GT(darkest_light, lightest_dark + 20.0);
  }
}

}  // namespace
}  // namespace vellara
