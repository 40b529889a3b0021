#include "recorded_frame.h"

#include <cmath>

#include "gfx/byte_stream.h"
#include "gfx/image_record.h"
#include "ui/scene_render.h"

namespace vellara::testing {
namespace {

constexpr int kFirstGlyph = 32;
constexpr int kGlyphCount = 95;  // ' '..'~'

std::vector<std::uint8_t> SolidRecord(int patterns, int width, int height) {
  ImageRecordHead h;
  h.PixelFormat = 5;
  h.PatternWidth = h.VisibleWidth = width;
  h.PatternHeight = h.VisibleHeight = height;
  h.PatternCount = patterns;
  h.TextureWidth = width * patterns;  // one row of patterns
  h.TextureHeight = height;
  h.TextureCount = 1;
  return EncodeImageRecord(h, {std::vector<std::uint32_t>(
                                  static_cast<std::size_t>(h.TextureWidth * height), 0xFFFFFFFFu)});
}

}  // namespace

std::vector<Sprite> RecordedFrame::SpritesOf(const std::string& image) const {
  std::vector<Sprite> out;
  for (const Sprite& s : sprites) {
    if (s.image == image) out.push_back(s);
  }
  return out;
}

std::vector<TextRun> RecordedFrame::TextsEqual(const std::string& text) const {
  std::vector<TextRun> out;
  for (const TextRun& t : texts) {
    if (t.text == text) out.push_back(t);
  }
  return out;
}

std::vector<DrawnPoint> RecordedFrame::PointsWithEffect(std::uint32_t effect) const {
  std::vector<DrawnPoint> out;
  for (const DrawnPoint& p : points) {
    if (p.effect == effect) out.push_back(p);
  }
  return out;
}

std::vector<SyntheticImage> SceneImages() {
  return {{"ground", 4, 16, 12},
          {"piece_1", 12, 60, 60},
          {"piece_2", 12, 90, 90},
          {"vellara_piece_1", 12, 40, 80},
          {"vellara_piece_2", 12, 100, 200},
          {"classic", 4, 200, 200},
          {"timer", 2, 10, 4},
          {"button", 11, 44, 43},
          {"window_1", 1, 450, 200},
          {"cursor", 1, 32, 32}};
}

RecordingScene::RecordingScene() {
  canvas.SetPublisher(&publisher);
  publisher.Notify(dnInitialize);
  fonts.Canvas = &canvas;
}

RecordingScene::~RecordingScene() {
  images.Clear();
  fonts.Clear();
  publisher.Notify(dnFinalize);
}

void RecordingScene::AddImage(const SyntheticImage& image) {
  GfxImage& added = images.Add();
  added.Name = image.name;
  MemoryStream stream(SolidRecord(image.patterns, image.width, image.height));
  if (!added.LoadFromStream(stream, &publisher.renderer)) return;
  textures_[added.Texture(0)] = {image.name, -1, image.width, image.width * image.patterns};
}

void RecordingScene::AddSceneImages() {
  for (const SyntheticImage& image : SceneImages()) AddImage(image);
}

void RecordingScene::AddFonts(int count) {
  for (int i = 0; i < count; ++i) {
    GfxFont& font = fonts.Add();
    MemoryStream stream(EncodeFontRecord(kFirstGlyph, 0,
                                         std::vector<std::int32_t>(kGlyphCount, kAdvance),
                                         SolidRecord(kGlyphCount, 2, 2)));
    if (!font.LoadFromStream(stream, aqHigh, alFull, &publisher.renderer)) continue;
    textures_[font.Image()->Texture(0)] = {"", i, 2, 2 * kGlyphCount};
  }
}

RecordedFrame RecordingScene::Render() {
  RecordingRenderer& r = publisher.renderer;
  r.calls.clear();
  DeviceRender(canvas, images, fonts);
  publisher.Notify(dnEndScene);

  RecordedFrame frame;
  std::size_t order = 0;
  for (const RecordingRenderer::DrawCall& call : r.calls) {
    if (call.kind == PrimitiveKind::kPoints) {
      for (const Vertex& v : call.vertices) {
        frame.points.push_back({static_cast<int>(std::floor(v.x)),
                                static_cast<int>(std::floor(v.y)), v.colour, call.effect});
      }
      continue;
    }
    for (std::size_t i = 0; i + 3 < call.vertices.size(); i += 4, ++order) {
      const Vertex& tl = call.vertices[i];
      const Vertex& tr = call.vertices[i + 1];
      const Vertex& bl = call.vertices[i + 3];
      const float w = tr.x - tl.x, h = bl.y - tl.y;
      if (call.texture == 0) {
        frame.rects.push_back({tl.x, tl.y, w, h, tl.colour, call.effect, order});
        continue;
      }
      const auto found = textures_.find(call.texture);
      if (found == textures_.end()) continue;
      const TextureInfo& info = found->second;
      const int pattern = static_cast<int>(std::lround(
          tl.u * static_cast<float>(info.textureWidth) / static_cast<float>(info.patternWidth)));
      if (info.font < 0) {
        frame.sprites.push_back({info.image, pattern, tl.x, tl.y, w, h, call.effect, order});
        continue;
      }
      // A glyph continues the previous run when it stands one advance to its right.
      const char ch = static_cast<char>(kFirstGlyph + pattern);
      if (!frame.texts.empty()) {
        TextRun& last = frame.texts.back();
        const float expectedX =
            last.x + static_cast<float>(kAdvance * static_cast<int>(last.text.size()));
        if (last.font == info.font && last.y == tl.y && last.top == tl.colour &&
            last.bottom == bl.colour && last.effect == call.effect && expectedX == tl.x &&
            last.order + last.text.size() == order) {
          last.text += ch;
          continue;
        }
      }
      frame.texts.push_back(
          {info.font, std::string(1, ch), tl.x, tl.y, tl.colour, bl.colour, call.effect, order});
    }
  }
  return frame;
}

}  // namespace vellara::testing
