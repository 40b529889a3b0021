// Blowfish, 16 rounds, 64-bit blocks, with two key schedules: the published one and the
// archive's own (see KeySchedule::kArchive). Blocks are two big-endian 32-bit halves.
// The initial P-array and S-boxes are the fractional hexadecimal digits of pi, written at
// build time (pi_digits.cpp).
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace vellara {

// 18 P-array words followed by the four 256-word S-boxes.
using BlowfishTables = std::array<std::uint32_t, 18 + 4 * 256>;

// The first 1042 words of pi's fractional hexadecimal digits (0x243F6A88, 0x85A308D3, ...).
const BlowfishTables& PiTables();

class Blowfish {
 public:
  enum class KeySchedule {
    kStandard,  // P[i] ^= k[j]<<24 | k[j+1]<<16 | k[j+2]<<8 | k[j+3]
    kArchive,   // P[i] ^= k[j]<<24 + 2 * (k[j+1]<<16 + k[j+2]<<8 + k[j+3]), mod 2^32
  };

  // An empty key leaves the pi tables untouched and unexpanded.
  Blowfish(std::span<const std::uint8_t> key, KeySchedule schedule);
  ~Blowfish();  // wipes the tables
  Blowfish(const Blowfish&) = delete;
  Blowfish& operator=(const Blowfish&) = delete;

  void Encrypt(std::uint32_t& left, std::uint32_t& right) const;
  void Decrypt(std::uint32_t& left, std::uint32_t& right) const;
  void EncryptBlock(std::uint8_t* block) const;  // 8 bytes in place
  void DecryptBlock(std::uint8_t* block) const;

  // CBC over the whole 8-byte blocks of `data`; trailing bytes stay as they are.
  void EncryptCbc(std::span<std::uint8_t> data, const std::array<std::uint8_t, 8>& iv) const;
  void DecryptCbc(std::span<std::uint8_t> data, const std::array<std::uint8_t, 8>& iv) const;

 private:
  std::uint32_t F(std::uint32_t x) const;
  BlowfishTables t_;
};

}  // namespace vellara
