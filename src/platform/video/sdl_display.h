// SDL2 display: the scene window with an OpenGL 3.3 core context, the offscreen back
// buffer (a framebuffer object of the scene's size) the canvas draws into, and
// presentation to the window with vertical-retrace waiting. Windowed, the window's client
// area is the scene size times a whole-number scale for high-density displays; full
// screen is a borderless desktop-sized window showing the back buffer scaled to fit,
// aspect kept, centred on black.
// Implements: Display (Create, Destroy, Reset, Clear, BeginScene, EndScene, Present,
// Renderer); WindowToScene for mouse coordinates; ReadBackBuffer for screenshots.
// Starts and stops SDL's video subsystem by reference count (SDL_InitSubSystem), so other
// SDL users can coexist. Only the .cpp includes SDL and epoxy.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gfx/gfx_device.h"

struct SDL_Window;

namespace vellara {

class FrameRecorder;

struct SdlDisplayOptions {
  std::string title = "Vellara Chess";
  bool hidden = false;  // no visible window (tests); drawing and read-back still work
};

class SdlDisplay final : public Display {
 public:
  explicit SdlDisplay(SdlDisplayOptions options = {});
  ~SdlDisplay() override;
  SdlDisplay(const SdlDisplay&) = delete;
  SdlDisplay& operator=(const SdlDisplay&) = delete;

  bool Create(const DisplayParams& params) override;
  void Destroy() override;
  bool Reset(const DisplayParams& params) override;
  bool Clear(std::uint32_t colourArgb) override;
  bool BeginScene() override;
  void EndScene() override;
  PresentResult Present() override;
  RenderBackend* Renderer() override;
  // Counts of drawn and repeated frames; null without a display.
  const FrameRecorder* Recorder() const;
  // The window needs the last frame shown again (it was uncovered), changed or not.
  void Repaint();

  SDL_Window* Window() const;
  // Window coordinates (as SDL mouse events give them) to scene pixels.
  void WindowToScene(int wx, int wy, int& sx, int& sy) const;
  // The back buffer as 0xAABBGGRR, rows from the top; empty without a display.
  std::vector<std::uint32_t> ReadBackBuffer() const;
  // Writes the back buffer as a PNG-less, dependency-free image: binary PPM (P6).
  bool SaveBackBuffer(const std::string& path) const;
  int WindowScale() const;
  const std::string& LastError() const;

 private:
  struct State;
  std::unique_ptr<State> s_;
};

}  // namespace vellara
