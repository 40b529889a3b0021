// A small stand-in for the game's content, written with the archive writer: every image
// the scene names (opaque patterns, one colour each) and four fonts whose glyphs are white
// blocks, packed into "vellara.dat" with the game's password and described in
// "vellara.def", so the loader reads them exactly as it reads the real ones.
#pragma once

#include <cstdint>
#include <string>

namespace vellara::testing {

// The colour of pattern `pattern` of the synthetic image `name` (0xAABBGGRR, opaque).
std::uint32_t SyntheticColour(const std::string& name, int pattern);

// Writes both files into `folder`; false when one cannot be written.
bool WriteSyntheticContent(const std::string& folder);

}  // namespace vellara::testing
