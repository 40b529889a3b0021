// A display for tests: no window, a RecordingRenderer, and switches to make each
// platform step fail.
#pragma once

#include <vector>

#include "gfx/gfx_device.h"
#include "gfx/recording_renderer.h"

namespace vellara::test {

class FakeDisplay final : public Display {
 public:
  bool Create(const DisplayParams& p) override {
    createAttempts.push_back(p.hardwareTL);
    if (p.hardwareTL ? failHardware : failSoftware) return false;
    params = p;
    live = true;
    return true;
  }
  void Destroy() override { live = false; }
  bool Reset(const DisplayParams& p) override {
    ++resets;
    if (!p.windowed && noFullScreenMode) return false;
    if (failReset) return false;
    params = p;
    return true;
  }
  bool CanReset() override { return canReset; }
  bool Clear(std::uint32_t argb) override {
    clears.push_back(argb);
    return !failClear;
  }
  bool BeginScene() override { return !failBegin; }
  void EndScene() override {}
  PresentResult Present() override {
    ++presents;
    return nextPresent;
  }
  RenderBackend* Renderer() override { return &renderer; }

  RecordingRenderer renderer;
  DisplayParams params;
  bool live = false;
  bool failHardware = false, failSoftware = false, failReset = false, noFullScreenMode = false;
  bool canReset = true, failClear = false, failBegin = false;
  PresentResult nextPresent = PresentResult::kOk;
  std::vector<bool> createAttempts;
  std::vector<std::uint32_t> clears;
  int resets = 0, presents = 0;
};

}  // namespace vellara::test
