// builtin_waves: the seven effects built into the program, "sound_1" .. "sound_7", each a
// complete RIFF WAVE image (PCM, 22050 Hz, 2 channels, 16 bits). Until the recorded
// effects arrive these are tones synthesised at build time with the final lengths.
#pragma once

#include <cstdint>
#include <span>

namespace vellara {

struct BuiltinWave {
  const char* name;
  std::span<const std::uint8_t> image;
};

std::span<const BuiltinWave> BuiltinWaves();

}  // namespace vellara
