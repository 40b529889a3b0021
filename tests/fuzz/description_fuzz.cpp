// Any bytes as the description file, over a small valid archive: LoadGroup must never
// crash, whatever the tags, attributes and nesting.
#include <cstdint>
#include <cstdio>

#include "fuzz_files.h"
#include "gfx/archive_writer.h"
#include "gfx/asset_archive.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "gfx/gfx_loader.h"
#include "gfx/image_record.h"
#include "gfx/recording_renderer.h"

namespace {

class NullDevice : public vellara::GfxPublisher {
 public:
  vellara::RenderBackend* Renderer() override { return &renderer; }
  vellara::RecordingRenderer renderer;
};

std::string MakeArchive() {
  using namespace vellara;
  ImageRecordHead h;
  h.PatternWidth = h.PatternHeight = h.VisibleWidth = h.VisibleHeight = 2;
  h.TextureWidth = 4;
  h.TextureHeight = 2;
  h.TextureCount = 1;
  const auto image = EncodeImageRecord(h, {std::vector<std::uint32_t>(8, 0xFF00FF00u)});
  const auto font = EncodeFontRecord('A', 0, {3, 3}, image);
  const std::string path = fuzz::ScratchPath("vellara.dat");
  PackOptions options;
  options.password = "qzvk";
  WriteArchiveFile(path, {{"img", 1, image, true}, {"font", 3, font, true}}, options);
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vellara;
  static const std::string archivePath = MakeArchive();
  static const std::string defPath = fuzz::ScratchPath("vellara.def");
  if (!fuzz::WriteFile(defPath, data, size)) return 0;
  NullDevice device;
  AssetArchive archive;
  archive.SetPassword("qzvk", 4);
  archive.SetFileName(archivePath);
  GfxImages images;
  GfxFonts fonts;
  GfxLoader loader;
  images.SetPublisher(&device);
  loader.SetPublisher(&device);
  fonts.SetPublisher(&device);
  loader.Images = &images;
  loader.Fonts = &fonts;
  loader.Archive = &archive;
  loader.XMLDescFile = defPath;
  loader.LoadGroup("Content");
  for (int i = 0; i < images.Count(); ++i) images.ImageByName(images.At(i)->Name);
  return 0;
}
