// The one setting the engine asks for: Vellara Mode (queens also jump like knights).
// The game's settings record owns the value and binds it here; the engine reads it
// afresh at every attack test and every generation. Value 1 is on, anything else off.
#pragma once

#include <atomic>
#include <cstdint>

namespace vellara {

// Binds the query to the settings field (nullptr unbinds: the engine's own value, 0).
void BindVellaraModeSetting(const std::atomic<std::int32_t>* field);

// The bound value; a stale read is harmless.
std::int32_t VellaraModeSetting();
inline bool VellaraModeOn() {
  return VellaraModeSetting() == 1;
}

}  // namespace vellara
