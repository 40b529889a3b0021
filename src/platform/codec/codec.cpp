// Codec backend on zlib and OpenSSL EVP.
#include "platform/codec/codec.h"

#include <openssl/evp.h>
#include <zlib.h>

#include <climits>
#include <memory>

namespace vellara {

bool InflateZlib(std::span<const std::uint8_t> in, std::size_t expectedSize,
                 std::vector<std::uint8_t>& out) {
  out.clear();
  if (expectedSize == 0 || in.empty() || in.size() > UINT_MAX || expectedSize > UINT_MAX) {
    return false;
  }
  constexpr std::size_t kStep = 256;
  z_stream zs{};
  if (inflateInit(&zs) != Z_OK) return false;
  zs.next_in = const_cast<Bytef*>(in.data());
  zs.avail_in = static_cast<uInt>(in.size());

  std::size_t capacity = std::min(expectedSize, (in.size() + kStep - 1) / kStep * kStep);
  out.resize(capacity);
  int rc = Z_OK;
  // One byte of room beyond the expected size shows a stream that yields too much.
  while (true) {
    zs.next_out = out.data() + zs.total_out;
    zs.avail_out = static_cast<uInt>(out.size() - zs.total_out);
    rc = inflate(&zs, Z_NO_FLUSH);
    if (rc == Z_STREAM_END) break;
    if (rc != Z_OK && rc != Z_BUF_ERROR) break;
    if (zs.avail_out != 0) break;  // input exhausted before the stream ended
    if (out.size() > expectedSize) break;
    out.resize(std::min(out.size() + kStep, expectedSize + 1));
  }
  const std::size_t produced = zs.total_out;
  const bool ended = rc == Z_STREAM_END && zs.avail_in == 0;
  inflateEnd(&zs);
  out.resize(produced);
  if (!ended || produced != expectedSize) {
    out.clear();
    return false;
  }
  return true;
}

std::vector<std::uint8_t> DeflateZlib(std::span<const std::uint8_t> in) {
  uLongf size = compressBound(static_cast<uLong>(in.size()));
  std::vector<std::uint8_t> out(size);
  if (compress2(out.data(), &size, in.data(), static_cast<uLong>(in.size()), Z_BEST_COMPRESSION) !=
      Z_OK) {
    return {};
  }
  out.resize(size);
  return out;
}

Md5Digest Md5(std::span<const std::uint8_t> in) {
  Md5Digest digest{};
  std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), EVP_MD_CTX_free);
  unsigned int length = 0;
  if (ctx && EVP_DigestInit_ex(ctx.get(), EVP_md5(), nullptr) == 1 &&
      EVP_DigestUpdate(ctx.get(), in.data(), in.size()) == 1) {
    EVP_DigestFinal_ex(ctx.get(), digest.data(), &length);
  }
  return digest;
}

}  // namespace vellara
