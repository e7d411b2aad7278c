// Ship and equipment catalogue: rows checked against the game's tables, the
// special-ability modifiers, the derived ship values and total lookups.
#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "state/game_state.h"

namespace qm {
namespace {

class CatalogueShips : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameState();
    qm::Run.PlayerSpecialActive = false;
  }
  void TearDown() override { qm::Run.PlayerSpecialActive = false; }
};

constexpr std::array<int, 7> kBadIndices = {INT_MIN, -100, -2, 99, 1000, 1 << 30, INT_MAX};

TEST_F(CatalogueShips, FullShipRowsAndDisplayNames) {
  // Stats 1..18 of a few complete rows.
  const std::array<int, 18> shark = {3, 45, 50, 2, 550, 45, 4, 200, 150, 2200, 1000000, 12, 36, 6, 1, 0, 10, 5};
  const std::array<int, 18> starbase = {5, 45, 180, 2, 3500, 600, 4, 0, 2000, 20000, 5000000, 100, 200, 4, 1, 1, 0, 5};
  const std::array<int, 18> stonewall = {5, 45, 150, 2, 1800, 500, 4, 200, 400, 12500, 6000000, 40, 110, 2, 1, 0, 3, 6};
  const std::array<int, 18> squadron = {2, 45, 18, 2, 300, 60, 4, 200, 240, 1000, 60000, 0, 0, 4, 2, 1, 11, 5};
  for (int stat = 1; stat <= 18; ++stat) {
    EXPECT_EQ(shipStat(10, stat), shark[stat - 1]) << "Shark stat " << stat;
    EXPECT_EQ(shipStat(kStarbase, stat), starbase[stat - 1]) << "Starbase stat " << stat;
    EXPECT_EQ(shipStat(18, stat), stonewall[stat - 1]) << "Stonewall stat " << stat;
    EXPECT_EQ(shipStat(12, stat), squadron[stat - 1]) << "Orion Squadron stat " << stat;
    EXPECT_EQ(shipStat(0, stat), 0) << "no ship, stat " << stat;
  }
  EXPECT_EQ(shipStat(3, Stat::FieldedBy), -1);
  EXPECT_EQ(shipStat(15, Stat::FieldedBy), 5);
  EXPECT_EQ(shipStat(19, Stat::Price), 10000000);
  EXPECT_EQ(shipStat(7, Stat::Speciality), 7);
  EXPECT_EQ(shipStat(1, 0), 0);

  EXPECT_EQ(shipName(17), "Gettysburg");
  EXPECT_EQ(shipName(kStarbase), "Starbase");
  EXPECT_EQ(shipName(0), "");
  EXPECT_EQ(shipClassName(12), "Corvette");  // a civilian corvette keeps its class name
  EXPECT_EQ(shipClassName(kStarbase), "Battleship");
  EXPECT_EQ(shipClassName(5), "Fighter");
  EXPECT_EQ(shipClassNameLower(11), "destroyer");
  EXPECT_EQ(shipClassNameLower(14), "cruiser");
  EXPECT_EQ(shipClassName(0), "");
  EXPECT_EQ(shipPictureName(4, 4), "Syndicate_Killerbee");
  EXPECT_EQ(shipPictureName(17, 1), "Federation_Skybreaker");
  EXPECT_EQ(shipPictureName(19, 2), "Outerrim_squadron");
  EXPECT_EQ(factionPrefix(3), "Coalition_");

  EXPECT_EQ(shipDescriptionShort(14),
            "The Galaxy class is the largest freighter ever build. It has a great capacity and defense abilities.");
  EXPECT_EQ(shipDescriptionShort(18),
            "It\u00B4s a fearsome ship named after a famous brigade in the American Civil War...");
  EXPECT_NE(shipDescriptionLong(2).find("It\xC2\xB4s firepower"), std::string::npos);  // UTF-8 acute accent
  EXPECT_EQ(shipDescriptionLong(19), shipDescriptionShort(19));
  EXPECT_EQ(specialityName(9), "Fast missile racks");
  EXPECT_EQ(specialityExplanation(14), "this ability gives you +2 AP every turn, but decreases your shields.");
  EXPECT_EQ(specialityExplanation(6), "");
}

