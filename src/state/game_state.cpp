#include "state/game_state.h"

#include <limits>
#include <vector>

namespace qm {

GameState Game;
RunState Run;
GeneralData General;

namespace {

// Held in a function so that hooks handed in during static initialisation
// always find it built.
std::vector<void (*)()>& ResetHooks() {
  static std::vector<void (*)()> hooks;
  return hooks;
}

}  // namespace

void AddStateResetHook(void (*reset)()) {
  for (auto* h : ResetHooks())
    if (h == reset) return;
  ResetHooks().push_back(reset);
}

void ResetGameState() {
  // Saved tables empty, the date back at day 1.
  Game = GameState{};
  Game.StarDate = 1;
  for (auto* reset : ResetHooks()) reset();

  Run.CurrentSystem = 0;
  Run.SelectedLocation = 0;
  Run.SelectedMission = 0;
  Run.SelectedShip = 0;
  Run.SelectedCommodity = 0;
  Run.GameEnded = false;
  Run.FlightAborted = false;
  Run.QuitToMenu = false;
  Run.TravelDaysLeft = 0;
  Run.TravelMayClose = 0;
  Run.TravelScreenVisible = false;
  Run.JumpTarget = 0;
  Run.PlayerSpecialActive = false;
  Run.KnownSystemPrices.fill(0);
  Run.KnownLocationPrices.fill(0);
  Run.OptionsPanelVisible = false;
  Run.TradePanelVisible = false;
  Run.TargetPanelVisible = false;
  Run.MissionPanelVisible = false;
  Run.TradeWindowVisible = false;
}

int Age() {
  if (Run.AgeFreeze) return 20;
  return Game.StarDate / 360 + 22;
}

int32_t Saturate(int64_t value) noexcept {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

}  // namespace qm
