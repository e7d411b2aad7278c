#pragma once
// "Quit game?" on the battle screens (ship combat, boarding, fleet battle):
// closing such a window, or Escape where the screen has no way back, asks it.
#include <SDL.h>

namespace qm::ui {

// Asks "Quit game?"; on yes the battle, any boarding or fleet battle and the
// running game end at once (Run.QuitToMenu): the screen that asked closes
// itself, and every screen and rule below it unwinds without a further step.
// True on yes.
bool AskQuitFromBattle();

// The keys 1..9, 0, -, = as ability button 1..12 (0 for any other key).
int AbilityButtonOfKey(SDL_Keycode key);

}  // namespace qm::ui
