// The scene's presentation state: the screen shown, the overlay window open over it, the
// hover indices, the hit areas outside the board, the board sizes, and the animation values
// that every process tick advances. All of it belongs to the window's thread.
#pragma once

#include <array>
#include <cstdint>
#include <numbers>

namespace vellara {

enum class ScreenMode : std::uint8_t {
  Title = 0,
  Game = 1,
  Credits = 2,
  Help = 3,
  Startup = 4,  // until the display device is ready
};

enum class OverlayKind : std::int32_t {
  NoOverlay = 0,
  MainMenu = 1,          // 5 rows
  QuitConfirm = 2,       // 2 buttons
  OptionsWindow = 3,     // 10 rows
  BackToMenuButton = 4,  // 1 button
  ContinueWindow = 5,    // 3 buttons
};

struct CreditsScrollPosition {
  int Line = 1;    // 1..80
  int Offset = 0;  // 0..24
};

inline constexpr int kCarouselPieces = 12;
inline constexpr double kInitialFigureScale = 0.59;
inline constexpr int kInitialClassicBoardSize = 27;

struct Presentation {
  ScreenMode screenMode = ScreenMode::Startup;
  OverlayKind overlayKind = OverlayKind::MainMenu;
  int MouseX = -100;
  int MouseY = -100;
  int OverlayHover = 0;  // 1-based row or button under the mouse, 0 none
  int ToolbarHover = 0;  // slot 1..9 under the mouse, 0 none
  double PortraitZoom = 6.0;
  double CarouselPhase = 2.0 * std::numbers::pi;
  double CarouselStep = -0.01;
  std::array<int, kCarouselPieces> CarouselX{};  // piece i at index i - 1
  std::array<int, kCarouselPieces> CarouselY{};
  int PulseHeight = 20;
  int PulseStep = -1;
  CreditsScrollPosition CreditsScroll;
  double FigureScale = kInitialFigureScale;         // size of the figure pieces
  int ClassicBoardSize = kInitialClassicBoardSize;  // percent
};

Presentation& Scene();

// The row or button of the open overlay at the scene point (strict bounds), 0 when none.
int OverlayRowAt(int x, int y);

// The toolbar slot 1..9 at the scene point (inclusive bounds), 0 when none.
int ToolbarSlotAt(int x, int y);

// The presentation's share of a process tick: carousel, credits scroll, pulse, portrait.
void AnimateScene();

}  // namespace vellara
