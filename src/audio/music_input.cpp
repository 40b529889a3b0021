// music_input: decoding a music file to PCM, with the format choice and the loop.
#include "audio/music_input.h"

#include <algorithm>

#include "audio/audio_error.h"

namespace vellara {

namespace {

int MaxChannels(OutputChannels channels) {
  switch (channels) {
    case OutputChannels::cnMonoOrStereo:
      return 2;
    case OutputChannels::cn5dot1:
      return 6;
    case OutputChannels::cn7dot1:
      return 8;
    case OutputChannels::cnMaxAvailable:
      break;
  }
  return 1 << 30;
}

}  // namespace

PcmFormat ChooseRichestFormat(const std::vector<PcmFormat>& offers, OutputChannels channels,
                              bool highPrecision) {
  PcmFormat best;
  for (const PcmFormat& offer : offers) {
    if (offer.channels <= 0 || offer.sampleRate <= 0 || offer.bitsPerSample <= 0) continue;
    if (offer.bitsPerSample % 8 != 0) continue;
    if (offer.channels > MaxChannels(channels)) continue;
    if (!highPrecision && offer.bitsPerSample > 16) continue;
    if (offer.channels >= best.channels && offer.sampleRate >= best.sampleRate &&
        offer.bitsPerSample >= best.bitsPerSample)
      best = offer;
  }
  return best;
}

MusicInput::MusicInput(AudioDecoder& decoder) : decoder_(decoder) {}

MusicInput::~MusicInput() = default;

void MusicInput::SetFileName(const std::string& fileName) {
  std::lock_guard lock(lock_);
  CloseLocked();
  fileName_ = fileName;
}

void MusicInput::SetLoop(bool loop) {
  std::lock_guard lock(lock_);
  loop_ = loop;
}

bool MusicInput::Loop() const {
  std::lock_guard lock(lock_);
  return loop_;
}

bool MusicInput::Valid() {
  std::lock_guard lock(lock_);
  if (stream_) return true;
  if (fileName_.empty()) return false;
  return OpenLocked();
}

void MusicInput::Open() {
  std::lock_guard lock(lock_);
  if (busy_) throw AudioError("The component is Busy");
  if (fileName_.empty()) throw AudioError("File name is not assigned");
  if (!stream_ && !OpenLocked()) throw AudioError("Failed to open file");
  // A file opened by Valid may have been read from: start from the first sample.
  if (frame_ != StartSample && !stream_->SeekToFrame(StartSample)) {
    CloseLocked();
    throw AudioError("Failed to open file");
  }
  frame_ = StartSample;
  position_ = 0;
  ended_ = false;
  busy_ = true;
}

void MusicInput::Close() {
  std::lock_guard lock(lock_);
  CloseLocked();
}

bool MusicInput::Opened() const {
  std::lock_guard lock(lock_);
  return stream_ != nullptr;
}

bool MusicInput::Busy() const {
  std::lock_guard lock(lock_);
  return busy_;
}

PcmFormat MusicInput::Format() const {
  std::lock_guard lock(lock_);
  return format_;
}

std::int64_t MusicInput::TotalSamples() const {
  std::lock_guard lock(lock_);
  return totalFrames_;
}

std::uint64_t MusicInput::SizeBytes() const {
  std::lock_guard lock(lock_);
  if (totalFrames_ < 0) return 0;
  return static_cast<std::uint64_t>(totalFrames_) * static_cast<unsigned>(format_.FrameBytes());
}

std::uint64_t MusicInput::Position() const {
  std::lock_guard lock(lock_);
  return position_;
}

bool MusicInput::Ended() const {
  std::lock_guard lock(lock_);
  return ended_;
}

std::size_t MusicInput::Read(std::span<std::uint8_t> out) {
  std::lock_guard lock(lock_);
  if (!stream_ || ended_) return 0;
  const std::size_t frameBytes = static_cast<std::size_t>(format_.FrameBytes());
  out = out.first(out.size() / frameBytes * frameBytes);
  std::size_t filled = 0;
  bool freshLoop = false;  // nothing decoded since the last seek back
  while (filled < out.size()) {
    std::span<std::uint8_t> rest = out.subspan(filled);
    if (EndSample >= 0) {
      const std::int64_t left = std::max<std::int64_t>(0, EndSample - frame_);
      rest = rest.first(
          std::min<std::size_t>(rest.size(), static_cast<std::size_t>(left) * frameBytes));
    }
    const std::size_t got = rest.empty() ? 0 : stream_->Read(rest) / frameBytes * frameBytes;
    if (got > 0) {
      filled += got;
      frame_ += static_cast<std::int64_t>(got / frameBytes);
      position_ += got;
      freshLoop = false;
      continue;
    }
    // The end of the file (or of the chosen range). A file that gives nothing even right
    // after seeking back would loop forever: it ends like a file without Loop.
    if (!loop_ || freshLoop || !stream_->SeekToFrame(StartSample)) {
      ended_ = true;
      break;
    }
    frame_ = StartSample;
    position_ = 0;
    freshLoop = true;
  }
  return filled;
}

bool MusicInput::OpenLocked() {
  std::unique_ptr<DecodedStream> stream = decoder_.Open(fileName_);
  if (!stream) return false;
  const PcmFormat format = ChooseRichestFormat(stream->OutputFormats(), Channels, HighPrecision);
  if (format.channels == 0 || !stream->SelectFormat(format)) return false;
  if (StartSample > 0 && !stream->SeekToFrame(StartSample)) return false;
  stream_ = std::move(stream);
  format_ = format;
  totalFrames_ = stream_->TotalFrames();
  if (totalFrames_ >= 0) {
    const std::int64_t end = EndSample >= 0 ? std::min(EndSample, totalFrames_) : totalFrames_;
    totalFrames_ = std::max<std::int64_t>(0, end - StartSample);
  }
  frame_ = StartSample;
  position_ = 0;
  ended_ = false;
  return true;
}

void MusicInput::CloseLocked() {
  stream_.reset();
  format_ = PcmFormat{};
  totalFrames_ = -1;
  frame_ = 0;
  position_ = 0;
  busy_ = false;
  ended_ = false;
}

}  // namespace vellara
