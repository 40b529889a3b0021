// Images: textures cut into equal cells (patterns), loaded from image records, and the
// ordered image list that owns them and releases them when the display is finalised.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/gfx_device.h"
#include "gfx/image_record.h"
#include "gfx/render_backend.h"

namespace vellara {

class AssetArchive;
class MemoryStream;

// Where a pattern lies: the visible rectangle in one texture, and its texture coordinates
// with corners top-left, top-right, bottom-right, bottom-left.
struct PatternRegion {
  int texture = 0;
  int x = 0, y = 0, width = 0, height = 0;
  std::array<float, 4> u{}, v{};
};

class GfxImage {
 public:
  GfxImage() = default;
  ~GfxImage();
  GfxImage(const GfxImage&) = delete;
  GfxImage& operator=(const GfxImage&) = delete;

  std::string Name = "[unnamed]";

  AssetQuality Quality() const { return quality_; }
  AlphaLevel GetAlphaLevel() const { return alphaLevel_; }
  bool MipMapping() const { return mipMapping_; }
  // Fixed once the textures exist: ignored then.
  void SetQuality(AssetQuality q);
  void SetAlphaLevel(AlphaLevel a);
  void SetMipMapping(bool m);

  // Parses an image record from the stream and creates its textures on `renderer`.
  bool LoadFromStream(MemoryStream& stream, RenderBackend* renderer);
  bool LoadFromArchive(AssetArchive& archive, std::string_view key, RenderBackend* renderer);
  void Release();

  bool Initialized() const { return initialized_; }
  const ImageGeometry& Geometry() const { return geometry_; }
  int TextureCount() const { return static_cast<int>(textures_.size()); }
  int PatternCount() const { return geometry_.PatternCount; }
  int VisibleWidth() const { return geometry_.VisibleWidth; }
  int VisibleHeight() const { return geometry_.VisibleHeight; }
  TextureId Texture(int index) const { return textures_[static_cast<std::size_t>(index)]; }
  // False when the image has no region to draw (not initialised, no textures or patterns).
  bool GetPatternRegion(int pattern, PatternRegion& region) const;

 private:
  AssetQuality quality_ = aqHigh;
  AlphaLevel alphaLevel_ = alFull;
  bool mipMapping_ = false;
  bool initialized_ = false;
  ImageGeometry geometry_;
  std::vector<TextureId> textures_;
  RenderBackend* renderer_ = nullptr;
};

class GfxImages : public GfxSubscriber {
 public:
  bool MipMapping = false;

  GfxImage& Add();  // appended
  int IndexOf(const GfxImage* image) const;
  void Delete(int index);
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }
  GfxImage* At(int index) const;
  GfxImage* ImageByName(std::string_view name) const;

  bool DeviceNotice(GfxPublisher& sender, vellara::DeviceNotice notice) override;

 private:
  std::vector<std::unique_ptr<GfxImage>> items_;
};

// ASCII case-insensitive equality, shared by the name look-ups.
bool EqualIgnoringCase(std::string_view a, std::string_view b);
std::string LowerAscii(std::string_view s);

}  // namespace vellara
