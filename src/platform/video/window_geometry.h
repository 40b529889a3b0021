// The size a window really has on the screen. SDL reports the size it asked for at once,
// before the window system (or its absence) has decided; on X11 this asks the server.
#pragma once

struct SDL_Window;

namespace vellara {

// The window's size in window points as the window system has it.
void ActualWindowSize(SDL_Window* window, int& width, int& height);

// Pumps events until the window's actual size is W x H, for up to half a second.
bool WaitForWindowSize(SDL_Window* window, int w, int h);

}  // namespace vellara
