// Asset archive reader.
#include "gfx/asset_archive.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#include "gfx/blowfish.h"
#include "platform/codec/codec.h"

namespace vellara {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A bounded reader over an open file: every read checks the file's end first.
class FileReader {
 public:
  FileReader(std::FILE* f, std::uintmax_t size) : f_(f), size_(size) {}
  std::uintmax_t Size() const { return size_; }
  bool Seek(std::int64_t offset) {
    if (offset < 0 || static_cast<std::uintmax_t>(offset) > size_) return false;
    if (std::fseek(f_, static_cast<long>(offset), SEEK_SET) != 0) return false;
    pos_ = static_cast<std::uintmax_t>(offset);
    return true;
  }
  bool Read(void* out, std::size_t n) {
    if (n > size_ - pos_) return false;
    if (n != 0 && std::fread(out, 1, n, f_) != n) return false;
    pos_ += n;
    return true;
  }
  bool ReadI32(std::int32_t& v) {
    std::uint8_t b[4];
    if (!Read(b, 4)) return false;
    v = static_cast<std::int32_t>(std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) |
                                  (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24));
    return true;
  }
  std::uintmax_t Remaining() const { return size_ - pos_; }

 private:
  std::FILE* f_;
  std::uintmax_t size_;
  std::uintmax_t pos_ = 0;
};

std::int32_t I32At(const std::uint8_t* p) {
  return static_cast<std::int32_t>(std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) |
                                   (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24));
}

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// Opens the archive for reading; also reports its size and modification time.
File OpenForRead(const std::string& name, std::uintmax_t& size,
                 std::filesystem::file_time_type& time) {
  std::error_code ec;
  const std::filesystem::path path(name);
  if (!std::filesystem::is_regular_file(path, ec)) return nullptr;
  size = std::filesystem::file_size(path, ec);
  if (ec) return nullptr;
  time = std::filesystem::last_write_time(path, ec);
  if (ec) return nullptr;
  return File(std::fopen(name.c_str(), "rb"));
}

}  // namespace

AssetArchive::~AssetArchive() {
  WipeKey();
}

void AssetArchive::WipeKey() {
  volatile std::uint8_t* p = key_.data();
  for (std::size_t i = 0; i < key_.size(); ++i) p[i] = 0;
  keyLength_ = 0;
}

void AssetArchive::SetPassword(const void* bytes, int length) {
  WipeKey();
  if (length <= 0 || bytes == nullptr) return;
  keyLength_ = std::min(length, kMaxPasswordLength);
  std::memcpy(key_.data(), bytes, static_cast<std::size_t>(keyLength_));
}

void AssetArchive::SetFileName(std::string fileName) {
  fileName_ = std::move(fileName);
  opened_ = false;
}

bool AssetArchive::OpenArchive() {
  bool ok = false;
  switch (openMode_) {
    case opReadOnly:
      ok = ReadDirectory();
      break;
    case opOverwrite:
      ok = CreateEmpty();
      break;
    case opUpdate: {
      std::error_code ec;
      ok = std::filesystem::exists(fileName_, ec) ? ReadDirectory() : CreateEmpty();
      break;
    }
  }
  opened_ = ok;
  return ok;
}

bool AssetArchive::EnsureOpen() {
  return opened_ || OpenArchive();
}

int AssetArchive::FindRecord(std::string_view key) const {
  for (std::size_t i = 0; i < records_.size(); ++i) {
    if (EqualNoCase(records_[i].Key, key)) return static_cast<int>(i);
  }
  return -1;
}

std::uint16_t AssetArchive::RecordType(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= records_.size()) return 0;
  return records_[static_cast<std::size_t>(index)].RecordType;
}

bool AssetArchive::CreateEmpty() {
  cacheValid_ = false;
  records_.clear();
  recordCount_ = 0;
  tableOffset_ = kArchiveHeaderSize;
  File f(std::fopen(fileName_.c_str(), "wb"));
  if (!f) return false;
  const std::uint8_t header[kArchiveHeaderSize] = {'V', 'C', 'D', 'b', 0, 0, 0, 0, 12, 0, 0, 0};
  return std::fwrite(header, 1, sizeof header, f.get()) == sizeof header;
}

