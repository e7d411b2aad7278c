#include "state/random.h"

#include <chrono>
#include <random>

namespace qm {
namespace {
std::mt19937_64& Generator() {
  static std::mt19937_64 gen{0x51ee1a2cULL};
  return gen;
}
}  // namespace

void SeedRandom(uint64_t seed) { Generator().seed(seed); }

uint64_t SeedRandomFromClock() {
  auto seed = static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
  SeedRandom(seed);
  return seed;
}

int Random(int n) {
  if (n <= 0) return 0;
  // Multiply-and-shift with rejection: uniform, and a division only in the rare
  // case that a draw lands in the biased low band.
  const uint32_t range = static_cast<uint32_t>(n);
  uint64_t m = (Generator()() >> 32) * range;
  auto low = static_cast<uint32_t>(m);
  if (low < range) {
    const uint32_t threshold = (0u - range) % range;
    while (low < threshold) {
      m = (Generator()() >> 32) * range;
      low = static_cast<uint32_t>(m);
    }
  }
  return static_cast<int>(m >> 32);
}

}  // namespace qm
