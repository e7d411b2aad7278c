// Taking, flying, fighting, delivering and finishing missions.
#include <gtest/gtest.h>

#include "catalogue/career.h"
#include "combat/combat_state.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "support/world_fixtures.h"
#include "world/market.h"
#include "world/missions.h"
#include "world/new_game.h"

namespace qm {
namespace {

// A frontend whose battles end as the test says.
class BattleFrontend : public test::ScriptedFrontend {
 public:
  BattleFrontend() { fightBattles = false; }
  void ShowScreen(Screen screen) override {
    ScriptedFrontend::ShowScreen(screen);
    if (screen != Screen::ShipCombat) return;
    Combat.EnemyShip[Sh::Alive] = enemySurvives ? 1 : 0;
    if (playerDestroyed) Game.Ship[Sh::Alive] = 0;
  }
  bool enemySurvives = false;
  bool playerDestroyed = false;
  const test::Shown* Last(const std::string& topic) const {
    for (auto it = shown.rbegin(); it != shown.rend(); ++it)
      if (it->topic == topic) return &*it;
    return nullptr;
  }
};

class Missions : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(5);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;  // a Starwolf at Earth (Sol 1, location 2)
    StartNewGame(c);
    test::MakePeace();
    fe.shown.clear();
  }
  // An offer on the current board, slot `slot`.
  IntRow& Offer(int slot, int type, int location, int system) {
    IntRow& m = Game.Missions[Game.Ship[Sh::System]][slot];
    m.fill(0);
    m[Mis::Active] = 1;
    m[Mis::Type] = type;
    m[Mis::Reward] = 1000;
    m[Mis::Location] = location;
    m[Mis::System] = system;
    m[Mis::TextVariant] = 1;
    return m;
  }
  IntRow& Running(int type, int location, int system) {
    IntRow& m = Game.ActiveMission;
    m.fill(0);
    m[Mis::Active] = 1;
    m[Mis::Type] = type;
    m[Mis::Reward] = 1000;
    m[Mis::Location] = location;
    m[Mis::System] = system;
    return m;
  }
  void At(int location, int system = 1) {
    Game.Ship[Sh::System] = system;
    Game.Ship[Sh::Location] = location;
  }
  int Credits() const { return Game.Player[Pl::Credits]; }
  BattleFrontend fe;
};

TEST_F(Missions, RefusedAcceptanceChangesNothing) {
  IntRow& empty = Game.Missions[1][3];
  empty.fill(0);
  GameState before = Game;
  EXPECT_FALSE(AcceptMission(3));
  EXPECT_FALSE(AcceptMission(0));
  EXPECT_FALSE(AcceptMission(7));
  EXPECT_EQ(fe.count("No mission selected!"), 3);
  EXPECT_TRUE(Game == before);

  Offer(1, 2, 4, 1);
  Running(3, 4, 1);
  before = Game;
  EXPECT_FALSE(AcceptMission(1));
  EXPECT_TRUE(fe.sawTopic("You are busy!"));
  EXPECT_TRUE(Game == before);

  Game.ActiveMission.fill(0);
  qm::Run.TutorialActive = true;
  qm::Run.TutorialStep = 10;
  before = Game;
  EXPECT_FALSE(AcceptMission(1));
  EXPECT_TRUE(fe.sawTopic("Tutorial"));
  EXPECT_TRUE(Game == before);
  qm::Run.TutorialActive = false;

  // A capital ship: the pilot may still say no.
  IntRow& ambush = Offer(1, 4, 4, 1);
  ambush[Mis::Object] = 16;
  before = Game;
  fe.answer(false);
  EXPECT_FALSE(AcceptMission(1));
  EXPECT_TRUE(fe.sawTopic("Danger!"));
  EXPECT_TRUE(Game == before);
}

