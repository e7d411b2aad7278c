#include <gtest/gtest.h>

#include <limits>

#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "support/world_fixtures.h"
#include "world/new_game.h"
#include "world/planet_services.h"

namespace qm {
namespace {

// A Federation pilot named Jack at Earth; Sol's hideout (location 8) is hidden.
class PlanetServices : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(9);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;
    c.name = "Jack";
    StartNewGame(c);
    test::MakePeace();
    fe.shown.clear();
  }
  int32_t& P(int field) { return Game.Player[field]; }
  test::ScriptedFrontend fe;
};

TEST_F(PlanetServices, TheDrinkPriceGrowsWithTheSquareAndSaturates) {
  for (auto [bought, price] : {std::pair{1, 5000}, {2, 20000}, {3, 45000}, {655, 2145125000}}) {
    P(Pl::HideoutsBought) = bought;
    EXPECT_EQ(drinkPrice(), price);
  }
  P(Pl::HideoutsBought) = 656;
  EXPECT_EQ(drinkPrice(), std::numeric_limits<int32_t>::max());
  P(Pl::HideoutsBought) = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(drinkPrice(), std::numeric_limits<int32_t>::max());
}

TEST_F(PlanetServices, TheBarkeepersTipRevealsTheHideoutOnce) {
  ASSERT_EQ(hiddenHideouts(1), 1);
  orderDrink();
  EXPECT_EQ(Game.StarDate, 2);
  EXPECT_EQ(P(Pl::Credits), 5000);
  EXPECT_EQ(P(Pl::HideoutsBought), 2);
  EXPECT_EQ(Game.LocationData[1][8][Loc::Exists], 1);
  EXPECT_EQ(Game.LocationData[1][8][Loc::Target], 1);
  EXPECT_EQ(fe.shown.back().topic, "Pirate hideout");
  EXPECT_EQ(hiddenHideouts(1), 0);

  // Nothing left to tell: a day of smalltalk, free of charge.
  orderDrink();
  EXPECT_EQ(Game.StarDate, 3);
  EXPECT_EQ(P(Pl::Credits), 5000);
  EXPECT_EQ(fe.shown.back().topic, "Smalltalk");
  EXPECT_EQ(fe.count("Bribe?"), 1);
}

TEST_F(PlanetServices, ASecondHiddenHideoutCostsTheSecondPrice) {
  orderDrink();
  auto& extra = Game.LocationData[1][12];  // another hideout, hidden
  extra[Loc::Kind] = Kind::Hideout;
  P(Pl::Credits) = 19999;
  orderDrink();
  EXPECT_NE(fe.shown[fe.shown.size() - 2].text.find("for 20,000 $ he might"), std::string::npos);
  EXPECT_EQ(fe.shown.back().topic, "Sorry");
  EXPECT_EQ(P(Pl::Credits), 19999);
  EXPECT_EQ(P(Pl::HideoutsBought), 2);
  EXPECT_EQ(extra[Loc::Exists], 0);

  fe.answer(false);
  orderDrink();
  EXPECT_EQ(extra[Loc::Exists], 0);
  EXPECT_EQ(Game.StarDate, 4);  // every visit costs a day

  P(Pl::Credits) = 20000;
  orderDrink();
  EXPECT_EQ(P(Pl::Credits), 0);
  EXPECT_EQ(P(Pl::HideoutsBought), 3);
  EXPECT_EQ(extra[Loc::Exists], 1);
}

TEST_F(PlanetServices, HidingWaitsOutTheCriminalFlag) {
  hide();
  EXPECT_EQ(fe.shown.back().topic, "N/A");
  EXPECT_EQ(Game.StarDate, 1);

  P(Pl::CriminalFlag) = 45;
  fe.answer(false);
  hide();
  EXPECT_EQ(fe.shown.back().text, "Do you really wish to hide 45 days until the criminal flag wears off?");
  EXPECT_EQ(Game.StarDate, 1);
  EXPECT_EQ(P(Pl::CriminalFlag), 45);

  hide();
  EXPECT_EQ(Game.StarDate, 46);
  EXPECT_EQ(P(Pl::CriminalFlag), 0);
}

