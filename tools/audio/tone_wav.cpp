// tone_wav OUT.wav SECONDS RATE CHANNELS HERTZ: writes a sine tone at half scale as a
// 16-bit PCM WAVE file, the source of the MP3 test fixtures.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

void PutU32(std::ofstream& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i)));
}

void PutU16(std::ofstream& out, std::uint16_t v) {
  out.put(static_cast<char>(v));
  out.put(static_cast<char>(v >> 8));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: tone_wav OUT.wav SECONDS RATE CHANNELS HERTZ\n");
    return 2;
  }
  const double seconds = std::atof(argv[2]);
  const int rate = std::atoi(argv[3]);
  const int channels = std::atoi(argv[4]);
  const double hertz = std::atof(argv[5]);
  const auto frames = static_cast<std::uint32_t>(std::lround(seconds * rate));
  const std::uint32_t data = frames * static_cast<std::uint32_t>(channels) * 2;
  std::ofstream out(argv[1], std::ios::binary);
  out.write("RIFF", 4);
  PutU32(out, 36 + data);
  out.write("WAVEfmt ", 8);
  PutU32(out, 16);
  PutU16(out, 1);
  PutU16(out, static_cast<std::uint16_t>(channels));
  PutU32(out, static_cast<std::uint32_t>(rate));
  PutU32(out, static_cast<std::uint32_t>(rate * channels * 2));
  PutU16(out, static_cast<std::uint16_t>(channels * 2));
  PutU16(out, 16);
  out.write("data", 4);
  PutU32(out, data);
  const double pi = std::acos(-1.0);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const auto sample =
        static_cast<std::int16_t>(std::lround(16000.0 * std::sin(2 * pi * hertz * i / rate)));
    for (int c = 0; c < channels; ++c) PutU16(out, static_cast<std::uint16_t>(sample));
  }
  return out.good() ? 0 : 1;
}
