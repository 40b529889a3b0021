// mpg123 backend: MP3 files decoded to PCM with libmpg123.
// Implements: AudioDecoder (open a file, refuse what holds no MPEG audio) and
// DecodedStream (the offered PCM formats, exact length with gapless decoding, read, seek).
#pragma once

#include <memory>
#include <string>

#include "audio/audio_decoder.h"

namespace vellara {

class Mpg123Decoder final : public AudioDecoder {
 public:
  Mpg123Decoder();
  std::unique_ptr<DecodedStream> Open(const std::string& path) override;
};

}  // namespace vellara
