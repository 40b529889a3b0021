// Asset archive writer.
#include "gfx/archive_writer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <span>

#include "gfx/asset_archive.h"
#include "gfx/blowfish.h"
#include "gfx/byte_stream.h"
#include "platform/codec/codec.h"

namespace vellara {
namespace {

std::uint64_t SplitMix64(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

std::vector<std::uint8_t> BuildArchive(const std::vector<PackEntry>& entries,
                                       const PackOptions& options) {
  const std::size_t keyLength =
      std::min(options.password.size(), static_cast<std::size_t>(kMaxPasswordLength));
  const std::span<const std::uint8_t> key(
      reinterpret_cast<const std::uint8_t*>(options.password.data()), keyLength);
  std::uint64_t ivState = options.seed;

  std::vector<std::uint8_t> out{'V', 'C', 'D', 'b'};
  PutI32(out, static_cast<std::int32_t>(entries.size()));
  PutI32(out, 0);  // table offset, patched below

  std::vector<std::int32_t> offsets;
  for (const PackEntry& e : entries) {
    offsets.push_back(static_cast<std::int32_t>(out.size()));
    std::vector<std::uint8_t> payload = DeflateZlib(e.data);
    const bool secure = e.encrypt && keyLength > 0;
    std::array<std::uint8_t, 8> iv{};
    const std::uint64_t ivBits = SplitMix64(ivState);
    for (int i = 0; i < 8; ++i) iv[i] = static_cast<std::uint8_t>(ivBits >> (8 * i));
    if (secure) {
      const Blowfish cipher(key, Blowfish::KeySchedule::kArchive);
      cipher.EncryptCbc(payload, iv);
    }
    PutU16(out, e.recordType);
    PutI32(out, static_cast<std::int32_t>(e.data.size()));
    PutI32(out, static_cast<std::int32_t>(payload.size()));
    std::uint8_t stamp[8];
    std::memcpy(stamp, &options.timestamp, 8);
    PutBytes(out, stamp);
    PutBytes(out, Md5(e.data));
    PutU16(out, secure ? 1 : 0);
    PutBytes(out, iv);
    PutBytes(out, payload);
  }
  const auto table = static_cast<std::uint32_t>(out.size());
  for (int i = 0; i < 4; ++i) out[8 + i] = static_cast<std::uint8_t>(table >> (8 * i));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    PutI32(out, static_cast<std::int32_t>(entries[i].key.size()));
    PutBytes(out, std::span<const std::uint8_t>(
                      reinterpret_cast<const std::uint8_t*>(entries[i].key.data()),
                      entries[i].key.size()));
    PutI32(out, offsets[i]);
  }
  return out;
}

bool WriteArchiveFile(const std::string& path, const std::vector<PackEntry>& entries,
                      const PackOptions& options) {
  const std::vector<std::uint8_t> bytes = BuildArchive(entries, options);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace vellara
