// The layer under the audio components: a sound system that opens output devices, and
// the buffers a device plays. A buffer is a cyclic block of PCM bytes with a play cursor;
// music streams through one that loops, each effect voice is one that plays once. The
// platform backend mixes every playing buffer of a device into its output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace vellara {

// Interleaved signed PCM (unsigned for 8 bits).
struct PcmFormat {
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;

  int FrameBytes() const { return channels * bitsPerSample / 8; }
  bool operator==(const PcmFormat&) const = default;
};

class SoundBuffer {
 public:
  virtual ~SoundBuffer() = default;

  virtual PcmFormat Format() const = 0;
  virtual std::size_t Size() const = 0;  // bytes
  // Copies bytes in at offset, wrapping at the end of the buffer.
  virtual void Write(std::size_t offset, std::span<const std::uint8_t> bytes) = 0;
  // Starts from the play cursor; a looping buffer wraps, otherwise it stops at its end.
  virtual void Play(bool looping) = 0;
  virtual void Stop() = 0;
  // Play cursor to the start; the played count starts again from 0.
  virtual void Rewind() = 0;
  virtual bool Playing() const = 0;
  // Bytes taken for playing since creation or the last Rewind; the play cursor is this
  // count modulo Size(). It runs on past Size() while a looping buffer wraps.
  virtual std::uint64_t PlayedBytes() const = 0;
  // Gain 0..1, pan -1 (left) .. 1 (right), frequency in Hz (0: the recorded rate).
  virtual void SetVolume(float volume) = 0;
  virtual void SetPan(float pan) = 0;
  virtual void SetFrequency(int hertz) = 0;
  // A new buffer playing the same bytes; it starts stopped at the beginning.
  virtual std::unique_ptr<SoundBuffer> Duplicate() const = 0;
};

// One opened output device.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual PcmFormat Format() const = 0;
  // A silent buffer of size bytes in the given format, or null with *errorCode set.
  virtual std::unique_ptr<SoundBuffer> CreateBuffer(const PcmFormat& format, std::size_t size,
                                                    std::uint32_t* errorCode) = 0;
};

// The machine's output devices. Safe to call from any thread.
class SoundSystem {
 public:
  virtual ~SoundSystem() = default;
  // Device numbers run from 0 (the default device) to DeviceCount() - 1; 0 when there is
  // no usable sound system.
  virtual int DeviceCount() = 0;
  // Null when the device cannot be opened. Every handle of one number shares the device,
  // which closes when the last handle goes.
  virtual std::shared_ptr<SoundOutput> OpenDevice(int number) = 0;
  // Called by a thread of ours that used the system, as it ends: frees what the system
  // kept for that thread.
  virtual void ThreadEnding() {}
};

}  // namespace vellara
