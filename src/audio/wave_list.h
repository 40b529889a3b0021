// wave_list: the built-in sound effects, each a RIFF WAVE image, played on a SoundDevice
// as voices that may overlap. A play takes the first extra voice of the item that has
// ended, or makes a new one sharing the item's wave data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "audio/sound_backend.h"
#include "audio/sound_device.h"

namespace vellara {

// A parsed WAVE image: the PCM layout it declares and its sample bytes.
struct WaveData {
  PcmFormat format;
  std::vector<std::uint8_t> samples;  // whole frames

  std::size_t Frames() const {
    return samples.size() / static_cast<std::size_t>(format.FrameBytes());
  }
};

// Strict RIFF WAVE parsing: a "RIFF" header of type "WAVE" whose size fits the image, a
// "fmt " chunk of plain PCM (tag 1, 1..8 channels, 8/16/24/32 bits, a block size and byte
// rate that agree with them) and a "data" chunk of whole frames that lies inside the image.
// Anything else is rejected.
std::optional<WaveData> ParseWave(std::span<const std::uint8_t> image);

class WaveItem {
 public:
  WaveItem(std::string name, std::optional<WaveData> wave);

  std::string Name;
  bool Looped = false;
  int MaxPlayingCount = 0;  // 0: no limit
  float Volume = 1.0f;
  float Pan = 0.0f;
  int Frequency = 0;  // 0: the recorded rate

  bool HasWave() const { return wave_.has_value(); }
  const WaveData* Wave() const { return wave_ ? &*wave_ : nullptr; }
  SoundBuffer* MainVoice() const { return mainVoice_.get(); }
  const std::vector<std::unique_ptr<SoundBuffer>>& ExtraVoices() const { return extraVoices_; }
  // Plays once (or looping, when Looped); with wait, returns when the voice has ended.
  void Play(bool wait);
  bool Playing() const;

 private:
  friend class WaveList;
  void CreateVoices(SoundOutput& output);
  void ReleaseVoices();
  void Start(SoundBuffer& voice, bool looping);

  std::optional<WaveData> wave_;
  std::unique_ptr<SoundBuffer> mainVoice_;
  std::vector<std::unique_ptr<SoundBuffer>> extraVoices_;  // oldest first
};

class WaveList {
 public:
  explicit WaveList(SoundDevice& device);
  ~WaveList();
  WaveList(const WaveList&) = delete;
  WaveList& operator=(const WaveList&) = delete;

  // Adds an item; an image that does not parse gives an item without sound, so the
  // positions of the others stay. Voices are made when the device is initialised.
  WaveItem& Add(const std::string& name, std::span<const std::uint8_t> image);
  // Makes every item's main voice on the device; nothing when it is not initialised.
  void CreateVoices();
  void ReleaseVoices();

  std::size_t Count() const { return items_.size(); }
  WaveItem& Item(std::size_t index) { return *items_.at(index); }
  WaveItem* Find(const std::string& name);
  // Plays item index; does nothing without a device, a sound or such an item.
  void Play(std::size_t index, bool wait);

 private:
  SoundDevice& device_;
  std::vector<std::unique_ptr<WaveItem>> items_;
};

}  // namespace vellara
