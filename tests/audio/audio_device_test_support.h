// Helpers for the tests on the real SDL audio stack: choosing the driver, reading what the
// disk driver wrote, and waiting for the playback thread.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace vellara::testing {

extern const std::string kFixtures;

// Selects SDL's audio driver for this test process; for "disk" also the output file,
// named after the running test, in the build folder. Returns that file ("" otherwise).
std::string UseAudioDriver(const std::string& driver);

// The interleaved float samples the disk driver wrote.
std::vector<float> ReadDiskOutput(const std::string& path);

// Peak absolute level of each frame (all channels), channels interleaved in samples.
std::vector<float> FrameLevels(const std::vector<float>& samples, int channels);

// Index of the first frame above threshold, or -1.
long FirstLoudFrame(const std::vector<float>& levels, float threshold);

// The longest run of frames at or below threshold between first and last (exclusive).
long LongestQuietRun(const std::vector<float>& levels, long first, long last, float threshold);

// Polls until done() or the limit; returns done().
bool WaitFor(const std::function<bool()>& done,
             std::chrono::milliseconds limit = std::chrono::milliseconds(10000));

// A RIFF WAVE image of frames frames, 22050 Hz stereo 16-bit, every sample at value.
std::vector<unsigned char> ConstantWave(int frames, short value);

}  // namespace vellara::testing
