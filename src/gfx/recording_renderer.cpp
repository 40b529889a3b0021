// Null renderer.
#include "gfx/recording_renderer.h"

namespace vellara {

TextureId RecordingRenderer::CreateTexture(int width, int height, const std::uint32_t* pixels,
                                           bool mipmaps) {
  if (failTextures || width <= 0 || height <= 0) return 0;
  Texture& t = textures[next_];
  t.width = width;
  t.height = height;
  t.mipmaps = mipmaps;
  t.pixels.assign(pixels,
                  pixels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  return next_++;
}

bool RecordingRenderer::Draw(PrimitiveKind kind, std::span<const Vertex> vertices,
                             std::span<const std::uint32_t> indices, std::uint32_t effect,
                             TextureId texture) {
  ++callCount;
  if (keepCalls) {
    calls.push_back({kind, std::vector<Vertex>(vertices.begin(), vertices.end()),
                     std::vector<std::uint32_t>(indices.begin(), indices.end()), effect, texture});
  }
  return !failDraws;
}

}  // namespace vellara
