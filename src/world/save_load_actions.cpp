#include "world/save_load_actions.h"

#include "state/frontend.h"
#include "state/game_state.h"
#include "state/savegame.h"
#include "world/day_cycle.h"

namespace qm {

bool SaveSlotAction(int slot, const std::string& slotName) {
  if (Game.Ship[Sh::Alive] <= 0) {
    Notify("N/A", "Please first start a new game before saving.");
    return false;
  }
  return SaveGame(slot, slotName);
}

bool LoadSlotAction(int slot) {
  if (General.SaveSlotUsed[slot] == 0) {
    Notify("Empty savegame slot!", "This savegame slot is empty. You cannot load a not-existent game.");
    return false;
  }
  if (!LoadGame(slot)) return false;
  Run.CurrentSystem = Game.Ship[Sh::System];
  Run.SelectedLocation = Game.Ship[Sh::Location];
  Run.GameEnded = false;
  Run.QuitToMenu = false;
  Run.FlightAborted = false;
  Run.TravelScreenVisible = false;
  DailyUpdate();
  UI().RefreshMainScreen(Run.CurrentSystem);
  return true;
}

}  // namespace qm
