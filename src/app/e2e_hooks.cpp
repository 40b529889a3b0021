#include "app/e2e_hooks.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <mutex>

#include "game/board.h"
#include "game/game_analysis.h"
#include "game/turn.h"
#include "ui/presentation.h"

namespace vellara {

namespace {

using TraceClock = std::chrono::steady_clock;
// Taken while the program's statics are made, just after it was loaded.
const TraceClock::time_point kProgramStart = TraceClock::now();

long long MillisecondsSinceStart() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(TraceClock::now() - kProgramStart)
      .count();
}

void AppendTrace(const std::string& line) {
  const char* path = std::getenv("VELLARA_TRACE_LOG");
  if (path == nullptr || *path == 0) return;
  if (std::FILE* f = std::fopen(path, "a")) {
    std::fputs(line.c_str(), f);
    std::fputc('\n', f);
    std::fclose(f);
  }
}

struct Placed {
  const char* square;
  int code;
};

int SquareNumber(const char* name) {
  return (8 - (name[1] - '0')) * 8 + (name[0] - 'a') + 1;
}

// A fresh game whose board is replaced, the player (the Blondes) to move.
void SetUpGame(std::initializer_list<Placed> pieces) {
  NewGame();
  BoardSnapshot squares{};
  for (const Placed& p : pieces)
    squares[static_cast<std::size_t>(SquareNumber(p.square) - 1)] =
        static_cast<std::int8_t>(p.code);
  {
    std::lock_guard<std::mutex> hold(BoardLock());
    Board().Squares = squares;
    Board().SideToMove = kBlondes;
  }
  Game().turnState = TurnState::PlayerMove;
  RestartGameAnalysis();
}

}  // namespace

bool RecordMessage(const std::string& text) {
  const char* log = std::getenv("VELLARA_MESSAGE_LOG");
  if (!log || !*log) return false;
  std::FILE* f = std::fopen(log, "a");
  if (!f) return false;
  std::fprintf(f, "%s\n", text.c_str());
  std::fclose(f);
  return true;
}

bool HookKey(char key) {
  if (Scene().screenMode != ScreenMode::Game) return false;
  if (key == 'P') {
    SetUpGame({{"e1", 6}, {"g7", 1}, {"b6", -6}, {"a7", -1}});
    return true;
  }
  if (key == 'M') {
    SetUpGame({{"g1", 6},
               {"a1", 4},
               {"f2", 1},
               {"g2", 1},
               {"h2", 1},
               {"h8", -6},
               {"g7", -1},
               {"h7", -1}});
    return true;
  }
  return false;
}

void TraceStage(const char* name) {
  AppendTrace("stage " + std::string(name) + " " + std::to_string(MillisecondsSinceStart()));
}

void TraceFrames(std::uint64_t drawn, std::uint64_t repeated, std::size_t drawCalls) {
  static long long lastSecond = -1;
  const long long second = MillisecondsSinceStart() / 1000;
  if (second == lastSecond) return;
  lastSecond = second;
  AppendTrace("frames " + std::to_string(MillisecondsSinceStart()) + " " + std::to_string(drawn) +
              " " + std::to_string(repeated) + " " + std::to_string(drawCalls));
}

}  // namespace vellara
