// Little-endian byte reading and the growable memory stream that archive records are
// read into. Reads never go past the end: a short read returns false and leaves the
// position where it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace vellara {

class MemoryStream {
 public:
  MemoryStream() = default;
  explicit MemoryStream(std::vector<std::uint8_t> bytes) : data_(std::move(bytes)) {}

  // Appends at the end; the position is not moved.
  void Write(std::span<const std::uint8_t> bytes) {
    data_.insert(data_.end(), bytes.begin(), bytes.end());
  }
  // Appends at the end, taking the buffer itself when the stream is empty (no copy).
  void Write(std::vector<std::uint8_t>&& bytes) {
    if (data_.empty()) {
      data_ = std::move(bytes);
    } else {
      Write(std::span<const std::uint8_t>(bytes));
    }
  }
  void Rewind() { pos_ = 0; }
  void Clear() {
    data_.clear();
    pos_ = 0;
  }

  std::size_t Size() const { return data_.size(); }
  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return data_.size() - pos_; }
  const std::vector<std::uint8_t>& Bytes() const { return data_; }

  bool Read(void* out, std::size_t n) {
    if (n > Remaining()) return false;
    if (n != 0) std::memcpy(out, data_.data() + pos_, n);
    pos_ += n;
    return true;
  }
  bool Skip(std::size_t n) {
    if (n > Remaining()) return false;
    pos_ += n;
    return true;
  }
  // A view of the next n bytes, consumed; empty and false when fewer remain.
  bool Take(std::size_t n, std::span<const std::uint8_t>& out) {
    if (n > Remaining()) return false;
    out = std::span<const std::uint8_t>(data_.data() + pos_, n);
    pos_ += n;
    return true;
  }
  bool ReadU8(std::uint8_t& v) { return Read(&v, 1); }
  bool ReadU16(std::uint16_t& v) {
    std::uint8_t b[2];
    if (!Read(b, 2)) return false;
    v = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    return true;
  }
  bool ReadU32(std::uint32_t& v) {
    std::uint8_t b[4];
    if (!Read(b, 4)) return false;
    v = std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16) |
        (std::uint32_t{b[3]} << 24);
    return true;
  }
  bool ReadI32(std::int32_t& v) {
    std::uint32_t u;
    if (!ReadU32(u)) return false;
    v = static_cast<std::int32_t>(u);
    return true;
  }

 private:
  std::vector<std::uint8_t> data_;
  std::size_t pos_ = 0;
};

// Appends little-endian values to a byte vector (archive and record writers).
inline void PutU8(std::vector<std::uint8_t>& out, std::uint8_t v) {
  out.push_back(v);
}
inline void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
inline void PutI32(std::vector<std::uint8_t>& out, std::int32_t v) {
  PutU32(out, static_cast<std::uint32_t>(v));
}
inline void PutBytes(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return;
  const std::size_t at = out.size();
  out.resize(at + bytes.size());
  std::memcpy(out.data() + at, bytes.data(), bytes.size());
}

}  // namespace vellara
