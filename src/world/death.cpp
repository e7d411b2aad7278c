#include "world/death.h"

#include "state/game_state.h"

namespace qm {

// Without lives to spend yet, a destroyed ship ends the game.
void HandleDeath() {
  if (Game.Ship[Sh::Alive] != 0) return;
  Run.GameEnded = true;
}

}  // namespace qm
