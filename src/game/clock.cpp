#include "game/clock.h"

#include "engine/engine.h"
#include "game/board.h"
#include "game/settings.h"
#include "game/turn.h"
#include "ui/texts.h"

namespace vellara {

void ClockTick() {
  SceneBoard& board = Board();
  if (board.SideToMove == kBlondes) {
    board.BlondesSeconds += 1;
  } else {
    board.BrunettesSeconds += 1;
  }
  board.MoveSeconds += 1;
  if (board.MoveSeconds >= MoveTimeLimit() && Game().turnState == TurnState::ComputerThinking) {
    StartComputerMove();
  }
}

std::int32_t MoveTimeLimit() {
  const std::int32_t index = Settings().TimeLimit;
  if (index < 0 || index >= static_cast<std::int32_t>(kMoveTimeLimits.size())) {
    return kMoveTimeLimits[0];
  }
  return Board().MoveTimeLimits[static_cast<std::size_t>(index)];
}

std::string EndText() {
  std::string text(kStatusGameOver);
  if (GameBoardState() == kDraw) {
    text += kResultDraw;
  } else if (Board().SideToMove < 0) {
    text += kResultBlondesWin;
  } else {
    text += kResultBrunettesWin;
  }
  return text;
}

std::string StatusText() {
  switch (Game().turnState) {
    case TurnState::PlayerMove:
      return std::string(kStatusPlayerMove);
    case TurnState::ComputerThinking:
      return std::string(kStatusThinking);
    case TurnState::ComputerSlides:
      return std::string(kStatusSliding);
    case TurnState::GameOver:
      return EndText();
    case TurnState::ChoosePromotion:
      return std::string(kStatusSelectPiece);
  }
  return {};
}

}  // namespace vellara