TEST_F(PlanetServices, TheGovernorGreetsByRankAndNamesTheWars) {
  EXPECT_EQ(governorGreeting(),
            "\u201cWelcome to our fleet Ensign Jack! Right now we are not at war. But I am sure not for long. "
            "You\u2019ll soon find out that true combat is different than the simulator games you were doing at the "
            "academy!\u201d");
  Game.FactionData[1][Fac::RelationBase + 2] = 1;
  Game.FactionData[1][Fac::RelationBase + 3] = 1;
  P(Pl::Rank) = 4;
  EXPECT_EQ(governorGreeting(),
            "\u201cWelcome back Lieutenant Commander Jack! It\u2019s always a pleasure to meet you. I heard about you "
            "from fellow captains. You seem to be doing very good out there! We are at war with the Outer Rim "
            "Alliance and the Trading Coalition.\u201d");
  Game.FactionData[1][Fac::RelationBase + 4] = 1;
  P(Pl::Rank) = 6;
  EXPECT_EQ(governorGreeting(),
            "\u201cCaptain Jack! I am honoured, Sir! We are all very glad to have you on our side. We are at war with "
            "the Outer Rim Alliance, Trading Coalition and the Syndicate Of Arms.\u201d");
  Game.FactionData[1][Fac::RelationBase + 2] = Game.FactionData[1][Fac::RelationBase + 3] = 0;
  P(Pl::Rank) = 8;
  EXPECT_EQ(governorGreeting(),
            "\u201cIt\u2019s the legendary Admiral Jack! Everyone is speaking about you and your deeds. We are at war "
            "with the Syndicate Of Arms. I am at your service, Sir!\u201d");
}

TEST_F(PlanetServices, AmnestyIsForCriminalsWithTheAbilityAndTheMoney) {
  buyAmnesty();
  EXPECT_EQ(fe.shown.back().topic, "N/A");
  P(Pl::CriminalFlag) = 40;
  EXPECT_FALSE(amnestyOffered());
  Game.NonCombatAbilities[30] = 1;
  ASSERT_TRUE(amnestyOffered());
  EXPECT_EQ(criminalStatusText(), "Yes (40 turns)");

  P(Pl::Credits) = 99999;
  buyAmnesty();
  EXPECT_EQ(fe.shown.back().topic, "Not enough money");
  EXPECT_EQ(P(Pl::CriminalFlag), 40);
  EXPECT_EQ(P(Pl::Credits), 99999);

  P(Pl::Credits) = 150000;
  fe.answer(false);
  buyAmnesty();
  EXPECT_EQ(P(Pl::CriminalFlag), 40);
  buyAmnesty();
  EXPECT_EQ(P(Pl::CriminalFlag), 0);
  EXPECT_EQ(P(Pl::Credits), 50000);
  EXPECT_EQ(fe.shown.back().topic, "Success");
  EXPECT_EQ(criminalStatusText(), "No");
}

TEST_F(PlanetServices, ThePlanetScreenFacts) {
  PlanetFacts earth = planetFacts(1, 2);
  EXPECT_EQ(earth.name, "Earth");
  EXPECT_EQ(earth.faction, "Faction: Federation Of Planets");
  EXPECT_EQ(earth.classLine, "Class: Capital");
  EXPECT_FALSE(earth.description.empty());
  EXPECT_EQ(earth.picture, "Sun");
  EXPECT_EQ(planetFacts(3, 2).picture, "city_hope");
  // The planet screen shows a city where the world gives one, else the planet's own view, never a sun.
  EXPECT_EQ(planetScreenPicture(3, 2), "city_hope");
  EXPECT_EQ(planetScreenPicture(1, 2), "Earthr");
  EXPECT_EQ(planetScreenPicture(1, 4), "Marsr");
  EXPECT_EQ(planetFacts(1, 8).classLine, "Class: Pirate hideout");
  EXPECT_EQ(locationClassLine(Kind::Agricultural), "Class: Agricultural");
  EXPECT_EQ(locationClassLine(0), "Class: ?");
  EXPECT_TRUE(atPlanet());
  EXPECT_FALSE(atHideout());
}

}  // namespace
}  // namespace qm
