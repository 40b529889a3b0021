// The playback thread against a scripted sound system: the failures a real device seldom
// shows on demand (no room in the buffer, an overrun, a buffer or device that cannot be
// made).
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>

#include "audio/music_input.h"
#include "audio/music_output.h"
#include "audio_device_test_support.h"
#include "platform/audio/mpg123_decoder.h"

namespace vellara {
namespace {

using testing::kFixtures;
using testing::WaitFor;

// Shared between the test and the playback thread; every field under lock.
struct Script {
  std::mutex lock;
  // What PlayedBytes answers, given how many times it was asked before.
  std::function<std::uint64_t(int query, std::size_t size)> played;
  int queries = 0;
  int plays = 0;
  int rewinds = 0;
  bool openFails = false;
  std::uint32_t bufferError = 0;  // nonzero: CreateBuffer fails with it
};

class ScriptedBuffer final : public SoundBuffer {
 public:
  ScriptedBuffer(Script& script, PcmFormat format, std::size_t size)
      : script_(script), format_(format), size_(size) {}
  PcmFormat Format() const override { return format_; }
  std::size_t Size() const override { return size_; }
  void Write(std::size_t, std::span<const std::uint8_t>) override {}
  void Play(bool) override {
    std::lock_guard guard(script_.lock);
    ++script_.plays;
  }
  void Stop() override {}
  void Rewind() override {
    std::lock_guard guard(script_.lock);
    ++script_.rewinds;
  }
  bool Playing() const override { return true; }
  std::uint64_t PlayedBytes() const override {
    std::lock_guard guard(script_.lock);
    return script_.played(script_.queries++, size_);
  }
  void SetVolume(float) override {}
  void SetPan(float) override {}
  void SetFrequency(int) override {}
  std::unique_ptr<SoundBuffer> Duplicate() const override {
    return std::make_unique<ScriptedBuffer>(script_, format_, size_);
  }

 private:
  Script& script_;
  PcmFormat format_;
  std::size_t size_;
};

class ScriptedOutput final : public SoundOutput {
 public:
  explicit ScriptedOutput(Script& script) : script_(script) {}
  PcmFormat Format() const override { return {2, 44100, 32}; }
  std::unique_ptr<SoundBuffer> CreateBuffer(const PcmFormat& format, std::size_t size,
                                            std::uint32_t* errorCode) override {
    std::lock_guard guard(script_.lock);
    if (script_.bufferError != 0) {
      *errorCode = script_.bufferError;
      return nullptr;
    }
    return std::make_unique<ScriptedBuffer>(script_, format, size);
  }

 private:
  Script& script_;
};

class ScriptedSystem final : public SoundSystem {
 public:
  explicit ScriptedSystem(Script& script) : script_(script) {}
  int DeviceCount() override { return 1; }
  std::shared_ptr<SoundOutput> OpenDevice(int) override {
    std::lock_guard guard(script_.lock);
    if (script_.openFails) return nullptr;
    return std::make_shared<ScriptedOutput>(script_);
  }

 private:
  Script& script_;
};

struct ScriptedRig {
  explicit ScriptedRig(std::function<std::uint64_t(int, std::size_t)> played)
      : system(script), input(decoder), output(system) {
    script.played = std::move(played);
    input.SetFileName(kFixtures + "/tone.mp3");
    input.SetLoop(true);
    output.Input = &input;
    output.PollingInterval = 1;
    output.SetFramesInBuffer(4096);
  }
  std::string RunToEnd() {
    output.Run();
    EXPECT_TRUE(WaitFor([&] { return output.Status() == OutputStatus::osIdle; }));
    return output.LastError();
  }
  Script script;
  ScriptedSystem system;
  Mpg123Decoder decoder;
  MusicInput input;
  MusicOutput output;
};

TEST(MusicOutputScripted, SixteenPollsWithoutRoomEndWithAnOutputError) {
  ScriptedRig rig([](int, std::size_t) { return std::uint64_t{0}; });  // never plays
  EXPECT_EQ(rig.RunToEnd(), "Audio output error");
  std::lock_guard guard(rig.script.lock);
  EXPECT_EQ(rig.script.queries, 16);
}

TEST(MusicOutputScripted, AnOverrunRaisesUnderrunAndStartsAgain) {
  // The first answer lies past everything written; later ones free a little room each.
  ScriptedRig rig([](int query, std::size_t size) {
    return query == 0 ? 3 * size : static_cast<std::uint64_t>(query) * 64;
  });
  std::atomic<int> underruns{0};
  rig.output.OnUnderrun = [&] { ++underruns; };
  rig.output.Run();
  ASSERT_TRUE(WaitFor([&] {
    std::lock_guard guard(rig.script.lock);
    return rig.script.queries > 20;
  }));
  rig.output.Stop(false);
  EXPECT_EQ(underruns.load(), 1);
  std::lock_guard guard(rig.script.lock);
  EXPECT_EQ(rig.script.plays, 2);
  EXPECT_EQ(rig.script.rewinds, 2);
  EXPECT_EQ(rig.output.LastError(), "");
}

TEST(MusicOutputScripted, DeviceAndBufferFailuresCarryTheirTexts) {
  ScriptedRig rig([](int, std::size_t) { return std::uint64_t{0}; });
  {
    std::lock_guard guard(rig.script.lock);
    rig.script.bufferError = 0x8878000A;
  }
  EXPECT_EQ(rig.RunToEnd(), "Failed to create sound buffer8878000A");
  {
    std::lock_guard guard(rig.script.lock);
    rig.script.openFails = true;
  }
  EXPECT_EQ(rig.RunToEnd(), "Failed to create sound device");
  rig.output.DeviceNumber = 1;  // one device only
  EXPECT_EQ(rig.RunToEnd(), "Invalid device number");
  EXPECT_FALSE(rig.input.Opened());
}

}  // namespace
}  // namespace vellara
