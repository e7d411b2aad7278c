#include "combat/ship_combat.h"

#include "combat/combat_state.h"
#include "state/game_state.h"

namespace qm {

// Until the battle rules exist an enemy appears and is gone at once: nobody
// fires, nothing is lost.
void SetupShipCombat(int enemyType, int enemyFaction, int aiKind, int) {
  ResetCombatTables();
  Combat.EnemyShip[Sh::Alive] = 0;
  Combat.EnemyShip[Sh::ShipType] = enemyType;
  Combat.EnemyShip[7] = aiKind;
  Combat.EnemyShip[Sh::ShipFaction] = enemyFaction;
}

bool EnemyEscaped() { return false; }

}  // namespace qm
