// The launcher's window on SDL: a fixed 630 x 360 window centred on the desktop, not
// always on top, showing frames drawn elsewhere through its window surface (no GL), with
// the hand or the arrow pointer. Only the .cpp includes SDL.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vellara {

class SdlLauncherWindow {
 public:
  SdlLauncherWindow(const std::string& caption, int width, int height);
  ~SdlLauncherWindow();
  SdlLauncherWindow(const SdlLauncherWindow&) = delete;
  SdlLauncherWindow& operator=(const SdlLauncherWindow&) = delete;

  bool Valid() const;
  // Shows a frame of width x height pixels 0xAABBGGRR.
  void Show(const std::vector<std::uint32_t>& pixels);
  void SetHandPointer(bool hand);

 private:
  struct State;
  std::unique_ptr<State> s_;
};

}  // namespace vellara
