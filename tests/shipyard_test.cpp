#include <gtest/gtest.h>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/crew.h"
#include "world/market.h"
#include "world/new_game.h"
#include "world/shipyard.h"

namespace qm {
namespace {

// A Federation combat trader in a Starwolf at Earth.
class Shipyard : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(5);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;
    StartNewGame(c);
    fe.shown.clear();
  }
  // Puts the ship at the system's pirate hideout (Sol 8), made visible.
  void GoToHideout() {
    Game.LocationData[1][8][Loc::Exists] = 1;
    Game.Ship[Sh::Location] = 8;
  }
  // The action changed nothing and said so under `topic`.
  void ExpectRefused(const GameState& before, const std::string& topic) {
    EXPECT_TRUE(Game == before);
    ASSERT_FALSE(fe.shown.empty());
    EXPECT_EQ(fe.shown.back().topic, topic);
  }
  test::ScriptedFrontend fe;
};

TEST_F(Shipyard, ShipValueAddsAThirdOfThePriceAndAQuarterOfEachItem) {
  // 20000/3 + (14000 + 12000 + 20000 + 8000 + 4000 + 12000)/4
  EXPECT_EQ(shipValue(), 6666 + 3500 + 3000 + 5000 + 2000 + 1000 + 3000);
  EXPECT_EQ(shipyardBalance(3), 50000 - 24166);
  EXPECT_EQ(shipyardBalance(5), 0);  // the Orion costs less than the Starwolf is worth
}

TEST_F(Shipyard, OwnTypeIsRefusedBeforeTheMoneyIsChecked) {
  Game.Player[Pl::Credits] = 0;
  const GameState before = Game;
  EXPECT_FALSE(buyShip(1));
  ExpectRefused(before, "N/A");
  EXPECT_EQ(fe.shown.back().text, "You already own this kind of ship.");
  EXPECT_FALSE(fe.sawTopic("Not enough money!"));
}

TEST_F(Shipyard, ShipsNotForSaleAreRefused) {
  const GameState before = Game;
  EXPECT_FALSE(buyShip(16));  // a battleship
  ExpectRefused(before, "N/A");
  EXPECT_EQ(fe.shown.back().text, kBattleshipNotForSale);
  EXPECT_FALSE(buyShip(2));   // the Stargun is not sold to the Federation
  EXPECT_FALSE(buyShip(0));
  EXPECT_FALSE(buyShip(-1));
  EXPECT_FALSE(buyShip(99));
  ExpectRefused(before, "N/A");
  EXPECT_EQ(fe.count("N/A"), 5);
}

TEST_F(Shipyard, MoneyShortOrNoConfirmationChangesNothing) {
  Game.Player[Pl::Credits] = 25833;  // one short of the Avenger's balance
  const GameState before = Game;
  EXPECT_FALSE(buyShip(3));
  ExpectRefused(before, "Not enough money!");
  Game.Player[Pl::Credits] = 25834;
  const GameState enough = Game;
  fe.answer(false);
  EXPECT_FALSE(buyShip(3));
  EXPECT_TRUE(Game == enough);
  EXPECT_EQ(fe.shown.back().text, "Do you really wish to buy this ship (Avenger) ?");
  EXPECT_TRUE(fe.tunes.empty());
}

TEST_F(Shipyard, ACheaperShipPaysTheDifferenceAndComesFullyFitted) {
  // An Avenger with its best items is worth more than a new Starwolf.
  Game.Ship[Sh::ShipType] = 3;
  Game.Ship[Sh::Guns] = 3;
  Game.Ship[Sh::Engines] = 4;
  Game.Ship[Sh::CargoSpace] = 1;
  Game.Ship[Sh::ShieldEnergy] = 10;
  Game.Ship[Sh::MissileParam] = 4;
  Game.Ship[Sh::ShipFaction] = 0;
  Game.Player[Pl::Credits] = 0;
  const int value = shipValue();
  ASSERT_GT(value, 20000);
  EXPECT_TRUE(buyShip(1));
  EXPECT_EQ(Game.Player[Pl::Credits], value - 20000);
  EXPECT_EQ(Game.Ship[Sh::ShipType], 1);
  EXPECT_EQ(Game.Ship[Sh::ShipFaction], 1);
  EXPECT_EQ(Game.Ship[Sh::ShieldEnergy], 100);
  EXPECT_EQ(Game.Ship[Sh::MissileParam], 0);
  for (int category = 1; category <= 6; ++category) EXPECT_EQ(installedItem(category), 0);
  EXPECT_EQ(Game.Ship[Sh::CargoCapacity], 40);  // the compact engine is gone with the old ship
  ASSERT_TRUE(fe.sawTopic("Congratulations!"));
  EXPECT_EQ(fe.shown.back().picture, "Federation_Starwolf_scene.jpg");
  EXPECT_FALSE(fe.sawTopic("New crewmen!"));  // a fighter needs no crew
  EXPECT_EQ(fe.tunes, std::vector<std::string>{"1 Reward2.ogg"}) << "a new ship is celebrated";
}

