// The player's abilities: refusals at no cost, the instant abilities, escape,
// the ship specials and the stun of an EMP.
#include "catalogue/equipment.h"
#include "support/battle_fixture.h"

namespace qm {
namespace {

using namespace combat;
using Abilities = test::BattleTest;

TEST_F(Abilities, EffectAbilityRefusalsCostNothing) {
  PlayerAction(Ab::Taunt);
  EXPECT_EQ(AP(), 4);
  EXPECT_EQ(fe.panel.back().topic, "Taunt !!");
  EXPECT_EQ(Combat.PlayerEffects[1].turns, 4);
  PlayerAction(Ab::Taunt);  // already active
  EXPECT_EQ(AP(), 4);
  EXPECT_EQ(Last().topic, "N/A");
  Learn(Ab::FocusedShield2);
  PlayerAction(Ab::FocusedShield2);
  PlayerAction(Ab::FocusedShield);  // the two focused shields exclude each other
  EXPECT_EQ(AP(), 2);
  EXPECT_FALSE(PlayerHas(Ab::FocusedShield));
  EXPECT_EQ(Last().topic, "N/A");
  Learn(Ab::SosBuoy);
  S[Cb::AP] = 1;
  PlayerAction(Ab::SosBuoy);
  EXPECT_EQ(Last().topic, "Not enough AP!");
  EXPECT_EQ(AP(), 1);
  PlayerAction(Ab::Emp);  // not learned: the button does nothing
  EXPECT_EQ(AP(), 1);
}

TEST_F(Abilities, AFullEffectListTakesNoAP) {
  for (int id : {6, 8, 9, 13, 20, 21, 24, 26}) AddEffect(Combat.PlayerEffects, id);
  PlayerAction(Ab::Taunt);
  EXPECT_EQ(AP(), 5);
  EXPECT_FALSE(PlayerHas(Ab::Taunt));
  EXPECT_TRUE(fe.panel.empty());
}

TEST_F(Abilities, TractorBeamAndMarkAskToBeTurnedOff) {
  Learn(Ab::TractorBeam);
  PlayerAction(Ab::TractorBeam);
  EXPECT_EQ(AP(), 3);
  fe.answer(false);
  PlayerAction(Ab::TractorBeam);
  EXPECT_TRUE(PlayerHas(Ab::TractorBeam));
  fe.answer(true);
  PlayerAction(Ab::TractorBeam);
  EXPECT_FALSE(PlayerHas(Ab::TractorBeam));
  EXPECT_EQ(AP(), 3);
  EXPECT_EQ(fe.count("Turn off?"), 2);
}

TEST_F(Abilities, EmpHitsHalfTheTimeAndLessThroughResistance) {
  Learn(Ab::Emp);
  QueueRandomDraws({50});
  PlayerAction(Ab::Emp);
  EXPECT_EQ(AP(), 0);
  EXPECT_EQ(fe.panel.back().text, "Your EMP fire misses the enemy!");
  S[Cb::AP] = 5;
  AddEffect(Combat.EnemyEffects, Ab::EmpResistance);
  QueueRandomDraws({12});
  PlayerAction(Ab::Emp);
  EXPECT_FALSE(EnemyStunned());
  S[Cb::AP] = 5;
  QueueRandomDraws({11});
  PlayerAction(Ab::Emp);
  EXPECT_TRUE(EnemyStunned());
  EXPECT_EQ(fe.panel.back().text, "The enemy is hit by your  EMP fire! His ship systems are jammed!");
}

TEST_F(Abilities, AStunnedPlayerCanOnlyEndTheTurn) {
  AddEffect(Combat.EnemyEffects, Ab::Emp2);
  PlayerAction(Ab::FireGuns);
  EXPECT_EQ(Last().topic, "EMP!");
  EXPECT_EQ(AP(), 5);
  EndPlayerTurn();
  EXPECT_EQ(S[Cb::AP], kNotYourTurn);
  RunEnemyTurn();
  EXPECT_EQ(S[Cb::AP], 5);
}

TEST_F(Abilities, ExploitNeedsAStunnedEnemy) {
  Learn(Ab::Exploit);
  PlayerAction(Ab::Exploit);
  EXPECT_EQ(Last().topic, "Problem");
  EXPECT_EQ(AP(), 5);
  AddEffect(Combat.PlayerEffects, Ab::Emp);
  QueueRandomDraws({0, 0});
  PlayerAction(Ab::Exploit);
  EXPECT_EQ(AP(), 1);
  EXPECT_EQ(fe.panel.back().text, "You exploit the enemy being stunned by an EMP and cause 32 pts. of damage.");
}

TEST_F(Abilities, RechargeOncePerBattle) {
  Learn(Ab::Recharge);
  S[Cb::AP] = 0;
  PlayerAction(Ab::Recharge);
  EXPECT_EQ(Last().topic, "Not enough AP!");
  S[Cb::AP] = 1;
  AddEffect(Combat.PlayerEffects, Ab::DoubleSpeed);
  PlayerAction(Ab::Recharge);
  EXPECT_EQ(AP(), 7);
  EXPECT_EQ(fe.panel.back().text, "Your action points are fully recharged.");
  PlayerAction(Ab::Recharge);
  EXPECT_EQ(Last().text, "You can only recharge your action points once in every combat.");
  EXPECT_EQ(AP(), 7);
}

TEST_F(Abilities, ShieldBoostStopsAtTheFullShieldOfShipEngineAndCargoSystem) {
  Learn(Ab::ShieldBoost);
  S[Sh::Engines] = 6;
  S[Sh::CargoSpace] = 2;  // 100 -> 125 -> 156
  S[Sh::ShieldEnergy] = 140;
  PlayerAction(Ab::ShieldBoost);
  EXPECT_EQ(S[Sh::ShieldEnergy], 156);
  EXPECT_EQ(AP(), 2);
  PlayerAction(Ab::ShieldBoost);
  EXPECT_EQ(Last().text, "You can only recalibrate your shield once in every combat.");
  EXPECT_EQ(AP(), 2);
}

TEST_F(Abilities, EnergyChannellingByTheShieldsActive) {
  Learn(Ab::Sacrifice);
  PlayerAction(Ab::Sacrifice);
  EXPECT_EQ(Last().topic, "N/A");
  EXPECT_EQ(AP(), 5);
  AddEffect(Combat.PlayerEffects, Ab::FocusedShield);
  AddEffect(Combat.PlayerEffects, Ab::ReflectionShield);
  S[Sh::ShieldEnergy] = 10;
  PlayerAction(Ab::Sacrifice);
  EXPECT_EQ(S[Sh::ShieldEnergy], 43);  // a third of 100
  EXPECT_EQ(fe.panel.back().text, "Your shields are recharged by 35%.");
  EXPECT_FALSE(PlayerHas(Ab::FocusedShield));
  EXPECT_FALSE(PlayerHas(Ab::ReflectionShield));
  S[Cb::AP] = 5;
  AddEffect(Combat.PlayerEffects, Ab::FocusedShield);
  PlayerAction(Ab::Sacrifice);
  EXPECT_EQ(Last().text, "You can only use energy channeling once in every combat.");
  EXPECT_EQ(AP(), 5);
  S[Cb::ChannellingUsed] = 0;
  PlayerAction(Ab::Sacrifice);
  EXPECT_EQ(S[Sh::ShieldEnergy], 68);  // a quarter with one shield
  EXPECT_EQ(fe.panel.back().text, "Your shields are recharged by 25%.");
}

TEST_F(Abilities, DisturbAndCalmness) {
  Learn(Ab::Disturb2);
  Learn(Ab::Calmness);
  PlayerAction(Ab::Calmness);
  EXPECT_EQ(Last().text, "The enemy has no taunt effect active.");
  EXPECT_EQ(AP(), 5);
  AddEffect(Combat.EnemyEffects, Ab::Taunt);
  AddEffect(Combat.EnemyEffects, Ab::EvilTaunt);
  AddEffect(Combat.EnemyEffects, Ab::Mark);
  PlayerAction(Ab::Calmness);
  EXPECT_FALSE(EnemyHas(Ab::Taunt));
  EXPECT_FALSE(EnemyHas(Ab::EvilTaunt));
  EXPECT_TRUE(EnemyHas(Ab::Mark));
  PlayerAction(Ab::Disturb2);
  EXPECT_EQ(ActiveEffects(Combat.EnemyEffects), 0);
  EXPECT_EQ(fe.panel.back().text, "All enemy bonuses are removed.");
  // One random bonus: slot 8 is never drawn, so after 100 misses the highest goes.
  Learn(Ab::Disturb);
  Combat.EnemyEffects[8] = {1, Ab::Evading, 4};
  PlayerAction(Ab::Disturb);
  EXPECT_EQ(ActiveEffects(Combat.EnemyEffects), 0);
}

TEST_F(Abilities, FleeAndItsRefusals) {
  PlayerAction(Ab::Flee);  // not learned, no escape engine
  EXPECT_EQ(AP(), 5);
  S[Sh::Engines] = 2;  // the escape engine grants Flee
  AddEffect(Combat.EnemyEffects, Ab::TractorBeam);
  PlayerAction(Ab::Flee);
  EXPECT_EQ(fe.panel.back().topic, "Escape impossible !!");
  EXPECT_EQ(AP(), 5);
  RemoveEffect(Combat.EnemyEffects, Ab::TractorBeam);
  QueueRandomDraws({30});
  PlayerAction(Ab::Flee);
  EXPECT_EQ(fe.panel.back().topic, "Escape failed !!");
  EXPECT_EQ(AP(), 0);
  S[Cb::AP] = 5;
  QueueRandomDraws({29});
  PlayerAction(Ab::Flee);
  EXPECT_EQ(Last().topic, "You escape!");
  EXPECT_EQ(Last().picture, "Federation_Starwolf_scene.jpg");
  EXPECT_EQ(BattleOutcome(), Outcome::Escaped);
  PlayerAction(Ab::Taunt);  // the battle is over
  EXPECT_EQ(AP(), 0);
}

TEST_F(Abilities, CloakNeedsTheDeviceAndNoMark) {
  Learn(Ab::Cloak);
  PlayerAction(Ab::Cloak);
  EXPECT_EQ(Last().topic, "Problem !");
  S[Sh::CargoSpace] = 3;
  AddEffect(Combat.EnemyEffects, Ab::Mark);
  PlayerAction(Ab::Cloak);
  EXPECT_EQ(fe.panel.back().text, "The enemy ship has put a target mark on you. You cannot cloak.");
  EXPECT_EQ(AP(), 5);
  RemoveEffect(Combat.EnemyEffects, Ab::Mark);
  QueueRandomDraws({49});
  PlayerAction(Ab::Cloak);
  EXPECT_EQ(BattleOutcome(), Outcome::Escaped);
}

TEST_F(Abilities, EnemyEscapes) {
  E[Cb::AP] = 10;
  AddEffect(Combat.PlayerEffects, Ab::TractorBeam);
  EXPECT_FALSE(EnemyAction(Ab::Flee));
  RemoveEffect(Combat.PlayerEffects, Ab::TractorBeam);
  QueueRandomDraws({20});
  EXPECT_TRUE(EnemyAction(Ab::Flee));
  EXPECT_EQ(fe.panel.back().text, "The enemy attempt to escape failed.");
  EXPECT_FALSE(EnemyAction(Ab::Cloak));  // the player carries no cloaking device
  QueueRandomDraws({19});
  EXPECT_TRUE(EnemyAction(Ab::Flee));
  EXPECT_TRUE(EnemyEscaped());
  EXPECT_EQ(BattleOutcome(), Outcome::EnemyEscaped);
  EXPECT_EQ(Last().topic, "Enemy escapes!");
}

TEST_F(Abilities, AnEnemyCloaksAwayFromACloakedPlayer) {
  E[Cb::AP] = 5;
  S[Sh::CargoSpace] = 3;
  QueueRandomDraws({39});
  EXPECT_TRUE(EnemyAction(Ab::Cloak));
  EXPECT_FALSE(EnemyEscaped());  // only Flee marks the enemy as escaped
  EXPECT_EQ(BattleOutcome(), Outcome::EnemyEscaped);
}

TEST_F(Abilities, EvasionComputerSwitchedOnAndOff) {
  fe.answer(true);
  PlayerAction(Ab::ShipSpecial);
  EXPECT_EQ(fe.shown.back().topic, "Evasion computer");
  EXPECT_EQ(fe.shown.back().text,
            "This spaceship has a special ability which is right now turned OFF. If activated this ability makes you "
            "and your enemy more difficult to hit. Activate this ability now?");
  EXPECT_EQ(AP(), 2);
  EXPECT_TRUE(qm::Run.PlayerSpecialActive);
  EXPECT_EQ(GunAttackChance(true, Ab::FireGuns), 31);   // 45 - 25, then the modifiers
  EXPECT_EQ(GunAttackChance(false, Ab::FireGuns), 16);  // 25 -> 16
  S[Cb::AP] = 2;
  PlayerAction(Ab::ShipSpecial);  // fewer than 3 AP: nothing happens
  EXPECT_TRUE(qm::Run.PlayerSpecialActive);
  S[Cb::AP] = 3;
  fe.answer(true);
  PlayerAction(Ab::ShipSpecial);
  EXPECT_FALSE(qm::Run.PlayerSpecialActive);
  EXPECT_EQ(AP(), 0);
}

TEST_F(Abilities, TwinGunsNeverArmTheEnemysShipOfTheSameType) {
  S[Sh::ShipType] = 3;  // Avenger: Twin guns
  S[Sh::Guns] = 2;
  E[Sh::ShipType] = 3;
  E[Sh::Guns] = 2;
  PlayerAction(Ab::ShipSpecial);
  ASSERT_TRUE(qm::Run.PlayerSpecialActive);
  EXPECT_EQ(gunDamage(3, 2), 12);  // the player's Fusion fires as a Turbo-Laser
  EXPECT_EQ(EnemyGunDamage(), 24);  // the enemy's stays a Fusion
  EXPECT_EQ(EnemyGunAP(), 3);
}

TEST_F(Abilities, ShieldPlusBlocksFireGunsOnly) {
  S[Sh::ShipType] = 5;  // Orion: ShieldPlus device
  Learn(Ab::FocusBeam);
  PlayerAction(Ab::ShipSpecial);
  S[Cb::AP] = 5;
  PlayerAction(Ab::FireGuns);
  EXPECT_EQ(Last().topic, "N/A");
  EXPECT_EQ(AP(), 5);
  PlayerAction(Ab::FocusBeam);
  EXPECT_EQ(AP(), 1);
}

TEST_F(Abilities, DropAllMissilesAsksTwice) {
  S[Sh::ShipType] = 4;  // Sabre
  fe.answer(true);
  fe.answer(false);
  PlayerAction(Ab::ShipSpecial);
  EXPECT_FALSE(qm::Run.PlayerSpecialActive);
  EXPECT_EQ(AP(), 2);  // the AP stay spent
  S[Cb::AP] = 5;
  PlayerAction(Ab::ShipSpecial);
  EXPECT_EQ(S[Cb::MissileReload], 10000);
  EXPECT_TRUE(qm::Run.PlayerSpecialActive);
}

TEST_F(Abilities, AntiPhaseEmitterOncePerBattle) {
  S[Sh::ShipType] = 13;  // Neptun
  PlayerAction(Ab::ShipSpecial);
  EXPECT_EQ(Combat.PlayerEffects[1].turns, 2);
  EXPECT_EQ(S[Cb::AntiPhaseUsed], 1);
  E[Cb::AP] = 5;
  QueueRandomDraws({0});
  EnemyAction(Ab::FireGuns);
  EXPECT_EQ(S[Sh::ShieldEnergy], 100);  // out of phase: no damage
  RemoveEffect(Combat.PlayerEffects, Ab::ShipSpecial);
  S[Cb::AP] = 5;
  PlayerAction(Ab::ShipSpecial);
  EXPECT_EQ(Last().text, "The anti-phase emitter can only be used once during the same combat.");
  EXPECT_EQ(AP(), 5);
  EXPECT_FALSE(qm::Run.PlayerSpecialActive);
  // A new battle may use it again.
  SetupShipCombat(1, 0, 2, 1);
  EXPECT_EQ(S[Cb::AntiPhaseUsed], 0);
}

TEST_F(Abilities, ShipsWithoutABattleSpecialHaveNoButtonAction) {
  S[Sh::ShipType] = 11;  // Ferendar: extended sensors act outside battle
  PlayerAction(Ab::ShipSpecial);
  EXPECT_EQ(Last().topic, "N/A");
  EXPECT_EQ(AP(), 5);
  EXPECT_FALSE(PlayerHas(Ab::ShipSpecial));
}

TEST_F(Abilities, AutoEndTurnAfterTheLastAP) {
  General.Option.AutoNextTurn = true;
  QueueRandomDraws({99, 99});
  PlayerAction(Ab::FireGuns);
  PlayerAction(Ab::FireGuns);
  EXPECT_EQ(AP(), 1);  // 1 AP left: the turn goes on
  Learn(Ab::TargetLock);
  PlayerAction(Ab::TargetLock);
  EXPECT_EQ(AP(), kNotYourTurn);  // the enemy's turn began
  RunEnemyTurn();
  EXPECT_EQ(AP(), 5);
}

}  // namespace
}  // namespace qm
