// sound_device: opening the effects' output device.
#include "audio/sound_device.h"

namespace vellara {

SoundDevice::SoundDevice(SoundSystem& system) : system_(system) {}

bool SoundDevice::Initialize() {
  if (output_) return true;
  if (system_.DeviceCount() > 0) output_ = system_.OpenDevice(0);
  return output_ != nullptr;
}

void SoundDevice::Finalize() {
  output_.reset();
}

}  // namespace vellara
