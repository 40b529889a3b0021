// Blowfish cipher and the pi digits behind its initial tables.
#include "gfx/blowfish.h"

#include <cstring>
#include <vector>

namespace vellara {
namespace {

// Fixed-point numbers as big-endian arrays of 32-bit words: word 0 is the integer part,
// the rest the fraction.
using Fixed = std::vector<std::uint32_t>;

// a /= d, skipping leading zero words from `from` on; returns the first non-zero word index.
std::size_t DivideSmall(Fixed& a, std::uint32_t d, std::size_t from) {
  std::uint64_t rem = 0;
  for (std::size_t i = from; i < a.size(); ++i) {
    const std::uint64_t cur = (rem << 32) | a[i];
    a[i] = static_cast<std::uint32_t>(cur / d);
    rem = cur % d;
  }
  while (from < a.size() && a[from] == 0) ++from;
  return from;
}

void AddOrSub(Fixed& acc, const Fixed& v, bool subtract) {
  std::int64_t carry = 0;
  for (std::size_t i = acc.size(); i-- > 0;) {
    std::int64_t s =
        static_cast<std::int64_t>(acc[i]) +
        (subtract ? -static_cast<std::int64_t>(v[i]) : static_cast<std::int64_t>(v[i])) + carry;
    carry = 0;
    if (s < 0) {
      s += std::int64_t{1} << 32;
      carry = -1;
    } else if (s >= (std::int64_t{1} << 32)) {
      s -= std::int64_t{1} << 32;
      carry = 1;
    }
    acc[i] = static_cast<std::uint32_t>(s);
  }
}

void MultiplySmall(Fixed& a, std::uint32_t m) {
  std::uint64_t carry = 0;
  for (std::size_t i = a.size(); i-- > 0;) {
    const std::uint64_t cur = static_cast<std::uint64_t>(a[i]) * m + carry;
    a[i] = static_cast<std::uint32_t>(cur);
    carry = cur >> 32;
  }
}

// arctan(1/x) = sum over k of (-1)^k / ((2k+1) x^(2k+1)).
Fixed ArcTanInverse(std::uint32_t x, std::size_t words) {
  Fixed sum(words, 0), power(words, 0), term(words, 0);
  power[0] = 1;
  std::size_t lead = DivideSmall(power, x, 0);
  const std::uint32_t x2 = x * x;
  for (std::uint32_t k = 0; lead < words; ++k) {
    term = power;
    DivideSmall(term, 2 * k + 1, lead);
    AddOrSub(sum, term, k % 2 == 1);
    lead = DivideSmall(power, x2, lead);
  }
  return sum;
}

BlowfishTables ComputePiTables() {
  constexpr std::size_t kGuard = 4;
  const std::size_t words = 1 + std::tuple_size_v<BlowfishTables> + kGuard;
  // Machin: pi = 16 arctan(1/5) - 4 arctan(1/239).
  Fixed pi = ArcTanInverse(5, words);
  MultiplySmall(pi, 16);
  Fixed b = ArcTanInverse(239, words);
  MultiplySmall(b, 4);
  AddOrSub(pi, b, true);
  BlowfishTables tables{};
  for (std::size_t i = 0; i < tables.size(); ++i) tables[i] = pi[i + 1];
  return tables;
}

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
  static const BlowfishTables tables = ComputePiTables();
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
