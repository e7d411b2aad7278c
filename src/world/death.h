#pragma once

namespace qm {

// Runs after every fight or event that can destroy the ship: a lost life and a
// new chance, or the end of the game. Does nothing while the ship is alive.
void HandleDeath();

}  // namespace qm
