#include <gtest/gtest.h>

#include "catalogue/equipment.h"
#include "combat/battle_pictures.h"
#include "combat/boarding.h"
#include "catalogue/ships.h"
#include "combat/combat_state.h"
#include "combat/fleet_battle.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/battle_frontend.h"
#include "world/new_game.h"

namespace qm {
namespace {

class FleetFight : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(4);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;
    StartNewGame(c);
    Game.Ship[Sh::ShipType] = 13;  // a Neptun cruiser
    Game.Ship[Sh::ShieldEnergy] = Max();
    Game.Ship[Sh::Crewmen] = 40;
    fe.shown.clear();
  }
  int Max() const { return maxShields(Game.Ship[Sh::ShipType], Game.Ship[Sh::Engines], Game.Ship[Sh::CargoSpace]); }
  int Count(const std::array<FleetShip, kFleetSize + 1>& side, int role) const {
    int n = 0;
    for (int k = 1; k <= kFleetSize; ++k) n += side[k].present > 0 && side[k].role == role;
    return n;
  }
  int Present(const std::array<FleetShip, kFleetSize + 1>& side) const {
    int n = 0;
    for (int k = 1; k <= kFleetSize; ++k) n += side[k].present > 0;
    return n;
  }
  int StationRecord() const {
    for (int k = 1; k <= kFleetSize; ++k)
      if (Fleet.enemy[k].present > 0 && Fleet.enemy[k].role == FleetRole::Station) return k;
    return 0;
  }
  int ShipRecord() const {
    for (int k = 1; k <= kFleetSize; ++k)
      if (Fleet.enemy[k].present > 0 && Fleet.enemy[k].role != FleetRole::Station) return k;
    return 0;
  }
  test::BattleFrontend fe;
};

TEST_F(FleetFight, FleetsAreComposedByMode) {
  for (int mode : {-1, 0, 1, 2}) {
    SetupFleetBattle(2, mode);
    EXPECT_EQ(Fleet.allied[1].role, FleetRole::Flagship);
    EXPECT_EQ(Fleet.allied[1].type, 13);
    EXPECT_EQ(Present(Fleet.allied), 3);
    for (int k = 2; k <= 3; ++k) {
      EXPECT_EQ(shipStat(Fleet.allied[k].type, Stat::Class), 3);  // a class below the flagship
      EXPECT_EQ(Fleet.allied[k].faction, 1);
      EXPECT_EQ(Fleet.allied[k].shield, shipStat(Fleet.allied[k].type, Stat::MaxShields));
    }
    for (int k = 1; k <= kFleetSize; ++k) {
      if (Fleet.enemy[k].present > 0) {
        EXPECT_EQ(Fleet.enemy[k].faction, 2);
      }
    }
  }
  SetupFleetBattle(2, 0);
  EXPECT_EQ(Present(Fleet.enemy), 3);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(shipStat(Fleet.enemy[k].type, Stat::Role), 2);  // freighters
  SetupFleetBattle(2, 1);
  EXPECT_EQ(Present(Fleet.enemy), 4);
  EXPECT_GE(Count(Fleet.enemy, FleetRole::Battleship), 1);
  SetupFleetBattle(2, 2);
  EXPECT_EQ(Present(Fleet.enemy), 5);
  SetupFleetBattle(2, -1);
  EXPECT_EQ(Present(Fleet.enemy), 4);
  EXPECT_EQ(Count(Fleet.enemy, FleetRole::Station), 1);
  EXPECT_EQ(Fleet.enemy[StationRecord()].shield, 3500);
  SetFleetWaveStrength(3, 2);
  SetFleetWaveStrength(4, 3);
  EXPECT_EQ(Present(Fleet.enemy), 6);  // stronger waves: two more warships, once
}

TEST_F(FleetFight, TheStationWaitsUntilItsFleetIsGoneForThePlayerAndForEscorts) {
  SetupFleetBattle(2, -1);
  fe.onFleet = [&] {
    const int station = StationRecord();
    SelectFleetTarget(station);
    const auto before = Fleet.enemy;
    AttackTargetYourself();
    EXPECT_EQ(fe.shown.back().topic, "N/A");
    SelectEscort(2);
    SendEscort();
    EXPECT_EQ(fe.shown.back().topic, "N/A");
    EXPECT_FALSE(Fleet.duelRunning);
    EXPECT_EQ(fe.battles, 0);
    for (int k = 1; k <= kFleetSize; ++k) EXPECT_EQ(Fleet.enemy[k].shield, before[k].shield);
    // Once the warships are gone the station may be attacked.
    for (int k = 1; k <= kFleetSize; ++k)
      if (k != station) Fleet.enemy[k] = FleetShip{};
    SelectFleetTarget(station);
    SendEscort();
    EXPECT_TRUE(Fleet.duelRunning);
    RunEscortDuel();
    RetreatFromFleetBattle();
  };
  EXPECT_FALSE(RunFleetBattle());
}

