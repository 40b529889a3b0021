// What the launcher shows: its picture, the start button in its normal, hover and pushed
// looks, and the full-screen check box, drawn into a 630 x 360 frame.
#pragma once

#include "app/launcher.h"
#include "app/launcher_font.h"

namespace vellara {

inline constexpr std::uint32_t kSilver = 0xFFC0C0C0u;

// `background` may be empty (a picture that did not decode): the window stays silver.
void ComposeLauncher(const Launcher& launcher, const PixelFrame& background,
                     const LauncherFont& font, PixelFrame& frame);

}  // namespace vellara
