// The simulator's duel: timer ticks instead of turns. Both sides always hold
// 8 AP; an action carried out starts its button's recharge counter instead,
// and the counters, effects and missiles run down tick by tick.
#include "combat/simulator.h"

#include <algorithm>

#include "catalogue/career.h"
#include "catalogue/ships.h"
#include "combat/autopilot.h"
#include "combat/combat_rules.h"
#include "combat/ship_combat.h"
#include "state/frontend.h"
#include "state/game_state.h"

namespace qm {

using namespace combat;

namespace {

constexpr int kDuelAP = 8;
constexpr int kSpeedMs[kSimulatorSpeeds] = {0, 1500, 1200, 1000};
constexpr int kComboCost = 3;  // the least a combo ability needs; it spends them all

IntRow& ShipOf(int side) { return side == kPlayerSide ? Game.Ship : Combat.EnemyShip; }
EffectList& OwnFx(int side) { return side == kPlayerSide ? Combat.PlayerEffects : Combat.EnemyEffects; }

int ButtonOf(int side, int id) {
  for (int k = 1; k <= kAbilityButtons; ++k)
    if (SimulatorAbility(side, k) == id) return k;
  return 0;
}

// The recharge counter of ability `id` for a side: its button's; the opponent
// also keeps one for each ability its decisions use without a button. Null
// for an ability the side cannot use.
int* CounterSlot(int side, int id) {
  if (const int k = ButtonOf(side, id); k > 0)
    return &Sim.counters[static_cast<size_t>(side)][static_cast<size_t>(k)];
  if (side == kEnemySide && id > 0 && id < kSimulatorAbilityIds) return &Sim.unbuttoned[static_cast<size_t>(id)];
  return nullptr;
}

// Hits landed give their side 1 combo point each; a shot of the other side
// that missed is an evade and gives 2.
void CountCombo() {
  int gained[2] = {0, 0};
  for (int side : {kPlayerSide, kEnemySide}) {
    const int other = 1 - side;
    gained[side] = (Combat.Hits[side] - Sim.countedHits[side]) + 2 * (Combat.Misses[other] - Sim.countedMisses[other]);
  }
  for (int side : {kPlayerSide, kEnemySide}) {
    Sim.countedHits[side] = Combat.Hits[side];
    Sim.countedMisses[side] = Combat.Misses[side];
    int& combo = ShipOf(side)[Cb::DurationFactor];
    combo = std::clamp(combo + gained[side], 0, kMaxCombo);
  }
}

// A shield below 1 ends the duel: the opponent's first, as in ship combat.
void CheckDuelEnd() {
  if (Combat.CombatEnded) return;
  auto& e = Combat.EnemyShip;
  auto& s = Game.Ship;
  IntRow* lost = e[Sh::ShieldEnergy] < 1 ? &e : s[Sh::ShieldEnergy] < 1 ? &s : nullptr;
  if (!lost) return;
  (*lost)[Sh::Alive] = 0;
  Sound("Explosion_Ship.wav");
  EndCombat();
}

void CountDownEffects(EffectList& list) {
  for (int slot = 1; slot <= kEffectSlots; ++slot) {
    if (list[slot].active != 1) continue;
    list[slot].turns -= 1;
    if (list[slot].turns <= 0) RemoveSlot(list, slot);
  }
}

void CountDownCounters(int side) {
  const int step = Has(OwnFx(side), Ab::DoubleSpeed) ? 2 : 1;
  const auto down = [step](int& c) { c = std::max(0, c - step); };
  for (int k = 1; k <= kAbilityButtons; ++k) down(Sim.counters[static_cast<size_t>(side)][static_cast<size_t>(k)]);
  if (side == kEnemySide)
    for (int& c : Sim.unbuttoned) down(c);
}

void Refuse(const std::string& topic, const std::string& text) { Notify(topic, text); }

}  // namespace

int SimulatorAbility(int side, int button) {
  if (button < 1 || button > kAbilityButtons) return 0;
  return side == kPlayerSide ? Combat.AbilityBar[button] : Combat.EnemyAbilities[button];
}

int SimulatorButtonOf(int id) { return id > 0 ? ButtonOf(kPlayerSide, id) : 0; }

int SimulatorCounterOf(int side, int id) {
  const int* c = id > 0 ? CounterSlot(side, id) : nullptr;
  return c ? *c : 0;
}

bool NeedsComboPoints(int id) { return id == Ab::DoubleSpeed || id == Ab::Exploit2 || id == Ab::Sacrifice; }

int SimulatorCombo(int side) { return std::clamp<int>(ShipOf(side)[Cb::DurationFactor], 0, kMaxCombo); }

std::string SimulatorComboPicture(int side) { return "Combo_0" + std::to_string(SimulatorCombo(side)) + ".jpg"; }

int SimulatorSpeedInterval(int speed) { return speed >= 0 && speed < kSimulatorSpeeds ? kSpeedMs[speed] : 0; }

void SetSimulatorSpeed(int speed) {
  if (speed >= 0 && speed < kSimulatorSpeeds) Sim.speed = speed;
}

bool SimulatorOver() {
  return Combat.CombatEnded != 0 || Game.Ship[Sh::Alive] <= 0 || Combat.EnemyShip[Sh::Alive] <= 0;
}

const char* SimulatorResult() {
  if (Combat.EnemyShip[Sh::Alive] == 0 && Sim.fought) return "victory";
  if (Game.Ship[Sh::Alive] == 0 && Sim.fought) return "defeat";
  return "none";
}

bool SimulatorCarryOut(int side, int id) {
  if (SimulatorOver() || id <= 0) return false;
  IntRow& ship = ShipOf(side);
  const int rechargeUsed = ship[Cb::RechargeUsed];
  ship[Cb::AP] = kDuelAP;
  bool done = false;
  if (side == kPlayerSide) {
    CarryOutPlayerAction(id);
    // Every refusal leaves the AP untouched; Recharge is told by its flag.
    done = ship[Cb::AP] != kDuelAP || ship[Cb::RechargeUsed] != rechargeUsed;
  } else {
    done = EnemyAction(id);
  }
  const int spent = kDuelAP - ship[Cb::AP];
  ship[Cb::AP] = kDuelAP;
  if (done) {
    int counter = std::max(1, spent);
    if (id == Ab::FireMissiles) {
      // The launcher's reload runs as the button's counter.
      counter = std::max(1, ship[Cb::MissileReload]);
      ship[Cb::MissileReload] = 0;
    } else if (id == Ab::Recharge) {
      Sim.counters[static_cast<size_t>(side)].fill(0);
      if (side == kEnemySide) Sim.unbuttoned.fill(0);
      counter = 1;
    }
    if (int* slot = CounterSlot(side, id)) *slot = counter;
    if (NeedsComboPoints(id)) ship[Cb::DurationFactor] = 0;
    if (side == kPlayerSide)
      Sim.playerActed = id;
    else
      Sim.tickActions[kEnemySide] = id;
  }
  CountCombo();
  CheckDuelEnd();
  UI().RefreshCombat();
  return done;
}

bool SimulatorPlayerAction(int button) {
  if (Sim.step != SimStep::Fight || SimulatorOver()) return false;
  const int id = SimulatorAbility(kPlayerSide, button);
  if (id == 0) return false;
  if (Sim.speed == 0) {
    Refuse("Paused", "The duel is paused. Choose a speed to go on.");
    return false;
  }
  if (PlayerStunned()) {
    Refuse("EMP!",
           "The electronic of your ship has been jammed due to an enemy EMP-pulse. For this turn you are stunned "
           "(Hint: Get the ability: EMP resistance).");
    return false;
  }
  if (!AbilityLearned(id)) {
    Refuse("N/A", "You have not learned this ability.");
    return false;
  }
  if (Sim.counters[kPlayerSide][static_cast<size_t>(button)] > 0) {
    Refuse("Recharging", combatActionName(id) + " is still recharging. Its button lights up again when it is ready.");
    return false;
  }
  if (NeedsComboPoints(id) && Game.Ship[Cb::DurationFactor] < kComboCost) {
    Refuse("Combo points", combatActionName(id) +
                               " needs at least 3 combo points. You gain them by hitting the enemy and by evading "
                               "his fire.");
    return false;
  }
  if (id == Ab::FireMissiles && Combat.PlayerMissile.inFlight) {
    Refuse("N/A", "Your missile is still on its way to the enemy ship.");
    return false;
  }
  return SimulatorCarryOut(kPlayerSide, id);
}

void SimulatorTick() {
  if (Sim.step != SimStep::Fight || Sim.speed == 0 || SimulatorOver()) return;
  ++Sim.ticks;
  Sim.tickActions = {Sim.playerActed, 0};
  Sim.playerActed = 0;
  Game.Ship[Cb::ShotsThisTurn] = 0;  // guns overheat from the shots of one tick
  // A stunned opponent does nothing.
  if (!EnemyStunned()) SimulatorOpponentActs();
  if (!SimulatorOver()) {
    CountDownEffects(Combat.PlayerEffects);
    CountDownEffects(Combat.EnemyEffects);
    CountDownCounters(kPlayerSide);
    CountDownCounters(kEnemySide);
    FlyPlayerMissile();
    if (!Combat.CombatEnded) FlyEnemyMissile();
    CountCombo();
    CheckDuelEnd();
  }
  for (auto& side : Sim.messages)
    for (auto& m : side)
      if (m.ticksLeft > 0) --m.ticksLeft;
  UI().RefreshCombat();
}

int SimulatorPilotMove() {
  if (Sim.step != SimStep::Fight || SimulatorOver() || Sim.speed == 0 || PlayerStunned()) return 0;
  uint64_t unavailable = uint64_t{1} << Ab::ShipSpecial;  // its questions are the player's to answer
  for (int k = 1; k <= kAbilityButtons; ++k) {
    const int id = SimulatorAbility(kPlayerSide, k);
    if (id <= 0 || id >= 64) continue;
    const bool resting = Sim.counters[kPlayerSide][static_cast<size_t>(k)] > 0 ||
                         (NeedsComboPoints(id) && Game.Ship[Cb::DurationFactor] < kComboCost) ||
                         (id == Ab::FireMissiles && Combat.PlayerMissile.inFlight);
    if (resting) unavailable |= uint64_t{1} << id;
  }
  return AutopilotMove(PilotMode::Auto, unavailable);
}

void PostSimulatorMessage(int side, const std::string& topic, const std::string& text) {
  if (side != kPlayerSide && side != kEnemySide) return;
  auto& panels = Sim.messages[static_cast<size_t>(side)];
  std::move_backward(panels.begin(), panels.end() - 1, panels.end());
  panels[0] = {topic, text, kSimulatorMessageTicks};
}

std::string SimulatorShipPicture(int side) {
  const IntRow& ship = ShipOf(side);
  return shipPictureName(ship[Sh::ShipType], ship[Sh::ShipFaction]) + (side == kPlayerSide ? "_L.jpg" : "_R.jpg");
}

std::string SimulatorMissilePicture(int side) {
  return factionPrefix(ShipOf(side)[Sh::ShipFaction]) + "Missile" + (side == kPlayerSide ? "_L.jpg" : "_R.jpg");
}

std::string SimulatorButtonPicture(int side, int button) {
  const int id = SimulatorAbility(side, button);
  if (id == 0) return "";
  const bool ready = Sim.counters[static_cast<size_t>(side == kPlayerSide ? 0 : 1)][static_cast<size_t>(button)] == 0;
  return combatActionPicture(id) + (ready ? "_on.jpg" : "_off.jpg");
}

}  // namespace qm
