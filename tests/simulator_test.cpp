// The combat simulator: its set-up steps, the flow from the set-up to the
// result and the reset after it, the duel's ticks (recharge counters, effects,
// missiles, combo points, pausing), the refusals and the opponent's decisions.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "combat/combat_rules.h"
#include "combat/combat_state.h"
#include "combat/simulator.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"

namespace qm {
namespace {

using namespace combat;

// The test frontend, also keeping the sounds played.
class SoundingFrontend : public test::ScriptedFrontend {
 public:
  void PlaySound(const std::string& wav) override { sounds.push_back(wav); }
  std::vector<std::string> sounds;
};

class SimulatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(3);
    ClearRandomDraws();
    General.Option = Options{};
  }
  void TearDown() override {
    ClearRandomDraws();
    ResetGameState();
    Sim = SimulatorState{};
  }

  // A duel ready for its first tick.
  void Duel(int ship, int expertise, int enemyShip, int enemyExpertise) {
    BeginSimulatorSetup();
    ChooseSimulatorShip(ship);
    ChooseSimulatorExpertise(expertise);
    ASSERT_TRUE(SimulatorContinue());
    ChooseSimulatorShip(enemyShip);
    ChooseSimulatorExpertise(enemyExpertise);
    ASSERT_TRUE(SimulatorContinue());
    PrepareSimulatorDuel();
    E[Sh::Guns] = 0;  // plain guns and missiles on both sides: Laser, Arrow Mk. I
    E[Sh::Missiles] = 0;
    S[Sh::Guns] = 0;
    S[Sh::Missiles] = 0;
    fe.shown.clear();
    fe.panel.clear();
  }
  int& Counter(int side, int id) {
    for (int k = 1; k <= kAbilityButtons; ++k)
      if (SimulatorAbility(side, k) == id) return Sim.counters[static_cast<size_t>(side)][static_cast<size_t>(k)];
    static int none = -1;
    ADD_FAILURE() << "no button for ability " << id;
    return none;
  }
  bool Press(int id) { return SimulatorPlayerAction(SimulatorButtonOf(id)); }
  // Puts ability `id` on the player's first free button, learned.
  void GiveButton(int id) {
    Game.CombatAbilities[id] = 1;
    for (int k = 1; k <= kAbilityButtons; ++k)
      if (Combat.AbilityBar[k] == 0) {
        Combat.AbilityBar[k] = id;
        return;
      }
  }
  // An opponent whose only ready abilities are `ready`, on its buttons: every
  // ability it could use without a button keeps recharging.
  void IdleOpponent(std::initializer_list<int> ready = {}) {
    Combat.EnemyAbilities.fill(0);
    int k = 1;
    for (int id : ready) Combat.EnemyAbilities[k++] = id;
    Sim.unbuttoned.fill(1000);
  }
  // The opponent's decision on these random draws, all of which it must use.
  int Decide(std::initializer_list<int> draws) {
    ClearRandomDraws();
    QueueRandomDraws(draws);
    const int id = SimulatorOpponentActs();
    EXPECT_EQ(QueuedRandomDraws(), 0) << "draws left after deciding " << id;
    return id;
  }
  // A tick on these random draws, all of which it must use; the opponent's action.
  int Tick(std::initializer_list<int> draws) {
    ClearRandomDraws();
    QueueRandomDraws(draws);
    SimulatorTick();
    EXPECT_EQ(QueuedRandomDraws(), 0) << "draws left after tick " << Sim.ticks;
    return Sim.tickActions[kEnemySide];
  }

  SoundingFrontend fe;
  IntRow& S = Game.Ship;
  IntRow& E = Combat.EnemyShip;
};

// Set-up ------------------------------------------------------------------------

