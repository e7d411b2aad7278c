#include "world/cheats.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "catalogue/career.h"
#include "catalogue/ships.h"
#include "combat/boarding.h"
#include "combat/combat_display.h"
#include "combat/combat_state.h"
#include "combat/fleet_battle.h"
#include "combat/ship_combat.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "world/crew.h"
#include "world/missions.h"
#include "world/promotion.h"
#include "world/shipyard.h"

namespace qm {
namespace {

const std::array<FastStart, 3> kFastStarts = {{
    {100000, 7, 3, {1, 5, 9, 14}, {6, 11}, 6, 7},
    {500000, 13, 5, {1, 5, 9, 14, 15, 16, 18, 19}, {6, 8, 11, 12}, 13, 13},
    {1000000, 15, 6, {1, 5, 9, 11, 14, 15, 16, 18, 19}, {6, 8, 11, 12, 22}, 16, 16},
}};

void RefreshMain() { UI().RefreshMainScreen(Game.Ship[Sh::System]); }

// Crew beyond the new ship's maximum leave as from a captured ship kept, then the
// crew that flies it is filled up to its minimum as after a purchase. Should the
// filled-up crew exceed the maximum again, marines and droids make room.
void FitCrewToShip(int type) {
  sendAwayCrewBeyondMaximum();
  fillCrewToMinimum(type);
  auto& s = Game.Ship;
  int64_t over = static_cast<int64_t>(totalCrew()) - crewCapacity();
  for (int slot : {Sh::Marines, Sh::Droids}) {
    const int64_t leave = std::clamp<int64_t>(over, 0, std::max(0, s[slot]));
    s[slot] -= static_cast<int32_t>(leave);
    over -= leave;
  }
}

}  // namespace

bool ShipBattleRunning() {
  return Game.Ship[Sh::Alive] > 0 && Combat.EnemyShip[Sh::Alive] > 0 && Combat.CombatEnded == 0;
}

bool AnyBattleOpen() { return ShipBattleRunning() || Boarding.open || Fleet.open; }

void cheatMoney() {
  auto& credits = Game.Player[Pl::Credits];
  credits = Saturate(static_cast<int64_t>(credits) + kCheatMoney);
  RefreshMain();
}

void cheatPromotion() {
  auto& p = Game.Player;
  const int level = p[Pl::Level];
  p[Pl::Experience] = experienceForLevel(level);
  CheckPromotion();
  UI().RefreshExperience();
  if (p[Pl::Level] == level)
    Notify("No promotion", "You already hold the highest level there is; no further promotion can be given.");
}

void cheatToggleAging() {
  Run.AgeFreeze = !Run.AgeFreeze;
  RefreshMain();
}

bool cheatDestroyEnemy() {
  if (!ShipBattleRunning()) {
    Notify("N/A", "There is no enemy ship to destroy. This cheat works only during a ship battle.");
    return false;
  }
  Combat.EnemyShip[Sh::ShieldEnergy] = 0;
  CheckCombatEnd();
  RefreshCombatDisplay();
  return true;
}

const FastStart& FastStartOf(int level) {
  return kFastStarts[static_cast<size_t>(level >= 1 && level <= 3 ? level - 1 : 0)];
}

bool cheatFastStart(int level) {
  if (level < 1 || level > 3) return false;
  if (AnyBattleOpen()) {
    Notify("N/A", "A fast start cannot be taken in the middle of a battle. Please try again after the fight.");
    return false;
  }
  const FastStart& f = FastStartOf(level);
  auto& p = Game.Player;
  auto& s = Game.Ship;
  p[Pl::Credits] = f.credits;
  p[Pl::Level] = f.level;
  p[Pl::Rank] = f.rank;
  p[Pl::Experience] = 0;
  // Only added: what was learned before stays learned.
  for (int id : f.abilities) Game.NonCombatAbilities[id] = 1;
  for (int id : f.combatActions) Game.CombatAbilities[id] = 1;

  const int type = p[Pl::Faction] == 1 ? f.federationShipType : f.shipType;
  s[Sh::ShipType] = type;
  s[Sh::ShipFaction] = p[Pl::Faction];
  s[Sh::ShieldEnergy] = shipStat(type, Stat::MaxShields);
  s[Sh::MissileParam] = 0;
  fitFirstOfferedEquipment();
  recomputeCargoCapacity();
  RegenerateMissionBoards();
  FitCrewToShip(type);
  RefreshMain();
  UI().RefreshExperience();
  Notify("Done", "You receive a new ship, a higher rank, some credits and new abilities.");
  return true;
}

}  // namespace qm
