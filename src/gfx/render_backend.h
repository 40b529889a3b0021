// What the canvas and the images ask of the platform renderer: textures, and batches of
// points or triangles drawn with one effect code and one texture into the 1024 x 768 back
// buffer. The GL renderer implements it on the real display; RecordingRenderer
// (recording_renderer.h) is the null backend for tests and benchmarks.
#pragma once

#include <cstdint>
#include <span>

namespace vellara {

// 0 is no texture.
using TextureId = std::uint32_t;

enum class PrimitiveKind { kPoints, kLines, kTriangles };

// Position in back-buffer pixels, texture coordinates, and colour in the canvas layout
// 0xAABBGGRR (bytes R, G, B, A in memory).
struct Vertex {
  float x, y;
  float u, v;
  std::uint32_t colour;
};

// The fixed drawing state the canvas sets before its first primitive of a frame.
struct CanvasState {
  bool antialias = true;  // bilinear sampling, else nearest texel
  bool dithering = false;
  bool alphaTesting = false;  // with blending on, drop pixels of alpha 0
};

class RenderBackend {
 public:
  virtual ~RenderBackend() = default;
  // `pixels` holds width x height colours, rows from the top. 0 on failure.
  virtual TextureId CreateTexture(int width, int height, const std::uint32_t* pixels,
                                  bool mipmaps) = 0;
  virtual void DestroyTexture(TextureId texture) = 0;
  virtual void SetState(const CanvasState& state) = 0;
  // Draws indexed primitives; texture 0 draws the vertex colours alone. The effect
  // code's low three bytes pick the blend factors and operation. False: batch dropped.
  virtual bool Draw(PrimitiveKind kind, std::span<const Vertex> vertices,
                    std::span<const std::uint32_t> indices, std::uint32_t effect,
                    TextureId texture) = 0;
};

}  // namespace vellara