TEST_F(SimulatorTest, ContinueNeedsBothChoicesAndBackStepsDownThenCancels) {
  BeginSimulatorSetup();
  EXPECT_EQ(Sim.step, SimStep::Player);
  EXPECT_FALSE(SimulatorContinue());  // nothing chosen
  ChooseSimulatorShip(2);
  EXPECT_FALSE(SimulatorContinue());  // no expertise yet
  ChooseSimulatorExpertise(4);         // out of range: ignored
  EXPECT_FALSE(SimulatorContinue());
  EXPECT_EQ(Sim.step, SimStep::Player);
  EXPECT_FALSE(Sim.worldCreated);

  ChooseSimulatorExpertise(3);
  ASSERT_TRUE(SimulatorContinue());
  EXPECT_EQ(Sim.step, SimStep::Enemy);
  EXPECT_EQ(SimulatorShipChoice(), 0) << "the enemy step starts without choices";
  ChooseSimulatorShip(1);
  EXPECT_FALSE(SimulatorContinue());
  EXPECT_EQ(E[Sh::ShipType], 1);

  SimulatorBack();  // the player step again, with its choices kept
  EXPECT_EQ(Sim.step, SimStep::Player);
  EXPECT_EQ(SimulatorShipChoice(), 2);
  EXPECT_EQ(SimulatorExpertiseChoice(), 3);
  SimulatorBack();
  EXPECT_EQ(Sim.step, SimStep::Cancelled);
}

TEST_F(SimulatorTest, TheWorldIsCreatedOnceForAFederationPilotAndKeepsTheLatestChoices) {
  BeginSimulatorSetup();
  ChooseSimulatorShip(1);
  ChooseSimulatorExpertise(1);
  ASSERT_TRUE(SimulatorContinue());
  EXPECT_TRUE(Sim.worldCreated);
  EXPECT_EQ(Game.Player[Pl::Faction], 1);
  EXPECT_GT(Game.SystemData[1][Sys::Exists], 0) << "the galaxy exists";
  Game.Player[Pl::Credits] = 4321;  // marks this world

  SimulatorBack();
  ChooseSimulatorShip(3);
  ChooseSimulatorExpertise(2);
  ASSERT_TRUE(SimulatorContinue());
  EXPECT_EQ(Game.Player[Pl::Credits], 4321) << "no second world";
  EXPECT_EQ(S[Sh::ShipType], 3);
  EXPECT_EQ(S[Sh::ShieldEnergy], BaseMaxShields(3));
  // Soldier: the first-tier row 1, 2, 3, 10, 4, 7 and nothing else.
  for (int id = 1; id <= 37; ++id) {
    const bool inRow = id == 1 || id == 2 || id == 3 || id == 10 || id == 4 || id == 7;
    EXPECT_EQ(Game.CombatAbilities[id] == 1, inRow) << "ability " << id;
  }
}

TEST_F(SimulatorTest, TheDuelPitsAFederationShipAgainstAPirateWithTheExpertiseRows) {
  Duel(1, 1, 2, 3);
  EXPECT_EQ(SimulatorShipPicture(kPlayerSide), "Federation_Starwolf_L.jpg");
  EXPECT_EQ(SimulatorShipPicture(kEnemySide), "Pirate_Stargun_R.jpg");
  EXPECT_EQ(SimulatorMissilePicture(kEnemySide), "Pirate_Missile_R.jpg");
  // Trader's row; the Starwolf's special takes button 4 after three abilities.
  const int bar[] = {1, 2, 3, 36, 10, 11, 22, 0};
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(Combat.AbilityBar[k], bar[k - 1]) << "button " << k;
  const int rogue[] = {1, 2, 3, 13, 12, 7, 0};
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(Combat.EnemyAbilities[k], rogue[k - 1]) << "opponent button " << k;
  EXPECT_EQ(E[Cb::AiKind], 3);
  EXPECT_EQ(S[Cb::Reinforcements], -1);
  EXPECT_EQ(E[Cb::Reinforcements], -1);
  EXPECT_EQ(SimulatorSpeedInterval(Sim.speed), 1500);
  EXPECT_EQ(SimulatorComboPicture(kPlayerSide), "Combo_00.jpg");
}

// The whole flow --------------------------------------------------------------------

class SimulatorFlow : public SimulatorTest {
 protected:
  // Each set-up screen takes its side's choices (0: "Back"); the duel screen runs `duel`.
  void Drive(int ship, int expertise, int enemyShip, int enemyExpertise, std::function<void()> duel) {
    fe.onShow = [=](Screen s) {
      if (s == Screen::SimulatorSetup) {
        const bool enemy = Sim.step == SimStep::Enemy;
        ChooseSimulatorShip(enemy ? enemyShip : ship);
        ChooseSimulatorExpertise(enemy ? enemyExpertise : expertise);
        if (!SimulatorContinue()) SimulatorBack();
      } else if (s == Screen::SimulatorDuel) {
        duel();
      }
    };
  }
};

