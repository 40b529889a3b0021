// Canvas geometry and batching, checked on the recording renderer.
#include "gfx/gfx_canvas.h"
#include "image_head.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "fake_display.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"

namespace vellara {
namespace {

std::vector<std::uint8_t> Blank(const ImageRecordHead& h) {
  return EncodeImageRecord(
      h,
      std::vector<std::vector<std::uint32_t>>(
          static_cast<std::size_t>(h.TextureCount),
          std::vector<std::uint32_t>(static_cast<std::size_t>(h.TextureWidth * h.TextureHeight))));
}

class CanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    canvas_.SetPublisher(&device_);
    fonts_.SetPublisher(&device_);
    fonts_.Canvas = &canvas_;
    device_.OnRender = [](GfxDevice&) {};
    ASSERT_TRUE(device_.Initialize());
  }
  RecordingRenderer& R() { return display_.renderer; }
  void EndFrame() { device_.Notify(dnEndScene); }

  void LoadImage(GfxImage& image, const ImageRecordHead& h) {
    MemoryStream s(Blank(h));
    ASSERT_TRUE(image.LoadFromStream(s, &R()));
  }
  // A font of glyphs 'A'..'C' (advances 5, 6, 7, spacing 1), 8 x 10 glyph cells.
  GfxFont& LoadFont() {
    GfxFont& f = fonts_.Add();
    MemoryStream s(EncodeFontRecord('A', 1, {5, 6, 7}, Blank(Head(8, 10, 8, 10, 0, 24, 10, 1))));
    EXPECT_TRUE(f.LoadFromStream(s, aqHigh, alFull, &R()));
    return f;
  }
  // Top-left corners of the quads drawn, in order.
  std::vector<std::pair<float, float>> QuadCorners() {
    std::vector<std::pair<float, float>> out;
    for (const auto& call : R().calls) {
      for (std::size_t i = 0; i < call.vertices.size(); i += 4) {
        out.emplace_back(call.vertices[i].x, call.vertices[i].y);
      }
    }
    return out;
  }

  test::FakeDisplay display_;
  GfxDevice device_{display_};
  GfxCanvas canvas_;
  GfxFonts fonts_;
};

TEST_F(CanvasTest, FillRectColorCoversItsPixelEdges) {
  canvas_.FillRectColor(10, 20, 3, 2, 0xFF0000FFu, 1);
  EndFrame();
  ASSERT_EQ(R().calls.size(), 1u);
  const auto& v = R().calls[0].vertices;
  ASSERT_EQ(v.size(), 4u);
  EXPECT_EQ(R().calls[0].indices, (std::vector<std::uint32_t>{0, 1, 3, 1, 2, 3}));
  const float expected[4][2] = {{10, 20}, {13, 20}, {13, 22}, {10, 22}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(v[i].x, expected[i][0]);
    EXPECT_FLOAT_EQ(v[i].y, expected[i][1]);
    EXPECT_EQ(v[i].colour, 0xFF0000FFu);
  }
}

TEST_F(CanvasTest, PatternsUseTheirRegionAndScaledSizesRoundHalfToEven) {
  GfxImage image;
  LoadImage(image, Head(41, 41, 41, 41, 0, 82, 41, 1));
  canvas_.DrawPattern(image, 1, 100, 50, 1);
  canvas_.DrawPatternScaled(image, 0, 10, 10, 0.5f, 1);  // 20.5 -> 20
  canvas_.DrawPatternScaled(image, 0, 10, 10, 1.5f, 1);  // 61.5 -> 62
  EndFrame();
  ASSERT_EQ(R().calls.size(), 1u);
  const auto& v = R().calls[0].vertices;
  EXPECT_FLOAT_EQ(v[0].x, 100);
  EXPECT_FLOAT_EQ(v[2].x, 141);
  EXPECT_FLOAT_EQ(v[2].y, 91);
  EXPECT_FLOAT_EQ(v[0].u, 0.5f);
  EXPECT_FLOAT_EQ(v[1].u, 1.0f);
  EXPECT_EQ(v[0].colour, 0xFFFFFFFFu);
  EXPECT_FLOAT_EQ(v[6].x - v[4].x, 20);
  EXPECT_FLOAT_EQ(v[10].x - v[8].x, 62);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
}

TEST_F(CanvasTest, ImagesWithoutPatternsDrawNothing) {
  GfxImage none;
  canvas_.DrawPattern(none, 0, 0, 0, 1);
  GfxImage empty;
  LoadImage(empty, Head(4, 4, 4, 4, 0, 4, 4, 0));
  canvas_.DrawPattern(empty, 0, 0, 0, 1);
  EndFrame();
  EXPECT_TRUE(R().calls.empty());
}

