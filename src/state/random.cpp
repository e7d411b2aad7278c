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
  // Unbiased: draws that fall into the incomplete top bucket are thrown away.
  const uint64_t range = static_cast<uint64_t>(n);
  const uint64_t limit = UINT64_MAX - UINT64_MAX % range;
  uint64_t x;
  do {
    x = Generator()();
  } while (x >= limit);
  return static_cast<int>(x % range);
}

}  // namespace qm
