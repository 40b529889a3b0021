// The engine as the game sees it: one analysis thread that deepens step after step on
// the game's board until stopped, publishing its best move and best-variant text, and
// the questions the game asks on its own thread.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "engine/board_provider.h"
#include "engine/position.h"

namespace vellara {

// The record where the game and the analysis thread meet; one instance.
struct Engine {
  EnginePosition queryPosition;        // game thread only, for GameBoardState
  std::mutex publishLock;              // guards bestMove and text together
  std::optional<EngineMove> bestMove;  // nullopt while invalid
  std::string text;                    // best-variant text, "Mate" or "Draw"
  std::atomic<bool> stop{false};
  std::thread analysisThread;  // the one engine thread, or none
  GameBoardProvider* board = nullptr;
};

Engine& TheEngine();

// The game board the engine reads; set before the first analysis, cleared at shutdown.
void SetGameBoard(GameBoardProvider* board);

// Game thread. StartAnalysis invalidates the published move before it returns.
void StartAnalysis();
void StopAnalysis();  // returns once the thread has ended
void RestartAnalysis();
bool AnalysisRunning();

std::optional<EngineMove> EngineBestMove();
std::string EngineVariantText();
PositionState GameBoardState();

// A uniformly drawn move of the position's list; the list must not be empty.
EngineMove RandomMove(const EnginePosition& position);

// The thread's body; runs the deepening steps until the stop flag is set.
void AnalysisLoop();

// Called by the search when it records a root move: move and text as one unit.
void PublishAnalysis(const EngineMove& move, std::string text);

// The deepening steps of one analysis run synchronously on the caller's thread, on a
// fixed board: the benchmark's and the tests' way to search without the thread. Uses
// the searcher and the engine's published move and text like the thread does.
// `afterStep`, when given, is called with the number of each completed step.
struct AlphaBeta;
void RunFixedSteps(AlphaBeta& searcher, const BoardSnapshot& snapshot, Army side, int steps,
                   const std::function<void(int)>& afterStep = {});

// Counts completed deepening steps, for tests and tools.
int CompletedAnalysisSteps();

}  // namespace vellara
