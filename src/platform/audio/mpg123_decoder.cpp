// mpg123 backend: decoding MP3 files.
#include "platform/audio/mpg123_decoder.h"

#include <mpg123.h>

#include <cstdio>

namespace vellara {

namespace {

struct HandleDeleter {
  void operator()(mpg123_handle* handle) const {
    mpg123_close(handle);
    mpg123_delete(handle);
  }
};
using HandlePtr = std::unique_ptr<mpg123_handle, HandleDeleter>;

constexpr int kMaxEmptyReads = 64;  // successive reads that give nothing before giving up

int Encoding(int bits) {
  switch (bits) {
    case 8:
      return MPG123_ENC_UNSIGNED_8;
    case 16:
      return MPG123_ENC_SIGNED_16;
    case 32:
      return MPG123_ENC_SIGNED_32;
    default:
      return 0;
  }
}

// What mpg123 can give for a stream of rate and channels, as far as the handle's format
// settings allow: the rate, its half and quarter; mono or the stream's channels; 8, 16 or
// 32 bits.
std::vector<PcmFormat> Offers(mpg123_handle* handle, long rate, int channels) {
  std::vector<PcmFormat> offers;
  for (long divisor : {1, 2, 4}) {
    const long offered = rate / divisor;
    for (int count : {1, 2}) {
      if (count > channels) continue;
      for (int bits : {8, 16, 32}) {
        const int support = mpg123_format_support(handle, offered, Encoding(bits));
        if (support & (count == 1 ? MPG123_MONO : MPG123_STEREO))
          offers.push_back({count, static_cast<int>(offered), bits});
      }
    }
  }
  return offers;
}

// A new handle on path decoding to the given format (any when format is null), positioned
// at the first frame; null when the file has no MPEG audio. Without a format, offers gets
// the formats the stream could be decoded to.
HandlePtr OpenHandle(const std::string& path, const PcmFormat* format,
                     std::vector<PcmFormat>* offers) {
  int error = MPG123_OK;
  HandlePtr handle(mpg123_new(nullptr, &error));
  if (!handle) return nullptr;
  mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0);
  if (format) {
    mpg123_format_none(handle.get());
    if (mpg123_format(handle.get(), format->sampleRate,
                      format->channels == 1 ? MPG123_MONO : MPG123_STEREO,
                      Encoding(format->bitsPerSample)) != MPG123_OK)
      return nullptr;
  }
  if (mpg123_open(handle.get(), path.c_str()) != MPG123_OK) return nullptr;
  long rate = 0;
  int channels = 0;
  int encoding = 0;
  if (mpg123_getformat(handle.get(), &rate, &channels, &encoding) != MPG123_OK) return nullptr;
  if (format && (rate != format->sampleRate || channels != format->channels ||
                 encoding != Encoding(format->bitsPerSample)))
    return nullptr;
  if (offers) *offers = Offers(handle.get(), rate, channels);
  mpg123_format_none(handle.get());
  mpg123_format(handle.get(), rate, channels, encoding);  // no changes mid-stream
  if (mpg123_scan(handle.get()) != MPG123_OK) return nullptr;
  return handle;
}

class Mpg123Stream final : public DecodedStream {
 public:
  Mpg123Stream(std::string path, HandlePtr handle, std::vector<PcmFormat> offers)
      : path_(std::move(path)), handle_(std::move(handle)), offers_(std::move(offers)) {}

  std::vector<PcmFormat> OutputFormats() const override { return offers_; }

  bool SelectFormat(const PcmFormat& format) override {
    HandlePtr handle = OpenHandle(path_, &format, nullptr);
    if (!handle) return false;
    handle_ = std::move(handle);
    frameBytes_ = format.FrameBytes();
    return true;
  }

  std::int64_t TotalFrames() const override {
    const off_t length = mpg123_length(handle_.get());
    return length < 0 ? -1 : static_cast<std::int64_t>(length);
  }

  std::size_t Read(std::span<std::uint8_t> out) override {
    if (frameBytes_ == 0) return 0;
    std::size_t filled = 0;
    int empty = 0;
    while (filled + static_cast<std::size_t>(frameBytes_) <= out.size() && empty < kMaxEmptyReads) {
      std::size_t done = 0;
      const int result =
          mpg123_read(handle_.get(), out.data() + filled, out.size() - filled, &done);
      filled += done;
      if (result != MPG123_OK && result != MPG123_NEW_FORMAT) break;  // the end, or damage
      empty = done == 0 ? empty + 1 : 0;
    }
    return filled / static_cast<std::size_t>(frameBytes_) * static_cast<std::size_t>(frameBytes_);
  }

  bool SeekToFrame(std::int64_t frame) override {
    return mpg123_seek(handle_.get(), static_cast<off_t>(frame), SEEK_SET) >= 0;
  }

 private:
  std::string path_;
  HandlePtr handle_;
  std::vector<PcmFormat> offers_;
  int frameBytes_ = 0;  // set by SelectFormat; nothing is read before
};

}  // namespace

Mpg123Decoder::Mpg123Decoder() {
  static const int initialised = mpg123_init();
  static_cast<void>(initialised);
}

std::unique_ptr<DecodedStream> Mpg123Decoder::Open(const std::string& path) {
  std::vector<PcmFormat> offers;
  HandlePtr handle = OpenHandle(path, nullptr, &offers);
  if (!handle) return nullptr;
  return std::make_unique<Mpg123Stream>(path, std::move(handle), std::move(offers));
}

}  // namespace vellara