TEST_F(CanvasTest, BatchesSplitOnKindEffectTextureAndSizeKeepingOrder) {
  GfxImage a, b;
  LoadImage(a, Head(4, 4, 4, 4, 0, 8, 4, 1));
  LoadImage(b, Head(4, 4, 4, 4, 0, 8, 4, 1));
  canvas_.FillRectColor(0, 0, 1, 1, 0, 1284);
  canvas_.FillRectColor(1, 0, 1, 1, 0, 1284);
  canvas_.FillRectColor(2, 0, 1, 1, 0, 0x7F000000u | 1284);  // top byte ignored
  canvas_.FillRectColor(3, 0, 1, 1, 0, 260);                 // effect change
  canvas_.DrawPattern(a, 0, 0, 0, 260);                      // texture change
  canvas_.DrawPattern(a, 1, 0, 0, 260);
  canvas_.DrawPattern(b, 0, 0, 0, 260);  // other texture
  canvas_.DrawPixel(5, 5, 0, 260);       // kind change
  canvas_.DrawPixel(6, 5, 0, 260);
  EXPECT_EQ(R().calls.size(), 4u);  // the last batch waits for the end of the scene
  EndFrame();
  ASSERT_EQ(R().calls.size(), 5u);
  const std::size_t sizes[] = {12, 4, 8, 4, 2};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(R().calls[i].vertices.size(), sizes[i]) << i;
  EXPECT_EQ(R().calls[2].texture, a.Texture(0));
  EXPECT_EQ(R().calls[3].texture, b.Texture(0));
  EXPECT_EQ(R().calls[4].kind, PrimitiveKind::kPoints);
  EXPECT_EQ(R().calls[0].indices.back(), 11u);  // indices are local to their batch

  R().calls.clear();
  canvas_.SetVertexCache(100);  // ignored while the canvas holds device resources
  EXPECT_EQ(canvas_.VertexCache(), 4096);
  for (int i = 0; i < 1025; ++i) canvas_.FillRectColor(i, 0, 1, 1, 0, 1);
  EndFrame();
  ASSERT_EQ(R().calls.size(), 2u);  // 4096 vertices fit 682 quads by indices
  EXPECT_EQ(R().calls[0].indices.size(), 4092u);
}

TEST_F(CanvasTest, VertexCacheIsRoundedAndClamped) {
  GfxCanvas c;
  for (auto [in, out] :
       {std::pair{100, 512}, std::pair{513, 516}, std::pair{70000, 65536}, std::pair{4096, 4096}}) {
    c.SetVertexCache(in);
    EXPECT_EQ(c.VertexCache(), out) << in;
  }
}

TEST_F(CanvasTest, StateIsSetBeforeTheFirstPrimitiveOfEachFrame) {
  canvas_.Antialias = false;
  canvas_.AlphaTesting = true;
  canvas_.FillRectColor(0, 0, 1, 1, 0, 1);
  canvas_.FillRectColor(0, 0, 1, 1, 0, 1);
  EndFrame();
  EXPECT_EQ(R().stateSets, 1);
  EXPECT_FALSE(R().state.antialias);
  EXPECT_TRUE(R().state.alphaTesting);
  canvas_.FillRectColor(0, 0, 1, 1, 0, 1);
  EndFrame();
  EXPECT_EQ(R().stateSets, 2);
}

TEST_F(CanvasTest, DrawingWhileLostIsDiscardedUntilReset) {
  device_.Notify(dnLost);
  EXPECT_FALSE(canvas_.HasResources());
  canvas_.FillRectColor(0, 0, 1, 1, 0, 1);
  EndFrame();
  EXPECT_TRUE(R().calls.empty());
  device_.Notify(dnReset);
  canvas_.FillRectColor(0, 0, 1, 1, 0, 1);
  EndFrame();
  EXPECT_EQ(R().calls.size(), 1u);
}

TEST_F(CanvasTest, DrawLinePlotsPixelPairsAlongTheStepAxis) {
  canvas_.DrawLine(10, 10, 20, 10, 0xFF0000FFu, 0xFF0000FFu, 1284);
  EndFrame();
  ASSERT_EQ(R().calls.size(), 1u);
  const auto& v = R().calls[0].vertices;
  ASSERT_EQ(v.size(), 22u);
  for (int k = 0; k < 11; ++k) {
    EXPECT_FLOAT_EQ(v[2 * k].x, 10.5f + static_cast<float>(k));
    EXPECT_FLOAT_EQ(v[2 * k].y, 10.5f);
    EXPECT_EQ(v[2 * k].colour, 0xFF0000FFu);
    EXPECT_FLOAT_EQ(v[2 * k + 1].y, 11.5f);
    EXPECT_EQ(v[2 * k + 1].colour, 0x000000FFu);
  }
}