bool AssetArchive::ReadDirectory() {
  std::uintmax_t size = 0;
  std::filesystem::file_time_type time{};
  File f = OpenForRead(fileName_, size, time);
  if (!f) {
    cacheValid_ = false;
    records_.clear();
    return false;
  }
  if (cacheValid_ && cachePath_ == fileName_ && cacheSize_ == size && cacheTime_ == time) {
    return true;
  }
  cacheValid_ = false;

  FileReader in(f.get(), size);
  std::vector<RecordInfo> records;
  auto fail = [&] {
    records_.clear();
    recordCount_ = 0;
    tableOffset_ = 0;
    return false;
  };
  std::uint8_t header[kArchiveHeaderSize];
  if (!in.Read(header, sizeof header)) return fail();
  const std::int32_t count = I32At(header + 4);
  const std::int32_t table = I32At(header + 8);
  // Each entry takes at least 8 bytes, so a count the file cannot hold fails before any
  // memory is set aside for it.
  if (count < 0 || !in.Seek(table) || static_cast<std::uintmax_t>(count) > in.Remaining() / 8) {
    return fail();
  }
  records.resize(static_cast<std::size_t>(count));
  for (RecordInfo& r : records) {
    std::int32_t keyLength = 0;
    if (!in.ReadI32(keyLength) || keyLength < 0 ||
        static_cast<std::uintmax_t>(keyLength) > in.Remaining()) {
      return fail();
    }
    r.Key.resize(static_cast<std::size_t>(keyLength));
    if (!in.Read(r.Key.data(), r.Key.size()) || !in.ReadI32(r.RecordOffset)) return fail();
  }
  for (RecordInfo& r : records) {
    std::uint8_t h[kRecordHeaderSize];
    if (!in.Seek(r.RecordOffset) || !in.Read(h, sizeof h)) return fail();
    r.RecordType = static_cast<std::uint16_t>(h[0] | (h[1] << 8));
    r.OriginalSize = I32At(h + 2);
    r.StoredSize = I32At(h + 6);
    std::memcpy(&r.Timestamp, h + 10, 8);
    std::memcpy(r.Checksum.data(), h + 18, 16);
    r.Secure = static_cast<std::uint16_t>(h[34] | (h[35] << 8));
    std::memcpy(r.InitVector.data(), h + 36, 8);
  }
  records_ = std::move(records);
  recordCount_ = count;
  tableOffset_ = table;
  cacheValid_ = true;
  cachePath_ = fileName_;
  cacheSize_ = size;
  cacheTime_ = time;
  return true;
}

bool AssetArchive::ReadRecord(std::string_view key, MemoryStream& stream) {
  if (!ReadDirectory()) return false;
  const int index = FindRecord(key);
  if (index < 0) return false;
  const RecordInfo& r = records_[static_cast<std::size_t>(index)];
  if (r.StoredSize < 0 || r.OriginalSize <= 0) return false;
  // Deflate cannot expand data by more than about 1032 to 1, so a larger OriginalSize is a
  // lie that would only make the inflate buffer grow.
  if (static_cast<std::int64_t>(r.OriginalSize) >
      static_cast<std::int64_t>(r.StoredSize) * 1040 + 1024) {
    return false;
  }

  std::uintmax_t size = 0;
  std::filesystem::file_time_type time{};
  File f = OpenForRead(fileName_, size, time);
  if (!f) return false;
  FileReader in(f.get(), size);
  if (!in.Seek(std::int64_t{r.RecordOffset} + kRecordHeaderSize) ||
      static_cast<std::uintmax_t>(r.StoredSize) > in.Remaining()) {
    return false;
  }
  std::vector<std::uint8_t> stored(static_cast<std::size_t>(r.StoredSize));
  if (!in.Read(stored.data(), stored.size())) return false;
  f.reset();

  if ((r.Secure & 0xFF) != 0 && keyLength_ > 0) {
    const Blowfish cipher(
        std::span<const std::uint8_t>(key_.data(), static_cast<std::size_t>(keyLength_)),
        Blowfish::KeySchedule::kArchive);
    cipher.DecryptCbc(stored, r.InitVector);
  }
  std::vector<std::uint8_t> data;
  if (!InflateZlib(stored, static_cast<std::size_t>(r.OriginalSize), data)) return false;
  if (Md5(data) != r.Checksum) return false;
  stream.Write(std::move(data));
  return true;
}

}  // namespace vellara
