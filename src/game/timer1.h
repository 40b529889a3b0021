// The scene's one-second timer as the game sees it: the window implements it, the game
// disables it while the computer's piece slides and enables it again on landing. Without
// an installed timer both calls do nothing.
#pragma once

namespace vellara {

class Timer1 {
 public:
  virtual ~Timer1() = default;
  // Enabling a disabled timer starts a full new period; enabling an enabled one changes
  // nothing.
  virtual void Enable() = 0;
  virtual void Disable() = 0;
  virtual bool Enabled() const = 0;
};

void SetTimer1(Timer1* timer);
void EnableTimer1();
void DisableTimer1();

}  // namespace vellara
