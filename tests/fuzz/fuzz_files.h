// A per-process scratch file for fuzz inputs that must come from disk.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace vellara::fuzz {

inline std::string ScratchPath(const char* name) {
  return "/tmp/vellara_fuzz_" + std::to_string(::getpid()) + "_" + name;
}

inline bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
  return std::fclose(f) == 0 && ok;
}

}  // namespace vellara::fuzz
