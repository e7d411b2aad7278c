// Guns, missiles and ECM of both sides.
#include "catalogue/career.h"
#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "combat/combat_rules.h"
#include "combat/ship_combat.h"
#include "state/game_state.h"
#include "state/random.h"

namespace qm::combat {
namespace {

// The texts of one gun attack action.
struct GunAction {
  int id;
  int extraAP;
  const char* playerTopic;
  const char* playerHit;  // the damage follows, then " pts. of damage."
  const char* enemyTopic;
  const char* enemyHit;
  const char* enemyMissTopic;
  const char* enemyMiss;
};

constexpr const char* kEnemyMissOther = "The enemy fires his guns, but misses you.";

constexpr GunAction kGunActions[] = {
    {Ab::FireGuns, 0, "Firing guns !!", "You fire your guns and cause ", "Firing guns !!",
     "Enemy fires his guns and causes ", "Firing guns !!", "Enemy fires his guns, but misses you."},
    {Ab::FocusBeam, 2, "Focused fire !!", "While firing you focus the energy beams and cause ", "Focused fire !!",
     "The enemy focuses the energy beams and causes ", "Focused fire !!", kEnemyMissOther},
    {Ab::OverloadGun, 0, "Overload guns !!", "You overload your guns and fire a sprayed volley causing ",
     "Overload guns !!", "The enemy overloads his guns and fires a sprayed volley causing ", "Overload guns!!",
     kEnemyMissOther},
    {Ab::Exploit, 2, "Exploit !!", "You exploit the enemy being stunned by an EMP and cause ", "Exploit !!",
     "The enemy exploits you being stunned by an EMP and causes ", "Exploit !!", kEnemyMissOther},
    {Ab::Exploit2, 2, "Exploit II !!", "You exploit the enemy being stunned by an EMP and cause ", "Exploit II!!",
     "The enemy exploits you being stunned by an EMP and causes ", "Exploit II!!", kEnemyMissOther},
    {Ab::FocusBeam2, 2, "Focus fire II !!", "While firing you focus the energy beams and cause ", "Focus fire II !!",
     "The enemy focuses the energy beams and causes ", "Focus fire II !!", kEnemyMissOther},
};

const GunAction* FindGunAction(int id) {
  for (const auto& a : kGunActions)
    if (a.id == id) return &a;
  return nullptr;
}

// The damage factor of an action, applied after the modifiers (Exploit II's
// tripling comes before them).
int ApplyActionFactor(int action, int dmg) {
  switch (action) {
    case Ab::FocusBeam: return dmg * 2;
    case Ab::OverloadGun: return dmg / 2;
    case Ab::Exploit: return dmg * 2;
    case Ab::FocusBeam2: return dmg * 3;
    default: return dmg;
  }
}

// The overheating chance of the n-th shot of a turn.
int OverheatChance(int shots) {
  if (shots >= 5) return 60;
  if (shots == 4) return 45;
  if (shots == 3) return 15;
  return 0;
}

void Overheat(const char* text) {
  Modal("Overheating!", text);
  AddEffect(PlayerFx(), Ab::Overheated);
}

}  // namespace

bool IsGunAttack(int id) { return FindGunAction(id) != nullptr; }

void PlayerGunAttack(int action) {
  const GunAction* a = FindGunAction(action);
  if (!a) return;
  auto& s = Game.Ship;
  if ((action == Ab::Exploit || action == Ab::Exploit2) && !EnemyStunned()) {
    Modal("Problem", "The enemy needs to be stunned by an EMP attack.");
    return;
  }
  if (action == Ab::FireGuns && SpecialOn(ShipUpgrade::ShieldPlus)) {
    Modal("N/A",
          "As long as you have the ShieldPlus device activated (ship´s special ability) you cannot fire your "
          "guns.");
    return;
  }
  if (action == Ab::FireGuns && Has(PlayerFx(), Ab::Overheated)) {
    Modal("N/A", combatActionDescription(Ab::Overheated));
    return;
  }
  if (!PlayerPays(gunActionPoints(s[Sh::ShipType], s[Sh::Guns]) + a->extraAP)) return;
  Animate(kPlayerSide, 0);
  SoundOfTwo("FireGuns.wav", "FireGuns2.wav");
  if (!HitRoll(GunAttackChance(true, action))) {
    ++Combat.Misses[kPlayerSide];
    GunSpeciality(0);
    Panel(kPlayerSide, a->playerTopic, "You fire your guns, but miss the enemy ship.");
    return;
  }
  ++Combat.Hits[kPlayerSide];
  int base = gunDamage(s[Sh::ShipType], s[Sh::Guns]);
  if (action == Ab::FireGuns && Game.Player[Pl::Rank] == 7) base += base / 4;
  if (action == Ab::Exploit2) base *= 3;
  int dmg = GunSpeciality(PlayerDamageModifier(base));
  dmg = ApplyActionFactor(action, dmg);
  if (SpecialOn(ShipUpgrade::EnergyTransmitter)) dmg += dmg / 2;
  if (Has(PlayerFx(), Ab::Manouvers)) dmg += dmg / 2;
  if (Has(EnemyFx(), Ab::Manouvers)) dmg += dmg / 4;
  dmg = EnemyShieldsAbsorb(dmg);
  DamageEnemy(RollDamage(dmg));
  PanelNum(kPlayerSide, a->playerTopic, a->playerHit, dmg, " pts. of damage.");
}

bool EnemyGunAttack(int action) {
  const GunAction* a = FindGunAction(action);
  if (!a) return false;
  if ((action == Ab::Exploit || action == Ab::Exploit2) && !PlayerStunned()) return false;
  if (!EnemyPays(EnemyGunAP() + a->extraAP)) return false;
  Animate(kEnemySide, 0);
  SoundOfTwo("FireGuns.wav", "FireGuns2.wav");
  if (!HitRoll(GunAttackChance(false, action))) {
    ++Combat.Misses[kEnemySide];
    Panel(kEnemySide, a->enemyMissTopic, a->enemyMiss);
    return true;
  }
  ++Combat.Hits[kEnemySide];
  int base = EnemyGunDamage();
  switch (action) {
    case Ab::OverloadGun: base /= 2; break;
    case Ab::Exploit2: base *= 3; break;
    case Ab::FocusBeam: case Ab::Exploit: base *= 2; break;
    case Ab::FocusBeam2: base *= 3; break;
    default: break;
  }
  const int before = base;
  if (Has(PlayerFx(), Ab::Manouvers)) base += before / 4;
  if (Has(EnemyFx(), Ab::Manouvers)) base += before / 2;
  int dmg = EnemyDamageModifier(base);
  dmg = PlayerShieldsAbsorb(dmg);
  DamagePlayer(RollDamage(dmg));
  PanelNum(kEnemySide, a->enemyTopic, a->enemyHit, dmg, " pts. of damage.");
  return true;
}

}  // namespace qm::combat

