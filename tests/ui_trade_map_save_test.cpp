// The trade panel, the galaxy map and the save/load screen, driven by input
// scripts on SDL's offscreen driver.
#include <gtest/gtest.h>

#include <filesystem>

#include "state/game_state.h"
#include "support/ui_play.h"
#include "world/money.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

// A new game from the main menu with every default, ending on the main screen.
constexpr const char* kNewGame = "click 400 218\nkey Return\nkey Return\nkey Return\nkey Return\n";

// Canvas points on the trade panel as it opens (centred at 224, 20).
std::string TradeRow(int c) { return "click 300 " + std::to_string(112 + (c - 1) * 17) + "\n"; }
constexpr const char* kTimes10 = "click 359 478\n";
constexpr const char* kBuy = "click 318 515\n";
constexpr const char* kSell = "click 480 515\n";
constexpr const char* kTradeClose = "click 523 45\n";

// The save/load screen (at 220, 89): slot n's name field, "Save" and "Load".
std::string SlotField(int n) { return "click 330 " + std::to_string(195 + (n - 1) * 78) + "\n"; }
std::string SlotSave(int n) { return "click 455 " + std::to_string(195 + (n - 1) * 78) + "\n"; }
std::string SlotLoad(int n) { return "click 523 " + std::to_string(195 + (n - 1) * 78) + "\n"; }

class Screens : public test::UiPlay {
 protected:
  void SetUp() override {
    UiPlay::SetUp();
    qm::Run.TradeAmount = 1;
  }

  // Runs the game on `script`; each "dump" line yields the listing of the top window.
  std::vector<std::string> Play(const std::string& script) {
    std::vector<std::string> tops;
    for (const std::string& dump : UiPlay::Play(script)) tops.push_back(TopWindow(dump));
    return tops;
  }
};

TEST_F(Screens, BuyingOnTheTradePanelMovesCreditsStockAndHold) {
  const auto dumps = Play(std::string(kNewGame) + "screen Screen_TradeScreenMoveable\ndump\n" + TradeRow(1) + kTimes10 +
                          kBuy + "dump\n" + kTradeClose + "dump\n");
  ASSERT_EQ(dumps.size(), 3u);
  EXPECT_TRUE(Has(dumps[0], "window Screen_TradeScreenMoveable 351x560 top")) << dumps[0];
  EXPECT_TRUE(Has(dumps[0], "label \"Market of Earth\""));
  EXPECT_TRUE(Has(dumps[0], "\"x 1*\" TradeScreenON_05.jpg on"));
  EXPECT_TRUE(Has(dumps[0], "label \"Hold: 0/80\""));
  EXPECT_TRUE(Has(dumps[0], "label \"* Prohibited goods (Danger!)\""));

  const int s = Game.Ship[Sh::System], l = Game.Ship[Sh::Location];
  const int price = Game.LocationPrices[s][l][1];
  ASSERT_GT(price, 0);
  EXPECT_EQ(Game.Cargo[1], 10);
  EXPECT_EQ(Game.Player[Pl::Credits], 10000 - 10 * price);
  EXPECT_EQ(qm::Run.TradeAmount, 10);
  EXPECT_TRUE(Has(dumps[1], "\"x 10*\" TradeScreenON_06.jpg on"));
  EXPECT_TRUE(Has(dumps[1], "label \"Hold: 10/80\""));
  EXPECT_TRUE(Has(dumps[1], "label \"Credits: $ " + FormatMoney(10000 - 10 * price) + "\""));
  EXPECT_TRUE(Has(dumps[1], "label \"$ " + FormatMoney(price) + "\""));
  EXPECT_TRUE(Has(dumps[2], "window Screen_Travel")) << dumps[2];
  EXPECT_FALSE(qm::Run.TradeWindowVisible) << "Close hides the panel";
  EXPECT_FALSE(Has(dumps[2], "label \"$ " + FormatMoney(price) + "\"")) << "and the planets' price labels with it";
}

