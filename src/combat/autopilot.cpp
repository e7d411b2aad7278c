#include "combat/autopilot.h"

#include <cstdint>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "combat/combat_rules.h"
#include "combat/ship_combat.h"
#include "state/game_state.h"

namespace qm {

using namespace combat;

namespace {

int GunAP() { return gunActionPoints(Game.Ship[Sh::ShipType], Game.Ship[Sh::Guns]); }

// What an action costs the player (enough to decide whether to try it).
int Cost(int id) {
  const auto& s = Game.Ship;
  switch (id) {
    case Ab::FireGuns: case Ab::OverloadGun: return GunAP();
    case Ab::FocusBeam: case Ab::Exploit: case Ab::Exploit2: case Ab::FocusBeam2: return GunAP() + 2;
    case Ab::FireMissiles: return missileActionPoints(s[Sh::ShipType], s[Sh::Missiles]);
    case Ab::Ecm: return ecmActionPoints(s[Sh::Ecm]);
    case Ab::Flee: case Ab::Cloak: case Ab::Emp: case Ab::Emp2: case Ab::Sacrifice: return 5;
    case Ab::TargetLock: case Ab::Discipline: case Ab::Manouvers: case Ab::DoubleSpeed: case Ab::Taunt:
    case Ab::EvilTaunt: case Ab::Mark: case Ab::Calmness: case Ab::Recharge:
      return 1;
    case Ab::ShieldBoost: case Ab::ShipSpecial: return 3;
    default: return 2;
  }
}

class Chooser {
 public:
  Chooser(uint64_t refused) : refused_(refused) {}

  bool Can(int id) const {
    return !(refused_ >> id & 1u) && AbilityLearned(id) && Game.Ship[Cb::AP] >= Cost(id);
  }
  // A buff worth its AP: not active, room for it, and the guns can still fire.
  bool CanBuff(int id) const {
    return Can(id) && !Has(PlayerFx(), id) && HasFreeSlot(PlayerFx()) && Game.Ship[Cb::AP] - Cost(id) >= GunAP();
  }

  int Flee() const {
    if (Has(EnemyFx(), Ab::TractorBeam)) return 0;
    if (Can(Ab::Flee)) return Ab::Flee;
    if (Can(Ab::Cloak) && Game.Ship[Sh::CargoSpace] == 3 && !Has(EnemyFx(), Ab::Mark)) return Ab::Cloak;
    return 0;
  }

  int Fight() const {
    const auto& s = Game.Ship;
    const auto& e = Combat.EnemyShip;
    const int mine = Percent(s[Sh::ShieldEnergy], PlayerMaxShields());
    const int theirs = Percent(e[Sh::ShieldEnergy], EnemyMaxShields());
    if (mine < 25 && theirs > 50) {
      if (const int away = Flee()) return away;
    }
    if (Combat.EnemyMissile.inFlight && Can(Ab::Ecm)) return Ab::Ecm;
    if (mine < 50 && s[Cb::ShieldBoostUsed] == 0 && Can(Ab::ShieldBoost)) return Ab::ShieldBoost;
    if (EnemyStunned()) {
      if (Can(Ab::Exploit2)) return Ab::Exploit2;
      if (Can(Ab::Exploit)) return Ab::Exploit;
    }
    if (MissileReady() && Can(Ab::FireMissiles)) return Ab::FireMissiles;
    for (int id : {Ab::TargetLock, Ab::Discipline, Ab::FocusedShield2, Ab::ReflectionShield2, Ab::EvilTaunt}) {
      if (CanBuff(id)) return id;
    }
    if (!Has(PlayerFx(), Ab::FocusedShield2) && CanBuff(Ab::FocusedShield)) return Ab::FocusedShield;
    if (!Has(PlayerFx(), Ab::ReflectionShield2) && CanBuff(Ab::ReflectionShield)) return Ab::ReflectionShield;
    if (!Has(PlayerFx(), Ab::EvilTaunt) && CanBuff(Ab::Taunt)) return Ab::Taunt;
    if (!EnemyStunned() && s[Cb::AP] >= 5 + GunAP()) {
      if (Can(Ab::Emp2) && !Has(PlayerFx(), Ab::Emp2)) return Ab::Emp2;
      if (Can(Ab::Emp) && !Has(PlayerFx(), Ab::Emp)) return Ab::Emp;
    }
    const bool gunsBlocked = Has(PlayerFx(), Ab::Overheated) || SpecialOn(ShipUpgrade::ShieldPlus);
    if (!gunsBlocked && Can(Ab::FireGuns)) return Ab::FireGuns;
    if (gunsBlocked) {
      for (int id : {Ab::FocusBeam2, Ab::FocusBeam, Ab::OverloadGun})
        if (Can(id)) return id;
    }
    if (s[Cb::RechargeUsed] == 0 && Can(Ab::Recharge) && s[Cb::AP] < GunAP()) return Ab::Recharge;
    return 0;
  }

 private:
  static int Percent(int shield, int max) { return static_cast<int>(int64_t{shield} * 100 / (max > 0 ? max : 1)); }

  static bool MissileReady() {
    const auto& s = Game.Ship;
    const int kind = s[Sh::Missiles];
    if (Combat.PlayerMissile.inFlight || s[Cb::MissileReload] > 0) return false;
    if (kind == Missile::MineMk1 || kind == Missile::MineMk2) return false;  // they wait for a tractor beam
    return !(kind == Missile::ZeusMk1 && ShipClass(Combat.EnemyShip[Sh::ShipType]) == 1);
  }

  uint64_t refused_;
};

int Choose(PilotMode mode, uint64_t refused) {
  if (PlayerStunned()) return 0;
  Chooser c(refused);
  return mode == PilotMode::Flee ? c.Flee() : c.Fight();
}

}  // namespace

int AutopilotMove(PilotMode mode) { return Choose(mode, 0); }
int AutopilotMove(PilotMode mode, uint64_t unavailable) { return Choose(mode, unavailable); }

void FightBattle(PilotMode mode, const MoveSource& moves, int maxTurns) {
  if (!BothAlive()) {
    EndCombat();
    return;
  }
  bool manual = mode == PilotMode::Manual && moves;
  const PilotMode own = mode == PilotMode::Manual ? PilotMode::Auto : mode;
  auto& s = Game.Ship;
  for (int turn = 0; !Combat.CombatEnded; ++turn) {
    if (turn >= maxTurns) {
      EndCombat();  // a stalemate: the ships part
      break;
    }
    uint64_t refused = 0;
    for (int n = 0; n < 200 && !Combat.CombatEnded && s[Cb::AP] != kNotYourTurn; ++n) {
      int id = manual ? moves() : Choose(own, refused);
      if (id < 0) {
        manual = false;  // the move source has run dry
        id = Choose(own, refused);
      }
      if (id == 0 && manual) {
        EndTurnButton();  // by hand, as on the screen: asked when AP are left
        continue;
      }
      if (id == 0) break;
      const int before = s[Cb::AP];
      PlayerAction(id);
      if (s[Cb::AP] == before && id >= 0 && id < 64) refused |= uint64_t{1} << id;
    }
    if (Combat.CombatEnded) break;
    EndPlayerTurn();
    RunEnemyTurn();
  }
}

}  // namespace qm
