#pragma once
// The built-in pilot: plays the player's side of a battle without a screen.
#include <cstdint>
#include <functional>

namespace qm {

enum class PilotMode {
  Auto,    // fights sensibly and flees when the fight is hopeless
  Flee,    // only tries to escape
  Manual,  // moves come from a move source
};

// A move source: the next ability id to use, 0 to end the turn, or -1 when it
// has no more moves (the built-in pilot then takes over).
using MoveSource = std::function<int()>;

// The next move of the built-in pilot: an ability id, or 0 to end the turn.
// Every move it picks is one the rules will carry out (or that spends AP).
int AutopilotMove(PilotMode mode);
// The same, leaving out the abilities whose bits are set in `unavailable`
// (bit id for ability id; abilities still recharging, say).
int AutopilotMove(PilotMode mode, uint64_t unavailable);

// Fights the battle set up by SetupShipCombat to its end: the player's moves
// from the pilot (or from `moves` in manual mode, where 0 works the "End this
// turn" control with its question), the enemy's turns at once.
// A battle that drags on beyond `maxTurns` ends as an escape.
void FightBattle(PilotMode mode, const MoveSource& moves = {}, int maxTurns = 1000);

}  // namespace qm
