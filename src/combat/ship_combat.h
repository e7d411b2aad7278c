#pragma once
// Setting up and running one ship battle. A caller sets the battle up, shows the
// combat screen modally (UI().ShowScreen(Screen::ShipCombat); headless frontends
// fight it there), and then reads the outcome from Ship[Alive],
// Combat.EnemyShip[Alive], EnemyEscaped() and EnemyShip[38] (boarding), or
// simply from BattleOutcome().
#include <array>
#include <cstdint>

namespace qm {

// Builds the enemy (type, faction, AI kind 1..3, tier 0..4; tier 0 = by the
// player's level) and prepares the player's side.
void SetupShipCombat(int enemyType, int enemyFaction, int aiKind, int tier);
// The enemy's ability list for a tier (1..4) and AI kind (1..3), unused places 0.
std::array<int, 12> EnemyRepertoire(int tier, int aiKind);
// True when the enemy fled from the last battle.
bool EnemyEscaped();

enum class Outcome { Running, Victory, Defeat, Escaped, EnemyEscaped, Boarded };
Outcome BattleOutcome();
const char* OutcomeName(Outcome o);  // "victory", "defeat", "escaped", "enemy-escaped", "boarded"

// The player's side: one action (a combat ability id), or the end of the turn.
void PlayerAction(int abilityId);
void EndPlayerTurn();
// The "End this turn" control: with AP left the player is asked first.
void EndTurnButton();
// The enemy's turn script: advances from the step after the last one tried; an
// action carried out pauses it (EnemyShip[97] = 1) until the screen clears the
// pause and calls again. At the end of the script the player's turn starts.
void EnemyTurnStep();
// Carries out one enemy action; true when it was carried out.
bool EnemyAction(int abilityId);
// The upkeep between the enemy's turn and the player's next turn.
void StartPlayerTurn();
// Explosion of either ship, with victory or defeat handling.
void CheckCombatEnd();
// The offer to board a crippled enemy (at most once per battle).
void OfferBoarding();
// The player's gun kind's special effect on a shot; a miss passes 0.
int GunSpeciality(int damage);

// Headless: clears every pause of the enemy script and runs it to the player's
// next turn (or the end of the battle).
void RunEnemyTurn();

// Battles fought in bulk (balance runs, benchmarks) can switch the panel
// messages off; modal messages still go to the frontend.
void SetCombatMessagesQuiet(bool quiet);

}  // namespace qm