TEST_F(CatalogueShips, GunNumbersAndSpecialModifiers) {
  // A Patton (A 45, D 60, P 2): hit chance, damage and AP of every gun.
  const std::array<std::array<int, 3>, kGunItems> patton = {{
      {45, 60, 2}, {40, 45, 1}, {40, 90, 3}, {50, 80, 2}, {45, 90, 3},
      {40, 90, 3}, {45, 60, 2}, {40, 80, 2}, {40, 45, 1},
  }};
  for (int gun = 0; gun < kGunItems; ++gun) {
    EXPECT_EQ(gunHitChance(9, gun), patton[gun][0]) << gun;
    EXPECT_EQ(gunDamage(9, gun), patton[gun][1]) << gun;
    EXPECT_EQ(gunActionPoints(9, gun), patton[gun][2]) << gun;
  }
  EXPECT_EQ(gunName(9, 4), "Quantum (80 cm)");
  EXPECT_EQ(gunName(13, 4), "Quantum (38 cm)");
  EXPECT_EQ(gunName(16, 5), "SuperFusion (105 cm)");
  EXPECT_EQ(gunName(2, 8), "Gatling (4 cm)");

  // Gun volley (Hellcat, D 30): Fusion 45 damage becomes 45 + 22, and 1 AP more.
  ASSERT_EQ(shipStat(8, Stat::Speciality), ShipSpecial::GunVolley);
  EXPECT_EQ(gunDamage(8, 2), 45);
  qm::Run.PlayerSpecialActive = true;
  EXPECT_EQ(gunDamage(8, 2), 67);
  EXPECT_EQ(gunActionPoints(8, 2), 4);
  EXPECT_EQ(gunHitChance(8, 2), 40);
  EXPECT_EQ(gunDamage(8, 99), 0);
  EXPECT_EQ(gunActionPoints(8, 99), 1);  // an unknown gun still carries the volley's AP

  // Twin guns fire as Turbo-Lasers whatever is installed; a switched-on special of
  // another kind changes nothing.
  EXPECT_EQ(gunDamage(18, 4), 150 - 150 / 4);
  EXPECT_EQ(gunActionPoints(18, 7), 1);
  EXPECT_EQ(gunHitChance(18, 3), 40);
  EXPECT_EQ(gunDamage(1, 2), 18);
  qm::Run.PlayerSpecialActive = false;
  EXPECT_EQ(gunDamage(18, 4), 225);
  EXPECT_EQ(gunHitChance(18, 3), 50);
}

TEST_F(CatalogueShips, MissileNumbersRankAndFastRacks) {
  // A Neptun (M 200, Q 4): damage X - X/3 and AP of every missile, first at rank 1.
  const std::array<int, kMissileItems> damage = {134, 200, 27, 267, 134, 267, 400, 534, 44, 534, 1334};
  const std::array<int, kMissileItems> ap = {4, 5, 3, 3, 4, 5, 5, 4, 5, 2, 2};
  const std::array<int, kMissileItems> admiralAp = {3, 4, 2, 2, 3, 4, 4, 3, 4, 2, 2};
  Game.Player[Pl::Rank] = 1;
  for (int m = 0; m < kMissileItems; ++m) {
    EXPECT_EQ(missileDamage(13, m), damage[m]) << m;
    EXPECT_EQ(missileActionPoints(13, m), ap[m]) << m;
  }
  for (int rank : {7, 8}) {
    Game.Player[Pl::Rank] = rank;
    for (int m = 0; m < kMissileItems; ++m) EXPECT_EQ(missileActionPoints(13, m), admiralAp[m]) << m;
  }
  // Fast missile racks (Patton) take 1 AP off, and not a second one for an admiral.
  Game.Player[Pl::Rank] = 1;
  qm::Run.PlayerSpecialActive = true;
  EXPECT_EQ(missileActionPoints(9, 5), 4);
  Game.Player[Pl::Rank] = 7;
  EXPECT_EQ(missileActionPoints(9, 5), 4);
  EXPECT_EQ(missileActionPoints(9, 2), 2);
  EXPECT_EQ(missileActionPoints(9, 99), 2);  // an unknown missile costs the minimum

  EXPECT_EQ(missileEcmModifier(3), -5);
  EXPECT_EQ(missileEcmModifier(10), -15);
  EXPECT_EQ(missileEcmModifier(5), 0);
  EXPECT_EQ(missileName(1, 9), "Mine Mk. II");
  EXPECT_EQ(missilePictureBase(3), "Equipment_XASMMissile");
  EXPECT_NE(missileDescription(9).find("\u201Cmark\u201D ability"), std::string::npos);
}

