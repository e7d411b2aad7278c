#include <gtest/gtest.h>

#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/landing.h"
#include "world/new_game.h"
#include "world/wormhole.h"

namespace qm {
namespace {

class Wormhole : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(11);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;  // a Starwolf (fighter) at Earth, Sol
    StartNewGame(c);
    fe.shown.clear();
  }
  // A Shadowcat (corvette, six crew needed) with `crew` crewmen at `location` of `system`.
  void Corvette(int crew, int system = 1, int location = 7) {
    Game.Ship[Sh::ShipType] = 6;
    Game.Ship[Sh::Crewmen] = crew;
    Game.Ship[Sh::System] = system;
    Game.Ship[Sh::Location] = location;
  }
  test::ScriptedFrontend fe;
};

TEST_F(Wormhole, FightersHaveNoJumpEngines) {
  Game.Ship[Sh::Location] = 7;  // Sol's wormhole to Carse
  const GameState before = Game;
  EXPECT_EQ(Land(), LandOutcome::Refused);
  EXPECT_FALSE(WormholeJump());
  EXPECT_EQ(fe.count("No jump engines!"), 2);
  EXPECT_TRUE(Game == before);
  EXPECT_TRUE(fe.screens.empty());
}

TEST_F(Wormhole, AJumpRunsItsDaysAndArrivesAtTheWayBack) {
  Corvette(6);
  Game.SystemShips[2][1] = 1;  // a ship met in Sol
  qm::Run.KnownSystemPrices[2] = 0;
  const int day = Game.StarDate;
  EXPECT_EQ(Land(), LandOutcome::Jumped);
  EXPECT_EQ(Game.StarDate, day + 2);  // Sol to Carse: 2 days
  EXPECT_EQ(Game.Ship[Sh::System], 2);
  EXPECT_EQ(Game.Ship[Sh::Location], 5);  // Carse's "Wormhole to Sol"
  EXPECT_EQ(qm::Run.CurrentSystem, 2);
  EXPECT_EQ(qm::Run.SelectedLocation, 5);
  EXPECT_EQ(qm::Run.KnownSystemPrices[2], 1);
  EXPECT_EQ(qm::Run.KnownLocationPrices[5], 1);
  EXPECT_EQ(Game.SystemShips[2][1], 0);
  EXPECT_EQ(qm::Run.JumpTarget, 0);
  EXPECT_FALSE(qm::Run.TravelScreenVisible);
  ASSERT_EQ(fe.screens.size(), 1u);
  EXPECT_EQ(fe.screens[0], Screen::Jump);

  // Jump days are per direction: Sirius to Finis takes 6, Finis to Sirius 2.
  Corvette(6, 4, 6);
  EXPECT_EQ(JumpDays(6, false), 6);
  EXPECT_TRUE(WormholeJump());
  EXPECT_EQ(Game.Ship[Sh::System], 8);
  EXPECT_EQ(Game.Ship[Sh::Location], 8);  // Finis' "Wormhole to Sirius"
  EXPECT_EQ(JumpDays(8, false), 2);
}

TEST_F(Wormhole, WithoutAWayBackTheShipArrivesAtTheFirstLocation) {
  Corvette(6, 19, 8);  // New Cuba's wormhole to Barbados, which has none back
  const int day = Game.StarDate;
  EXPECT_TRUE(WormholeJump());
  EXPECT_EQ(Game.StarDate, day + 4);
  EXPECT_EQ(Game.Ship[Sh::System], 21);
  EXPECT_EQ(Game.Ship[Sh::Location], 1);
  EXPECT_EQ(JumpArrivalLocation(21, 19), 1);
  EXPECT_EQ(JumpArrivalLocation(20, 21), 11);
}

TEST_F(Wormhole, AShortCrewAsksAndTriplesTheDays) {
  Corvette(2);
  fe.answer(false);
  const GameState before = Game;
  EXPECT_FALSE(WormholeJump());
  EXPECT_TRUE(fe.sawTopic("Not enough crew!"));
  EXPECT_TRUE(Game == before);

  fe.answer(true);
  const int day = Game.StarDate;
  EXPECT_TRUE(WormholeJump());
  EXPECT_EQ(Game.StarDate, day + 6);
  EXPECT_EQ(Game.Ship[Sh::System], 2);
}

