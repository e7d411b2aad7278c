// Hit rolls, damage, the modifier chains, gun specials, missiles and ECM.
#include "support/battle_fixture.h"

namespace qm {
namespace {

using namespace combat;
using Rules = test::BattleTest;

TEST_F(Rules, HitChanceIsCappedAtNinety) {
  QueueRandomDraws({88, 89});
  EXPECT_TRUE(HitRoll(500));   // 89 < 90
  EXPECT_FALSE(HitRoll(500));  // 90 < 90 fails: 89 hits in 100
  QueueRandomDraws({0, 0});
  EXPECT_FALSE(HitRoll(1));  // 1 < 1: a chance of 1 never hits
  EXPECT_TRUE(HitRoll(2));
}

TEST_F(Rules, DamageIsHalvedThenRolled) {
  QueueRandomDraws({7});
  EXPECT_EQ(RollDamage(1), 0);  // Random(0) takes no draw
  EXPECT_EQ(RollDamage(2), 1);  // Random(1) is 0 whatever is queued
  EXPECT_EQ(QueuedRandomDraws(), 0);
  QueueRandomDraws({3, 99});
  EXPECT_EQ(RollDamage(10), 8);
  EXPECT_EQ(RollDamage(10), 9);  // a draw beyond the range is the range's top
}

TEST_F(Rules, FireGunsHitReportsTheDamageBeforeTheRoll) {
  QueueRandomDraws({0, 3});  // the hit roll, then the damage roll
  PlayerAction(Ab::FireGuns);
  // Laser 12, +1/6 for a new fighter pilot, +1/6 below rank 4: 16; 8 + 3 dealt.
  EXPECT_EQ(E[Sh::ShieldEnergy], 89);
  EXPECT_EQ(AP(), 3);
  ASSERT_EQ(fe.panel.size(), 1u);
  EXPECT_EQ(fe.panel[0].topic, "Firing guns !!");
  EXPECT_EQ(fe.panel[0].text, "You fire your guns and cause 16 pts. of damage.");
  QueueRandomDraws({95});
  PlayerAction(Ab::FireGuns);
  EXPECT_EQ(fe.panel.back().text, "You fire your guns, but miss the enemy ship.");
  EXPECT_EQ(S[Cb::ShotsThisTurn], 2);  // a miss counts for overheating too
}

TEST_F(Rules, PlayerModifiers) {
  EXPECT_EQ(PlayerHitModifier(45), 70);  // +1/5, +1/10 new fighter pilot, +1/5 below rank 4
  EXPECT_EQ(PlayerDamageModifier(12), 16);
  EXPECT_EQ(PlayerDamageModifier(1000), 33);  // a third of the enemy's shields at most
  Game.StarDate = 300;
  Game.Player[Pl::Rank] = 5;
  EXPECT_EQ(PlayerHitModifier(45), 54);
  EXPECT_EQ(PlayerDamageModifier(12), 12);
  E[Sh::ShipType] = 9;  // a destroyer: bigger than the player's fighter
  Game.Player[Pl::Rank] = 4;
  EXPECT_EQ(PlayerHitModifier(45), 59);
  EXPECT_EQ(PlayerDamageModifier(12), 14);
  General.Option.VeteranMode = true;
  EXPECT_EQ(PlayerHitModifier(45), 45);
  EXPECT_EQ(PlayerDamageModifier(12), 12);
}

TEST_F(Rules, EnemyModifiers) {
  EXPECT_EQ(EnemyHitModifier(50), 32);
  EXPECT_EQ(EnemyDamageModifier(12), 12);
  EXPECT_EQ(EnemyDamageModifier(200), 50);  // half the player's shields at most
  Game.Player[Pl::Rank] = 4;
  EXPECT_EQ(EnemyHitModifier(50), 44);
  EXPECT_EQ(EnemyDamageModifier(12), 14);
  General.Option.VeteranMode = true;
  EXPECT_EQ(EnemyHitModifier(50), 52);
  EXPECT_EQ(EnemyDamageModifier(12), 16);
  S[Sh::ShipType] = 6;  // the enemy fighter is now the smaller ship
  General.Option.VeteranMode = false;
  EXPECT_EQ(EnemyHitModifier(50), 55);
  EXPECT_EQ(EnemyDamageModifier(12), 17);
}

TEST_F(Rules, GunHitChanceChain) {
  EXPECT_EQ(GunAttackChance(true, Ab::FireGuns), 70);
  AddEffect(Combat.EnemyEffects, Ab::Taunt);  // the enemy taunted the player
  EXPECT_EQ(GunAttackChance(true, Ab::FireGuns), 55);
  AddEffect(Combat.PlayerEffects, Ab::Discipline);
  EXPECT_EQ(GunAttackChance(true, Ab::FireGuns), 102);  // capped at 90 by the roll
  EXPECT_FALSE(PlayerHas(Ab::Discipline));              // spent on one salvo
  EXPECT_EQ(GunAttackChance(true, Ab::FireGuns), 55);
  EXPECT_EQ(GunAttackChance(true, Ab::FocusBeam), 42);  // minus a quarter
  EXPECT_EQ(GunAttackChance(true, Ab::OverloadGun), 64);  // plus a sixth
  // The enemy: Laser 45 and its targeting computer's 5.
  EXPECT_EQ(GunAttackChance(false, Ab::FireGuns), 32);
  EXPECT_EQ(GunAttackChance(false, Ab::OverloadGun), 40);  // plus a quarter
  AddEffect(Combat.PlayerEffects, Ab::EvilTaunt);
  EXPECT_EQ(GunAttackChance(false, Ab::FireGuns), 20);  // Evil taunt: -20
  RemoveEffect(Combat.PlayerEffects, Ab::EvilTaunt);
  AddEffect(Combat.PlayerEffects, Ab::DoubleSpeed);
  EXPECT_EQ(GunAttackChance(false, Ab::FireGuns), 45);  // Double speed: +20 against its user
  AddEffect(Combat.PlayerEffects, Ab::Evading);
  EXPECT_EQ(GunAttackChance(false, Ab::FireGuns), 26);
}

TEST_F(Rules, DamageChainThroughManouversAndEnemyShields) {
  AddEffect(Combat.PlayerEffects, Ab::Manouvers);
  AddEffect(Combat.EnemyEffects, Ab::FocusedShield2);
  AddEffect(Combat.EnemyEffects, Ab::ReflectionShield2);
  QueueRandomDraws({0, 0});
  PlayerAction(Ab::FireGuns);
  // 16 + 8 (Manouvers) = 24; 3 reflected back, 21; a third: 7 reported, 3 dealt.
  EXPECT_EQ(E[Sh::ShieldEnergy], 97);
  EXPECT_EQ(S[Sh::ShieldEnergy], 97);
  EXPECT_FALSE(EnemyHas(Ab::FocusedShield2));
  EXPECT_FALSE(EnemyHas(Ab::ReflectionShield2));
  EXPECT_EQ(fe.panel.back().text, "You fire your guns and cause 7 pts. of damage.");
  EXPECT_EQ(fe.panelCount("Reflection shield !!"), 1);
  EXPECT_EQ(fe.panelCount("Focused shield !!"), 1);
}

TEST_F(Rules, EnemyFireMeetsThePlayersShieldsAndTheAntiPhaseEmitter) {
  E[Cb::AP] = 5;
  AddEffect(Combat.PlayerEffects, Ab::FocusedShield);
  QueueRandomDraws({0, 0});
  EXPECT_TRUE(EnemyAction(Ab::FireGuns));
  EXPECT_EQ(S[Sh::ShieldEnergy], 97);  // 12 halved to 6, then 3 + 0
  EXPECT_EQ(fe.panel.back().text, "Enemy fires his guns and causes 6 pts. of damage.");
  E[Cb::AP] = 1;
  EXPECT_FALSE(EnemyAction(Ab::FireGuns));  // too few AP: skipped silently
  EXPECT_EQ(E[Cb::AP], 1);
  EXPECT_FALSE(EnemyAction(Ab::Exploit));   // the player is not stunned
}

TEST_F(Rules, TurboLaserOverheatsFromTheThirdShot) {
  S[Sh::Guns] = 1;
  // Shots fired before, the draw, and whether this shot overheats the guns.
  const struct { int before, draw; bool overheats; } shots[] = {
      {0, 0, false}, {1, 0, false}, {2, 14, true}, {2, 15, false},
      {3, 44, true}, {3, 45, false}, {4, 59, true}, {9, 60, false}};
  for (const auto& shot : shots) {
    for (int s = 1; s <= kEffectSlots; ++s) Combat.PlayerEffects[s] = {};
    S[Cb::ShotsThisTurn] = shot.before;
    QueueRandomDraws({shot.draw});
    GunSpeciality(10);
    EXPECT_EQ(PlayerHas(Ab::Overheated), shot.overheats) << "after " << shot.before << " shots";
  }
  // Overheated blocks Fire guns only, without cost.
  AddEffect(Combat.PlayerEffects, Ab::Overheated);
  S[Cb::AP] = 5;
  PlayerAction(Ab::FireGuns);
  EXPECT_EQ(AP(), 5);
  EXPECT_EQ(Last().topic, "N/A");
  EXPECT_EQ(Last().text, "Your guns have overheated and cannot be used until they have cooled down.");
  Learn(Ab::OverloadGun);
  PlayerAction(Ab::OverloadGun);
  EXPECT_EQ(AP(), 4);  // a Turbo-Laser costs 1 AP
  // The counter starts again each turn.
  EndPlayerTurn();
  RunEnemyTurn();
  EXPECT_EQ(S[Cb::ShotsThisTurn], 0);
}

TEST_F(Rules, GunSpecialities) {
  S[Sh::Guns] = 2;  // Fusion
  QueueRandomDraws({4});
  EXPECT_EQ(GunSpeciality(10), 20);
  EXPECT_EQ(Last().topic, "Double damage!");
  EXPECT_EQ(GunSpeciality(0), 0);  // a miss draws nothing for Fusion
  S[Sh::Guns] = 6;                  // Leech
  S[Sh::ShieldEnergy] = 95;
  EXPECT_EQ(GunSpeciality(50), 50);
  EXPECT_EQ(S[Sh::ShieldEnergy], 100);  // +10, capped
  S[Sh::Guns] = 7;                      // Disruptor
  QueueRandomDraws({4});
  GunSpeciality(10);
  EXPECT_TRUE(EnemyStunned());
  S[Sh::Guns] = 4;  // Quantum: stuns its own ship
  QueueRandomDraws({3});
  GunSpeciality(10);
  EXPECT_TRUE(PlayerStunned());
  S[Sh::Guns] = 5;  // SuperFusion
  S[Sh::ShieldEnergy] = 50;
  QueueRandomDraws({14});
  EXPECT_EQ(GunSpeciality(30), 60);
  EXPECT_EQ(S[Sh::ShieldEnergy], 40);
  S[Sh::Guns] = 8;  // Gatling shoots the enemy missile down
  Combat.EnemyMissile = {1, 2};
  QueueRandomDraws({9, 99});
  GunSpeciality(10);
  EXPECT_EQ(Combat.EnemyMissile.inFlight, 0);
}

TEST_F(Rules, MissileLaunchReloadAndImpact) {
  PlayerAction(Ab::FireMissiles);
  EXPECT_EQ(AP(), 1);
  EXPECT_EQ(Combat.PlayerMissile.inFlight, 1);
  EXPECT_EQ(Combat.PlayerMissile.turns, 3);
  EXPECT_EQ(S[Cb::MissileReload], 4);
  Combat.PlayerMissile = {};
  S[Cb::AP] = 5;
  PlayerAction(Ab::FireMissiles);
  EXPECT_EQ(Last().topic, "Reloading");
  EXPECT_EQ(AP(), 5);
  // Flight: one turn closer each upkeep, then the hit (Arrow Mk. I: 27 x 2).
  Combat.PlayerMissile = {1, 2};
  FlyPlayerMissile();
  EXPECT_EQ(Combat.PlayerMissile.turns, 1);
  QueueRandomDraws({10});
  FlyPlayerMissile();
  EXPECT_EQ(Combat.PlayerMissile.inFlight, 0);
  EXPECT_EQ(E[Sh::ShieldEnergy], 100 - 37);
  EXPECT_EQ(fe.panel.back().text, "Your missile hits the enemy. 54 pts. of damage caused.");
}

TEST_F(Rules, TorpedoesAndReloadTimes) {
  S[Sh::Missiles] = Missile::ZeusMk1;
  PlayerAction(Ab::FireMissiles);
  EXPECT_EQ(Last().text, "Torpedos can only be used against capital ships and not against fighters.");
  EXPECT_EQ(AP(), 5);
  S[Sh::Missiles] = Missile::Destroyer;
  PlayerAction(Ab::FireMissiles);
  EXPECT_EQ(S[Cb::MissileReload], 100000);  // once per battle
  Combat.PlayerMissile = {};
  S[Sh::Missiles] = Missile::ZeusMk2;
  S[Cb::MissileReload] = 0;
  S[Cb::AP] = 5;
  E[Sh::ShipType] = 9;
  PlayerAction(Ab::FireMissiles);
  EXPECT_EQ(S[Cb::MissileReload], 8);  // its heavy warhead reloads twice as long
  E[Cb::AP] = 5;
  EXPECT_TRUE(EnemyAction(Ab::FireMissiles));
  EXPECT_EQ(Combat.EnemyMissile.turns, 4);
  EXPECT_EQ(E[Cb::MissileReload], 5);
  EXPECT_EQ(E[Sh::ShieldEnergy], 99);  // launching costs the enemy a point of shield
}

TEST_F(Rules, MinesOnlyMoveAlongTractorBeamsAndMarks) {
  S[Sh::Missiles] = Missile::MineMk1;
  Combat.PlayerMissile = {1, 3};
  for (int i = 0; i < 5; ++i) FlyPlayerMissile();
  EXPECT_EQ(Combat.PlayerMissile.turns, 3);
  AddEffect(Combat.EnemyEffects, Ab::TractorBeam);
  FlyPlayerMissile();
  EXPECT_EQ(Combat.PlayerMissile.turns, 2);
  EXPECT_FALSE(EnemyHas(Ab::TractorBeam));
  EXPECT_EQ(fe.panel.back().topic, "Tractor beam off !!");
  S[Sh::Missiles] = Missile::MineMk2;
  AddEffect(Combat.EnemyEffects, Ab::Mark);
  FlyPlayerMissile();
  EXPECT_EQ(Combat.PlayerMissile.turns, 1);
  EXPECT_FALSE(EnemyHas(Ab::Mark));
  // The enemy's mine follows the player's tractor beam only.
  E[Sh::Missiles] = Missile::MineMk1;
  Combat.EnemyMissile = {1, 4};
  AddEffect(Combat.PlayerEffects, Ab::Mark);
  FlyEnemyMissile();
  EXPECT_EQ(Combat.EnemyMissile.turns, 4);
  AddEffect(Combat.PlayerEffects, Ab::TractorBeam);
  FlyEnemyMissile();
  EXPECT_EQ(Combat.EnemyMissile.turns, 3);
  EXPECT_TRUE(PlayerHas(Ab::TractorBeam));  // the enemy's mines remove nothing
}

TEST_F(Rules, ZeusEmpStunsOnImpact) {
  S[Sh::Missiles] = Missile::ZeusEmp;
  Combat.PlayerMissile = {1, 1};
  FlyPlayerMissile();
  EXPECT_TRUE(EnemyStunned());
}

TEST_F(Rules, PlayerEcm) {
  PlayerAction(Ab::Ecm);
  EXPECT_EQ(Last().topic, "No enemy missile!");
  EXPECT_EQ(AP(), 5);
  Combat.EnemyMissile = {1, 3};
  QueueRandomDraws({61});  // chance 40 -> 62 after the modifier; 62 < 62 fails
  PlayerAction(Ab::Ecm);
  EXPECT_EQ(AP(), 3);
  EXPECT_EQ(fe.panel.back().text, "ECM fails and the enemy missile is still on track.");
  QueueRandomDraws({60});
  PlayerAction(Ab::Ecm);
  EXPECT_EQ(Combat.EnemyMissile.inFlight, 0);
  EXPECT_EQ(fe.panel.back().text, "Your ECM is able to mislead the enemy missile.");
}

TEST_F(Rules, AntiMineEcmDoublesAndPlasmaNetDrainsShields) {
  S[Sh::Ecm] = 4;
  E[Sh::Missiles] = Missile::MineMk1;
  Combat.EnemyMissile = {1, 3};
  QueueRandomDraws({88});  // 124 capped at 90
  PlayerAction(Ab::Ecm);
  EXPECT_EQ(Combat.EnemyMissile.inFlight, 0);
  S[Sh::Ecm] = 5;
  S[Cb::AP] = 5;
  Combat.EnemyMissile = {1, 3};
  QueueRandomDraws({14, 0});
  PlayerAction(Ab::Ecm);
  EXPECT_EQ(S[Sh::ShieldEnergy], 90);
  EXPECT_TRUE(fe.sawTopic("Shields lowered!"));
}

TEST_F(Rules, EnemyEcmAndAecmMissiles) {
  E[Cb::AP] = 5;
  EXPECT_FALSE(EnemyAction(Ab::Ecm));  // nothing to intercept
  Combat.PlayerMissile = {1, 3};
  QueueRandomDraws({33});  // chance 50 - 16 = 34: 34 < 34 fails
  EXPECT_TRUE(EnemyAction(Ab::Ecm));
  EXPECT_EQ(Combat.PlayerMissile.inFlight, 1);
  QueueRandomDraws({32});
  EXPECT_TRUE(EnemyAction(Ab::Ecm));
  EXPECT_EQ(Combat.PlayerMissile.inFlight, 0);
}

}  // namespace
}  // namespace qm
