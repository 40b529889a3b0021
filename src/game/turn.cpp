#include "game/turn.h"

#include <cmath>
#include <cstdlib>

#include "engine/engine.h"
#include "game/board.h"
#include "game/game_analysis.h"
#include "game/timer1.h"
#include "ui/audio_cues.h"
#include "ui/presentation.h"

namespace vellara {
namespace {

GameState game;

bool LastRank(int square) {
  return (square >= 1 && square <= 8) || (square >= 57 && square <= 64);
}

}  // namespace

GameState& Game() {
  return game;
}

void BoardClick(int x, int y) {
  // A second move must not start from a board that still lacks the sliding piece.
  if (game.SlideRunning) return;
  const int s = SquareAtPoint(x, y);
  game.HoverSquare = s;
  if (s == 0) return;
  const int oldPicked = game.PickedPiece;
  game.PickedPiece = GetSquare(s);
  if (Board().SideToMove * game.PickedPiece > 0 && ComputeTargets(s)) {
    game.SelectedSquare = s;
    Scene().PortraitZoom = 6.0;
    PlayCue(3);
    return;
  }
  game.PickedPiece = oldPicked;
  if (game.SelectedSquare > 0 && IsTarget(s)) StartPlayerMove(s);
}

void StartPlayerMove(int square) {
  HistoryAppend(TargetMoveAt(square));
  game.SlideToSquare = square;
  game.ArrivalPiece = game.PickedPiece;
  SetSquare(game.SelectedSquare, 0);
  game.SlideStart = SquareCentre(game.SelectedSquare);
  game.SlideEnd = SquareCentre(square);
  SetUpSlide();
  game.SlideFromSquare = game.SelectedSquare;
  game.SelectedSquare = 0;
}

void StartComputerMove() {
  const std::optional<EngineMove> best = GameBestMove();
  if (!best) return;  // nothing published for this board yet: the next tick tries again
  const EngineMove move = *best;
  DisableTimer1();
  HistoryAppend(move);
  PlayCue(move.captured != 0 ? 4 : 6);
  game.turnState = TurnState::ComputerSlides;
  const auto [from, to] = MoveSquares(move);
  game.SlideToSquare = to;
  game.PickedPiece = Board().SideToMove * move.kind;
  game.ArrivalPiece = game.PickedPiece;
  SetSquare(from, 0);
  game.SlideStart = SquareCentre(from);
  game.SlideEnd = SquareCentre(to);
  SetUpSlide();
  game.SlideFromSquare = from;
  game.SelectedSquare = 0;
}

void SetUpSlide() {
  const Point start = game.SlideStart;
  const Point end = game.SlideEnd;
  if (start.x == end.x) game.SlideStep = {0.0, 1.0};
  if (start.y == end.y) game.SlideStep = {1.0, 0.0};
  if (start.x != end.x && start.y != end.y) {
    const int dx = end.x - start.x;
    const int dy = end.y - start.y;
    if (std::abs(dx) < std::abs(dy)) {
      game.SlideStep = {std::abs(static_cast<double>(dx) / dy), 1.0};
    } else {
      game.SlideStep = {1.0, std::abs(static_cast<double>(dy) / dx)};
    }
  }
  if (end.x < start.x) game.SlideStep.x = -game.SlideStep.x;
  if (end.y < start.y) game.SlideStep.y = -game.SlideStep.y;
  game.SlidePos = {static_cast<double>(start.x), static_cast<double>(start.y)};
  game.SlidePixel = start;
  game.SlideRunning = true;
}

void AdvanceSlide() {
  if (!game.SlideRunning) return;
  game.SlidePos.x += kSlideSpeed * game.SlideStep.x;
  game.SlidePos.y += kSlideSpeed * game.SlideStep.y;
  game.SlidePixel = {static_cast<int>(std::nearbyint(game.SlidePos.x)),
                     static_cast<int>(std::nearbyint(game.SlidePos.y))};
  if (std::abs(game.SlidePixel.x - game.SlideEnd.x) <= kSlideSpeed &&
      std::abs(game.SlidePixel.y - game.SlideEnd.y) <= kSlideSpeed) {
    FinishSlide();
  }
}

void FinishSlide() {
  PlayCue(3);
  game.SlideRunning = false;
  PlaceArrival(game.SlideToSquare, game.ArrivalPiece, game.SlideFromSquare);
  if (std::abs(game.ArrivalPiece) == 1 && LastRank(game.SlideToSquare)) {
    game.turnState = TurnState::ChoosePromotion;
    return;
  }
  AfterMove();
  EnableTimer1();
}

void PromotionHover(int x, int y) {
  game.PromotionChoice = 0;
  for (int kind = 2; kind <= 5; ++kind) {
    const int offset = 100 * (kind - 2);
    if (630 < x && x < 720 && 281 + offset < y && y < 371 + offset) game.PromotionChoice = kind;
  }
}

void ChoosePromotion() {
  if (game.PromotionChoice <= 0) return;
  PlayCue(5);
  game.ArrivalPiece = Board().SideToMove * game.PromotionChoice;
  game.PromotionChoice = 0;
  SetSquare(game.SlideToSquare, game.ArrivalPiece);
  HistorySetPromotion(std::abs(game.ArrivalPiece));
  AfterMove();
  EnableTimer1();
}

void AfterMove() {
  SetSideToMove(static_cast<Army>(-Board().SideToMove));
  const PositionState result = GameBoardState();
  if (result == kPlayOn) {
    Board().MoveSeconds = 0;
  } else {
    game.turnState = TurnState::GameOver;
    if (result == kCheckmate) PlayCue(7);
    Scene().overlayKind = OverlayKind::ContinueWindow;
    Scene().OverlayHover = 0;
  }
  RestartGameAnalysis();
  if (game.turnState == TurnState::GameOver) return;
  if (game.turnState == TurnState::PlayerMove || game.turnState == TurnState::ChoosePromotion) {
    game.turnState = TurnState::ComputerThinking;
  } else {
    game.turnState = TurnState::PlayerMove;
  }
}

}  // namespace vellara