TEST_F(SimulatorFlow, AVictoryShowsItsResultAndLeavesNothingOfTheDuelBehind) {
  General.Highscore[1][1] = 777;
  General.HighscoreName[1] = "Keeper";
  const GeneralData before = General;
  Drive(2, 2, 1, 1, [] {
    Combat.EnemyShip[Sh::ShieldEnergy] = 0;
    SimulatorTick();
  });
  StartSimulator();
  ASSERT_EQ(fe.screens.size(), 3u);
  EXPECT_EQ(fe.screens[2], Screen::SimulatorDuel);
  EXPECT_TRUE(fe.sawTopic("Congratulations! You won!"));
  EXPECT_EQ(fe.shown.back().picture, "Ruvevid.jpg");
  ASSERT_FALSE(fe.sounds.empty());
  EXPECT_EQ(fe.sounds.back(), "Explosion_Ship.wav");
  EXPECT_FALSE(fe.sawTopic("Well done!")) << "no career victory, experience or loot";
  EXPECT_FALSE(fe.sawTopic("Experience"));
  EXPECT_TRUE(Game == GameState{}) << "the state is reset after the duel";
  EXPECT_EQ(Sim.step, SimStep::Cancelled);
  EXPECT_EQ(General.Highscore[1][1], before.Highscore[1][1]);
  EXPECT_EQ(General.HighscoreName[1], "Keeper");
  EXPECT_EQ(General.StartCounter, before.StartCounter);
}

TEST_F(SimulatorFlow, ADefeatSaysGameOverAndAnEscapeOrLeavingSaysNothing) {
  Drive(1, 1, 3, 2, [] {
    Game.Ship[Sh::ShieldEnergy] = 0;
    SimulatorTick();  // the opponent fires first; the player's ship is already lost
  });
  StartSimulator();
  EXPECT_TRUE(fe.sawTopic("Game Over!"));
  EXPECT_FALSE(fe.sawTopic("Congratulations! You won!"));

  fe.shown.clear();
  Drive(1, 1, 3, 2, [] {});  // the duel screen closed at once
  StartSimulator();
  EXPECT_TRUE(fe.shown.empty()) << fe.shown.front().topic;
  EXPECT_TRUE(Game == GameState{});
}

TEST_F(SimulatorFlow, ACancelledSetUpShowsNoResultAndAScreenClosedOtherwiseEndsTheLoop) {
  Drive(0, 0, 0, 0, [] { ADD_FAILURE() << "no duel after a cancel"; });
  StartSimulator();
  EXPECT_EQ(fe.screens.size(), 1u);
  EXPECT_TRUE(fe.shown.empty()) << "no \"You won\" for a duel never fought";

  fe.screens.clear();
  fe.onShow = nullptr;  // the set-up closes without either button
  StartSimulator();
  EXPECT_EQ(fe.screens.size(), 1u);
  EXPECT_TRUE(fe.shown.empty());
}

// Ticks ---------------------------------------------------------------------------

TEST_F(SimulatorTest, AnActionStartsItsCounterWhichTicksDownByOneOrTwoWithDoubleSpeed) {
  Duel(1, 2, 1, 2);
  IdleOpponent();
  ASSERT_TRUE(Press(Ab::FireGuns));
  EXPECT_EQ(Counter(kPlayerSide, Ab::FireGuns), 2) << "the guns' AP cost";
  EXPECT_EQ(S[Cb::AP], 8) << "AP stay at 8";
  ASSERT_TRUE(Press(Ab::Taunt));
  EXPECT_EQ(Counter(kPlayerSide, Ab::Taunt), 1);
  SimulatorTick();
  EXPECT_EQ(Counter(kPlayerSide, Ab::FireGuns), 1);
  EXPECT_EQ(Counter(kPlayerSide, Ab::Taunt), 0);
  SimulatorTick();
  EXPECT_EQ(Counter(kPlayerSide, Ab::FireGuns), 0) << "never below 0";

  ASSERT_TRUE(Press(Ab::FocusBeam));
  EXPECT_EQ(Counter(kPlayerSide, Ab::FocusBeam), 4);
  AddEffect(PlayerFx(), Ab::DoubleSpeed);
  SimulatorTick();
  EXPECT_EQ(Counter(kPlayerSide, Ab::FocusBeam), 2);
  SimulatorTick();
  EXPECT_EQ(Counter(kPlayerSide, Ab::FocusBeam), 0);
  EXPECT_EQ(Sim.ticks, 4);
}

