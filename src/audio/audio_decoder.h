// The layer under the music input: a decoder that opens a compressed audio file and reads
// it as PCM in one of the formats it offers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "audio/sound_backend.h"

namespace vellara {

class DecodedStream {
 public:
  virtual ~DecodedStream() = default;
  // The PCM formats the stream can be decoded to.
  virtual std::vector<PcmFormat> OutputFormats() const = 0;
  // Chooses one of OutputFormats(); false when the decoder cannot switch to it.
  virtual bool SelectFormat(const PcmFormat& format) = 0;
  // Length in sample frames; -1 when unknown.
  virtual std::int64_t TotalFrames() const = 0;
  // Fills as much of out as it can with whole frames; 0 at the end or on a decoding error.
  virtual std::size_t Read(std::span<std::uint8_t> out) = 0;
  virtual bool SeekToFrame(std::int64_t frame) = 0;
};

class AudioDecoder {
 public:
  virtual ~AudioDecoder() = default;
  // Null when the file is missing or holds no stream this decoder can read.
  virtual std::unique_ptr<DecodedStream> Open(const std::string& path) = 0;
};

}  // namespace vellara
