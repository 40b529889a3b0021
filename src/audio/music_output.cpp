// music_output: the playback thread and its ring buffer.
#include "audio/music_output.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "audio/audio_error.h"

namespace vellara {

namespace {

constexpr int kMaxEmptyPolls = 16;  // polls of one step that find no room before failing
constexpr int kDrainStepMs = 100;

std::uint8_t SilenceByte(const PcmFormat& format) {
  return format.bitsPerSample == 8 ? 128 : 0;
}

}  // namespace

MusicOutput::MusicOutput(SoundSystem& system) : system_(system) {
  thread_ = std::thread([this] { ThreadMain(); });
}

MusicOutput::~MusicOutput() {
  {
    std::lock_guard lock(lock_);
    terminate_ = true;
    stopRequested_.store(true, std::memory_order_release);
  }
  wake_.notify_all();
  thread_.join();
}

void MusicOutput::SetFramesInBuffer(int frames) {
  std::lock_guard lock(lock_);
  if (!busy_ && frames > 0) framesInBuffer_ = frames;
}

void MusicOutput::Run() {
  {
    std::lock_guard lock(lock_);
    if (busy_) throw AudioError("Component is Busy");
    if (!Input) throw AudioError("Input is not assigned");
    // Busy from here, so a second Run before the thread wakes is refused too.
    busy_ = true;
    runRequested_ = true;
    lastError_.clear();
    stopRequested_.store(false, std::memory_order_release);
  }
  wake_.notify_all();
}

void MusicOutput::Stop(bool async) {
  std::unique_lock lock(lock_);
  if (!busy_) return;
  stopRequested_.store(true, std::memory_order_release);
  wake_.notify_all();
  if (!async) idle_.wait(lock, [this] { return !busy_; });
}

OutputStatus MusicOutput::Status() const {
  std::lock_guard lock(lock_);
  return busy_ ? OutputStatus::osPlaying : OutputStatus::osIdle;
}

std::string MusicOutput::LastError() const {
  std::lock_guard lock(lock_);
  return lastError_;
}

bool MusicOutput::SleepUnlessStopped(int ms) {
  std::unique_lock lock(lock_);
  wake_.wait_for(lock, std::chrono::milliseconds(std::max(ms, 1)),
                 [this] { return StopRequested(); });
  return StopRequested();
}

void MusicOutput::ThreadMain() {
  for (;;) {
    {
      std::unique_lock lock(lock_);
      wake_.wait(lock, [this] { return runRequested_ || terminate_; });
      if (terminate_) break;
      runRequested_ = false;
    }
    std::string error;
    try {
      Play();
    } catch (const std::exception& e) {
      error = e.what();
    } catch (...) {
      error = "Audio output error";
    }
    if (!error.empty() && OnThreadException) OnThreadException(error);
    const bool stopped = StopRequested();
    if (!stopped && OnDone) OnDone();
    {
      std::lock_guard lock(lock_);
      lastError_ = error;
      busy_ = false;
    }
    idle_.notify_all();
  }
  system_.ThreadEnding();
}

void MusicOutput::Play() {
  MusicInput& input = *Input;
  // Closes the input and drops the buffer and the device however the track ends.
  struct Release {
    MusicInput& input;
    std::unique_ptr<SoundBuffer> buffer;
    std::shared_ptr<SoundOutput> device;
    ~Release() {
      if (buffer) buffer->Stop();
      buffer.reset();
      device.reset();
      input.Close();
    }
  } hold{input, nullptr, nullptr};

  // 1. Prepare.
  input.Open();
  const PcmFormat format = input.Format();
  if (DeviceNumber < 0 || DeviceNumber >= system_.DeviceCount())
    throw AudioError("Invalid device number");
  hold.device = system_.OpenDevice(DeviceNumber);
  if (!hold.device) throw AudioError("Failed to create sound device");
  const std::size_t frameBytes = static_cast<std::size_t>(format.FrameBytes());
  const std::size_t size = static_cast<std::size_t>(framesInBuffer_) * frameBytes;
  std::uint32_t code = 0;
  hold.buffer = hold.device->CreateBuffer(format, size, &code);
  if (!hold.buffer) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(code));
    throw AudioError(std::string("Failed to create sound buffer") + digits);
  }
  SoundBuffer& buffer = *hold.buffer;
  const std::uint8_t silence = SilenceByte(format);
  std::vector<std::uint8_t> ring(size, silence);

  // Reads count bytes from the input into the ring, silence after its end, and writes them
  // to the sound buffer at offset.
  std::uint64_t written = 0;  // bytes written since the buffer last started
  std::uint64_t dataEnd = 0;  // where the input's last byte went, once it has ended
  auto fill = [&](std::size_t count) {
    std::span<std::uint8_t> part(ring.data(), count);
    const std::size_t got = input.Read(part);
    std::fill(part.begin() + static_cast<std::ptrdiff_t>(got), part.end(), silence);
    buffer.Write(static_cast<std::size_t>(written % size), part);
    if (got < count) dataEnd = written + got;
    written += count;
  };

  // 2. First step: the whole ring, then play it looping.
  auto start = [&] {
    buffer.Rewind();
    written = 0;
    fill(size);
    buffer.Play(true);
  };
  start();

  // 3. Refill what has been played, every PollingInterval ms.
  while (!StopRequested() && !input.Ended()) {
    std::size_t room = 0;
    for (int poll = 0;; ++poll) {
      if (SleepUnlessStopped(PollingInterval)) return;
      if (poll == kMaxEmptyPolls) throw AudioError("Audio output error");
      const std::uint64_t played = buffer.PlayedBytes();
      if (played > written) {
        // The device ran past what was written: start again from silence.
        buffer.Stop();
        std::fill(ring.begin(), ring.end(), silence);
        buffer.Write(0, ring);
        if (OnUnderrun) OnUnderrun();
        start();
        room = 0;
        break;
      }
      room = static_cast<std::size_t>(played + size - written) / frameBytes * frameBytes;
      if (room > 0) break;
    }
    if (room == 0) continue;
    fill(std::min(room, size));
    if (OnProgress) OnProgress(input.Position());
  }
  if (StopRequested()) return;

  // 4. The input has ended: let what was queued play out, writing silence behind it. The
  // wait ends when the device has played past the last byte of the track, at the latest
  // one buffer length (rounded up to whole seconds) after the end.
  const double seconds = static_cast<double>(framesInBuffer_) / format.sampleRate;
  const int steps = (static_cast<int>(std::ceil(seconds)) + 1) * 1000 / kDrainStepMs;
  std::fill(ring.begin(), ring.end(), silence);
  for (int step = 0; step < steps; ++step) {
    if (SleepUnlessStopped(kDrainStepMs)) return;
    const std::uint64_t played = std::min(buffer.PlayedBytes(), written);
    if (played >= dataEnd) break;
    const std::size_t room =
        static_cast<std::size_t>(played + size - written) / frameBytes * frameBytes;
    if (room == 0) continue;
    buffer.Write(static_cast<std::size_t>(written % size), std::span(ring.data(), room));
    written += room;
  }
}

}  // namespace vellara
