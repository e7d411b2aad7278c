#include "world/save_load_actions.h"

#include <algorithm>
#include <memory>

#include "catalogue/career.h"
#include "catalogue/ships.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/savegame.h"
#include "world/day_cycle.h"
#include "world/main_screen.h"

namespace qm {

SlotSummary DescribeSlot(int slot) {
  SlotSummary out;
  if (slot < 1 || slot > 4 || General.SaveSlotUsed[slot] != 1) return out;
  out.used = true;
  // A whole game is large: it is read on the heap, once per slot shown.
  auto saved = std::make_unique<GameState>();
  std::string why;
  if (!ReadSlotFiles(slot, *saved, why)) {
    out.damaged = true;
    return out;
  }
  const GameState& g = *saved;
  out.pilot = rankName(g.Player[Pl::Rank]) + " " + g.PlayerName;
  if (out.pilot.front() == ' ') out.pilot.erase(0, 1);
  out.when = "Star date " + starDateText(std::max(0, g.StarDate));
  const int system = g.Ship[Sh::System], here = g.Ship[Sh::Location];
  if (system >= 1 && system <= kSystems) {
    const std::string where = here >= 1 && here <= kLocations ? "at " + g.LocationText[system][here][1] : "in space";
    out.place = shipName(g.Ship[Sh::ShipType]) + " " + where + ", " + g.SystemText[system][1] + " system";
  }
  return out;
}

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