TEST_F(FleetFight, EscortOrdersNeedAnEscortAndATarget) {
  SetupFleetBattle(2, 2);
  SendEscort();
  EXPECT_EQ(fe.shown.back().topic, "Who?");
  SelectEscort(1);
  SendEscort();
  EXPECT_EQ(fe.shown.back().topic, "Not an escort");
  SelectEscort(2);
  SendEscort();
  EXPECT_EQ(fe.shown.back().topic, "No target");
  AttackTargetYourself();
  EXPECT_EQ(fe.shown.back().topic, "No target");
  EXPECT_EQ(fe.battles, 0);
}

TEST_F(FleetFight, DamageCarriesOverBetweenDuels) {
  SetupFleetBattle(2, 2);
  const int t = ShipRecord();
  SelectFleetTarget(t);
  SelectEscort(2);
  // Escort duels until the target is hurt but still flying.
  for (int i = 0; i < 50 && Fleet.enemy[t].present > 0 &&
                  Fleet.enemy[t].shield == shipStat(Fleet.enemy[t].type, Stat::MaxShields);
       ++i) {
    SendEscort();
    FleetDuelTick();
    Fleet.duelRunning = false;  // stop after one tick
    if (Fleet.allied[2].present <= 0) SelectEscort(3);
  }
  ASSERT_GT(Fleet.enemy[t].present, 0);
  const int hurt = Fleet.enemy[t].shield;
  ASSERT_LT(hurt, shipStat(Fleet.enemy[t].type, Stat::MaxShields));
  int seen = 0;
  fe.onCombat = [&] {
    seen = Combat.EnemyShip[Sh::ShieldEnergy];
    Combat.EnemyShip[Sh::Alive] = 1;  // the player breaks off with the enemy 30 points weaker
    Combat.EnemyShip[Sh::ShieldEnergy] -= 30;
  };
  AttackTargetYourself();
  EXPECT_EQ(seen, hurt);
  EXPECT_EQ(Fleet.enemy[t].shield, hurt - 30);
  EXPECT_EQ(Fleet.target, t);
}

TEST_F(FleetFight, AWonDuelRemovesTheTargetAndRestoresAQuarterOfTheShield) {
  SetupFleetBattle(2, 0);
  Game.Ship[Sh::ShieldEnergy] = 100;
  fe.onCombat = [] { Combat.EnemyShip[Sh::Alive] = 0; };
  SelectFleetTarget(1);
  AttackTargetYourself();
  EXPECT_EQ(Fleet.enemy[1].present, 0);
  EXPECT_EQ(Fleet.target, 0);
  EXPECT_EQ(Game.Ship[Sh::ShieldEnergy], 100 + Max() / 4);
  Game.Ship[Sh::ShieldEnergy] = Max() - 1;
  SelectFleetTarget(2);
  AttackTargetYourself();
  EXPECT_EQ(Game.Ship[Sh::ShieldEnergy], Max());  // never above the maximum
  SelectFleetTarget(3);
  AttackTargetYourself();
  EXPECT_TRUE(Fleet.over);
  EXPECT_TRUE(Fleet.won);
  EXPECT_TRUE(fe.sawTopic("Enemy fleet destroyed!"));
}

TEST_F(FleetFight, ALostFlagshipLosesTheBattleAndLeavesTheDeathToTheCaller) {
  SetupFleetBattle(2, 2);
  fe.onCombat = [] { Game.Ship[Sh::Alive] = 0; };
  fe.onFleet = [&] {
    SelectFleetTarget(ShipRecord());
    AttackTargetYourself();
  };
  EXPECT_FALSE(RunFleetBattle());
  EXPECT_TRUE(fe.sawTopic("Your fleet destroyed!"));
  EXPECT_FALSE(qm::Run.GameEnded);  // the death handling is the caller's
  EXPECT_EQ(Game.Ship[Sh::Alive], 0);
}

