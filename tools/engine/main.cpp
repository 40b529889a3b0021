// vellara-engine: the engine's command line.
//
//   vellara-engine perft DEPTH [FEN|startpos] [--divide] [--vellara]
//   vellara-engine bench
//   vellara-engine analyse [FEN|startpos] [--seconds S] [--vellara]
#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/bench_positions.h"
#include "engine/engine.h"
#include "engine/fen.h"
#include "engine/notation.h"
#include "engine/perft.h"
#include "engine/random.h"
#include "engine/search.h"
#include "engine/settings_query.h"

namespace {

using namespace vellara;
using Clock = std::chrono::steady_clock;

constexpr const char* kUsage =
    "usage: vellara-engine perft DEPTH [FEN|startpos] [--divide] [--vellara]\n"
    "       vellara-engine bench\n"
    "       vellara-engine analyse [FEN|startpos] [--seconds S] [--vellara]\n";

int Fail(const std::string& message) {
  std::cerr << "vellara-engine: " << message << "\n";
  return 2;
}

std::optional<long> ParseNumber(std::string_view text, long low, long high) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

struct Arguments {
  std::string position = "startpos";
  bool divide = false;
  bool vellara = false;
  std::optional<std::string> seconds;
  std::string error;
};

// Words that are not options form the position; a FEN comes as one argument or several.
Arguments ParseArguments(const std::vector<std::string>& words) {
  Arguments args;
  std::string position;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word == "--divide") {
      args.divide = true;
    } else if (word == "--vellara") {
      args.vellara = true;
    } else if (word == "--seconds") {
      if (i + 1 >= words.size()) {
        args.error = "--seconds needs a value";
        return args;
      }
      args.seconds = words[++i];
    } else if (word.starts_with("--")) {
      args.error = "unknown option '" + word + "'";
      return args;
    } else {
      if (!position.empty()) position += ' ';
      position += word;
    }
  }
  if (!position.empty()) args.position = position;
  return args;
}

std::atomic<std::int32_t> vellaraSetting{2};

void ApplyVellara(bool on) {
  vellaraSetting.store(on ? 1 : 2);
  BindVellaraModeSetting(&vellaraSetting);
}

int RunPerft(const std::vector<std::string>& words) {
  if (words.empty()) return Fail("perft needs a depth");
  const auto depth = ParseNumber(words[0], 0, 20);
  if (!depth) return Fail("perft depth must be a whole number from 0 to 20");
  const Arguments args = ParseArguments({words.begin() + 1, words.end()});
  if (!args.error.empty()) return Fail(args.error);
  const FenResult fen = ParseFen(args.position);
  if (!fen.position) return Fail(fen.error);
  ApplyVellara(args.vellara);

  auto position = std::make_unique<EnginePosition>();
  LoadPosition(*position, fen.position->snapshot, fen.position->side);
  const auto start = Clock::now();
  std::uint64_t nodes = 0;
  if (args.divide) {
    for (const auto& [move, count] :
         PerftDivide(*position, fen.position->side, static_cast<int>(*depth))) {
      std::cout << MoveText(move) << " (" << CoordinateText(move) << ") " << count << "\n";
      nodes += count;
    }
  } else {
    nodes = Perft(*position, fen.position->side, static_cast<int>(*depth));
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::fprintf(stdout, "time %.3f s, %.0f leaves/s\n", seconds,
               seconds > 0 ? static_cast<double>(nodes) / seconds : 0.0);
  std::cout << "nodes " << nodes << std::endl;
  return 0;
}

int RunBench() {
  ApplyVellara(false);
  SetFixedRandomSeed(kBenchSeed);
  AlphaBeta& searcher = TheSearcher();
  std::uint64_t totalNodes = 0;
  std::uint64_t totalEvaluations = 0;
  double totalSeconds = 0;
  int index = 0;
  for (const BenchPosition& bench : kBenchPositions) {
    const FenResult fen = ParseFen(bench.fen);
    if (!fen.position) return Fail("bench position " + std::to_string(index) + ": " + fen.error);
    TheSearchCounters() = {};
    const auto start = Clock::now();
    auto stepStart = start;
    double lastStepSeconds = 0;
    RunFixedSteps(searcher, fen.position->snapshot, fen.position->side, kBenchSteps, [&](int) {
      const auto now = Clock::now();
      lastStepSeconds = std::chrono::duration<double>(now - stepStart).count();
      stepStart = now;
    });
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const SearchCounters counts = TheSearchCounters();
    std::printf(
        "%2d %-15s nodes %9llu  evaluations %10llu  time %7.3f s  last step %7.3f s  nps %9.0f  "
        "%s\n",
        ++index, bench.name, static_cast<unsigned long long>(counts.nodes),
        static_cast<unsigned long long>(counts.evaluations), seconds, lastStepSeconds,
        seconds > 0 ? static_cast<double>(counts.nodes) / seconds : 0.0, searcher.bestLine.c_str());
    totalNodes += counts.nodes;
    totalEvaluations += counts.evaluations;
    totalSeconds += seconds;
  }
  SetFixedRandomSeed(std::nullopt);
  std::printf("total: nodes %llu evaluations %llu time %.3f s nps %.0f\n",
              static_cast<unsigned long long>(totalNodes),
              static_cast<unsigned long long>(totalEvaluations), totalSeconds,
              totalSeconds > 0 ? static_cast<double>(totalNodes) / totalSeconds : 0.0);
  std::printf("signature %llu\n", static_cast<unsigned long long>(totalNodes));
  return 0;
}

int RunAnalyse(const std::vector<std::string>& words) {
  const Arguments args = ParseArguments(words);
  if (!args.error.empty()) return Fail(args.error);
  double seconds = 3;
  if (args.seconds) {
    try {
      std::size_t used = 0;
      seconds = std::stod(*args.seconds, &used);
      if (used != args.seconds->size() || !(seconds > 0 && seconds <= 86400))
        throw std::invalid_argument("");
    } catch (const std::exception&) {
      return Fail("--seconds must be a number above 0 and at most 86400");
    }
  }
  const FenResult fen = ParseFen(args.position);
  if (!fen.position) return Fail(fen.error);
  ApplyVellara(args.vellara);

  FixedBoardProvider board(fen.position->snapshot, fen.position->side);
  SetGameBoard(&board);
  StartAnalysis();
  const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
  std::string shown;
  while (Clock::now() < deadline) {
    const std::string text = EngineVariantText();
    if (text != shown) {
      const int step = CompletedAnalysisSteps() + 1;
      std::cout << "step " << step << " (" << 7 + step << ", " << 1 + step << "): " << text
                << std::endl;
      shown = text;
    }
    if (text == "Mate" || text == "Draw") break;  // decided: the analysis has ended
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  StopAnalysis();
  const std::optional<EngineMove> best = EngineBestMove();
  SetGameBoard(nullptr);
  std::cout << "completed steps " << CompletedAnalysisSteps() << "\n";
  std::cout << "bestmove " << (best ? CoordinateText(*best) : std::string("(none)")) << std::endl;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty()) return Fail("no command given (try --help)");
  const std::string command = words[0];
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  words.erase(words.begin());
  if (command == "perft") return RunPerft(words);
  if (command == "bench") return RunBench();
  if (command == "analyse" || command == "analyze") return RunAnalyse(words);
  return Fail("unknown command '" + command + "' (try --help)");
}
