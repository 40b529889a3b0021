// The null renderer: keeps uploaded texture pixels and records every draw call, so images,
// fonts and the canvas's batching can be checked without a display.
#pragma once

#include <map>
#include <vector>

#include "gfx/render_backend.h"

namespace vellara {

class RecordingRenderer final : public RenderBackend {
 public:
  struct Texture {
    int width = 0, height = 0;
    bool mipmaps = false;
    std::vector<std::uint32_t> pixels;
  };
  struct DrawCall {
    PrimitiveKind kind;
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;
    std::uint32_t effect;
    TextureId texture;
  };

  TextureId CreateTexture(int width, int height, const std::uint32_t* pixels,
                          bool mipmaps) override;
  void DestroyTexture(TextureId texture) override { textures.erase(texture); }
  void SetState(const CanvasState& s) override {
    state = s;
    ++stateSets;
  }
  bool Draw(PrimitiveKind kind, std::span<const Vertex> vertices,
            std::span<const std::uint32_t> indices, std::uint32_t effect,
            TextureId texture) override;

  std::map<TextureId, Texture> textures;
  std::vector<DrawCall> calls;
  CanvasState state;
  int stateSets = 0;
  bool failTextures = false;  // CreateTexture fails while set
  bool failDraws = false;     // Draw records the call and reports it dropped while set
  bool keepCalls = true;      // false: count calls without keeping their vertices
  std::size_t callCount = 0;

 private:
  TextureId next_ = 1;
};

}  // namespace vellara
