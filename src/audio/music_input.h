// music_input: a file input that decodes a compressed music track to PCM through an
// AudioDecoder, choosing the richest output format the decoder offers, and that can loop
// so its reader never sees an end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "audio/audio_decoder.h"
#include "audio/sound_backend.h"

namespace vellara {

enum class OutputChannels { cnMaxAvailable, cnMonoOrStereo, cn5dot1, cn7dot1 };

// Of the offers, the richest: an offer replaces the choice so far when none of its channel
// count, sample rate and bits per sample is smaller. Offers with more channels than
// `channels` allows, or more than 16 bits without high precision, are passed over.
// Returns a zero format when nothing fits.
PcmFormat ChooseRichestFormat(const std::vector<PcmFormat>& offers, OutputChannels channels,
                              bool highPrecision);

class MusicInput {
 public:
  explicit MusicInput(AudioDecoder& decoder);
  ~MusicInput();
  MusicInput(const MusicInput&) = delete;
  MusicInput& operator=(const MusicInput&) = delete;

  // Assigning a file name closes any file that was open.
  void SetFileName(const std::string& fileName);
  const std::string& FileName() const { return fileName_; }
  void SetLoop(bool loop);
  bool Loop() const;

  std::int64_t StartSample = 0;
  std::int64_t EndSample = -1;  // -1: to the end of the file
  bool HighPrecision = true;
  OutputChannels Channels = OutputChannels::cnMaxAvailable;

  // Opens the file if it is not open; true when it can be decoded. Never raises.
  bool Valid();

  // The output's side. Open raises "File name is not assigned" without a name and
  // "Failed to open file" when the file cannot be decoded; "The component is Busy" when
  // the input is already in use.
  void Open();
  void Close();
  bool Opened() const;
  bool Busy() const;
  PcmFormat Format() const;           // of the open file
  std::int64_t TotalSamples() const;  // frames; -1 when unknown
  std::uint64_t SizeBytes() const;    // TotalSamples() * frame bytes, 0 when unknown
  std::uint64_t Position() const;     // bytes read since the start or the last loop
  // Fills out from the file; fewer bytes (at last 0) once a file without Loop has ended.
  std::size_t Read(std::span<std::uint8_t> out);
  bool Ended() const;

 private:
  bool OpenLocked();
  void CloseLocked();

  AudioDecoder& decoder_;
  std::string fileName_;
  // Guards everything below: opening, closing and reading never overlap, so Valid on the
  // window's thread and a read on the playback thread are safe together.
  mutable std::mutex lock_;
  std::unique_ptr<DecodedStream> stream_;
  PcmFormat format_;
  std::int64_t totalFrames_ = -1;
  std::int64_t frame_ = 0;  // next frame the stream gives
  std::uint64_t position_ = 0;
  bool loop_ = false;
  bool busy_ = false;
  bool ended_ = false;
};

}  // namespace vellara
