#pragma once
#include <cstdint>
#include <initializer_list>

namespace qm {

// The one process-wide random generator.
void SeedRandom(uint64_t seed);
// Seeds from the clock; returns the seed used, so a run can be repeated.
uint64_t SeedRandomFromClock();
// A uniform integer 0..n-1; 0 for every n <= 0.
int Random(int n);

// Tests: the next draws of Random(n) with n > 0 take these values (each
// clamped to 0..n-1) before the generator resumes.
void QueueRandomDraws(std::initializer_list<int> draws);
void ClearRandomDraws();
int QueuedRandomDraws();  // how many are still waiting

}  // namespace qm
