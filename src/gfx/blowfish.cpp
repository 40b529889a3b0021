// Blowfish cipher.
#include "gfx/blowfish.h"

#include <cstring>

namespace vellara {
namespace {

std::uint32_t LoadBig(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
         std::uint32_t{p[3]};
}

void StoreBig(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v >> 24);
  p[1] = static_cast<std::uint8_t>(v >> 16);
  p[2] = static_cast<std::uint8_t>(v >> 8);
  p[3] = static_cast<std::uint8_t>(v);
}

}  // namespace

const BlowfishTables& PiTables() {
  // Written at build time by pi_digits.
  static constexpr BlowfishTables tables = {
#include "pi_tables.inc"
  };
  return tables;
}

Blowfish::Blowfish(std::span<const std::uint8_t> key, KeySchedule schedule) : t_(PiTables()) {
  const std::size_t length = key.size();
  if (length == 0) return;
  std::size_t j = 0;
  for (int i = 0; i < 18; ++i) {
    const std::uint32_t k0 = key[j], k1 = key[(j + 1) % length], k2 = key[(j + 2) % length],
                        k3 = key[(j + 3) % length];
    std::uint32_t w;
    if (schedule == KeySchedule::kStandard) {
      w = (k0 << 24) | (k1 << 16) | (k2 << 8) | k3;
    } else {
      w = (k0 << 24) + 2 * ((k1 << 16) + (k2 << 8) + k3);
    }
    t_[i] ^= w;
    j = (j + 4) % length;
  }
  std::uint32_t l = 0, r = 0;
  for (std::size_t i = 0; i < t_.size(); i += 2) {
    Encrypt(l, r);
    t_[i] = l;
    t_[i + 1] = r;
  }
}

Blowfish::~Blowfish() {
  volatile std::uint32_t* p = t_.data();
  for (std::size_t i = 0; i < t_.size(); ++i) p[i] = 0;
}

std::uint32_t Blowfish::F(std::uint32_t x) const {
  const std::uint32_t* s = t_.data() + 18;
  return ((s[x >> 24] + s[256 + ((x >> 16) & 0xFF)]) ^ s[512 + ((x >> 8) & 0xFF)]) +
         s[768 + (x & 0xFF)];
}

void Blowfish::Encrypt(std::uint32_t& left, std::uint32_t& right) const {
  std::uint32_t l = left, r = right;
  for (int i = 0; i < 16; ++i) {
    l ^= t_[i];
    r ^= F(l);
    std::swap(l, r);
  }
  std::swap(l, r);
  r ^= t_[16];
  l ^= t_[17];
  left = l;
  right = r;
}

void Blowfish::Decrypt(std::uint32_t& left, std::uint32_t& right) const {
  std::uint32_t l = left, r = right;
  for (int i = 17; i > 1; --i) {
    l ^= t_[i];
    r ^= F(l);
    std::swap(l, r);
  }
  std::swap(l, r);
  r ^= t_[1];
  l ^= t_[0];
  left = l;
  right = r;
}

void Blowfish::EncryptBlock(std::uint8_t* block) const {
  std::uint32_t l = LoadBig(block), r = LoadBig(block + 4);
  Encrypt(l, r);
  StoreBig(block, l);
  StoreBig(block + 4, r);
}

void Blowfish::DecryptBlock(std::uint8_t* block) const {
  std::uint32_t l = LoadBig(block), r = LoadBig(block + 4);
  Decrypt(l, r);
  StoreBig(block, l);
  StoreBig(block + 4, r);
}

void Blowfish::EncryptCbc(std::span<std::uint8_t> data,
                          const std::array<std::uint8_t, 8>& iv) const {
  std::array<std::uint8_t, 8> chain = iv;
  for (std::size_t off = 0; off + 8 <= data.size(); off += 8) {
    std::uint8_t* b = data.data() + off;
    for (int i = 0; i < 8; ++i) b[i] ^= chain[i];
    EncryptBlock(b);
    std::memcpy(chain.data(), b, 8);
  }
}

void Blowfish::DecryptCbc(std::span<std::uint8_t> data,
                          const std::array<std::uint8_t, 8>& iv) const {
  std::array<std::uint8_t, 8> chain = iv;
  for (std::size_t off = 0; off + 8 <= data.size(); off += 8) {
    std::uint8_t* b = data.data() + off;
    std::array<std::uint8_t, 8> cipher;
    std::memcpy(cipher.data(), b, 8);
    DecryptBlock(b);
    for (int i = 0; i < 8; ++i) b[i] ^= chain[i];
    chain = cipher;
  }
}

}  // namespace vellara
