// A per-process scratch file for fuzz inputs that must come from disk.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vellara::fuzz {

// A file in this process's own folder under TMPDIR or /tmp (the description and its
// archive sit side by side there, as in the game's working folder).
inline std::string ScratchPath(const char* name) {
  const char* tmp = std::getenv("TMPDIR");
  const std::string dir =
      std::string(tmp && *tmp ? tmp : "/tmp") + "/vellara_fuzz_" + std::to_string(::getpid());
  ::mkdir(dir.c_str(), 0700);
  return dir + "/" + name;
}

inline bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
  return std::fclose(f) == 0 && ok;
}

}  // namespace vellara::fuzz