TEST_F(Missions, AcceptingCopiesTheOfferAndRefillsTheBoard) {
  IntRow& offer = Offer(2, 2, 4, 1);
  offer[Mis::Nav2Location] = 5;
  offer[Mis::Nav2System] = 1;
  offer[Mis::Nav3Location] = 6;
  offer[Mis::Nav3System] = 1;
  offer[Mis::Nav1Location] = 4;
  offer[Mis::Nav1System] = 1;
  offer[Mis::Object] = 1;
  offer[Mis::TextVariant] = 7;
  offer[40] = 99;  // fields outside the record's layout are not copied
  const IntRow copy = offer;
  ASSERT_TRUE(AcceptMission(2));
  const IntRow& m = Game.ActiveMission;
  for (int f : {Mis::Type, Mis::Reward, Mis::Location, Mis::System, Mis::Object, Mis::Nav2Location,
                Mis::Nav3Location, Mis::TextVariant})
    EXPECT_EQ(m[f], copy[f]) << f;
  EXPECT_EQ(m[Mis::Active], 1);
  EXPECT_EQ(m[40], 0);
  EXPECT_TRUE(fe.sawTopic("Mission accepted!"));
  EXPECT_GT(Game.Missions[1][2][Mis::Active], 0) << "the generator refills the taken slot";
}

TEST_F(Missions, AnOfferAtTheShipsLocationStartsAtOnce) {
  IntRow& offer = Offer(1, 7, 2, 1);  // Special Forces to Earth, where the ship is
  offer[Mis::Object] = 1;
  const int credits = Credits();
  ASSERT_TRUE(AcceptMission(1));
  EXPECT_EQ(Game.ActiveMission[Mis::Active], 0);
  EXPECT_EQ(Credits(), credits + 1000);
  EXPECT_EQ(Game.Player[Pl::MissionsCompleted], 1);
  // Special Forces print the plain number.
  ASSERT_NE(fe.Last("Mission completed!"), nullptr);
  EXPECT_EQ(fe.Last("Mission completed!")->text,
            "You have transported the Special Forces team to it\u00B4s target location and receive a reward of $1000");
  EXPECT_TRUE(fe.sawTopic("Experience"));
}

TEST_F(Missions, PatrolsVisitThreeNavpointsInOrder) {
  IntRow& m = Running(2, 4, 1);
  m[Mis::Object] = 1;
  m[Mis::Nav2Location] = 5, m[Mis::Nav2System] = 1;
  m[Mis::Nav3Location] = 6, m[Mis::Nav3System] = 1;
  At(5);  // the second navpoint first: nothing happens
  CheckMissionProgress();
  EXPECT_EQ(m[Mis::Object], 1);
  At(4);
  CheckMissionProgress();
  EXPECT_EQ(m[Mis::Object], 2);
  EXPECT_EQ(m[Mis::Location], 5);
  EXPECT_EQ(fe.shown.back().text,
            "You have reached the first Nav point on your patrol. Now head to the next nav point at Jupiter.");
  At(5);
  CheckMissionProgress();
  EXPECT_EQ(m[Mis::Object], 3);
  At(6);
  const int experience = Game.Player[Pl::Experience];
  CheckMissionProgress();
  EXPECT_EQ(m[Mis::Active], 0);
  EXPECT_EQ(Game.Player[Pl::Experience], experience + 400);
  EXPECT_EQ(fe.Last("Mission completed!")->text, "You have completed your patrol and receive a reward of $1,000");
}

TEST_F(Missions, ReconAndInfiltrationNeedSpyEquipment) {
  IntRow& m = Running(13, 1, 1);
  At(1);
  Game.Ship[Sh::Targeting] = 0;
  CheckMissionProgress();
  EXPECT_EQ(m[Mis::Active], 1) << "the mission waits for the next arrival";
  EXPECT_TRUE(fe.sawTopic("Spy equipment required!"));
  Game.Ship[Sh::Targeting] = 5;
  CheckMissionProgress();
  EXPECT_EQ(m[Mis::Active], 0);
}

