#include <gtest/gtest.h>

#include "catalogue/ships.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/new_game.h"
#include "world/travel.h"

namespace qm {
namespace {

class Travel : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(3);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;  // a Starwolf at Earth, engine speed 200: 25 px a day
    StartNewGame(c);
    fe.shown.clear();
    // Earth at (100, 100); Moon and space-object place 1 where each test wants them.
    Game.LocationData[1][2][Loc::X] = 100;
    Game.LocationData[1][2][Loc::Y] = 100;
  }
  void PutMoon(int x, int y) {
    Game.LocationData[1][3][Loc::X] = x;
    Game.LocationData[1][3][Loc::Y] = y;
  }
  test::ScriptedFrontend fe;
};

TEST_F(Travel, DaysFollowDistanceAndEngineSpeed) {
  PutMoon(160, 140);  // 100 px Manhattan distance
  EXPECT_EQ(FlightDays(3, false), 4);
  PutMoon(103, 102);  // 5 px: the minimum of two days
  EXPECT_EQ(FlightDays(3, false), 2);
  PutMoon(100 + 3000, 100);  // far: a location flight is capped at 99
  EXPECT_EQ(FlightDays(3, false), 99);
  // Engine Mk. II (+250 speed) halves the trip of a 450 px flight: 450 / 56 = 8.
  PutMoon(550, 100);
  Game.Ship[Sh::Engines] = 1;
  EXPECT_EQ(FlightDays(3, false), 8);
}

TEST_F(Travel, OldPilotsAndMissingCrewFlySlower) {
  PutMoon(160, 140);  // 4 days
  Game.StarDate = (75 - 22) * 360;  // aged 75
  EXPECT_EQ(FlightDays(3, false), 9);
  Game.StarDate = 1;
  EXPECT_EQ(FlightDays(3, true), 12);  // three times for a location
  Game.SpaceObjects[1][1][Obj::X] = 160;
  Game.SpaceObjects[1][1][Obj::Y] = 140;
  EXPECT_EQ(FlightDays(-1, true), 24);  // six times for a space object
  Game.SpaceObjects[1][1][Obj::X] = 2600;  // 2540 px: 101 days, no cap for objects
  EXPECT_EQ(FlightDays(-1, false), 101);
}

TEST_F(Travel, SlowEnginesNeverDivideByZero) {
  PutMoon(160, 140);
  Game.Ship[Sh::Engines] = 99;  // no such engine: speed 0
  EXPECT_EQ(FlightDays(3, false), 99);  // 100 px at one pixel a day, capped
}

TEST_F(Travel, AFlightRunsItsDaysAndArrives) {
  PutMoon(160, 140);
  const int day = Game.StarDate;
  StartFlight(3);
  EXPECT_EQ(Game.StarDate, day + 4);
  EXPECT_EQ(Game.Ship[Sh::Location], 3);
  EXPECT_FALSE(qm::Run.TravelScreenVisible);
  EXPECT_EQ(qm::Run.KnownLocationPrices[3], 1);
  EXPECT_EQ(qm::Run.KnownSystemPrices[1], 1);
  ASSERT_EQ(fe.screens.size(), 1u);
  EXPECT_EQ(fe.screens[0], Screen::Travel);
  EXPECT_EQ(qm::Run.TravelPicture, "Federation_Starwolf_scene.jpg");
}

TEST_F(Travel, NotEnoughCrewAsksAndNoLeavesTheShipWhereItIs) {
  Game.Ship[Sh::ShipType] = 6;  // Shadowcat: six crew needed
  PutMoon(160, 140);
  fe.answer(false);
  StartFlight(3);
  ASSERT_TRUE(fe.sawTopic("Not enough crew!"));
  EXPECT_NE(fe.shown.back().text.find("at least 6 crewmen"), std::string::npos);
  EXPECT_EQ(Game.Ship[Sh::Location], 2);
  EXPECT_EQ(Game.StarDate, 1);
  EXPECT_TRUE(fe.screens.empty());

  fe.answer(true);
  StartFlight(3);
  EXPECT_EQ(Game.Ship[Sh::Location], 3);
  EXPECT_EQ(Game.StarDate, 1 + 12);

  // Marines and droids do not count; officers and pirates do.
  Game.Ship[Sh::Marines] = 10;
  Game.Ship[Sh::Droids] = 10;
  Game.Ship[Sh::Officers] = 2;
  Game.Ship[Sh::Pirates] = 3;
  fe.shown.clear();
  fe.answer(false);
  StartFlight(2);
  EXPECT_TRUE(fe.sawTopic("Not enough crew!"));
  Game.Ship[Sh::Crewmen] = 1;
  fe.shown.clear();
  StartFlight(2);
  EXPECT_FALSE(fe.sawTopic("Not enough crew!"));
  EXPECT_EQ(Game.Ship[Sh::Location], 2);
}

