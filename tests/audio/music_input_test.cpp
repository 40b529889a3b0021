// The music input on the mpg123 decoder: format choice, length, looping and bad files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "audio/audio_error.h"
#include "audio/music_input.h"
#include "platform/audio/mpg123_decoder.h"

namespace vellara {
namespace {

const std::string kFixtures = VELLARA_AUDIO_FIXTURES;

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string WriteTemp(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  const std::string path = kFixtures + "/scratch_" + name;  // in this build's folder
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

// Reads everything a non-looping input gives.
std::vector<std::uint8_t> ReadAll(MusicInput& input) {
  std::vector<std::uint8_t> all;
  std::vector<std::uint8_t> block(4096);
  while (std::size_t got = input.Read(block))
    all.insert(all.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got));
  return all;
}

TEST(ChooseRichestFormat, TakesAnOfferOnlyWhenNothingIsSmaller) {
  struct Case {
    std::vector<PcmFormat> offers;
    OutputChannels channels;
    bool highPrecision;
    PcmFormat chosen;
  };
  const Case cases[] = {
      {{{1, 22050, 8}, {2, 44100, 16}, {1, 44100, 16}},
       OutputChannels::cnMaxAvailable,
       true,
       {2, 44100, 16}},
      // More channels but a lower rate does not replace the choice so far.
      {{{1, 44100, 16}, {2, 22050, 16}}, OutputChannels::cnMaxAvailable, true, {1, 44100, 16}},
      {{{2, 44100, 16}, {2, 44100, 32}}, OutputChannels::cnMaxAvailable, true, {2, 44100, 32}},
      {{{2, 44100, 16}, {2, 44100, 32}}, OutputChannels::cnMaxAvailable, false, {2, 44100, 16}},
      {{{2, 48000, 16}, {6, 48000, 16}}, OutputChannels::cnMonoOrStereo, true, {2, 48000, 16}},
      {{{2, 48000, 16}, {6, 48000, 16}}, OutputChannels::cn5dot1, true, {6, 48000, 16}},
      {{{0, 44100, 16}, {2, 0, 16}, {2, 44100, 12}}, OutputChannels::cnMaxAvailable, true, {}},
      {{}, OutputChannels::cnMaxAvailable, true, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChooseRichestFormat(c.offers, c.channels, c.highPrecision), c.chosen);
}

TEST(MusicInput, DecodesTheFixtureToItsLengthAndRichestFormat) {
  struct Case {
    const char* file;
    bool highPrecision;
    PcmFormat format;
    std::int64_t frames;
  };
  const Case cases[] = {
      {"tone.mp3", true, {2, 44100, 32}, 22050},
      {"tone.mp3", false, {2, 44100, 16}, 22050},
      {"tone_mono.mp3", false, {1, 22050, 16}, 6615},
  };
  Mpg123Decoder decoder;
  for (const Case& c : cases) {
    MusicInput input(decoder);
    input.HighPrecision = c.highPrecision;
    input.SetFileName(kFixtures + "/" + c.file);
    ASSERT_TRUE(input.Valid()) << c.file;
    EXPECT_EQ(input.Format(), c.format) << c.file;
    EXPECT_EQ(input.TotalSamples(), c.frames) << c.file;
    EXPECT_EQ(input.SizeBytes(), static_cast<std::uint64_t>(c.frames * c.format.FrameBytes()));
    input.Open();
    const std::vector<std::uint8_t> all = ReadAll(input);
    EXPECT_EQ(all.size(), input.SizeBytes()) << c.file;
    EXPECT_TRUE(input.Ended());
  }
}

TEST(MusicInput, DecodedToneHasTheSourceLevel) {
  Mpg123Decoder decoder;
  MusicInput input(decoder);
  input.HighPrecision = false;
  input.SetFileName(kFixtures + "/tone.mp3");
  input.Open();
  const std::vector<std::uint8_t> all = ReadAll(input);
  double sum = 0;
  const std::size_t samples = all.size() / 2;
  for (std::size_t i = 0; i < samples; ++i) {
    const auto s = static_cast<std::int16_t>(all[2 * i] | all[2 * i + 1] << 8);
    sum += static_cast<double>(s) * s;
  }
  // A sine of amplitude 16000 has an RMS of 16000 / sqrt(2).
  EXPECT_NEAR(std::sqrt(sum / static_cast<double>(samples)), 16000 / std::sqrt(2.0), 800);
}

TEST(MusicInput, LoopFillsReadsPastTheEndFromTheStart) {
  Mpg123Decoder decoder;
  MusicInput input(decoder);
  input.HighPrecision = false;
  input.SetFileName(kFixtures + "/tone.mp3");
  ASSERT_TRUE(input.Valid());
  input.Open();
  const std::vector<std::uint8_t> once = ReadAll(input);
  input.Close();

  input.SetLoop(true);
  input.Open();
  // Three and a half times the file in one request, then more: never short, never ended.
  std::vector<std::uint8_t> looped(once.size() * 7 / 2 / 4 * 4);
  EXPECT_EQ(input.Read(looped), looped.size());
  EXPECT_FALSE(input.Ended());
  EXPECT_TRUE(std::equal(once.begin(), once.end(), looped.begin()));
  EXPECT_TRUE(std::equal(once.begin(), once.end(),
                         looped.begin() + static_cast<std::ptrdiff_t>(once.size())));
  // The position counts from the latest pass.
  EXPECT_EQ(input.Position(), looped.size() - 3 * once.size());
  std::vector<std::uint8_t> more(8192);
  EXPECT_EQ(input.Read(more), more.size());
}

TEST(MusicInput, ReadsOnlyTheChosenRange) {
  Mpg123Decoder decoder;
  MusicInput input(decoder);
  input.HighPrecision = false;
  input.StartSample = 1000;
  input.EndSample = 5000;
  input.SetFileName(kFixtures + "/tone.mp3");
  ASSERT_TRUE(input.Valid());
  EXPECT_EQ(input.TotalSamples(), 4000);
  input.Open();
  EXPECT_EQ(ReadAll(input).size(), 4000u * 4);
}

TEST(MusicInput, BadFilesAreNotValidAndNeverRaise) {
  const std::vector<std::uint8_t> mp3 = ReadFile(kFixtures + "/tone.mp3");
  const std::vector<std::uint8_t> wav = ReadFile(kFixtures + "/tone.wav");
  ASSERT_GT(mp3.size(), 1000u);
  const std::string text = "this is not music at all, just some words\n";
  const struct {
    const char* what;
    std::string path;
  } cases[] = {
      {"missing", kFixtures + "/no_such_file.mp3"},
      {"empty", WriteTemp("vellara_empty.mp3", {})},
      {"text", WriteTemp("vellara_text.mp3", std::vector<std::uint8_t>(text.begin(), text.end()))},
      {"wave renamed", WriteTemp("vellara_wave.mp3", wav)},
      {"header only",
       WriteTemp("vellara_header.mp3", std::vector<std::uint8_t>(mp3.begin(), mp3.begin() + 3))},
  };
  Mpg123Decoder decoder;
  for (const auto& c : cases) {
    MusicInput input(decoder);
    input.SetFileName(c.path);
    EXPECT_FALSE(input.Valid()) << c.what;
    EXPECT_FALSE(input.Opened()) << c.what;
    EXPECT_THROW(input.Open(), AudioError) << c.what;
  }
}

TEST(MusicInput, TruncatedFileEndsEarlyAndLoopsWithoutHanging) {
  const std::vector<std::uint8_t> mp3 = ReadFile(kFixtures + "/tone.mp3");
  const std::string path =
      WriteTemp("vellara_truncated.mp3",
                std::vector<std::uint8_t>(
                    mp3.begin(), mp3.begin() + static_cast<std::ptrdiff_t>(mp3.size() / 2)));
  Mpg123Decoder decoder;
  MusicInput input(decoder);
  input.HighPrecision = false;
  input.SetFileName(path);
  if (!input.Valid()) GTEST_SKIP() << "the decoder refuses the truncated file outright";
  input.Open();
  EXPECT_LT(ReadAll(input).size(), 22050u * 4);
  input.Close();
  input.SetLoop(true);
  input.Open();
  std::vector<std::uint8_t> block(22050 * 4 * 3);
  EXPECT_EQ(input.Read(block), block.size());
}

TEST(MusicInput, NamesAndBusyState) {
  Mpg123Decoder decoder;
  MusicInput input(decoder);
  EXPECT_FALSE(input.Valid());
  try {
    input.Open();
    FAIL();
  } catch (const AudioError& e) {
    EXPECT_STREQ(e.what(), "File name is not assigned");
  }
  input.SetFileName(kFixtures + "/tone.mp3");
  ASSERT_TRUE(input.Valid());
  input.Open();
  EXPECT_TRUE(input.Busy());
  try {
    input.Open();
    FAIL();
  } catch (const AudioError& e) {
    EXPECT_STREQ(e.what(), "The component is Busy");
  }
  // A new name closes the file.
  input.SetFileName(kFixtures + "/tone_mono.mp3");
  EXPECT_FALSE(input.Opened());
  EXPECT_FALSE(input.Busy());
  std::vector<std::uint8_t> block(64);
  EXPECT_EQ(input.Read(block), 0u);
}

}  // namespace
}  // namespace vellara
