#pragma once
// Tables that live for one battle only: never saved, cleared by ResetGameState.
#include "state/tables.h"

namespace qm {

struct CombatState {
  IntRow EnemyShip;  // the opponent, with the layout of the Ship record
  IntRow EnemyAbilities;  // the enemy's repertoire, slots 1..12
};

extern CombatState Combat;

void ResetCombatTables();

}  // namespace qm
