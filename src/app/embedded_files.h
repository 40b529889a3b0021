// Files built into the program at build time: the launcher's picture and font, and the
// program icon.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vellara {

inline constexpr std::string_view kLauncherPicture = "launcher.jpg";
inline constexpr std::string_view kLauncherFont = "launcher_font.rec";
inline constexpr std::string_view kProgramIcon = "icon.png";

// The bytes of a built-in file; empty when it is unknown or was not built.
std::span<const std::uint8_t> EmbeddedFile(std::string_view name);

}  // namespace vellara