TEST_F(Shipyard, PurchaseRenewsTheMissionBoards) {
  // Leftovers of the old boards (in a field no offer uses) must be gone, and
  // the boards hold fresh offers afterwards.
  Game.Missions[5][3][99] = 12345;
  Game.Missions[24][6][99] = 6789;
  Game.Player[Pl::Credits] = 100000;
  ASSERT_TRUE(buyShip(3));
  EXPECT_EQ(Game.Missions[5][3][99], 0);
  EXPECT_EQ(Game.Missions[24][6][99], 0);
  int offers = 0;
  for (int s = 1; s <= kSystems; ++s)
    for (int o = 1; o <= kMissionOffers; ++o) offers += Game.Missions[s][o][1] == 1;
  EXPECT_GT(offers, 0);
}

TEST_F(Shipyard, ANewShipGetsItsMinimumCrewOfCrewmen) {
  Game.Player[Pl::Credits] = 5000000;
  Game.Ship[Sh::Marines] = 10;  // marines do not fly a ship
  ASSERT_TRUE(buyShip(9));      // Patton, minimum 16
  EXPECT_EQ(Game.Ship[Sh::Crewmen], 16);
  EXPECT_EQ(Game.Ship[Sh::Marines], 10);
  EXPECT_EQ(fe.shown.back().topic, "New crewmen!");
  EXPECT_EQ(Game.Ship[Sh::Guns], 0);
  EXPECT_EQ(Game.Ship[Sh::Missiles], 5);  // the first missile offered to destroyers

  // Crewmen, officers and pirates together count toward the minimum.
  Game.Ship[Sh::Crewmen] = 3;
  Game.Ship[Sh::Officers] = 4;
  Game.Ship[Sh::Pirates] = 5;
  ASSERT_TRUE(buyShip(11));  // Ferendar, minimum 12
  EXPECT_EQ(Game.Ship[Sh::Crewmen], 3);
  EXPECT_EQ(fe.count("New crewmen!"), 1);
}

TEST_F(Shipyard, ASmallerHoldMayStayOverfullButFreeSpaceIsNeverNegative) {
  Game.Player[Pl::Credits] = 100000;
  Game.Cargo[1] = 35;
  ASSERT_TRUE(buyShip(3));  // 20 units
  EXPECT_EQ(Game.Ship[Sh::CargoCapacity], 20);
  EXPECT_EQ(Game.Cargo[1], 35);
  EXPECT_EQ(freeCargoSpace(), 0);
}

TEST_F(Shipyard, UpgradeCostCreditsTheItemAtAQuarterOfTheInstalledIndex) {
  EXPECT_EQ(upgradeCost(Category::Guns, 2), 40000 - 14000);  // Laser -> Fusion on a fighter
  Game.Ship[Sh::ShipType] = 16;                             // a battleship with a Gatling
  Game.Ship[Sh::Guns] = 8;
  EXPECT_EQ(upgradeCost(Category::Guns, 7), gunPrice(16, 7) - gunPrice(16, 2));
  Game.Ship[Sh::ShipType] = 13;  // a cruiser with a Disruptor: the Laser costs less than the credit
  Game.Ship[Sh::Guns] = 7;
  EXPECT_EQ(upgradeCost(Category::Guns, 0), 0);
  EXPECT_EQ(upgradeCost(9, 0), 0);
}

