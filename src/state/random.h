#pragma once
#include <cstdint>

namespace qm {

// The one process-wide random generator.
void SeedRandom(uint64_t seed);
// Seeds from the clock; returns the seed used, so a run can be repeated.
uint64_t SeedRandomFromClock();
// A uniform integer 0..n-1; 0 for every n <= 0.
int Random(int n);

}  // namespace qm