TEST_F(CatalogueShips, OtherFamiliesAndPrices) {
  EXPECT_EQ(engineSpeed(1, 0), 200);
  EXPECT_EQ(engineSpeed(1, 1), 450);
  EXPECT_EQ(engineSpeed(kStarbase, 0), 0);
  EXPECT_EQ(engineEvasiveBonus(3), 10);
  EXPECT_EQ(engineEvasiveBonus(1), 0);
  EXPECT_EQ(engineName(9, 5), "Defender \"Conquest\"");
  EXPECT_NE(engineDescription(0).find("classes \u2013 in"), std::string::npos);
  EXPECT_EQ(targetingHitBonus(1), 5);
  EXPECT_EQ(targetingHitBonus(2), 10);
  EXPECT_EQ(targetingSpecialityText(3), "\"Trader\" ability");
  EXPECT_EQ(targetingPictureBase(6), "Misc");
  const std::array<int, kEcmItems> chance = {40, 50, 70, 80, 40, 100};
  const std::array<int, kEcmItems> ecmAp = {2, 2, 5, 5, 3, 5};
  for (int e = 0; e < kEcmItems; ++e) {
    EXPECT_EQ(ecmChance(e), chance[e]) << e;
    EXPECT_EQ(ecmActionPoints(e), ecmAp[e]) << e;
  }
  EXPECT_EQ(ecmSpecialityText(5), "100%; Shield leak");
  EXPECT_EQ(cargoSystemName(1, 5), "Boarding shuttle");
  EXPECT_EQ(cargoSystemPictureBase(3), "Equipment_Cloaking");

  // Prices scale with the class multiplier only.
  EXPECT_EQ(ecmPrice(14, 5), 20000 * 128);
  EXPECT_EQ(targetingPrice(16, 6), 15000 * 640);
  EXPECT_EQ(targetingPrice(1, 0), 4000);
  EXPECT_EQ(cargoSystemPrice(6, 0), 2000 * 32);
  EXPECT_EQ(enginePrice(9, 6), 20000 * 96);
  EXPECT_EQ(missilePrice(16, 10), 12800000);
  EXPECT_EQ(equipmentPrice(kStarbase, 3500), 2240000);
  EXPECT_EQ(equipmentPrice(0, 3500), 0);
  EXPECT_EQ(equipmentPrice(16, INT_MIN), INT_MIN);  // saturated, not wrapped
}

TEST_F(CatalogueShips, ShieldsCargoCrewAndOptions) {
  EXPECT_EQ(maxShields(16, 6, 2), 3125);
  EXPECT_EQ(maxShields(16, 0, 2), 2500);
  EXPECT_EQ(maxShields(16, 7, 0), 0);
  EXPECT_EQ(maxShields(16, 0, -1), 0);

  EXPECT_EQ(cargoCapacity(14, 1), 1200);
  EXPECT_EQ(cargoCapacity(14, 3), 534);
  Game.NonCombatAbilities[4] = 1;
  EXPECT_EQ(cargoCapacity(14, 1), 1800);
  Game.NonCombatAbilities[4] = 0;
  Game.Ship[Sh::Engines] = 4;
  EXPECT_EQ(cargoCapacity(14, 5), 1200);
  EXPECT_EQ(cargoCapacity(14, -1), 0);
  EXPECT_EQ(cargoCapacity(0, 0), 0);

  EXPECT_EQ(maxCrew(19, 5), 240);
  EXPECT_EQ(maxCrew(19, 4), 200);
  EXPECT_EQ(maxCrew(1, 5), 0);
  EXPECT_EQ(maxCrew(19, 6), 0);

  // Every offered option is an item of its family.
  const std::array<int, 7> counts = {0, kGunItems, kMissileItems, kEngineItems, kCargoSystemItems,
                                     kTargetingItems, kEcmItems};
  for (int cls = 1; cls <= 5; ++cls)
    for (int cat = 1; cat <= 6; ++cat)
      for (int k = 1; k <= 4; ++k) {
        const int item = upgradeOption(cls, cat, k);
        EXPECT_TRUE(item >= 0 && item < counts[cat]) << cls << " " << cat << " " << k;
      }
  EXPECT_EQ(upgradeOption(2, Category::Missiles, 1), 4);
  EXPECT_EQ(upgradeOption(4, Category::Guns, 4), 5);
  EXPECT_EQ(upgradeOption(5, Category::Ecm, 4), 5);
  EXPECT_EQ(upgradeOption(5, Category::Engines, 4), 6);
  EXPECT_EQ(upgradeOption(6, 1, 1), 0);
  EXPECT_EQ(upgradeOption(1, 1, 0), 0);
  EXPECT_EQ(upgradeOption(INT_MIN, INT_MIN, INT_MIN), 0);
}