namespace qm {

using namespace combat;

int GunSpeciality(int a) {
  auto& s = Game.Ship;
  s[Cb::ShotsThisTurn] += 1;
  const int kind = SpecialOn(ShipUpgrade::TwinGuns) ? 1 : s[Sh::Guns];
  const int t = OverheatChance(s[Cb::ShotsThisTurn]);
  switch (kind) {
    case 1:
      if (Random(100) < t)
        Overheat("Your Turbo-Lasers have overheated. You have to let them cool down for the next two turns.");
      return a;
    case 2:
      if (a > 0 && Random(100) <= 4) {
        Modal("Double damage!", "Your fusion cannons cause double damage this time (Gun special ability)!");
        return 2 * a;
      }
      return a;
    case 4:
      if (Random(100) <= 4) {
        Modal("Malfunction!",
              "There is a malfunction in your experimental quantum weapons causing an electro magnetic pulse (EMP) "
              "that stuns your ship!");
        AddEffect(EnemyFx(), Ab::Emp);
      }
      return a;
    case 5:
      if (Random(100) <= 14) {
        DamagePlayer(a / 3);
        Modal("Shields lowered!", "Your SuperFusion guns require so much energy that your shield energy is lowered!");
        return 2 * a;
      }
      return a;
    case 6:
      RaiseShield(s, a / 5, PlayerMaxShields());
      return a;
    case 7:
      if (Random(100) <= 4) {
        Modal("EMP effect!",
              "The impact of your disruptor beams cause an electro magnetic pulse (EMP) that stuns the enemy ship!");
        AddEffect(PlayerFx(), Ab::Emp);
      }
      return a;
    case 8:
      if (Random(100) < 10 && Combat.EnemyMissile.inFlight) {
        Modal("Missile destroyed!", "Your barrage has hit the enemy missile and destroyed it!");
        Combat.EnemyMissile = {};
      }
      if (Random(100) < t)
        Overheat("Your Gatling guns have overheated. You have to let them cool down for the next two turns.");
      return a;
    default:
      return a;
  }
}

}  // namespace qm

