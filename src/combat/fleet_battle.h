#pragma once
// Fleet wave battles: the player's ship and escorts against an enemy fleet.

namespace qm {

// Builds both fleets for a battle against `enemyFaction`. Modes: -1 a starbase
// strike, 0, 1 and 2 the fleet missions' battles.
void SetupFleetBattle(int enemyFaction, int mode);
// Makes enemy wave `wave` (1..5) stronger before the battle runs (strength 1..3).
void SetFleetWaveStrength(int wave, int strength);
// Shows the fleet screen modally (headless frontends fight it there); true when
// the battle was won.
bool RunFleetBattle();

}  // namespace qm
