// Helpers for the tests on the real SDL audio stack.
#include "audio_device_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

namespace vellara::testing {

const std::string kFixtures = VELLARA_AUDIO_FIXTURES;

std::string UseAudioDriver(const std::string& driver) {
  setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
  if (driver != "disk") return {};
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(test->test_suite_name()) + "." + test->name();
  for (char& c : name)
    if (c == '/') c = '_';
  const std::string path = std::string(VELLARA_AUDIO_OUTPUT) + "/" + name + ".raw";
  setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
  std::remove(path.c_str());
  return path;
}

std::vector<float> ReadDiskOutput(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
  std::vector<float> samples(bytes.size() / sizeof(float));
  std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(float));
  return samples;
}

std::vector<float> FrameLevels(const std::vector<float>& samples, int channels) {
  std::vector<float> levels(samples.size() / static_cast<std::size_t>(channels));
  for (std::size_t f = 0; f < levels.size(); ++f)
    for (int c = 0; c < channels; ++c)
      levels[f] = std::max(
          levels[f],
          std::fabs(samples[f * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)]));
  return levels;
}

long FirstLoudFrame(const std::vector<float>& levels, float threshold) {
  for (std::size_t i = 0; i < levels.size(); ++i)
    if (levels[i] > threshold) return static_cast<long>(i);
  return -1;
}

long LongestQuietRun(const std::vector<float>& levels, long first, long last, float threshold) {
  long longest = 0;
  long run = 0;
  for (long i = std::max(first, 0L); i < last && i < static_cast<long>(levels.size()); ++i) {
    run = levels[static_cast<std::size_t>(i)] <= threshold ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  return longest;
}

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

std::vector<unsigned char> ConstantWave(int frames, short value) {
  const auto data = static_cast<std::uint32_t>(frames) * 4;
  std::vector<unsigned char> b(44 + data);
  auto u32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
      b[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(v >> (8 * i));
  };
  auto u16 = [&](std::size_t at, std::uint32_t v) {
    b[at] = static_cast<unsigned char>(v);
    b[at + 1] = static_cast<unsigned char>(v >> 8);
  };
  std::memcpy(b.data(), "RIFF", 4);
  u32(4, 36 + data);
  std::memcpy(b.data() + 8, "WAVEfmt ", 8);
  u32(16, 16);
  u16(20, 1);
  u16(22, 2);
  u32(24, 22050);
  u32(28, 22050 * 4);
  u16(32, 4);
  u16(34, 16);
  std::memcpy(b.data() + 36, "data", 4);
  u32(40, data);
  for (std::uint32_t i = 0; i < data / 2; ++i) u16(44 + 2 * i, static_cast<std::uint16_t>(value));
  return b;
}

}  // namespace vellara::testing
