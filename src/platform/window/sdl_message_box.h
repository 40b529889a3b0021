// The program's error message box (error icon, one OK button), shown with SDL. For the
// tests, when the environment names a file in VELLARA_MESSAGE_LOG, the text is appended
// to that file as one line instead of being shown. Only the .cpp includes SDL.
#pragma once

#include <string>

namespace vellara {

void ShowErrorMessage(const std::string& title, const std::string& text);

}  // namespace vellara
