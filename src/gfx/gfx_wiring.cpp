#include "gfx/gfx_wiring.h"

#include "gfx/asset_archive.h"
#include "gfx/gfx_canvas.h"
#include "gfx/gfx_device.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "gfx/gfx_loader.h"

namespace vellara {

void ConnectToDevice(GfxDevice& device, GfxCanvas& canvas, GfxImages& images, GfxFonts& fonts,
                     GfxLoader& loader, AssetArchive& archive) {
  canvas.SetPublisher(&device);
  images.SetPublisher(&device);
  loader.SetPublisher(&device);
  fonts.SetPublisher(&device);
  fonts.Canvas = &canvas;
  loader.Images = &images;
  loader.Fonts = &fonts;
  loader.Archive = &archive;
}

}  // namespace vellara
