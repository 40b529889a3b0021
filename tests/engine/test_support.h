// Small helpers shared by the engine tests.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "engine/fen.h"
#include "engine/notation.h"
#include "engine/position.h"
#include "engine/settings_query.h"

namespace vellara::testing {

inline FenPosition Fen(const std::string& text) {
  const FenResult result = ParseFen(text);
  EXPECT_TRUE(result.position.has_value()) << text << ": " << result.error;
  return result.position.value_or(FenPosition{});
}

// Loads a FEN into a fresh position (positions are large: keep them off the stack).
inline std::unique_ptr<EnginePosition> Load(const std::string& fen) {
  auto position = std::make_unique<EnginePosition>();
  const FenPosition parsed = Fen(fen);
  LoadPosition(*position, parsed.snapshot, parsed.side);
  return position;
}

inline std::vector<std::string> MoveTexts(const EnginePosition& position) {
  std::vector<std::string> texts;
  for (int i = 0; i < MoveCount(position); ++i) texts.push_back(MoveText(MoveAt(position, i)));
  return texts;
}

inline Cell CellAt(const char* name) {
  return MakeCell(name[0] - 'a', name[1] - '1');
}

// Turns Vellara Mode on or off for the life of the object.
class ScopedVellaraMode {
 public:
  explicit ScopedVellaraMode(bool on) : value_(on ? 1 : 2) { BindVellaraModeSetting(&value_); }
  ~ScopedVellaraMode() { BindVellaraModeSetting(nullptr); }
  ScopedVellaraMode(const ScopedVellaraMode&) = delete;
  ScopedVellaraMode& operator=(const ScopedVellaraMode&) = delete;
  void Set(bool on) { value_.store(on ? 1 : 2); }

 private:
  std::atomic<std::int32_t> value_;
};

}  // namespace vellara::testing
