// Audio benchmarks on SDL's dummy driver, which runs the mixer in real time and discards
// the output:
//  - CpuWhilePlaying: the process's CPU time over wall time while music streams (scene
//    values: 65536-frame ring, 200 ms polling) and four effects overlap at all times.
//  - LatencyToFirstSound: from WaveList::Play / MusicOutput::Run to the first non-silent
//    sample of a mixed block, measured at the mixer's output (the device takes the block
//    right after the mixer returns it).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <thread>
#include <vector>

#include "audio/builtin_waves.h"
#include "audio/music_input.h"
#include "audio/music_output.h"
#include "audio/sound_device.h"
#include "audio/wave_list.h"
#include "platform/audio/mpg123_decoder.h"
#include "platform/audio/sdl_sound_system.h"

namespace vellara {
namespace {

using Clock = std::chrono::steady_clock;

double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Arguments: music on (1/0), effects overlapping (0..4).
void CpuWhilePlaying(benchmark::State& state) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const bool music = state.range(0) != 0;
  const int effects = static_cast<int>(state.range(1));
  SdlSoundSystem system;
  Mpg123Decoder decoder;
  SoundDevice device(system);
  if (!device.Initialize()) {
    state.SkipWithError("no sound device");
    return;
  }
  WaveList list(device);
  for (const BuiltinWave& wave : BuiltinWaves()) list.Add(wave.name, wave.image);
  MusicInput input(decoder);
  MusicOutput output(system);
  output.Input = &input;
  input.SetFileName(VELLARA_BENCH_MUSIC);
  input.SetLoop(true);
  for (auto _ : state) {
    if (music) output.Run();
    const double cpuStart = ProcessCpuSeconds();
    const auto wallStart = Clock::now();
    // 4 s, checking every 10 ms that `effects` copies of "sound_4" (2.9 s) are playing
    // and starting another when one has ended.
    WaveItem& effect = list.Item(3);
    while (Clock::now() - wallStart < std::chrono::seconds(4)) {
      int playing = 0;
      for (const auto& voice : effect.ExtraVoices()) playing += voice->Playing() ? 1 : 0;
      for (; playing < effects; ++playing) effect.Play(false);
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const double wall = std::chrono::duration<double>(Clock::now() - wallStart).count();
    const double cpu = ProcessCpuSeconds() - cpuStart;
    if (music) output.Stop(false);
    state.SetIterationTime(wall);
    state.counters["cpu_percent_of_core"] = 100.0 * cpu / wall;
  }
  state.counters["voices_sound_4"] = static_cast<double>(list.Item(3).ExtraVoices().size());
}
BENCHMARK(CpuWhilePlaying)
    ->Args({1, 4})
    ->Args({1, 0})
    ->Args({0, 4})
    ->Args({0, 0})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The mixer's tap: the time of the first block that carries sound after `armed`.
struct FirstSound {
  std::atomic<bool> armed{false};
  std::atomic<std::int64_t> at{0};  // ns on the steady clock, 0 while none
  int rate = 44100;
  int channels = 2;
  void operator()(std::span<const float> block) {
    if (!armed.load(std::memory_order_acquire) || at.load(std::memory_order_relaxed) != 0) return;
    for (std::size_t i = 0; i < block.size(); ++i) {
      if (std::fabs(block[i]) > 1e-4f) {
        // The block goes out as the mixer returns; this sample plays i frames into it.
        const auto offset = std::chrono::nanoseconds(static_cast<std::int64_t>(
            1e9 * static_cast<double>(i / static_cast<std::size_t>(channels)) / rate));
        at.store((Clock::now() + offset).time_since_epoch().count(), std::memory_order_release);
        return;
      }
    }
  }
};

// Argument: 0 an effect, 1 the music.
void LatencyToFirstSound(benchmark::State& state) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const bool music = state.range(0) != 0;
  SdlSoundSystem system;
  auto first = std::make_shared<FirstSound>();
  system.SetOutputTap([first](std::span<const float> block) { (*first)(block); });
  Mpg123Decoder decoder;
  SoundDevice device(system);
  if (!device.Initialize()) {
    state.SkipWithError("no sound device");
    return;
  }
  first->rate = device.Output()->Format().sampleRate;
  first->channels = device.Output()->Format().channels;
  WaveList list(device);
  for (const BuiltinWave& wave : BuiltinWaves()) list.Add(wave.name, wave.image);
  MusicInput input(decoder);
  MusicOutput output(system);
  output.Input = &input;
  input.SetFileName(VELLARA_BENCH_MUSIC);
  input.SetLoop(true);
  std::vector<double> latencies;
  for (auto _ : state) {
    // Start at a random point of the mixer's block period.
    std::this_thread::sleep_for(std::chrono::microseconds(std::rand() % 23000));
    first->at.store(0);
    const auto start = Clock::now();
    first->armed.store(true, std::memory_order_release);
    if (music) {
      output.Run();
    } else {
      list.Play(2, false);
    }
    while (first->at.load(std::memory_order_acquire) == 0)
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    first->armed.store(false);
    const double ms =
        static_cast<double>(first->at.load() - start.time_since_epoch().count()) * 1e-6;
    latencies.push_back(ms);
    state.SetIterationTime(ms * 1e-3);
    if (music) {
      output.Stop(false);
    } else {
      while (list.Item(2).Playing()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  std::sort(latencies.begin(), latencies.end());
  state.counters["median_ms"] = latencies[latencies.size() / 2];
  state.counters["max_ms"] = latencies.back();
}
BENCHMARK(LatencyToFirstSound)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vellara

BENCHMARK_MAIN();
