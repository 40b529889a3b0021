#include "engine/random.h"

#include <atomic>
#include <chrono>

namespace vellara {
namespace {

// Fixed-seed mode: a generation number tells each thread to restart from the seed.
std::atomic<bool> seedFixed{false};
std::atomic<std::uint64_t> fixedSeed{0};
std::atomic<std::uint32_t> seedGeneration{0};

constexpr std::uint64_t SplitMix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// SplitMix64: a counter run through a strong mixer. Successive outputs depend on the
// state only through an addition, so the evaluation's 32 draws overlap in the pipeline.
struct ThreadGenerator {
  std::uint64_t state = 0;
  std::uint32_t generation = 0;

  std::uint64_t Next() {
    const std::uint64_t z = SplitMix(state);
    state += 0x9E3779B97F4A7C15ull;
    return z;
  }
};

thread_local ThreadGenerator generator;

}  // namespace

void SetFixedRandomSeed(std::optional<std::uint64_t> seed) {
  fixedSeed.store(seed.value_or(0), std::memory_order_relaxed);
  seedFixed.store(seed.has_value(), std::memory_order_relaxed);
  seedGeneration.fetch_add(1, std::memory_order_release);
}

void ReseedRandom() {
  const std::uint32_t generation = seedGeneration.load(std::memory_order_acquire);
  if (seedFixed.load(std::memory_order_relaxed)) {
    if (generator.generation != generation) {
      generator.state = SplitMix(fixedSeed.load(std::memory_order_relaxed));
      generator.generation = generation;
    }
    return;
  }
  generator.generation = generation;
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  generator.state = SplitMix(static_cast<std::uint64_t>(ticks));
}

// Lemire's multiply-shift: the high half of a 32 x 32 product is uniform in 0..bound-1 up
// to a bias of bound / 2^32, far below what the noise can show.
inline std::uint32_t Scale(std::uint32_t bits, std::uint32_t bound) {
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(bits) * bound) >> 32);
}

std::uint32_t RandomBelow(std::uint32_t bound) {
  return Scale(static_cast<std::uint32_t>(generator.Next() >> 32), bound);
}

std::uint32_t SumOfRandomDraws(int count, std::uint32_t bound) {
  ThreadGenerator local = generator;  // keeps the state in registers for the loop
  std::uint32_t sum = 0;
  int i = 0;
  for (; i + 1 < count; i += 2) {  // both halves of each output
    const std::uint64_t bits = local.Next();
    sum += Scale(static_cast<std::uint32_t>(bits >> 32), bound) +
           Scale(static_cast<std::uint32_t>(bits), bound);
  }
  if (i < count) sum += Scale(static_cast<std::uint32_t>(local.Next() >> 32), bound);
  generator = local;
  return sum;
}

}  // namespace vellara
