// Ending the application, as the quit confirmation asks for it. The window implements it;
// without one installed the request does nothing.
#pragma once

namespace vellara {

class ApplicationControl {
 public:
  virtual ~ApplicationControl() = default;
  virtual void EndApplication() = 0;
};

void SetApplicationControl(ApplicationControl* control);
void EndApplication();

}  // namespace vellara
