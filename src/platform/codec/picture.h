// Picture decoding for the program's built-in pictures: JPEG through libjpeg, PNG through
// libpng's simplified reader. Implements: DecodeJpeg, DecodePng. Only picture.cpp includes
// the codec headers. Pixels come out as 0xAABBGGRR (bytes R, G, B, A in memory), rows from
// the top.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vellara {

struct RgbaPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width x height
  bool Empty() const { return pixels.empty(); }
};

// False, with `out` emptied, for data that is not a whole, decodable picture.
bool DecodeJpeg(std::span<const std::uint8_t> data, RgbaPicture& out);
bool DecodePng(std::span<const std::uint8_t> data, RgbaPicture& out);

}  // namespace vellara
