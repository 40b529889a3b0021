#include "engine/engine.h"
#include "game/game_analysis.h"
#include "game/timer1.h"

namespace vellara {
namespace {

Timer1* timer1 = nullptr;
GameAnalysis* analysis = nullptr;

}  // namespace

void SetTimer1(Timer1* timer) {
  timer1 = timer;
}

void EnableTimer1() {
  if (timer1 != nullptr) timer1->Enable();
}

void DisableTimer1() {
  if (timer1 != nullptr) timer1->Disable();
}

void SetGameAnalysis(GameAnalysis* replacement) {
  analysis = replacement;
}

void RestartGameAnalysis() {
  if (analysis != nullptr) return analysis->Restart();
  RestartAnalysis();
}

void StopGameAnalysis() {
  if (analysis != nullptr) return analysis->Stop();
  StopAnalysis();
}

std::optional<EngineMove> GameBestMove() {
  if (analysis != nullptr) return analysis->BestMove();
  return EngineBestMove();
}

}  // namespace vellara
