// Writes asset archives in the reader's layout (see asset_archive.h): header, then each
// record's 44-byte header and payload, then the directory. With a password, records are
// encrypted with the archive's key schedule; their initialisation vectors come from a
// seeded generator, so the same input always gives the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vellara {

struct PackEntry {
  std::string key;
  std::uint16_t recordType = 0;
  std::vector<std::uint8_t> data;
  bool encrypt = true;  // applies only when a password is given
};

struct PackOptions {
  std::string password;  // empty: nothing is encrypted; only the first 56 bytes count
  std::uint64_t seed = 0x5643446253454544ull;
  double timestamp = 0.0;
};

std::vector<std::uint8_t> BuildArchive(const std::vector<PackEntry>& entries,
                                       const PackOptions& options);

// BuildArchive written to `path`; false when the file cannot be written.
bool WriteArchiveFile(const std::string& path, const std::vector<PackEntry>& entries,
                      const PackOptions& options);

}  // namespace vellara
