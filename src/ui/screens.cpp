#include "ui/screens.h"

#include "game/board.h"
#include "ui/audio_cues.h"
#include "ui/presentation.h"

namespace vellara {
namespace {

void Show(ScreenMode screen, OverlayKind overlay) {
  Scene().screenMode = screen;
  Scene().overlayKind = overlay;
  Scene().OverlayHover = 0;
}

}  // namespace

void StartGame() {
  NewGame();
  Show(ScreenMode::Game, OverlayKind::NoOverlay);
  PlayMusic(kMainTrack);
}

void ShowHelp() {
  Show(ScreenMode::Help, OverlayKind::BackToMenuButton);
  PlayMusic(kMainTrack);
}

void ShowOptions() {
  Show(ScreenMode::Title, OverlayKind::OptionsWindow);
}

void ShowCredits() {
  Scene().CreditsScroll = {1, 0};
  Show(ScreenMode::Credits, OverlayKind::BackToMenuButton);
  PlayMusic(kMainTrack);
}

void AskQuit() {
  Show(ScreenMode::Title, OverlayKind::QuitConfirm);
}

void BackToMenu() {
  if (Scene().screenMode != ScreenMode::Title) PlayMusic(kTitleTrack);
  Show(ScreenMode::Title, OverlayKind::MainMenu);
}

}  // namespace vellara
