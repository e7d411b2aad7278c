#include "combat/combat_state.h"

#include "state/game_state.h"

namespace qm {

CombatState Combat;

void ResetCombatTables() { Combat = CombatState{}; }

// A new game empties the battle tables along with the saved state.
static const bool kResetsWithGame = (AddStateResetHook(&ResetCombatTables), true);

IntRow ScanContact() {
  const int k = Combat.ScanRecord;
  if (k < 1 || k > kSystemShipRows || Game.SystemShips[k][1] <= 0) return IntRow{};
  return Game.SystemShips[k];
}

}  // namespace qm
