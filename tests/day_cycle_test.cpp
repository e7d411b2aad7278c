#include <gtest/gtest.h>

#include <limits>

#include "catalogue/equipment.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/day_cycle.h"
#include "world/new_game.h"

namespace qm {
namespace {

class DayCycle : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(11);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;  // Starwolf
    StartNewGame(c);
    fe.shown.clear();
  }
  test::ScriptedFrontend fe;
};

TEST_F(DayCycle, DateAdvancesOneDayPerUpdate) {
  DailyUpdate();
  DailyUpdate();
  EXPECT_EQ(Game.StarDate, 3);
}

TEST_F(DayCycle, OldAgeWarningsAtSeventyEightyAndOneHundredFifty) {
  Game.StarDate = (70 - 22) * 360 - 1;  // the last day at 69
  DailyUpdate();
  ASSERT_EQ(fe.count("Old age..."), 1);
  EXPECT_NE(fe.shown.back().text.find("time for you to retire"), std::string::npos);
  EXPECT_EQ(fe.shown.back().picture, "hero1_70y.jpg");
  DailyUpdate();  // still 70: no second warning
  EXPECT_EQ(fe.count("Old age..."), 1);
  Game.StarDate = (80 - 22) * 360 - 1;
  DailyUpdate();
  EXPECT_EQ(fe.count("Old age..."), 2);
  Game.StarDate = (150 - 22) * 360 - 1;
  DailyUpdate();
  ASSERT_EQ(fe.count("Old age..."), 3);
  EXPECT_NE(fe.shown.back().text.find("REALLY time for you to retire!"), std::string::npos);
}

TEST_F(DayCycle, LoanWarnsAtThirtyDaysAndDoublesWhenDue) {
  Game.Player[Pl::Debt] = 5000;
  Game.Player[Pl::LoanDaysLeft] = 31;
  Game.Player[Pl::LoanPaybackDays] = 10;
  DailyUpdate();
  EXPECT_EQ(Game.Player[Pl::LoanDaysLeft], 30);
  EXPECT_EQ(Game.Player[Pl::LoanPaybackDays], 9);
  EXPECT_EQ(fe.count("Loan"), 1);
  Game.Player[Pl::LoanDaysLeft] = 1;
  DailyUpdate();
  EXPECT_EQ(Game.Player[Pl::Debt], 10000);
  EXPECT_EQ(Game.Player[Pl::LoanDaysLeft], 500);
  EXPECT_EQ(fe.count("Loan"), 2);

  // A debt that doubles past the 32-bit range stays at its ceiling.
  Game.Player[Pl::Debt] = 1500000000;
  Game.Player[Pl::LoanDaysLeft] = 1;
  DailyUpdate();
  EXPECT_EQ(Game.Player[Pl::Debt], std::numeric_limits<int32_t>::max());
}

TEST_F(DayCycle, WarBondsLoseValueOnlyWhileHeld) {
  Game.Player[Pl::WarBonds] = 0;
  Game.Player[Pl::WarBondRisk] = 3;
  Game.Player[Pl::WarBondDays] = 0;
  DailyUpdate();
  EXPECT_EQ(Game.Player[Pl::WarBondRisk], 0);  // no bonds: no risk
  EXPECT_EQ(Game.Player[Pl::WarBondDays], 0);  // never below 0

  // No siege may rewrite the bonds' risk: the factions sit the war out.
  for (int f = 1; f <= kFactions; ++f) Game.FactionData[f][Fac::Exists] = 0;
  for (int s = 1; s <= kSystems; ++s) Game.SystemData[s][Sys::UnderAttack] = 0;
  Game.Player[Pl::WarBonds] = 100000;
  Game.Player[Pl::WarBondRisk] = 4;  // 5 % on a bad day
  int losses = 0;
  for (int day = 0; day < 200; ++day) {
    const int before = Game.Player[Pl::WarBonds];
    DailyUpdate();
    const int after = Game.Player[Pl::WarBonds];
    if (after != before) {
      ++losses;
      EXPECT_EQ(after, before - before * 5 / 100);
    }
  }
  EXPECT_GT(losses, 15);  // about one day in five
  EXPECT_LT(losses, 70);
}

