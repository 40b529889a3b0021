// The asset archive: a flat table of named records, each zlib-compressed, optionally
// Blowfish-CBC encrypted and checked by the MD5 digest of its data. Read-only in the game;
// the only writing path is the creation of an empty archive. Every failure is a quiet
// false (or -1 / 0), never an exception.
//
// File layout (little-endian; offsets absolute):
//   header   0: "VCDb" (not compared)  4: i32 RecordCount  8: i32 TableOffset
//   directory at TableOffset, RecordCount times: i32 KeyLength, Key bytes, i32 RecordOffset
//   record header at RecordOffset (44 bytes):
//     0 u16 RecordType  2 i32 OriginalSize  6 i32 StoredSize  10 f64 Timestamp
//     18 MD5[16] Checksum  34 u16 Secure  36 u8[8] InitVector
//   payload at RecordOffset + 44: StoredSize bytes of zlib stream, CBC-encrypted over its
//     whole 8-byte blocks when the low byte of Secure is non-zero.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/byte_stream.h"

namespace vellara {

enum OpenMode : int { opUpdate = 0, opOverwrite = 1, opReadOnly = 2 };

inline constexpr int kArchiveHeaderSize = 12;
inline constexpr int kRecordHeaderSize = 44;
inline constexpr int kMaxPasswordLength = 56;
inline constexpr std::uint16_t kFontRecordType = 3;

struct RecordInfo {
  std::string Key;
  std::int32_t RecordOffset = 0;
  std::uint16_t RecordType = 0;
  std::int32_t OriginalSize = 0;
  std::int32_t StoredSize = 0;
  double Timestamp = 0.0;
  std::array<std::uint8_t, 16> Checksum{};
  std::uint16_t Secure = 0;
  std::array<std::uint8_t, 8> InitVector{};
};

class AssetArchive {
 public:
  AssetArchive() = default;
  ~AssetArchive();
  AssetArchive(const AssetArchive&) = delete;
  AssetArchive& operator=(const AssetArchive&) = delete;

  // Keeps min(length, 56) bytes as the key; a length of 0 or less leaves no key.
  void SetPassword(const void* bytes, int length);
  int PasswordLength() const { return keyLength_; }

  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string fileName);  // clears the opened flag
  OpenMode GetOpenMode() const { return openMode_; }
  void SetOpenMode(OpenMode mode) { openMode_ = mode; }
  bool Opened() const { return opened_; }

  bool OpenArchive();
  bool EnsureOpen();
  int FindRecord(std::string_view key) const;
  std::uint16_t RecordType(int index) const;
  // Appends the record's checked, decompressed data to `stream`.
  bool ReadRecord(std::string_view key, MemoryStream& stream);

  std::int32_t RecordCount() const { return recordCount_; }
  std::int32_t TableOffset() const { return tableOffset_; }
  const std::vector<RecordInfo>& Records() const { return records_; }

 private:
  bool ReadDirectory();
  bool CreateEmpty();
  void WipeKey();

  std::string fileName_ = "vellara.dat";
  OpenMode openMode_ = opUpdate;
  std::array<std::uint8_t, kMaxPasswordLength> key_{};
  int keyLength_ = 0;
  bool opened_ = false;
  std::int32_t recordCount_ = 0;
  std::int32_t tableOffset_ = 0;
  std::vector<RecordInfo> records_;

  // The directory of the last successful read, reused while the file's size and
  // modification time stay the same.
  bool cacheValid_ = false;
  std::filesystem::path cachePath_;
  std::uintmax_t cacheSize_ = 0;
  std::filesystem::file_time_type cacheTime_{};
};

}  // namespace vellara
