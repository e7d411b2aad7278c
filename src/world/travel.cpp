#include "world/travel.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "combat/encounters.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "world/day_cycle.h"
#include "world/market.h"
#include "world/missions.h"
#include "world/tutorial.h"

namespace qm {
namespace {

struct Point {
  int x = 0, y = 0;
};

Point PlaceOf(int system, int where) {
  if (where >= 1) {
    const auto& loc = Game.LocationData[system][where];
    return {loc[Loc::X], loc[Loc::Y]};
  }
  const auto& obj = Game.SpaceObjects[system][-where];
  return {obj[Obj::X], obj[Obj::Y]};
}

int FlyingCrew() {
  const auto& s = Game.Ship;
  return s[Sh::Crewmen] + s[Sh::Officers] + s[Sh::Pirates];
}

void CloseTravelScreen() {
  Run.TravelDaysLeft = 0;
  Run.TravelMayClose = 1;
  Run.TravelScreenVisible = false;
  UI().HideScreen(Screen::Travel);
  Run.TravelMayClose = 0;
}

void Mutiny(int location) {
  auto& s = Game.Ship;
  if (location < 1 || Game.Player[Pl::CriminalFlag] <= 0) return;
  if (s[Sh::Crewmen] + s[Sh::Officers] + s[Sh::Marines] <= 0) return;
  if (Game.LocationData[s[Sh::System]][location][Loc::Kind] <= 0) return;
  const int r = s[Sh::Officers] > 0 ? Random(40) : Random(100);
  if (r > 5) return;
  Notify("Mutinee!",
         "Some members of your crew do not want to serve a criminal any longer and steal an escape pod to flee to "
         "the planet surface. You should try to hire pirates at pirate hideouts instead!");
  for (int slot : {Sh::Crewmen, Sh::Officers, Sh::Marines}) s[slot] = std::max(0, s[slot] - Random(s[slot]));
}

void ContrabandOnArrival(int location) {
  // At a space-object place there is no location row to read and no police.
  if (location < 1) return;
  const bool hideout = Game.LocationData[Game.Ship[Sh::System]][location][Loc::Kind] == Kind::Hideout;
  if (hideout && Game.Player[Pl::CriminalFlag] > 0 && Game.Ship[Sh::Alive] > 0) return;
  if (contrabandCheck()) PoliceFight();
}

void Arrive() {
  const int target = Run.SelectedLocation;
  Game.Ship[Sh::Location] = target;
  Run.KnownSystemPrices[Game.Ship[Sh::System]] = 1;
  Run.KnownLocationPrices[target] = 1;
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
  UI().RefreshTradePopup();
  UI().HideScreen(Screen::Travel);
  TutorialHook(TutorialEvent::Arrived, target);

  if (Game.Ship[Sh::Alive] > 0) CheckMissionProgress();
  if (FlightInterrupted()) return;
  Mutiny(target);
  ContrabandOnArrival(target);
  if (FlightInterrupted()) return;
  if (target < 0) OpenSpaceObject(-target);
}

}  // namespace

bool FlightInterrupted() {
  return Run.FlightAborted || Run.QuitToMenu || Run.GameEnded || Game.Ship[Sh::Alive] <= 0;
}

int FlightDays(int target, bool crewPenalty) {
  const int system = Game.Ship[Sh::System];
  const bool toLocation = target >= 1;
  if (target == 0 || target > kLocations || target < -kObjectPlaces) return 0;
  const Point from = PlaceOf(system, Game.Ship[Sh::Location]);
  const Point to = PlaceOf(system, target);
  const int64_t distance = std::llabs(static_cast<int64_t>(to.x) - from.x) + std::llabs(static_cast<int64_t>(to.y) - from.y);
  const int speed = engineSpeed(Game.Ship[Sh::ShipType], Game.Ship[Sh::Engines]);
  int64_t days = distance / std::max(1, speed / 8);
  if (Age() > 70) days += Age() - 70;
  if (crewPenalty) days *= toLocation ? 3 : 6;
  days = std::max<int64_t>(days, 2);
  if (toLocation) days = std::min<int64_t>(days, 99);
  return Saturate(days);
}

bool CrewReadyToFly(bool& penalty) {
  const int needed = shipStat(Game.Ship[Sh::ShipType], Stat::CrewMin);
  penalty = false;
  if (FlyingCrew() >= needed) return true;
  if (!AskYesNo("Not enough crew!",
                "You need a crew of at least " + std::to_string(needed) +
                    " crewmen, officers or pirates to fly this ship. Space Marines and droids do not count! Do you "
                    "still wish to fly? (Travel time would be greatly increased)"))
    return false;
  penalty = true;
  return true;
}

void StartFlight(int target) {
  if (target == 0 || target > kLocations || target < -kObjectPlaces) return;
  if (target >= 1 && Run.TutorialActive && Run.TutorialStep < 6) {
    Notify("Tutorial",
           "Sorry, but please follow the tutorial instructions in the green window or alternatively close the "
           "tutorial.");
    return;
  }
  bool penalty = false;
  if (!CrewReadyToFly(penalty)) return;
  Run.TravelPicture = shipPictureName(Game.Ship[Sh::ShipType], Game.Ship[Sh::ShipFaction]) + "_scene.jpg";
  Run.SelectedLocation = target;
  Run.TravelDaysLeft = FlightDays(target, penalty);
  Run.FlightAborted = false;
  Game.Player[Pl::EncounterCounter] = 0;
  UI().PlaySound(Random(2) == 0 ? "Fly1.wav" : "Fly2.wav");
  if (Run.TravelScreenVisible) return;
  Run.TravelScreenVisible = true;
  UI().ShowScreen(Screen::Travel);
}

bool TravelTick() {
  if (!Run.TravelScreenVisible) return false;
  DailyUpdate();
  if (Run.SelectedLocation > 0) RollHostileEncounter();
  if (FlightInterrupted()) {
    // A death with a new chance leaves the ship where it took off; a game that
    // ended or was left stops everything still running.
    CloseTravelScreen();
    return false;
  }
  Run.TravelDaysLeft -= 1;
  if (Run.TravelDaysLeft > 0) return true;
  Arrive();
  CloseTravelScreen();
  return false;
}

void RunTravelToArrival() {
  while (Run.TravelScreenVisible && TravelTick()) {
  }
}

}  // namespace qm
