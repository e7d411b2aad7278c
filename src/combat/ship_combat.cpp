// Setting a battle up: the player's side (AP, reinforcements, ability bar) and
// the enemy built from its type, faction, AI kind and tier.
#include "combat/ship_combat.h"

#include <algorithm>

#include "catalogue/ships.h"
#include "combat/combat_display.h"
#include "combat/combat_rules.h"
#include "state/game_state.h"
#include "state/random.h"

namespace qm {

using namespace combat;

namespace {

void SetupPlayerSide() {
  auto& s = Game.Ship;
  const int faction = Game.Player[Pl::Faction];
  const int owner = Game.SystemData[s[Sh::System]][Sys::Owner];
  const auto& nca = Game.NonCombatAbilities;
  s[Cb::DurationFactor] = 0;
  s[Cb::Reinforcements] = -1;
  if (Game.Player[Pl::CriminalFlag] == 0 &&
      (owner == faction || (Game.FactionData[faction][Fac::RelationBase + owner] == 0 && nca[14] == 1) ||
       (owner != faction && nca[15] == 1)))
    s[Cb::Reinforcements] = 8;
  const int ap = shipStat(s[Sh::ShipType], Stat::ActionPointsPerTurn);
  s[Cb::AP] = ap;
  for (int f : {Cb::ShieldBoostUsed, Cb::ChannellingUsed, Cb::RechargeUsed, Cb::MissileReload, Cb::ShotsThisTurn,
                Cb::AntiPhaseUsed})
    s[f] = 0;
  s[Cb::EightPointGauge] = ap > 5 ? 1 : 0;
  BuildAbilityBar();
}

// The enemy's tier: the caller's, or the player's level band when higher;
// cruisers and battleships fight at tier 2 at least.
int EffectiveTier(int tier, int enemyClass) {
  const int level = Game.Player[Pl::Level];
  int t = level < 7 ? 1 : level <= 14 ? 2 : level <= 18 ? 3 : 4;
  const IntRow contact = ScanContact();
  if (contact[3] == 3 && contact[9] == 2) t += 1;  // a famous pirate
  t = std::min(t, 4);
  t = std::max(t, tier);
  if (enemyClass > 3) t = std::max(t, 2);
  return std::min(t, 4);
}

// Picks one of three items by one draw r: below 61, 61..80, 81..99.
int ThreeWay(int r, int a, int b, int c) { return r < 61 ? a : r <= 80 ? b : c; }

void EquipEnemy(int tier, int enemyClass) {
  auto& e = Combat.EnemyShip;
  const int r = Random(100);
  int gun = 0;
  int missile = 0;
  if (enemyClass <= 2) {
    missile = enemyClass == 1 ? 0 : 4;
    if (tier == 1)
      gun = Random(2);
    else if (tier == 2)
      gun = r < 41 ? 0 : r <= 70 ? 1 : 3;
    else
      gun = r < 61 ? 1 : 3;
  } else {
    const int secondDraw = enemyClass == 5 ? Random(100) : 0;
    missile = enemyClass == 5 && secondDraw >= 71 ? 10 : 5;
    if (enemyClass == 3)
      gun = tier <= 2 ? ThreeWay(r, 0, 1, 7) : (r < 61 ? 1 : 7);
    else if (enemyClass == 4)
      gun = tier <= 2 ? ThreeWay(r, 0, 7, 6) : (r < 61 ? 7 : 6);
    else
      gun = tier <= 2 ? ThreeWay(r, 7, 8, 4) : (r < 61 ? 8 : 4);
  }
  e[Sh::Guns] = gun;
  e[Sh::Missiles] = missile;
  e[Sh::Ecm] = 1;
  e[Sh::Targeting] = 1;
}

struct Repertoire {
  int reinforcements;  // 1: the enemy calls reinforcements (countdown 8)
  int ids[12];
};

// Enemy abilities by tier (1, 2, 3-4) and AI kind (1, 2, 3).
constexpr Repertoire kRepertoire[3][3] = {
    {{1, {1, 2, 3, 10, 11, 22}}, {0, {1, 2, 3, 10, 4, 7}}, {0, {1, 2, 3, 13, 12, 7}}},
    {{1, {1, 2, 3, 10, 11, 23, 24, 31}}, {0, {1, 2, 3, 10, 4, 7, 6, 12}}, {0, {1, 2, 3, 13, 12, 7, 16, 15, 12}}},
    {{1, {1, 2, 3, 10, 11, 23, 25, 26, 31, 18}},
     {0, {1, 2, 3, 4, 7, 6, 12, 5, 20, 9}},
     {0, {1, 2, 3, 13, 12, 7, 16, 15, 12, 14, 32}}},
};

void SetupEnemySide(int enemyType, int enemyFaction, int aiKind, int tier) {
  auto& e = Combat.EnemyShip;
  Combat.EnemyAbilities.fill(0);
  e.fill(0);
  e[Sh::Alive] = 1;
  e[Sh::ShipType] = enemyType;
  e[Cb::AP] = shipStat(enemyType, Stat::ActionPointsPerTurn);
  e[Cb::AiKind] = aiKind;
  e[Sh::ShipFaction] = enemyFaction;
  e[Sh::Location] = 2;
  e[Sh::System] = 2;
  e[Cb::Reinforcements] = -1;
  Combat.EnemyEscaped = 0;
  if (aiKind >= 1 && aiKind <= 3) {
    const int f = shipStat(enemyType, Stat::CrewMax);
    e[Sh::Crewmen] = std::max(1, shipStat(enemyType, Stat::CrewMin));
    int marines = std::max(0, f - e[Sh::Crewmen]);
    if (aiKind != 2) marines /= 2;
    const int droids = Random(marines / 6 + 1);
    e[Sh::Marines] = marines - droids;
    e[Sh::Droids] = droids;
  }
  e[Sh::ShieldEnergy] = shipStat(enemyType, Stat::MaxShields);
  e[50] = 3;
  e[Sh::CargoCapacity] = shipStat(enemyType, Stat::BaseCargo);

  const int cls = ShipClass(enemyType);
  const int t = EffectiveTier(tier, cls);
  EquipEnemy(t, cls);

  const int kind = aiKind >= 1 && aiKind <= 3 ? aiKind : 2;
  const Repertoire& rep = kRepertoire[std::min(t, 3) - 1][kind - 1];
  for (int k = 0; k < 12; ++k) Combat.EnemyAbilities[k + 1] = rep.ids[k];
  if (rep.reinforcements) e[Cb::Reinforcements] = 8;

  if (Game.SystemData[Game.Ship[Sh::System]][Sys::Owner] == enemyFaction) e[Cb::Reinforcements] = 8;
  if (cls == 4 && aiKind == 1 && Random(100) < 31) e[Sh::Missiles] = Missile::MineMk1;
  if (shipStat(enemyType, Stat::IsFormation) > 0) e[Sh::Guns] = 0;
  if (Run.TutorialActive && (Run.TutorialStep == 12 || Run.TutorialStep == 13)) e[Sh::Guns] = 1;
  if (cls == 5 && e[Sh::Guns] != 4 && e[Sh::Guns] != 8) e[Sh::Guns] = 4;
  if (enemyType == kStarbase) e[Sh::Guns] = 0;
}

}  // namespace

std::array<int, 12> EnemyRepertoire(int tier, int aiKind) {
  std::array<int, 12> ids{};
  if (tier < 1 || aiKind < 1 || aiKind > 3) return ids;
  const Repertoire& rep = kRepertoire[std::min(tier, 3) - 1][aiKind - 1];
  for (size_t k = 0; k < ids.size(); ++k) ids[k] = rep.ids[k];
  return ids;
}

void SetupShipCombat(int enemyType, int enemyFaction, int aiKind, int tier) {
  const int scan = Combat.ScanRecord;
  ResetCombatTables();  // effect lists, missiles, icon and radar markers
  Combat.ScanRecord = scan;
  Run.PlayerSpecialActive = false;
  SetupPlayerSide();
  SetupEnemySide(enemyType, enemyFaction, aiKind, tier);
  RefreshCombatDisplay();
}

}  // namespace qm
