// The change of turns: the end of the player's turn, and the upkeep between the
// enemy's turn and the player's next one (effects, ship specials, missiles,
// reinforcements).
#include "catalogue/ships.h"
#include "combat/combat_display.h"
#include "combat/combat_rules.h"
#include "combat/ship_combat.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "combat/world_hooks.h"

namespace qm {

using namespace combat;

namespace {

// Counts a side's effects down; a player's Double speed that goes on adds its AP.
void CountDownEffects(EffectList& list, bool player) {
  for (int s = 1; s <= kEffectSlots; ++s) {
    auto& slot = list[s];
    if (slot.active != 1) continue;
    slot.turns -= 1;
    if (slot.turns <= 0) {
      RemoveSlot(list, s);
    } else if (player && slot.id == Ab::DoubleSpeed) {
      Game.Ship[Cb::AP] += 2;
      Game.Ship[Cb::EightPointGauge] = 1;
    }
  }
}

void ShipSpecialUpkeep() {
  auto& s = Game.Ship;
  const int base = BaseMaxShields(s[Sh::ShipType]);
  const int max = PlayerMaxShields();
  if (SpecialOn(ShipUpgrade::DropAllMissiles)) {
    s[Cb::AP] += 1;
    s[Cb::EightPointGauge] = 1;
  } else if (SpecialOn(ShipUpgrade::ShieldPlus)) {
    RaiseShield(s, base / 20, max);
  } else if (SpecialOn(ShipUpgrade::EnergyShifting)) {
    s[Cb::AP] += 2;
    s[Cb::EightPointGauge] = 1;
    s[Sh::ShieldEnergy] -= base / 10;
  } else if (SpecialOn(ShipUpgrade::EnergyBoost)) {
    s[Cb::AP] -= 2;
    RaiseShield(s, base / 20, max);
  }
}

// Reinforcements already present strike each turn.
void ReinforcementsStrike() {
  if (Has(PlayerFx(), Ab::Reinforcements)) {
    const int v = ShipClass(Game.Ship[Sh::ShipType]) * 10;
    DamageEnemy(RollDamage(v));
    PanelNum(kPlayerSide, "Reinforcements !!", "Your reinforcements cause ", v, " pts. of damage on the enemy ship.");
  }
  if (Has(EnemyFx(), Ab::Reinforcements)) {
    const int v = SpecialOn(ShipUpgrade::AntiPhase) ? 0 : ShipClass(Combat.EnemyShip[Sh::ShipType]) * 10;
    DamagePlayer(RollDamage(v));
    PanelNum(kEnemySide, "Reinforcements !!", "The enemy reinforcements cause ", v, " pts. of damage on your ship.");
  }
}

// One side's reinforcement countdown. Only reinforcements still on their way
// are sped up or slowed down, and they arrive once.
void CountDownReinforcements(int& countdown, bool ownBuoy, bool foeJammer, EffectList& list, const char* arrival) {
  if (countdown <= 0) return;
  countdown -= 1;
  if (ownBuoy && countdown > 0) countdown -= 1;
  if (foeJammer) countdown += 1;
  if (countdown != 0) return;
  if (!HasFreeSlot(list)) {
    countdown = 1;  // the arrival waits a turn
    return;
  }
  Panel(kPlayerSide, "Reinforcements !!", arrival);
  AddEffect(list, Ab::Reinforcements);
}

}  // namespace

void EndPlayerTurn() {
  auto& s = Game.Ship;
  if (Combat.CombatEnded || s[Cb::AP] == kNotYourTurn) return;
  s[Cb::ShotsThisTurn] = 0;
  s[Cb::AP] = kNotYourTurn;
  Combat.EndTurnEnabled = false;
  auto& e = Combat.EnemyShip;
  e[Cb::AP] = shipStat(e[Sh::ShipType], Stat::ActionPointsPerTurn);
  e[Cb::ScriptStep] = 0;
  e[Cb::ScriptPaused] = 0;
  RefreshCombatDisplay();
  EnemyTurnStep();
}

void EndTurnButton() {
  const int ap = Game.Ship[Cb::AP];
  if (Combat.CombatEnded || ap == kNotYourTurn) return;
  if (ap >= 5) {
    if (!AskYesNo("Really?",
                  "Do you really wish to end this turn? You still have some action-points (AP) left and you may be "
                  "able use an ability (e.g. firing on the enemy ship)."))
      return;
  } else if (Run.TutorialActive && ap >= 1) {
    if (!AskYesNo("Really?",
                  "Do you really wish to end this turn? You still have some action-points (AP) left and may be able "
                  "to use an ability."))
      return;
  }
  EndPlayerTurn();
}

void StartPlayerTurn() {
  auto& s = Game.Ship;
  auto& e = Combat.EnemyShip;
  Combat.EndTurnEnabled = true;
  s[Cb::AP] = shipStat(s[Sh::ShipType], Stat::ActionPointsPerTurn);
  CountDownEffects(PlayerFx(), true);
  ShipSpecialUpkeep();
  CountDownEffects(EnemyFx(), false);
  if (s[Cb::MissileReload] > 0) s[Cb::MissileReload] -= 1;
  if (e[Cb::MissileReload] > 0) e[Cb::MissileReload] -= 1;
  FlyPlayerMissile();
  FlyEnemyMissile();
  ReinforcementsStrike();
  CountDownReinforcements(s[Cb::Reinforcements], Has(PlayerFx(), Ab::SosBuoy), Has(EnemyFx(), Ab::RadioJammer),
                          PlayerFx(), "A squadron of friendly fighters arrives to help you.");
  CountDownReinforcements(e[Cb::Reinforcements], Has(EnemyFx(), Ab::SosBuoy), Has(PlayerFx(), Ab::RadioJammer),
                          EnemyFx(), "A squadron of enemy fighters arrives to help your opponent.");
  RefreshCombatDisplay();
  CheckCombatEnd();
  if (Combat.CombatEnded) return;  // the battle is over: no offer, no hook on a closed screen
  OfferBoarding();
  WorldHooks().turnEnded();
}

void RunEnemyTurn() {
  auto& e = Combat.EnemyShip;
  // Each call tries at least one step, so the script ends within 39 calls.
  for (int guard = 0; guard < 64 && !Combat.CombatEnded && Game.Ship[Cb::AP] == kNotYourTurn; ++guard) {
    e[Cb::ScriptPaused] = 0;
    EnemyTurnStep();
  }
}

}  // namespace qm
