#include "combat/encounters.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "catalogue/career.h"
#include "catalogue/ships.h"
#include "combat/combat_state.h"
#include "combat/encounter_draw.h"
#include "combat/mission_hooks.h"
#include "combat/ship_combat.h"
#include "combat/spoils.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "combat/world_hooks.h"

namespace qm {
namespace {

constexpr int kDraws = 1000;
constexpr int kTractorBeam = 12;


// Missions that take the player into dangerous space raise the encounter odds.
bool DangerousMissionRuns() {
  const auto& m = Game.ActiveMission;
  if (m[1] <= 0) return false;
  const int t = m[2];
  return t == 2 || t == 3 || t == 6 || t == 7 || t == 10 || t == 11 || (t >= 13 && t <= 17);
}

// The daily chance out of the rolled range; never below 10.
int EncounterLimit() {
  int l = Game.SystemData[Game.Ship[Sh::System]][Sys::UnderAttack] > 0 ? 60 : 30;
  if (HasAbility(9) && !HasAbility(10)) l -= l / 4;
  if (HasAbility(10)) l -= l / 2;
  if (shipStat(Game.Ship[Sh::ShipType], Stat::Speciality) == 11) l -= l / 4;
  return std::max(l, 10);
}

// A wanted pilot meets the police of any faction; anyone else meets pirates
// and the enemies of the own faction.
bool AcceptableAttacker(int f) {
  const int own = Game.Player[Pl::Faction];
  if (Game.Player[Pl::CriminalFlag] > 0) return f != 0;
  return f == 0 || (f != own && Game.FactionData[own][Fac::RelationBase + f] > 0);
}

// The attacker's faction, or -1 when no draw fits.
int DrawAttackerFaction(int group, int owner) {
  for (int i = 0; i < kDraws; ++i) {
    const int f = DrawGroupFaction(group, owner);
    if (AcceptableAttacker(f)) return f;
  }
  return -1;
}

// A warship of the faction no bigger than the player's ship; 0 when none is drawn.
int DrawAttackerShip(int group, int faction) {
  const int limit = OwnShipClass();
  for (int i = 0; i < kDraws; ++i) {
    const int t = DrawShipOfClass(DrawEncounterClass(group, faction), faction, 0);
    if (t != 0 && shipStat(t, Stat::Role) == 1 && shipStat(t, Stat::Class) <= limit) return t;
  }
  return 0;
}

int ClampReward(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, 2500, 50000)); }

void OpenLifepod(int system) {
  int empty = 0;
  for (int p = 1; p <= kObjectPlaces; ++p) empty += Game.SpaceObjects[system][p][Obj::Present] <= 0;
  if (empty > 0) {
    WorldHooks().spawnSpaceObject(system);
    WorldHooks().spawnSpaceObject(system);
    Notify("Lifepod:",
           "You open the lifepod. The crew is dead, but you are able to download information about hidden "
           "locations.",
           "lifepodr.jpg");
  } else {
    Notify("Lifepod:", "You open the lifepod. The crew is dead and you cannot find anything else of value.",
           "lifepodr.jpg");
  }
}

void OpenTreasure() {
  const int64_t d = ClampReward(static_cast<int64_t>(Random(Game.Player[Pl::Credits] / 20)) * Game.Player[Pl::Rank]);
  AddCredits(d);
  Notify("Treasure:", "You have found a hidden treasure. It is worth about " + std::to_string(d) + " credits.",
         "treasurer.jpg");
}

void OpenGhostShip() {
  Notify("Ghost ship:",
         "There are no lifesigns on board of the ghost ship, but there is a reactor breach and the ship can explode "
         "anytime. Hurry!",
         "ghostshipr.jpg");
  const int hold = Game.Ship[Sh::CargoCapacity];
  CreditLoot(Random(hold) + hold / 2, 0);
}

