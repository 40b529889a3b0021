// The scene window (TSceneForm): owns every display, asset and audio component in the
// order the window is made of, runs the launcher and the start-up inside FormCreate, the
// message loop with the frame timer in its idle time, and the shutdown. The platform parts
// (SDL window, events, timers, message box) come from src/platform.
#pragma once

#include <memory>

#include "app/frame_pacer.h"
#include "gfx/asset_archive.h"
#include "gfx/gfx_canvas.h"
#include "gfx/gfx_device.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "gfx/gfx_loader.h"
#include "gfx/gfx_timer.h"
#include "platform/video/sdl_clock.h"
#include "platform/video/sdl_display.h"
#include "platform/window/sdl_events.h"
#include "platform/window/sdl_session.h"
#include "platform/window/sdl_timer1.h"
#include "ui/application.h"

namespace vellara {

class SdlGameAudio;

inline constexpr const char* kApplicationTitle = "Vellara Chess";
inline constexpr const char* kVideoFailure = "Failed initializing video device!";
inline constexpr const char* kArchivePassword = "qzvk";
inline constexpr std::uint32_t kSceneClearColour = 0x00400000u;  // red 0, green 0, blue 64

class SceneForm final : public ApplicationControl, private WindowEvents {
 public:
  // Creates the components, then runs FormCreate: the launcher and the whole start-up.
  SceneForm();
  // Stops the music and waits for its thread, then destroys the display, whose finalise
  // notice releases the canvas, images and fonts.
  ~SceneForm() override;
  SceneForm(const SceneForm&) = delete;
  SceneForm& operator=(const SceneForm&) = delete;

  // The message loop until the application ends, then the analysis stopped. The exit
  // status: 0, or 1 when the display could not be made.
  int Run();

  void EndApplication() override { running_ = false; }

 private:
  void FormCreate();
  bool ShowLauncher();  // modal; the state of its check box
  void ReportVideoFailure();
  void FormShow();
  void FormClose();
  void DeviceInitialize(GfxDevice& sender, bool& success);
  void TimerTimer(GfxTimer& sender);

  // The scene's events.
  void MouseMove(int x, int y) override;
  void MouseDown(int x, int y) override;
  void KeyPress(char key) override;
  void CloseBox() override;
  void Timer1Tick() override;
  void Exposed() override;

  SdlSession session_;
  SdlDisplay display_;  // the platform display behind Device
  // The window's components, in the order it is made of.
  GfxDevice Device;
  SdlClock clock_;
  GfxTimer Timer;
  GfxCanvas SceneCanvas;
  GfxImages Images;
  AssetArchive Archive;
  GfxLoader Loader;
  GfxFonts Fonts;
  SdlTimer1 Timer1;
  // MusicIn1, MusicOut1, SoundDevice1 and WaveList1, as the game's audio; null when the
  // sound system could not be set up at all (the game is then silent).
  std::unique_ptr<SdlGameAudio> audio_;

  SdlEventPump pump_;
  std::unique_ptr<FramePacer> pacer_;
  bool running_ = true;
  bool closed_ = false;
  int exitStatus_ = 0;
};

}  // namespace vellara
