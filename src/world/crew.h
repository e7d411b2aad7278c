#pragma once
// Crew hiring and dismissal, by crew type: 1 crewmen, 2 officers, 3 pirates,
// 4 marines, 5 battle droids. Every refusal says why and changes nothing.
#include <string>

namespace qm {

constexpr int kCrewTypes = 5;

// The Ship slot that counts a crew type (30..34); 0 for an unknown type.
int crewSlot(int crewType);
// The price of one hired member; 0 where the type cannot be hired (battle droids).
int crewPrice(int crewType);
// "$C 1,000", or "N/A" for battle droids.
std::string crewPriceText(int crewType);
// Everybody aboard (Ship slots 30..34).
int totalCrew();
// The crew the player's ship can carry with its cargo system.
int crewCapacity();
// After a change of ship: crew beyond the new ship's maximum leave (crewmen
// first, then officers, marines, pirates, droids), with a notice.
void sendAwayCrewBeyondMaximum();

// Why a member of the type cannot be hired here and now, before the money is
// looked at: a type this place does not offer, a ship without crew quarters or
// a full ship. The hiring screen switches the type's "+" off with this reason.
struct HireRefusal {
  std::string topic, text;  // both empty when the type may be hired
  bool refused() const { return !topic.empty(); }
};
HireRefusal crewHireUnavailable(int crewType);

// Hires one member of the type. Returns true when somebody was hired.
bool hireCrew(int crewType);
// Dismisses one member of the type (nothing is refunded). Returns true when somebody left.
bool dismissCrew(int crewType);

// The "+" button held down: a hire on pressing, then one more per timer tick,
// the interval shrinking from 500 ms by 100 ms per tick down to 100 ms. Any
// refusal or the release stops it.
class CrewHireRepeat {
 public:
  static constexpr int kFirstIntervalMs = 500;
  static constexpr int kShortestIntervalMs = 100;

  // Hires one; true when the repeat timer should start (with IntervalMs()).
  bool Press(int crewType);
  // One timer tick: hires one more; true while the repeat goes on.
  bool Tick();
  void Release();
  bool Active() const { return active_; }
  int IntervalMs() const { return intervalMs_; }

 private:
  int crewType_ = 0;
  int intervalMs_ = kFirstIntervalMs;
  bool active_ = false;
};

}  // namespace qm
