#include "combat/combat_state.h"

namespace qm {

CombatState Combat;

void ResetCombatTables() { Combat = CombatState{}; }

}  // namespace qm
