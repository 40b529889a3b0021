// Hooks of the end-to-end test build (vellara-chess-e2e), never of the shipped program:
//   - with VELLARA_MESSAGE_LOG naming a file, a message box's text is appended to it as one
//     line instead of being shown;
//   - during a game, the keys 'P' and 'M' (which the game does not use) set up a board on
//     which the player's next move promotes a pawn (g7-g8) or gives checkmate (a1-a8), so
//     that the test reaches the promotion chooser and the end of a game in a few clicks;
//   - with VELLARA_TRACE_LOG naming a file, the start-up's stages and, once a second, the
//     frames drawn, repeated and their draw calls are appended to it, for the benchmarks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vellara {

// True when the text went to the log instead of a message box.
bool RecordMessage(const std::string& text);
// True when the key was a hook's and must not reach the game.
bool HookKey(char key);
// "stage NAME MS": MS milliseconds since the program started.
void TraceStage(const char* name);
// Counts since the start; written as one line a second at most.
void TraceFrames(std::uint64_t drawn, std::uint64_t repeated, std::size_t drawCalls);

}  // namespace vellara
