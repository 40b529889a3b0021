// WAVE parsing and the built-in effects.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "audio/builtin_waves.h"
#include "audio/wave_list.h"

namespace vellara {
namespace {

void PutU32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

void PutU16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A canonical 44-byte header and frames * 4 bytes of stereo 16-bit samples at 22050 Hz.
std::vector<std::uint8_t> MakeWave(std::uint32_t frames) {
  const std::uint32_t data = frames * 4;
  std::vector<std::uint8_t> b(44 + data, 0);
  std::memcpy(b.data(), "RIFF", 4);
  PutU32(b, 4, 36 + data);
  std::memcpy(b.data() + 8, "WAVEfmt ", 8);
  PutU32(b, 16, 16);
  PutU16(b, 20, 1);
  PutU16(b, 22, 2);
  PutU32(b, 24, 22050);
  PutU32(b, 28, 22050 * 4);
  PutU16(b, 32, 4);
  PutU16(b, 34, 16);
  std::memcpy(b.data() + 36, "data", 4);
  PutU32(b, 40, data);
  for (std::uint32_t i = 0; i < data; ++i) b[44 + i] = static_cast<std::uint8_t>(i);
  return b;
}

TEST(ParseWave, ReadsTheDeclaredLayoutAndSamples) {
  const std::vector<std::uint8_t> image = MakeWave(100);
  const std::optional<WaveData> wave = ParseWave(image);
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->format, (PcmFormat{2, 22050, 16}));
  EXPECT_EQ(wave->Frames(), 100u);
  EXPECT_EQ(wave->samples[5], 5);
}

TEST(ParseWave, SkipsUnknownChunksAndHonoursPadding) {
  std::vector<std::uint8_t> image = MakeWave(10);
  // An odd-sized "LIST" chunk with its pad byte between "fmt " and "data".
  const std::vector<std::uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
  image.insert(image.begin() + 36, list.begin(), list.end());
  PutU32(image, 4, static_cast<std::uint32_t>(image.size() - 8));
  const std::optional<WaveData> wave = ParseWave(image);
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->Frames(), 10u);
}

TEST(ParseWave, RejectsWhatIsNotThePcmItClaims) {
  struct Case {
    const char* what;
    void (*damage)(std::vector<std::uint8_t>&);
  };
  const Case cases[] = {
      {"not RIFF", [](auto& b) { b[0] = 'X'; }},
      {"not WAVE", [](auto& b) { b[8] = 'X'; }},
      {"RIFF size past the end",
       [](auto& b) { PutU32(b, 4, static_cast<std::uint32_t>(b.size())); }},
      {"compressed format tag", [](auto& b) { PutU16(b, 20, 2); }},
      {"no channels", [](auto& b) { PutU16(b, 22, 0); }},
      {"zero rate", [](auto& b) { PutU32(b, 24, 0); }},
      {"byte rate disagrees", [](auto& b) { PutU32(b, 28, 1234); }},
      {"block size disagrees", [](auto& b) { PutU16(b, 32, 3); }},
      {"12 bits", [](auto& b) { PutU16(b, 34, 12); }},
      {"short fmt chunk", [](auto& b) { PutU32(b, 16, 14); }},
      {"data chunk past the end", [](auto& b) { PutU32(b, 40, 1000000); }},
      {"data not whole frames",
       [](auto& b) {
         PutU32(b, 40, 6);
         b.resize(50);
         PutU32(b, 4, 42);
       }},
      {"no data chunk", [](auto& b) { std::memcpy(b.data() + 36, "junk", 4); }},
      {"no fmt chunk", [](auto& b) { std::memcpy(b.data() + 12, "junk", 4); }},
      {"truncated header", [](auto& b) { b.resize(30); }},
      {"empty", [](auto& b) { b.clear(); }},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> image = MakeWave(8);
    c.damage(image);
    EXPECT_FALSE(ParseWave(image)) << c.what;
  }
}

TEST(ParseWave, DataBeforeFormatIsRejected) {
  std::vector<std::uint8_t> image = MakeWave(2);
  // Swap the chunks: "data" (8 + 8 bytes) first, then "fmt " (8 + 16 bytes).
  std::vector<std::uint8_t> swapped(image.begin(), image.begin() + 12);
  swapped.insert(swapped.end(), image.begin() + 36, image.end());
  swapped.insert(swapped.end(), image.begin() + 12, image.begin() + 36);
  EXPECT_FALSE(ParseWave(swapped));
}

TEST(BuiltinWaves, SevenEffectsInTheirFormatAndLengths) {
  const struct {
    const char* name;
    double seconds;
  } expected[] = {{"sound_1", 1.097}, {"sound_2", 0.697}, {"sound_3", 0.537}, {"sound_4", 2.923},
                  {"sound_5", 1.347}, {"sound_6", 1.573}, {"sound_7", 1.933}};
  const std::span<const BuiltinWave> waves = BuiltinWaves();
  ASSERT_EQ(waves.size(), 7u);
  for (std::size_t i = 0; i < waves.size(); ++i) {
    EXPECT_STREQ(waves[i].name, expected[i].name);
    const std::optional<WaveData> wave = ParseWave(waves[i].image);
    ASSERT_TRUE(wave) << waves[i].name;
    EXPECT_EQ(wave->format, (PcmFormat{2, 22050, 16}));
    EXPECT_EQ(wave->Frames(), static_cast<std::size_t>(std::lround(expected[i].seconds * 22050)));
  }
}

}  // namespace
}  // namespace vellara