void OpenArtifact() {
  const int choice = UI().Choose("Alien Artifact:",
                                 "You have found a strange little alien artifact. You can either sell it on the black "
                                 "market or give it to your government for fame.",
                                 "Sell", "Give");
  if (choice == 1) {
    const int64_t v =
        ClampReward(static_cast<int64_t>(Random(Game.Player[Pl::Credits] / 30)) * Game.Player[Pl::Rank]);
    AddCredits(v);
    Notify("Black market:",
           "You sell the artifact on the black market and receive " + std::to_string(v) + " credits.");
    return;
  }
  const int needed = experienceForLevel(Game.Player[Pl::Level]);
  GainExperienceWithMessage(Game.Player[Pl::Level] == 1 ? needed / 4 : needed / 8);
}

// Secret data is kept only with the spy computer; otherwise it stays in space.
bool OpenSecretData() {
  const int hold = Game.Ship[Sh::CargoCapacity];
  const int n = Random(hold / 5) + hold / 10;
  const int free = FreeCargoSpace();
  const int left = n > free ? n - free : 0;
  std::string text = "You receive some transmissions including secret data. You download " + std::to_string(n) +
                     " units of secret data on large data carriers.";
  if (left > 0) text += " You have to leave " + std::to_string(left) + " units behind, due to limited cargo space.";
  if (UI().ChooseWithPicture("Secret data:", text, "Keep (Illegal)", "Delete", "GeneralMissionPic.jpg") != 1)
    return false;
  if (Game.Ship[Sh::Targeting] != 5) {
    Notify("N/A",
           "Sorry, you need to have the \"spy equipment\" upgrade for your ship in order to decode the data.");
    return false;
  }
  Game.Cargo[18] = Saturate(static_cast<int64_t>(Game.Cargo[18]) + std::min(n, free));
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
  return true;
}

// Ships present: about 45% civilian, 35% military, 20% pirates.
int DrawShipKind() {
  const int r = Random(100);
  return r < 45 ? 1 : r < 80 ? 2 : 3;
}

// Specialities by kind; the war-related ones only where a siege runs.
int DrawSpeciality(int kind, bool siege) {
  const int r = Random(100);
  if (kind == 1) {
    if (r < 10) return 3;
    if (r < 15) return Game.Player[Pl::TreasureFleetSeen] > 0 ? 0 : 4;
    if (r < 21) return siege ? 2 : 0;
    if (r < 33) return siege ? 5 : 0;
    return 0;
  }
  if (kind == 2) {
    if (r < 8) return siege ? 2 : 0;
    if (r < 28) return siege ? 3 : 0;
    return 0;
  }
  if (r < 20) return 1;
  if (r < 27) return 2;
  return 0;
}

}  // namespace

void RollHostileEncounter() {
  const int cls = OwnShipClass();
  int e = cls == 5 ? Random(2000) : Random(1000);
  if (DangerousMissionRuns()) e = cls == 5 ? Random(1000) : Random(400);
  if (Run.TutorialActive && Game.StarDate < 50) return;
  if (e >= EncounterLimit()) return;

  const int system = Game.Ship[Sh::System];
  const int group = EncounterGroup(system);
  const int owner = Game.SystemData[system][Sys::Owner];
  const int faction = DrawAttackerFaction(group, owner);
  if (faction < 0) return;
  const int type = DrawAttackerShip(group, faction);
  if (type == 0) return;

  auto& counter = Game.Player[Pl::EncounterCounter];
  if (counter > 0) return;
  counter += 1;

  const int own = Game.Player[Pl::Faction];
  const bool wanted = Game.Player[Pl::CriminalFlag] > 0;
  const bool tractor = (wanted && faction == own) || Game.FactionData[own][Fac::RelationBase + faction] <= 0;
  SetupShipCombat(type, faction, 2, 0);
  if (tractor) Combat.EnemyAbilities[12] = kTractorBeam;
  AnnounceHostileEncounter();
  FightAnnouncedBattle();
}

