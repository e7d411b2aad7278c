#pragma once
// Setting up and running one ship battle. A caller sets the battle up, shows the
// combat screen modally (UI().ShowScreen(Screen::ShipCombat); headless frontends
// fight it there), and then reads the outcome from Ship[Alive],
// Combat.EnemyShip[Alive], EnemyEscaped() and EnemyShip[38] (boarding).

namespace qm {

// Builds the enemy (type, faction, AI kind 1..3, tier 0..4; tier 0 = by the
// player's level) and prepares the player's side.
void SetupShipCombat(int enemyType, int enemyFaction, int aiKind, int tier);
// True when the enemy fled from the last battle.
bool EnemyEscaped();

}  // namespace qm
