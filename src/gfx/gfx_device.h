// The display device: owns the scene's 1024 x 768 back buffer through a platform Display,
// tells its subscribers (canvas, image list, loader, font list) when the display is
// created, lost, reset and destroyed, and runs one frame: clear, begin the scene, draw,
// end the scene, present.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "gfx/render_backend.h"

namespace vellara {

enum DeviceNotice : int {
  dnInitialize = 256,
  dnFinalize = 257,
  dnLost = 258,
  dnReset = 259,
  dnBeginScene = 260,
  dnEndScene = 261,
};

class GfxPublisher;

// A component that keeps display resources. Attaches to a publisher through
// SetPublisher and detaches when destroyed.
class GfxSubscriber {
 public:
  GfxSubscriber() = default;
  virtual ~GfxSubscriber();
  GfxSubscriber(const GfxSubscriber&) = delete;
  GfxSubscriber& operator=(const GfxSubscriber&) = delete;

  void SetPublisher(GfxPublisher* publisher);
  GfxPublisher* Publisher() const { return publisher_; }
  // The answer to a notice; false stops the sending.
  virtual bool DeviceNotice(GfxPublisher& sender, vellara::DeviceNotice notice) = 0;

 private:
  friend class GfxPublisher;
  GfxPublisher* publisher_ = nullptr;
};

class GfxPublisher {
 public:
  GfxPublisher() = default;
  virtual ~GfxPublisher();
  GfxPublisher(const GfxPublisher&) = delete;
  GfxPublisher& operator=(const GfxPublisher&) = delete;

  // Sends to the subscribers in attach order; stops at, and returns false for, the first
  // that answers false.
  bool Notify(vellara::DeviceNotice notice);
  std::size_t SubscriberCount() const { return subscribers_.size(); }
  // The renderer of the live display, or null.
  virtual RenderBackend* Renderer() { return nullptr; }

 private:
  friend class GfxSubscriber;
  std::vector<GfxSubscriber*> subscribers_;
};

enum BitDepth : int { bdLow = 0, bdHigh = 1 };

struct DisplayParams {
  int width = 640;
  int height = 480;
  BitDepth bitDepth = bdHigh;
  int refresh = 0;
  bool windowed = true;
  bool vsync = false;
  bool hardwareTL = true;
  bool depthBuffer = false;
};

enum class PresentResult { kOk, kLost, kDriverError };

// The platform display behind the device (the SDL/GL display, or a fake in tests).
class Display {
 public:
  virtual ~Display() = default;
  virtual bool Create(const DisplayParams& params) = 0;
  virtual void Destroy() = 0;
  // Applies new parameters to the live display (a mode switch); false leaves it unusable
  // until a later reset succeeds.
  virtual bool Reset(const DisplayParams& params) = 0;
  virtual bool CanReset() { return true; }
  // colourArgb is 0xAARRGGBB.
  virtual bool Clear(std::uint32_t colourArgb) = 0;
  virtual bool BeginScene() = 0;
  virtual void EndScene() = 0;
  virtual PresentResult Present() = 0;
  virtual RenderBackend* Renderer() = 0;
};

class GfxDevice : public GfxPublisher {
 public:
  using InitializeHandler = std::function<void(GfxDevice& sender, bool& success)>;
  using Handler = std::function<void(GfxDevice& sender)>;

  explicit GfxDevice(Display& display) : display_(display) {}
  ~GfxDevice() override;

  bool Initialize();
  void Finalize();
  bool Render(std::uint32_t clearColour, bool clear);
  bool Flip();
  bool Clear(std::uint32_t colour);  // 0xAABBGGRR
  bool Exists() const { return exists_; }
  bool Lost() const { return lost_; }
  RenderBackend* Renderer() override { return exists_ ? display_.Renderer() : nullptr; }

  int Width() const { return params_.width; }
  int Height() const { return params_.height; }
  bool Windowed() const { return params_.windowed; }
  bool VSync() const { return params_.vsync; }
  bool HardwareTL() const { return params_.hardwareTL; }
  BitDepth GetBitDepth() const { return params_.bitDepth; }
  int Refresh() const { return params_.refresh; }
  bool DepthBuffer() const { return params_.depthBuffer; }
  // These reset a live display with the new value; false when that reset failed (the
  // old value is then restored).
  bool SetWidth(int v);
  bool SetHeight(int v);
  bool SetWindowed(bool v);
  bool SetVSync(bool v);
  bool SetHardwareTL(bool v);
  // Ignored while the display exists.
  void SetBitDepth(BitDepth v);
  void SetRefresh(int v);
  void SetDepthBuffer(bool v);

  InitializeHandler OnInitialize;
  Handler OnFinalize;
  Handler OnRender;

 private:
  bool ChangeParams(const DisplayParams& next);
  void DestroyDisplay();

  Display& display_;
  DisplayParams params_;
  bool exists_ = false;
  bool lost_ = false;
};

// The canvas colour 0xAABBGGRR as the display's 0xAARRGGBB (red and blue exchanged).
constexpr std::uint32_t SwapRedBlue(std::uint32_t c) {
  return (c & 0xFF00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
}

}  // namespace vellara
