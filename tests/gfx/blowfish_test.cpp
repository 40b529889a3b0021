#include "gfx/blowfish.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellara {
namespace {

std::vector<std::uint8_t> Hex(const std::string& hex) {
  std::vector<std::uint8_t> out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    out.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  }
  return out;
}

TEST(PiTables, StartAndEndWithTheKnownDigitsOfPi) {
  const BlowfishTables& t = PiTables();
  EXPECT_EQ(t[0], 0x243F6A88u);
  EXPECT_EQ(t[1], 0x85A308D3u);
  EXPECT_EQ(t[2], 0x13198A2Eu);
  EXPECT_EQ(t[3], 0x03707344u);
  EXPECT_EQ(t[17], 0x8979FB1Bu);
  EXPECT_EQ(t[18], 0xD1310BA6u);  // first word of the first S-box
  EXPECT_EQ(t[19], 0x98DFB5ACu);
  EXPECT_EQ(t[18 + 1023], 0x3AC372E6u);  // last word of the last S-box
}

// Published Blowfish vectors for the standard key schedule (key, plain, cipher).
TEST(Blowfish, StandardScheduleMatchesPublishedVectors) {
  struct Case {
    const char* key;
    const char* plain;
    const char* cipher;
  };
  const Case cases[] = {
      {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
      {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
      {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
      {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
      {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
      {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
      {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    const Blowfish bf(Hex(c.key), Blowfish::KeySchedule::kStandard);
    std::vector<std::uint8_t> block = Hex(c.plain);
    bf.EncryptBlock(block.data());
    EXPECT_EQ(block, Hex(c.cipher));
    bf.DecryptBlock(block.data());
    EXPECT_EQ(block, Hex(c.plain));
  }
  const std::string text = "abcdefghijklmnopqrstuvwxyz";
  const Blowfish bf(std::vector<std::uint8_t>(text.begin(), text.end()),
                    Blowfish::KeySchedule::kStandard);
  std::vector<std::uint8_t> block{'B', 'L', 'O', 'W', 'F', 'I', 'S', 'H'};
  bf.EncryptBlock(block.data());
  EXPECT_EQ(block, Hex("324ED0FEF413A203"));
}

TEST(Blowfish, ArchiveScheduleDiffersFromStandardAndRoundTrips) {
  const std::vector<std::uint8_t> key{'q', 'z', 'v', 'k'};
  const Blowfish standard(key, Blowfish::KeySchedule::kStandard);
  const Blowfish archive(key, Blowfish::KeySchedule::kArchive);
  std::vector<std::uint8_t> a(8, 0), b(8, 0);
  standard.EncryptBlock(a.data());
  archive.EncryptBlock(b.data());
  EXPECT_NE(a, b);

  // A key whose bytes after the first are all zero expands the same way under both.
  const std::vector<std::uint8_t> sparse{0x5A, 0, 0, 0};
  std::vector<std::uint8_t> c(8, 7), d(8, 7);
  Blowfish(sparse, Blowfish::KeySchedule::kStandard).EncryptBlock(c.data());
  Blowfish(sparse, Blowfish::KeySchedule::kArchive).EncryptBlock(d.data());
  EXPECT_EQ(c, d);

  std::vector<std::uint8_t> data(21);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 37);
  const std::vector<std::uint8_t> original = data;
  const std::array<std::uint8_t, 8> iv{1, 2, 3, 4, 5, 6, 7, 8};
  archive.EncryptCbc(data, iv);
  EXPECT_NE(std::vector<std::uint8_t>(data.begin(), data.begin() + 16),
            std::vector<std::uint8_t>(original.begin(), original.begin() + 16));
  EXPECT_EQ(std::vector<std::uint8_t>(data.begin() + 16, data.end()),
            std::vector<std::uint8_t>(original.begin() + 16, original.end()));
  archive.DecryptCbc(data, iv);
  EXPECT_EQ(data, original);
}

}  // namespace
}  // namespace vellara
