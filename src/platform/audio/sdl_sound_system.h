// SDL2 sound backend: the machine's output devices through SDL's audio subsystem, and a
// small mixer of our own that plays every SoundBuffer of a device into its output.
// Implements: SoundSystem (devices, shared per number), SoundOutput (one opened device,
// float output in the device's preferred rate and channels), SoundBuffer (cyclic PCM with
// a play cursor, converted to the device's format with SDL_AudioStream).
// Uses SDL_InitSubSystem/SDL_QuitSubSystem, so it lives beside other SDL users.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "audio/sound_backend.h"

namespace vellara {

struct SdlSoundSystemData;

class SdlSoundSystem final : public SoundSystem {
 public:
  // Starts SDL's audio subsystem; without it every device count is 0.
  SdlSoundSystem();
  // Every SoundOutput and SoundBuffer must have been released before.
  ~SdlSoundSystem() override;
  SdlSoundSystem(const SdlSoundSystem&) = delete;
  SdlSoundSystem& operator=(const SdlSoundSystem&) = delete;

  bool Available() const;
  int DeviceCount() override;
  std::shared_ptr<SoundOutput> OpenDevice(int number) override;
  void ThreadEnding() override;  // SDL's per-thread data (its error text) of the caller
  // Devices open at this moment.
  int OpenDeviceCount() const;

  // Called on SDL's audio thread with every block a device about to be opened will mix
  // (interleaved floats in the device's format). For measuring; set before opening.
  using OutputTap = std::function<void(std::span<const float> block)>;
  void SetOutputTap(OutputTap tap);

 private:
  std::shared_ptr<SdlSoundSystemData> data_;
};

}  // namespace vellara
