// The cheats on a running game: money, promotion, age freeze, the combat cheat
// and the three fast starts, with their refusals.
#include <gtest/gtest.h>

#include <climits>

#include "catalogue/career.h"
#include "catalogue/equipment.h"
#include "state/equipment_limits.h"
#include "catalogue/ships.h"
#include "combat/boarding.h"
#include "combat/combat_state.h"
#include "combat/fleet_battle.h"
#include "combat/ship_combat.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/cheats.h"
#include "world/crew.h"
#include "world/missions.h"
#include "world/new_game.h"

namespace qm {
namespace {

class Cheats : public ::testing::Test {
 protected:
  void SetUp() override { Start(1); }
  // A new game for `faction`, a trader in the starting fighter.
  void Start(int faction) {
    SeedRandom(11);
    NewGameChoices c;
    c.faction = faction;
    c.profession = 2;
    StartNewGame(c);
    fe.shown.clear();
    fe.defaultAnswer = false;  // no ability is learned from a promotion's screen
  }
  test::ScriptedFrontend fe;
};

TEST_F(Cheats, MoneyAddsAHundredThousandAndStopsAtTheLargestSum) {
  Game.Player[Pl::Credits] = 5;
  cheatMoney();
  EXPECT_EQ(Game.Player[Pl::Credits], 100005);
  Game.Player[Pl::Credits] = INT_MAX - 10;
  cheatMoney();
  EXPECT_EQ(Game.Player[Pl::Credits], INT_MAX);
  cheatMoney();
  EXPECT_EQ(Game.Player[Pl::Credits], INT_MAX);
}

TEST_F(Cheats, PromotionGivesTheNextLevelAndAtTheLastLevelSaysThereIsNone) {
  Game.Player[Pl::Level] = 3;  // the next level (4) brings a rank
  const int rank = Game.Player[Pl::Rank];
  cheatPromotion();
  EXPECT_EQ(Game.Player[Pl::Level], 4);
  EXPECT_EQ(Game.Player[Pl::Rank], rank + 1);
  EXPECT_EQ(Game.Player[Pl::Experience], 0);
  EXPECT_TRUE(fe.sawTopic("Congratulations!"));
  EXPECT_FALSE(fe.sawTopic("No promotion"));

  Game.Player[Pl::Level] = 19;
  Game.Player[Pl::Experience] = 5;
  cheatPromotion();
  EXPECT_EQ(Game.Player[Pl::Experience], 9000000);
  EXPECT_EQ(Game.Player[Pl::Level], 19);
  EXPECT_TRUE(fe.sawTopic("No promotion"));
}

TEST_F(Cheats, TheAgeFreezeKeepsThePilotAtTwentyUntilSwitchedOff) {
  Game.StarDate = 360 * 30;
  ASSERT_EQ(Age(), 52);
  cheatToggleAging();
  EXPECT_TRUE(qm::Run.AgeFreeze);
  EXPECT_EQ(Age(), 20);
  EXPECT_EQ(portraitPicture(), portraitPicture(Game.Player[Pl::Portrait], 20));
  cheatToggleAging();
  EXPECT_EQ(Age(), 52);
}

TEST_F(Cheats, TheCombatCheatIsRefusedOutsideABattleAndChangesNothing) {
  const GameState before = Game;
  EXPECT_FALSE(cheatDestroyEnemy());
  EXPECT_TRUE(Game == before);
  EXPECT_TRUE(fe.sawTopic("N/A"));

  // A battle that is over is no battle either.
  SetupShipCombat(2, 0, 2, 0);
  Combat.CombatEnded = 1;
  const int shield = Combat.EnemyShip[Sh::ShieldEnergy];
  EXPECT_FALSE(cheatDestroyEnemy());
  EXPECT_EQ(Combat.EnemyShip[Sh::ShieldEnergy], shield);
  EXPECT_EQ(Combat.EnemyShip[Sh::Alive], 1);
}

TEST_F(Cheats, TheCombatCheatEndsTheBattleAsAVictoryByTheOwnGuns) {
  SetupShipCombat(2, 0, 2, 0);
  const int killSlot = Pl::KilledFighters + shipStat(2, Stat::Class) - 1;
  const int kills = Game.Player[killSlot];
  const int experience = Game.Player[Pl::Experience];
  ASSERT_TRUE(ShipBattleRunning());
  EXPECT_TRUE(cheatDestroyEnemy());
  EXPECT_EQ(BattleOutcome(), Outcome::Victory);
  EXPECT_EQ(Combat.EnemyShip[Sh::ShieldEnergy], 0);
  EXPECT_EQ(Combat.CombatEnded, 1);
  EXPECT_EQ(Game.Player[killSlot], kills + 1) << "the kill is counted";
  EXPECT_GT(Game.Player[Pl::Experience], experience) << "and rewarded";
  EXPECT_TRUE(fe.sawTopic("Well done!"));
  EXPECT_FALSE(ShipBattleRunning());
}

TEST_F(Cheats, FastStartsSetTheCareerAndShipOfTheirRowAndOnlyAddAbilities) {
  for (int faction : {1, 3}) {
    for (int level = 1; level <= 3; ++level) {
      Start(faction);
      SCOPED_TRACE("faction " + std::to_string(faction) + ", fast start " + std::to_string(level));
      const FastStart& f = FastStartOf(level);
      Game.Player[Pl::Credits] = 90000000;  // more than any fast start gives
      Game.Player[Pl::Experience] = 1234;
      Game.NonCombatAbilities[2] = 1;  // learned before: kept
      Game.CombatAbilities[4] = 1;
      Game.Missions[1][1][Mis::Type] = 99;  // a marker the new boards overwrite
      const int type = level == 1 ? (faction == 1 ? 7 : 6) : level == 2 ? 13 : 16;
      const int cls = shipStat(type, Stat::Class);
      Game.Ship[Sh::Guns] = upgradeOption(cls, Category::Guns, 1) + 1;  // an upgrade of the old ship
      ASSERT_TRUE(cheatFastStart(level));

      const auto& p = Game.Player;
      const auto& s = Game.Ship;
      EXPECT_EQ(p[Pl::Credits], f.credits) << "set, not added";
      EXPECT_EQ(p[Pl::Level], f.level);
      EXPECT_EQ(p[Pl::Rank], f.rank);
      EXPECT_EQ(p[Pl::Experience], 0);
      for (int id : f.abilities) EXPECT_EQ(Game.NonCombatAbilities[id], 1) << id;
      for (int id : f.combatActions) EXPECT_EQ(Game.CombatAbilities[id], 1) << id;
      EXPECT_EQ(Game.NonCombatAbilities[2], 1);
      for (int id : {1, 2, 3, 4}) EXPECT_EQ(Game.CombatAbilities[id], 1) << id;

      EXPECT_EQ(s[Sh::ShipType], type);
      EXPECT_EQ(s[Sh::ShipFaction], faction);
      EXPECT_EQ(s[Sh::ShieldEnergy], shipStat(type, Stat::MaxShields));
      EXPECT_EQ(s[Sh::Guns], upgradeOption(cls, Category::Guns, 1)) << "the first offer of the new class";
      EXPECT_EQ(s[Sh::CargoSpace], upgradeOption(cls, Category::CargoSystems, 1));
      EXPECT_EQ(s[Sh::CargoCapacity], cargoCapacity(type, s[Sh::CargoSpace])) << "the hold at once";
      const int flying = s[Sh::Crewmen] + s[Sh::Officers] + s[Sh::Pirates];
      EXPECT_GE(flying, shipStat(type, Stat::CrewMin));
      EXPECT_NE(Game.Missions[1][1][Mis::Type], 99) << "the boards are filled anew";
      EXPECT_TRUE(fe.sawTopic("Done"));
    }
  }
}

TEST_F(Cheats, AFastStartIntoASmallerShipSendsTheCrewBeyondItsMaximumAway) {
  // Marines alone would fill the corvette: the crew it needs to fly stays all the same.
  Game.Ship[Sh::Crewmen] = 5000;
  Game.Ship[Sh::Marines] = 400;
  ASSERT_TRUE(cheatFastStart(1));
  const int type = Game.Ship[Sh::ShipType];
  EXPECT_EQ(totalCrew(), crewCapacity());
  EXPECT_EQ(Game.Ship[Sh::Crewmen], shipStat(type, Stat::CrewMin));
  EXPECT_EQ(Game.Ship[Sh::Marines], crewCapacity() - shipStat(type, Stat::CrewMin));
  EXPECT_TRUE(fe.sawTopic("Crew members leave!"));

  // Marines that fit stay, the surplus crewmen leave.
  Start(1);
  Game.Ship[Sh::Crewmen] = 5000;
  Game.Ship[Sh::Marines] = 3;
  ASSERT_TRUE(cheatFastStart(1));
  EXPECT_EQ(totalCrew(), crewCapacity());
  EXPECT_EQ(Game.Ship[Sh::Marines], 3);
}

TEST_F(Cheats, FastStartsAreRefusedWhileABattleBoardingOrFleetBattleIsOpen) {
  auto refused = [this](const char* what) {
    const GameState before = Game;
    fe.shown.clear();
    EXPECT_FALSE(cheatFastStart(3)) << what;
    EXPECT_TRUE(Game == before) << what;
    EXPECT_TRUE(fe.sawTopic("N/A")) << what;
  };
  SetupShipCombat(2, 0, 2, 0);
  refused("ship battle");
  Combat.CombatEnded = 1;
  Boarding.open = true;
  refused("boarding");
  Boarding.open = false;
  Fleet.open = true;
  refused("fleet battle");
  Fleet.open = false;
  EXPECT_TRUE(cheatFastStart(3));
}

}  // namespace
}  // namespace qm
