// The error the audio components raise; what() is one of their fixed texts.
#pragma once

#include <stdexcept>

namespace vellara {

class AudioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace vellara