TEST_F(FleetFight, TheEmergencyRechargeWorksOncePerBattleAndOnlyBetweenDuels) {
  SetupFleetBattle(2, 2);
  Game.Ship[Sh::ShieldEnergy] = 10;
  SelectFleetTarget(ShipRecord());
  SelectEscort(2);
  SendEscort();
  EmergencyRecharge();  // a duel runs: the button does nothing
  EXPECT_EQ(Game.Ship[Sh::ShieldEnergy], 10);
  RunEscortDuel();
  EmergencyRecharge();
  EXPECT_EQ(Game.Ship[Sh::ShieldEnergy], Max());
  EXPECT_EQ(Game.Ship[98], 1);
  EXPECT_TRUE(fe.sawTopic("Success!") || fe.sawTopic("Reactor breach!"));
  Game.Ship[Sh::ShieldEnergy] = 10;
  EmergencyRecharge();
  EXPECT_EQ(fe.shown.back().topic, "N/A");
  EXPECT_EQ(Game.Ship[Sh::ShieldEnergy], 10);
  SetupFleetBattle(2, 2);  // a new battle, a new chance
  EXPECT_EQ(Game.Ship[98], 0);
}

TEST_F(FleetFight, AReactorBreachHalvesTheCrewButNotMarinesOrDroids) {
  for (uint64_t seed = 1; seed < 200 && !fe.sawTopic("Reactor breach!"); ++seed) {
    SetupFleetBattle(2, 2);
    SeedRandom(seed);
    Game.Ship[Sh::Crewmen] = 40;
    Game.Ship[Sh::Droids] = 7;
    EmergencyRecharge();
  }
  ASSERT_TRUE(fe.sawTopic("Reactor breach!"));
  EXPECT_EQ(Game.Ship[Sh::Crewmen], 20);
  EXPECT_EQ(Game.Ship[Sh::Droids], 7);
}

TEST_F(FleetFight, EscortDuelsEndWithAnExplosionAndTheBuiltInCommanderFinishesTheBattle) {
  for (uint64_t seed = 1; seed <= 20; ++seed) {
    SeedRandom(seed);
    Game.Ship[Sh::Alive] = 1;
    Game.Ship[Sh::ShieldEnergy] = Max();
    SetupFleetBattle(3, -1);
    SetFleetWaveStrength(5, 3);
    int moves = 0;
    fe.onCombat = [] {
      // The player wins a duel when the target is weaker than the own shield.
      if (Combat.EnemyShip[Sh::ShieldEnergy] < Game.Ship[Sh::ShieldEnergy]) {
        Game.Ship[Sh::ShieldEnergy] -= Combat.EnemyShip[Sh::ShieldEnergy] / 2;
        Combat.EnemyShip[Sh::Alive] = 0;
      } else {
        Combat.EnemyShip[Sh::ShieldEnergy] -= Game.Ship[Sh::ShieldEnergy] / 2;
        Game.Ship[Sh::ShieldEnergy] /= 2;
        Combat.EnemyShip[Sh::Alive] = 1;
      }
    };
    fe.onFleet = [&] {
      while (!Fleet.over && moves < 10000) {
        FleetAutoMove();
        ++moves;
        EXPECT_FALSE(Fleet.duelRunning);
      }
    };
    RunFleetBattle();
    EXPECT_LT(moves, 10000) << "seed " << seed;
    EXPECT_TRUE(Fleet.over);
  }
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

TEST(BattlePictures, ShieldBarsAndSymbolsFollowTheState) {
  EXPECT_EQ(FleetShieldBar(1, 3500), "Travelscreen_ShieldBar_1.jpg");  // a positive shield is never empty
  EXPECT_EQ(FleetShieldBar(0, 3500), "Travelscreen_ShieldBar_0.jpg");
  EXPECT_EQ(FleetShieldBar(9000, 3500), "Travelscreen_ShieldBar_25.jpg");
  EXPECT_EQ(FleetShieldBar(50, 0), "Travelscreen_ShieldBar_25.jpg");  // no division by zero
  EXPECT_EQ(FleetSymbol(true, FleetRole::Flagship, "on"), "ship_blue_large_left_on.bmp");
  EXPECT_EQ(FleetSymbol(false, FleetRole::Station, "over"), "station_red_over.bmp");
  EXPECT_EQ(BoardingAreaPicture(Area::CargoBay, AreaState::Locked), "crewcombat_grey_cargo_normal.jpg");
  EXPECT_EQ(BoardingAreaCaption(Area::Bridge, AreaState::Locked), "Bridge (Enemy); not yet selectable)");
  EXPECT_EQ(BoardingAreaCaption(Area::Corridors, AreaState::Secured), "Corridors (Friendly)");
  EXPECT_EQ(BoardingAreaCaption(7, AreaState::Secured), "");
}

}  // namespace
}  // namespace qm
