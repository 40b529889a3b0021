// An image record head for tests: pattern, visible and texture sizes, counts and format.
#pragma once

#include <cstdint>

#include "gfx/image_record.h"

namespace vellara {

inline ImageRecordHead Head(int pw, int ph, int vw, int vh, int count, int tw, int th, int tc,
                            std::uint8_t format = 5) {
  ImageRecordHead h;
  h.PixelFormat = format;
  h.PatternWidth = pw;
  h.PatternHeight = ph;
  h.VisibleWidth = vw;
  h.VisibleHeight = vh;
  h.PatternCount = count;
  h.TextureWidth = tw;
  h.TextureHeight = th;
  h.TextureCount = tc;
  return h;
}

}  // namespace vellara
