#include "gfx/gfx_loader.h"
#include "image_head.h"

#include <gtest/gtest.h>

#include "fake_display.h"
#include "gfx/archive_writer.h"
#include "gfx/asset_archive.h"
#include "gfx/gfx_canvas.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "gfx/gfx_wiring.h"
#include "test_files.h"

namespace vellara {
namespace {

std::vector<std::uint8_t> ImageBytes(const ImageRecordHead& h, std::uint32_t colour) {
  return EncodeImageRecord(
      h, std::vector<std::vector<std::uint32_t>>(
             static_cast<std::size_t>(h.TextureCount),
             std::vector<std::uint32_t>(static_cast<std::size_t>(h.TextureWidth * h.TextureHeight),
                                        colour)));
}

// The scene's wiring: a device with canvas, images, loader and fonts attached in that order.
class LoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto small = ImageBytes(Head(4, 4, 4, 4, 0, 8, 4, 1), 0x80FF0000u);
    const auto font =
        EncodeFontRecord(65, 1, {3, 4}, ImageBytes(Head(4, 4, 4, 4, 0, 8, 4, 1), 0xFFFFFFFFu));
    std::vector<PackEntry> entries{
        {"small", 1, small, true},
        {"second", 1, ImageBytes(Head(2, 2, 2, 2, 0, 2, 2, 1), 0xFF00FF00u), true},
        {"big", 1, ImageBytes(Head(64, 64, 64, 64, 0, 256, 256, 2), 0xFF000000u), true},
        {"badsize", 1, ImageBytes(Head(4, 4, 5, 4, 0, 8, 4, 1), 0), true},
        {"font", kFontRecordType, font, true},
        {"font_as_image_type", 1, font, true},
    };
    PackOptions options;
    options.password = "qzvk";
    ASSERT_TRUE(WriteArchiveFile(dir_.File("vellara.dat"), entries, options));
    archive_.SetPassword("qzvk", 4);
    archive_.SetOpenMode(opReadOnly);
    archive_.SetFileName(dir_.File("vellara.dat"));

    ConnectToDevice(device_, canvas_, images_, fonts_, loader_, archive_);
    loader_.XMLDescFile = dir_.File("vellara.def");
    device_.OnRender = [](GfxDevice&) {};
    ASSERT_TRUE(device_.Initialize());
  }

  bool Load(const std::string& body, const std::string& group = "Content") {
    test::WriteText(loader_.XMLDescFile,
                    "<?xml version=\"1.0\"?>\n<!-- assets -->\n<vellara>" + body + "</vellara>");
    return loader_.LoadGroup(group);
  }

  static std::string Image(const std::string& attrs) {
    return "<image source=\"vellara.dat\" " + attrs + "/>";
  }

  std::vector<std::string> ImageNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < images_.Count(); ++i) names.push_back(images_.At(i)->Name);
    return names;
  }

  test::ScratchDir dir_;
  test::FakeDisplay display_;
  GfxDevice device_{display_};
  AssetArchive archive_;
  GfxCanvas canvas_;
  GfxImages images_;
  GfxLoader loader_;
  GfxFonts fonts_;
};

TEST_F(LoaderTest, LoadsOnlyTheWantedGroupByExactName) {
  const std::string body = "<group name=\"content\">" + Image("key=\"second\"") +
                           "</group><GROUP name=\"Content\">" + Image("key=\"small\"") +
                           "<FONT source=\"vellara.dat\" key=\"font\" name=\"f\"/></GROUP>";
  ASSERT_TRUE(Load(body));
  EXPECT_EQ(ImageNames(), (std::vector<std::string>{"small"}));
  ASSERT_EQ(fonts_.Count(), 1);
  EXPECT_EQ(fonts_.FontAt(0)->Name, "f");
  EXPECT_EQ(fonts_.FontAt(1), nullptr);
  EXPECT_EQ(fonts_.FontAt(-1), nullptr);
}

TEST_F(LoaderTest, UnreadableDescriptionFails) {
  loader_.XMLDescFile = dir_.File("missing.def");
  EXPECT_FALSE(loader_.LoadGroup("Content"));
}