void PoliceFight(PatrolClass patrol) {
  const int system = Game.Ship[Sh::System];
  const int group = EncounterGroup(system);
  const int owner = Game.SystemData[system][Sys::Owner];
  const int cls = OwnShipClass();
  int type = 0;
  for (int i = 0; i < kDraws && type == 0; ++i) {
    const int t = DrawShipOfClass(DrawEncounterClass(group, owner), owner, 0);
    const int c = shipStat(t, Stat::Class);
    const bool fits = patrol == PatrolClass::Same ? c == cls : c > cls;
    if (t != 0 && shipStat(t, Stat::Role) == 1 && fits) type = t;
  }
  if (type == 0) return;  // no patrol of that class here: the flag stands, nobody attacks
  SetupShipCombat(type, owner, 2, 0);
  AnnounceHostileEncounter();
  FightAnnouncedBattle();
  if (Run.GameEnded) UI().HideScreen(Screen::MainScreen);
}

void OpenSpaceObject(int place) {
  if (place < 1 || place > kObjectPlaces) return;
  const int system = Game.Ship[Sh::System];
  auto& obj = Game.SpaceObjects[system][place];
  if (obj[Obj::Present] <= 0) return;
  bool consumed = true;
  switch (obj[Obj::Kind]) {
    case 1: OpenLifepod(system); break;
    case 2: OpenTreasure(); break;
    case 3: OpenGhostShip(); break;
    case 4: OpenArtifact(); break;
    case 20:
    case 21: consumed = OpenSecretData(); break;
    default: break;
  }
  if (consumed) obj[Obj::Present] = 0;
  UI().RefreshSpaceObjects();
}

void GenerateSystemShip(int row) {
  if (row < 1 || row > kSystemShipRows) return;
  auto& ship = Game.SystemShips[row];
  if (ship[1] > 0) return;
  int chance = 30;
  if (HasAbility(11) || Game.Ship[Sh::Targeting] == 4) chance += 15;
  if (HasAbility(12)) chance += 15;
  if (Random(100) >= chance) return;

  const int system = Game.Ship[Sh::System];
  const int group = EncounterGroup(system);
  const int owner = Game.SystemData[system][Sys::Owner];
  const int kind = DrawShipKind();
  int faction = 0;
  if (kind != 3) {
    faction = -1;
    for (int i = 0; i < kDraws && faction < 0; ++i) {
      const int f = DrawGroupFaction(group, owner);
      if (f != 0) faction = f;
    }
    if (faction < 0) return;
  }
  const int role = kind == 1 ? 2 : 1;
  int type = 0;
  for (int i = 0; i < kDraws && type == 0; ++i) type = DrawShipOfClass(DrawEncounterClass(group, faction), faction, role);
  if (type == 0) return;

  ship.fill(0);
  ship[1] = 1;
  ship[2] = type;
  ship[3] = kind;
  ship[4] = 0;
  ship[5] = faction;
  ship[6] = Random(3) + 4;
  ship[9] = DrawSpeciality(kind, Game.SystemData[system][Sys::UnderAttack] > 0);
  if (kind == 1 && ship[9] == 4) {
    Game.Player[Pl::TreasureFleetSeen] = 1;
    if (HasAbility(28))
      Notify("Treasure fleet",
             "During a routine check of the government computers you found out (\"Hacking ability\") that there is "
             "a treasure fleet ship in this system!");
  }
}

void ClearSystemShips() {
  for (int row = 1; row <= kSystemShipRows; ++row) {
    auto& ship = Game.SystemShips[row];
    if (ship[1] > 0 && ship[3] == 1 && ship[9] == 4) Game.Player[Pl::TreasureFleetSeen] = 0;
    ship.fill(0);
  }
}

void SneakInPoliceFight() { PoliceFight(PatrolClass::Larger); }

}  // namespace qm
