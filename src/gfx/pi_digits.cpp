// pi_digits OUTPUT: writes the initial Blowfish tables, the first 1042 32-bit words of pi's
// fractional hexadecimal digits, as a C++ initialiser list. Computed at build time so that
// the game does not spend a tenth of a second on them at every start.
#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr std::size_t kTableWords = 18 + 4 * 256;

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

std::array<std::uint32_t, kTableWords> ComputePiTables() {
  constexpr std::size_t kGuard = 4;
  const std::size_t words = 1 + kTableWords + kGuard;
  // Machin: pi = 16 arctan(1/5) - 4 arctan(1/239).
  Fixed pi = ArcTanInverse(5, words);
  MultiplySmall(pi, 16);
  Fixed b = ArcTanInverse(239, words);
  MultiplySmall(b, 4);
  AddOrSub(pi, b, true);
  std::array<std::uint32_t, kTableWords> tables{};
  for (std::size_t i = 0; i < tables.size(); ++i) tables[i] = pi[i + 1];
  return tables;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pi_digits OUTPUT\n");
    return 2;
  }
  std::FILE* out = std::fopen(argv[1], "w");
  if (!out) return 1;
  const auto tables = ComputePiTables();
  for (std::size_t i = 0; i < tables.size(); ++i) {
    std::fprintf(out, "0x%08Xu,%s", static_cast<unsigned>(tables[i]), i % 6 == 5 ? "\n" : " ");
  }
  std::fprintf(out, "\n");
  return std::fclose(out) == 0 ? 0 : 1;
}
