// Description loader.
#include "gfx/gfx_loader.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "gfx/asset_archive.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "platform/xml/xml_tags.h"

namespace vellara {
namespace {

std::string Attribute(const std::vector<std::pair<std::string, std::string>>& attributes,
                      std::string_view name) {
  for (const auto& [key, value] : attributes) {
    if (key == name) return value;
  }
  return {};
}

}  // namespace

AssetQuality ParseQuality(std::string_view text) {
  const std::string q = LowerAscii(text);
  if (q == "low") return aqLow;
  if (q == "medium") return aqMedium;
  return aqHigh;
}

AlphaLevel ParseAlphaLevel(std::string_view text) {
  const std::string a = LowerAscii(text);
  if (a == "none") return alNone;
  if (a == "mask") return alMask;
  if (a == "exclusive") return alExclusive;
  return alFull;
}

RenderBackend* GfxLoader::CurrentRenderer() {
  if (Publisher()) return Publisher()->Renderer();
  if (Images && Images->Publisher()) return Images->Publisher()->Renderer();
  return nullptr;
}

bool GfxLoader::LoadGroup(std::string_view groupName) {
  std::ifstream file(XMLDescFile, std::ios::binary);
  if (!file) return false;
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) return false;

  int level = 0;
  // A malformed document keeps what was read before the fault: the file itself was read.
  ParseXmlTags(text.str(), [&](const XmlTag& tag) {
    const std::string name = LowerAscii(tag.name);
    if (tag.end) {
      if (level == 1 && name == "vellara") level = 0;
      if (level == 2 && name == "group") level = 1;
      return;
    }
    if (level == 0 && name == "vellara") {
      level = 1;
    } else if (level == 1 && name == "group" && Attribute(tag.attributes, "name") == groupName) {
      level = 2;
    }
    if (level == 2) HandleElement(name, tag.attributes);
  });
  return true;
}

void GfxLoader::HandleElement(const std::string& element,
                              const std::vector<std::pair<std::string, std::string>>& attributes) {
  if (Archive == nullptr || (element != "image" && element != "font")) return;
  const std::string key = Attribute(attributes, "key");
  std::string name = Attribute(attributes, "name");
  if (name.empty()) name = key;
  const std::string source = Attribute(attributes, "source");
  const AssetQuality quality = ParseQuality(Attribute(attributes, "quality"));
  const AlphaLevel alphaLevel = ParseAlphaLevel(Attribute(attributes, "alphalevel"));

  if (Archive->FileName() != source) {
    const std::filesystem::path dir = std::filesystem::path(XMLDescFile).parent_path();
    const std::filesystem::path file = std::filesystem::path(source).filename();
    Archive->SetFileName(file.empty() ? std::string() : (dir / file).string());
    Archive->SetOpenMode(opReadOnly);
    if (!Archive->OpenArchive()) return;
  }
  const std::string loaded = std::filesystem::path(source).filename().string() + "\\" + key;
  RenderBackend* renderer = CurrentRenderer();

  if (element == "image") {
    if (Images == nullptr) return;
    GfxImage& image = Images->Add();
    image.Name = name;
    image.SetQuality(quality);
    image.SetAlphaLevel(alphaLevel);
    if (!image.LoadFromArchive(*Archive, key, renderer)) {
      Images->Delete(Images->IndexOf(&image));
      return;
    }
  } else {
    if (Fonts == nullptr) return;
    GfxFont& font = Fonts->Add();
    if (!Attribute(attributes, "name").empty() || !key.empty()) font.Name = name;
    if (!font.LoadFromArchive(*Archive, key, quality, alphaLevel, renderer)) {
      Fonts->Delete(Fonts->IndexOf(&font));
      return;
    }
  }
  if (OnLoad) OnLoad(loaded);
}

}  // namespace vellara
