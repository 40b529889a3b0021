// The event pump: SDL's window, mouse, key and Timer1 events turned into the calls a
// window of ours answers, on the calling (window) thread. Characters arrive as typed text;
// Esc, Enter, Backspace and Tab as their control characters (27, 13, 8, 9).
// Only the .cpp includes SDL.
#pragma once

#include <functional>

namespace vellara {

class SdlTimer1;

class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  virtual void MouseMove(int, int) {}
  virtual void MouseDown(int, int) {}
  virtual void MouseUp(int, int) {}
  virtual void KeyPress(char) {}
  virtual void CloseBox() {}  // the close box, or the session being asked to end
  virtual void Exposed() {}   // the window needs drawing again
  virtual void Timer1Tick() {}
};

class SdlEventPump {
 public:
  using CoordinateMap = std::function<void(int wx, int wy, int& x, int& y)>;

  explicit SdlEventPump(const SdlTimer1& timer1) : timer1_(timer1) {}
  // Window coordinates to the receiver's; unset, they pass unchanged.
  void SetCoordinateMap(CoordinateMap map) { map_ = std::move(map); }

  // Delivers every pending event and returns at once.
  void Poll(WindowEvents& receiver);
  // Sleeps until an event arrives or timeoutMs passes, then delivers what is pending.
  void Wait(WindowEvents& receiver, int timeoutMs);

 private:
  const SdlTimer1& timer1_;
  CoordinateMap map_;
};

}  // namespace vellara
