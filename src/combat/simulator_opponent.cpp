// The simulator's opponent: one decision per tick by its expertise. It uses
// only the abilities on its buttons, each once its recharge counter is 0; a
// try the rules refuse passes on to the next one.
#include "combat/combat_rules.h"
#include "combat/simulator.h"
#include "state/game_state.h"
#include "state/random.h"

namespace qm {

using namespace combat;

namespace {

int ButtonOfOpponent(int id) {
  for (int k = 1; k <= kAbilityButtons; ++k)
    if (Combat.EnemyAbilities[k] == id) return k;
  return 0;
}

bool Ready(int id) {
  const int k = ButtonOfOpponent(id);
  if (k == 0 || Sim.counters[kEnemySide][static_cast<size_t>(k)] > 0) return false;
  return !NeedsComboPoints(id) || Combat.EnemyShip[Cb::DurationFactor] >= 3;
}

bool NineIn100() { return Random(100) > 90; }
bool Chance(int in100) { return Random(100) < in100; }

bool Act(int id) { return SimulatorCarryOut(kEnemySide, id); }
// Tries `id` when it is ready and `wanted` holds (the chance is drawn only then).
template <class Wanted>
bool Try(int id, Wanted wanted) {
  return Ready(id) && wanted() && Act(id);
}

bool WeakShield() {
  const auto& e = Combat.EnemyShip;
  return e[Sh::ShieldEnergy] < BaseMaxShields(e[Sh::ShipType]) / 3;
}

// The player's missile is about to strike, or the player has cloaked.
bool UnderThreat() {
  const auto& m = Combat.PlayerMissile;
  return Has(PlayerFx(), Ab::Cloak) || (m.inFlight == 1 && m.turns <= 3);
}

int Trader() {
  for (int id : {Ab::Taunt, Ab::Flee, Ab::Evading, Ab::SosBuoy})
    if (Try(id, NineIn100)) return id;
  for (int id : {Ab::FocusedShield, Ab::FocusedShield2, Ab::ReflectionShield, Ab::ReflectionShield2})
    if (Try(id, [] { return UnderThreat() || Chance(20); })) return id;
  if (Try(Ab::Sacrifice, [] { return Combat.EnemyShip[Cb::DurationFactor] > 2 && WeakShield() && NineIn100(); }))
    return Ab::Sacrifice;
  return 0;
}

int Soldier() {
  for (int id : {Ab::TargetLock, Ab::Discipline})
    if (Try(id, [id] { return !Has(EnemyFx(), id) && Chance(30); })) return id;
  if (Try(Ab::FocusBeam, [] { return Has(EnemyFx(), Ab::Discipline); })) return Ab::FocusBeam;
  if (Try(Ab::TractorBeam, [] { return AbilityLearned(Ab::Flee); })) return Ab::TractorBeam;
  return 0;
}

int Rogue() {
  if (!PlayerStunned()) {
    if (Try(Ab::Emp, [] { return Chance(50); })) return Ab::Emp;
  } else if (Try(Ab::Exploit, [] { return true; })) {
    return Ab::Exploit;
  }
  for (int id : {Ab::EvilTaunt, Ab::TractorBeam})
    if (Try(id, NineIn100)) return id;
  return 0;
}

}  // namespace

int SimulatorOpponentActs() {
  if (SimulatorOver() || EnemyStunned()) return 0;
  if (WeakShield()) {
    for (int id : {Ab::Flee, Ab::Cloak})
      if (Try(id, NineIn100)) return id;
  }
  int id = 0;
  switch (Combat.EnemyShip[Cb::AiKind]) {
    case 1: id = Trader(); break;
    case 2: id = Soldier(); break;
    case 3: id = Rogue(); break;
    default: break;
  }
  if (id != 0 || SimulatorOver()) return id;
  if (Try(Ab::Ecm, [] { return Combat.PlayerMissile.inFlight == 1 && Chance(70); })) return Ab::Ecm;
  if (Try(Ab::FireMissiles, [] { return true; })) return Ab::FireMissiles;
  if (Try(Ab::FireGuns, [] { return true; })) return Ab::FireGuns;
  return 0;
}

}  // namespace qm
