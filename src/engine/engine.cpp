#include "engine/engine.h"

#include <sys/resource.h>
#include <unistd.h>

#include "engine/random.h"
#include "engine/search.h"

namespace vellara {
namespace {

Engine engine;
std::atomic<int> completedSteps{0};

// The analysis runs below normal priority so that the window thread and other programs
// come first. Nice 10 rather than 19: at 19 a machine busy with other work gives the
// thread so little time that noticing a stop can take a tenth of a second (measured),
// and the game waits for that stop after every move. Failing to lower it is harmless.
void LowerThreadPriority() {
  const auto tid = static_cast<id_t>(gettid());
  (void)setpriority(PRIO_PROCESS, tid, 10);
}

void PublishText(std::string text) {
  std::lock_guard<std::mutex> hold(engine.publishLock);
  engine.text = std::move(text);
}

void PublishMove(const EngineMove& move) {
  std::lock_guard<std::mutex> hold(engine.publishLock);
  engine.bestMove = move;
}

BoardCopy ReadBoard() {
  if (engine.board == nullptr) return {};
  return CopyGameBoard(*engine.board);
}

// Reloads the root and resets the window.
void LoadRoot(AlphaBeta& searcher, const BoardCopy& copy) {
  searcher.rootSide = copy.side;
  LoadPosition(searcher.rootPosition, copy.snapshot, copy.side);
  searcher.alpha = kRootAlpha;
  searcher.beta = kRootBeta;
  searcher.rootVariation.clear();
}

void BeginAnalysis(AlphaBeta& searcher, const BoardCopy& copy) {
  LoadRoot(searcher, copy);
  searcher.LeafDepth = 8;
  searcher.FullWidthDepth = 2;
  searcher.RootBestScore = kRootAlpha;
  searcher.bestLine.clear();
}

}  // namespace

Engine& TheEngine() {
  return engine;
}

void SetGameBoard(GameBoardProvider* board) {
  engine.board = board;
}

void PublishAnalysis(const EngineMove& move, std::string text) {
  std::lock_guard<std::mutex> hold(engine.publishLock);
  engine.bestMove = move;
  engine.text = std::move(text);
}

void AnalysisLoop() {
  LowerThreadPriority();
  AlphaBeta& searcher = TheSearcher();
  BeginAnalysis(searcher, ReadBoard());
  if (searcher.rootPosition.State == kCheckmate) return PublishText("Mate");
  if (searcher.rootPosition.State == kDraw) return PublishText("Draw");
  // A legal move at once; the text keeps the previous analysis's until a root move is
  // recorded.
  PublishMove(RandomMove(searcher.rootPosition));
  do {
    LoadRoot(searcher, ReadBoard());
    RootSearch();
    if (engine.stop.load(std::memory_order_relaxed)) break;
    completedSteps.fetch_add(1, std::memory_order_relaxed);
    if (searcher.LeafDepth < kMaxLeafDepth) {
      ++searcher.FullWidthDepth;
      ++searcher.LeafDepth;
    }
  } while (!engine.stop.load(std::memory_order_relaxed));
}

void RunFixedSteps(AlphaBeta& searcher, const BoardSnapshot& snapshot, Army side, int steps,
                   const std::function<void(int)>& afterStep) {
  const BoardCopy copy{snapshot, side};
  BeginAnalysis(searcher, copy);
  if (searcher.rootPosition.State != kPlayOn) return;
  for (int step = 0; step < steps; ++step) {
    LoadRoot(searcher, copy);
    RootSearch();
    if (afterStep) afterStep(step + 1);
    if (searcher.LeafDepth < kMaxLeafDepth) {
      ++searcher.FullWidthDepth;
      ++searcher.LeafDepth;
    }
  }
}

void StartAnalysis() {
  if (engine.analysisThread.joinable()) StopAnalysis();
  engine.stop.store(false, std::memory_order_relaxed);
  {
    std::lock_guard<std::mutex> hold(engine.publishLock);
    engine.bestMove.reset();
  }
  completedSteps.store(0, std::memory_order_relaxed);
  engine.analysisThread = std::thread(AnalysisLoop);
}

void StopAnalysis() {
  engine.stop.store(true, std::memory_order_relaxed);
  if (engine.analysisThread.joinable()) engine.analysisThread.join();
}

void RestartAnalysis() {
  StopAnalysis();
  StartAnalysis();
}

bool AnalysisRunning() {
  return engine.analysisThread.joinable();
}

std::optional<EngineMove> EngineBestMove() {
  std::lock_guard<std::mutex> hold(engine.publishLock);
  return engine.bestMove;
}

std::string EngineVariantText() {
  std::lock_guard<std::mutex> hold(engine.publishLock);
  return engine.text;
}

PositionState GameBoardState() {
  const BoardCopy copy = ReadBoard();
  LoadPosition(engine.queryPosition, copy.snapshot, copy.side);
  return static_cast<PositionState>(engine.queryPosition.State);
}

EngineMove RandomMove(const EnginePosition& position) {
  ReseedRandom();
  const auto count = static_cast<std::uint32_t>(position.MoveCount);
  return position.moveList[RandomBelow(count)];
}

int CompletedAnalysisSteps() {
  return completedSteps.load(std::memory_order_relaxed);
}

}  // namespace vellara