TEST_F(CatalogueShips, EveryLookupIsTotal) {
  for (int bad : kBadIndices) {
    EXPECT_EQ(shipStat(bad, 1), 0) << bad;
    EXPECT_EQ(shipStat(1, bad), 0) << bad;
    EXPECT_EQ(shipName(bad), "") << bad;
    EXPECT_EQ(shipPictureBase(bad), "") << bad;
    EXPECT_EQ(shipPictureName(bad, 1), "") << bad;
    EXPECT_EQ(shipPictureName(1, bad), "") << bad;
    EXPECT_EQ(shipDescriptionLong(bad), "") << bad;
    EXPECT_EQ(shipDescriptionShort(bad), "") << bad;
    EXPECT_EQ(shipClassName(bad), "") << bad;
    EXPECT_EQ(shipClassNameLower(bad), "") << bad;
    EXPECT_EQ(specialityName(bad), "") << bad;
    EXPECT_EQ(specialityExplanation(bad), "") << bad;
    EXPECT_EQ(factionPrefix(bad), "") << bad;

    EXPECT_EQ(gunName(1, bad), "") << bad;
    EXPECT_EQ(gunName(bad, 0), "") << bad;
    EXPECT_EQ(gunPictureBase(bad) + gunDescription(bad) + gunSpecialityText(bad), "") << bad;
    EXPECT_EQ(missileName(1, bad) + missilePictureBase(bad) + missileDescription(bad) + missileSpecialityText(bad),
              "") << bad;
    EXPECT_EQ(engineName(1, bad) + enginePictureBase(bad) + engineDescription(bad) + engineSpecialityText(bad), "")
        << bad;
    EXPECT_EQ(targetingName(1, bad) + targetingPictureBase(bad) + targetingDescription(bad) +
                  targetingSpecialityText(bad), "") << bad;
    EXPECT_EQ(ecmName(1, bad) + ecmPictureBase(bad) + ecmDescription(bad) + ecmSpecialityText(bad), "") << bad;
    EXPECT_EQ(cargoSystemName(1, bad) + cargoSystemPictureBase(bad) + cargoSystemDescription(bad) +
                  cargoSystemSpecialityText(bad), "") << bad;

    EXPECT_EQ(gunHitChance(1, bad) + gunDamage(1, bad) + gunActionPoints(1, bad) + gunPrice(1, bad), 0) << bad;
    EXPECT_EQ(gunHitChance(bad, 1) + gunDamage(bad, 1) + gunActionPoints(bad, 1) + gunPrice(bad, 1), 0) << bad;
    EXPECT_EQ(missileDamage(1, bad) + missilePrice(1, bad) + missileEcmModifier(bad), 0) << bad;
    EXPECT_EQ(missileDamage(bad, 0) + missileActionPoints(bad, 0) + missilePrice(bad, 0), 0) << bad;
    EXPECT_EQ(engineSpeed(1, bad) + engineSpeed(bad, 1) + engineEvasiveBonus(bad) + enginePrice(1, bad), 0) << bad;
    EXPECT_EQ(targetingHitBonus(bad) + targetingPrice(1, bad), 0) << bad;
    EXPECT_EQ(ecmChance(bad) + ecmActionPoints(bad) + ecmPrice(1, bad), 0) << bad;
    EXPECT_EQ(cargoSystemPrice(1, bad) + equipmentPrice(bad, 1000), 0) << bad;
    EXPECT_EQ(maxShields(bad, 0, 0) + maxShields(1, bad, 0) + maxShields(1, 0, bad), 0) << bad;
    EXPECT_EQ(cargoCapacity(bad, 0) + cargoCapacity(1, bad), 0) << bad;
    EXPECT_EQ(maxCrew(bad, 0) + maxCrew(6, bad), 0) << bad;
  }
}

}  // namespace
}  // namespace qm