TEST_F(LoaderTest, NamesAreFoundIgnoringCaseFirstLoadedWinsAndKeyStandsInForName) {
  ASSERT_TRUE(Load("<group name=\"Content\">" + Image("key=\"small\" name=\"Piece\"") +
                   Image("key=\"second\" name=\"PIECE\"") + Image("key=\"Second\"") + "</group>"));
  EXPECT_EQ(ImageNames(), (std::vector<std::string>{"Piece", "PIECE", "Second"}));
  EXPECT_EQ(images_.ImageByName("piece"), images_.At(0));
  EXPECT_EQ(images_.ImageByName("SECOND"), images_.At(2));
  EXPECT_EQ(images_.ImageByName("nothing"), nullptr);
}

TEST_F(LoaderTest, QualityAndAlphaLevelAttributes) {
  struct Case {
    std::string attrs;
    AssetQuality quality;
    AlphaLevel alpha;
  };
  const Case cases[] = {
      {"quality=\"low\" alphalevel=\"none\"", aqLow, alNone},
      {"quality='Medium' alphalevel='MaSk'", aqMedium, alMask},
      {"quality=\"LOW\"", aqLow, alFull},
      {"quality=\"best\" alphalevel=\"Exclusive\"", aqHigh, alExclusive},
      {"alphalevel=\"weird\"", aqHigh, alFull},
      {"Quality=\"low\" AlphaLevel=\"none\"", aqHigh, alFull},  // attribute names are exact
  };
  std::string body = "<group name=\"Content\">";
  for (const Case& c : cases) body += Image("key=\"small\" " + c.attrs);
  ASSERT_TRUE(Load(body + "</group>"));
  ASSERT_EQ(images_.Count(), static_cast<int>(std::size(cases)));
  for (int i = 0; i < images_.Count(); ++i) {
    SCOPED_TRACE(cases[i].attrs);
    EXPECT_EQ(images_.At(i)->Quality(), cases[i].quality);
    EXPECT_EQ(images_.At(i)->GetAlphaLevel(), cases[i].alpha);
  }
  // alNone made the red half-transparent texels opaque; alExclusive kept only alpha.
  const auto& textures = display_.renderer.textures;
  EXPECT_EQ(textures.at(images_.At(0)->Texture(0)).pixels[0], 0xFFFF0000u);
  EXPECT_EQ(textures.at(images_.At(3)->Texture(0)).pixels[0], 0x80FFFFFFu);
}

TEST_F(LoaderTest, BadElementsAreDroppedAndTheRestStillLoad) {
  ASSERT_TRUE(Load("<group name=\"Content\">" + Image("key=\"badsize\"") +
                   Image("key=\"missing\"") + "<image source=\"other.dat\" key=\"small\"/>" +
                   "<font source=\"vellara.dat\" key=\"font_as_image_type\"/>" +
                   "<font source=\"vellara.dat\" key=\"small\"/>" + Image("key=\"second\"") +
                   "<sprite source=\"vellara.dat\" key=\"small\"/></group>"));
  EXPECT_EQ(ImageNames(), (std::vector<std::string>{"second"}));
  EXPECT_EQ(fonts_.Count(), 0);
}

TEST_F(LoaderTest, NestedGroupEndEndsTheWantedGroup) {
  ASSERT_TRUE(Load("<group name=\"Content\">" + Image("key=\"small\"") +
                   "<group name=\"inner\"></group>" + Image("key=\"second\"") + "</group>"));
  EXPECT_EQ(ImageNames(), (std::vector<std::string>{"small"}));
}

TEST_F(LoaderTest, OnLoadHearsEachLoadedElement) {
  std::vector<std::string> heard;
  loader_.OnLoad = [&](const std::string& s) { heard.push_back(s); };
  ASSERT_TRUE(Load("<group name=\"Content\">" + Image("key=\"small\"") + Image("key=\"nope\"") +
                   "<font source=\"vellara.dat\" key=\"font\"/></group>"));
  EXPECT_EQ(heard, (std::vector<std::string>{"vellara.dat\\small", "vellara.dat\\font"}));
}

TEST_F(LoaderTest, MalformedDescriptionKeepsWhatCameBeforeTheFault) {
  test::WriteText(loader_.XMLDescFile, "<vellara><group name=\"Content\">" +
                                           Image("key=\"small\"") +
                                           "<image key=\"second\" source=\"vellara.dat\" <<");
  EXPECT_TRUE(loader_.LoadGroup("Content"));
  EXPECT_EQ(ImageNames(), (std::vector<std::string>{"small"}));
}

