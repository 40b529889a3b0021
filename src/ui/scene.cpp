#include "ui/scene.h"

#include <mutex>

#include "engine/engine.h"
#include "game/board.h"
#include "game/game_analysis.h"
#include "game/settings.h"
#include "game/turn.h"
#include "ui/audio_cues.h"
#include "ui/presentation.h"

namespace vellara {

void SceneCreate() {
  {
    std::lock_guard<std::mutex> hold(BoardLock());
    Board() = SceneBoard{};
  }
  Game() = GameState{};
  Scene() = Presentation{};
  HistoryClear();
  Scene().CreditsScroll = {1, 0};
  DefaultSettings();
  SetGameBoard(&GameBoard());
  Scene().screenMode = ScreenMode::Startup;
  Scene().overlayKind = OverlayKind::MainMenu;
}

void SceneReady() {
  Scene().screenMode = ScreenMode::Title;
  Scene().PulseHeight = 20;
  Scene().PulseStep = -1;
  Game().turnState = TurnState::PlayerMove;
  RestartGameAnalysis();
  PlayMusic(kTitleTrack);
}

void SceneClose() {
  StopMusicPlaying();
  StopGameAnalysis();
}

}  // namespace vellara
