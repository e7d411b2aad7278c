#include <gtest/gtest.h>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "combat/boarding.h"
#include "combat/combat_state.h"
#include "combat/ship_combat.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/battle_frontend.h"
#include "world/new_game.h"

namespace qm {
namespace {

class BoardingFight : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(9);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;
    StartNewGame(c);
    auto& s = Game.Ship;
    s[Sh::ShipType] = 9;  // a Patton destroyer
    s[Sh::CargoSpace] = 0;
    s[Sh::CargoCapacity] = 100;
    for (auto& c2 : Game.Cargo) c2 = 0;
    Crew(20, 2, 10, 0, 0);
    Game.Player[Pl::Rank] = 2;
    fe.shown.clear();
  }
  void Crew(int crewmen, int officers, int marines, int pirates, int droids) {
    auto& s = Game.Ship;
    s[Sh::Crewmen] = crewmen;
    s[Sh::Officers] = officers;
    s[Sh::Marines] = marines;
    s[Sh::Pirates] = pirates;
    s[Sh::Droids] = droids;
  }
  // A crippled enemy ship with the given crew pools.
  void Enemy(int type, int crew, int marines, int droids) {
    SetupShipCombat(type, 2, 2, 0);
    auto& e = Combat.EnemyShip;
    e[Sh::Alive] = 1;
    e[Sh::Crewmen] = crew;
    e[Sh::Marines] = marines;
    e[Sh::Droids] = droids;
    e[Sh::CargoCapacity] = shipStat(type, Stat::BaseCargo);
  }
  // Lets the built-in leader fight; returns the number of moves it took.
  int AutoBoard() {
    int moves = 0;
    fe.onBoarding = [&] {
      while (Boarding.open && moves < 100000) {
        BoardingAutoMove();
        ++moves;
      }
    };
    StartBoarding();
    return moves;
  }
  int Defenders() const { return Combat.EnemyShip[35] + Combat.EnemyShip[36] + Combat.EnemyShip[37]; }
  test::BattleFrontend fe;
};

TEST_F(BoardingFight, EveryBoardingEndsWhateverTheForces) {
  for (int seed = 1; seed <= 60; ++seed) {
    SeedRandom(static_cast<uint64_t>(seed));
    Game.Ship[Sh::Alive] = 1;
    Game.Ship[Sh::ShipType] = 9;
    Crew(seed % 7 * 30, seed % 3, seed % 5 * 40, seed % 4 * 10, seed % 6 * 20 + 1);
    Enemy(13, seed * 7 % 200 + 1, seed * 13 % 150, seed * 3 % 60);
    const int moves = AutoBoard();
    EXPECT_LT(moves, 2000) << "seed " << seed;
    EXPECT_FALSE(Boarding.open);
    EXPECT_NE(Boarding.outcome, BoardingOutcome::Running);
    EXPECT_GE(Combat.EnemyShip[38], 1);  // the battle's caller sees the boarding
    for (int t = Sh::Crewmen; t <= Sh::Droids; ++t) EXPECT_GE(Game.Ship[t], 0);
    EXPECT_GE(Combat.EnemyShip[35], 0);
    EXPECT_GE(Combat.EnemyShip[36], 0);
    EXPECT_GE(Combat.EnemyShip[37], 0);
  }
}

TEST_F(BoardingFight, TheAirlockTakesAQuarterOfTheCrewAndAtLeastOne) {
  Enemy(9, 3, 8, 4);
  fe.onBoarding = [&] {
    EXPECT_EQ(Combat.EnemyShip[35], 1);  // 3/4 gives 0: one defender still
    EXPECT_EQ(Combat.EnemyShip[Sh::Crewmen], 2);
    EXPECT_GE(Combat.EnemyShip[36], 2);
    EXPECT_LE(Combat.EnemyShip[36], 3);
    EXPECT_EQ(Combat.EnemyShip[37], 1);
    EXPECT_EQ(Boarding.area[Area::Airlock], AreaState::Attackable);
    EXPECT_EQ(Boarding.area[Area::Bridge], AreaState::Locked);
  };
  StartBoarding();
}

TEST_F(BoardingFight, RefusedStrikesCostNothing) {
  Enemy(9, 40, 0, 0);
  fe.onBoarding = [&] {
    Crew(0, 0, 0, 0, 5);  // droids alone
    const int defenders = Defenders();
    StandardAttack();
    EXPECT_EQ(fe.shown.back().topic, "N/A!");
    EmpStrike();  // no enemy droids on the line
    EXPECT_EQ(fe.shown.back().topic, "N/A!");
    EXPECT_EQ(Defenders(), defenders);
    EXPECT_EQ(Game.Ship[Sh::Droids], 5);
    CommandoStrike();  // droids may strike this way
    EXPECT_LT(Defenders(), defenders);
    Crew(0, 0, 0, 3, 0);
    CommandoStrike();
    EXPECT_EQ(fe.shown.back().topic, "N/A!");
    Boarding.open = false;
  };
  StartBoarding();
}

