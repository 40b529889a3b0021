// How the engine reads the game's board: a snapshot and the side to move, copied under
// the board lock that the game holds while it changes either of them.
#pragma once

#include <mutex>

#include "engine/types.h"

namespace vellara {

class GameBoardProvider {
 public:
  virtual ~GameBoardProvider() = default;
  virtual std::mutex& BoardLock() = 0;
  // Both are read with the board lock held (or on the game's own thread).
  virtual BoardSnapshot ExportSnapshot() const = 0;
  virtual Army SideToMove() const = 0;
};

struct BoardCopy {
  BoardSnapshot snapshot{};
  Army side = 0;
};

// Takes the board lock for the copy only.
inline BoardCopy CopyGameBoard(GameBoardProvider& provider) {
  std::lock_guard<std::mutex> hold(provider.BoardLock());
  return {provider.ExportSnapshot(), provider.SideToMove()};
}

// A board that holds just a snapshot and a side: for tests and tools.
class FixedBoardProvider final : public GameBoardProvider {
 public:
  FixedBoardProvider() = default;
  FixedBoardProvider(BoardSnapshot snapshot, Army side) : snapshot_(snapshot), side_(side) {}

  std::mutex& BoardLock() override { return lock_; }
  BoardSnapshot ExportSnapshot() const override { return snapshot_; }
  Army SideToMove() const override { return side_; }

  // Changes the board under its lock, as the game does.
  void Set(BoardSnapshot snapshot, Army side) {
    std::lock_guard<std::mutex> hold(lock_);
    snapshot_ = snapshot;
    side_ = side;
  }

 private:
  std::mutex lock_;
  BoardSnapshot snapshot_{};
  Army side_ = 0;
};

}  // namespace vellara
