// wave_synth OUTPUT.cpp: writes the placeholder effects as C++ byte arrays, one RIFF WAVE
// image each (PCM, 22050 Hz, 2 channels, 16 bits), with the lengths of the real effects.
// Each is a short tone with a soft attack and a decaying tail, pitched apart from the
// others so they can be told apart by ear.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr int kChannels = 2;
constexpr int kBits = 16;

struct Effect {
  const char* name;
  double seconds;
  double pitch;  // Hz
};

constexpr Effect kEffects[] = {
    {"sound_1", 1.097, 330.0}, {"sound_2", 0.697, 880.0}, {"sound_3", 0.537, 660.0},
    {"sound_4", 2.923, 220.0}, {"sound_5", 1.347, 523.3}, {"sound_6", 1.573, 293.7},
    {"sound_7", 1.933, 392.0},
};

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

std::vector<std::uint8_t> Synthesise(const Effect& effect) {
  const int frames = static_cast<int>(std::lround(effect.seconds * kRate));
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(frames) * kChannels * kBits / 8;
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  PutTag(out, "RIFF");
  PutU32(out, 36 + dataBytes);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutU32(out, 16);
  PutU16(out, 1);
  PutU16(out, kChannels);
  PutU32(out, kRate);
  PutU32(out, kRate * kChannels * kBits / 8);
  PutU16(out, kChannels * kBits / 8);
  PutU16(out, kBits);
  PutTag(out, "data");
  PutU32(out, dataBytes);
  const double pi = std::acos(-1.0);
  for (int i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double attack = std::min(1.0, t / 0.01);
    const double release = std::min(1.0, static_cast<double>(frames - i) / (0.02 * kRate));
    const double decay = std::exp(-3.0 * t / effect.seconds);
    const double tone =
        std::sin(2 * pi * effect.pitch * t) + 0.3 * std::sin(4 * pi * effect.pitch * t);
    const auto sample =
        static_cast<std::int16_t>(std::lround(12000.0 * attack * release * decay * tone));
    for (int c = 0; c < kChannels; ++c) PutU16(out, static_cast<std::uint16_t>(sample));
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: wave_synth OUTPUT.cpp\n");
    return 2;
  }
  std::ofstream out(argv[1]);
  out << "// Written by wave_synth at build time.\n#include \"audio/builtin_waves.h\"\n\n"
         "namespace vellara {\n\nnamespace {\n\n";
  int index = 0;
  for (const Effect& effect : kEffects) {
    const std::vector<std::uint8_t> image = Synthesise(effect);
    out << "alignas(4) const std::uint8_t kWave" << index++ << "[" << image.size() << "] = {";
    for (std::size_t i = 0; i < image.size(); ++i) {
      if (i % 24 == 0) out << "\n";
      out << static_cast<int>(image[i]) << ",";
    }
    out << "};\n\n";
  }
  out << "const BuiltinWave kWaves[] = {\n";
  index = 0;
  for (const Effect& effect : kEffects)
    out << "    {\"" << effect.name << "\", kWave" << index++ << "},\n";
  out << "};\n\n}  // namespace\n\nstd::span<const BuiltinWave> BuiltinWaves() { return kWaves; "
         "}\n\n"
         "}  // namespace vellara\n";
  return out.good() ? 0 : 1;
}
