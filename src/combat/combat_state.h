#pragma once
// Tables that live for one battle only: never saved, cleared by ResetGameState.
#include <cstdint>

#include "state/tables.h"

namespace qm {

// Fields of a ship record used only in battle (the Ship record and EnemyShip
// share the layout).
namespace Cb {
enum : int {
  AP = 3,                // action points left; kNotYourTurn while the other side acts
  DurationFactor = 4,    // multiplier for effect durations given as negative
  Reinforcements = 6,    // countdown in turns; -1 none coming, 0 arrived
  AiKind = 7,            // enemy only
  BoardingStarted = 38,  // enemy only
  BoardingOffered = 39,  // enemy only
  MissileReload = 52,
  ShieldBoostUsed = 90,
  ChannellingUsed = 91,
  RechargeUsed = 92,
  AntiPhaseUsed = 94,
  ShotsThisTurn = 95,
  ScriptStep = 96,       // enemy only: last step of the turn script tried
  ScriptPaused = 97,     // enemy only: an enemy message is on screen
  EightPointGauge = 99,  // player only
};
}
constexpr int kNotYourTurn = -100;
constexpr int kEffectSlots = 8;
constexpr int kAbilityButtons = 12;

// One slot of an effect list (slots 1..8).
struct EffectSlot {
  int32_t active = 0;
  int32_t id = 0;
  int32_t turns = 0;
  bool operator==(const EffectSlot&) const = default;
};
using EffectList = Table<EffectSlot, kEffectSlots + 1>;

// A missile flying at the other side.
struct MissileFlight {
  int32_t inFlight = 0;
  int32_t turns = 0;  // turns until impact
};

struct CombatState {
  IntRow EnemyShip;  // the opponent, with the layout of the Ship record
  EffectList PlayerEffects;  // the player's buffs and the player's hits on the enemy
  EffectList EnemyEffects;
  MissileFlight PlayerMissile;  // the player's missile, flying at the enemy
  MissileFlight EnemyMissile;
  Table<int32_t, kAbilityButtons + 1> AbilityBar;      // the player's buttons 1..12 (0 = empty)
  Table<int32_t, kAbilityButtons + 1> EnemyAbilities;  // the enemy's repertoire 1..12
  int32_t EnemyEscaped = 0;  // the enemy fled (Flee)
  bool EnemyCloaked = false;  // the enemy vanished by Cloak (EnemyEscaped stays clear)
  int32_t CombatEnded = 0;   // the screen may close
  bool EndTurnEnabled = true;   // the "End this turn" control
  bool EmpRollPassed = false;   // the enemy script's one draw for both EMP steps
  // Gun and missile hits landed and gun shots missed by each side (0 the
  // player, 1 the enemy) in this battle.
  int32_t Hits[2] = {0, 0};
  int32_t Misses[2] = {0, 0};
  // The system-scan record (1..10) that started this battle, 0 for none. The
  // scan sets it before SetupShipCombat and clears it once it has read the
  // outcome; the set-up keeps it.
  int32_t ScanRecord = 0;
  // Reinforcement radar bands last shown (0 hidden, 1..3), player and enemy.
  int32_t RadarBand[2] = {-1, -1};
};

extern CombatState Combat;

void ResetCombatTables();

// The system-scan record this fight began at (Combat.ScanRecord), while that
// ship is still present; an empty row when the fight began elsewhere. Loot,
// the boarding chance and the enemy's tier all read it here.
IntRow ScanContact();

}  // namespace qm
