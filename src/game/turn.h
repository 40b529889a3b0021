// Turn flow: the player's selection and move, the computer's move when its time is up, the
// slide of every moved piece, the promotion choice, and the hand-over or the end of the
// game after each completed move. Everything runs on the window's thread.
#pragma once

#include <cstdint>

#include "ui/board_geometry.h"

namespace vellara {

enum class TurnState : std::uint8_t {
  PlayerMove = 0,  // also while the player's own piece slides
  ComputerThinking = 1,
  ComputerSlides = 2,
  GameOver = 3,
  ChoosePromotion = 4,
};

inline constexpr int kSlideSpeed = 5;  // pixels per process step along the longer axis

struct GameState {
  TurnState turnState = TurnState::PlayerMove;
  int SelectedSquare = 0;  // the player's selected piece, 0 none
  int HoverSquare = 0;     // figure-board square under the pointer, 0 none
  int PickedPiece = 0;     // last piece selected, moved, taken back or replayed
  int SlideFromSquare = 0;
  int SlideToSquare = 0;
  int ArrivalPiece = 0;  // placed on SlideToSquare when the slide ends
  bool SlideRunning = false;
  Point SlideStart;
  Point SlideEnd;
  PointF SlidePos;
  PointF SlideStep;
  Point SlidePixel;         // where the sliding piece is drawn
  int PromotionChoice = 0;  // kind 2..5 under the pointer while choosing, else 0
};

GameState& Game();

void BoardClick(int x, int y);
void StartPlayerMove(int square);
void StartComputerMove();
void SetUpSlide();
void AdvanceSlide();
void FinishSlide();
void PromotionHover(int x, int y);
void ChoosePromotion();
void AfterMove();

}  // namespace vellara
