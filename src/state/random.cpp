#include "state/random.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <random>

namespace qm {
namespace {
std::mt19937_64& Generator() {
  static std::mt19937_64 gen{0x51ee1a2cULL};
  return gen;
}
std::deque<int>& Scripted() {
  static std::deque<int> draws;
  return draws;
}
bool scriptedPending = false;  // the fast path tests one flag

}  // namespace

void QueueRandomDraws(std::initializer_list<int> draws) {
  Scripted().insert(Scripted().end(), draws.begin(), draws.end());
  scriptedPending = !Scripted().empty();
}

void ClearRandomDraws() {
  Scripted().clear();
  scriptedPending = false;
}

int QueuedRandomDraws() { return static_cast<int>(Scripted().size()); }

void SeedRandom(uint64_t seed) { Generator().seed(seed); }

uint64_t SeedRandomFromClock() {
  auto seed = static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
  SeedRandom(seed);
  return seed;
}

int Random(int n) {
  if (n <= 0) return 0;
  if (scriptedPending) [[unlikely]] {
    const int v = Scripted().front();
    Scripted().pop_front();
    scriptedPending = !Scripted().empty();
    return std::clamp(v, 0, n - 1);
  }
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
