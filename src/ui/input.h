// The scene window's event handlers: mouse position, a button going down (any button) and
// typed characters are routed by screen, overlay and turn to the screen actions, the board,
// the promotion chooser, the toolbar and the option rows; the process tick runs the
// animations and the sliding move. Coordinates are scene pixels.
#pragma once

namespace vellara {

inline constexpr char kEscapeKey = 27;

void FormMouseMove(int x, int y);
void FormMouseDown(int x, int y);
void FormKeyPress(char key);
void TimerProcess();  // 60 times a second

// The toolbar action of slot 1..9 (0 and anything else: nothing).
void ToolbarAction(int slot);

}  // namespace vellara
