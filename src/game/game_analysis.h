// The analysis as the game drives it: restart after every change of the board, and the
// best move when the computer's time is up. By default this is the engine's analysis
// thread; tests that must not start a thread install their own.
#pragma once

#include <optional>

#include "engine/types.h"

namespace vellara {

class GameAnalysis {
 public:
  virtual ~GameAnalysis() = default;
  virtual void Restart() = 0;
  virtual void Stop() = 0;
  // nullopt while no move has been published for the current board.
  virtual std::optional<EngineMove> BestMove() = 0;
};

// nullptr brings back the engine's analysis thread.
void SetGameAnalysis(GameAnalysis* analysis);

void RestartGameAnalysis();
void StopGameAnalysis();
std::optional<EngineMove> GameBestMove();

}  // namespace vellara
