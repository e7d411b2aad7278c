// The player's side of a battle: one action per ability button, escape and the
// ship's special ability; the enemy's escape attempts.
#include "catalogue/ships.h"
#include "combat/combat_display.h"
#include "combat/combat_rules.h"
#include "combat/ship_combat.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "combat/world_hooks.h"

namespace qm::combat {
namespace {

std::string ScenePicture(int type, int faction) { return shipPictureName(type, faction) + "_scene.jpg"; }

void EscapeImpossible() {
  Panel(kPlayerSide, "Escape impossible !!", "The enemy ship uses a tractor beam. Trying to escape is useless!");
}

}  // namespace

void PlayerEscape(int action) {
  auto& s = Game.Ship;
  if (Has(EnemyFx(), Ab::TractorBeam)) return EscapeImpossible();
  if (action == Ab::Cloak) {
    if (Has(EnemyFx(), Ab::Mark))
      return Panel(kPlayerSide, "Escape impossible !!", "The enemy ship has put a target mark on you. You cannot cloak.");
    if (s[Sh::CargoSpace] != 3)
      return Modal("Problem !", "You do not have cloaking devices equipped. This is a cargo space upgrade.",
                   ScenePicture(s[Sh::ShipType], s[Sh::ShipFaction]));
  }
  if (!PlayerPays(5)) return;
  SoundOfTwo("Fly1.wav", "Fly2.wav");
  const bool away = Random(100) <= (action == Ab::Cloak ? 49 : 29);
  if (!away) {
    Panel(kPlayerSide, "Escape failed !!", "Your attempt to escape the enemy ship failed. Try again...");
    return;
  }
  Modal("You escape!", "You are able to escape from the battle!", ScenePicture(s[Sh::ShipType], s[Sh::ShipFaction]));
  EndCombat();
}

bool EnemyEscape(int action) {
  auto& e = EnemyShip();
  if (Has(PlayerFx(), Ab::TractorBeam)) return false;
  if (action == Ab::Cloak && (Has(PlayerFx(), Ab::Mark) || Game.Ship[Sh::CargoSpace] != 3)) return false;
  if (action == Ab::Flee && Combat.EnemyEscaped) return false;
  if (!EnemyPays(5)) return false;
  const bool away = Random(100) <= (action == Ab::Cloak ? 39 : 19);
  if (!away) {
    Panel(kEnemySide, "Escape failed !!", "The enemy attempt to escape failed.");
    return true;
  }
  const std::string scene = ScenePicture(e[Sh::ShipType], e[Sh::ShipFaction]);
  if (action == Ab::Flee) {
    Modal("Enemy escapes!",
          "The enemy is able to escape from the battle! Maybe you should acquire and/or use the ability \"tractor "
          "beam\" to prevent this from happening in the future...",
          scene);
    Combat.EnemyEscaped = 1;
  } else {
    Modal("Enemy escapes!", "The enemy is able to escape from the battle!", scene);
    Combat.EnemyCloaked = true;
  }
  EndCombat();
  return true;
}

void PlayerShipSpecial() {
  auto& s = Game.Ship;
  const int special = shipStat(s[Sh::ShipType], Stat::Speciality);
  if (!SpecialHasButton(special)) {
    Modal("N/A", "This spaceship has no special ability that can be used in combat.");
    return;
  }
  const std::string name = specialityName(special);
  const std::string what = specialityExplanation(special);
  auto& fx = PlayerFx();
  if (Has(fx, Ab::ShipSpecial)) {
    if (s[Cb::AP] < 3) return;
    if (!AskYesNo(name, "This spaceship has a special ability which is right now turned *ON*. As long as it stays "
                        "activated " + what + " Do you wish to turn this ability off?"))
      return;
    s[Cb::AP] -= 3;
    RemoveEffect(fx, Ab::ShipSpecial);
    return;
  }
  if (s[Cb::AP] < 3) return NotEnoughAP();
  if (!AskYesNo(name, "This spaceship has a special ability which is right now turned OFF. If activated " + what +
                          " Activate this ability now?"))
    return;
  if (!HasFreeSlot(fx)) return;  // nowhere to hold the effect: nothing is paid
  s[Cb::AP] -= 3;
  Sound("AbilityUsed.wav");
  if (special == ShipUpgrade::AntiPhase) {
    AddEffect(fx, Ab::ShipSpecial, 2);
    if (s[Cb::AntiPhaseUsed] == 1) {
      s[Cb::AP] += 3;
      RemoveEffect(fx, Ab::ShipSpecial);
      Modal("N/A", "The anti-phase emitter can only be used once during the same combat.");
      return;
    }
    s[Cb::AntiPhaseUsed] = 1;
    return;
  }
  AddEffect(fx, Ab::ShipSpecial);
  if (special == ShipUpgrade::DropAllMissiles) {
    if (AskYesNo("Really?", "Are you really sure you wish to drop all missiles for a +1 AP bonus each turn?"))
      s[Cb::MissileReload] = 10000;
    else
      RemoveEffect(fx, Ab::ShipSpecial);
  }
}

void CarryOutPlayerAction(int id) {
  if (IsGunAttack(id))
    PlayerGunAttack(id);
  else if (id == Ab::FireMissiles)
    PlayerFireMissile();
  else if (id == Ab::Ecm)
    PlayerEcm();
  else if (id == Ab::Flee || id == Ab::Cloak)
    PlayerEscape(id);
  else if (IsEffectAbility(id))
    PlayerEffectAbility(id);
  else if (id == Ab::ShipSpecial)
    PlayerShipSpecial();
  else
    PlayerInstantAbility(id);
}

}  // namespace qm::combat

namespace qm {

using namespace combat;

void PlayerAction(int id) {
  auto& s = Game.Ship;
  if (Combat.CombatEnded || s[Cb::AP] == kNotYourTurn) return;
  if (PlayerStunned()) {
    Modal("EMP!",
          "The electronic of your ship has been jammed due to an enemy EMP-pulse. For this turn you are stunned "
          "(Hint: Get the ability: EMP resistance).");
    return;
  }
  if (!AbilityLearned(id)) return;
  const int apBefore = s[Cb::AP];
  CarryOutPlayerAction(id);
  // An action carried out costs its action points; the tutorial follows the ones it asks for.
  if (s[Cb::AP] < apBefore || Combat.CombatEnded) {
    WorldHooks().playerActed(id);
  }
  RefreshCombatDisplay();
  CheckCombatEnd();
  if (!Combat.CombatEnded && s[Cb::AP] != kNotYourTurn && s[Cb::AP] < 1 && BothAlive() &&
      General.Option.AutoNextTurn)
    EndPlayerTurn();
}

}  // namespace qm
