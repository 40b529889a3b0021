#include "gfx/gfx_device.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_display.h"

namespace vellara {
namespace {

// Records every notice it hears, under its name, and answers as told.
class Listener : public GfxSubscriber {
 public:
  Listener(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
  bool DeviceNotice(GfxPublisher&, vellara::DeviceNotice notice) override {
    log_.push_back(name_ + ":" + std::to_string(notice));
    return notice != refuse;
  }
  int refuse = 0;

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

class DeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    a_.SetPublisher(&device_);
    b_.SetPublisher(&device_);
    c_.SetPublisher(&device_);
    device_.OnRender = [this](GfxDevice&) { log_.push_back("render"); };
  }
  std::vector<std::string> log_;
  test::FakeDisplay display_;
  GfxDevice device_{display_};
  Listener a_{"a", log_}, b_{"b", log_}, c_{"c", log_};
};

TEST_F(DeviceTest, NoticesGoInAttachOrderAndStopAtAFalseAnswer) {
  ASSERT_TRUE(device_.Initialize());
  EXPECT_EQ(log_, (std::vector<std::string>{"a:256", "b:256", "c:256"}));
  log_.clear();
  b_.refuse = dnBeginScene;
  EXPECT_FALSE(device_.Notify(dnBeginScene));
  EXPECT_EQ(log_, (std::vector<std::string>{"a:260", "b:260"}));
  log_.clear();
  b_.SetPublisher(nullptr);
  b_.SetPublisher(&device_);  // re-attached: now last
  device_.Notify(dnEndScene);
  EXPECT_EQ(log_, (std::vector<std::string>{"a:261", "c:261", "b:261"}));
}

TEST_F(DeviceTest, InitializeFailsCleanly) {
  struct Case {
    const char* what;
    bool failHardware, failSoftware;
    int refuse;
    bool handlerFails;
    bool ok;
  };
  const Case cases[] = {
      {"hardware fails, software works", true, false, 0, false, true},
      {"both fail", true, true, 0, false, false},
      {"a subscriber refuses", false, false, dnInitialize, false, false},
      {"OnInitialize reports failure", false, false, 0, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::FakeDisplay display;
    display.failHardware = c.failHardware;
    display.failSoftware = c.failSoftware;
    GfxDevice device(display);
    std::vector<std::string> log;
    Listener l("l", log);
    l.refuse = c.refuse;
    l.SetPublisher(&device);
    device.OnInitialize = [&](GfxDevice&, bool& success) { success = !c.handlerFails; };
    EXPECT_EQ(device.Initialize(), c.ok);
    EXPECT_EQ(device.Exists(), c.ok);
    EXPECT_EQ(display.live, c.ok);
    if (c.handlerFails) {
      EXPECT_EQ(log, (std::vector<std::string>{"l:256", "l:257"}));
    }
  }
  // Software vertex processing is tried after hardware, and alone when HardwareTL is off.
  test::FakeDisplay display;
  display.failHardware = true;
  GfxDevice device(display);
  ASSERT_TRUE(device.Initialize());
  EXPECT_EQ(display.createAttempts, (std::vector<bool>{true, false}));
  device.Finalize();
  device.SetHardwareTL(false);
  display.createAttempts.clear();
  ASSERT_TRUE(device.Initialize());
  EXPECT_EQ(display.createAttempts, (std::vector<bool>{false}));
  EXPECT_FALSE(device.Initialize());  // only when no display exists
}

TEST_F(DeviceTest, RenderClearsBeginsDrawsAndEnds) {
  EXPECT_FALSE(device_.Render(0, true));  // no display yet
  ASSERT_TRUE(device_.Initialize());
  log_.clear();
  ASSERT_TRUE(device_.Render(0x00400000u, true));
  EXPECT_EQ(display_.clears, (std::vector<std::uint32_t>{0x00000040u}));  // red and blue swapped
  EXPECT_EQ(log_, (std::vector<std::string>{"a:260", "b:260", "c:260", "render", "a:261", "b:261",
                                            "c:261"}));
  log_.clear();
  display_.failClear = true;
  EXPECT_FALSE(device_.Render(0, true));
  EXPECT_TRUE(log_.empty());
  display_.failClear = false;
  display_.failBegin = true;
  EXPECT_FALSE(device_.Render(0, false));
  EXPECT_TRUE(log_.empty());
  device_.OnRender = nullptr;
  display_.failBegin = false;
  EXPECT_FALSE(device_.Render(0, false));
}

TEST_F(DeviceTest, FlipResetsALostDisplay) {
  ASSERT_TRUE(device_.Initialize());
  log_.clear();
  display_.nextPresent = PresentResult::kLost;
  display_.canReset = false;
  EXPECT_FALSE(device_.Flip());
  EXPECT_FALSE(device_.Flip());
  EXPECT_EQ(log_, (std::vector<std::string>{"a:258", "b:258", "c:258"}));  // lost once
  EXPECT_TRUE(device_.Lost());
  log_.clear();
  display_.canReset = true;
  display_.nextPresent = PresentResult::kOk;
  EXPECT_TRUE(device_.Flip());
  EXPECT_EQ(log_, (std::vector<std::string>{"a:259", "b:259", "c:259"}));
  EXPECT_FALSE(device_.Lost());

  display_.nextPresent = PresentResult::kDriverError;
  display_.failReset = true;
  EXPECT_FALSE(device_.Flip());
  EXPECT_FALSE(device_.Exists());
}

TEST_F(DeviceTest, SwitchingModesSendsLostAndReset) {
  device_.SetWindowed(false);  // before the display exists: just stored
  EXPECT_FALSE(device_.Windowed());
  device_.SetWindowed(true);
  device_.SetBitDepth(bdLow);
  ASSERT_TRUE(device_.Initialize());
  device_.SetBitDepth(bdHigh);  // ignored now
  EXPECT_EQ(device_.GetBitDepth(), bdLow);
  log_.clear();
  EXPECT_TRUE(device_.SetWindowed(false));
  EXPECT_FALSE(display_.params.windowed);
  EXPECT_TRUE(device_.SetWindowed(true));
  EXPECT_EQ(log_, (std::vector<std::string>{"a:258", "b:258", "c:258", "a:259", "b:259", "c:259",
                                            "a:258", "b:258", "c:258", "a:259", "b:259", "c:259"}));
  // No full-screen mode: the switch fails, and the window comes back.
  display_.noFullScreenMode = true;
  log_.clear();
  EXPECT_FALSE(device_.SetWindowed(false));
  EXPECT_TRUE(device_.Windowed());
  EXPECT_TRUE(display_.params.windowed);
  EXPECT_FALSE(device_.Lost());
  EXPECT_EQ(log_, (std::vector<std::string>{"a:258", "b:258", "c:258", "a:259", "b:259", "c:259"}));
}

TEST(Colour, RedAndBlueExchange) {
  EXPECT_EQ(SwapRedBlue(0xFF0000FFu), 0xFFFF0000u);
  EXPECT_EQ(SwapRedBlue(0x12345678u), 0x12785634u);
}

}  // namespace
}  // namespace vellara

#include "gfx/scene_viewport.h"

namespace vellara {
namespace {

TEST(SceneViewport, FitsKeepsAspectCentresAndMapsBack) {
  struct Case {
    int w, h;
    SceneViewport expected;
  };
  const Case cases[] = {
      {1024, 768, {0, 0, 1024, 768}},
      {2048, 1536, {0, 0, 2048, 1536}},
      {1280, 1024, {0, 32, 1280, 960}},
      {1920, 1080, {240, 0, 1440, 1080}},
  };
  for (const Case& c : cases) {
    const SceneViewport v = FitScene(c.w, c.h, 1024, 768);
    EXPECT_EQ(v.x, c.expected.x) << c.w;
    EXPECT_EQ(v.y, c.expected.y) << c.w;
    EXPECT_EQ(v.width, c.expected.width) << c.w;
    EXPECT_EQ(v.height, c.expected.height) << c.w;
  }
  const SceneViewport v = FitScene(1920, 1080, 1024, 768);
  int sx, sy;
  v.WindowToScene(240, 0, 1.0, 1024, 768, sx, sy);
  EXPECT_EQ(sx, 0);
  EXPECT_EQ(sy, 0);
  v.WindowToScene(1679, 1079, 1.0, 1024, 768, sx, sy);
  EXPECT_EQ(sx, 1023);
  EXPECT_EQ(sy, 767);
  v.WindowToScene(100, 10, 1.0, 1024, 768, sx, sy);  // on the black bar
  EXPECT_LT(sx, 0);
  // A high-density window: 960 x 540 points, 1920 x 1080 pixels.
  v.WindowToScene(480, 270, 2.0, 1024, 768, sx, sy);
  EXPECT_EQ(sx, 512);
  EXPECT_EQ(sy, 384);
}

}  // namespace
}  // namespace vellara