TEST_F(Missions, MissionFightsEndAsTheBattleDoes) {
  IntRow& m = Running(1, 4, 1);
  m[Mis::Object] = 2;  // a pirate Stargun
  At(4);
  CheckMissionProgress();
  ASSERT_TRUE(fe.sawTopic("Mission encounter!"));
  EXPECT_EQ(fe.Last("Mission encounter!")->picture, "Pirate_Stargun_Scene.jpg");
  EXPECT_EQ(fe.screens.back(), Screen::ShipCombat);
  EXPECT_EQ(Combat.EnemyShip[Sh::ShipType], 2);
  EXPECT_EQ(m[Mis::Active], 0);
  EXPECT_EQ(Game.Player[Pl::MissionsCompleted], 1);

  fe.enemySurvives = true;  // the pilot fled
  Running(9, 4, 1)[Mis::Object] = 2;
  const int credits = Credits();
  CheckMissionProgress();
  EXPECT_EQ(Game.ActiveMission[Mis::Active], 0);
  EXPECT_TRUE(fe.sawTopic("Mission failed...!"));
  EXPECT_EQ(Credits(), credits);
  EXPECT_EQ(Game.Player[Pl::MissionsCompleted], 1);

  fe.enemySurvives = false;  // both ships destroyed: a dead pilot completes nothing
  fe.playerDestroyed = true;
  Running(12, 4, 1)[Mis::Object] = 16;
  CheckMissionProgress();
  EXPECT_EQ(Game.ActiveMission[Mis::Active], 0);
  EXPECT_EQ(fe.count("Mission failed...!"), 2);
  EXPECT_EQ(Game.Player[Pl::MissionsCompleted], 1);
}

TEST_F(Missions, FleetMissionsEndWithTheBattle) {
  IntRow& m = Running(24, 4, 1);
  m[Mis::Party] = 2;
  At(4);
  CheckMissionProgress();
  ASSERT_TRUE(fe.sawTopic("Enemy fleet ahead!"));
  EXPECT_EQ(fe.Last("Enemy fleet ahead!")->picture, "Battlefleet.jpg");
  EXPECT_EQ(m[Mis::Active], 0);
  EXPECT_TRUE(fe.sawTopic("Mission completed!") != fe.sawTopic("Mission failed...!"));
}

TEST_F(Missions, DeliveriesEndInTheMarket) {
  test::ClearMissionBoards();  // no other board may send goods here
  IntRow& offer = Offer(1, 3, 4, 1);  // 30 units of Supplies (1) to Mars
  offer[Mis::Object] = 1;
  offer[Mis::Party] = 30;
  EXPECT_TRUE(IsDeliveryDestination(1, 4, 1));
  EXPECT_FALSE(IsDeliveryDestination(1, 5, 1));
  EXPECT_FALSE(IsDeliveryDestination(1, 4, 2));
  ASSERT_TRUE(AcceptMission(1));
  At(4);
  Game.Cargo[1] = 30;
  Game.Cargo[2] = 10;
  qm::Run.SelectedCommodity = 2;  // other goods are a plain sale
  qm::Run.TradeAmount = 10;
  sell();
  EXPECT_EQ(Game.ActiveMission[Mis::Party], 30);
  qm::Run.SelectedCommodity = 1;
  sell();  // ten of thirty
  EXPECT_EQ(Game.ActiveMission[Mis::Party], 20);
  EXPECT_EQ(Game.LocationStock[1][4][1], 0);
  EXPECT_EQ(Game.ActiveMission[Mis::Active], 1);
  const int credits = Credits();
  const int price = Game.LocationPrices[1][4][1];
  qm::Run.TradeAmount = 100;
  sell();
  EXPECT_EQ(Game.ActiveMission[Mis::Active], 0);
  EXPECT_EQ(Credits(), credits + 20 * price + 1000);
  EXPECT_EQ(fe.Last("Mission completed!")->text,
            "You have delivered the required amount of goods and completed the transport mission. You receive a "
            "reward of $ 1000");
  // A supply run keeps every market of the destination system short.
  IntRow& supply = Offer(1, 6, 3, 2);
  supply[Mis::Object] = 5;
  EXPECT_TRUE(IsDeliveryDestination(2, 2, 5));
  EXPECT_FALSE(IsDeliveryDestination(1, 3, 5));
}

