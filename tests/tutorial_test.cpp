// The tutorial's steps: each advances only on the event its step waits for,
// the scripted first trade and mission, the detours the game can take (a fled
// fight, an empty sensor screen, saving), and how it stops.
#include <gtest/gtest.h>

#include "catalogue/ships.h"
#include "combat/combat_state.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/missions.h"
#include "world/new_game.h"
#include "world/tutorial.h"

namespace qm {
namespace {

using E = TutorialEvent;

class Tutorial : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(4);
    StartTutorial();  // the tutorial runs the new-game flow from its start
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;
    c.name = "Ada";
    StartNewGame(c);
  }
  void TearDown() override { StopTutorial(); }
  static int Step() { return qm::Run.TutorialStep; }
  // Walks from the start to `step` along the expected path.
  void WalkTo(int step);
  test::ScriptedFrontend fe;
};

void Tutorial::WalkTo(int step) {
  ShowTutorialStep(step);
  ASSERT_EQ(Step(), step);
}

TEST_F(Tutorial, TheFirstStepsFollowTheNewGameAndTheFirstTradeIsScripted) {
  ASSERT_TRUE(qm::Run.TutorialActive) << "a new game started by the tutorial keeps it";
  EXPECT_EQ(Step(), 1);
  EXPECT_EQ(CurrentTutorial().screen, TutorialScreen::Faction);
  TutorialHook(E::NameContinue);
  EXPECT_EQ(Step(), 1) << "only the faction screen's Continue moves step 1";
  TutorialHook(E::FactionContinue);
  TutorialHook(E::NameContinue);
  TutorialHook(E::ProfessionContinue);
  EXPECT_EQ(Step(), 3) << "the welcome message comes before step 4";
  TutorialHook(E::Welcome);
  EXPECT_EQ(Step(), 4);
  TutorialHook(E::TradeIcon);
  ASSERT_EQ(Step(), 5);

  const int s = Game.Ship[Sh::System], here = Game.Ship[Sh::Location], target = TutorialTradeTarget();
  EXPECT_EQ(target, 3) << "the Federation's first trade sells at location 3";
  EXPECT_EQ(Game.LocationPrices[s][here][1], 100);
  EXPECT_GE(Game.LocationStock[s][here][1], 50) << "there is always Supplies to buy";
  EXPECT_EQ(Game.LocationPrices[s][target][1], 115);
  EXPECT_EQ(qm::Run.KnownLocationPrices[target], 1) << "the target's prices are known";

  Game.Cargo[1] = 0;
  TutorialHook(E::Bought);
  EXPECT_EQ(Step(), 5) << "a purchase of something else does not count";
  Game.Cargo[1] = 3;
  TutorialHook(E::Bought);
  ASSERT_EQ(Step(), 6);
  EXPECT_NE(CurrentTutorial().instruction.find(Game.LocationText[s][target][1] + " to start travelling."),
            std::string::npos)
      << CurrentTutorial().instruction;
  TutorialHook(E::Arrived, target == 2 ? 4 : 2);
  EXPECT_EQ(Step(), 6) << "arriving elsewhere does not advance";
  Game.LocationPrices[s][target][1] = 90;
  TutorialHook(E::Arrived, target);
  EXPECT_EQ(Step(), 7);
  EXPECT_EQ(Game.LocationPrices[s][target][1], 115) << "the promised profit is there on arrival";
  TutorialHook(E::TradeClosed);
  EXPECT_EQ(Step(), 7);
  TutorialHook(E::SellAll);
  TutorialHook(E::TradeClosed);
  EXPECT_EQ(Step(), 9);
}

