// Reads a PNG file as 8-bit RGBA (libpng's simplified interface).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vellara {

// Pixels in the canvas layout 0xAABBGGRR, row by row from the top. False on any error.
bool ReadPng(const std::string& path, int& width, int& height, std::vector<std::uint32_t>& pixels,
             std::string& error);

}  // namespace vellara
