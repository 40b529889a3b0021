// The program's error message box (error icon, one OK button), shown with SDL; on the
// terminal when there is no display to show it on. Only the .cpp includes SDL.
#pragma once

#include <string>

namespace vellara {

void ShowErrorMessage(const std::string& title, const std::string& text);

}  // namespace vellara
