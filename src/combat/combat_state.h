#pragma once
// Tables that live for one battle only: never saved, cleared by ResetGameState.
#include "state/tables.h"

namespace qm {

struct CombatState {
  IntRow EnemyShip;  // the opponent, with the layout of the Ship record
};

extern CombatState Combat;

void ResetCombatTables();

}  // namespace qm