TEST_F(Travel, TutorialHoldsBackLocationFlightsOnly) {
  qm::Run.TutorialActive = true;
  qm::Run.TutorialStep = 3;
  PutMoon(160, 140);
  StartFlight(3);
  EXPECT_TRUE(fe.sawTopic("Tutorial"));
  EXPECT_EQ(Game.Ship[Sh::Location], 2);
  Game.SpaceObjects[1][1][Obj::X] = 160;
  Game.SpaceObjects[1][1][Obj::Y] = 140;
  StartFlight(-1);
  EXPECT_EQ(Game.Ship[Sh::Location], -1);
  qm::Run.TutorialActive = false;
}

TEST_F(Travel, ArrivingAtASpaceObjectOpensIt) {
  Game.SpaceObjects[1][2][Obj::Present] = 1;
  Game.SpaceObjects[1][2][Obj::DaysLeft] = 15;
  Game.SpaceObjects[1][2][Obj::Kind] = 2;
  StartFlight(-2);
  EXPECT_EQ(Game.Ship[Sh::Location], -2);
  EXPECT_EQ(Game.SpaceObjects[1][2][Obj::Present], 0);
  // Flying on from an object place measures from the place.
  Game.SpaceObjects[1][2][Obj::X] = 100;
  Game.SpaceObjects[1][2][Obj::Y] = 200;
  PutMoon(100, 300);
  EXPECT_EQ(FlightDays(3, false), 4);
}

TEST_F(Travel, MutinyOnlyHitsCriminalsWithRegularCrewAtPlanets) {
  PutMoon(160, 140);
  Game.Player[Pl::CriminalFlag] = 5000;
  Game.Ship[Sh::Pirates] = 20;  // pirates never mutiny
  int mutinies = 0;
  for (int i = 0; i < 60; ++i) {
    StartFlight(Game.Ship[Sh::Location] == 3 ? 2 : 3);
    mutinies += fe.count("Mutinee!");
    fe.shown.clear();
  }
  EXPECT_EQ(mutinies, 0);

  Game.Ship[Sh::Crewmen] = 30;
  Game.Ship[Sh::Officers] = 4;  // officers aboard: Random(40)
  for (int i = 0; i < 200 && mutinies == 0; ++i) {
    StartFlight(Game.Ship[Sh::Location] == 3 ? 2 : 3);
    mutinies += fe.count("Mutinee!");
  }
  ASSERT_GT(mutinies, 0);
  EXPECT_LE(Game.Ship[Sh::Crewmen], 30);
  EXPECT_GE(Game.Ship[Sh::Crewmen], 0);
  EXPECT_EQ(Game.Ship[Sh::Pirates], 20);
}

TEST_F(Travel, ADeathDuringTheFlightEndsItWithoutArriving) {
  PutMoon(160, 140);
  Game.Ship[Sh::Alive] = 0;  // as a lost battle leaves it
  qm::Run.TravelScreenVisible = true;
  qm::Run.SelectedLocation = 3;
  qm::Run.TravelDaysLeft = 5;
  EXPECT_FALSE(TravelTick());
  EXPECT_FALSE(qm::Run.TravelScreenVisible);
  EXPECT_EQ(Game.Ship[Sh::Location], 2);
  EXPECT_EQ(qm::Run.TravelDaysLeft, 0);
}

TEST_F(Travel, QuittingToTheMenuStopsTheFlight) {
  PutMoon(160, 140);
  qm::Run.TravelScreenVisible = true;
  qm::Run.SelectedLocation = 3;
  qm::Run.TravelDaysLeft = 5;
  EXPECT_TRUE(TravelTick());
  qm::Run.QuitToMenu = true;
  EXPECT_FALSE(TravelTick());
  EXPECT_EQ(Game.Ship[Sh::Location], 2);
  qm::Run.QuitToMenu = false;
}

}  // namespace
}  // namespace qm
