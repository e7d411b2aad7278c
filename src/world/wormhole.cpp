#include "world/wormhole.h"

#include <algorithm>
#include <cstdint>

#include "catalogue/ships.h"
#include "combat/encounters.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "world/day_cycle.h"
#include "world/market.h"
#include "world/missions.h"
#include "world/travel.h"

namespace qm {
namespace {

bool IsWormhole(const IntRow& loc) { return loc[Loc::Exists] > 0 && loc[Loc::Kind] == Kind::Wormhole; }

bool ValidTarget(int system) {
  return system >= 1 && system <= kSystems && Game.SystemData[system][Sys::Exists] > 0;
}

void CloseJumpScreen() {
  Run.JumpTarget = 0;
  Run.TravelDaysLeft = 0;
  Run.TravelMayClose = 1;
  Run.TravelScreenVisible = false;
  UI().HideScreen(Screen::Jump);
  Run.TravelMayClose = 0;
}

void Arrive() {
  const int from = Game.Ship[Sh::System];
  const int target = Run.JumpTarget;
  const int location = JumpArrivalLocation(target, from);
  Game.Ship[Sh::System] = target;
  Game.Ship[Sh::Location] = location;
  Run.CurrentSystem = target;
  Run.SelectedLocation = location;
  ClearSystemShips();  // the ships met in the old system stay behind
  Run.KnownSystemPrices[target] = 1;
  Run.KnownLocationPrices[location] = 1;
  UI().RefreshMainScreen(target);
  UI().RefreshTradePopup();
  UI().HideScreen(Screen::Jump);

  if (Game.Ship[Sh::Alive] > 0) CheckMissionProgress();
  if (FlightInterrupted()) return;
  if (contrabandCheck()) PoliceFight();
}

}  // namespace

int JumpArrivalLocation(int target, int from) {
  for (int l = 1; l <= kLocations; ++l) {
    const auto& loc = Game.LocationData[target][l];
    if (IsWormhole(loc) && loc[Loc::Target] == from) return l;
  }
  return 1;
}

int JumpDays(int location, bool crewPenalty) {
  const auto& loc = Game.LocationData[Game.Ship[Sh::System]][location];
  if (location < 1 || !IsWormhole(loc)) return 0;
  const int64_t days = static_cast<int64_t>(std::max(1, loc[Loc::JumpDays])) * (crewPenalty ? 3 : 1);
  return Saturate(days);
}

bool WormholeJump() {
  const int here = Game.Ship[Sh::Location];
  const auto& loc = Game.LocationData[Game.Ship[Sh::System]][here];
  if (here < 1 || !IsWormhole(loc)) {
    Notify("N/A", "There is no wormhole at this place.");
    return false;
  }
  if (shipStat(Game.Ship[Sh::ShipType], Stat::Class) < 2) {
    Notify("No jump engines!",
           "Fighter-class spaceships do not have the required jump engines to use wormholes. You need to buy a bigger "
           "ship (at least a corvette) to leave this star system.");
    return false;
  }
  const int target = loc[Loc::Target];
  if (!ValidTarget(target)) {
    Notify("N/A", "This wormhole does not lead to any star system.");
    return false;
  }
  bool penalty = false;
  if (!CrewReadyToFly(penalty)) return false;
  Run.TravelPicture = shipPictureName(Game.Ship[Sh::ShipType], Game.Ship[Sh::ShipFaction]) + "_scene.jpg";
  Run.SelectedLocation = here;
  Run.JumpTarget = target;
  Run.TravelDaysLeft = JumpDays(here, penalty);
  Run.FlightAborted = false;
  UI().PlaySound(Random(2) == 0 ? "Fly1.wav" : "Fly2.wav");
  Run.TravelScreenVisible = true;
  UI().ShowScreen(Screen::Jump);
  return true;
}

bool WormholeTick() {
  if (Run.JumpTarget <= 0 || !Run.TravelScreenVisible) return false;
  DailyUpdate();  // no encounters on the way through a wormhole
  if (FlightInterrupted()) {
    CloseJumpScreen();
    return false;
  }
  Run.TravelDaysLeft -= 1;
  if (Run.TravelDaysLeft > 0) return true;
  Arrive();
  CloseJumpScreen();
  return false;
}

void RunJumpToArrival() {
  while (Run.JumpTarget > 0 && WormholeTick()) {
  }
}

}  // namespace qm
