// libjpeg and libpng behind picture.h.
#include "platform/codec/picture.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace vellara {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return.
struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

void JpegSilent(j_common_ptr, int) {}

// Far beyond any picture of ours; stops a damaged head from asking for gigabytes.
constexpr unsigned kMaxSide = 8192;

// The jump lands in this frame, which only touches libjpeg's state and the caller's
// buffers through unchanged references, so nothing here is clobbered by it.
bool DecodeJpegInto(std::span<const std::uint8_t> data, RgbaPicture& picture,
                    std::vector<std::uint8_t>& row) {
  jpeg_decompress_struct info;
  JpegError error;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = JpegErrorExit;
  error.manager.emit_message = JpegSilent;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || info.image_width == 0 ||
      info.image_height == 0 || info.image_width > kMaxSide || info.image_height > kMaxSide) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  picture.width = static_cast<int>(info.output_width);
  picture.height = static_cast<int>(info.output_height);
  picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
  row.resize(static_cast<std::size_t>(picture.width) * 3);
  while (info.output_scanline < info.output_height) {
    const std::size_t y = info.output_scanline;
    JSAMPROW rows[1] = {row.data()};
    if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
    std::uint32_t* target = picture.pixels.data() + y * static_cast<std::size_t>(picture.width);
    for (int x = 0; x < picture.width; ++x) {
      const std::uint8_t* p = row.data() + 3 * x;
      target[x] =
          std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | 0xFF000000u;
    }
  }
  const bool whole = info.output_scanline == info.output_height;
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return whole;
}

}  // namespace

bool DecodeJpeg(std::span<const std::uint8_t> data, RgbaPicture& out) {
  out = {};
  if (data.empty()) return false;
  RgbaPicture picture;
  std::vector<std::uint8_t> row;
  if (!DecodeJpegInto(data, picture, row)) return false;
  out = std::move(picture);
  return true;
}

bool DecodePng(std::span<const std::uint8_t> data, RgbaPicture& out) {
  out = {};
  if (data.empty()) return false;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) return false;
  if (image.width == 0 || image.height == 0 || image.width > kMaxSide || image.height > kMaxSide) {
    png_image_free(&image);
    return false;
  }
  image.format = PNG_FORMAT_RGBA;
  RgbaPicture picture;
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
  if (!png_image_finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  out = std::move(picture);
  return true;
}

}  // namespace vellara