TEST_F(BoardingFight, AreasOpenInOrderAndAskBeforeTheFight) {
  Enemy(9, 8, 0, 0);
  fe.onBoarding = [&] {
    SelectArea(Area::Bridge);
    EXPECT_EQ(fe.shown.back().topic, "Under attack!");
    while (Boarding.phase == 1) StandardAttack();
    EXPECT_EQ(Boarding.area[Area::Airlock], AreaState::Secured);
    EXPECT_EQ(Boarding.area[Area::Corridors], AreaState::Attackable);
    StandardAttack();
    EXPECT_EQ(fe.shown.back().topic, "Sorry!");
    SelectArea(Area::Bridge);
    EXPECT_EQ(fe.shown.back().text,
              "You cannot yet attack this part of the enemy ship. You first have to secure the red area.");
    SelectArea(Area::Airlock);
    EXPECT_EQ(fe.shown.back().topic, "Secured!");
    fe.answer(false);
    SelectArea(Area::Corridors);
    EXPECT_EQ(Boarding.phase, 2);  // "no" keeps the crew where it is
    SelectArea(Area::Corridors);
    EXPECT_EQ(Combat.EnemyShip[38], Area::Corridors);
    EXPECT_EQ(Boarding.phase, 1);
    Boarding.open = false;
  };
  StartBoarding();
}

TEST_F(BoardingFight, EmpStunsDroidsAndCapturesNoMoreThanItStuns) {
  for (int seed = 1; seed <= 30; ++seed) {
    SeedRandom(static_cast<uint64_t>(seed));
    Crew(0, 0, 20, 0, 10);
    Enemy(13, 4, 0, 80);
    fe.onBoarding = [&] {
      const int before = Combat.EnemyShip[37];
      EmpStrike();
      const int stunned = before - Combat.EnemyShip[37];
      const int joined = Game.Ship[Sh::Droids] + Boarding.losses[4] - 10;  // the enemy strikes first
      EXPECT_GE(joined, 0);
      EXPECT_LE(joined, stunned);
      if (stunned > 0) {
        EXPECT_GE(joined, 1);
      }
      Boarding.open = false;
    };
    StartBoarding();
  }
}

TEST_F(BoardingFight, PlunderingTheCargoBayDestroysTheShipWithoutAChoice) {
  Crew(200, 10, 100, 0, 0);
  Enemy(9, 8, 0, 0);
  const int credits = Game.Player[Pl::Credits];
  const int kills = Game.Player[Pl::KilledDestroyers];
  AutoBoard();  // every question answered yes: the cargo bay is plundered
  EXPECT_EQ(Boarding.outcome, BoardingOutcome::Plundered);
  EXPECT_EQ(Combat.EnemyShip[Sh::Alive], 0);
  EXPECT_EQ(Game.Player[Pl::KilledDestroyers], kills + 1);
  EXPECT_GT(Game.Player[Pl::Credits], credits);
  EXPECT_FALSE(fe.sawTopic("Keep enemy ship?"));
  EXPECT_FALSE(fe.sawTopic("Bridge!"));
  EXPECT_EQ(Game.Ship[Sh::ShipType], 9);
}

TEST_F(BoardingFight, ACapturedShipKeptReplacesTheOwnAndSendsSurplusCrewAway) {
  Crew(200, 10, 100, 0, 0);
  Enemy(8, 8, 0, 0);  // a Hellcat corvette: room for 20
  Game.Missions[5][3][99] = 12345;  // a leftover of the old board
  fe.answer(true);   // corridors
  fe.answer(true);   // cargo bay
  fe.answer(false);  // do not plunder
  fe.answer(true);   // bridge
  fe.answer(false);  // keep it
  AutoBoard();
  EXPECT_EQ(Boarding.outcome, BoardingOutcome::Captured);
  EXPECT_TRUE(fe.sawTopic("Bridge!"));
  EXPECT_EQ(Game.Ship[Sh::ShipType], 8);
  EXPECT_EQ(Game.Ship[Sh::ShipFaction], 2);
  EXPECT_EQ(Game.Ship[Sh::ShieldEnergy], maxShields(8, Game.Ship[Sh::Engines], Game.Ship[Sh::CargoSpace]));
  int crew = 0;
  for (int t = Sh::Crewmen; t <= Sh::Droids; ++t) crew += Game.Ship[t];
  EXPECT_EQ(crew, maxCrew(8, Game.Ship[Sh::CargoSpace]));
  EXPECT_TRUE(fe.sawTopic("Crew members leave!"));
  EXPECT_EQ(Game.Missions[5][3][99], 0);  // the boards are offered anew
  // The fight starts with one of the crew-combat tunes and the capture ends it with the reward
  // tune (once more if its experience brings a promotion).
  ASSERT_GE(fe.tunes.size(), 2u);
  EXPECT_TRUE(fe.tunes[0] == "1 CrewCombat.ogg" || fe.tunes[0] == "1 CrewCombat2.ogg") << fe.tunes[0];
  for (size_t i = 1; i < fe.tunes.size(); ++i) EXPECT_EQ(fe.tunes[i], "1 Reward2.ogg");
}

