// The scene's logic from the window's point of view: what its creation sets up, what
// happens when the display is ready, and what closing it stops. The window calls these
// around the event handlers of input.h.
#pragma once

namespace vellara {

// The window is being created: every game and presentation value back to its starting
// value, the history cleared, the default settings stored, the game board handed to the
// engine, the Startup screen with the main menu.
void SceneCreate();

// The display is ready: the title screen, the pulse restarted, the player's turn, the
// analysis thread started and the title theme.
void SceneReady();

// The window closes: the music stops, then the analysis thread.
void SceneClose();

}  // namespace vellara
