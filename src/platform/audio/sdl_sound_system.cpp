// SDL2 sound backend: devices, the mixer and its buffers.
#include "platform/audio/sdl_sound_system.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <vector>

namespace vellara {

namespace {

constexpr int kDefaultRate = 44100;
constexpr int kDefaultChannels = 2;
constexpr Uint16 kBlockFrames = 1024;
constexpr std::uint32_t kErrorBadFormat = 0x88780032;    // the format cannot be played
constexpr std::uint32_t kErrorNoConverter = 0x8878000A;  // no conversion to the device

SDL_AudioFormat SdlFormat(int bits) {
  switch (bits) {
    case 8:
      return AUDIO_U8;
    case 16:
      return AUDIO_S16LSB;
    case 32:
      return AUDIO_S32LSB;
    default:
      return 0;
  }
}

struct StreamDeleter {
  void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};
using StreamPtr = std::unique_ptr<SDL_AudioStream, StreamDeleter>;

class Mixer;

// A buffer on a mixer. Every field is guarded by the mixer's lock.
class MixBuffer final : public SoundBuffer {
 public:
  MixBuffer(std::shared_ptr<Mixer> mixer, PcmFormat format,
            std::shared_ptr<std::vector<std::uint8_t>> bytes, StreamPtr stream);
  ~MixBuffer() override;

  PcmFormat Format() const override { return format_; }
  std::size_t Size() const override { return bytes_->size(); }
  void Write(std::size_t offset, std::span<const std::uint8_t> bytes) override;
  void Play(bool looping) override;
  void Stop() override;
  void Rewind() override;
  bool Playing() const override;
  std::uint64_t PlayedBytes() const override;
  void SetVolume(float volume) override;
  void SetPan(float pan) override;
  void SetFrequency(int hertz) override;
  std::unique_ptr<SoundBuffer> Duplicate() const override;

  // Adds up to frames device frames of this buffer into out; audio thread, lock held.
  void MixInto(float* out, int frames, int channels, std::vector<float>& scratch);

 private:
  std::shared_ptr<Mixer> mixer_;
  const PcmFormat format_;
  std::shared_ptr<std::vector<std::uint8_t>> bytes_;
  StreamPtr stream_;
  std::size_t cursor_ = 0;
  std::uint64_t played_ = 0;
  bool playing_ = false;
  bool looping_ = false;
  bool flushed_ = false;
  float volume_ = 1.0f;
  float pan_ = 0.0f;
  int frequency_ = 0;
};

// One opened SDL device and the buffers it plays.
class Mixer final : public SoundOutput, public std::enable_shared_from_this<Mixer> {
 public:
  explicit Mixer(SdlSoundSystem::OutputTap tap) : tap_(std::move(tap)) {}
  ~Mixer() override {
    if (id_ != 0) SDL_CloseAudioDevice(id_);
  }

