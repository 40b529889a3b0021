// The two clocks, the computer's per-move time limit and the texts of the game's state.
#pragma once

#include <cstdint>
#include <string>

namespace vellara {

// Timer1's handler, once a second.
void ClockTick();

// Seconds the computer thinks per move for the current TimeLimit.
std::int32_t MoveTimeLimit();

// "Game Over. " followed by "Draw", "Blondes wins" or "Brunettes wins".
std::string EndText();

// The status line for the current TurnState (the end text while the game is over).
std::string StatusText();

}  // namespace vellara
