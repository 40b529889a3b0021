// Engine micro-benchmarks: generation, make/unmake, evaluation, perft, one search step,
// and how long StopAnalysis takes in the middle of a deep step.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <thread>

#include "engine/bench_positions.h"
#include "engine/engine.h"
#include "engine/evaluate.h"
#include "engine/fen.h"
#include "engine/make_move.h"
#include "engine/movegen.h"
#include "engine/perft.h"
#include "engine/random.h"
#include "engine/search.h"

namespace vellara {
namespace {

std::unique_ptr<EnginePosition> LoadBench(std::size_t index, Army* side = nullptr) {
  const FenResult fen = ParseFen(kBenchPositions[index].fen);
  auto position = std::make_unique<EnginePosition>();
  LoadPosition(*position, fen.position->snapshot, fen.position->side);
  if (side != nullptr) *side = fen.position->side;
  return position;
}

constexpr std::size_t kBenchCount = std::size(kBenchPositions);

void BM_GenerateMoves(benchmark::State& state) {
  Army side = 0;
  auto position = LoadBench(static_cast<std::size_t>(state.range(0)), &side);
  for (auto _ : state) benchmark::DoNotOptimize(GenerateMoves(*position, side));
  state.SetLabel(kBenchPositions[state.range(0)].name);
}
BENCHMARK(BM_GenerateMoves)->DenseRange(0, kBenchCount - 1);

void BM_CountLegalMoves(benchmark::State& state) {
  Army side = 0;
  auto position = LoadBench(static_cast<std::size_t>(state.range(0)), &side);
  for (auto _ : state) benchmark::DoNotOptimize(CountLegalMoves(*position, side));
  state.SetLabel(kBenchPositions[state.range(0)].name);
}
BENCHMARK(BM_CountLegalMoves)->DenseRange(0, kBenchCount - 1);

void BM_MakeUnmakeAll(benchmark::State& state) {
  auto position = LoadBench(1);  // kiwipete: captures and castling
  const MoveList moves = position->moveList;
  const int count = position->MoveCount;
  for (auto _ : state) {
    for (int i = 0; i < count; ++i) {
      MakeMove(*position, moves[static_cast<std::size_t>(i)]);
      UnmakeMove(*position, moves[static_cast<std::size_t>(i)]);
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_MakeUnmakeAll);

void BM_Evaluate(benchmark::State& state) {
  auto position = LoadBench(0);
  SetFixedRandomSeed(state.range(0) != 0 ? std::optional<std::uint64_t>(1) : std::nullopt);
  for (auto _ : state) benchmark::DoNotOptimize(Evaluate(*position));
  SetFixedRandomSeed(std::nullopt);
  state.SetLabel(state.range(0) != 0 ? "fixed seed" : "clock reseed");
}
BENCHMARK(BM_Evaluate)->Arg(0)->Arg(1);

void BM_PerftStart5(benchmark::State& state) {
  auto position = LoadBench(0);
  std::uint64_t leaves = 0;
  for (auto _ : state) leaves = Perft(*position, kBlondes, 5);
  state.counters["leaves/s"] = benchmark::Counter(static_cast<double>(leaves),
                                                  benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PerftStart5)->Unit(benchmark::kMillisecond);

// The deepening steps (8, 2), (9, 3), (10, 4) of one analysis, synchronously.
void BM_ThreeDeepeningSteps(benchmark::State& state) {
  const FenResult fen = ParseFen(kBenchPositions[state.range(0)].fen);
  SetFixedRandomSeed(kBenchSeed);
  for (auto _ : state)
    RunFixedSteps(TheSearcher(), fen.position->snapshot, fen.position->side, kBenchSteps);
  SetFixedRandomSeed(std::nullopt);
  state.SetLabel(kBenchPositions[state.range(0)].name);
}
BENCHMARK(BM_ThreeDeepeningSteps)->DenseRange(0, kBenchCount - 1)->Unit(benchmark::kMillisecond);

// StopAnalysis while the thread is inside a deep step (the clock starts at the call).
void BM_StopAnalysisLatency(benchmark::State& state) {
  const FenResult fen = ParseFen(kBenchPositions[1].fen);  // kiwipete: long steps
  FixedBoardProvider board(fen.position->snapshot, fen.position->side);
  SetGameBoard(&board);
  for (auto _ : state) {
    StartAnalysis();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const auto start = std::chrono::steady_clock::now();
    StopAnalysis();
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  SetGameBoard(nullptr);
}
BENCHMARK(BM_StopAnalysisLatency)->UseManualTime()->Iterations(10)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vellara
