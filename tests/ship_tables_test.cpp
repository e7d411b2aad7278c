#include <gtest/gtest.h>

#include <limits>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "state/game_state.h"

namespace qm {
namespace {

class ShipTables : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameState(); }
  void TearDown() override { qm::Run.PlayerSpecialActive = false; }
};

TEST_F(ShipTables, ShipRowsAndNames) {
  EXPECT_EQ(shipName(4), "Sabre");
  EXPECT_EQ(shipPictureBase(4), "Killerbee");
  EXPECT_EQ(shipStat(17, Stat::ActionPointsPerTurn), 6);
  EXPECT_EQ(shipStat(11, Stat::BaseCargo), 400);
  EXPECT_EQ(shipStat(13, Stat::CrewMin), 25);
  EXPECT_EQ(shipStat(-1, Stat::MaxShields), 3500);
  EXPECT_EQ(shipStat(-1, Stat::TravelSpeed), 0);
  EXPECT_EQ(shipStat(9, Stat::GunAccuracy), 45);
  EXPECT_EQ(shipStat(1, 19), 0);
  EXPECT_EQ(shipStat(0, Stat::Class), 0);
  EXPECT_EQ(shipStat(20, Stat::Price), 0);
  EXPECT_EQ(shipStat(std::numeric_limits<int>::min(), 1), 0);
  EXPECT_EQ(shipClassName(11), "Transporter");
  EXPECT_EQ(shipClassName(14), "Freighter");
  EXPECT_EQ(shipClassName(13), "Cruiser");
  EXPECT_EQ(shipClassNameLower(1), "fighter");
  EXPECT_EQ(shipPictureName(1, 1), "Federation_Starwolf");
  EXPECT_EQ(shipPictureName(-1, 0), "Pirate_Spacestation");
  EXPECT_EQ(shipPictureName(0, 3), "NotAvailable");
  EXPECT_EQ(specialityName(6), "");
  EXPECT_EQ(specialityName(12), "Anti-phase emitter");
  EXPECT_EQ(shipDescriptionLong(-1), "");
  EXPECT_NE(shipDescriptionLong(0).find("starbase"), std::string::npos);
}

TEST_F(ShipTables, PricesScaleWithClassOnly) {
  EXPECT_EQ(gunPrice(1, 0), 14000);       // a Laser for a fighter
  EXPECT_EQ(gunPrice(16, 0), 2240000);    // ... for a battleship
  EXPECT_EQ(gunPrice(10, 8), 576000);     // a Gatling on a Shark
  EXPECT_EQ(gunPrice(6, 0), 3500 * 32);
  EXPECT_EQ(missilePrice(19, 10), 20000 * 640);
  EXPECT_EQ(gunPrice(1, 9), 0);
  EXPECT_EQ(equipmentPrice(16, std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
}

TEST_F(ShipTables, GunsMissilesAndSpecialities) {
  EXPECT_EQ(gunName(1, 0), "Laser (8 cm)");
  EXPECT_EQ(gunName(13, 2), "Fusion (80 cm)");
  EXPECT_EQ(missileDamage(1, 0), 27);  // a Starwolf's Arrow Mk. I
  EXPECT_EQ(gunDamage(1, 2), 18);      // Fusion: D + D/2
  EXPECT_EQ(gunHitChance(1, 3), 50);

  // Twin guns: an installed Fusion fires with Turbo-Laser numbers.
  ASSERT_EQ(shipStat(3, Stat::Speciality), 3);
  qm::Run.PlayerSpecialActive = true;
  EXPECT_EQ(gunHitChance(3, 2), 40);
  EXPECT_EQ(gunDamage(3, 2), 16 - 16 / 4);
  EXPECT_EQ(gunActionPoints(3, 2), 1);

  // Missile AP never falls below 2: an Arrow Dummy on an admiral's ship with fast racks.
  ASSERT_EQ(shipStat(9, Stat::Speciality), 9);
  Game.Player[Pl::Rank] = 7;
  EXPECT_EQ(missileActionPoints(9, 2), 2);
  qm::Run.PlayerSpecialActive = false;
  EXPECT_EQ(missileActionPoints(9, 5), 4);  // Zeus 5, one less for the admiral
  EXPECT_EQ(missileActionPoints(9, 10), 2);
  EXPECT_EQ(missileActionPoints(9, 99), 2);
  EXPECT_EQ(missileDamage(9, 99), 0);
}

TEST_F(ShipTables, ShieldsCargoAndCrew) {
  EXPECT_EQ(maxShields(1, 0, 0), 100);
  EXPECT_EQ(maxShields(1, 6, 0), 125);
  EXPECT_EQ(maxShields(1, 6, 2), 156);
  EXPECT_EQ(cargoCapacity(1, 0), 40);
  EXPECT_EQ(cargoCapacity(1, 1), 60);
  EXPECT_EQ(cargoCapacity(1, 2), 40 - 40 / 3);
  EXPECT_EQ(cargoCapacity(1, 9), 0);
  Game.Ship[Sh::Engines] = 4;  // the compact engine replaces the cargo system's result
  EXPECT_EQ(cargoCapacity(1, 1), 60);
  EXPECT_EQ(cargoCapacity(1, 2), 60);
  Game.NonCombatAbilities[3] = 1;
  EXPECT_EQ(cargoCapacity(1, 0), 75);
  Game.NonCombatAbilities[4] = 1;
  EXPECT_EQ(cargoCapacity(1, 0), 90);
  EXPECT_EQ(maxCrew(13, 5), 84);
  EXPECT_EQ(maxCrew(13, 0), 70);
  for (int type = 1; type <= 19; ++type)
    for (int engine = 0; engine < kEngineItems; ++engine) EXPECT_GE(engineSpeed(type, engine), 8);
}

TEST_F(ShipTables, UpgradeOptionsPerClass) {
  EXPECT_EQ(upgradeOption(1, Category::Guns, 1), 0);
  EXPECT_EQ(upgradeOption(5, Category::Guns, 1), 7);
  EXPECT_EQ(upgradeOption(5, Category::Missiles, 4), 10);
  EXPECT_EQ(upgradeOption(3, Category::CargoSystems, 3), 5);
  EXPECT_EQ(upgradeOption(2, Category::Targeting, 4), 4);
  EXPECT_EQ(upgradeOption(0, Category::Guns, 1), 0);
  EXPECT_EQ(upgradeOption(1, 7, 1), 0);
  EXPECT_EQ(upgradeOption(1, Category::Guns, 5), 0);
}

}  // namespace
}  // namespace qm
