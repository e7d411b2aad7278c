#include <gtest/gtest.h>

#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/day_cycle.h"
#include "world/market.h"
#include "world/new_game.h"

namespace qm {
namespace {

class Market : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(21);
    NewGameChoices c;
    c.profession = 2;  // a Starwolf at Earth, 40 units of hold
    StartNewGame(c);
    fe.shown.clear();
  }
  void Select(int c, int amount) {
    qm::Run.SelectedCommodity = c;
    qm::Run.TradeAmount = amount;
  }
  int& Price(int c) { return Game.LocationPrices[1][2][c]; }
  int& Stock(int c) { return Game.LocationStock[1][2][c]; }
  test::ScriptedFrontend fe;
};

TEST_F(Market, SupplyPointsByKind) {
  EXPECT_EQ(supplyPoints(1, 1), 10);
  EXPECT_EQ(supplyPoints(2, 6), 5);
  EXPECT_EQ(supplyPoints(6, 4), 10);
  EXPECT_EQ(supplyPoints(8, 3), 10);
  EXPECT_EQ(supplyPoints(9, 2), 0);
  EXPECT_EQ(supplyPoints(11, 2), 10);
  EXPECT_EQ(supplyPoints(14, -2), -1);  // every kind, suns too
  EXPECT_EQ(supplyPoints(17, 1), 0);
  EXPECT_EQ(supplyPoints(5, 7), 0);
  EXPECT_EQ(supplyPoints(-1, 1), 0);
}

TEST_F(Market, AfterThePresimulationEveryPlanetHasPricesNearItsSystemLevel) {
  for (int s = 1; s <= kSystems; ++s)
    for (int l = 1; l <= kLocations; ++l) {
      const auto& loc = Game.LocationData[s][l];
      if (loc[Loc::Exists] <= 0 || loc[Loc::Kind] <= 0) continue;
      if (Game.SystemData[s][Sys::UnderAttack] == 1) continue;  // sieges raise prices on purpose
      for (int c = 1; c <= kCommodities; ++c) {
        const int base = Game.BasePrice[c];
        const int price = Game.LocationPrices[s][l][c];
        // Target levels lie within base -40 % .. +50 % before neighbour discounts; walks add ten percent.
        ASSERT_GE(price, base / 5) << s << "/" << l << "/" << c;
        ASSERT_LE(price, base * 170 / 100) << s << "/" << l << "/" << c;
        if (c >= 13) {
          EXPECT_EQ(Game.LocationStock[s][l][c], 0);  // no contraband on planets
        }
      }
    }
  // Mines make ore cheap; the Syndicate's own systems flood with contraband.
  EXPECT_LT(Game.SystemPrices[7][10], Game.SystemPrices[1][10]);  // Moor's mines against Sol
  EXPECT_LT(Game.SystemPrices[13][13], Game.SystemPrices[1][13]);  // New Moscow against Sol
}

TEST_F(Market, StocksStayWithinTheirCaps) {
  for (int day = 0; day < 200; ++day) DailyUpdate();
  for (int l = 1; l <= kLocations; ++l) {
    if (Game.LocationData[1][l][Loc::Kind] <= 0) continue;
    EXPECT_LE(Game.LocationStock[1][l][1], 100 + 32);  // cheap goods: cap 100 + up to a third
    EXPECT_LE(Game.LocationStock[1][l][2], 50 + 15);
    EXPECT_LE(Game.LocationStock[1][l][3], 30 + 9);
    EXPECT_GE(Game.LocationStock[1][l][1], 0);
  }
}

TEST_F(Market, BuyingIsLimitedByStockSpaceAndMoney) {
  Price(1) = 100;
  Stock(1) = 30;
  Select(1, 25);
  buy();
  EXPECT_EQ(Game.Cargo[1], 25);
  EXPECT_EQ(Stock(1), 5);
  EXPECT_EQ(Game.Player[Pl::Credits], 10000 - 2500);
  buy();  // only five left
  EXPECT_EQ(Game.Cargo[1], 30);
  Stock(1) = 100;
  Select(1, 100);
  buy();  // the hold holds 40
  EXPECT_EQ(Game.Cargo[1], 40);
  EXPECT_EQ(freeCargoSpace(), 0);

  Game.Cargo[1] = 0;
  Game.Player[Pl::Credits] = 250;
  Select(1, 10);
  buy();
  EXPECT_TRUE(fe.sawTopic("Not enough credits"));
  EXPECT_EQ(Game.Cargo[1], 0);
  EXPECT_EQ(Game.Player[Pl::Credits], 250);
  buyAll();  // as much as the money pays for
  EXPECT_EQ(Game.Cargo[1], 2);
  EXPECT_EQ(Game.Player[Pl::Credits], 50);
}

