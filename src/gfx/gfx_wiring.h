// The one way the layer's components are connected: the canvas, the images, the loader and
// the fonts subscribe to the device in that order (the order their resources are made in
// when the display comes up), the fonts draw through the canvas, and the loader fills the
// images and fonts from the archive.
#pragma once

namespace vellara {

class AssetArchive;
class GfxCanvas;
class GfxDevice;
class GfxFonts;
class GfxImages;
class GfxLoader;

void ConnectToDevice(GfxDevice& device, GfxCanvas& canvas, GfxImages& images, GfxFonts& fonts,
                     GfxLoader& loader, AssetArchive& archive);

}  // namespace vellara
