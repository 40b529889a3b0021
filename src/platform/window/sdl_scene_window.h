// What the program sets on the scene's SDL window beyond the display itself: the icon, the
// hidden system pointer, and the refresh rate that frame pacing keeps to.
// Only the .cpp includes SDL.
#pragma once

#include <cstdint>
#include <vector>

namespace vellara {

class SdlDisplay;

// Pixels 0xAABBGGRR, width x height; nothing happens without a window or pixels.
void SetSceneIcon(SdlDisplay& display, int width, int height,
                  const std::vector<std::uint32_t>& pixels);
// The scene draws its own pointer.
void HideSystemPointer();
// Hertz of the display the window is on; 0 when it cannot be told.
int SceneRefreshRate(SdlDisplay& display);

}  // namespace vellara
