// Fonts and the font list.
#include "gfx/gfx_font.h"

#include <cstdio>

#include "gfx/asset_archive.h"

namespace vellara {

void GfxFont::Release() {
  image_.reset();
  advances_.clear();
  initialized_ = false;
}

bool GfxFont::LoadFromStream(MemoryStream& stream, AssetQuality quality, AlphaLevel alphaLevel,
                             RenderBackend* renderer) {
  if (initialized_) return false;
  FontRecordHead head;
  if (!ParseFontRecordHead(stream, head)) return false;
  auto image = std::make_unique<GfxImage>();
  image->SetQuality(quality);
  image->SetAlphaLevel(alphaLevel);
  image->SetMipMapping(true);
  if (!image->LoadFromStream(stream, renderer)) return false;
  image->Name = Name;
  firstLetter_ = head.FirstLetter;
  letterSpacing_ = head.LetterSpacing;
  advances_ = std::move(head.advances);
  image_ = std::move(image);
  initialized_ = true;
  return true;
}

bool GfxFont::LoadFromArchive(AssetArchive& archive, std::string_view key, AssetQuality quality,
                              AlphaLevel alphaLevel, RenderBackend* renderer) {
  if (initialized_ || !archive.EnsureOpen()) return false;
  const int index = archive.FindRecord(key);
  if (index < 0 || archive.RecordType(index) != kFontRecordType) return false;
  MemoryStream stream;
  if (!archive.ReadRecord(key, stream)) return false;
  stream.Rewind();
  return LoadFromStream(stream, quality, alphaLevel, renderer);
}

GfxFont& GfxFonts::Add() {
  items_.push_back(std::make_unique<GfxFont>(this));
  char name[32];
  std::snprintf(name, sizeof name, "Font%02d", counter_++);
  items_.back()->Name = name;
  return *items_.back();
}

int GfxFonts::IndexOf(const GfxFont* font) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == font) return static_cast<int>(i);
  }
  return -1;
}

void GfxFonts::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
}

void GfxFonts::Clear() {
  items_.clear();
}

GfxFont* GfxFonts::FontAt(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_[static_cast<std::size_t>(index)].get();
}

bool GfxFonts::DeviceNotice(GfxPublisher&, vellara::DeviceNotice notice) {
  if (notice == dnFinalize) Clear();
  return true;
}

}  // namespace vellara
