#include "platform/window/sdl_events.h"

#include <SDL.h>

#include "platform/window/sdl_timer1.h"

namespace vellara {

namespace {

void Deliver(const SDL_Event& e, const SdlTimer1& timer1, const SdlEventPump::CoordinateMap& map,
             WindowEvents& receiver) {
  const auto point = [&](int wx, int wy, auto&& call) {
    int x = wx, y = wy;
    if (map) map(wx, wy, x, y);
    call(x, y);
  };
  switch (e.type) {
    case SDL_MOUSEMOTION:
      point(e.motion.x, e.motion.y, [&](int x, int y) { receiver.MouseMove(x, y); });
      return;
    case SDL_MOUSEBUTTONDOWN:
      point(e.button.x, e.button.y, [&](int x, int y) { receiver.MouseDown(x, y); });
      return;
    case SDL_MOUSEBUTTONUP:
      point(e.button.x, e.button.y, [&](int x, int y) { receiver.MouseUp(x, y); });
      return;
    case SDL_TEXTINPUT:
      // Plain ASCII only: the game's keys are digits and Esc.
      for (const char* c = e.text.text; *c; ++c) {
        if (static_cast<unsigned char>(*c) >= 32 && static_cast<unsigned char>(*c) < 127)
          receiver.KeyPress(*c);
      }
      return;
    case SDL_KEYDOWN:
      switch (e.key.keysym.sym) {
        case SDLK_ESCAPE:
          receiver.KeyPress(27);
          return;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
          receiver.KeyPress(13);
          return;
        case SDLK_BACKSPACE:
          receiver.KeyPress(8);
          return;
        case SDLK_TAB:
          receiver.KeyPress(9);
          return;
        default:
          return;
      }
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_CLOSE) receiver.CloseBox();
      if (e.window.event == SDL_WINDOWEVENT_EXPOSED) receiver.Exposed();
      return;
    case SDL_QUIT:
      receiver.CloseBox();
      return;
    default:
      if (timer1.IsTick(e)) receiver.Timer1Tick();
      return;
  }
}

}  // namespace

void SdlEventPump::Poll(WindowEvents& receiver) {
  SDL_Event e;
  while (SDL_PollEvent(&e)) Deliver(e, timer1_, map_, receiver);
}

void SdlEventPump::Wait(WindowEvents& receiver, int timeoutMs) {
  SDL_Event e;
  if (SDL_WaitEventTimeout(&e, timeoutMs)) {
    Deliver(e, timer1_, map_, receiver);
    Poll(receiver);
  }
}

}  // namespace vellara
