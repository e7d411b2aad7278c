#include "state/random.h"

#include <algorithm>
#include <chrono>

#include <deque>

namespace qm {
namespace {

// The 64-bit Mersenne Twister (the numbers of std::mt19937_64 for the same
// seed), refilled and tempered 312 numbers at a time so that the compiler can
// run the loops in wide registers: several times faster than the library's
// one-by-one tempering, which the daily markets' ten thousand draws feel.
class MersenneTwister64 {
 public:
  constexpr explicit MersenneTwister64(uint64_t seed) { Seed(seed); }

  constexpr void Seed(uint64_t seed) {
    state_[0] = seed;
    for (int i = 1; i < kN; ++i)
      state_[i] = 6364136223846793005ULL * (state_[i - 1] ^ (state_[i - 1] >> 62)) + static_cast<uint64_t>(i);
    next_ = kN;
  }

  uint64_t Next() {
    if (next_ >= kN) Refill();
    return out_[next_++];
  }

 private:
  static constexpr int kN = 312, kM = 156;
  static constexpr uint64_t kMatrix = 0xB5026F5AA96619E9ULL;
  static constexpr uint64_t kUpper = 0xFFFFFFFF80000000ULL, kLower = 0x7FFFFFFFULL;

  static uint64_t Twist(uint64_t word, uint64_t following, uint64_t distant) {
    const uint64_t y = (word & kUpper) | (following & kLower);
    return distant ^ (y >> 1) ^ ((0 - (y & 1)) & kMatrix);
  }

  void Refill() {
    for (int i = 0; i < kN - kM; ++i) state_[i] = Twist(state_[i], state_[i + 1], state_[i + kM]);
    for (int i = kN - kM; i < kN - 1; ++i) state_[i] = Twist(state_[i], state_[i + 1], state_[i + kM - kN]);
    state_[kN - 1] = Twist(state_[kN - 1], state_[0], state_[kM - 1]);
    for (int i = 0; i < kN; ++i) {
      uint64_t y = state_[i];
      y ^= (y >> 29) & 0x5555555555555555ULL;
      y ^= (y << 17) & 0x71D67FFFEDA60000ULL;
      y ^= (y << 37) & 0xFFF7EEE000000000ULL;
      y ^= y >> 43;
      out_[i] = y;
    }
    next_ = 0;
  }

  uint64_t state_[kN] = {};
  uint64_t out_[kN] = {};
  int next_ = kN;
};

// Seeded at compile time, so it is ready before any other start-up code runs.
constinit MersenneTwister64 generator{0x51ee1a2cULL};

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

void SeedRandom(uint64_t seed) { generator.Seed(seed); }

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
  uint64_t m = (generator.Next() >> 32) * range;
  auto low = static_cast<uint32_t>(m);
  if (low < range) {
    const uint32_t threshold = (0u - range) % range;
    while (low < threshold) {
      m = (generator.Next() >> 32) * range;
      low = static_cast<uint32_t>(m);
    }
  }
  return static_cast<int>(m >> 32);
}

}  // namespace qm