TEST_F(Shipyard, UpgradeRefusalsChangeNothing) {
  Game.Player[Pl::Credits] = 1000000;
  GameState before = Game;
  EXPECT_FALSE(upgradeEquipment(Category::Ecm, 0));
  ExpectRefused(before, "Cannot upgrade!");
  EXPECT_EQ(fe.shown.back().text, "You already have this kind of ECM in your ship.");
  EXPECT_FALSE(upgradeEquipment(Category::Guns, 6));  // not offered to fighters
  EXPECT_FALSE(upgradeEquipment(7, 1));
  ExpectRefused(before, "N/A");

  Game.Cargo[4] = 1;  // one unit in the hold blocks a new cargo system
  before = Game;
  EXPECT_FALSE(upgradeEquipment(Category::CargoSystems, 1));
  ExpectRefused(before, "Cargo space full!");

  Game.Player[Pl::Credits] = 25999;
  before = Game;
  EXPECT_FALSE(upgradeEquipment(Category::Guns, 2));
  ExpectRefused(before, "Not enough money!");
}

TEST_F(Shipyard, UpgradesPayAndChangeTheHoldAtOnce) {
  Game.Player[Pl::Credits] = 100000;
  ASSERT_TRUE(upgradeEquipment(Category::Guns, 2));
  EXPECT_EQ(Game.Player[Pl::Credits], 74000);
  EXPECT_EQ(Game.Ship[Sh::Guns], 2);
  EXPECT_EQ(fe.shown.back().topic, "Upgrading...");
  EXPECT_EQ(fe.shown.back().text, "You upgrade the guns of your ship to " + gunName(1, 2) + " weapons.");
  EXPECT_EQ(fe.shown.back().picture, gunPictureBase(2) + ".jpg");

  ASSERT_TRUE(upgradeEquipment(Category::CargoSystems, 1));  // cargo management
  EXPECT_EQ(Game.Ship[Sh::CargoCapacity], 60);

  // The compact engine of a corvette enlarges the hold; taking it out shrinks it again.
  Game.Ship[Sh::ShipType] = 6;
  Game.Ship[Sh::CargoSpace] = 0;
  Game.Player[Pl::Credits] = 10000000;
  ASSERT_TRUE(upgradeEquipment(Category::Engines, 4));
  EXPECT_EQ(Game.Ship[Sh::CargoCapacity], 90);
  Game.Cargo[2] = 80;
  ASSERT_TRUE(upgradeEquipment(Category::Engines, 0));
  EXPECT_EQ(Game.Ship[Sh::CargoCapacity], 60);
  EXPECT_EQ(freeCargoSpace(), 0);
}

TEST_F(Shipyard, CrewIsHiredWhereItsTypeIsOffered) {
  Game.Player[Pl::Credits] = 100000;
  GameState before = Game;
  EXPECT_FALSE(hireCrew(1));  // a Starwolf has no room for a crew
  ExpectRefused(before, "No crew space!");
  EXPECT_EQ(fe.shown.back().text, "This kind of ship cannot carry a crew. Buy a bigger one!");

  Game.Ship[Sh::ShipType] = 6;  // Shadowcat: 16 aboard at most
  before = Game;
  EXPECT_FALSE(hireCrew(3));
  EXPECT_FALSE(hireCrew(5));
  ExpectRefused(before, "N/A");
  EXPECT_EQ(fe.shown.back().text.substr(0, 25), "Battle droids are very da");

  EXPECT_TRUE(hireCrew(1));
  EXPECT_TRUE(hireCrew(2));
  EXPECT_TRUE(hireCrew(4));
  EXPECT_EQ(Game.Player[Pl::Credits], 100000 - 1000 - 5000 - 5000);
  EXPECT_EQ(Game.Ship[Sh::Crewmen], 1);
  EXPECT_EQ(Game.Ship[Sh::Officers], 1);
  EXPECT_EQ(Game.Ship[Sh::Marines], 1);

  GoToHideout();
  before = Game;
  EXPECT_FALSE(hireCrew(2));
  ExpectRefused(before, "N/A");
  EXPECT_EQ(fe.shown.back().text,
            "You can only hire officers at normal planets. Only pirates are available at pirate hideouts.");
  EXPECT_TRUE(hireCrew(3));
  EXPECT_EQ(Game.Ship[Sh::Pirates], 1);

  Game.Ship[Sh::Droids] = 12;  // 16 aboard now
  before = Game;
  EXPECT_FALSE(hireCrew(3));
  ExpectRefused(before, "No crew space!");
  EXPECT_EQ(fe.shown.back().text, "Your ship cannot carry more crew members!");
}

