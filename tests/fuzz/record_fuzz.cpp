// Any bytes as an image record and as a font record: parsing, loading onto the null
// renderer and asking for pattern regions must never crash.
#include <cstdint>
#include <vector>

#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "gfx/image_record.h"
#include "gfx/recording_renderer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vellara;
  const std::vector<std::uint8_t> bytes(data, data + size);
  RecordingRenderer renderer;
  {
    MemoryStream stream(bytes);
    GfxImage image;
    image.SetAlphaLevel(static_cast<AlphaLevel>(size % 4));
    if (image.LoadFromStream(stream, &renderer)) {
      PatternRegion region;
      for (int p : {-1, 0, 1, 17, image.PatternCount() - 1, image.PatternCount(), 1 << 30}) {
        image.GetPatternRegion(p, region);
      }
    }
  }
  {
    MemoryStream stream(bytes);
    GfxFont font(nullptr);
    font.LoadFromStream(stream, aqHigh, alFull, &renderer);
  }
  return 0;
}