  // Opens the device paused, in floats, accepting its own rate and channel count.
  bool Open(const char* name, SDL_AudioSpec wanted) {
    wanted.callback = Callback;
    wanted.userdata = this;
    SDL_AudioSpec obtained;
    SDL_zero(obtained);
    id_ = SDL_OpenAudioDevice(name, 0, &wanted, &obtained,
                              SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (id_ == 0) return false;
    spec_ = obtained;
    return spec_.format == AUDIO_F32SYS && spec_.channels >= 1 && spec_.freq > 0;
  }

  PcmFormat Format() const override { return {spec_.channels, spec_.freq, 32}; }
  std::unique_ptr<SoundBuffer> CreateBuffer(const PcmFormat& format, std::size_t size,
                                            std::uint32_t* errorCode) override;

  StreamPtr NewStream(const PcmFormat& format, int rate) const {
    return StreamPtr(SDL_NewAudioStream(SdlFormat(format.bitsPerSample),
                                        static_cast<Uint8>(format.channels), rate, AUDIO_F32SYS,
                                        spec_.channels, spec_.freq));
  }
  void Start() { SDL_PauseAudioDevice(id_, 0); }
  std::mutex& Lock() { return lock_; }
  void Attach(MixBuffer* buffer) {
    std::lock_guard lock(lock_);
    buffers_.push_back(buffer);
  }
  void Detach(MixBuffer* buffer) {
    std::lock_guard lock(lock_);
    buffers_.erase(std::remove(buffers_.begin(), buffers_.end(), buffer), buffers_.end());
  }

  static void SDLCALL Callback(void* user, Uint8* stream, int length) {
    static_cast<Mixer*>(user)->Mix(reinterpret_cast<float*>(stream),
                                   length / static_cast<int>(sizeof(float)));
  }

 private:
  void Mix(float* out, int samples) {
    std::fill(out, out + samples, 0.0f);
    const int frames = samples / spec_.channels;
    std::lock_guard lock(lock_);
    for (MixBuffer* buffer : buffers_) buffer->MixInto(out, frames, spec_.channels, scratch_);
    for (int i = 0; i < samples; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
    if (tap_) tap_(std::span<const float>(out, static_cast<std::size_t>(samples)));
  }

  SDL_AudioDeviceID id_ = 0;
  SDL_AudioSpec spec_{};  // set before the device is unpaused, then read-only
  const SdlSoundSystem::OutputTap tap_;
  std::mutex lock_;
  std::vector<MixBuffer*> buffers_;
  std::vector<float> scratch_;
};

MixBuffer::MixBuffer(std::shared_ptr<Mixer> mixer, PcmFormat format,
                     std::shared_ptr<std::vector<std::uint8_t>> bytes, StreamPtr stream)
    : mixer_(std::move(mixer)),
      format_(format),
      bytes_(std::move(bytes)),
      stream_(std::move(stream)) {
  mixer_->Attach(this);
}

MixBuffer::~MixBuffer() {
  mixer_->Detach(this);
}

void MixBuffer::Write(std::size_t offset, std::span<const std::uint8_t> bytes) {
  std::lock_guard lock(mixer_->Lock());
  std::vector<std::uint8_t>& data = *bytes_;
  if (data.empty()) return;
  offset %= data.size();
  while (!bytes.empty()) {
    const std::size_t part = std::min(bytes.size(), data.size() - offset);
    std::memcpy(data.data() + offset, bytes.data(), part);
    bytes = bytes.subspan(part);
    offset = (offset + part) % data.size();
  }
}

void MixBuffer::Play(bool looping) {
  std::lock_guard lock(mixer_->Lock());
  looping_ = looping;
  playing_ = true;
  flushed_ = false;
}

void MixBuffer::Stop() {
  std::lock_guard lock(mixer_->Lock());
  playing_ = false;
}

void MixBuffer::Rewind() {
  std::lock_guard lock(mixer_->Lock());
  cursor_ = 0;
  played_ = 0;
  flushed_ = false;
  SDL_AudioStreamClear(stream_.get());
}

bool MixBuffer::Playing() const {
  std::lock_guard lock(mixer_->Lock());
  return playing_;
}

std::uint64_t MixBuffer::PlayedBytes() const {
  std::lock_guard lock(mixer_->Lock());
  return played_;
}

void MixBuffer::SetVolume(float volume) {
  std::lock_guard lock(mixer_->Lock());
  volume_ = std::clamp(volume, 0.0f, 1.0f);
}

void MixBuffer::SetPan(float pan) {
  std::lock_guard lock(mixer_->Lock());
  pan_ = std::clamp(pan, -1.0f, 1.0f);
}

void MixBuffer::SetFrequency(int hertz) {
  std::lock_guard lock(mixer_->Lock());
  if (hertz < 0) hertz = 0;
  if (hertz == frequency_) return;
  StreamPtr stream = mixer_->NewStream(format_, hertz > 0 ? hertz : format_.sampleRate);
  if (!stream) return;  // keeps the rate it had
  stream_ = std::move(stream);
  frequency_ = hertz;
}

std::unique_ptr<SoundBuffer> MixBuffer::Duplicate() const {
  StreamPtr stream = mixer_->NewStream(format_, format_.sampleRate);
  if (!stream) return nullptr;
  return std::make_unique<MixBuffer>(mixer_, format_, bytes_, std::move(stream));
}

void MixBuffer::MixInto(float* out, int frames, int channels, std::vector<float>& scratch) {
  if (!playing_) return;
  const std::size_t wanted = static_cast<std::size_t>(frames) * static_cast<std::size_t>(channels);
  scratch.resize(wanted);
  const std::size_t frameBytes = static_cast<std::size_t>(format_.FrameBytes());
  const int rate = frequency_ > 0 ? frequency_ : format_.sampleRate;
  const std::vector<std::uint8_t>& data = *bytes_;
  float gains[2] = {volume_ * std::min(1.0f, 1.0f - pan_), volume_ * std::min(1.0f, 1.0f + pan_)};
  std::size_t got = 0;
  while (got < wanted) {
    const int available = SDL_AudioStreamAvailable(stream_.get());
    if (available >= static_cast<int>(sizeof(float))) {
      const std::size_t take =
          std::min(wanted - got, static_cast<std::size_t>(available) / sizeof(float));
      const int bytes =
          SDL_AudioStreamGet(stream_.get(), scratch.data(), static_cast<int>(take * sizeof(float)));
      if (bytes <= 0) break;
      const std::size_t count = static_cast<std::size_t>(bytes) / sizeof(float);
      for (std::size_t i = 0; i < count; ++i) {
        const std::size_t sample = got + i;
        const float gain = channels == 2 ? gains[sample % 2] : volume_;
        out[sample] += scratch[i] * gain;
      }
      got += count;
      continue;
    }
    if (cursor_ < data.size()) {
      // Enough source frames for the rest of the block, and some for the resampler.
      const std::size_t need = (wanted - got) / static_cast<std::size_t>(channels) *
                                   static_cast<std::size_t>(rate) /
                                   static_cast<std::size_t>(mixer_->Format().sampleRate) +
                               64;
      const std::size_t bytes = std::min(need * frameBytes, data.size() - cursor_);
      if (SDL_AudioStreamPut(stream_.get(), data.data() + cursor_, static_cast<int>(bytes)) != 0)
        break;
      cursor_ += bytes;
      played_ += bytes;
      if (cursor_ == data.size() && looping_) cursor_ = 0;
      continue;
    }
    if (!flushed_) {
      SDL_AudioStreamFlush(stream_.get());
      flushed_ = true;
      continue;
    }
    playing_ = false;  // a voice that has played to its end
    break;
  }
}

std::unique_ptr<SoundBuffer> Mixer::CreateBuffer(const PcmFormat& format, std::size_t size,
                                                 std::uint32_t* errorCode) {
  const bool playable = format.channels >= 1 && format.channels <= 8 && format.sampleRate > 0 &&
                        SdlFormat(format.bitsPerSample) != 0 && size > 0 &&
                        size % static_cast<std::size_t>(format.FrameBytes()) == 0;
  if (!playable) {
    if (errorCode) *errorCode = kErrorBadFormat;
    return nullptr;
  }
  StreamPtr stream = NewStream(format, format.sampleRate);
  if (!stream) {
    if (errorCode) *errorCode = kErrorNoConverter;
    return nullptr;
  }
  const std::uint8_t silence = format.bitsPerSample == 8 ? 128 : 0;
  auto bytes = std::make_shared<std::vector<std::uint8_t>>(size, silence);
  return std::make_unique<MixBuffer>(shared_from_this(), format, std::move(bytes),
                                     std::move(stream));
}

}  // namespace

struct SdlSoundSystemData {
  bool available = false;
  mutable std::mutex lock;  // the device map; a device opens and closes under it
  std::map<int, std::weak_ptr<Mixer>> devices;
  SdlSoundSystem::OutputTap tap;
};

SdlSoundSystem::SdlSoundSystem() : data_(std::make_shared<SdlSoundSystemData>()) {
  data_->available = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

SdlSoundSystem::~SdlSoundSystem() {
  if (data_->available) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundSystem::Available() const {
  return data_->available;
}

int SdlSoundSystem::DeviceCount() {
  if (!data_->available) return 0;
  std::lock_guard lock(data_->lock);
  const int named = SDL_GetNumAudioDevices(0);
  return 1 + std::max(named, 0);
}

std::shared_ptr<SoundOutput> SdlSoundSystem::OpenDevice(int number) {
  if (!data_->available || number < 0) return nullptr;
  std::lock_guard lock(data_->lock);
  if (std::shared_ptr<Mixer> open = data_->devices[number].lock()) return open;

  const char* name = nullptr;
  if (number > 0) {
    name = SDL_GetAudioDeviceName(number - 1, 0);
    if (!name) return nullptr;
  }
  SDL_AudioSpec preferred;
  SDL_zero(preferred);
  char* defaultName = nullptr;
  if (number > 0 ? SDL_GetAudioDeviceSpec(number - 1, 0, &preferred) != 0
                 : SDL_GetDefaultAudioInfo(&defaultName, &preferred, 0) != 0)
    SDL_zero(preferred);
  SDL_free(defaultName);

  // The mixer works in floats at the device's own rate and channel count. SDL opens the
  // device paused and starts calling the mixer when it is unpaused.
  SDL_AudioSpec wanted;
  SDL_zero(wanted);
  wanted.freq = preferred.freq > 0 ? preferred.freq : kDefaultRate;
  wanted.channels = preferred.channels > 0 ? preferred.channels : kDefaultChannels;
  wanted.format = AUDIO_F32SYS;
  wanted.samples = kBlockFrames;
  auto opening = std::make_unique<Mixer>(data_->tap);
  if (!opening->Open(name, wanted)) return nullptr;
  std::weak_ptr<SdlSoundSystemData> system = data_;
  std::shared_ptr<Mixer> mixer(opening.release(), [system](Mixer* m) {
    // Closing under the system's lock keeps a device from reopening while it still closes.
    std::shared_ptr<SdlSoundSystemData> owner = system.lock();
    std::unique_lock<std::mutex> closing;
    if (owner) closing = std::unique_lock(owner->lock);
    delete m;
  });
  data_->devices[number] = mixer;
  mixer->Start();
  return mixer;
}

int SdlSoundSystem::OpenDeviceCount() const {
  std::lock_guard lock(data_->lock);
  return static_cast<int>(std::count_if(data_->devices.begin(), data_->devices.end(),
                                        [](const auto& entry) { return !entry.second.expired(); }));
}

void SdlSoundSystem::ThreadEnding() {
  SDL_TLSCleanup();
}

void SdlSoundSystem::SetOutputTap(OutputTap tap) {
  std::lock_guard lock(data_->lock);
  data_->tap = std::move(tap);
}

}  // namespace vellara
