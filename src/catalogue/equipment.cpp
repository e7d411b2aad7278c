// Combat numbers, prices and derived ship values of the equipment families.
// The names, pictures and texts are in equipment_texts.cpp.
#include "catalogue/equipment.h"

#include <array>
#include <cstdint>

#include "catalogue/lookup.h"
#include "catalogue/ships.h"
#include "state/game_state.h"

namespace qm {
namespace {

bool realShip(int shipType) { return shipStat(shipType, Stat::Class) != 0; }

// How a gun's damage is formed from the ship's base gun damage D.
enum class GunDamageRule { Base, LessQuarter, PlusHalf, PlusThird };

struct Gun {
  int hitDelta;
  GunDamageRule damage;
  int apDelta;
  int basePrice;
};

constexpr std::array<Gun, kGunItems> kGuns = {{
    {0, GunDamageRule::Base, 0, 3500},          // Laser
    {-5, GunDamageRule::LessQuarter, -1, 5500},  // Turbo-Laser
    {-5, GunDamageRule::PlusHalf, 1, 10000},     // Fusion
    {5, GunDamageRule::PlusThird, 0, 16000},     // Particle
    {0, GunDamageRule::PlusHalf, 1, 30000},      // Quantum
    {-5, GunDamageRule::PlusHalf, 1, 10000},     // SuperFusion
    {0, GunDamageRule::Base, 0, 12000},          // Leech
    {-5, GunDamageRule::PlusThird, 0, 16000},    // Disruptor
    {-5, GunDamageRule::LessQuarter, -1, 6000},  // Gatling
}};

constexpr int kTurboLaser = 1;

// How the warhead value X is formed from the ship's base missile damage M.
enum class WarheadRule { Base, PlusHalf, Fifth, Double, Triple, Quadruple, Third, Tenfold };

struct Missile {
  WarheadRule warhead;
  int apDelta;
  bool fixedTwoAp;
  int ecmModifier;
  int basePrice;
};

constexpr std::array<Missile, kMissileItems> kMissiles = {{
    {WarheadRule::Base, 0, false, 0, 3000},        // Arrow Mk. I
    {WarheadRule::PlusHalf, 1, false, 0, 10000},   // Arrow Mk. III
    {WarheadRule::Fifth, -1, false, 0, 5000},      // Arrow Dummy
    {WarheadRule::Double, -1, false, -5, 15000},   // X-ASM
    {WarheadRule::Base, 0, false, 0, 3000},        // Arrow Mk. II
    {WarheadRule::Double, 1, false, 0, 5000},      // Zeus Mk. I
    {WarheadRule::Triple, 1, false, 0, 8000},      // Zeus Mk. II
    {WarheadRule::Quadruple, 0, false, 0, 8000},   // Mine Mk. I
    {WarheadRule::Third, 1, false, 0, 7500},       // Zeus EMP
    {WarheadRule::Quadruple, 0, true, 0, 10000},   // Mine Mk. II
    {WarheadRule::Tenfold, 0, true, -15, 20000},   // Destroyer
}};

// A missile never costs less than this many AP.
constexpr int kMinMissileAp = 2;

struct Engine {
  int speedBonus;
  int evasiveBonus;
  int basePrice;
};

constexpr std::array<Engine, kEngineItems> kEngines = {{
    {0, 0, 5000}, {250, 0, 15000}, {0, 0, 15000}, {0, 10, 15000}, {0, 0, 15000}, {0, 0, 15000}, {0, 0, 20000},
}};

constexpr int kCargoEngine = 4;   // MarsWorks XL-Trade: compact engine, more cargo space
constexpr int kShieldEngine = 6;  // Defender "Victory": stronger shields

struct Targeting {
  int hitBonus;
  int basePrice;
};

constexpr std::array<Targeting, kTargetingItems> kTargeting = {{
    {0, 1000}, {5, 5000}, {10, 10000}, {0, 10000}, {0, 10000}, {0, 10000}, {0, 15000},
}};

struct Ecm {
  int chance;
  int actionPoints;
  int basePrice;
};

constexpr std::array<Ecm, kEcmItems> kEcm = {{
    {40, 2, 3000}, {50, 2, 5000}, {70, 5, 5000}, {80, 5, 10000}, {40, 3, 10000}, {100, 5, 20000},
}};

constexpr std::array<int, kCargoSystemItems> kCargoSystemPrices = {2000, 7500, 7500, 7500, 7500, 7500};

constexpr int kShieldCargoSystem = 2;    // Auxiliary shield unit
constexpr int kBoardingShuttle = 5;      // Boarding shuttle: more crew
constexpr int kCargoManager = 3;         // non-combat ability: +25% cargo space
constexpr int kAdvancedCargoManager = 4; // non-combat ability: +50% cargo space

// Upgrade options of the equipment screen: [class 1..5][category 1..6][k 1..4].
using OptionRow = std::array<int, 4>;
using ClassOptions = std::array<OptionRow, 6>;
constexpr std::array<ClassOptions, 5> kUpgradeOptions = {{
    {{{0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}}},
    {{{0, 1, 6, 3}, {4, 2, 3, 5}, {0, 1, 2, 4}, {0, 1, 2, 3}, {0, 2, 3, 4}, {0, 1, 2, 3}}},
    {{{0, 1, 6, 7}, {5, 6, 7, 8}, {0, 1, 5, 4}, {0, 4, 5, 3}, {0, 2, 4, 5}, {0, 1, 4, 3}}},
    {{{0, 7, 6, 5}, {5, 8, 7, 9}, {0, 1, 5, 4}, {0, 4, 5, 3}, {0, 2, 4, 5}, {0, 1, 4, 3}}},
    {{{7, 8, 6, 4}, {5, 8, 9, 10}, {0, 1, 5, 6}, {0, 4, 2, 3}, {0, 2, 5, 6}, {0, 1, 4, 5}}},
}};

bool validItem(int item, int count) { return item >= 0 && item < count; }

int familyPrice(int shipType, int item, int count, int basePrice) {
  return validItem(item, count) ? equipmentPrice(shipType, basePrice) : 0;
}

// The gun whose numbers apply: Twin guns switched on fire the built-in Turbo-Lasers.
int effectiveGun(int shipType, int item) {
  return specialityActive(shipType, ShipSpecial::TwinGuns) ? kTurboLaser : item;
}

}  // namespace

// ---- Guns ----

int gunHitChance(int shipType, int item) {
  if (!realShip(shipType)) return 0;
  const int gun = effectiveGun(shipType, item);
  if (!validItem(gun, kGunItems)) return 0;
  return shipStat(shipType, Stat::GunAccuracy) + kGuns[static_cast<size_t>(gun)].hitDelta;
}

int gunDamage(int shipType, int item) {
  if (!realShip(shipType)) return 0;
  const int gun = effectiveGun(shipType, item);
  if (!validItem(gun, kGunItems)) return 0;
  const int d = shipStat(shipType, Stat::GunDamage);
  int x = d;
  switch (kGuns[static_cast<size_t>(gun)].damage) {
    case GunDamageRule::Base: x = d; break;
    case GunDamageRule::LessQuarter: x = d - d / 4; break;
    case GunDamageRule::PlusHalf: x = d + d / 2; break;
    case GunDamageRule::PlusThird: x = d + d / 3; break;
  }
  if (specialityActive(shipType, ShipSpecial::GunVolley)) x += x / 2;
  return x;
}

int gunActionPoints(int shipType, int item) {
  if (!realShip(shipType)) return 0;
  const int gun = effectiveGun(shipType, item);
  const int volley = specialityActive(shipType, ShipSpecial::GunVolley) ? 1 : 0;
  // An unknown gun costs nothing of its own, but the volley still adds its AP.
  if (!validItem(gun, kGunItems)) return volley;
  return shipStat(shipType, Stat::GunActionPoints) + kGuns[static_cast<size_t>(gun)].apDelta + volley;
}

int gunPrice(int shipType, int item) {
  return familyPrice(shipType, item, kGunItems, entry(kGuns, item).basePrice);
}

// ---- Missiles ----

int missileDamage(int shipType, int item) {
  if (!realShip(shipType) || !validItem(item, kMissileItems)) return 0;
  const int m = shipStat(shipType, Stat::MissileDamage);
  int x = m;
  switch (kMissiles[static_cast<size_t>(item)].warhead) {
    case WarheadRule::Base: x = m; break;
    case WarheadRule::PlusHalf: x = m + m / 2; break;
    case WarheadRule::Fifth: x = m / 5; break;
    case WarheadRule::Double: x = 2 * m; break;
    case WarheadRule::Triple: x = 3 * m; break;
    case WarheadRule::Quadruple: x = 4 * m; break;
    case WarheadRule::Third: x = m / 3; break;
    case WarheadRule::Tenfold: x = 10 * m; break;
  }
  return x - x / 3;
}

int missileActionPoints(int shipType, int item) {
  if (!realShip(shipType)) return 0;
  if (!validItem(item, kMissileItems)) return kMinMissileAp;
  const Missile& missile = kMissiles[static_cast<size_t>(item)];
  if (missile.fixedTwoAp) return kMinMissileAp;
  int ap = shipStat(shipType, Stat::MissileActionPoints) + missile.apDelta;
  // Admirals (ranks 7 and 8) load faster, as do ships with fast missile racks switched on.
  if (specialityActive(shipType, ShipSpecial::FastMissileRacks) || Game.Player[Pl::Rank] >= 7) ap -= 1;
  return ap < kMinMissileAp ? kMinMissileAp : ap;
}

int missileEcmModifier(int item) { return entry(kMissiles, item).ecmModifier; }

int missilePrice(int shipType, int item) {
  return familyPrice(shipType, item, kMissileItems, entry(kMissiles, item).basePrice);
}

// ---- Engines, targeting, ECM, cargo systems ----

int engineSpeed(int shipType, int item) {
  if (!realShip(shipType) || !validItem(item, kEngineItems)) return 0;
  return shipStat(shipType, Stat::TravelSpeed) + kEngines[static_cast<size_t>(item)].speedBonus;
}

int engineEvasiveBonus(int item) { return entry(kEngines, item).evasiveBonus; }

int enginePrice(int shipType, int item) {
  return familyPrice(shipType, item, kEngineItems, entry(kEngines, item).basePrice);
}

int targetingHitBonus(int item) { return entry(kTargeting, item).hitBonus; }

int targetingPrice(int shipType, int item) {
  return familyPrice(shipType, item, kTargetingItems, entry(kTargeting, item).basePrice);
}

int ecmChance(int item) { return entry(kEcm, item).chance; }

int ecmActionPoints(int item) { return entry(kEcm, item).actionPoints; }

int ecmPrice(int shipType, int item) { return familyPrice(shipType, item, kEcmItems, entry(kEcm, item).basePrice); }

int cargoSystemPrice(int shipType, int item) {
  return familyPrice(shipType, item, kCargoSystemItems, entry(kCargoSystemPrices, item));
}

// ---- Prices, options and derived ship values ----

int equipmentPrice(int shipType, int baseprice) {
  const int cls = shipStat(shipType, Stat::Class);
  int64_t price = static_cast<int64_t>(baseprice) * cls * 32;
  switch (cls) {
    case 1: price = price / 32 * 4; break;
    case 2: price = price / 32 * 16; break;
    case 5: price = price * 4; break;
    default: break;
  }
  return Saturate(price);
}

int upgradeOption(int shipClass, int category, int k) {
  if (shipClass < 1 || shipClass > 5 || category < 1 || category > 6 || k < 1 || k > 4) return 0;
  return kUpgradeOptions[static_cast<size_t>(shipClass - 1)][static_cast<size_t>(category - 1)]
                        [static_cast<size_t>(k - 1)];
}

int maxShields(int shipType, int engine, int cargoSystem) {
  if (!validItem(engine, kEngineItems) || !validItem(cargoSystem, kCargoSystemItems)) return 0;
  int x = shipStat(shipType, Stat::MaxShields);
  if (engine == kShieldEngine) x += x / 4;
  if (cargoSystem == kShieldCargoSystem) x += x / 4;
  return x;
}

int cargoCapacity(int shipType, int cargoSystem) {
  if (!validItem(cargoSystem, kCargoSystemItems)) return 0;
  const int c = shipStat(shipType, Stat::BaseCargo);
  int x = c;
  if (Game.Ship[Sh::Engines] == kCargoEngine) {
    x = c + c / 2;  // the compact engine replaces whatever the cargo system gives
  } else if (cargoSystem == 1) {
    x = c + c / 2;
  } else if (cargoSystem >= 2) {
    x = c - c / 3;
  }
  if (Game.NonCombatAbilities[kAdvancedCargoManager] != 0) {
    x += x / 2;
  } else if (Game.NonCombatAbilities[kCargoManager] != 0) {
    x += x / 4;
  }
  return x;
}

int maxCrew(int shipType, int cargoSystem) {
  if (!validItem(cargoSystem, kCargoSystemItems)) return 0;
  int x = shipStat(shipType, Stat::CrewMax);
  if (cargoSystem == kBoardingShuttle) x += x / 5;
  return x;
}

}  // namespace qm