TEST_F(DayCycle, ShieldsRechargeUpToTheRealMaximumAndNeverStartBelowHalf) {
  Game.Ship[Sh::Engines] = 6;     // stronger shields
  Game.Ship[Sh::CargoSpace] = 2;  // auxiliary shield unit
  const int max = maxShields(Game.Ship[Sh::ShipType], 6, 2);
  ASSERT_EQ(max, 156);  // a Starwolf with both
  Game.Ship[Sh::ShieldEnergy] = 150;
  DailyUpdate();
  EXPECT_EQ(Game.Ship[Sh::ShieldEnergy], 156);
  Game.Ship[Sh::ShieldEnergy] = 10;
  DailyUpdate();
  EXPECT_EQ(Game.Ship[Sh::ShieldEnergy], 78);  // raised to half
  Game.Ship[Sh::ShieldEnergy] = 100;
  Game.NonCombatAbilities[18] = 1;  // fast recharge
  DailyUpdate();
  EXPECT_EQ(Game.Ship[Sh::ShieldEnergy], 120);
}

TEST_F(DayCycle, CriminalFlagWearsOff) {
  Game.Player[Pl::CriminalFlag] = 2;
  DailyUpdate();
  EXPECT_EQ(Game.Player[Pl::CriminalFlag], 1);
  EXPECT_FALSE(fe.sawTopic("Escaped!"));
  DailyUpdate();
  EXPECT_EQ(Game.Player[Pl::CriminalFlag], 0);
  EXPECT_TRUE(fe.sawTopic("Escaped!"));
  DailyUpdate();
  EXPECT_EQ(fe.count("Escaped!"), 1);
}

TEST_F(DayCycle, TycoonPaysEveryTwoHundredDays) {
  Game.NonCombatAbilities[7] = 1;
  Game.Player[Pl::Credits] = 100000;
  Game.Player[Pl::InvestmentDays] = 200;
  DailyUpdate();
  EXPECT_EQ(Game.Player[Pl::Credits], 105000);
  EXPECT_EQ(Game.Player[Pl::InvestmentDays], 0);
  ASSERT_TRUE(fe.sawTopic("Investments"));
  EXPECT_EQ(fe.shown.back().picture, "treasurer.jpg");
  EXPECT_NE(fe.shown.back().text.find("You receive $ 5,000."), std::string::npos);

  Game.NonCombatAbilities[8] = 1;
  Game.Player[Pl::InvestmentDays] = 200;
  DailyUpdate();
  EXPECT_EQ(Game.Player[Pl::Credits], 115500);
  EXPECT_NE(fe.shown.back().text.find("Advanced Tycoon ability"), std::string::npos);

  // Without either ability the counter stands still.
  Game.NonCombatAbilities[7] = Game.NonCombatAbilities[8] = 0;
  Game.Player[Pl::InvestmentDays] = 500;
  DailyUpdate();
  EXPECT_EQ(Game.Player[Pl::InvestmentDays], 500);
}

TEST_F(DayCycle, PriceKnowledgeAlwaysIncludesWhereTheShipIs) {
  Game.NonCombatAbilities[1] = Game.NonCombatAbilities[2] = 0;
  for (int day = 0; day < 20; ++day) {
    DailyUpdate();
    EXPECT_EQ(qm::Run.KnownSystemPrices[Game.Ship[Sh::System]], 1);
    EXPECT_EQ(qm::Run.KnownLocationPrices[Game.Ship[Sh::Location]], 1);
  }
  Game.NonCombatAbilities[2] = 1;  // advanced trader: everything
  DailyUpdate();
  for (int s = 1; s <= kSystems; ++s) EXPECT_EQ(qm::Run.KnownSystemPrices[s], 1);
  for (int l = 1; l <= kLocations; ++l) EXPECT_EQ(qm::Run.KnownLocationPrices[l], 1);
}