TEST_F(SimulatorTest, EffectsRunOutTickByTickAndAFiredMissileLands) {
  Duel(1, 1, 1, 1);
  IdleOpponent();
  ASSERT_TRUE(Press(Ab::Taunt));
  const int shield = E[Sh::ShieldEnergy];
  ASSERT_TRUE(Press(Ab::FireMissiles));
  EXPECT_EQ(Counter(kPlayerSide, Ab::FireMissiles), 4) << "the reload runs as the counter";
  EXPECT_EQ(S[Cb::MissileReload], 0);
  for (int t = 1; t <= 3; ++t) {
    EXPECT_TRUE(PlayerFx()[1].active == 1) << "Taunt lasts four ticks, tick " << t;
    SimulatorTick();
  }
  EXPECT_FALSE(Combat.PlayerMissile.inFlight) << "the missile has landed";
  EXPECT_LT(E[Sh::ShieldEnergy], shield);
  EXPECT_EQ(fe.panelCount("Missile hit !!"), 1);
  SimulatorTick();
  EXPECT_FALSE(Has(PlayerFx(), Ab::Taunt));
  EXPECT_EQ(Counter(kPlayerSide, Ab::FireMissiles), 0);
}

TEST_F(SimulatorTest, PausingStopsEverythingUntilASpeedIsChosen) {
  Duel(2, 3, 2, 3);
  ASSERT_TRUE(Press(Ab::FireGuns));
  AddEffect(EnemyFx(), Ab::Taunt);
  PostSimulatorMessage(kEnemySide, "Taunt !!", "...");
  SetSimulatorSpeed(0);
  EXPECT_EQ(SimulatorSpeedInterval(Sim.speed), 0);
  const GameState game = Game;
  const auto effects = Combat.EnemyEffects;
  const auto counters = Sim.counters;
  for (int i = 0; i < 5; ++i) SimulatorTick();
  EXPECT_EQ(Sim.ticks, 0);
  EXPECT_TRUE(Game == game);
  EXPECT_TRUE(Combat.EnemyEffects == effects);
  EXPECT_EQ(Sim.counters, counters);
  EXPECT_EQ(Sim.messages[kEnemySide][0].ticksLeft, kSimulatorMessageTicks);
  EXPECT_FALSE(Press(Ab::Ecm));
  EXPECT_TRUE(fe.sawTopic("Paused"));
  EXPECT_EQ(SimulatorPilotMove(), 0);

  SetSimulatorSpeed(3);
  EXPECT_EQ(SimulatorSpeedInterval(Sim.speed), 1000);
  SimulatorTick();
  EXPECT_EQ(Sim.ticks, 1);
  EXPECT_EQ(Sim.messages[kEnemySide][0].ticksLeft, kSimulatorMessageTicks - 1);
}

TEST_F(SimulatorTest, RefusedActionsShowTheirMessageAndChangeNothing) {
  Duel(1, 1, 1, 1);
  IdleOpponent();
  ASSERT_TRUE(Press(Ab::FireGuns));
  const auto check = [this](int id, const char* topic) {
    fe.shown.clear();
    const GameState game = Game;
    const auto counters = Sim.counters;
    const auto fx = Combat.PlayerEffects;
    EXPECT_FALSE(Press(id)) << topic;
    EXPECT_TRUE(fe.sawTopic(topic)) << topic;
    EXPECT_TRUE(Game == game) << topic;
    EXPECT_EQ(Sim.counters, counters) << topic;
    EXPECT_TRUE(Combat.PlayerEffects == fx) << topic;
  };
  check(Ab::FireGuns, "Recharging");
  check(Ab::Ecm, "No enemy missile!");
  GiveButton(Ab::DoubleSpeed);
  S[Cb::DurationFactor] = 2;
  check(Ab::DoubleSpeed, "Combo points");
  AddEffect(EnemyFx(), Ab::Emp2);  // EMP II stuns as EMP does
  check(Ab::Taunt, "EMP!");
  RemoveEffect(EnemyFx(), Ab::Emp2);
  ASSERT_TRUE(Press(Ab::FireMissiles));
  Counter(kPlayerSide, Ab::FireMissiles) = 0;
  check(Ab::FireMissiles, "N/A");
}

