// vellara-pack end to end: records made by "image" and "font", packed by "create", read
// back by the archive reader and by "list" and "extract".
#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <string>

#include "gfx/asset_archive.h"
#include "gfx/gfx_font.h"
#include "gfx/image_record.h"
#include "gfx/recording_renderer.h"
#include "test_files.h"

namespace vellara {
namespace {

int RunPack(const std::string& args) {
  const std::string command = std::string(VELLARA_PACK) + " " + args + " >/dev/null 2>&1";
  return std::system(command.c_str());
}

TEST(PackTool, MakesRecordsAndArchivesTheReaderAccepts) {
  test::ScratchDir dir;
  // A 4 x 2 raw RGBA sheet of two 2 x 2 glyphs.
  std::vector<std::uint8_t> rgba;
  for (int i = 0; i < 8; ++i) {
    for (std::uint8_t b :
         {std::uint8_t(i * 30), std::uint8_t(0), std::uint8_t(255), std::uint8_t(128)})
      rgba.push_back(b);
  }
  test::WriteBytes(dir.File("sheet.rgba"), rgba);
  ASSERT_EQ(RunPack("image " + dir.File("glyphs.rec") + " " + dir.File("sheet.rgba") +
                    " --raw 4x2 --pattern 2x2 --format 5"),
            0);
  ASSERT_EQ(RunPack("font " + dir.File("font.rec") + " " + dir.File("glyphs.rec") +
                    " --advances 3,4 --first 65 --spacing 1"),
            0);
  test::WriteText(
      dir.File("list.txt"),
      "# key type file\nGlyphs 1 glyphs.rec\nfont 3 font.rec\nraw 7 sheet.rgba plain\n");
  ASSERT_EQ(
      RunPack("create " + dir.File("out.dat") + " " + dir.File("list.txt") + " --password qzvk"),
      0);
  const auto first = test::ReadBytes(dir.File("out.dat"));
  ASSERT_EQ(
      RunPack("create " + dir.File("again.dat") + " " + dir.File("list.txt") + " --password qzvk"),
      0);
  EXPECT_EQ(test::ReadBytes(dir.File("again.dat")), first);  // reproducible

  AssetArchive archive;
  archive.SetFileName(dir.File("out.dat"));
  archive.SetOpenMode(opReadOnly);
  archive.SetPassword("qzvk", 4);
  ASSERT_TRUE(archive.OpenArchive());
  ASSERT_EQ(archive.RecordCount(), 3);
  EXPECT_EQ(archive.Records()[0].Secure, 1);
  EXPECT_EQ(archive.Records()[2].Secure, 0);
  EXPECT_EQ(archive.RecordType(1), kFontRecordType);

  RecordingRenderer renderer;
  GfxFont font(nullptr);
  ASSERT_TRUE(font.LoadFromArchive(archive, "FONT", aqHigh, alFull, &renderer));
  EXPECT_EQ(font.FirstLetter(), 65);
  EXPECT_EQ(font.GlyphCount(), 2);
  EXPECT_EQ(font.Image()->PatternCount(), 2);
  EXPECT_EQ(renderer.textures.begin()->second.pixels[1], 0x80FF001Eu);

  ASSERT_EQ(RunPack("extract " + dir.File("out.dat") + " raw --output " + dir.File("raw.out")), 0);
  EXPECT_EQ(test::ReadBytes(dir.File("raw.out")), rgba);
  EXPECT_NE(RunPack("extract " + dir.File("out.dat") + " glyphs --output " + dir.File("g.out")), 0);
  EXPECT_EQ(RunPack("extract " + dir.File("out.dat") + " glyphs --password qzvk --output " +
                    dir.File("g.out")),
            0);
  EXPECT_EQ(test::ReadBytes(dir.File("g.out")), test::ReadBytes(dir.File("glyphs.rec")));
  EXPECT_EQ(RunPack("list " + dir.File("out.dat")), 0);
  EXPECT_NE(RunPack("list " + dir.File("missing.dat")), 0);
  EXPECT_NE(RunPack("image " + dir.File("x.rec") + " " + dir.File("sheet.rgba") +
                    " --raw 4x2 --pattern 2x2 --visible 3x2"),
            0);
  EXPECT_NE(RunPack("bogus"), 0);
}

TEST(PackTool, ReadsPngSheets) {
  test::ScratchDir dir;
  // 4 x 2 RGBA: two 2 x 2 patterns, the second half transparent.
  std::vector<std::uint8_t> rgba;
  for (int i = 0; i < 8; ++i) {
    for (int b : {i * 30, 255 - i * 30, 7, (i % 4) < 2 ? 255 : 128}) {
      rgba.push_back(static_cast<std::uint8_t>(b));
    }
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = 4;
  image.height = 2;
  image.format = PNG_FORMAT_RGBA;
  ASSERT_NE(
      png_image_write_to_file(&image, dir.File("sheet.png").c_str(), 0, rgba.data(), 0, nullptr),
      0);
  ASSERT_EQ(RunPack("image " + dir.File("sheet.rec") + " " + dir.File("sheet.png") +
                    " --pattern 2x2 --format 5"),
            0);
  MemoryStream s(test::ReadBytes(dir.File("sheet.rec")));
  DecodedImage decoded;
  ASSERT_TRUE(ParseImageRecord(s, alFull, decoded));
  EXPECT_EQ(decoded.geometry.TextureWidth, 4);
  EXPECT_EQ(decoded.geometry.PatternCount, 2);
  for (std::size_t i = 0; i < 8; ++i) {
    const std::uint32_t expected =
        std::uint32_t{rgba[4 * i]} | std::uint32_t{rgba[4 * i + 1]} << 8 |
        std::uint32_t{rgba[4 * i + 2]} << 16 | std::uint32_t{rgba[4 * i + 3]} << 24;
    EXPECT_EQ(decoded.textures[0][i], expected) << i;
  }
  EXPECT_NE(
      RunPack("image " + dir.File("x.rec") + " " + dir.File("missing.png") + " --pattern 2x2"), 0);
}

}  // namespace
}  // namespace vellara
