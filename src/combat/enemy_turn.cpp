// The enemy's turn: a fixed priority script of 38 steps over its repertoire.
#include "combat/combat_display.h"
#include "combat/combat_rules.h"
#include "combat/ship_combat.h"
#include "state/game_state.h"
#include "state/random.h"

namespace qm {

using namespace combat;

namespace {

bool EnemyHas(int id) {
  for (int k = 1; k <= kAbilityButtons; ++k)
    if (Combat.EnemyAbilities[k] == id) return true;
  return false;
}

bool PlayerMissileFlying() { return Combat.PlayerMissile.inFlight == 1; }
int AiKind() { return Combat.EnemyShip[Cb::AiKind]; }
bool PlayerKnows(int id) { return Game.CombatAbilities[id] == 1; }

// The player's missile is a mine of the given kind.
bool PlayerMissileKind(int kind) { return Game.Ship[Sh::Missiles] == kind; }

// Whether the enemy wants to run: weak itself, facing a strong player.
bool WantsToRun() {
  const auto& e = Combat.EnemyShip;
  if (BaseMaxShields(e[Sh::ShipType]) / 3 < e[Sh::ShieldEnergy]) return false;
  if (BaseMaxShields(Game.Ship[Sh::ShipType]) / 3 >= Game.Ship[Sh::ShieldEnergy]) return false;
  const int roll = (Game.Player[Pl::Rank] >= 3 || PlayerKnows(Ab::TractorBeam)) ? 0 : Random(100);
  return roll <= 50 && !PlayerMissileFlying();
}

bool EcmWanted(int threshold) {
  if (!PlayerMissileFlying()) return false;
  return Random(100) + 1 < threshold || Combat.PlayerMissile.turns < 2;
}

// Step `step` of the script: the ability it asks for, or 0 when its condition
// fails. `stunned` is the player's list holding an EMP.
int ScriptStep(int step, bool stunned) {
  const bool kind1 = AiKind() == 1;
  switch (step) {
    case 1: return kind1 && !stunned && !PlayerMissileFlying() && EnemyHas(Ab::Flee) ? Ab::Flee : 0;
    case 2:
      return kind1 && !stunned && Combat.EnemyShip[Cb::Reinforcements] > 0 && EnemyHas(Ab::SosBuoy) ? Ab::SosBuoy : 0;
    case 3: case 4: case 5: case 6: case 7: {
      static constexpr int kShields[] = {Ab::FocusedShield, Ab::FocusedShield2, Ab::ReflectionShield,
                                         Ab::ReflectionShield2, Ab::Evading};
      const int id = kShields[step - 3];
      return kind1 && !stunned && !PlayerMissileFlying() && EnemyHas(id) ? id : 0;
    }
    case 8: return !PlayerMissileFlying() && EnemyHas(Ab::Disturb2) ? Ab::Disturb2 : 0;
    case 9: return EnemyHas(Ab::Recharge) ? Ab::Recharge : 0;
    case 10:
      return AiKind() > 1 && !stunned && PlayerKnows(Ab::Flee) && !PlayerMissileFlying() && EnemyHas(Ab::TractorBeam)
                 ? Ab::TractorBeam
                 : 0;
    case 11: return !stunned && EnemyHas(Ab::Exploit) ? Ab::Exploit : 0;
    case 12: return !stunned && EnemyHas(Ab::Exploit2) ? Ab::Exploit2 : 0;
    case 13: return !stunned ? Ab::Exploit : 0;
    case 14: return !stunned ? Ab::Exploit2 : 0;
    case 15: return !stunned && EnemyHas(Ab::Flee) && WantsToRun() ? Ab::Flee : 0;
    case 16: return !stunned && EnemyHas(Ab::Cloak) && WantsToRun() ? Ab::Cloak : 0;
    case 17: return !stunned && EnemyHas(Ab::Ecm) && EcmWanted(70) ? Ab::Ecm : 0;
    case 18: return !stunned && EnemyHas(Ab::Ecm) && EcmWanted(30) ? Ab::Ecm : 0;
    case 19: return !stunned && EnemyHas(Ab::FireMissiles) ? Ab::FireMissiles : 0;
    case 20:
      return !stunned && PlayerKnows(Ab::Flee) && !PlayerMissileKind(Missile::MineMk1) &&
                     !PlayerMissileKind(Missile::MineMk2) && EnemyHas(Ab::TractorBeam)
                 ? Ab::TractorBeam
                 : 0;
    case 21:
      return !stunned && PlayerKnows(Ab::Cloak) && !PlayerMissileKind(Missile::MineMk2) && EnemyHas(Ab::Mark)
                 ? Ab::Mark
                 : 0;
    case 22: return 0;  // the enemy has no ship special action
    case 23: return !stunned && EnemyHas(Ab::FocusBeam) ? Ab::FocusBeam : 0;
    case 24: return !stunned && EnemyHas(Ab::EmpResistance) ? Ab::EmpResistance : 0;
    case 25:
      return !stunned && Game.Ship[Cb::Reinforcements] > 0 && EnemyHas(Ab::RadioJammer) ? Ab::RadioJammer : 0;
    case 26: return !stunned && PlayerMissileFlying() && EnemyHas(Ab::Discipline) ? Ab::Discipline : 0;
    case 27: case 28: case 29: case 30: case 31: {
      static constexpr int kBuffs[] = {Ab::TargetLock, Ab::Manouvers, Ab::DoubleSpeed, Ab::Taunt, Ab::EvilTaunt};
      const int id = kBuffs[step - 27];
      return !stunned && EnemyHas(id) ? id : 0;
    }
    case 32:
      if (stunned) return 0;
      Combat.EmpRollPassed = Random(100) < 90;  // one draw for both EMP steps
      return Combat.EmpRollPassed && EnemyHas(Ab::Emp) ? Ab::Emp : 0;
    case 33: return !stunned && Combat.EmpRollPassed && EnemyHas(Ab::Emp2) ? Ab::Emp2 : 0;
    case 34: return !stunned && EnemyHas(Ab::Recharge) ? Ab::Recharge : 0;
    case 35: return !stunned && EnemyHas(Ab::FireGuns) ? Ab::FireGuns : 0;
    case 36: case 37: return !stunned && EnemyHas(Ab::OverloadGun) ? Ab::OverloadGun : 0;
    case 38: return !stunned && EnemyHas(Ab::FireGuns) ? Ab::FireGuns : 0;
    default: return 0;
  }
}

constexpr int kScriptSteps = 38;

}  // namespace

bool EnemyAction(int id) {
  if (Combat.CombatEnded) return false;
  if (combat::IsGunAttack(id)) return EnemyGunAttack(id);
  switch (id) {
    case Ab::FireMissiles: return EnemyFireMissile();
    case Ab::Ecm: return EnemyEcm();
    case Ab::Flee: case Ab::Cloak: return EnemyEscape(id);
    default: break;
  }
  if (IsEffectAbility(id)) return EnemyEffectAbility(id);
  return EnemyInstantAbility(id);
}

void EnemyTurnStep() {
  auto& e = Combat.EnemyShip;
  if (Combat.CombatEnded || Game.Ship[Cb::AP] != kNotYourTurn || e[Cb::ScriptPaused] != 0) return;
  if (Run.TutorialActive && (Run.TutorialStep == 15 || Run.TutorialStep == 16) && e[Cb::ScriptStep] < 19)
    e[Cb::ScriptStep] = 18;  // the tutorial's enemy goes straight to its missiles
  // A step that is not carried out changes nothing, so one test per call holds
  // for every step this call tries.
  const bool stunned = EnemyStunned();
  while (e[Cb::ScriptStep] < kScriptSteps) {
    const int step = ++e[Cb::ScriptStep];
    const int id = ScriptStep(step, stunned);
    if (id == 0 || !EnemyAction(id)) continue;
    e[Cb::ScriptPaused] = 1;
    RefreshCombatDisplay();
    return;
  }
  if (!Combat.CombatEnded) StartPlayerTurn();
}

}  // namespace qm
