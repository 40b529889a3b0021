// Skips frames that repeat the last one. The canvas draws into the recorder; at the end of
// a frame the recorder compares what was drawn with the frame before and only replays it
// into the real renderer when something changed. An idle game screen (nothing moving, the
// clocks ticking once a second) then costs a comparison instead of a software-rendered
// 1024 x 768 frame sixty times a second.
//
// A frame can only be skipped when it starts by clearing the whole back buffer: drawing
// the same list over what is there would add blended effects up. Texture uploads and
// releases pass straight through and make the next frame draw, since a new texture may
// reuse an old one's id with other pixels.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "gfx/render_backend.h"

namespace vellara {

class FrameRecorder final : public RenderBackend {
 public:
  // `clear` fills the target's back buffer with a colour (0xAARRGGBB).
  FrameRecorder(RenderBackend& target, std::function<bool(std::uint32_t)> clear);

  TextureId CreateTexture(int width, int height, const std::uint32_t* pixels,
                          bool mipmaps) override;
  void DestroyTexture(TextureId texture) override;
  void SetState(const CanvasState& state) override;
  // Recorded for the end of the frame; always true, since the target has not seen it yet.
  bool Draw(PrimitiveKind kind, std::span<const Vertex> vertices,
            std::span<const std::uint32_t> indices, std::uint32_t effect,
            TextureId texture) override;
  // Recorded like a draw; a frame that starts with it covers the whole buffer.
  bool Clear(std::uint32_t colourArgb);

  // Ends the frame: replays it into the target unless it repeats the frame already there.
  // True when the back buffer changed.
  bool Commit();
  bool Pending() const { return !recording_.ops.empty(); }
  // The target's back buffer no longer holds the last frame (lost, recreated, drawn over).
  void Invalidate() { stale_ = true; }

  std::uint64_t FramesDrawn() const { return framesDrawn_; }
  std::uint64_t FramesRepeated() const { return framesRepeated_; }
  // Draw calls of the last committed frame.
  std::size_t LastDrawCalls() const { return lastDrawCalls_; }

 private:
  enum class OpKind : std::uint8_t { kClear, kState, kDraw };
  struct Op {
    OpKind op = OpKind::kDraw;
    PrimitiveKind kind = PrimitiveKind::kTriangles;
    CanvasState state;
    std::uint32_t value = 0;  // the clear colour, or the draw's effect code
    TextureId texture = 0;
    std::uint32_t firstVertex = 0, vertexCount = 0;
    std::uint32_t firstIndex = 0, indexCount = 0;
    bool operator==(const Op& other) const;
  };
  struct Frame {
    std::vector<Op> ops;
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;
    void Reset();
    bool operator==(const Frame& other) const;
  };

  void Replay();

  RenderBackend& target_;
  std::function<bool(std::uint32_t)> clear_;
  Frame recording_, shown_;
  bool stale_ = true;
  std::uint64_t framesDrawn_ = 0, framesRepeated_ = 0;
  std::size_t lastDrawCalls_ = 0;
};

}  // namespace vellara
