#pragma once
// The jump through a wormhole to the star system it leads to.

namespace qm {

// Jumps through the wormhole at the ship's location: needs a ship of class 2 or
// more; a short crew is asked about and triples the days. Shows the travel
// screen (Screen::Jump) modally. Returns false when refused or called off.
bool WormholeJump();
// One day of the jump (the travel screen's 200 ms timer). Returns true while the
// jump goes on, false once the ship has arrived or the jump ended.
bool WormholeTick();
// Headless frontends: runs the days of the jump under way until it ends.
void RunJumpToArrival();
// Days the jump through wormhole `location` of the ship's system takes (0 when
// it is no wormhole).
int JumpDays(int location, bool crewPenalty);
// Where a jump from `from` arrives in `target`: the first wormhole leading back,
// else location 1.
int JumpArrivalLocation(int target, int from);

}  // namespace qm