TEST_F(Market, RefusedTradesChangeNothing) {
  Select(0, 10);
  buy();
  EXPECT_TRUE(fe.sawTopic("N/A"));
  // A smaller hold than the cargo: free space is zero, never negative.
  Game.Cargo[2] = 60;
  EXPECT_EQ(freeCargoSpace(), 0);
  Select(1, 10);
  buy();
  EXPECT_EQ(Game.Cargo[1], 0);
  Game.Cargo[2] = 0;

  // No market at the sun, nor at a space-object place.
  const GameState before = Game;
  Game.Ship[Sh::Location] = 1;
  const GameState atSun = Game;
  fe.shown.clear();
  buy();
  sell();
  buyAll();
  sellAll();
  EXPECT_EQ(fe.count("N/A"), 4);
  EXPECT_TRUE(Game == atSun);
  Game.Ship[Sh::Location] = -2;
  buy();
  sellAll();
  EXPECT_EQ(Game.Cargo, before.Cargo);
  EXPECT_EQ(Game.Player[Pl::Credits], before.Player[Pl::Credits]);
}

TEST_F(Market, SellingContrabandEarnsExperienceAndTheHintComesOnce) {
  Price(14) = 1200;
  Game.Cargo[14] = 3;
  Game.Cargo[1] = 5;
  Price(1) = 90;
  Select(14, 10);
  sell();
  EXPECT_EQ(Game.Cargo[14], 0);
  EXPECT_EQ(Game.Player[Pl::Credits], 10000 + 3600);
  EXPECT_EQ(Game.Player[Pl::Experience], 60);
  EXPECT_EQ(Game.Player[Pl::CargoTraded], 3);
  EXPECT_TRUE(fe.sawTopic("Information"));
  EXPECT_EQ(fe.shown[0].picture, "FederationLogo.jpg");
  Game.Cargo[14] = 1;
  sellAll();
  EXPECT_EQ(fe.count("Information"), 1);
  EXPECT_EQ(Game.Cargo[1], 0);
  EXPECT_EQ(Game.Player[Pl::CargoTraded], 9);
  Game.Player[Pl::CargoTraded] = 99999999;
  Game.Cargo[1] = 5;
  sellAll();
  EXPECT_EQ(Game.Player[Pl::CargoTraded], 100000001);
}

TEST_F(Market, HideoutsBuyNothingAndSellOnlyContraband) {
  RevealAllHideouts();
  updatePrices();
  updateStock();
  Game.Ship[Sh::Location] = 8;  // Sol's hideout
  for (int c = 1; c <= 12; ++c) EXPECT_EQ(Game.LocationStock[1][8][c], 0);
  Game.Cargo[1] = 5;
  sell();
  EXPECT_TRUE(fe.sawTopic("N/A"));
  EXPECT_EQ(Game.Cargo[1], 5);
  Game.LocationStock[1][8][13] = 10;
  Select(13, 1);
  buy();
  EXPECT_EQ(Game.Cargo[13], 1);
}

TEST_F(Market, PoliceFindContrabandSometimes) {
  Game.Ship[Sh::Location] = 3;  // the Moon
  EXPECT_FALSE(contrabandCheck());  // a clean hold is never searched
  int found = 0;
  for (int i = 0; i < 400; ++i) {
    Game.Cargo[15] = 1;
    Game.Player[Pl::CriminalFlag] = 0;
    if (contrabandCheck()) {
      ++found;
      EXPECT_GE(Game.Player[Pl::CriminalFlag], 30);
      EXPECT_LE(Game.Player[Pl::CriminalFlag], 89);
      EXPECT_EQ(Game.Cargo[15], 1);  // the cargo stays aboard
    }
  }
  EXPECT_GT(found, 80);  // 61 in 200
  EXPECT_LT(found, 170);
  Game.Ship[Sh::Location] = 1;  // at the sun nobody searches
  EXPECT_FALSE(contrabandCheck());
}

TEST_F(Market, ASystemUnderAttackPricesEverythingHalfAgainAboveBase) {
  Game.SystemData[4][Sys::UnderAttack] = 1;  // Sirius
  for (int day = 0; day < 5; ++day) updatePrices();
  for (int l = 1; l <= kLocations; ++l) {
    if (Game.LocationData[4][l][Loc::Exists] <= 0 || Game.LocationData[4][l][Loc::Kind] <= 0) continue;
    for (int c = 1; c <= 12; ++c) {
      const int level = Game.BasePrice[c] + Game.BasePrice[c] / 2;
      const int price = Game.LocationPrices[4][l][c];
      // Two walks of at most ten percent each around the siege level.
      EXPECT_GE(price, level * 81 / 100) << l << "/" << c;
      EXPECT_LE(price, level * 121 / 100) << l << "/" << c;
    }
  }
}

}  // namespace
}  // namespace qm
