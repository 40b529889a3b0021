// sound_device: the effects' handle on the default output device. It opens the device
// once; when that fails the failure is swallowed and everything played on it is silent.
#pragma once

#include <memory>

#include "audio/sound_backend.h"

namespace vellara {

enum class SoundDeviceOption { soGlobalFocus, soStickyFocus, soExclusive };

class SoundDevice {
 public:
  explicit SoundDevice(SoundSystem& system);

  bool AutoInitialize = true;
  // Focus and exclusivity have no meaning on this platform's shared device; they are kept
  // for the component's shape and not used.
  bool Options[3] = {false, false, false};

  // Opens the default device; false (and silent from then on) when it cannot.
  bool Initialize();
  void Finalize();
  bool Initialized() const { return output_ != nullptr; }
  SoundOutput* Output() const { return output_.get(); }

 private:
  SoundSystem& system_;
  std::shared_ptr<SoundOutput> output_;
};

}  // namespace vellara
