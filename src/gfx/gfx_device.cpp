// Display device and its notices.
#include "gfx/gfx_device.h"

#include <algorithm>

namespace vellara {

GfxSubscriber::~GfxSubscriber() {
  SetPublisher(nullptr);
}

void GfxSubscriber::SetPublisher(GfxPublisher* publisher) {
  if (publisher_ == publisher) return;
  if (publisher_) std::erase(publisher_->subscribers_, this);
  publisher_ = publisher;
  if (publisher_) publisher_->subscribers_.push_back(this);
}

GfxPublisher::~GfxPublisher() {
  for (GfxSubscriber* s : subscribers_) s->publisher_ = nullptr;
}

bool GfxPublisher::Notify(vellara::DeviceNotice notice) {
  // A copy, so a subscriber that detaches while answering does not upset the walk.
  const std::vector<GfxSubscriber*> list = subscribers_;
  for (GfxSubscriber* s : list) {
    if (!s->DeviceNotice(*this, notice)) return false;
  }
  return true;
}

GfxDevice::~GfxDevice() {
  Finalize();
}

bool GfxDevice::Initialize() {
  if (exists_) return false;
  DisplayParams params = params_;
  bool created = false;
  if (params.hardwareTL) created = display_.Create(params);
  if (!created) {
    params.hardwareTL = false;
    created = display_.Create(params);
  }
  if (!created) return false;
  exists_ = true;
  lost_ = false;
  if (!Notify(dnInitialize)) {
    DestroyDisplay();
    return false;
  }
  bool success = true;
  if (OnInitialize) OnInitialize(*this, success);
  if (!success) Finalize();
  return success;
}

void GfxDevice::DestroyDisplay() {
  display_.Destroy();
  exists_ = false;
  lost_ = false;
}

void GfxDevice::Finalize() {
  if (!exists_) return;
  if (OnFinalize) OnFinalize(*this);
  Notify(dnFinalize);
  DestroyDisplay();
}

bool GfxDevice::Clear(std::uint32_t colour) {
  return exists_ && display_.Clear(SwapRedBlue(colour));
}

bool GfxDevice::Render(std::uint32_t clearColour, bool clear) {
  if (!exists_ || !OnRender) return false;
  if (clear && !Clear(clearColour)) return false;
  if (!display_.BeginScene()) return false;
  Notify(dnBeginScene);
  OnRender(*this);
  Notify(dnEndScene);
  display_.EndScene();
  return true;
}

bool GfxDevice::Flip() {
  if (!exists_) return false;
  const PresentResult result = display_.Present();
  if (result == PresentResult::kLost || lost_) {
    if (!lost_) {
      Notify(dnLost);
      lost_ = true;
    }
    if (display_.CanReset() && display_.Reset(params_)) {
      Notify(dnReset);
      lost_ = false;
      return true;
    }
    return false;
  }
  if (result == PresentResult::kDriverError) {
    if (display_.Reset(params_)) return true;
    Finalize();
    return false;
  }
  return true;
}

bool GfxDevice::ChangeParams(const DisplayParams& next) {
  if (!exists_) {
    params_ = next;
    return true;
  }
  const DisplayParams previous = params_;
  if (!lost_) Notify(dnLost);
  lost_ = true;
  params_ = next;
  if (display_.Reset(params_)) {
    lost_ = false;
    Notify(dnReset);
    return true;
  }
  // The new mode cannot be had: go back to the one that worked rather than leave the
  // scene drawing into nothing.
  params_ = previous;
  if (display_.Reset(params_)) {
    lost_ = false;
    Notify(dnReset);
  }
  return false;
}

bool GfxDevice::SetWidth(int v) {
  DisplayParams p = params_;
  p.width = v;
  return ChangeParams(p);
}
bool GfxDevice::SetHeight(int v) {
  DisplayParams p = params_;
  p.height = v;
  return ChangeParams(p);
}
bool GfxDevice::SetWindowed(bool v) {
  if (v == params_.windowed) return true;
  DisplayParams p = params_;
  p.windowed = v;
  return ChangeParams(p);
}
bool GfxDevice::SetVSync(bool v) {
  DisplayParams p = params_;
  p.vsync = v;
  return ChangeParams(p);
}
bool GfxDevice::SetHardwareTL(bool v) {
  DisplayParams p = params_;
  p.hardwareTL = v;
  return ChangeParams(p);
}
void GfxDevice::SetBitDepth(BitDepth v) {
  if (!exists_) params_.bitDepth = v;
}
void GfxDevice::SetRefresh(int v) {
  if (!exists_) params_.refresh = v;
}
void GfxDevice::SetDepthBuffer(bool v) {
  if (!exists_) params_.depthBuffer = v;
}

}  // namespace vellara