TEST_F(BoardingFight, ACapturedShipSoldPaysAFifthOfItsPrice) {
  Crew(200, 10, 100, 0, 0);
  Enemy(8, 8, 0, 0);
  for (bool a : {true, true, false, true, true}) fe.answer(a);
  const int credits = Game.Player[Pl::Credits];
  AutoBoard();
  ASSERT_TRUE(fe.sawTopic("Enemy ship sold!"));
  EXPECT_GE(Game.Player[Pl::Credits], credits + 320000 / 5);
  EXPECT_EQ(Game.Ship[Sh::ShipType], 9);
}

// The boarding loots the contact the battle began at, as a victory would: a
// captured ship gives up its valuable cargo; a plundered one is blown up with it.
TEST_F(BoardingFight, TheScannedContactsValuableCargoGoesWithACapture) {
  Game.SystemShips[3][1] = 1;
  Game.SystemShips[3][3] = 1;  // civilian
  Game.SystemShips[3][9] = 3;  // valuable cargo
  Combat.ScanRecord = 3;
  Crew(200, 10, 100, 0, 0);
  Enemy(8, 8, 0, 0);
  for (bool a : {true, true, false, true, false}) fe.answer(a);  // on to the bridge, keep the ship
  AutoBoard();
  ASSERT_EQ(Boarding.outcome, BoardingOutcome::Captured);
  EXPECT_TRUE(fe.sawTopic("Valuable cargo"));

  fe.shown.clear();
  Game.Ship[Sh::ShipType] = 9;
  Crew(200, 10, 100, 0, 0);
  Combat.ScanRecord = 3;
  Enemy(8, 8, 0, 0);
  AutoBoard();  // every question answered yes: the cargo bay is plundered
  ASSERT_EQ(Boarding.outcome, BoardingOutcome::Plundered);
  EXPECT_TRUE(fe.sawTopic("Loot"));
  EXPECT_FALSE(fe.sawTopic("Valuable cargo"));
}

TEST_F(BoardingFight, LosingTheWholeCrewLosesTheShip) {
  Crew(1, 0, 0, 0, 0);
  Enemy(13, 200, 100, 20);
  fe.onBoarding = [&] {
    for (int i = 0; i < 100 && Boarding.open; ++i) StandardAttack();
  };
  StartBoarding();
  EXPECT_EQ(Boarding.outcome, BoardingOutcome::Defeat);
  EXPECT_EQ(Game.Ship[Sh::Alive], 0);
  EXPECT_TRUE(fe.sawTopic("Defeat!"));
}

TEST_F(BoardingFight, BattleDroidsAreLentForOneBoardingAndTheHospitalSavesHalf) {
  Game.Ship[Sh::ShipType] = 10;  // a Shark: two battle droids join every boarding
  Game.Ship[Sh::CargoSpace] = 4;  // the ship hospital
  Crew(30, 0, 10, 0, 0);
  Enemy(9, 40, 10, 0);
  int crewmen = 0, marines = 0, lostCrewmen = 0, lostMarines = 0;
  fe.onBoarding = [&] {
    EXPECT_EQ(Game.Ship[Sh::Droids], 2);
    for (int i = 0; i < 2 && Boarding.phase == 1; ++i) StandardAttack();
    crewmen = Game.Ship[Sh::Crewmen];
    marines = Game.Ship[Sh::Marines];
    lostCrewmen = Boarding.losses[0];
    lostMarines = Boarding.losses[2];
    fe.answer(true);
    Retreat();
  };
  StartBoarding();
  EXPECT_EQ(Boarding.outcome, BoardingOutcome::Retreated);
  EXPECT_EQ(Game.Ship[Sh::Droids], 0);  // the lent droids went back, or fell
  ASSERT_GT(lostCrewmen + lostMarines, 1);
  EXPECT_EQ(Game.Ship[Sh::Crewmen], crewmen + lostCrewmen / 2);
  EXPECT_EQ(Game.Ship[Sh::Marines], marines + lostMarines / 2);
  EXPECT_TRUE(fe.sawTopic("Ship hospital!"));
  EXPECT_TRUE(fe.sawTopic("You escape!"));
}

}  // namespace
}  // namespace qm