TEST_F(SimulatorTest, RechargeZeroesTheOtherCountersOncePerDuel) {
  Duel(1, 2, 1, 2);
  IdleOpponent();
  GiveButton(Ab::Recharge);
  ASSERT_TRUE(Press(Ab::FireGuns));
  ASSERT_TRUE(Press(Ab::FocusBeam));
  ASSERT_TRUE(Press(Ab::Recharge));
  EXPECT_EQ(Counter(kPlayerSide, Ab::FireGuns), 0);
  EXPECT_EQ(Counter(kPlayerSide, Ab::FocusBeam), 0);
  EXPECT_EQ(S[Cb::AP], 8);
  SimulatorTick();
  ASSERT_TRUE(Press(Ab::FireGuns));
  EXPECT_FALSE(Press(Ab::Recharge));
  EXPECT_TRUE(fe.sawTopic("N/A"));
  EXPECT_EQ(Counter(kPlayerSide, Ab::FireGuns), 2);
}

TEST_F(SimulatorTest, CombosComeFromHitsAndEvadesAndAComboAbilitySpendsThemAll) {
  Duel(1, 2, 1, 2);
  IdleOpponent({Ab::FireGuns});
  QueueRandomDraws({0, 0});  // the player's shot hits
  ASSERT_TRUE(Press(Ab::FireGuns));
  EXPECT_EQ(SimulatorCombo(kPlayerSide), 1);
  QueueRandomDraws({99});  // the opponent's shot misses: an evade
  SimulatorTick();
  EXPECT_EQ(Sim.tickActions[kEnemySide], Ab::FireGuns);
  EXPECT_EQ(SimulatorCombo(kPlayerSide), 3);
  EXPECT_EQ(SimulatorCombo(kEnemySide), 0);
  SimulatorTick();  // the guns are ready again
  S[Cb::DurationFactor] = 5;
  QueueRandomDraws({0, 0});
  ASSERT_TRUE(Press(Ab::FireGuns));
  EXPECT_EQ(SimulatorCombo(kPlayerSide), kMaxCombo) << "at most 5";
  EXPECT_EQ(SimulatorComboPicture(kPlayerSide), "Combo_05.jpg");
  GiveButton(Ab::DoubleSpeed);
  ASSERT_TRUE(Press(Ab::DoubleSpeed));
  EXPECT_EQ(SimulatorCombo(kPlayerSide), 0);
  EXPECT_TRUE(Has(PlayerFx(), Ab::DoubleSpeed));
}

// The opponent --------------------------------------------------------------------

TEST_F(SimulatorTest, TheOpponentMakesOneDecisionPerTickAndNoneWhileStunned) {
  for (int expertise = 1; expertise <= kSimulatorExpertises; ++expertise) {
    ResetGameState();
    Duel(1, 1, 1, expertise);
    int decisions = 0;
    for (int t = 0; t < 30 && !SimulatorOver(); ++t) {
      const auto buttons = Sim.counters[kEnemySide];
      const auto unbuttoned = Sim.unbuttoned;
      const int id = SimulatorOpponentActs();
      int started = 0;
      for (size_t k = 1; k <= kAbilityButtons; ++k) started += Sim.counters[kEnemySide][k] != buttons[k];
      for (size_t i = 0; i < unbuttoned.size(); ++i) started += Sim.unbuttoned[i] != unbuttoned[i];
      EXPECT_EQ(started, id ? 1 : 0) << "expertise " << expertise << ", tick " << t;
      if (id) {
        EXPECT_GE(SimulatorCounterOf(kEnemySide, id), 1) << "ability " << id << " recharges";
      }
      decisions += id != 0;
      SimulatorTick();
    }
    EXPECT_GT(decisions, 0) << "expertise " << expertise;
  }
  ResetGameState();
  Duel(1, 1, 1, 3);
  AddEffect(PlayerFx(), Ab::Emp2);  // the player's EMP II stuns the opponent
  const int shield = S[Sh::ShieldEnergy];
  QueueRandomDraws({0, 0, 0, 0});  // an EMP of its own would be drawn and hit
  SimulatorTick();
  EXPECT_EQ(Sim.tickActions[kEnemySide], 0);
  EXPECT_FALSE(PlayerStunned());
  EXPECT_EQ(S[Sh::ShieldEnergy], shield);
  EXPECT_EQ(Sim.counters[kEnemySide], (std::array<int, 13>{}));
  EXPECT_EQ(Sim.unbuttoned, (std::array<int, kSimulatorAbilityIds>{}));
}