TEST_F(CanvasTest, DrawLineBlendsColoursAndHandlesSteepReversedAndDegenerateLines) {
  // Steep line drawn upwards: ends swapped, colour1 stays at the smaller y.
  canvas_.DrawLine(5, 20, 5, 10, 0xFF000000u, 0xFFFFFFFFu, 1284);
  EndFrame();
  const auto& v = R().calls[0].vertices;
  ASSERT_EQ(v.size(), 22u);
  EXPECT_FLOAT_EQ(v[0].y, 10.5f);
  EXPECT_FLOAT_EQ(v[0].x, 5.5f);
  EXPECT_FLOAT_EQ(v[1].x, 6.5f);
  EXPECT_EQ(v[0].colour, 0xFF000000u);
  EXPECT_EQ(v[20].colour, 0xFFFEFEFEu);  // w = 255 of 256
  EXPECT_EQ(v[10].colour, 0xFF7F7F7Fu);  // w = 128: 255*128/256 + 0 = 127
  R().calls.clear();
  canvas_.DrawLine(3, 3, 3, 3, 0xFF00FF00u, 0xFFFFFFFFu, 1);  // one column, no division by zero
  EndFrame();
  ASSERT_EQ(R().calls.size(), 1u);
  EXPECT_EQ(R().calls[0].vertices.size(), 2u);
  EXPECT_EQ(R().calls[0].vertices[0].colour, 0xFF00FF00u);
}

TEST_F(CanvasTest, PrintTextPlacesGlyphsAndBlanks) {
  GfxFont& f = LoadFont();
  canvas_.PrintText(f, "AB C", 10.7f, 20.9f, 0xFF0000FFu, 0xFF00FF00u, 1284);
  EndFrame();
  // A at int(10.7) = 10; B at 10.7 + 6; blank ' ' (below 'A') advances 8 * 0.3; C after it.
  const auto corners = QuadCorners();
  ASSERT_EQ(corners.size(), 3u);
  EXPECT_FLOAT_EQ(corners[0].first, 10);
  EXPECT_FLOAT_EQ(corners[0].second, 20);
  EXPECT_FLOAT_EQ(corners[1].first, 16);
  EXPECT_FLOAT_EQ(corners[2].first, 26);  // 10.7 + 6 + 7 + 2.4 = 26.1
  const auto& v = R().calls[0].vertices;
  EXPECT_EQ(v[0].colour, 0xFF0000FFu);
  EXPECT_EQ(v[1].colour, 0xFF0000FFu);
  EXPECT_EQ(v[2].colour, 0xFF00FF00u);
  EXPECT_EQ(v[3].colour, 0xFF00FF00u);
  EXPECT_FLOAT_EQ(v[2].x - v[0].x, 8);
  EXPECT_FLOAT_EQ(v[2].y - v[0].y, 10);
  EXPECT_FLOAT_EQ(v[4].u, 1.0f / 3.0f);  // glyph 1 is pattern 1
}

TEST_F(CanvasTest, ColourTagsNeedTwoCharactersAfterThem) {
  GfxFont& f = LoadFont();
  struct Case {
    std::string text;
    std::size_t glyphs;
    std::uint32_t top, bottom;
  };
  const Case cases[] = {
      {"#$FF0000FFAB", 2, 0xFF0000FFu, 0xFF111111u},
      {"#$FF0000FFA", 1, 0xFF222222u, 0xFF111111u},  // drawn as text: only 'A' is a glyph
      {"&$FF00FF00AB", 2, 0xFF222222u, 0xFF00FF00u},
      {"0xFFABCDEFAB", 2, 0xFFABCDEFu, 0xFFABCDEFu},
      {"#$XYZ00000AB", 2, 0xFF222222u, 0xFF111111u},  // invalid number: colour stays
      {"0xFFFFFFFGAB", 2, 0xFF111111u, 0xFF111111u},  // invalid: both take the bottom colour
      {"#$FF0000FF&$FF00FF00AB", 2, 0xFF0000FFu, 0xFF00FF00u},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    R().calls.clear();
    canvas_.PrintText(f, c.text, 0, 0, 0xFF222222u, 0xFF111111u, 1284);
    EndFrame();
    std::size_t quads = 0;
    for (const auto& call : R().calls) quads += call.vertices.size() / 4;
    ASSERT_EQ(quads, c.glyphs);
    const auto& v = R().calls.back().vertices;
    EXPECT_EQ(v[v.size() - 4].colour, c.top);
    EXPECT_EQ(v[v.size() - 1].colour, c.bottom);
  }
  f.TextTags = false;
  R().calls.clear();
  canvas_.PrintText(f, "#$FF0000FFAB", 0, 0, 0xFF222222u, 0xFF111111u, 1284);
  EndFrame();
  EXPECT_EQ(R().calls[0].vertices.size(), 8u);  // 'F' and digits are outside A..C
}

TEST_F(CanvasTest, PrintTextNeedsAnOwnerWithACanvas) {
  GfxFont& f = LoadFont();
  fonts_.Canvas = nullptr;
  try {
    canvas_.PrintText(f, "A", 0, 0, 0, 0, 1);
    FAIL();
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "GfxFont: Unassigned Owner.Canvas property.");
  }
  f.SetOwner(nullptr);
  try {
    canvas_.PrintText(f, "A", 0, 0, 0, 0, 1);
    FAIL();
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "GfxFont: Unassigned Owner property.");
  }
  GfxFont unloaded(nullptr);
  EXPECT_NO_THROW(canvas_.PrintText(unloaded, "A", 0, 0, 0, 0, 1));
}

}  // namespace
}  // namespace vellara