TEST_F(Missions, AnalysisCountsEachColonisedPlanetOnce) {
  Offer(1, 19, 0, 0)[Mis::Object] = 50;
  Game.LocationData[1][4][kMarketDataTaken] = 1;  // from an earlier analysis
  ASSERT_TRUE(AcceptMission(1));
  EXPECT_EQ(Game.LocationData[1][4][kMarketDataTaken], 0);
  IntRow& m = Game.ActiveMission;
  EXPECT_EQ(m[Mis::Object], 49) << "Earth, where the ship is, counts at once";
  At(2);
  CheckMissionProgress();
  EXPECT_EQ(m[Mis::Object], 49) << "a revisit gives nothing";
  At(1);  // the sun is not colonised
  CheckMissionProgress();
  EXPECT_EQ(m[Mis::Object], 49);
  At(4);
  CheckMissionProgress();
  EXPECT_EQ(m[Mis::Object], 48);
  EXPECT_EQ(fe.shown.back().text,
            "You download the current economical data of this planet to your computer. Only 48 planets left!");
  m[Mis::Object] = 1;
  const int experience = Game.Player[Pl::Experience];
  // A level whose promotion is out of reach, so the reward stays visible as experience.
  while (Game.Player[Pl::Level] < 18 && experienceForLevel(Game.Player[Pl::Level]) <= experience + 15000)
    ++Game.Player[Pl::Level];
  At(5);
  CheckMissionProgress();
  EXPECT_EQ(m[Mis::Active], 0);
  EXPECT_EQ(Game.Player[Pl::Experience], experience + 15000);
}

TEST_F(Missions, BountiesAndAbductionsEndAwayFromTheTarget) {
  Game.NonCombatAbilities[16] = 1;  // "Rewards": +10 %
  Running(5, 4, 3)[Mis::Reward] = 20000;
  At(4, 3);
  CheckMissionProgress();
  EXPECT_EQ(Game.ActiveMission[Mis::Active], 1) << "the criminal is found on the sensors, not here";
  const int credits = Credits();
  EXPECT_TRUE(CompleteBountyOnSensors());
  EXPECT_EQ(Credits(), credits + 22000);
  EXPECT_EQ(fe.Last("Mission completed!")->text, "You have completed your mission and receive a reward of $22,000");
  EXPECT_FALSE(CompleteBountyOnSensors()) << "no bounty runs any more";

  Running(18, 4, 3)[Mis::Reward] = 20000;
  EXPECT_FALSE(CompleteBountyOnSensors());
  EXPECT_TRUE(CompleteAbductionByBoarding());
  EXPECT_EQ(Credits(), credits + 42000) << "a ransom gets no reward bonus";

  Running(18, 4, 3);
  EXPECT_TRUE(FailAbductionOnSensors());
  EXPECT_EQ(Game.ActiveMission[Mis::Active], 0);
  EXPECT_EQ(fe.shown.back().topic, "Mission failed!");
  EXPECT_EQ(Game.Player[Pl::MissionsCompleted], 2);
}

TEST_F(Missions, TheBoardOpensOnlyWhereThePlayerMayServe) {
  RegenerateMissionBoards();
  EXPECT_TRUE(MayOpenMissionBoard());
  Game.Missions[1][5].fill(0);
  EXPECT_FALSE(MayOpenMissionBoard());
  EXPECT_TRUE(fe.sawTopic("No mission uplink"));
  RegenerateMissionBoards();
  Game.Player[Pl::CriminalFlag] = 3;
  EXPECT_FALSE(MayOpenMissionBoard());
  Game.Player[Pl::CriminalFlag] = 0;
  At(2, 12);  // Hyraxan of the Outer Rim Alliance
  EXPECT_FALSE(MayOpenMissionBoard());
  EXPECT_NE(fe.shown.back().text.find("This system is owned by the"), std::string::npos);
}

}  // namespace
}  // namespace qm
