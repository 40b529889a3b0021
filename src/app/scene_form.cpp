#include "app/scene_form.h"

#include <exception>

#include "app/embedded_files.h"
#include "app/launcher.h"
#include "app/launcher_font.h"
#include "app/launcher_view.h"
#include "game/clock.h"
#include "game/timer1.h"
#include "gfx/frame_recorder.h"
#include "gfx/gfx_wiring.h"
#include "platform/audio/sdl_game_audio.h"
#include "platform/codec/picture.h"
#include "platform/window/sdl_launcher_window.h"
#include "platform/window/sdl_message_box.h"
#include "platform/window/sdl_scene_window.h"
#include "ui/audio_cues.h"
#include "ui/input.h"
#include "ui/scene.h"
#include "ui/scene_render.h"

#ifdef VELLARA_E2E_HOOKS
#include "app/e2e_hooks.h"
#endif

namespace vellara {

namespace {

// The start-up's stages, for the benchmarks of the test build; nothing in the game.
void Trace(const char* stage) {
#ifdef VELLARA_E2E_HOOKS
  TraceStage(stage);
#else
  (void)stage;
#endif
}

PixelFrame FrameOf(RgbaPicture picture) {
  PixelFrame frame;
  frame.width = picture.width;
  frame.height = picture.height;
  frame.pixels = std::move(picture.pixels);
  return frame;
}

// The launcher's share of the events: its own controls, and Timer1, which already runs.
class LauncherEvents final : public WindowEvents {
 public:
  explicit LauncherEvents(Launcher& launcher) : launcher_(launcher) {}
  void MouseMove(int x, int y) override { launcher_.MouseMove(x, y); }
  void MouseDown(int x, int y) override { launcher_.MouseDown(x, y); }
  void MouseUp(int x, int y) override { launcher_.MouseUp(x, y); }
  void KeyPress(char key) override { launcher_.KeyPress(key); }
  void CloseBox() override { launcher_.CloseBox(); }
  void Exposed() override { exposed = true; }
  void Timer1Tick() override { ClockTick(); }
  bool exposed = true;

