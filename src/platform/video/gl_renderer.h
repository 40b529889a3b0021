// OpenGL 3.3 core renderer of the canvas: RGBA8 textures, indexed point and triangle
// batches, one blend function and equation per effect code, drawing into the bound
// framebuffer (the display's 1024 x 768 back buffer).
// Implements: RenderBackend; EffectBlend (the effect code table); ReadPixels for tests.
// Needs a current GL context for its whole life; only the .cpp includes epoxy.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/render_backend.h"

namespace vellara {

// What an effect code asks of GL (GL enum values).
struct BlendSetting {
  bool enabled = false;
  unsigned source = 0, destination = 0, equation = 0;
};
BlendSetting EffectBlend(std::uint32_t effect);

class GlRenderer final : public RenderBackend {
 public:
  GlRenderer(int sceneWidth, int sceneHeight);
  ~GlRenderer() override;
  GlRenderer(const GlRenderer&) = delete;
  GlRenderer& operator=(const GlRenderer&) = delete;
  bool Valid() const;

  TextureId CreateTexture(int width, int height, const std::uint32_t* pixels,
                          bool mipmaps) override;
  void DestroyTexture(TextureId texture) override;
  void SetState(const CanvasState& state) override;
  bool Draw(PrimitiveKind kind, std::span<const Vertex> vertices,
            std::span<const std::uint32_t> indices, std::uint32_t effect,
            TextureId texture) override;
  // Forgets the GL state it believes is set (after someone else changed it).
  void Invalidate();

 private:
  struct State;
  std::unique_ptr<State> s_;
};

// Reads the bound framebuffer's `width` x `height` pixels as 0xAABBGGRR, rows from the top.
std::vector<std::uint32_t> ReadFramebuffer(int width, int height);

}  // namespace vellara
