// wave_list: WAVE parsing and the voices of the effects.
#include "audio/wave_list.h"

#include <chrono>
#include <cstring>
#include <thread>

namespace vellara {

namespace {

std::uint32_t ReadU32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t ReadU16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

bool TagIs(std::span<const std::uint8_t> b, std::size_t at, const char* tag) {
  return std::memcmp(b.data() + at, tag, 4) == 0;
}

constexpr std::uint16_t kFormatPcm = 1;

}  // namespace

std::optional<WaveData> ParseWave(std::span<const std::uint8_t> image) {
  if (image.size() < 12 || !TagIs(image, 0, "RIFF") || !TagIs(image, 8, "WAVE")) return {};
  const std::uint64_t riffEnd = static_cast<std::uint64_t>(ReadU32(image, 4)) + 8;
  if (riffEnd > image.size() || riffEnd < 12) return {};
  const std::span<const std::uint8_t> riff = image.first(static_cast<std::size_t>(riffEnd));

  std::optional<PcmFormat> format;
  std::span<const std::uint8_t> data;
  bool haveData = false;
  std::size_t at = 12;
  while (at + 8 <= riff.size()) {
    const std::uint64_t size = ReadU32(riff, at + 4);
    const std::size_t body = at + 8;
    if (size > riff.size() - body) return {};
    if (TagIs(riff, at, "fmt ")) {
      if (format || size < 16) return {};
      const std::uint16_t tag = ReadU16(riff, body);
      const int channels = ReadU16(riff, body + 2);
      const std::uint32_t rate = ReadU32(riff, body + 4);
      const std::uint32_t byteRate = ReadU32(riff, body + 8);
      const int blockAlign = ReadU16(riff, body + 12);
      const int bits = ReadU16(riff, body + 14);
      if (tag != kFormatPcm || channels < 1 || channels > 8 || rate == 0 || rate > 384000)
        return {};
      if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return {};
      if (blockAlign != channels * bits / 8 || byteRate != rate * static_cast<unsigned>(blockAlign))
        return {};
      format = PcmFormat{channels, static_cast<int>(rate), bits};
    } else if (TagIs(riff, at, "data")) {
      if (!format || haveData) return {};  // the layout must come before the samples
      data = riff.subspan(body, static_cast<std::size_t>(size));
      haveData = true;
    }
    at = body + static_cast<std::size_t>(size) + (size & 1);  // chunks are padded to even
  }
  if (!format || !haveData) return {};
  if (data.size() % static_cast<std::size_t>(format->FrameBytes()) != 0) return {};
  return WaveData{*format, std::vector<std::uint8_t>(data.begin(), data.end())};
}

WaveItem::WaveItem(std::string name, std::optional<WaveData> wave)
    : Name(std::move(name)), wave_(std::move(wave)) {}

void WaveItem::CreateVoices(SoundOutput& output) {
  if (!wave_ || mainVoice_ || wave_->samples.empty()) return;
  std::uint32_t code = 0;
  mainVoice_ = output.CreateBuffer(wave_->format, wave_->samples.size(), &code);
  if (mainVoice_) mainVoice_->Write(0, wave_->samples);
}

void WaveItem::ReleaseVoices() {
  extraVoices_.clear();
  mainVoice_.reset();
}

void WaveItem::Start(SoundBuffer& voice, bool looping) {
  voice.Stop();
  voice.Rewind();
  voice.SetVolume(Volume);
  voice.SetPan(Pan);
  voice.SetFrequency(Frequency);
  voice.Play(looping);
}

void WaveItem::Play(bool wait) {
  if (!mainVoice_) return;  // no device, or no sound
  if (Looped) {
    Start(*mainVoice_, true);
    return;
  }
  SoundBuffer* voice = nullptr;
  for (const auto& extra : extraVoices_) {
    if (!extra->Playing()) {
      voice = extra.get();
      break;
    }
  }
  if (!voice) {
    if (MaxPlayingCount == 0 || static_cast<int>(extraVoices_.size()) < MaxPlayingCount) {
      std::unique_ptr<SoundBuffer> fresh = mainVoice_->Duplicate();
      if (!fresh) return;
      extraVoices_.push_back(std::move(fresh));
    } else {
      // Every voice is busy: the oldest starts over and becomes the newest.
      std::unique_ptr<SoundBuffer> oldest = std::move(extraVoices_.front());
      extraVoices_.erase(extraVoices_.begin());
      extraVoices_.push_back(std::move(oldest));
    }
    voice = extraVoices_.back().get();
  }
  Start(*voice, false);
  while (wait && voice->Playing()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

bool WaveItem::Playing() const {
  if (mainVoice_ && mainVoice_->Playing()) return true;
  for (const auto& extra : extraVoices_)
    if (extra->Playing()) return true;
  return false;
}

WaveList::WaveList(SoundDevice& device) : device_(device) {}

WaveList::~WaveList() {
  ReleaseVoices();
}

WaveItem& WaveList::Add(const std::string& name, std::span<const std::uint8_t> image) {
  items_.push_back(std::make_unique<WaveItem>(name, ParseWave(image)));
  WaveItem& item = *items_.back();
  if (device_.Initialized()) item.CreateVoices(*device_.Output());
  return item;
}

void WaveList::CreateVoices() {
  if (!device_.Initialized()) return;
  for (auto& item : items_) item->CreateVoices(*device_.Output());
}

void WaveList::ReleaseVoices() {
  for (auto& item : items_) item->ReleaseVoices();
}

WaveItem* WaveList::Find(const std::string& name) {
  for (auto& item : items_)
    if (item->Name == name) return item.get();
  return nullptr;
}

void WaveList::Play(std::size_t index, bool wait) {
  if (index >= items_.size()) return;
  items_[index]->Play(wait);
}

}  // namespace vellara
