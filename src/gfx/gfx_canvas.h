// The 2D canvas the scene draws through. Gfx2D is its drawing core: it batches points and
// triangles of one effect code and one texture and hands them to the display's renderer,
// keeping the call order. GfxCanvas adds the scene's operations: patterns, filled
// rectangles, pixels, antialiased lines and text.
//
// Colours are 0xAABBGGRR. An effect code's low three bytes are (source factor, destination
// factor, operation): factors 0 zero, 1 one, 2 src colour, 3 1-src colour, 4 src alpha,
// 5 1-src alpha, 6 dst alpha, 7 1-dst alpha, 8 dst colour, 9 1-dst colour, 10 saturated
// src alpha; operations 0 add, 1 reverse subtract, 2 subtract, 3 min, 4 max. (1, 0, 0)
// turns blending off.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "gfx/gfx_device.h"
#include "gfx/render_backend.h"

namespace vellara {

class GfxFont;
class GfxImage;
struct PatternRegion;

struct CanvasPoint {
  float x, y;
};

class Gfx2D : public GfxSubscriber {
 public:
  bool Antialias = true;
  bool Dithering = false;
  bool AlphaTesting = false;

  int VertexCache() const { return vertexCache_; }
  // Rounded up to a multiple of 4 and kept within 512..65536; only while the canvas has no
  // device resources.
  void SetVertexCache(int value);
  bool HasResources() const { return resources_; }

  // Lower-level forms: corners top-left, top-right, bottom-right, bottom-left.
  void DrawQuad(const std::array<CanvasPoint, 4>& corners,
                const std::array<std::uint32_t, 4>& colours, std::uint32_t effect);
  void DrawTexturedQuad(const GfxImage& image, const PatternRegion& region,
                        const std::array<CanvasPoint, 4>& corners,
                        const std::array<std::uint32_t, 4>& colours, std::uint32_t effect);
  void DrawPoint(int x, int y, std::uint32_t colour, std::uint32_t effect);
  // Sends what is batched.
  void Flush();

  bool DeviceNotice(GfxPublisher& sender, vellara::DeviceNotice notice) override;

  // Batches sent so far (for benchmarks and tests).
  std::size_t DrawCalls() const { return drawCalls_; }

 private:
  bool Allocate(GfxPublisher& sender);
  void ReleaseResources();
  // Readies the batch for a primitive; false when drawing is discarded.
  bool Prepare(PrimitiveKind kind, std::uint32_t effect, TextureId texture, std::size_t vertices,
               std::size_t indices);

  int vertexCache_ = 4096;
  bool resources_ = false;
  bool stateDirty_ = true;
  RenderBackend* renderer_ = nullptr;
  std::vector<Vertex> vertices_;
  std::vector<std::uint32_t> indices_;
  PrimitiveKind kind_ = PrimitiveKind::kTriangles;
  std::uint32_t effect_ = 0;
  TextureId texture_ = 0;
  std::size_t drawCalls_ = 0;
};

class GfxCanvas : public Gfx2D {
 public:
  void DrawPattern(const GfxImage& image, int pattern, float x, float y, std::uint32_t effect);
  void DrawPatternScaled(const GfxImage& image, int pattern, float x, float y, float scale,
                         std::uint32_t effect);
  void FillRectColor(int left, int top, int width, int height, std::uint32_t colour,
                     std::uint32_t effect);
  void DrawPixel(float x, float y, std::uint32_t colour, std::uint32_t effect);
  void DrawLine(float x1, float y1, float x2, float y2, std::uint32_t colour1,
                std::uint32_t colour2, std::uint32_t effect);
  // Throws std::logic_error when the font has no owning list, or its list no canvas.
  void PrintText(const GfxFont& font, std::string_view text, float x, float y,
                 std::uint32_t colourTop, std::uint32_t colourBottom, std::uint32_t effect);

 private:
  void DrawRegion(const GfxImage& image, int pattern, float x, float y, int width, int height,
                  const std::array<std::uint32_t, 4>& colours, std::uint32_t effect);
};

// Rounds to the nearest integer, halves to even.
int RoundHalfEven(double v);

}  // namespace vellara
