// Codec backend: zlib streams (RFC 1950) and MD5 digests (RFC 1321) for the asset archive.
// Implements: InflateZlib, DeflateZlib, Md5. Only codec.cpp includes zlib and OpenSSL.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vellara {

using Md5Digest = std::array<std::uint8_t, 16>;

// Inflates one complete zlib stream. Succeeds only when the stream ends without error,
// nothing follows it and it yields exactly `expectedSize` bytes (at least one). The output
// buffer starts at the input size rounded up to 256 bytes and grows by 256-byte steps, but
// never beyond `expectedSize`, so a stream that would yield more fails without growing.
bool InflateZlib(std::span<const std::uint8_t> in, std::size_t expectedSize,
                 std::vector<std::uint8_t>& out);

// Compresses `in` as one zlib stream at the best compression level.
std::vector<std::uint8_t> DeflateZlib(std::span<const std::uint8_t> in);

// MD5 through OpenSSL's EVP interface.
Md5Digest Md5(std::span<const std::uint8_t> in);

}  // namespace vellara
