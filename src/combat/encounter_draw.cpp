#include "combat/encounter_draw.h"

#include <algorithm>

#include "catalogue/ships.h"
#include "combat/combat_state.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "combat/world_hooks.h"

namespace qm {
namespace {

// Faction draw bands per origin group: r <= pirates gives 0, r <= owner the
// owner, the rest a faction at war with the owner.
struct FactionBands {
  int pirates, owner;
};
constexpr FactionBands kFactionBands[4] = {{0, 0}, {20, 70}, {30, 60}, {20, 40}};

// Class draw bands: r below `lower` gives one class below the player's, below
// `same` the player's class, the rest one above.
struct ClassBands {
  int lower, same;
};
constexpr ClassBands kOwnSystem[4] = {{0, 0}, {71, 90}, {31, 80}, {11, 61}};
constexpr ClassBands kOtherSystem[4] = {{0, 0}, {11, 61}, {21, 71}, {11, 61}};

int WarEnemyOf(int owner) {
  int enemies[kFactions];
  int n = 0;
  for (int f = 1; f <= kFactions; ++f)
    if (f != owner && Game.FactionData[owner][Fac::RelationBase + f] > 0) enemies[n++] = f;
  return n == 0 ? owner : enemies[Random(n)];
}

}  // namespace

int EncounterGroup(int system) {
  if (Game.SystemData[system][Sys::UnderAttack] > 0) return 3;
  return Game.SystemData[system][Sys::SystemClass] == 6 ? 1 : 2;
}

int DrawGroupFaction(int group, int owner) {
  const FactionBands& b = kFactionBands[std::clamp(group, 1, 3)];
  const int r = Random(100);
  if (r <= b.pirates) return 0;
  if (r <= b.owner) return owner;
  return WarEnemyOf(owner);
}

bool FactionFlies(int type, int faction) {
  switch (shipStat(type, Stat::FieldedBy)) {
    case 0:
    case 1: return faction >= 0 && faction <= 4;
    case 2: return faction >= 2 && faction <= 4;
    case 3: return faction == 0 || faction == 2 || faction == 3;
    case 4: return faction >= 1 && faction <= 4;
    case 5: return faction == 0 || faction == 3 || faction == 4;
    case 6: return faction == 0 || faction == 2 || faction == 4;
    case -1: return faction == 1;
    case -2: return faction == 2;
    case -3: return faction == 3;
    case -4: return faction == 4;
    default: return false;
  }
}

int OwnShipClass() { return shipStat(Game.Ship[Sh::ShipType], Stat::Class); }

int DrawEncounterClass(int group, int faction) {
  const int k = OwnShipClass();
  const int g = std::clamp(group, 1, 3);
  const int owner = Game.SystemData[Game.Ship[Sh::System]][Sys::Owner];
  const int playerFaction = Game.Player[Pl::Faction];
  const bool own = owner == playerFaction;
  const ClassBands& b = own ? kOwnSystem[g] : kOtherSystem[g];
  const int r = Random(100);
  int c = r < b.lower ? k - 1 : r < b.same ? k : k + 1;
  if (own && g == 1 && faction != playerFaction) c = std::min(c, 2);
  return std::clamp(c, 1, 5);
}

int DrawShipOfClass(int shipClass, int faction, int role) {
  int candidates[kShipTypes];
  int n = 0;
  for (int t = 1; t <= kShipTypes; ++t) {
    if (shipStat(t, Stat::Class) != shipClass || !FactionFlies(t, faction)) continue;
    if (role != 0 && shipStat(t, Stat::Role) != role) continue;
    candidates[n++] = t;
  }
  return n == 0 ? 0 : candidates[Random(n)];
}

void AnnounceHostileEncounter() {
  const int type = Combat.EnemyShip[Sh::ShipType];
  const int faction = Combat.EnemyShip[Sh::ShipFaction];
  const std::string line = Game.FactionText[faction][FacT::FullName] + " " + shipName(type);
  Notify(5, "Hostile encounter!",
         line + " \"Alert! All hands to battle-stations. Hostile spaceship ahead and closing in. Ready to engage...\"",
         shipPictureName(type, faction) + "_scene.jpg");
  UI().PlaySound("alert.wav");
}

void FightAnnouncedBattle() {
  UI().ShowScreen(Screen::ShipCombat);
  HandleLostShip();
}

void HandleLostShip() {
  if (Game.Ship[Sh::Alive] > 0) return;
  WorldHooks().handleDeath();
  if (Game.Ship[Sh::Alive] <= 0) Run.GameEnded = true;
}

}  // namespace qm