TEST_F(Screens, TheTradePanelRefusesThroughTheRulesAndCanBeDragged) {
  // Buying with nothing selected is refused and changes nothing; then the panel
  // is dragged 100 to the left, and its rows and buttons follow it.
  const auto dumps = Play(std::string(kNewGame) + "screen Screen_TradeScreenMoveable\n" + kBuy + "dump\nkey Return\n" +
                          kSell + "dump\nkey Return\ndrag 300 70 200 70\nclick 200 112\nclick 259 478\n" +
                          "click 218 515\ndump\n");
  ASSERT_EQ(dumps.size(), 3u);
  EXPECT_TRUE(Has(dumps[0], "window Screen_Message3")) << dumps[0];
  EXPECT_TRUE(Has(dumps[0], "label \"Please first select a good to buy.\""));
  EXPECT_TRUE(Has(dumps[1], "label \"Please first select a good to sell.\"")) << dumps[1];
  EXPECT_TRUE(Has(dumps[2], "window Screen_TradeScreenMoveable")) << dumps[2];
  EXPECT_EQ(Game.Cargo[1], 10) << "the dragged panel's Supplies row, x 10 and Buy were hit";
  EXPECT_EQ(Game.Player[Pl::Credits], 10000 - 10 * Game.LocationPrices[Game.Ship[Sh::System]][Game.Ship[Sh::Location]][1]);
}

TEST_F(Screens, TheGalaxyMapSelectsSystemsAndShowsTheKnownPrices) {
  // Weapons in the prices panel, then New Germany on the map, then its information.
  const auto dumps = Play(std::string(kNewGame) + "screen Screen_GalaxyMap\ndump\nclick 640 153\ndump\n" +
                          "click 87 363\ndump\nclick 716 32\ndump\nclick 669 564\ndump\n");
  ASSERT_EQ(dumps.size(), 5u);
  EXPECT_TRUE(Has(dumps[0], "window Screen_GalaxyMap 742x583 top")) << dumps[0];
  EXPECT_TRUE(Has(dumps[0], "picture GalaxyMapBlip_Fed.jpg #system1"));
  EXPECT_TRUE(Has(dumps[0], "panel #prices\n    label \"Sol\"\n    label \"Prices known today\""));
  EXPECT_FALSE(Has(dumps[0], "label \"($ ")) << "no good selected: no labels under the systems";

  // Sol is the ship's system, so its prices are known; another system may not be.
  const std::string sol = "label \"Sol\"\n  label \"($ " + FormatMoney(Game.SystemPrices[1][3]) + ")\"";
  EXPECT_TRUE(Has(dumps[1], sol)) << dumps[1];
  for (int s = 2; s <= kSystems; ++s) {
    const std::string label = qm::Run.KnownSystemPrices[s] == 1 ? FormatMoney(Game.SystemPrices[s][3]) : "?";
    EXPECT_TRUE(Has(dumps[1], "label \"($ " + label + ")\"")) << s;
  }
  EXPECT_EQ(qm::Run.SelectedCommodity, 3);

  EXPECT_TRUE(Has(dumps[2], "panel #prices\n    label \"New Germany\"")) << dumps[2];
  const std::string price = qm::Run.KnownSystemPrices[6] == 1 ? "$ " + FormatMoney(Game.SystemPrices[6][1]) : "$ ?";
  EXPECT_TRUE(Has(dumps[2], "label \"Supplies\"\n    label \"" + price + "\""));
  EXPECT_TRUE(Has(dumps[3], "panel #info\n    label \"New Germany\"")) << dumps[3];
  EXPECT_TRUE(Has(dumps[3], "label \"Faction: " + Game.FactionText[Game.SystemData[6][Sys::Owner]][1] + "\""));
  EXPECT_TRUE(Has(dumps[3], "label \"Wormholes to:\""));
  EXPECT_FALSE(Has(dumps[3], "panel #prices"));
  EXPECT_TRUE(Has(dumps[4], "window Screen_Travel")) << "Close returns to the main screen";
  EXPECT_EQ(qm::Run.CurrentSystem, Game.Ship[Sh::System]);
}