TEST_F(Shipyard, TheHiringScreensReasonIsTheRefusalOfHiringAndSaysNothingItself) {
  Game.Player[Pl::Credits] = 100000;
  // Each arrangement: whether a type can be hired before money is looked at,
  // and the very refusal hiring would show.
  const auto check = [this](const char* where) {
    for (int type = 0; type <= kCrewTypes + 1; ++type) {
      SCOPED_TRACE(std::string(where) + ", crew type " + std::to_string(type));
      const size_t shownBefore = fe.shown.size();
      const GameState before = Game;
      const HireRefusal reason = crewHireUnavailable(type);
      EXPECT_TRUE(Game == before);
      EXPECT_EQ(fe.shown.size(), shownBefore) << "asking for the reason shows nothing";
      const bool hired = hireCrew(type);
      EXPECT_EQ(hired, !reason.refused());
      if (reason.refused()) {
        ASSERT_GT(fe.shown.size(), shownBefore);
        EXPECT_EQ(fe.shown.back().topic, reason.topic);
        EXPECT_EQ(fe.shown.back().text, reason.text);
      } else {
        EXPECT_TRUE(reason.text.empty());
        ASSERT_TRUE(dismissCrew(type));  // back to the same crew for the next type
      }
    }
  };
  check("a Starwolf at Earth");
  EXPECT_EQ(crewHireUnavailable(1).text, "This kind of ship cannot carry a crew. Buy a bigger one!");
  EXPECT_EQ(crewHireUnavailable(3).text, "You can only hire pirates at pirate hideouts - not at common planets.");

  Game.Ship[Sh::ShipType] = 6;  // Shadowcat: 16 aboard at most
  check("a Shadowcat at Earth");
  EXPECT_FALSE(crewHireUnavailable(1).refused());
  EXPECT_FALSE(crewHireUnavailable(4).refused());
  EXPECT_EQ(crewHireUnavailable(5).topic, "N/A");

  Game.Ship[Sh::Marines] = 16;
  check("a full Shadowcat");
  EXPECT_EQ(crewHireUnavailable(2).text, "Your ship cannot carry more crew members!");
  Game.Ship[Sh::CargoSpace] = 5;  // the boarding shuttle makes room for three more
  EXPECT_FALSE(crewHireUnavailable(2).refused());

  Game.Ship[Sh::Marines] = 0;
  GoToHideout();
  check("a Shadowcat at a hideout");
  EXPECT_FALSE(crewHireUnavailable(3).refused());
  EXPECT_EQ(crewHireUnavailable(4).text,
            "You can only hire marines at normal planets. Only pirates are available at pirate hideouts.");
}

TEST_F(Shipyard, HoldingPlusHiresUntilARefusal) {
  Game.Ship[Sh::ShipType] = 6;
  Game.Player[Pl::Credits] = 1000;
  CrewHireRepeat repeat;
  EXPECT_TRUE(repeat.Press(1));
  EXPECT_EQ(repeat.IntervalMs(), 500);
  EXPECT_FALSE(repeat.Tick());
  EXPECT_EQ(Game.Ship[Sh::Crewmen], 1);
  EXPECT_EQ(fe.shown.back().topic, "Not enough money!");
  EXPECT_FALSE(repeat.Tick());  // stopped: nothing more happens
  EXPECT_EQ(fe.count("Not enough money!"), 1);

  Game.Player[Pl::Credits] = 100000;
  ASSERT_TRUE(repeat.Press(1));
  for (int interval : {400, 300, 200, 100, 100}) {
    EXPECT_TRUE(repeat.Tick());
    EXPECT_EQ(repeat.IntervalMs(), interval);
  }
  EXPECT_EQ(Game.Ship[Sh::Crewmen], 7);
  repeat.Release();
  EXPECT_FALSE(repeat.Active());
  EXPECT_EQ(repeat.IntervalMs(), 500);
}

TEST_F(Shipyard, DismissingRefundsNothing) {
  Game.Ship[Sh::Pirates] = 1;
  const int credits = Game.Player[Pl::Credits];
  EXPECT_TRUE(dismissCrew(3));
  EXPECT_EQ(Game.Ship[Sh::Pirates], 0);
  EXPECT_EQ(Game.Player[Pl::Credits], credits);
  const GameState before = Game;
  EXPECT_FALSE(dismissCrew(3));
  EXPECT_FALSE(dismissCrew(0));
  ExpectRefused(before, "No crew!");
}

}  // namespace
}  // namespace qm
