// The course of a battle: set-up and ability bar, the enemy's script, the turn
// upkeep, victory and its loot, the boarding offer, what the screen shows, and
// whole battles fought by the built-in pilot.
#include "catalogue/ships.h"
#include "combat/autopilot.h"
#include "combat/combat_display.h"
#include "support/battle_fixture.h"

namespace qm {
namespace {

using namespace combat;
using Flow = test::BattleTest;

void GiveEnemy(std::initializer_list<int> ids) {
  Combat.EnemyAbilities.fill(0);
  int k = 1;
  for (int id : ids) Combat.EnemyAbilities[k++] = id;
}

std::vector<std::string> EnemyTopics(const test::ScriptedFrontend& fe) {
  std::vector<std::string> out;
  for (const auto& p : fe.panel)
    if (p.side == kEnemySide) out.push_back(p.topic);
  return out;
}

TEST_F(Flow, TheScriptPausesOnEachActionAndTriesEachStepOncePerTurn) {
  GiveEnemy({1, 10});
  QueueRandomDraws({99, 99, 99});  // every shot misses
  EndPlayerTurn();
  EXPECT_EQ(E[Cb::ScriptPaused], 1);
  EXPECT_EQ(E[Cb::ScriptStep], 30);  // Taunt comes first
  EnemyTurnStep();                   // still paused: nothing happens
  EXPECT_EQ(E[Cb::ScriptStep], 30);
  E[Cb::ScriptPaused] = 0;
  EnemyTurnStep();
  EXPECT_EQ(E[Cb::ScriptStep], 35);
  RunEnemyTurn();
  // Fire guns at steps 35 and 38 only, although 2 AP would allow a third shot.
  EXPECT_EQ(EnemyTopics(fe), (std::vector<std::string>{"Taunt !!", "Firing guns !!", "Firing guns !!"}));
  EXPECT_EQ(E[Cb::AP], 0);
  EXPECT_EQ(AP(), 5);
}

TEST_F(Flow, AStunnedEnemyStillDisturbsAndRecharges) {
  GiveEnemy({35, 18, 1});
  AddEffect(Combat.PlayerEffects, Ab::Emp);
  AddEffect(Combat.PlayerEffects, Ab::Taunt);
  QueueRandomDraws({99, 99});
  EndPlayerTurn();
  RunEnemyTurn();
  const auto topics = EnemyTopics(fe);
  ASSERT_GE(topics.size(), 2u);
  EXPECT_EQ(topics[0], "Disturb II !!");  // also ends the stun
  EXPECT_EQ(topics[1], "Recharge !!");
  EXPECT_EQ(ActiveEffects(Combat.PlayerEffects), 0);
}

TEST_F(Flow, AStunnedEnemyDoesNotFire) {
  GiveEnemy({1, 2, 3});
  Combat.EnemyEffects = {};
  AddEffect(Combat.PlayerEffects, Ab::Emp);
  EndPlayerTurn();
  RunEnemyTurn();
  EXPECT_TRUE(EnemyTopics(fe).empty());
  EXPECT_EQ(AP(), 5);
}

TEST_F(Flow, EnemyMissileThenEcmAgainstThePlayersMissile) {
  GiveEnemy({1, 2, 3});
  Combat.PlayerMissile = {1, 1};  // close to impact: ECM at step 17
  QueueRandomDraws({0, 0});
  EndPlayerTurn();
  EXPECT_EQ(E[Cb::ScriptStep], 17);
  EXPECT_EQ(Combat.PlayerMissile.inFlight, 0);
  RunEnemyTurn();
  // 3 AP left: the missile (4 AP) is skipped, the guns fire.
  EXPECT_EQ(EnemyTopics(fe)[1], "Firing guns !!");
  EXPECT_EQ(Combat.EnemyMissile.inFlight, 0);
}

TEST_F(Flow, EndingATurnWithAPLeftAsksFirst) {
  fe.answer(false);
  EndTurnButton();
  EXPECT_EQ(fe.count("Really?"), 1);
  EXPECT_EQ(AP(), 5);  // still the player's turn
  S[Cb::AP] = 3;
  EndTurnButton();  // no question below 5 AP
  EXPECT_EQ(fe.count("Really?"), 1);
  EXPECT_EQ(AP(), kNotYourTurn);
  RunEnemyTurn();
  qm::Run.TutorialActive = true;
  S[Cb::AP] = 3;
  fe.answer(false);
  EndTurnButton();  // the tutorial asks from 1 AP on
  EXPECT_EQ(fe.count("Really?"), 2);
  EXPECT_EQ(AP(), 3);
  qm::Run.TutorialActive = false;
}

TEST_F(Flow, UpkeepCountsEffectsDownAndDoubleSpeedAddsAP) {
  AddEffect(Combat.PlayerEffects, Ab::DoubleSpeed);
  AddEffect(Combat.PlayerEffects, Ab::Overheated);  // 2 turns
  AddEffect(Combat.EnemyEffects, Ab::Taunt);
  S[Cb::MissileReload] = 2;
  S[Cb::AP] = kNotYourTurn;
  StartPlayerTurn();
  EXPECT_EQ(AP(), 7);
  EXPECT_EQ(S[Cb::EightPointGauge], 1);
  EXPECT_EQ(Combat.PlayerEffects[1].turns, 3);
  EXPECT_EQ(Combat.EnemyEffects[1].turns, 3);
  EXPECT_EQ(S[Cb::MissileReload], 1);
  StartPlayerTurn();
  EXPECT_FALSE(PlayerHas(Ab::Overheated));
  EXPECT_EQ(PlayerApPicture(), "AP8x7.jpg");
}

TEST_F(Flow, UpkeepReloadsBeforeTheMissileFlies) {
  // Reload counts down first, then the player's missile, then the enemy's.
  Combat.PlayerMissile = {1, 1};
  Combat.EnemyMissile = {1, 1};
  AddEffect(Combat.PlayerEffects, Ab::Reinforcements);
  QueueRandomDraws({0, 0, 0, 0});
  StartPlayerTurn();
  const std::vector<std::string> order = {fe.panel[0].topic, fe.panel[1].topic, fe.panel[2].topic};
  EXPECT_EQ(order, (std::vector<std::string>{"Missile hit !!", "Missile hit !!", "Reinforcements !!"}));
  EXPECT_EQ(fe.panel[0].side, kPlayerSide);
  EXPECT_EQ(fe.panel[1].side, kEnemySide);
  EXPECT_EQ(fe.panel[2].text, "Your reinforcements cause 10 pts. of damage on the enemy ship.");
}

TEST_F(Flow, ReinforcementsStrikeEveryTurn) {
  AddEffect(Combat.EnemyEffects, Ab::Reinforcements);
  QueueRandomDraws({0});
  StartPlayerTurn();
  EXPECT_EQ(S[Sh::ShieldEnergy], 95);
  EXPECT_EQ(fe.panel.back().text, "The enemy reinforcements cause 10 pts. of damage on your ship.");
}

TEST_F(Flow, ReinforcementCountdownsWithBuoyAndJammer) {
  S[Cb::Reinforcements] = 3;
  AddEffect(Combat.PlayerEffects, Ab::SosBuoy);
  StartPlayerTurn();
  EXPECT_EQ(S[Cb::Reinforcements], 1);  // twice as fast
  AddEffect(Combat.EnemyEffects, Ab::RadioJammer);
  StartPlayerTurn();
  EXPECT_EQ(S[Cb::Reinforcements], 1);  // the jammer cancels a turn
  RemoveEffect(Combat.EnemyEffects, Ab::RadioJammer);
  StartPlayerTurn();
  EXPECT_EQ(S[Cb::Reinforcements], 0);
  EXPECT_TRUE(PlayerHas(Ab::Reinforcements));
  EXPECT_EQ(fe.panel.back().text, "A squadron of friendly fighters arrives to help you.");
  // Arrived reinforcements are neither called again nor delayed by a jammer.
  AddEffect(Combat.EnemyEffects, Ab::RadioJammer);
  StartPlayerTurn();
  EXPECT_EQ(S[Cb::Reinforcements], 0);
  int squads = 0;
  for (int s = 1; s <= kEffectSlots; ++s)
    squads += Combat.PlayerEffects[s].active == 1 && Combat.PlayerEffects[s].id == Ab::Reinforcements;
  EXPECT_EQ(squads, 1);
}

TEST_F(Flow, AJammerSummonsNobodyAndAFullListDelaysTheArrival) {
  AddEffect(Combat.EnemyEffects, Ab::RadioJammer);
  StartPlayerTurn();
  EXPECT_EQ(S[Cb::Reinforcements], -1);
  RemoveEffect(Combat.EnemyEffects, Ab::RadioJammer);
  E[Cb::Reinforcements] = 1;
  for (int id : {6, 7, 8, 10, 13, 20, 21, 24}) AddEffect(Combat.EnemyEffects, id, 50);
  StartPlayerTurn();
  EXPECT_EQ(E[Cb::Reinforcements], 1);
  RemoveEffect(Combat.EnemyEffects, 6);
  StartPlayerTurn();
  EXPECT_TRUE(EnemyHas(Ab::Reinforcements));
  EXPECT_EQ(fe.panel.back().text, "A squadron of enemy fighters arrives to help your opponent.");
}

TEST_F(Flow, VictoryCountsTheKillAndGrantsExperienceAndLoot) {
  const int credits = Game.Player[Pl::Credits];
  E[Sh::ShieldEnergy] = 0;
  QueueRandomDraws({10, 30});  // loot: (20 + 10) / 2 = 15 units at 100 each
  CheckCombatEnd();
  EXPECT_EQ(BattleOutcome(), Outcome::Victory);
  EXPECT_EQ(Game.Player[Pl::KilledFighters], 1);
  EXPECT_EQ(Game.Player[Pl::Experience], 2000);
  EXPECT_EQ(Game.Player[Pl::Credits], credits + 1500);
  ASSERT_GE(fe.shown.size(), 3u);
  EXPECT_EQ(fe.shown[0].topic, "Well done!");
  EXPECT_EQ(fe.shown[0].picture, "explosion.jpg");
  EXPECT_EQ(fe.shown[1].picture, Game.FactionText[1][FacT::Logo] + ".jpg");
  EXPECT_EQ(Last().text, "Congratulations! You loot 15E of cargo. You can sell it for $1,500.");
  EXPECT_EQ(Last().picture, "treasurer.jpg");
  EXPECT_EQ(Combat.CombatEnded, 1);
}

TEST_F(Flow, LootLeftBehindAndAFullHold) {
  Game.Cargo[1] = 35;  // 5 units free
  E[Sh::ShieldEnergy] = -4;
  QueueRandomDraws({10, 30});
  CheckCombatEnd();
  EXPECT_EQ(Last().text,
            "Congratulations! You loot 5E of cargo (10E have to be left behind due to limited cargo space). You can "
            "sell it for $500.");
  // An overfull hold counts as no free space, never as negative space.
  SetupShipCombat(1, 0, 2, 1);
  Game.Cargo[1] = 60;
  const int credits = Game.Player[Pl::Credits];
  E[Sh::ShieldEnergy] = 0;
  CheckCombatEnd();
  EXPECT_EQ(Last().text,
            "Because of your full cargobay you - unfortunately - cannot loot any cargo from the remains of the enemy "
            "ship.");
  EXPECT_EQ(Game.Player[Pl::Credits], credits);
}

TEST_F(Flow, TreasureFleetLootAndKillsByRole) {
  Game.SystemShips[4][1] = 1;
  Game.SystemShips[4][3] = 1;  // civilian
  Game.SystemShips[4][9] = 4;  // treasure fleet
  Combat.ScanRecord = 4;
  SetupShipCombat(11, 3, 1, 1);  // a Ferendar freighter
  EXPECT_EQ(Combat.ScanRecord, 4);
  E[Sh::ShieldEnergy] = 0;
  const int credits = Game.Player[Pl::Credits];
  Game.Player[Pl::Level] = 19;  // no promotion (and its draws) between the scripted ones
  QueueRandomDraws({0, 0});  // 200 units would not fit: 40 taken at 70 each
  CheckCombatEnd();
  EXPECT_TRUE(fe.sawTopic("Treasure fleet"));
  EXPECT_EQ(Game.Player[Pl::Credits], credits + 40 * 70 * 10);
  EXPECT_EQ(Game.Player[Pl::KilledFreighters], 1);
  EXPECT_EQ(Game.Player[Pl::KilledDestroyers], 0);
  EXPECT_EQ(Game.Player[Pl::SilverStar], 1);  // a bigger ship of another faction
}

TEST_F(Flow, DefeatAndTheTutorialsSecondChance) {
  qm::Run.TutorialActive = true;
  qm::Run.TutorialStep = 14;
  S[Sh::ShieldEnergy] = 0;
  CheckCombatEnd();
  EXPECT_EQ(S[Sh::ShieldEnergy], 100);
  EXPECT_EQ(BattleOutcome(), Outcome::Running);
  qm::Run.TutorialActive = false;
  S[Sh::ShieldEnergy] = -3;
  CheckCombatEnd();
  EXPECT_EQ(BattleOutcome(), Outcome::Defeat);
  EXPECT_EQ(Last().topic, "Your ship explodes!");
}

TEST_F(Flow, BoardingIsOfferedOncePerBattle) {
  S[Sh::ShipType] = 6;
  SetupShipCombat(6, 0, 2, 1);
  E[Sh::ShieldEnergy] = 60;  // at most a quarter of 250
  S[Sh::CargoSpace] = 5;     // the boarding shuttle always gets the chance
  fe.answer(false);
  StartPlayerTurn();
  EXPECT_EQ(fe.count("Boarding?"), 1);
  EXPECT_EQ(E[Cb::BoardingOffered], 1);
  EXPECT_EQ(fe.shown.back().picture, shipPictureName(6, 0) + "_scene.jpg") << "the question shows the enemy ship";
  StartPlayerTurn();
  EXPECT_EQ(fe.count("Boarding?"), 1);
  SetupShipCombat(6, 0, 2, 1);
  E[Sh::ShieldEnergy] = 60;
  fe.answer(true);
  OfferBoarding();
  EXPECT_EQ(BattleOutcome(), Outcome::Boarded);
  EXPECT_EQ(E[Cb::BoardingStarted], 1);
}

TEST_F(Flow, NoBoardingOfFightersOrWithoutLuck) {
  E[Sh::ShieldEnergy] = 10;
  S[Sh::CargoSpace] = 5;
  OfferBoarding();  // fighters cannot be boarded
  EXPECT_EQ(E[Cb::BoardingOffered], 0);
  S[Sh::ShipType] = 6;
  S[Sh::CargoSpace] = 0;
  SetupShipCombat(6, 0, 2, 1);
  E[Sh::ShieldEnergy] = 60;
  QueueRandomDraws({31});
  OfferBoarding();
  EXPECT_EQ(E[Cb::BoardingOffered], 1);  // no offer in this battle
  EXPECT_EQ(fe.count("Boarding?"), 0);
}

std::vector<int> Bar() {
  std::vector<int> bar;
  for (int b = 1; b <= kAbilityButtons; ++b) bar.push_back(AbilityOnButton(b));
  while (!bar.empty() && bar.back() == 0) bar.pop_back();
  return bar;
}

TEST_F(Flow, AbilityBarPlacesTheSpecialFourth) {
  // Guns, missiles, ECM, then the special (Evasion computer), then the rest.
  EXPECT_EQ(Bar(), (std::vector<int>{1, 2, 3, 36, 7, 10, 22}));
  for (int id = 1; id <= 37; ++id) Game.CombatAbilities[id] = 0;
  Learn(Ab::Discipline);
  Learn(Ab::Taunt);
  S[Sh::Engines] = 2;  // Flee without learning it
  SetupShipCombat(1, 0, 2, 1);
  EXPECT_EQ(Bar(), (std::vector<int>{7, 10, 11}));  // fewer than three learned: no special
  S[Sh::Engines] = 0;
  for (int id : {1, 2, 3}) Learn(id);
  S[Sh::ShipType] = 11;  // its special acts outside battle
  SetupShipCombat(1, 0, 2, 1);
  EXPECT_EQ(Bar(), (std::vector<int>{1, 2, 3, 7, 10}));
  S[Sh::ShipType] = 19;  // no special at all
  SetupShipCombat(1, 0, 2, 1);
  EXPECT_EQ(Bar(), (std::vector<int>{1, 2, 3, 7, 10}));
  S[Sh::ShipType] = 1;
  for (int id = 1; id <= 35; ++id) Learn(id);
  SetupShipCombat(1, 0, 2, 1);
  EXPECT_EQ(Bar(), (std::vector<int>{1, 2, 3, 36, 4, 5, 6, 7, 8, 9, 10, 11}));  // twelve buttons, no more
}

TEST_F(Flow, EnemySetupByTierAndClass) {
  SetupShipCombat(13, 2, 1, 1);  // a cruiser fights at tier 2 at least
  EXPECT_EQ(Combat.EnemyAbilities[8], 31);
  EXPECT_EQ(E[Cb::Reinforcements], 8);
  EXPECT_GE(E[Sh::Crewmen], 25);
  EXPECT_EQ(E[Sh::Marines] + E[Sh::Droids], (70 - 25) / 2);
  for (int i = 0; i < 20; ++i) {
    SetupShipCombat(16, 4, 2, 0);
    EXPECT_TRUE(E[Sh::Guns] == 4 || E[Sh::Guns] == 8);
    EXPECT_TRUE(E[Sh::Missiles] == 5 || E[Sh::Missiles] == 10);
  }
  SetupShipCombat(kStarbase, 3, 2, 3);
  EXPECT_EQ(E[Sh::Guns], 0);
  EXPECT_EQ(E[Sh::ShieldEnergy], 3500);
  EXPECT_EQ(Combat.EnemyAbilities[10], 9);
  Game.Player[Pl::Level] = 15;
  SetupShipCombat(1, 0, 3, 0);
  EXPECT_EQ(Combat.EnemyAbilities[11], 32);  // tier 3 by the player's level
}

TEST_F(Flow, DisplayValues) {
  EXPECT_EQ(ShieldGaugePicture(100, 100), "Shield_30.jpg");
  EXPECT_EQ(ShieldGaugePicture(156, 100), "Shield_30.jpg");
  EXPECT_EQ(ShieldGaugePicture(1, 100), "Shield_01.jpg");
  EXPECT_EQ(ShieldGaugePicture(-5, 100), "Shield_00.jpg");
  EXPECT_EQ(ShieldGaugePicture(50, 100), "Shield_15.jpg");
  EXPECT_EQ(PlayerApPicture(), "Combo_05.jpg");
  S[Cb::AP] = 3;
  EXPECT_EQ(PlayerApPicture(), "Combo_03.jpg");
  S[Cb::AP] = 11;
  RefreshCombatDisplay();
  EXPECT_EQ(AP(), 8);
  E[Cb::AP] = 1;
  EXPECT_EQ(EnemyApPicture(), "Combo_04.jpg");
  EXPECT_EQ(AbilityButtonPicture(5), "Skill_Discipline_on.jpg");
  AddEffect(Combat.EnemyEffects, Ab::Emp);
  EXPECT_EQ(AbilityButtonPicture(5), "Skill_Discipline_off.jpg");
  EXPECT_EQ(EffectIconPicture(kEnemySide, 1), "Skill_EMP_ActiveMod.jpg");
  EXPECT_EQ(EffectIconHint(kEnemySide, 1), "Active: EMP [Right-click for info]");
  EXPECT_EQ(EffectIconPicture(kEnemySide, 2), "");
  EXPECT_EQ(RadarPicture(kPlayerSide), "");
  S[Cb::Reinforcements] = 2;
  EXPECT_EQ(RadarPicture(kPlayerSide), "left_reinforcements_2.jpg");
  E[Cb::Reinforcements] = 0;
  EXPECT_EQ(RadarPicture(kEnemySide), "right_reinforcements_3.jpg");
  EXPECT_EQ(CombatShipPicture(kPlayerSide, 2), "Federation_Starwolf_l_f1.jpg");
  EXPECT_EQ(CombatShipPicture(kEnemySide, 1), "Pirate_Starwolf_r_s.jpg");
  Combat.PlayerMissile = {1, 3};
  EXPECT_TRUE(MissilePanelVisible(kPlayerSide));
  EXPECT_EQ(MissileCountLabel(kPlayerSide), 3);
  const auto texts = CompatibilityTexts();
  ASSERT_EQ(texts.size(), 16u);
  EXPECT_EQ(texts[9], "Your shields: 100%");
  EXPECT_EQ(texts[11], "8 action-points (AP) left.");
  EXPECT_EQ(texts[12], "Player missile - 3 turns until impact.");
  EXPECT_EQ(texts[13], "No enemy missiles fired.");
  EXPECT_EQ(texts[14], "Reinforcements approaching - 2 turns away.");
  EXPECT_EQ(texts[15], "Enemy reinforcements attack!");
}

TEST_F(Flow, AWeakEnemyOfKindOneRunsFirst) {
  SetupShipCombat(1, 0, 1, 1);
  E[Cb::Reinforcements] = -1;
  QueueRandomDraws({50});  // 51 > 19: the escape fails
  EndPlayerTurn();
  EXPECT_EQ(E[Cb::ScriptStep], 1);
  EXPECT_EQ(fe.panel.back().text, "The enemy attempt to escape failed.");
  // A player missile in flight keeps it from running at step 1.
  SetupShipCombat(1, 0, 1, 1);
  E[Cb::Reinforcements] = -1;
  Combat.PlayerMissile = {1, 3};
  QueueRandomDraws({0, 99});  // it tries its ECM (step 17), which misses
  EndPlayerTurn();
  EXPECT_EQ(E[Cb::ScriptStep], 17);
}

TEST_F(Flow, ACrippledEnemyFleesFromAStrongPlayer) {
  GiveEnemy({1, 11});
  E[Sh::ShieldEnergy] = 33;  // a third of 100 or less
  QueueRandomDraws({50, 19});  // the wish to run (<= 50), then the escape
  EndPlayerTurn();
  EXPECT_EQ(E[Cb::ScriptStep], 15);
  EXPECT_EQ(BattleOutcome(), Outcome::EnemyEscaped);
}

TEST_F(Flow, ThePilotsChoices) {
  EXPECT_EQ(AutopilotMove(PilotMode::Auto), Ab::FireMissiles);
  Combat.EnemyMissile = {1, 3};
  EXPECT_EQ(AutopilotMove(PilotMode::Auto), Ab::Ecm);
  Combat.EnemyMissile = {};
  S[Cb::MissileReload] = 2;
  EXPECT_EQ(AutopilotMove(PilotMode::Auto), Ab::Discipline);  // a buff before the guns
  AddEffect(Combat.PlayerEffects, Ab::Discipline);
  AddEffect(Combat.PlayerEffects, Ab::EvilTaunt);
  AddEffect(Combat.PlayerEffects, Ab::FocusedShield);
  EXPECT_EQ(AutopilotMove(PilotMode::Auto), Ab::FireGuns);
  S[Cb::AP] = 1;
  EXPECT_EQ(AutopilotMove(PilotMode::Auto), 0);  // nothing affordable: end the turn
  // Hopeless: weak against a strong enemy, with Flee at hand.
  S[Cb::AP] = 5;
  S[Sh::ShieldEnergy] = 20;
  EXPECT_EQ(AutopilotMove(PilotMode::Auto), Ab::FireGuns);  // no way to flee
  Learn(Ab::Flee);
  EXPECT_EQ(AutopilotMove(PilotMode::Auto), Ab::Flee);
  AddEffect(Combat.EnemyEffects, Ab::TractorBeam);
  EXPECT_EQ(AutopilotMove(PilotMode::Flee), 0);
  AddEffect(Combat.EnemyEffects, Ab::Emp);
  EXPECT_EQ(AutopilotMove(PilotMode::Auto), 0);  // stunned
}

TEST_F(Flow, TheBuiltInPilotFinishesEveryBattle) {
  for (int seed = 1; seed <= 30; ++seed) {
    SeedRandom(seed);
    S[Sh::Alive] = 1;
    S[Sh::ShieldEnergy] = 100;
    SetupShipCombat(1, 0, 2, 0);
    UI().ShowScreen(Screen::ShipCombat);
    const Outcome o = BattleOutcome();
    EXPECT_NE(o, Outcome::Running) << "seed " << seed;
    EXPECT_EQ(Combat.CombatEnded, 1);
    EXPECT_FALSE(qm::Run.PlayerSpecialActive);
  }
  EXPECT_GT(Game.Player[Pl::KilledFighters], 0);
}

TEST_F(Flow, ManualMovesThenThePilot) {
  fe.pilot = PilotMode::Manual;
  fe.moves = {Ab::Taunt, Ab::Taunt, 0, Ab::FireGuns};
  UI().ShowScreen(Screen::ShipCombat);
  EXPECT_NE(BattleOutcome(), Outcome::Running);
  EXPECT_EQ(fe.panel.front().topic, "Taunt !!");
  EXPECT_EQ(fe.count("N/A"), 1);  // the second Taunt was refused
}

TEST_F(Flow, TheFleeingPilotOnlyTriesToEscape) {
  Learn(Ab::Flee);
  fe.pilot = PilotMode::Flee;
  GiveEnemy({1});
  UI().ShowScreen(Screen::ShipCombat);
  EXPECT_TRUE(BattleOutcome() == Outcome::Escaped || BattleOutcome() == Outcome::Defeat);
  for (const auto& p : fe.panel) {
    if (p.side == kPlayerSide) {
      EXPECT_EQ(p.topic, "Escape failed !!");
    }
  }
}

}  // namespace
}  // namespace qm
