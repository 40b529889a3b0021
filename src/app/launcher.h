// The launcher's logic: where its two controls lie, which one the mouse is over or
// pressing, the full-screen box, and when the launcher is done. Platform-free, so that the
// window code only forwards events and shows what ComposeLauncher draws.
#pragma once

namespace vellara {

struct LauncherRect {
  int left, top, width, height;
  bool Contains(int x, int y) const {
    return x >= left && x < left + width && y >= top && y < top + height;
  }
};

inline constexpr int kLauncherWidth = 630;
inline constexpr int kLauncherHeight = 360;
inline constexpr LauncherRect kStartButton{205, 213, 217, 25};
inline constexpr LauncherRect kFullScreenBox{245, 312, 137, 17};
inline constexpr const char* kLauncherCaption = "Vellara Chess";
inline constexpr const char* kStartCaption = "Start Vellara Chess";
inline constexpr const char* kFullScreenCaption = " Run in fullscreen mode";

enum class LauncherControl { None, StartButton, CheckBox1 };

class Launcher {
 public:
  void MouseMove(int x, int y);
  void MouseDown(int x, int y);
  // A click is a press and a release on the same control.
  void MouseUp(int x, int y);
  // Enter starts, Space toggles the box, Esc starts like the button.
  void KeyPress(char key);
  // The close box starts the game too: there is no way to cancel.
  void CloseBox() { finished_ = true; }

  bool Finished() const { return finished_; }
  bool Checked() const { return checked_; }
  LauncherControl Hover() const { return hover_; }
  LauncherControl Pressed() const { return pressed_; }
  // The button is drawn pushed in while it is pressed and the mouse is still over it.
  bool ButtonDown() const;
  // Both controls show the hand pointer.
  bool HandPointer() const { return hover_ != LauncherControl::None; }
  // Bumped on every change worth redrawing.
  int Revision() const { return revision_; }

 private:
  static LauncherControl ControlAt(int x, int y);
  void Changed() { ++revision_; }

  LauncherControl hover_ = LauncherControl::None;
  LauncherControl pressed_ = LauncherControl::None;
  bool checked_ = false;
  bool finished_ = false;
  int revision_ = 0;
};

}  // namespace vellara
