// The engine's pseudo-random numbers: the evaluation's noise and the first random move.
// Each thread has its own generator. By default every draw sequence starts from a fresh
// reseed off the steady high-resolution clock; tests and benchmarks fix the seed, after
// which reseeding is skipped and a search repeats node for node.
#pragma once

#include <cstdint>
#include <optional>

namespace vellara {

// nullopt returns to clock reseeding. Takes effect at each thread's next reseed.
void SetFixedRandomSeed(std::optional<std::uint64_t> seed);

// Starts a new draw sequence: from the clock, or nothing while the seed is fixed.
void ReseedRandom();

// A uniform integer in 0 .. bound - 1 (bound > 0).
std::uint32_t RandomBelow(std::uint32_t bound);

// The sum of `count` uniform draws in 0 .. bound - 1, in one pass.
std::uint32_t SumOfRandomDraws(int count, std::uint32_t bound);

}  // namespace vellara