TEST_F(DayCycle, SpaceObjectsAgeAndSpawnOnlyDuringAFlightToALocation) {
  auto count = [] {
    int n = 0;
    for (int s = 1; s <= kSystems; ++s)
      for (int p = 1; p <= kObjectPlaces; ++p) n += Game.SpaceObjects[s][p][Obj::Present] > 0;
    return n;
  };
  const int before = count();
  for (int day = 0; day < 50; ++day) DailyUpdate();
  EXPECT_EQ(count(), before);  // not travelling: nothing changes

  qm::Run.TravelScreenVisible = true;
  qm::Run.SelectedLocation = 3;
  for (int day = 0; day < 60; ++day) DailyUpdate();
  qm::Run.TravelScreenVisible = false;
  EXPECT_GT(count(), 0);
  for (int s = 1; s <= kSystems; ++s)
    for (int p = 1; p <= kObjectPlaces; ++p) {
      const auto& obj = Game.SpaceObjects[s][p];
      if (obj[Obj::Present] <= 0) continue;
      EXPECT_GE(obj[Obj::DaysLeft], 1);
      EXPECT_LE(obj[Obj::DaysLeft], 15);
      EXPECT_TRUE(obj[Obj::Kind] >= 1 && obj[Obj::Kind] <= 4);
    }
}

TEST_F(DayCycle, SpawningFillsOnlyEmptyPlacesAndGivesUpWhenFull) {
  for (int p = 1; p <= kObjectPlaces; ++p) Game.SpaceObjects[5][p][Obj::Present] = 0;
  Game.SpaceObjects[5][2][Obj::Present] = 1;
  Game.SpaceObjects[5][2][Obj::Kind] = 3;
  SpawnSpaceObject(5);
  int present = 0;
  for (int p = 1; p <= kObjectPlaces; ++p) present += Game.SpaceObjects[5][p][Obj::Present];
  EXPECT_EQ(present, 2);
  EXPECT_EQ(Game.SpaceObjects[5][2][Obj::Kind], 3);  // the old object is untouched
  for (int p = 1; p <= kObjectPlaces; ++p) Game.SpaceObjects[5][p][Obj::Present] = 1;
  const auto full = Game.SpaceObjects[5];
  SpawnSpaceObject(5);
  EXPECT_EQ(Game.SpaceObjects[5], full);
}

TEST_F(DayCycle, SecretDataForSpiesAndSyndicateMembers) {
  // Syndicate members find secret data in their own faction's systems only.
  Game.NonCombatAbilities[27] = 1;
  int secret = 0, tries = 400;
  for (int i = 0; i < tries; ++i) {
    for (int p = 1; p <= kObjectPlaces; ++p) Game.SpaceObjects[1][p][Obj::Present] = 0;
    SpawnSpaceObject(1);  // Sol belongs to the player's Federation
    for (int p = 1; p <= kObjectPlaces; ++p)
      if (Game.SpaceObjects[1][p][Obj::Present]) secret += Game.SpaceObjects[1][p][Obj::Kind] == 21;
  }
  EXPECT_GT(secret, tries / 10);  // d <= 15: about 16 %
  EXPECT_LT(secret, tries / 4);
  for (int i = 0; i < 100; ++i) {
    for (int p = 1; p <= kObjectPlaces; ++p) Game.SpaceObjects[12][p][Obj::Present] = 0;
    SpawnSpaceObject(12);  // Hyraxan: Outer Rim
    for (int p = 1; p <= kObjectPlaces; ++p)
      if (Game.SpaceObjects[12][p][Obj::Present]) {
        EXPECT_NE(Game.SpaceObjects[12][p][Obj::Kind], 21);
      }
  }
}

}  // namespace
}  // namespace qm