TEST_F(SimulatorTest, TheTraderTriesOnlyTheDefencesOnItsButtons) {
  Duel(1, 1, 1, 1);
  EXPECT_EQ(Decide({95}), Ab::Taunt) << "9 in 100";
  // No Taunt (draw 0) and no Flee (0); a missile about to strike raises the focused shield.
  ResetGameState();
  Duel(1, 1, 1, 1);
  Combat.PlayerMissile = {1, 3};
  EXPECT_EQ(Decide({0, 0}), Ab::FocusedShield);
  // Evading, the SOS buoy and the other shields are not on its buttons, so
  // they take no draw: the 99 goes to ECM, which it declines, and a missile
  // follows.
  EXPECT_EQ(Decide({0, 0, 99}), Ab::FireMissiles);
  EXPECT_FALSE(Has(EnemyFx(), Ab::Evading));
}

TEST_F(SimulatorTest, BelowAThirdOfItsShieldAnyOpponentFirstTriesFleeThenCloak) {
  // A soldier has neither on its buttons. With a healthy shield it does not try them.
  Duel(1, 2, 1, 2);
  S[Sh::CargoSpace] = 3;  // the player's cloaking device lets the opponent cloak too
  EXPECT_EQ(Decide({95, 95}), Ab::FireMissiles) << "no Target lock, no Discipline, no escape";
  ResetGameState();
  Duel(1, 2, 1, 2);
  S[Sh::CargoSpace] = 3;
  E[Sh::ShieldEnergy] = BaseMaxShields(1) / 3 - 1;
  EXPECT_EQ(Decide({95, 99}), Ab::Flee) << "drawn at 9 in 100; the escape roll fails";
  EXPECT_EQ(fe.panelCount("Escape failed !!"), 1);
  EXPECT_EQ(SimulatorCounterOf(kEnemySide, Ab::Flee), 5) << "its cost";
  EXPECT_EQ(Decide({95, 99}), Ab::Cloak) << "Flee recharging: Cloak drawn, and it fails";
  EXPECT_EQ(SimulatorCounterOf(kEnemySide, Ab::Cloak), 5);
  EXPECT_EQ(Decide({10}), Ab::TargetLock) << "both recharging: the soldier's own rules";
  EXPECT_FALSE(SimulatorOver());
  // A rogue: Flee not drawn, Cloak drawn, and it gets away with no result.
  ResetGameState();
  Duel(1, 3, 1, 3);
  S[Sh::CargoSpace] = 3;
  E[Sh::ShieldEnergy] = BaseMaxShields(1) / 3 - 1;
  EXPECT_EQ(Decide({0, 95, 0}), Ab::Cloak);
  EXPECT_TRUE(SimulatorOver());
  EXPECT_STREQ(SimulatorResult(), "none");
  EXPECT_TRUE(fe.sawTopic("Enemy escapes!"));
}

TEST_F(SimulatorTest, TheSoldierLocksOnTakesDisciplineFocusesItsBeamAndHoldsAFleeingPilot) {
  // Target lock, which its buttons lack, and Discipline at 30 in 100 each while not active.
  Duel(1, 2, 1, 2);
  EXPECT_EQ(Decide({10}), Ab::TargetLock);
  EXPECT_TRUE(Has(EnemyFx(), Ab::TargetLock));
  EXPECT_EQ(SimulatorCounterOf(kEnemySide, Ab::TargetLock), 1) << "its cost";
  EXPECT_EQ(Decide({10}), Ab::Discipline) << "Target lock active and recharging: no draw for it";
  EXPECT_EQ(Decide({99}), Ab::FocusBeam) << "Discipline active; the beam misses";
  // Against a pilot who has learned Flee, with neither drawn: Tractor beam,
  // which its buttons lack, and the pilot cannot flee.
  ResetGameState();
  Duel(1, 1, 1, 2);
  EXPECT_EQ(Decide({99, 99}), Ab::TractorBeam);
  EXPECT_TRUE(Has(EnemyFx(), Ab::TractorBeam));
  EXPECT_EQ(SimulatorCounterOf(kEnemySide, Ab::TractorBeam), 2) << "its cost";
  SimulatorTick();
  EXPECT_FALSE(Press(Ab::Flee));
  EXPECT_FALSE(SimulatorOver());
}

