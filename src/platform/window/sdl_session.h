// SDL for the program's whole run: video, events and timers started once, so that the
// launcher's window closing does not shut the video subsystem down before the scene's
// display opens. Also names the application. Only the .cpp includes SDL.
#pragma once

#include <string>

namespace vellara {

class SdlSession {
 public:
  explicit SdlSession(const std::string& applicationName);
  ~SdlSession();
  SdlSession(const SdlSession&) = delete;
  SdlSession& operator=(const SdlSession&) = delete;

  // False when there is no video driver (no display to connect to).
  bool VideoReady() const { return video_; }

 private:
  bool video_ = false;
  bool timers_ = false;
};

}  // namespace vellara
