#include "app/launcher.h"

namespace vellara {

namespace {
constexpr char kEnter = 13;
constexpr char kEscape = 27;
}  // namespace

LauncherControl Launcher::ControlAt(int x, int y) {
  if (kStartButton.Contains(x, y)) return LauncherControl::StartButton;
  if (kFullScreenBox.Contains(x, y)) return LauncherControl::CheckBox1;
  return LauncherControl::None;
}

bool Launcher::ButtonDown() const {
  return pressed_ == LauncherControl::StartButton && hover_ == LauncherControl::StartButton;
}

void Launcher::MouseMove(int x, int y) {
  const LauncherControl at = ControlAt(x, y);
  if (at == hover_) return;
  hover_ = at;
  Changed();
}

void Launcher::MouseDown(int x, int y) {
  MouseMove(x, y);
  pressed_ = hover_;
  Changed();
}

void Launcher::MouseUp(int x, int y) {
  MouseMove(x, y);
  const LauncherControl released = pressed_;
  pressed_ = LauncherControl::None;
  Changed();
  if (released == LauncherControl::None || released != hover_) return;
  if (released == LauncherControl::StartButton) finished_ = true;
  if (released == LauncherControl::CheckBox1) checked_ = !checked_;
}

void Launcher::KeyPress(char key) {
  if (key == kEnter || key == kEscape) finished_ = true;
  if (key == ' ') {
    checked_ = !checked_;
    Changed();
  }
}

}  // namespace vellara
