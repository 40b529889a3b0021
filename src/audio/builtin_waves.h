// builtin_waves: the seven effects built into the program, "sound_1" .. "sound_7", each a
// complete RIFF WAVE image (PCM, 22050 Hz, 2 channels, 16 bits), synthesised by the
// content build from assets/sounds and embedded at build time.
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
