// Fonts: glyph advances plus a glyph image whose pattern i is the character
// FirstLetter + i, and the ordered font list that owns them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/gfx_device.h"
#include "gfx/gfx_image.h"

namespace vellara {

class AssetArchive;
class GfxCanvas;
class GfxFonts;

enum FontEffect : unsigned { feBold = 1, feItalic = 2, feShadow = 4, feEmboss = 8 };

class GfxFont {
 public:
  explicit GfxFont(GfxFonts* owner) : owner_(owner) {}

  std::string Name;
  // Drawing properties; the game keeps these defaults.
  float Scale = 1.0f;
  float Interleave = 0.0f;
  float BlankSpacing = 0.3f;
  bool TextTags = true;
  unsigned Style = 0;  // FontEffect bits; drawn plain whatever they say
  float ShadowIntensity = 0.5f;
  std::uint32_t ShadowColor = 0;
  float ShadowDistance = 1.0f;
  float EmbossStrength = 0.8f;
  std::uint32_t EmbossColor = 0;

  GfxFonts* Owner() const { return owner_; }
  void SetOwner(GfxFonts* owner) { owner_ = owner; }

  // Needs a record of type 3. Fails at once when already initialised.
  bool LoadFromArchive(AssetArchive& archive, std::string_view key, AssetQuality quality,
                       AlphaLevel alphaLevel, RenderBackend* renderer);
  bool LoadFromStream(MemoryStream& stream, AssetQuality quality, AlphaLevel alphaLevel,
                      RenderBackend* renderer);
  void Release();

  bool Initialized() const { return initialized_; }
  std::uint8_t FirstLetter() const { return firstLetter_; }
  std::int32_t LetterSpacing() const { return letterSpacing_; }
  int GlyphCount() const { return static_cast<int>(advances_.size()); }
  std::int32_t Advance(int glyph) const { return advances_[static_cast<std::size_t>(glyph)]; }
  const GfxImage* Image() const { return image_.get(); }

 private:
  GfxFonts* owner_;
  std::uint8_t firstLetter_ = 32;
  std::int32_t letterSpacing_ = 0;
  std::vector<std::int32_t> advances_;
  std::unique_ptr<GfxImage> image_;
  bool initialized_ = false;
};

class GfxFonts : public GfxSubscriber {
 public:
  GfxCanvas* Canvas = nullptr;

  GfxFont& Add();  // appended, named "Font" + the running counter (two digits at least)
  int IndexOf(const GfxFont* font) const;
  void Delete(int index);
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }
  GfxFont* FontAt(int index) const;

  bool DeviceNotice(GfxPublisher& sender, vellara::DeviceNotice notice) override;

 private:
  std::vector<std::unique_ptr<GfxFont>> items_;
  int counter_ = 0;
};

}  // namespace vellara
