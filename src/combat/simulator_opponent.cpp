// The simulator's opponent: one decision per tick by its expertise. Below a
// third of its shield every opponent first tries to get away; then the
// expertise has its say; the rest fall back on ECM, missiles and guns. The
// trader's defensive tries need the ability on one of its buttons, while the
// escapes, the soldier's and rogue's tries and the fallbacks may use an
// ability its buttons lack. Whatever it uses recharges like a button of its
// own, so nothing is used while its counter runs; a try the rules refuse
// passes on to the next one.
#include "combat/combat_rules.h"
#include "combat/simulator.h"
#include "state/game_state.h"
#include "state/random.h"

namespace qm {

using namespace combat;

namespace {

bool OnItsButtons(int id) {
  for (int k = 1; k <= kAbilityButtons; ++k)
    if (Combat.EnemyAbilities[k] == id) return true;
  return false;
}

// The ability has recharged and, if it needs them, the combo points are there.
bool Ready(int id) {
  if (SimulatorCounterOf(kEnemySide, id) > 0) return false;
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
// As Try, for an ability the opponent must have on its buttons.
template <class Wanted>
bool TryOwn(int id, Wanted wanted) {
  return OnItsButtons(id) && Try(id, wanted);
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
    if (TryOwn(id, NineIn100)) return id;
  for (int id : {Ab::FocusedShield, Ab::FocusedShield2, Ab::ReflectionShield, Ab::ReflectionShield2})
    if (TryOwn(id, [] { return UnderThreat() || Chance(20); })) return id;
  if (TryOwn(Ab::Sacrifice, [] { return Combat.EnemyShip[Cb::DurationFactor] > 2 && WeakShield() && NineIn100(); }))
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
