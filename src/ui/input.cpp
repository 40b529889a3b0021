#include "ui/input.h"

#include "game/board.h"
#include "game/settings.h"
#include "game/turn.h"
#include "ui/application.h"
#include "ui/audio_cues.h"
#include "ui/presentation.h"
#include "ui/screens.h"

namespace vellara {
namespace {

ApplicationControl* application = nullptr;

bool BoardInPlay() {
  return Scene().screenMode == ScreenMode::Game && Scene().overlayKind == OverlayKind::NoOverlay;
}

void MainMenuClick(int row) {
  switch (row) {
    case 1:
      return StartGame();
    case 2:
      return ShowHelp();
    case 3:
      return ShowOptions();
    case 4:
      return ShowCredits();
    case 5:
      return AskQuit();
    default:
      return;
  }
}

void QuitConfirmClick(int button) {
  if (button == 1) BackToMenu();
  if (button == 2) EndApplication();
}

void OptionsClick(int row) {
  if (row < 1 || row > 10) return;
  PlayCue(2);
  switch (row) {
    case 1:
      return CycleArmy();
    case 2:
      return CycleDifficulty();
    case 3:
      return CycleTimeLimit();
    case 4:
      return CycleVellaraMode();
    case 5:
      return CycleBackground();
    case 6:
      return CycleClassicBoard();
    case 7:
      return MusicSwitch();
    case 8:
      return CycleSoundEffects();
    case 9:
      return CycleBestVariant();
    case 10:
      return BackToMenu();
    default:
      return;
  }
}

void CloseOverlay() {
  Scene().overlayKind = OverlayKind::NoOverlay;
  Scene().OverlayHover = 0;
}

void ContinueClick(int button) {
  if (button < 1 || button > 3) return;
  PlayCue(2);
  if (button == 1) CloseOverlay();
  if (button == 2) {
    NewGame();
    CloseOverlay();
  }
  if (button == 3) BackToMenu();
}

void OverlayClick() {
  const int hover = Scene().OverlayHover;
  switch (Scene().overlayKind) {
    case OverlayKind::MainMenu:
      return MainMenuClick(hover);
    case OverlayKind::QuitConfirm:
      return QuitConfirmClick(hover);
    case OverlayKind::OptionsWindow:
      return OptionsClick(hover);
    case OverlayKind::BackToMenuButton:
      if (hover == 1) BackToMenu();
      return;
    case OverlayKind::ContinueWindow:
      return ContinueClick(hover);
    case OverlayKind::NoOverlay:
      return;
  }
}

// The size steps test their bound before stepping, so a value may end past it by less
// than one step.
void StepFigureScale(double step) {
  double& scale = Scene().FigureScale;
  if (step > 0 ? scale < 1.0 : scale > 0.3) scale += step;
}

void StepClassicBoardSize(int step) {
  int& size = Scene().ClassicBoardSize;
  if (step > 0 ? size < 76 : size > 27) size += step;
}

void GameKey(char key) {
  switch (key) {
    case kEscapeKey:
      return BackToMenu();
    case '1':
      return StepFigureScale(0.01);
    case '2':
      return StepFigureScale(-0.01);
    case '4':
      return StepClassicBoardSize(1);
    case '5':
      return StepClassicBoardSize(-1);
    case '0':
      return NewGame();
    default:
      return;
  }
}

}  // namespace

void SetApplicationControl(ApplicationControl* control) {
  application = control;
}

void EndApplication() {
  if (application != nullptr) application->EndApplication();
}

void ToolbarAction(int slot) {
  switch (slot) {
    case 1:
      return CycleOrientation();
    case 2:
      return StepFigureScale(0.03);
    case 3:
      return StepFigureScale(-0.03);
    case 4:
      return ToggleClassicBoard();
    case 5:
      return StepClassicBoardSize(7);
    case 6:
      return StepClassicBoardSize(-7);
    case 7:
      return MoveBack();
    case 8:
      return MoveForward();
    case 9:
      Scene().overlayKind = OverlayKind::ContinueWindow;
      return;
    default:
      return;
  }
}

void FormMouseMove(int x, int y) {
  Presentation& scene = Scene();
  scene.MouseX = x;
  scene.MouseY = y;
  if (BoardInPlay()) {
    const TurnState turn = Game().turnState;
    if (turn == TurnState::ChoosePromotion) {
      PromotionHover(x, y);
    } else {
      if (turn == TurnState::PlayerMove || turn == TurnState::ComputerThinking) {
        Game().HoverSquare = SquareAtPoint(x, y);
      }
      scene.ToolbarHover = ToolbarSlotAt(x, y);
    }
  }
  if (scene.overlayKind != OverlayKind::NoOverlay) scene.OverlayHover = OverlayRowAt(x, y);
}

void FormMouseDown(int x, int y) {
  Presentation& scene = Scene();
  scene.MouseX = x;
  scene.MouseY = y;
  if (BoardInPlay()) {
    if (Game().turnState == TurnState::ChoosePromotion) {
      ChoosePromotion();
    } else {
      if (Game().turnState == TurnState::PlayerMove) BoardClick(x, y);
      ToolbarAction(scene.ToolbarHover);
    }
  }
  // Read after the toolbar: slot 9 has just opened the continue window with no row hovered.
  OverlayClick();
}

void FormKeyPress(char key) {
  switch (Scene().screenMode) {
    case ScreenMode::Title:
      if (key != kEscapeKey) return;
      if (Scene().overlayKind == OverlayKind::OptionsWindow) return BackToMenu();
      return AskQuit();
    case ScreenMode::Game:
      return GameKey(key);
    case ScreenMode::Credits:
      if (key == kEscapeKey) BackToMenu();
      return;
    case ScreenMode::Help:
    case ScreenMode::Startup:
      return;
  }
}

void TimerProcess() {
  AnimateScene();
  if (Game().SlideRunning) AdvanceSlide();
}

}  // namespace vellara