TEST_F(SimulatorTest, TheRogueStunsWithEmpExploitsTheStunAndWaitsForItsEmpToRecharge) {
  Duel(1, 1, 1, 3);
  const int shield = S[Sh::ShieldEnergy];
  EXPECT_EQ(Tick({10, 0}), Ab::Emp) << "drawn at 50 in 100, and it hits";
  EXPECT_TRUE(PlayerStunned());
  EXPECT_EQ(SimulatorCounterOf(kEnemySide, Ab::Emp), 1) << "its cost 2, one tick run down";
  EXPECT_FALSE(Press(Ab::FireGuns));
  EXPECT_TRUE(fe.sawTopic("EMP!"));
  EXPECT_EQ(SimulatorPilotMove(), 0);
  EXPECT_EQ(Tick({0, 0}), Ab::Exploit) << "the player is stunned; the shot hits";
  EXPECT_LT(S[Sh::ShieldEnergy], shield);
  EXPECT_FALSE(PlayerStunned()) << "the EMP lasts two ticks";
  EXPECT_EQ(SimulatorCounterOf(kEnemySide, Ab::Emp), 0);
  EXPECT_GT(SimulatorCounterOf(kEnemySide, Ab::Exploit), 0);

  // An EMP that misses recharges all the same: on the next tick it takes no
  // draw, so the 10 that would fire it goes to Evil taunt instead.
  ResetGameState();
  Duel(1, 1, 1, 3);
  EXPECT_EQ(Tick({10, 99}), Ab::Emp);
  EXPECT_FALSE(PlayerStunned());
  EXPECT_EQ(SimulatorCounterOf(kEnemySide, Ab::Emp), 1);
  EXPECT_EQ(Tick({10, 0}), Ab::FireMissiles) << "no Evil taunt (10), no Tractor beam (0)";
  EXPECT_EQ(SimulatorCounterOf(kEnemySide, Ab::Emp), 0);
  EXPECT_EQ(Tick({10, 0}), Ab::Emp) << "recharged, and this time it hits";
  EXPECT_TRUE(PlayerStunned());

  // No EMP drawn: Evil taunt, then Tractor beam, at 9 in 100 each.
  ResetGameState();
  Duel(1, 2, 1, 3);
  EXPECT_EQ(Decide({95, 95}), Ab::EvilTaunt);
  EXPECT_EQ(Decide({95, 95}), Ab::TractorBeam) << "Evil taunt recharging";
}

TEST_F(SimulatorTest, OtherwiseEcmAgainstAMissileThenMissilesThenGuns) {
  Duel(1, 2, 1, 3);
  Combat.PlayerMissile = {1, 3};
  EXPECT_EQ(Decide({99, 0, 0, 10}), Ab::Ecm) << "no EMP, Evil taunt or Tractor beam; ECM at 70 in 100";
  EXPECT_EQ(Decide({99, 0, 0}), Ab::FireMissiles) << "ECM recharging";
  EXPECT_EQ(Decide({99, 0, 0, 99}), Ab::FireGuns) << "the guns miss";
  EXPECT_EQ(Decide({99, 0, 0}), 0) << "everything is recharging";
}

TEST_F(SimulatorTest, EveryPairingEndsWithinABoundedNumberOfTicks) {
  for (uint64_t seed = 1; seed <= 3; ++seed)
    for (int mine = 1; mine <= 3; ++mine)
      for (int theirs = 1; theirs <= 3; ++theirs) {
        SeedRandom(seed * 10 + static_cast<uint64_t>(mine * 3 + theirs));
        ResetGameState();
        Duel(static_cast<int>(seed), mine, 4 - static_cast<int>(seed), theirs);
        int ticks = 0;
        for (; ticks < 400 && !SimulatorOver(); ++ticks) {
          if (const int id = SimulatorPilotMove()) Press(id);
          SimulatorTick();
        }
        EXPECT_TRUE(SimulatorOver()) << "expertise " << mine << " against " << theirs << ", seed " << seed;
        EXPECT_LE(Sim.ticks, 400);
        const std::string result = SimulatorResult();
        EXPECT_TRUE(result == "victory" || result == "defeat" || result == "none") << result;
        EXPECT_EQ(Game.Player[Pl::KilledFighters], 0) << "no kill statistics in a practice duel";
        EXPECT_EQ(Game.Player[Pl::Experience], 0);
      }
}

}  // namespace
}  // namespace qm
