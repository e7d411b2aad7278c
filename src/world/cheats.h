#pragma once
// The cheats: money, the next promotion, the age freeze, destroying the enemy of
// the running ship battle, and three fast starts into a later career. Each
// works on the running game only; a refusal says why and changes nothing.
#include <vector>

namespace qm {

constexpr int kCheatMoney = 100000;

// A ship battle is being fought (its screen is open): both ships are there and
// it has not ended.
bool ShipBattleRunning();
// A ship battle, a boarding or a fleet battle is open.
bool AnyBattleOpen();

// Adds 100,000 credits, saturating at 2,147,483,647.
void cheatMoney();
// Gives the experience the current level needs and runs the promotion check.
// At the last level no promotion follows, which the player is told.
void cheatPromotion();
// Switches the age freeze (the pilot stays 20) on or off.
void cheatToggleAging();
// Inside a ship battle: the enemy's shields fall to 0 and the battle ends as if
// the player's own fire had brought them down. Elsewhere refused; true when the
// enemy was destroyed.
bool cheatDestroyEnemy();

// One of the three fast starts (level 1..3).
struct FastStart {
  int credits, level, rank;
  std::vector<int> abilities;       // non-combat abilities learned
  std::vector<int> combatActions;   // combat actions learned
  int shipType;                     // for factions 2..4
  int federationShipType;           // for faction 1
};
const FastStart& FastStartOf(int level);
// Sets credits, level and rank, adds the abilities, gives the new ship with its
// first equipment and full shields, recomputes the hold, keeps the crew between
// the ship's minimum and maximum and fills the mission boards anew. Refused
// ("N/A") while a battle, boarding or fleet battle is open; true when done.
bool cheatFastStart(int level);

}  // namespace qm