TEST_F(Screens, SaveThenLoadBringsTheSavedGameBack) {
  // Buy 10 supplies, save them in slot 1 as "Trade run", buy 10 more, load slot 1.
  const std::string buy10 = "screen Screen_TradeScreenMoveable\n" + TradeRow(1) + kTimes10 + kBuy + kTradeClose;
  const auto dumps = Play(std::string(kNewGame) + buy10 + "screen Screen_SaveLoad\n" + SlotField(1) +
                          "type Trade run\n" + SlotSave(1) + "dump\nkey Return\ndump\nkey Return\ndump\nkey Escape\n" +
                          buy10 + "screen Screen_SaveLoad\n" + SlotLoad(1) + "dump\nkey Return\nkey Return\ndump\n");
  ASSERT_EQ(dumps.size(), 5u);
  EXPECT_TRUE(Has(dumps[0], "label \"Really save?\"")) << dumps[0];
  EXPECT_TRUE(Has(dumps[1], "label \"Game saved!\"")) << dumps[1];
  EXPECT_TRUE(Has(dumps[2], "field \"Trade run\"")) << dumps[2];
  // The slot says whose game it holds, when and where.
  EXPECT_TRUE(Has(dumps[2], "label \"Ensign Incognito  \u00b7  Star date 2450.1\"")) << dumps[2];
  EXPECT_TRUE(Has(dumps[2], "label \"Orion at Earth, Sol system\""));
  EXPECT_TRUE(Has(dumps[3], "label \"Really load?\"")) << dumps[3];
  EXPECT_TRUE(Has(dumps[4], "window Screen_Travel")) << "the screen closes after a load: " << dumps[4];
  EXPECT_EQ(Game.Cargo[1], 10) << "the saved hold, not the later purchase";
  EXPECT_EQ(Game.StarDate, 2) << "a loaded game resumes one day later";
  EXPECT_EQ(General.SaveSlotName[1], "Trade run");
  EXPECT_TRUE(fs::exists(dir_ / "Savegame1.int"));

  // From the main menu: the load leads to the main screen of the loaded game.
  const auto menu = Play("click 400 264\ndump\n" + SlotLoad(1) + "key Return\nkey Return\ndump\n");
  ASSERT_EQ(menu.size(), 2u);
  EXPECT_TRUE(Has(menu[0], "label \"Load a game\"")) << menu[0];
  EXPECT_TRUE(Has(menu[0], "field \"Trade run\""));
  EXPECT_TRUE(Has(menu[1], "window Screen_Travel")) << menu[1];
  EXPECT_TRUE(Has(menu[1], "Star date: 2450.2\"")) << menu[1];
  EXPECT_EQ(Game.Cargo[1], 10);
}

TEST_F(Screens, SaveAndLoadRefusalsWriteAndReadNothing) {
  // From the main menu no game runs: saving is refused; slot 2 is empty.
  const auto dumps = Play("click 400 264\n" + SlotSave(1) + "dump\nkey Return\n" + SlotLoad(2) + "dump\nkey Return\ndump\n");
  ASSERT_EQ(dumps.size(), 3u);
  EXPECT_TRUE(Has(dumps[0], "label \"Please first start a new game before saving.\"")) << dumps[0];
  EXPECT_TRUE(Has(dumps[1], "label \"Empty savegame slot!\"")) << dumps[1];
  EXPECT_TRUE(Has(dumps[2], "window Screen_SaveLoad")) << "a refusal keeps the screen open";
  EXPECT_FALSE(fs::exists(dir_ / "Savegame1.int"));
  EXPECT_EQ(Game.Ship[Sh::Alive], 0);
}

}  // namespace
}  // namespace qm
