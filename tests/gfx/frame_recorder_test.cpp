// Frames that repeat the last one are not drawn again; anything that could change the
// picture draws it.
#include "gfx/frame_recorder.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "gfx/recording_renderer.h"

namespace vellara {
namespace {

struct Quad {
  float x = 10, y = 20;
  std::uint32_t colour = 0xFF8040C0u;
  std::uint32_t effect = 1284;
  TextureId texture = 0;
};

struct FrameSpec {
  std::uint32_t clear = 0xFF000000u;
  bool startsWithClear = true;
  CanvasState state;
  std::vector<Quad> quads = {Quad{}, Quad{100, 50, 0xFFFFFFFFu, 1280, 0}};
};

class FrameRecorderTest : public ::testing::Test {
 protected:
  FrameRecorderTest()
      : recorder_(target_, [this](std::uint32_t argb) {
          clears_.push_back(argb);
          return clearWorks_;
        }) {}

  // Records FRAME and commits it; true when the target was drawn.
  bool Show(const FrameSpec& frame) {
    if (frame.startsWithClear) recorder_.Clear(frame.clear);
    recorder_.SetState(frame.state);
    for (const Quad& q : frame.quads) {
      const std::array<Vertex, 4> v = {{{q.x, q.y, 0, 0, q.colour},
                                        {q.x + 8, q.y, 1, 0, q.colour},
                                        {q.x + 8, q.y + 8, 1, 1, q.colour},
                                        {q.x, q.y + 8, 0, 1, q.colour}}};
      const std::array<std::uint32_t, 6> i = {0, 1, 2, 0, 2, 3};
      recorder_.Draw(PrimitiveKind::kTriangles, v, i, q.effect, q.texture);
    }
    const std::size_t before = target_.calls.size();
    const std::size_t clearsBefore = clears_.size();
    const bool drawn = recorder_.Commit();
    // A frame is either replayed whole or not touched at all.
    if (drawn) {
      EXPECT_EQ(target_.calls.size() - before, frame.quads.size());
      EXPECT_EQ(clears_.size() - clearsBefore, frame.startsWithClear ? 1u : 0u);
    } else {
      EXPECT_EQ(target_.calls.size(), before);
      EXPECT_EQ(clears_.size(), clearsBefore);
    }
    return drawn;
  }

  RecordingRenderer target_;
  std::vector<std::uint32_t> clears_;
  bool clearWorks_ = true;
  FrameRecorder recorder_;
};

TEST_F(FrameRecorderTest, ARepeatedFrameIsDrawnOnce) {
  const FrameSpec frame;
  EXPECT_TRUE(Show(frame));
  EXPECT_FALSE(Show(frame));
  EXPECT_FALSE(Show(frame));
  EXPECT_EQ(recorder_.FramesDrawn(), 1u);
  EXPECT_EQ(recorder_.FramesRepeated(), 2u);
  EXPECT_EQ(recorder_.LastDrawCalls(), 2u);
  // The replayed batch is the one recorded.
  ASSERT_EQ(target_.calls.size(), 2u);
  EXPECT_EQ(target_.calls[1].effect, 1280u);
  EXPECT_EQ(target_.calls[1].vertices[2].x, 108.0f);
  EXPECT_EQ(target_.state.antialias, true);
}

TEST_F(FrameRecorderTest, AnyChangeToTheFrameDrawsIt) {
  struct Case {
    const char* what;
    std::function<void(FrameSpec&)> change;
  } cases[] = {
      {"a vertex moved by a fraction", [](FrameSpec& f) { f.quads[1].x += 0.25f; }},
      {"a colour", [](FrameSpec& f) { f.quads[0].colour ^= 1; }},
      {"an effect code", [](FrameSpec& f) { f.quads[0].effect = 1285; }},
      {"a texture", [](FrameSpec& f) { f.quads[0].texture = 7; }},
      {"one draw more", [](FrameSpec& f) { f.quads.push_back(Quad{}); }},
      {"one draw less", [](FrameSpec& f) { f.quads.pop_back(); }},
      {"the clear colour", [](FrameSpec& f) { f.clear = 0xFF010000u; }},
      {"the sampling", [](FrameSpec& f) { f.state.antialias = false; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FrameSpec frame;
    Show(frame);
    c.change(frame);
    EXPECT_TRUE(Show(frame));
    EXPECT_FALSE(Show(frame)) << "the changed frame repeats from then on";
    Show(FrameSpec{});
  }
}

TEST_F(FrameRecorderTest, TexturesAndALostBufferDrawTheNextFrame) {
  const FrameSpec frame;
  Show(frame);
  const std::uint32_t pixel = 0xFFFFFFFFu;
  const TextureId id = recorder_.CreateTexture(1, 1, &pixel, false);
  EXPECT_NE(id, 0u);
  EXPECT_EQ(target_.textures.count(id), 1u) << "uploads go straight through";
  EXPECT_TRUE(Show(frame));
  EXPECT_FALSE(Show(frame));
  recorder_.DestroyTexture(id);
  EXPECT_EQ(target_.textures.count(id), 0u);
  EXPECT_TRUE(Show(frame));
  recorder_.Invalidate();
  EXPECT_TRUE(Show(frame));
  EXPECT_FALSE(Show(frame));
}

TEST_F(FrameRecorderTest, OnlyFramesThatClearTheBufferRepeat) {
  FrameSpec overlay;
  overlay.startsWithClear = false;
  EXPECT_TRUE(Show(overlay));
  EXPECT_TRUE(Show(overlay)) << "blended over the last picture, it changes it again";
  // After a frame drawn over an unknown picture, even a full frame equal to the last
  // full one must be drawn.
  const FrameSpec full;
  EXPECT_TRUE(Show(full));
  EXPECT_TRUE(Show(overlay));
  EXPECT_TRUE(Show(full));
  EXPECT_FALSE(Show(full));
}

TEST_F(FrameRecorderTest, AFrameTheTargetCouldNotDrawIsDrawnAgain) {
  const FrameSpec frame;
  target_.failDraws = true;
  EXPECT_TRUE(Show(frame));
  target_.failDraws = false;
  EXPECT_TRUE(Show(frame));
  EXPECT_FALSE(Show(frame));
  clearWorks_ = false;
  recorder_.Invalidate();
  EXPECT_TRUE(Show(frame));
  clearWorks_ = true;
  EXPECT_TRUE(Show(frame));
}

TEST_F(FrameRecorderTest, NothingRecordedIsNothingToCommit) {
  EXPECT_FALSE(recorder_.Pending());
  EXPECT_FALSE(recorder_.Commit());
  EXPECT_EQ(recorder_.FramesDrawn(), 0u);
  EXPECT_EQ(recorder_.FramesRepeated(), 0u);
  recorder_.Clear(0);
  EXPECT_TRUE(recorder_.Pending());
}

}  // namespace
}  // namespace vellara
