// Where the fixed-size scene appears in a window's drawable area: scaled to fit with its
// aspect kept, centred, with black bars; and the way back from window to scene pixels.
#pragma once

#include <algorithm>

namespace vellara {

struct SceneViewport {
  int x = 0, y = 0;           // top-left corner in drawable pixels, from the top
  int width = 0, height = 0;  // drawable pixels covered by the scene

  // Window coordinates (in points) to scene pixels; `pointScale` is drawable pixels per
  // window point (above 1 on a high-density display).
  void WindowToScene(double wx, double wy, double pointScale, int sceneW, int sceneH, int& sx,
                     int& sy) const {
    const double px = wx * pointScale - x, py = wy * pointScale - y;
    sx = width > 0 ? static_cast<int>(px * sceneW / width) : 0;
    sy = height > 0 ? static_cast<int>(py * sceneH / height) : 0;
    if (px < 0) sx = -1 - static_cast<int>(-px * sceneW / std::max(width, 1));
    if (py < 0) sy = -1 - static_cast<int>(-py * sceneH / std::max(height, 1));
  }
};

inline SceneViewport FitScene(int drawableW, int drawableH, int sceneW, int sceneH) {
  SceneViewport v;
  if (drawableW <= 0 || drawableH <= 0 || sceneW <= 0 || sceneH <= 0) return v;
  // Compare drawableW / drawableH with sceneW / sceneH without rounding.
  if (static_cast<long long>(drawableW) * sceneH >= static_cast<long long>(drawableH) * sceneW) {
    v.height = drawableH;
    v.width = static_cast<int>(static_cast<long long>(drawableH) * sceneW / sceneH);
  } else {
    v.width = drawableW;
    v.height = static_cast<int>(static_cast<long long>(drawableW) * sceneH / sceneW);
  }
  v.x = (drawableW - v.width) / 2;
  v.y = (drawableH - v.height) / 2;
  return v;
}

}  // namespace vellara