TEST_F(Wormhole, OnlyAWormholeWithATargetCanBeJumped) {
  Corvette(6, 1, 2);  // Earth
  const GameState before = Game;
  EXPECT_FALSE(WormholeJump());
  EXPECT_EQ(fe.shown.back().topic, "N/A");
  Game.Ship[Sh::Location] = 7;
  Game.LocationData[1][7][Loc::Target] = 0;
  EXPECT_FALSE(WormholeJump());
  EXPECT_EQ(fe.shown.back().topic, "N/A");
  Game.LocationData[1][7][Loc::Target] = 2;
  Game.Ship[Sh::Location] = 2;
  EXPECT_TRUE(Game == before);
  EXPECT_TRUE(fe.screens.empty());
}

TEST_F(Wormhole, PoliceSearchTheHoldAtTheWormholeNotAtTheSun) {
  Game.Cargo[14] = 5;
  int caught = 0;
  for (int i = 0; i < 30; ++i) {
    Corvette(6);
    Game.Player[Pl::CriminalFlag] = 0;
    WormholeJump();  // arrives at Carse's wormhole
    caught += Game.Player[Pl::CriminalFlag] > 0;
  }
  EXPECT_GT(caught, 0);
  EXPECT_EQ(fe.count("Contraband detected!"), caught);
  fe.shown.clear();
  for (int i = 0; i < 30; ++i) {
    Corvette(6, 19, 8);
    WormholeJump();  // arrives at Barbados' sun
  }
  EXPECT_FALSE(fe.sawTopic("Contraband detected!"));
}

TEST_F(Wormhole, LandingOpensTheScreenOfThePlace) {
  Game.Ship[Sh::Location] = 2;  // Earth, own faction
  EXPECT_EQ(Land(), LandOutcome::PlanetScreen);
  Game.Ship[Sh::Location] = 8;  // Sol's pirate hideout, once revealed
  EXPECT_EQ(Land(), LandOutcome::Nothing);
  Game.LocationData[1][8][Loc::Exists] = 1;
  EXPECT_EQ(Land(), LandOutcome::HideoutScreen);
  Game.Ship[Sh::Location] = 1;  // the sun
  EXPECT_EQ(Land(), LandOutcome::Nothing);
  Game.Ship[Sh::Location] = -1;  // a space-object place
  EXPECT_EQ(Land(), LandOutcome::Nothing);
  EXPECT_TRUE(fe.shown.empty());

  Game.Ship[Sh::System] = 3;
  Game.Ship[Sh::Location] = 4;  // Asteroids A of Hope
  EXPECT_EQ(Land(), LandOutcome::Refused);
  EXPECT_EQ(fe.shown.back().topic, "N/A!");

  // A planet of a faction at war with the player's.
  Game.Ship[Sh::System] = 12;
  Game.Ship[Sh::Location] = 2;
  Game.FactionData[1][Fac::RelationBase + 2] = 1;
  EXPECT_EQ(Land(), LandOutcome::Refused);
  EXPECT_EQ(fe.shown.back().topic, "Enemy planet!");
  Game.FactionData[1][Fac::RelationBase + 2] = 0;
  EXPECT_EQ(Land(), LandOutcome::PlanetScreen);

  // The tutorial keeps the planet closed until it asks for a landing.
  qm::Run.TutorialActive = true;
  qm::Run.TutorialStep = 9;
  EXPECT_EQ(Land(), LandOutcome::Refused);
  EXPECT_EQ(fe.shown.back().topic, "Tutorial");
  qm::Run.TutorialStep = 20;
  EXPECT_EQ(Land(), LandOutcome::PlanetScreen);
}

TEST_F(Wormhole, WantedPilotsLandOnlyBySneakingIn) {
  Game.Ship[Sh::Location] = 2;
  Game.Player[Pl::CriminalFlag] = 5;
  EXPECT_EQ(Land(), LandOutcome::Refused);
  EXPECT_EQ(fe.shown.back().topic, "Careful!");
  EXPECT_EQ(fe.shown.back().dialog, 3);

  Game.NonCombatAbilities[24] = 1;  // 75 in 100 to get through
  fe.answer(false);
  EXPECT_EQ(Land(), LandOutcome::Refused);
  EXPECT_NE(fe.shown.back().text.find("\"Street rules\" ability"), std::string::npos);

  int in = 0, caught = 0;
  for (int i = 0; i < 200; ++i) {
    const LandOutcome o = Land();
    in += o == LandOutcome::PlanetScreen;
    caught += o == LandOutcome::PoliceFight;
  }
  EXPECT_EQ(in + caught, 200);
  EXPECT_EQ(fe.count("Success!"), in);
  EXPECT_EQ(fe.count("Failed!"), caught);
  EXPECT_GT(in, 130);
  EXPECT_GT(caught, 20);
}

}  // namespace
}  // namespace qm
