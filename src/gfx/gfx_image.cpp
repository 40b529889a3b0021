// Images and the image list.
#include "gfx/gfx_image.h"

#include <algorithm>

#include "gfx/asset_archive.h"

namespace vellara {

std::string LowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && LowerAscii(a) == LowerAscii(b);
}

GfxImage::~GfxImage() {
  Release();
}

void GfxImage::SetQuality(AssetQuality q) {
  if (textures_.empty()) quality_ = q;
}
void GfxImage::SetAlphaLevel(AlphaLevel a) {
  if (textures_.empty()) alphaLevel_ = a;
}
void GfxImage::SetMipMapping(bool m) {
  if (textures_.empty()) mipMapping_ = m;
}

void GfxImage::Release() {
  if (renderer_) {
    for (TextureId t : textures_) renderer_->DestroyTexture(t);
  }
  textures_.clear();
  renderer_ = nullptr;
  initialized_ = false;
  geometry_ = {};
}

bool GfxImage::LoadFromStream(MemoryStream& stream, RenderBackend* renderer) {
  Release();
  DecodedImage decoded;
  if (renderer == nullptr || !ParseImageRecord(stream, alphaLevel_, decoded)) return false;
  renderer_ = renderer;
  // Every texture is kept as 32-bit colour with 8-bit alpha, the alpha level applied.
  for (const auto& pixels : decoded.textures) {
    const TextureId t = renderer->CreateTexture(
        decoded.geometry.TextureWidth, decoded.geometry.TextureHeight, pixels.data(), mipMapping_);
    if (t == 0) {
      Release();
      return false;
    }
    textures_.push_back(t);
  }
  geometry_ = decoded.geometry;
  initialized_ = true;
  return true;
}

bool GfxImage::LoadFromArchive(AssetArchive& archive, std::string_view key,
                               RenderBackend* renderer) {
  if (!archive.EnsureOpen()) return false;
  MemoryStream stream;
  if (!archive.ReadRecord(key, stream)) return false;
  stream.Rewind();
  return LoadFromStream(stream, renderer);
}

bool GfxImage::GetPatternRegion(int pattern, PatternRegion& region) const {
  const ImageGeometry& g = geometry_;
  if (!initialized_ || textures_.empty() || g.PatternCount <= 0) return false;
  const int p = std::clamp(pattern, 0, g.PatternCount - 1);
  const int t = p / g.PatternsPerTexture;
  if (t >= static_cast<int>(textures_.size())) return false;  // more patterns than cells
  const int r = p % g.PatternsPerTexture;
  const int c = r % g.Columns;
  const int w = (r / g.Columns) % g.Rows;
  region.texture = t;
  region.x = c * g.PatternWidth + (g.PatternWidth - g.VisibleWidth) / 2;
  region.y = w * g.PatternHeight + (g.PatternHeight - g.VisibleHeight) / 2;
  region.width = g.VisibleWidth;
  region.height = g.VisibleHeight;
  const float u0 = static_cast<float>(region.x) / static_cast<float>(g.TextureWidth);
  const float u1 =
      static_cast<float>(region.x + g.VisibleWidth) / static_cast<float>(g.TextureWidth);
  const float v0 = static_cast<float>(region.y) / static_cast<float>(g.TextureHeight);
  const float v1 =
      static_cast<float>(region.y + g.VisibleHeight) / static_cast<float>(g.TextureHeight);
  region.u = {u0, u1, u1, u0};
  region.v = {v0, v0, v1, v1};
  return true;
}

GfxImage& GfxImages::Add() {
  items_.push_back(std::make_unique<GfxImage>());
  items_.back()->SetMipMapping(MipMapping);
  return *items_.back();
}

int GfxImages::IndexOf(const GfxImage* image) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == image) return static_cast<int>(i);
  }
  return -1;
}

void GfxImages::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
}

void GfxImages::Clear() {
  items_.clear();
}

GfxImage* GfxImages::At(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<std::size_t>(index)].get();
}

GfxImage* GfxImages::ImageByName(std::string_view name) const {
  const std::string wanted = LowerAscii(name);
  for (const auto& image : items_) {
    if (LowerAscii(image->Name) == wanted) return image.get();
  }
  return nullptr;
}

bool GfxImages::DeviceNotice(GfxPublisher&, vellara::DeviceNotice notice) {
  if (notice == dnFinalize) Clear();
  return true;
}

}  // namespace vellara