namespace qm::combat {
namespace {

// Reload turns after a launch: a Destroyer fires once per battle; the Zeus
// Mk. II's heavy warhead takes twice as long to load.
int ReloadTurns(int kind, bool player) {
  if (kind == Missile::Destroyer) return 100000;
  if (kind == Missile::ZeusMk2) return player ? 8 : 10;
  return player ? 4 : 5;
}

bool IsMine(int kind) { return kind == Missile::MineMk1 || kind == Missile::MineMk2; }

}  // namespace

void PlayerFireMissile() {
  auto& s = Game.Ship;
  if (s[Sh::ShieldEnergy] <= 0 || Combat.PlayerMissile.inFlight) return;
  if (s[Cb::MissileReload] >= 1) {
    Modal("Reloading", "Missile launchers need a couple of turns after being fired to reload...");
    return;
  }
  if (s[Sh::Missiles] == Missile::ZeusMk1 && ShipClass(Combat.EnemyShip[Sh::ShipType]) == 1) {
    Modal("N/A", "Torpedos can only be used against capital ships and not against fighters.");
    return;
  }
  if (!PlayerPays(missileActionPoints(s[Sh::ShipType], s[Sh::Missiles]))) return;
  Sound("Missile.wav");
  Panel(kPlayerSide, "Firing missile !!", "You fire a missile at the enemy ship.");
  Combat.PlayerMissile = {1, 3};
  s[Cb::MissileReload] = ReloadTurns(s[Sh::Missiles], true);
}

bool EnemyFireMissile() {
  auto& e = Combat.EnemyShip;
  if (e[Sh::ShieldEnergy] < 1 || Combat.EnemyMissile.inFlight || e[Cb::MissileReload] != 0) return false;
  if (e[Sh::Missiles] == Missile::ZeusMk1 && ShipClass(Game.Ship[Sh::ShipType]) == 1) return false;
  if (!EnemyPays(EnemyMissileAP())) return false;
  Sound("Missile.wav");
  Panel(kEnemySide, "Firing missile !!", "Enemy fires a missile at your ship.");
  e[Sh::ShieldEnergy] -= 1;
  Combat.EnemyMissile = {1, 4};
  e[Cb::MissileReload] = ReloadTurns(e[Sh::Missiles], false);
  return true;
}

void FlyPlayerMissile() {
  auto& m = Combat.PlayerMissile;
  if (!m.inFlight) return;
  const int kind = Game.Ship[Sh::Missiles];
  auto& foe = EnemyFx();
  if (kind == Missile::MineMk1) {
    if (Has(foe, Ab::TractorBeam)) {
      m.turns -= 1;
      RemoveEffect(foe, Ab::TractorBeam);
      Panel(kEnemySide, "Tractor beam off !!", "The tractor beam has been deactivated.");
    }
  } else if (kind == Missile::MineMk2) {
    if (Has(foe, Ab::TractorBeam) || Has(foe, Ab::Mark)) {
      m.turns -= 1;
      RemoveEffect(foe, Ab::Mark);
      if (Has(PlayerFx(), Ab::TractorBeam) && Has(foe, Ab::TractorBeam)) {
        RemoveEffect(foe, Ab::TractorBeam);
        Panel(kEnemySide, "Tractor beam off !!", "The tractor beam has been deactivated.");
      }
      if (Has(PlayerFx(), Ab::Mark) && Has(foe, Ab::TractorBeam)) {
        RemoveEffect(foe, Ab::TractorBeam);
        Panel(kEnemySide, "Mark off !!", "The mark ability has been deactivated.");
      }
    }
  } else {
    m.turns -= 1;
  }
  if (m.turns >= 1) return;
  ++Combat.Hits[kPlayerSide];
  int d = missileDamage(Game.Ship[Sh::ShipType], kind) * 2;
  if (SpecialOn(ShipUpgrade::AecmMissiles) || SpecialOn(ShipUpgrade::GunVolley)) d -= d / 3;
  d = EnemyShieldsAbsorb(d);
  DamageEnemy(RollDamage(d));
  Sound("Explosion_Missile.wav");
  PanelNum(kPlayerSide, "Missile hit !!", "Your missile hits the enemy. ", d, " pts. of damage caused.");
  m = {};
  if (kind == Missile::ZeusEmp) AddEffect(PlayerFx(), Ab::Emp);
}

void FlyEnemyMissile() {
  auto& m = Combat.EnemyMissile;
  if (!m.inFlight) return;
  const int kind = Combat.EnemyShip[Sh::Missiles];
  const auto& mine = PlayerFx();
  if (kind == Missile::MineMk1) {
    if (Has(mine, Ab::TractorBeam)) m.turns -= 1;
  } else if (kind == Missile::MineMk2) {
    if (Has(mine, Ab::TractorBeam) || Has(mine, Ab::Mark)) m.turns -= 1;
  } else {
    m.turns -= 1;
  }
  if (m.turns >= 1) return;
  ++Combat.Hits[kEnemySide];
  int d = EnemyMissileDamage() * 2;
  d = PlayerShieldsAbsorb(d);
  DamagePlayer(RollDamage(d));
  Sound("Explosion_Missile.wav");
  PanelNum(kEnemySide, "Missile hit !!", "You are hit by a missile. ", d, " pts. of damage caused.");
  m = {};
  if (kind == Missile::ZeusEmp) AddEffect(EnemyFx(), Ab::Emp);
}

void PlayerEcm() {
  auto& s = Game.Ship;
  if (!Combat.EnemyMissile.inFlight) {
    Modal("No enemy missile!",
          "The enemy has fired no missiles! There is nothing you could try to intercept with your anti-missile ECM!");
    return;
  }
  if (!PlayerPays(ecmActionPoints(s[Sh::Ecm]))) return;
  Sound("ECM.wav");
  const int enemyKind = Combat.EnemyShip[Sh::Missiles];
  int chance = PlayerHitModifier(ecmChance(s[Sh::Ecm])) + missileEcmModifier(enemyKind);
  if (s[Sh::Ecm] == 4 && IsMine(enemyKind)) chance *= 2;
  if (s[Sh::Ecm] == 5 && Random(100) < 15) {
    DamagePlayer(PlayerMaxShields() / 10);
    Modal("Shields lowered!", "Your Plasma Net ECM requires so much energy that your shield energy is lowered!");
  }
  if (Game.Player[Pl::Rank] == 7) chance += 5;
  if (HitRoll(chance)) {
    Combat.EnemyMissile = {};
    Panel(kPlayerSide, "Firing ECM !!", "Your ECM is able to mislead the enemy missile.");
  } else {
    Panel(kPlayerSide, "Firing ECM !!", "ECM fails and the enemy missile is still on track.");
  }
}

bool EnemyEcm() {
  if (!Combat.PlayerMissile.inFlight) return false;
  const auto& e = Combat.EnemyShip;
  if (!EnemyPays(ecmActionPoints(e[Sh::Ecm]))) return false;
  Sound("ECM.wav");
  const int s = ecmChance(e[Sh::Ecm]);
  int chance = missileEcmModifier(Game.Ship[Sh::Missiles]) + (s - s / 3);
  if (SpecialOn(ShipUpgrade::AecmMissiles)) chance -= chance / 2;
  if (HitRoll(chance)) {
    Combat.PlayerMissile = {};
    Panel(kEnemySide, "Firing ECM !!", "Enemy ECM is able to mislead the enemy missile.");
  } else {
    Panel(kEnemySide, "Firing ECM !!", "Enemy ECM fails and your missile is still on track.");
  }
  return true;
}

}  // namespace qm::combat