TEST_F(LoaderTest, FontsGetDefaultNamesFromARunningCounter) {
  EXPECT_EQ(fonts_.Add().Name, "Font00");
  fonts_.Delete(0);
  EXPECT_EQ(fonts_.Add().Name, "Font01");
  for (int i = 0; i < 9; ++i) fonts_.Add();
  EXPECT_EQ(fonts_.FontAt(fonts_.Count() - 1)->Name, "Font10");
}

TEST_F(LoaderTest, FontRecordLoads) {
  ASSERT_TRUE(Load("<group name=\"Content\"><font source=\"vellara.dat\" key=\"font\"/></group>"));
  ASSERT_EQ(fonts_.Count(), 1);
  const GfxFont& f = *fonts_.FontAt(0);
  EXPECT_EQ(f.Name, "font");
  EXPECT_TRUE(f.Initialized());
  EXPECT_EQ(f.FirstLetter(), 65);
  EXPECT_EQ(f.LetterSpacing(), 1);
  EXPECT_EQ(f.GlyphCount(), 2);
  EXPECT_TRUE(f.Image()->MipMapping());
  EXPECT_TRUE(display_.renderer.textures.at(f.Image()->Texture(0)).mipmaps);
}

TEST_F(LoaderTest, PatternRegionsClampAndPlace) {
  ASSERT_TRUE(Load("<group name=\"Content\">" + Image("key=\"big\"") + "</group>"));
  const GfxImage& big = *images_.ImageByName("big");
  EXPECT_EQ(big.PatternCount(), 32);
  PatternRegion r;
  ASSERT_TRUE(big.GetPatternRegion(17, r));
  EXPECT_EQ(r.texture, 1);
  EXPECT_EQ(r.x, 64);
  EXPECT_EQ(r.y, 0);
  ASSERT_TRUE(big.GetPatternRegion(40, r));
  EXPECT_EQ(r.texture, 1);  // pattern 31: last cell of texture 1
  EXPECT_EQ(r.x, 192);
  EXPECT_EQ(r.y, 192);
  EXPECT_FLOAT_EQ(r.u[0], 0.75f);
  EXPECT_FLOAT_EQ(r.u[1], 1.0f);
  EXPECT_FLOAT_EQ(r.v[2], 1.0f);
  EXPECT_FLOAT_EQ(r.v[3], 1.0f);
  EXPECT_FLOAT_EQ(r.u[3], 0.75f);
  ASSERT_TRUE(big.GetPatternRegion(-3, r));
  EXPECT_EQ(r.texture, 0);
  EXPECT_EQ(r.x, 0);
  EXPECT_EQ(r.y, 0);
}

TEST(PatternRegion, VisiblePartIsCentredAndExcessPatternsDrawNothing) {
  RecordingRenderer renderer;
  GfxImage image;
  ImageRecordHead h = Head(10, 8, 6, 3, 5, 20, 8, 1);  // 2 cells, PatternCount says 5
  MemoryStream s(ImageBytes(h, 0));
  ASSERT_TRUE(image.LoadFromStream(s, &renderer));
  PatternRegion r;
  ASSERT_TRUE(image.GetPatternRegion(1, r));
  EXPECT_EQ(r.x, 12);
  EXPECT_EQ(r.y, 2);
  EXPECT_EQ(r.width, 6);
  EXPECT_FALSE(image.GetPatternRegion(4, r));  // would lie in a texture that is not there
  GfxImage empty;
  EXPECT_FALSE(empty.GetPatternRegion(0, r));
  renderer.failTextures = true;
  MemoryStream again(ImageBytes(h, 0));
  EXPECT_FALSE(image.LoadFromStream(again, &renderer));
  EXPECT_FALSE(image.Initialized());
}

TEST_F(LoaderTest, FinalizeClearsImagesAndFontsAndReleasesTextures) {
  ASSERT_TRUE(Load("<group name=\"Content\">" + Image("key=\"big\"") +
                   "<font source=\"vellara.dat\" key=\"font\"/></group>"));
  EXPECT_EQ(display_.renderer.textures.size(), 3u);
  device_.Finalize();
  EXPECT_EQ(images_.Count(), 0);
  EXPECT_EQ(fonts_.Count(), 0);
  EXPECT_TRUE(display_.renderer.textures.empty());
}

}  // namespace
}  // namespace vellara
