// The scene drawn on the recording renderer and read back as what a viewer would name:
// sprites (image, pattern, place, size), texts (font, string, place, colours), filled
// rectangles and points, in drawing order. Images and fonts are small synthetic ones, each
// on a texture of its own, so every textured quad tells which image and pattern it shows.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "gfx/gfx_canvas.h"
#include "gfx/gfx_device.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "gfx/recording_renderer.h"

namespace vellara::testing {

struct Sprite {
  std::string image;
  int pattern = 0;
  float x = 0, y = 0, width = 0, height = 0;
  std::uint32_t effect = 0;
  std::size_t order = 0;  // position among all drawn primitives
};

struct TextRun {
  int font = 0;
  std::string text;
  float x = 0, y = 0;
  std::uint32_t top = 0, bottom = 0, effect = 0;
  std::size_t order = 0;
};

struct FilledRect {
  float x = 0, y = 0, width = 0, height = 0;
  std::uint32_t colour = 0, effect = 0;
  std::size_t order = 0;
};

struct DrawnPoint {
  int x = 0, y = 0;  // the pixel
  std::uint32_t colour = 0, effect = 0;
};

struct RecordedFrame {
  std::vector<Sprite> sprites;
  std::vector<TextRun> texts;
  std::vector<FilledRect> rects;
  std::vector<DrawnPoint> points;

  std::vector<Sprite> SpritesOf(const std::string& image) const;
  // The runs whose text is exactly `text`.
  std::vector<TextRun> TextsEqual(const std::string& text) const;
  std::vector<DrawnPoint> PointsWithEffect(std::uint32_t effect) const;
  bool Empty() const { return sprites.empty() && texts.empty() && rects.empty() && points.empty(); }
};

// Sprite and glyph cell sizes of the synthetic content.
struct SyntheticImage {
  std::string name;
  int patterns;
  int width, height;
};
// Every image the scene names, with its pattern count, at sizes of our choosing.
std::vector<SyntheticImage> SceneImages();

// Canvas, image and font lists on a recording renderer.
class RecordingScene {
 public:
  RecordingScene();
  ~RecordingScene();
  RecordingScene(const RecordingScene&) = delete;
  RecordingScene& operator=(const RecordingScene&) = delete;

  void AddImage(const SyntheticImage& image);
  void AddSceneImages();
  // Fonts 0..count-1, glyphs ' '..'~', each glyph cell 2 x 2 with advance kAdvance.
  void AddFonts(int count = 4);
  // One DeviceRender, flushed and decoded.
  RecordedFrame Render();

  static constexpr int kAdvance = 3;

  class Publisher final : public GfxPublisher {
   public:
    RenderBackend* Renderer() override { return &renderer; }
    RecordingRenderer renderer;
  };
  Publisher publisher;
  GfxCanvas canvas;
  GfxImages images;
  GfxFonts fonts;

 private:
  struct TextureInfo {
    std::string image;  // empty for a font
    int font = -1;
    int patternWidth = 1, textureWidth = 1;
  };
  std::map<TextureId, TextureInfo> textures_;
};

}  // namespace vellara::testing
