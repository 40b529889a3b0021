#include "synthetic_content.h"

#include <fstream>
#include <vector>

#include "gfx/archive_writer.h"
#include "gfx/image_record.h"

namespace vellara::testing {
namespace {

struct Image {
  const char* name;
  int patterns, width, height;
};
// At sizes near the real ones, so positions and scales read as in the game.
constexpr Image kImages[] = {{"ground", 4, 1024, 768},
                             {"piece_1", 12, 60, 60},
                             {"piece_2", 12, 90, 90},
                             {"vellara_piece_1", 12, 64, 128},
                             {"vellara_piece_2", 12, 100, 200},
                             {"classic", 4, 800, 800},
                             {"timer", 2, 170, 40},
                             {"button", 11, 44, 43},
                             {"window_1", 1, 450, 200},
                             {"cursor", 1, 16, 16}};

constexpr int kGlyphW = 6, kGlyphH = 10, kGlyphs = 95;  // ' '..'~'

ImageRecordHead HeadFor(int patterns, int width, int height, int perTexture) {
  ImageRecordHead h;
  h.PixelFormat = 5;
  h.PatternWidth = h.VisibleWidth = width;
  h.PatternHeight = h.VisibleHeight = height;
  h.PatternCount = patterns;
  h.TextureWidth = width * perTexture;
  h.TextureHeight = height;
  h.TextureCount = (patterns + perTexture - 1) / perTexture;
  return h;
}

std::vector<std::uint8_t> ImageRecord(const Image& image) {
  // One pattern per texture keeps every texture within a small size.
  const ImageRecordHead h = HeadFor(image.patterns, image.width, image.height, 1);
  std::vector<std::vector<std::uint32_t>> textures;
  for (int p = 0; p < image.patterns; ++p) {
    textures.emplace_back(static_cast<std::size_t>(image.width * image.height),
                          SyntheticColour(image.name, p));
  }
  return EncodeImageRecord(h, textures);
}

std::vector<std::uint8_t> FontRecord() {
  const ImageRecordHead h = HeadFor(kGlyphs, kGlyphW, kGlyphH, kGlyphs);
  std::vector<std::uint32_t> texels(static_cast<std::size_t>(h.TextureWidth * kGlyphH), 0);
  for (int g = 1; g < kGlyphs; ++g) {  // the blank stays transparent
    for (int y = 1; y < kGlyphH - 1; ++y) {
      for (int x = 1; x < kGlyphW - 1; ++x) {
        texels[static_cast<std::size_t>(y * h.TextureWidth + g * kGlyphW + x)] = 0xFFFFFFFFu;
      }
    }
  }
  return EncodeFontRecord(32, 1, std::vector<std::int32_t>(kGlyphs, kGlyphW),
                          EncodeImageRecord(h, {texels}));
}

}  // namespace

std::uint32_t SyntheticColour(const std::string& name, int pattern) {
  std::uint32_t hash = 2166136261u;
  for (char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  hash = (hash ^ static_cast<std::uint32_t>(pattern)) * 16777619u;
  // Mid-range channels: neither black nor white, so added or blended light still shows.
  const std::uint32_t r = 64 + (hash & 0x7F), g = 64 + ((hash >> 8) & 0x7F),
                      b = 64 + ((hash >> 16) & 0x7F);
  return 0xFF000000u | b << 16 | g << 8 | r;
}

bool WriteSyntheticContent(const std::string& folder) {
  std::vector<PackEntry> entries;
  std::string def =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<vellara>\n  <group name=\"Content\">\n";
  for (const Image& image : kImages) {
    entries.push_back({image.name, 1, ImageRecord(image), true});
    def += std::string("    <image name=\"") + image.name + "\" source=\"vellara.dat\" key=\"" +
           image.name + "\"/>\n";
  }
  for (int f = 0; f < 4; ++f) {
    const std::string key = "font_" + std::to_string(f);
    entries.push_back({key, 3, FontRecord(), true});
    def += "    <font name=\"" + key + "\" source=\"vellara.dat\" key=\"" + key + "\"/>\n";
  }
  def += "  </group>\n</vellara>\n";
  PackOptions options;
  options.password = "qzvk";
  if (!WriteArchiveFile(folder + "/vellara.dat", entries, options)) return false;
  std::ofstream out(folder + "/vellara.def", std::ios::binary);
  out << def;
  return static_cast<bool>(out);
}

}  // namespace vellara::testing
