#include "ui/battle_quit.h"

#include "combat/boarding.h"
#include "combat/combat_rules.h"
#include "combat/combat_state.h"
#include "combat/fleet_battle.h"
#include "state/frontend.h"
#include "state/game_state.h"

namespace qm::ui {

bool AskQuitFromBattle() {
  if (!AskYesNo("Quit game?", "Do you really wish to quit this game? (No retiring, no highscore)")) return false;
  Run.QuitToMenu = true;
  if (!Combat.CombatEnded) combat::EndCombat();
  Boarding.open = false;
  Fleet.duelRunning = false;
  Fleet.over = true;
  Fleet.won = false;
  return true;
}

int AbilityButtonOfKey(SDL_Keycode key) {
  if (key >= SDLK_1 && key <= SDLK_9) return static_cast<int>(key - SDLK_1) + 1;
  switch (key) {
    case SDLK_0: return 10;
    case SDLK_MINUS: return 11;
    case SDLK_EQUALS: return 12;
    default: return 0;
  }
}

}  // namespace qm::ui
