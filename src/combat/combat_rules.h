#pragma once
// The battle's shared rules: effect lists, rolls, the hit and damage modifiers,
// the shields' answers to a hit and the panel messages. Used by the actions of
// both sides, the enemy script and the turn upkeep.
#include <cstdint>
#include <string>
#include <string_view>

#include "combat/combat_state.h"
#include "state/tables.h"

namespace qm::combat {

constexpr int kPlayerSide = 0;
constexpr int kEnemySide = 1;

// Combat ability ids (they double as effect ids).
namespace Ab {
enum : int {
  FireGuns = 1, FireMissiles = 2, Ecm = 3, FocusBeam = 4, OverloadGun = 5, TargetLock = 6, Discipline = 7,
  Manouvers = 8, DoubleSpeed = 9, Taunt = 10, Flee = 11, TractorBeam = 12, EvilTaunt = 13, Cloak = 14,
  Exploit = 15, Emp = 16, Exploit2 = 17, Recharge = 18, Disturb = 19, Mark = 20, EmpResistance = 21,
  FocusedShield = 22, FocusedShield2 = 23, ReflectionShield = 24, ReflectionShield2 = 25, Evading = 26,
  ShieldBoost = 27, Sacrifice = 28, Calmness = 29, Reinforcements = 30, SosBuoy = 31, RadioJammer = 32,
  Emp2 = 33, FocusBeam2 = 34, Disturb2 = 35, ShipSpecial = 36, Overheated = 37
};
}

// Ship specials used in battle.
namespace ShipUpgrade {
enum : int {
  EvasionComputer = 1, EnergyTransmitter = 2, TwinGuns = 3, DropAllMissiles = 4, ShieldPlus = 5, AecmMissiles = 7,
  GunVolley = 8, FastMissileRacks = 9, BattleDroids = 10, ExtendedSensors = 11, AntiPhase = 12,
  HiddenCargoBay = 13, EnergyShifting = 14, EnergyBoost = 15
};
}

// Missile kinds with rules of their own.
namespace Missile {
enum : int { ArrowDummy = 2, ZeusMk1 = 5, ZeusMk2 = 6, MineMk1 = 7, ZeusEmp = 8, MineMk2 = 9, Destroyer = 10 };
}

// Effect lists ----------------------------------------------------------------
int EffectDuration(int id);
// The highest-numbered active slot holding `id`, 0 when none.
int FindEffect(const EffectList& list, int id);
inline bool Has(const EffectList& list, int id) { return FindEffect(list, id) > 0; }
bool HasFreeSlot(const EffectList& list);
// Adds to the lowest free slot; false (nothing added) when the list is full.
// `turns` 0 takes the duration table.
bool AddEffect(EffectList& list, int id, int turns = 0);
void RemoveEffect(EffectList& list, int id);
void RemoveSlot(EffectList& list, int slot);
int ActiveEffects(const EffectList& list);
// The catalogue's equipment numbers follow the switched-on ship special.
void SyncPlayerSpecial();

// The two sides -----------------------------------------------------------------
IntRow& PlayerShip();
IntRow& EnemyShip();
inline EffectList& PlayerFx() { return Combat.PlayerEffects; }
inline EffectList& EnemyFx() { return Combat.EnemyEffects; }
bool PlayerStunned();  // the enemy's list holds EMP or EMP II
bool EnemyStunned();   // the player's list holds EMP or EMP II
// The player's ship special is `speciality` and is switched on.
bool SpecialOn(int speciality);
int PlayerMaxShields();  // of ship type, engine and cargo system
int EnemyMaxShields();
int BaseMaxShields(int shipType);
int ShipClass(int shipType);
bool BothAlive();
// The player may use the ability: learned, the ship special, or Flee through
// the escape engine.
bool AbilityLearned(int id);

// The enemy's equipment numbers, never touched by the player's ship special.
int EnemyGunHitChance();
int EnemyGunDamage();
int EnemyGunAP();
int EnemyMissileAP();
int EnemyMissileDamage();

// Rolls and modifiers ---------------------------------------------------------
// A chance capped at 90 hits when Random(100) + 1 < chance.
bool HitRoll(int chance);
// dmg/2 + Random(dmg/2).
int RollDamage(int dmg);
int PlayerDamageModifier(int d);
int PlayerHitModifier(int a);
int EnemyDamageModifier(int a);
int EnemyHitModifier(int a);
// The final hit chance of a gun attack (ability id) by the player or the enemy.
int GunAttackChance(bool byPlayer, int action);
// The enemy's focused and reflection shields meet a player hit of `dmg`;
// the player's meet an enemy hit. Each returns the reduced damage.
int EnemyShieldsAbsorb(int dmg);
int PlayerShieldsAbsorb(int dmg);
// Shield energy lost or gained by one side; animations follow.
void DamagePlayer(int amount);
void DamageEnemy(int amount);
// shield := min(shield + amount, cap), never lowering a shield above the cap.
void RaiseShield(IntRow& ship, int amount, int cap);

// Messages --------------------------------------------------------------------
bool Talking();
void Panel(int side, std::string_view topic, std::string_view text);
// text = before + n + after
void PanelNum(int side, std::string_view topic, std::string_view before, int64_t n, std::string_view after);
void Modal(const std::string& topic, const std::string& text, const std::string& picture = "");
void NotEnoughAP();
// Animations: 0 the side fires its guns, 1 the side's shield flashes.
void Animate(int side, int what);
void Sound(const char* wav);
// One of two sounds, chosen 50/50.
void SoundOfTwo(const char* first, const char* second);

// Pays `cost` from the player's AP; false (with the message) when short.
bool PlayerPays(int cost);
// Pays from the enemy's AP; false (silently) when short.
bool EnemyPays(int cost);

// Actions (files of their own) ---------------------------------------------------
bool IsGunAttack(int id);  // Fire guns, Focus beam (II), Overload gun, Exploit (II)
void PlayerGunAttack(int action);
bool EnemyGunAttack(int action);
void PlayerFireMissile();
bool EnemyFireMissile();
void FlyPlayerMissile();
void FlyEnemyMissile();
void PlayerEcm();
bool EnemyEcm();
void PlayerEscape(int action);  // Flee or Cloak
bool EnemyEscape(int action);
// Effect abilities (Taunt, shields, EMP ...); the enemy's are silent refusals.
bool IsEffectAbility(int id);
void PlayerEffectAbility(int id);
bool EnemyEffectAbility(int id);
void PlayerInstantAbility(int id);  // Recharge, Disturb, Shield boost, channelling, Calmness
bool EnemyInstantAbility(int id);
void PlayerShipSpecial();
// One player action by its rules alone: no stun, learned or turn checks, no
// refresh, no end-of-combat test (the callers make those).
void CarryOutPlayerAction(int id);
// Sets the battle's end and switches the ship special's equipment effects off.
void EndCombat();

}  // namespace qm::combat
