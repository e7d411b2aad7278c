#include "combat/encounters.h"

#include "state/game_state.h"

namespace qm {

// Space is quiet: no hostile ships, nobody else in the system, no police fights.
void RollHostileEncounter() {}
void GenerateSystemShip(int) {}
void PoliceFight() {}
void SneakInPoliceFight() {}

// The object is consumed when the ship reaches it.
void OpenSpaceObject(int place) {
  auto& obj = Game.SpaceObjects[Game.Ship[Sh::System]][place];
  if (obj[Obj::Present] <= 0) return;
  obj[Obj::Present] = 0;
}

}  // namespace qm