 private:
  Launcher& launcher_;
};

}  // namespace

SceneForm::SceneForm()
    : session_(kApplicationTitle),
      display_({kApplicationTitle, false}),
      Device(display_),
      Timer(clock_),
      pump_(Timer1) {
  Trace("video session");
  Device.SetWidth(1024);
  Device.SetHeight(768);
  Device.SetBitDepth(bdHigh);
  Device.SetRefresh(0);
  Device.SetWindowed(true);
  Device.SetVSync(true);
  Device.SetHardwareTL(true);
  Device.SetDepthBuffer(false);
  Device.OnInitialize = [this](GfxDevice& sender, bool& success) {
    DeviceInitialize(sender, success);
  };
  Device.OnRender = [this](GfxDevice&) { DeviceRender(SceneCanvas, Images, Fonts); };

  Timer.SetSpeed(60);
  Timer.SetMaxFPS(200);
  Timer.Enabled = false;
  Timer.OnTimer = [this](GfxTimer& sender) { TimerTimer(sender); };
  Timer.OnProcess = [](GfxTimer&) { TimerProcess(); };

  ConnectToDevice(Device, SceneCanvas, Images, Fonts, Loader, Archive);
  SceneCanvas.AlphaTesting = false;
  SceneCanvas.SetVertexCache(4096);
  SceneCanvas.Antialias = true;
  SceneCanvas.Dithering = false;

  Images.MipMapping = false;

  Archive.SetFileName("vellara.dat");
  Archive.SetOpenMode(opReadOnly);

  Loader.XMLDescFile = "vellara.def";

  // Timer1 is enabled from its creation.
  SetTimer1(&Timer1);

  Trace("components");
  try {
    audio_ = std::make_unique<SdlGameAudio>();
  } catch (const std::exception&) {
    audio_.reset();
  }
  SetGameAudio(audio_.get());
  SetApplicationControl(this);
  Trace("sound");

  FormCreate();
}

SceneForm::~SceneForm() {
  SetApplicationControl(nullptr);
  SetGameAudio(nullptr);
  audio_.reset();
  SetTimer1(nullptr);
  Timer1.Disable();
  Device.Finalize();
}

void SceneForm::FormCreate() {
  SceneCreate();
  const bool fullScreen = ShowLauncher();
  Trace("launcher closed");
  if (!Device.Initialize()) {
    ReportVideoFailure();
    exitStatus_ = 1;
    running_ = false;
  } else {
    const RgbaPicture icon = [] {
      RgbaPicture p;
      DecodePng(EmbeddedFile(kProgramIcon), p);
      return p;
    }();
    SetSceneIcon(display_, icon.width, icon.height, icon.pixels);
    pacer_ = std::make_unique<FramePacer>(clock_, SceneRefreshRate(display_));
    Trace("display and content");
  }
  pump_.SetCoordinateMap(
      [this](int wx, int wy, int& x, int& y) { display_.WindowToScene(wx, wy, x, y); });
  // The display removes the window's border itself in full-screen mode.
  if (fullScreen) Device.SetWindowed(false);
  SceneReady();
}

bool SceneForm::ShowLauncher() {
  if (!session_.VideoReady()) return false;
  Launcher launcher;
  RgbaPicture picture;
  DecodeJpeg(EmbeddedFile(kLauncherPicture), picture);
  const PixelFrame background = FrameOf(std::move(picture));
  LauncherFont font;
  font.Load(EmbeddedFile(kLauncherFont));
  SdlLauncherWindow window(kLauncherCaption, kLauncherWidth, kLauncherHeight);
  if (!window.Valid()) return false;
  LauncherEvents events(launcher);
  PixelFrame frame;
  int shown = -1;
  while (!launcher.Finished()) {
    if (events.exposed || launcher.Revision() != shown) {
      ComposeLauncher(launcher, background, font, frame);
      window.Show(frame.pixels);
      window.SetHandPointer(launcher.HandPointer());
      if (shown < 0) Trace("launcher drawn");
      shown = launcher.Revision();
      events.exposed = false;
    }
    // A modal window waits for its events; it never spins.
    pump_.Wait(events, 250);
  }
  return launcher.Checked();
}

void SceneForm::ReportVideoFailure() {
#ifdef VELLARA_E2E_HOOKS
  if (RecordMessage(kVideoFailure)) return;
#endif
  ShowErrorMessage(kApplicationTitle, kVideoFailure);
}

void SceneForm::DeviceInitialize(GfxDevice&, bool& success) {
  Trace("display");
  Archive.SetPassword(kArchivePassword, 4);
  success = Loader.LoadGroup("Content");
  Timer.Enabled = success;
}

void SceneForm::FormShow() {
  HideSystemPointer();
  // The client area is the scene's 1024 x 768: the display made it so.
}

void SceneForm::FormClose() {
  if (closed_) return;
  closed_ = true;
  StopMusicPlaying();
}

void SceneForm::TimerTimer(GfxTimer& sender) {
  Device.Render(kSceneClearColour, true);
  sender.Process();
  Device.Flip();
  if (pacer_ && Device.VSync()) pacer_->AfterPresent();
#ifdef VELLARA_E2E_HOOKS
  if (const FrameRecorder* frames = display_.Recorder()) {
    if (frames->FramesDrawn() == 1 && frames->FramesRepeated() == 0) Trace("first frame");
    TraceFrames(frames->FramesDrawn(), frames->FramesRepeated(), frames->LastDrawCalls());
  }
#endif
}

int SceneForm::Run() {
  if (running_) FormShow();
  while (running_) {
    pump_.Poll(*this);
    if (!running_) break;
    Timer.Idle();
  }
  // The analysis stops before the engine's records and the board go away.
  SceneClose();
  return exitStatus_;
}

void SceneForm::MouseMove(int x, int y) {
  FormMouseMove(x, y);
}
void SceneForm::MouseDown(int x, int y) {
  FormMouseDown(x, y);
}
void SceneForm::KeyPress(char key) {
#ifdef VELLARA_E2E_HOOKS
  if (HookKey(key)) return;
#endif
  FormKeyPress(key);
}
void SceneForm::CloseBox() {
  FormClose();
  running_ = false;
}
void SceneForm::Timer1Tick() {
  ClockTick();
}
void SceneForm::Exposed() {
  // Unchanged frames are not presented again, so an uncovered window asks for one.
  display_.Repaint();
}

}  // namespace vellara
