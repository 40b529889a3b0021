#include "gfx/frame_recorder.h"

#include <cstring>
#include <utility>

namespace vellara {

namespace {

bool SameState(const CanvasState& a, const CanvasState& b) {
  return a.antialias == b.antialias && a.dithering == b.dithering &&
         a.alphaTesting == b.alphaTesting;
}

}  // namespace

bool FrameRecorder::Op::operator==(const Op& other) const {
  return op == other.op && kind == other.kind && SameState(state, other.state) &&
         value == other.value && texture == other.texture && firstVertex == other.firstVertex &&
         vertexCount == other.vertexCount && firstIndex == other.firstIndex &&
         indexCount == other.indexCount;
}

void FrameRecorder::Frame::Reset() {
  ops.clear();
  vertices.clear();
  indices.clear();
}

bool FrameRecorder::Frame::operator==(const Frame& other) const {
  // Vertices are compared bit for bit: a position that moved by any amount is a change.
  return ops == other.ops && indices == other.indices && vertices.size() == other.vertices.size() &&
         (vertices.empty() || std::memcmp(vertices.data(), other.vertices.data(),
                                          vertices.size() * sizeof(Vertex)) == 0);
}

FrameRecorder::FrameRecorder(RenderBackend& target, std::function<bool(std::uint32_t)> clear)
    : target_(target), clear_(std::move(clear)) {}

TextureId FrameRecorder::CreateTexture(int width, int height, const std::uint32_t* pixels,
                                       bool mipmaps) {
  stale_ = true;
  return target_.CreateTexture(width, height, pixels, mipmaps);
}

void FrameRecorder::DestroyTexture(TextureId texture) {
  stale_ = true;
  target_.DestroyTexture(texture);
}

void FrameRecorder::SetState(const CanvasState& state) {
  Op op;
  op.op = OpKind::kState;
  op.state = state;
  recording_.ops.push_back(op);
}

bool FrameRecorder::Clear(std::uint32_t colourArgb) {
  Op op;
  op.op = OpKind::kClear;
  op.value = colourArgb;
  recording_.ops.push_back(op);
  return true;
}

bool FrameRecorder::Draw(PrimitiveKind kind, std::span<const Vertex> vertices,
                         std::span<const std::uint32_t> indices, std::uint32_t effect,
                         TextureId texture) {
  Op op;
  op.kind = kind;
  op.value = effect;
  op.texture = texture;
  op.firstVertex = static_cast<std::uint32_t>(recording_.vertices.size());
  op.vertexCount = static_cast<std::uint32_t>(vertices.size());
  op.firstIndex = static_cast<std::uint32_t>(recording_.indices.size());
  op.indexCount = static_cast<std::uint32_t>(indices.size());
  recording_.vertices.insert(recording_.vertices.end(), vertices.begin(), vertices.end());
  recording_.indices.insert(recording_.indices.end(), indices.begin(), indices.end());
  recording_.ops.push_back(op);
  return true;
}

bool FrameRecorder::Commit() {
  if (recording_.ops.empty()) return false;
  const bool covers = recording_.ops.front().op == OpKind::kClear;
  if (covers && !stale_ && recording_ == shown_) {
    ++framesRepeated_;
    recording_.Reset();
    return false;
  }
  Replay();
  ++framesDrawn_;
  // Only a frame that covers the whole buffer is a picture that can be repeated; after any
  // other the buffer's content depends on what came before.
  if (covers) {
    std::swap(recording_, shown_);
  } else {
    stale_ = true;
  }
  recording_.Reset();
  return true;
}

void FrameRecorder::Replay() {
  bool ok = true;
  std::size_t draws = 0;
  for (const Op& op : recording_.ops) {
    switch (op.op) {
      case OpKind::kClear:
        ok = clear_(op.value) && ok;
        break;
      case OpKind::kState:
        target_.SetState(op.state);
        break;
      case OpKind::kDraw:
        ok = target_.Draw(op.kind,
                          std::span(recording_.vertices).subspan(op.firstVertex, op.vertexCount),
                          std::span(recording_.indices).subspan(op.firstIndex, op.indexCount),
                          op.value, op.texture) &&
             ok;
        ++draws;
        break;
    }
  }
  lastDrawCalls_ = draws;
  // A frame the target could not draw whole is drawn again next time.
  stale_ = !ok;
}

}  // namespace vellara