TEST_F(Tutorial, TheMissionIsThePromisedSearchAndDestroyAndTheFightBranches) {
  WalkTo(9);
  TutorialHook(E::MissionIcon);
  ASSERT_EQ(Step(), 10);
  const IntRow& offer = Game.Missions[Game.Ship[Sh::System]][2];
  EXPECT_EQ(offer[Mis::Active], 1);
  EXPECT_EQ(offer[Mis::Type], 1);
  EXPECT_EQ(offer[Mis::Location], 1) << "near the sun";
  EXPECT_EQ(offer[Mis::Party], 0) << "against pirates";
  EXPECT_EQ(shipStat(offer[Mis::Object], Stat::Class), 1);
  EXPECT_EQ(shipStat(offer[Mis::Object], Stat::Role), 1) << "a warship";
  EXPECT_GT(offer[Mis::Reward], 0);
  TutorialHook(E::MissionSelected, 3);
  EXPECT_EQ(Step(), 10);
  TutorialHook(E::MissionAccepted);
  EXPECT_EQ(Step(), -11) << "accepting at step 10 goes on as well";
  TutorialHook(E::MissionIcon);
  EXPECT_EQ(Step(), 12);
  TutorialBeforeMissionFight();
  EXPECT_EQ(Step(), 13);
  EXPECT_EQ(CurrentTutorial().screen, TutorialScreen::ShipCombat);
  TutorialHook(E::AbilityUsed, 7);
  EXPECT_EQ(Step(), 13) << "the missile comes first";
  TutorialHook(E::MissileFired);
  Combat.AbilityBar = {};
  Combat.AbilityBar[5] = 7;
  TutorialHook(E::AbilityUsed, 4);
  EXPECT_EQ(Step(), 14) << "with Discipline on the bar only Discipline moves step 14";
  TutorialHook(E::AbilityUsed, 7);
  ASSERT_EQ(Step(), 15);
  ShowTutorialStep(14);
  Combat.AbilityBar[5] = 10;
  TutorialHook(E::AbilityUsed, 10);
  EXPECT_EQ(Step(), 15) << "a pilot without Discipline learns the step with another ability";
  ShowTutorialStep(15);
  Combat.EnemyMissile.inFlight = 1;
  TutorialHook(E::TurnEnded);
  EXPECT_EQ(Step(), 16) << "the enemy's missile is to be intercepted";
  TutorialHook(E::EcmFired);
  TutorialHook(E::GunsFired);
  TutorialHook(E::TurnEnded);
  EXPECT_EQ(Step(), 19);
  ShowTutorialStep(15);
  Combat.EnemyMissile.inFlight = 0;
  TutorialHook(E::TurnEnded);
  EXPECT_EQ(Step(), 17) << "without an enemy missile there is nothing for ECM";

  ShowTutorialStep(19);
  TutorialAfterMissionFight(false);
  EXPECT_EQ(Step(), 9) << "a fight not won goes back to the mission step";
  ShowTutorialStep(19);
  TutorialAfterMissionFight(true);
  ASSERT_EQ(Step(), 20);
  const int planet = TutorialLandingPlanet();
  ASSERT_GT(planet, 0);
  EXPECT_NE(planet, Game.Ship[Sh::Location]);
  EXPECT_NE(CurrentTutorial().instruction.find(Game.LocationText[Game.Ship[Sh::System]][planet][1]),
            std::string::npos);
  ShowTutorialStep(19);
  Game.Ship[Sh::Alive] = 0;
  TutorialAfterMissionFight(false);
  EXPECT_FALSE(qm::Run.TutorialActive) << "a fight that ended the game ends the tutorial";
  EXPECT_EQ(Step(), 0);
}

TEST_F(Tutorial, TheSensorsSavingAndStatusScreensLeadToTheEnd) {
  WalkTo(22);
  for (int k = 1; k <= kSystemShipRows; ++k) Game.SystemShips[k][1] = 0;
  TutorialHook(E::PlanetLeft);
  EXPECT_EQ(Step(), 25) << "nothing on the sensors: on to the galaxy map";
  TutorialHook(E::GalaxyIcon);
  TutorialHook(E::GalaxyClosed);
  TutorialHook(E::OptionsIcon);
  ASSERT_EQ(Step(), 28);
  TutorialHook(E::SaveButton);
  EXPECT_EQ(Step(), 29);
  EXPECT_EQ(CurrentTutorial().instruction, "") << "the save screen shows only the marker";
  TutorialHook(E::SaveScreenBack);
  EXPECT_EQ(Step(), 28) << "Back without saving returns to step 28";
  TutorialHook(E::SaveButton);
  TutorialHook(E::Saved);
  TutorialHook(E::SaveScreenClosed);
  EXPECT_EQ(Step(), 28);
  EXPECT_EQ(CurrentTutorial().instruction, "Click on \"Return to game\".");
  TutorialHook(E::SaveButton);
  EXPECT_EQ(Step(), 28) << "after saving only Return to game goes on";
  TutorialHook(E::ReturnToGame);
  EXPECT_EQ(Step(), 32);
  for (E e : {E::Wireframe, E::ShipStatusClosed, E::Portrait, E::SkillsButton, E::AbilityScreenBack})
    TutorialHook(e);
  EXPECT_EQ(Step(), 37);
  General.Option.SoundEffects = true;
  fe.tunes.clear();
  TutorialHook(E::PersonalStatusBack);
  EXPECT_EQ(Step(), 38);
  ASSERT_EQ(fe.tunes.size(), 1u) << "the reward tune ends the tutorial";
  EXPECT_NE(fe.tunes[0].find("Reward2.ogg"), std::string::npos);
  fe.defaultAnswer = false;
  EXPECT_TRUE(AskStopTutorial()) << "the last step ends without a question";
  EXPECT_FALSE(fe.sawTopic("Turn tutorial off?"));
  EXPECT_FALSE(qm::Run.TutorialActive);
}

TEST_F(Tutorial, CancellingAsksAndHooksOutsideTheirStepDoNothing) {
  WalkTo(4);
  for (E e : {E::SellAll, E::MissionIcon, E::Landed, E::SaveButton, E::ReturnToGame, E::PersonalStatusBack,
              E::Wireframe, E::GalaxyClosed})
    TutorialHook(e);
  EXPECT_EQ(Step(), 4) << "no event advances a step it does not belong to";
  fe.answer(false);
  EXPECT_FALSE(AskStopTutorial());
  EXPECT_TRUE(fe.sawTopic("Turn tutorial off?"));
  EXPECT_TRUE(qm::Run.TutorialActive) << "No keeps the tutorial";
  fe.answer(true);
  EXPECT_TRUE(AskStopTutorial());
  EXPECT_FALSE(qm::Run.TutorialActive);
  EXPECT_EQ(Step(), 0);
  TutorialHook(E::TradeIcon);
  EXPECT_EQ(Step(), 0) << "a stopped tutorial stays stopped";
  EXPECT_EQ(CurrentTutorial().step, 0);
}

}  // namespace
}  // namespace qm
