// Leaving the game inside a battle ("Quit game?" answered yes on a battle
// screen) unwinds every caller at once: no mission failure, no judgement of the
// attack, no fleet bookkeeping, no siege decided.
#include <gtest/gtest.h>

#include "combat/combat_state.h"
#include "combat/fleet_battle.h"
#include "combat/scan.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "support/world_fixtures.h"
#include "world/missions.h"
#include "world/new_game.h"
#include "world/wars.h"

namespace qm {
namespace {

class BattleQuit : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(11);
    StartNewGame(NewGameChoices{});
    test::MakePeace();
    test::ClearMissionBoards();
    fe.fightBattles = false;
    // The player answers "Quit game?" with yes on the battle screen.
    fe.onShow = [](Screen s) {
      if (s != Screen::ShipCombat && s != Screen::FleetBattle) return;
      qm::Run.QuitToMenu = true;
      Combat.CombatEnded = 1;
    };
    fe.shown.clear();
  }
  void TearDown() override { qm::Run.QuitToMenu = false; }

  test::ScriptedFrontend fe;
};

TEST_F(BattleQuit, AMissionFightLeftByQuittingNeitherFailsNorCompletes) {
  IntRow& m = Game.ActiveMission;
  m[Mis::Active] = 1;
  m[Mis::Type] = 1;
  m[Mis::Reward] = 5000;
  m[Mis::System] = Game.Ship[Sh::System];
  m[Mis::Location] = Game.Ship[Sh::Location];
  m[Mis::Object] = 1;
  const int credits = Game.Player[Pl::Credits];
  CheckMissionProgress();
  ASSERT_TRUE(fe.sawTopic("Mission encounter!"));
  EXPECT_FALSE(fe.sawTopic("Mission failed...!"));
  EXPECT_FALSE(fe.sawTopic("Mission completed!"));
  EXPECT_EQ(m[Mis::Active], 1);
  EXPECT_EQ(Game.Player[Pl::Credits], credits);
}

TEST_F(BattleQuit, AnAttackOnAScannedShipOfTheOwnFactionIsNotJudgedAfterQuitting) {
  IntRow& r = Game.SystemShips[1];
  r.fill(0);
  r[1] = 1;
  r[2] = 1;
  r[3] = 2;  // military
  r[4] = 1;
  r[5] = Game.Player[Pl::Faction];
  qm::Run.SelectedShip = 1;
  InterceptAndAttack();
  ASSERT_TRUE(fe.sawTopic("Hostile encounter!"));
  EXPECT_FALSE(fe.sawTopic("Flagged criminal!"));
  EXPECT_FALSE(fe.sawTopic("Unrecognized!"));
  EXPECT_EQ(Game.Player[Pl::CriminalFlag], 0);
  EXPECT_EQ(Combat.ScanRecord, 0);
  EXPECT_EQ(ScannedRecord(), 0) << "the scan screen closes";
}

TEST_F(BattleQuit, AFleetDuelLeftByQuittingKeepsTheTargetAsItWas) {
  SetupFleetBattle(2, 0);
  int k = 1;
  while (k <= kFleetSize && !(Fleet.enemy[k].present > 0 && Fleet.enemy[k].role != FleetRole::Station)) ++k;
  ASSERT_LE(k, kFleetSize);
  const FleetShip before = Fleet.enemy[k];
  const int shield = Game.Ship[Sh::ShieldEnergy];
  SelectFleetTarget(k);
  // The duel went on for a while before the player quit.
  fe.onShow = [](Screen) {
    Combat.EnemyShip[Sh::ShieldEnergy] -= 10;
    qm::Run.QuitToMenu = true;
    Combat.CombatEnded = 1;
  };
  AttackTargetYourself();
  EXPECT_EQ(Fleet.enemy[k].present, before.present);
  EXPECT_EQ(Fleet.enemy[k].shield, before.shield);
  EXPECT_EQ(Game.Ship[Sh::ShieldEnergy], shield) << "no shield regained for a duel nobody won";
  EXPECT_FALSE(fe.sawTopic("Enemy fleet destroyed!"));
  EXPECT_FALSE(fe.sawTopic("Your fleet destroyed!"));
}

}  // namespace
}  // namespace qm
