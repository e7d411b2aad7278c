#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "state/random.h"

namespace qm {
namespace {

// Random(n) as drawn from the library's 64-bit Mersenne Twister: the high 32
// bits times n, redrawn in the biased low band.
int Reference(std::mt19937_64& gen, int n) {
  if (n <= 0) return 0;
  const uint32_t range = static_cast<uint32_t>(n);
  const uint32_t threshold = (0u - range) % range;
  for (;;) {
    const uint64_t m = (gen() >> 32) * range;
    if (static_cast<uint32_t>(m) >= threshold) return static_cast<int>(m >> 32);
  }
}

// A seed always gives the same game: the numbers must not change with the
// generator's implementation.
TEST(RandomNumbers, SameSequenceAsTheStandardGenerator) {
  for (uint64_t seed : {0ULL, 1ULL, 7ULL, 0x51ee1a2cULL, 0xFFFFFFFFFFFFFFFFULL}) {
    SeedRandom(seed);
    std::mt19937_64 reference(seed);
    for (int i = 0; i < 5000; ++i) {  // several refills of the 312-number block
      const int n = 1 + i % 1000 + (i % 7 == 0 ? 2000000000 : 0);
      ASSERT_EQ(Random(n), Reference(reference, n)) << "seed " << seed << " draw " << i;
    }
  }
}

TEST(RandomNumbers, StaysInRangeAndGivesZeroForEmptyRanges) {
  SeedRandom(3);
  int seen[3] = {};
  for (int i = 0; i < 3000; ++i) {
    const int r = Random(3);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 3);
    ++seen[r];
  }
  for (int count : seen) EXPECT_GT(count, 800);
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(-5), 0);
  EXPECT_EQ(Random(1), 0);
}

}  // namespace
}  // namespace qm
