#include <gtest/gtest.h>

#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/new_game.h"
#include "world/trade_panel.h"

namespace qm {
namespace {

class TradePanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(5);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;  // at Earth, Sol
    StartNewGame(c);
    qm::Run.TradeAmount = 1;
  }
  test::ScriptedFrontend fe;
};

TEST_F(TradePanelTest, ListsTheLocationsGoodsWithPricesStockAndHold) {
  const int s = Game.Ship[Sh::System], l = Game.Ship[Sh::Location];
  Game.Cargo[2] = 7;
  Game.LocationPrices[s][l][14] = 1286;
  SelectTradeCommodity(2);
  TradeView v = BuildTradeView();
  ASSERT_TRUE(v.market);
  EXPECT_EQ(v.placeName, Game.LocationText[s][l][1]);
  ASSERT_EQ(v.rows.size(), 18u);
  EXPECT_EQ(v.rows[1].name, "Medicals");
  EXPECT_EQ(v.rows[1].held, 7);
  EXPECT_TRUE(v.rows[1].selected);
  EXPECT_FALSE(v.rows[0].selected);
  EXPECT_EQ(v.rows[0].stock, Game.LocationStock[s][l][1]);
  EXPECT_EQ(v.rows[13].price, "$ 1,286");
  EXPECT_EQ(v.holdLine, "7/" + std::to_string(Game.Ship[Sh::CargoCapacity]));
  EXPECT_EQ(v.amountCaptions[0], "x 1*");
  EXPECT_EQ(v.amountCaptions[3], "x 100");
  EXPECT_EQ(v.amountChosen, 0);

  // An unknown price reads "?", here and beside the planet on the main screen.
  qm::Run.KnownLocationPrices[l] = 0;
  EXPECT_EQ(BuildTradeView().rows[0].price, "?");
  EXPECT_EQ(locationPriceLabel(l), "?");
  qm::Run.KnownLocationPrices[l] = 1;
  EXPECT_EQ(locationPriceLabel(l), "$ " + std::to_string(Game.LocationPrices[s][l][2]));
}

TEST_F(TradePanelTest, OnlyOfferedAmountsAndExistingGoodsCanBeChosen) {
  SetTradeAmount(25);
  EXPECT_EQ(qm::Run.TradeAmount, 25);
  EXPECT_EQ(BuildTradeView().amountCaptions[2], "x 25*");
  for (int bad : {0, -10, 7, 1000}) SetTradeAmount(bad);
  EXPECT_EQ(qm::Run.TradeAmount, 25);
  SelectTradeCommodity(4);
  for (int bad : {0, 19, -1, 100}) SelectTradeCommodity(bad);
  EXPECT_EQ(qm::Run.SelectedCommodity, 4);
  EXPECT_EQ(locationPriceLabel(0), "") << "no such location";
}

TEST_F(TradePanelTest, AtASpaceObjectPlaceThePanelShowsNoMarket) {
  Game.Cargo[1] = 3;
  Game.Ship[Sh::Location] = -2;
  const TradeView v = BuildTradeView();
  EXPECT_FALSE(v.market);
  EXPECT_TRUE(v.placeName.empty());
  ASSERT_EQ(v.rows.size(), 18u);
  EXPECT_EQ(v.rows[0].held, 3) << "the hold is still listed";
  EXPECT_EQ(v.rows[0].stock, 0);
  EXPECT_TRUE(v.rows[0].price.empty());
}

}  // namespace
}  // namespace qm
