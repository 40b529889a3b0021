// PNG reading for the content tools.
#include "png_reader.h"

#include <png.h>

#include <cstring>

namespace vellara {

bool ReadPng(const std::string& path, int& width, int& height, std::vector<std::uint32_t>& pixels,
             std::string& error) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    error = image.message;
    return false;
  }
  image.format = PNG_FORMAT_RGBA;
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  // RGBA bytes in memory are exactly the little-endian 0xAABBGGRR words.
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
    error = image.message;
    png_image_free(&image);
    return false;
  }
  return true;
}

}  // namespace vellara
