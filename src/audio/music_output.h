// music_output: plays a MusicInput through a streaming sound buffer on a playback thread
// of its own. The thread fills a ring buffer of FramesInBuffer frames, starts it looping,
// and every PollingInterval ms refills the part that has been played since the last
// write. One thread serves every track: it waits between tracks until the next Run.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio/music_input.h"
#include "audio/sound_backend.h"

namespace vellara {

enum class OutputStatus { osPlaying = 0, osPaused = 1, osIdle = 2 };

class MusicOutput {
 public:
  explicit MusicOutput(SoundSystem& system);
  // Stops playing, ends the thread and waits for it.
  ~MusicOutput();
  MusicOutput(const MusicOutput&) = delete;
  MusicOutput& operator=(const MusicOutput&) = delete;

  // Set while idle.
  MusicInput* Input = nullptr;
  int DeviceNumber = 0;
  int PollingInterval = 200;  // ms between refills
  // Ring-buffer length in sample frames; changes only while idle.
  void SetFramesInBuffer(int frames);
  int FramesInBuffer() const { return framesInBuffer_; }

  // Raised on the playback thread; unset by default. Set them while idle.
  std::function<void()> OnDone;
  std::function<void(std::uint64_t position)> OnProgress;
  std::function<void(const std::string& error)> OnThreadException;
  std::function<void()> OnUnderrun;

  // Starts playing Input on the playback thread and returns at once. Raises
  // "Component is Busy" while playing and "Input is not assigned" without an input.
  void Run();
  // Asks the thread to stop; unless async, returns once it has finished and released the
  // device. OnDone is not raised for a stopped track.
  void Stop(bool async);
  OutputStatus Status() const;
  std::string LastError() const;

 private:
  void ThreadMain();
  void Play();  // one track, raising AudioError on failure
  // Sleeps ms unless a stop comes first; true when stopped.
  bool SleepUnlessStopped(int ms);
  bool StopRequested() const { return stopRequested_.load(std::memory_order_acquire); }

  SoundSystem& system_;
  int framesInBuffer_ = 65536;

  mutable std::mutex lock_;
  std::condition_variable wake_;  // the thread: a Run, a stop or the end
  std::condition_variable idle_;  // Stop: the track has finished
  bool busy_ = false;
  bool runRequested_ = false;
  bool terminate_ = false;
  std::atomic<bool> stopRequested_{false};
  std::string lastError_;
  std::thread thread_;  // started last, once every field above exists
};

}  // namespace vellara
