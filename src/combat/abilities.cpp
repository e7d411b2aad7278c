// The abilities that add an effect (Taunt, shields, EMP, ...) and the instant
// ones (Recharge, Disturb, Shield boost, Energy channelling, Calmness), for
// both sides.
#include "catalogue/career.h"
#include "combat/combat_rules.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"

namespace qm::combat {
namespace {

struct EffectAbility {
  int id;
  int playerAP;
  int enemyAP;
  int excludes;  // refused while this effect is active (0 none)
  const char* playerTopic;  // nullptr: no panel message
  const char* playerText;
  const char* enemyTopic;
  const char* enemyText;
};

constexpr const char* kTauntText =
    "You taunt the enemy pilot, which makes him attack you blindly reducing his accuracy.";
constexpr const char* kEnemyTauntText =
    "The enemy pilot taunts you and you feel the anger rising and reducing your accuracy.";
constexpr const char* kFocusedText =
    "You focus the shield power to the parts of the ship most likely hit during the next attack.";
constexpr const char* kReflectText = "You canalise reflective photonic particles from your engine to your shields.";

constexpr EffectAbility kEffectAbilities[] = {
    {Ab::TargetLock, 1, 1, 0, nullptr, nullptr, nullptr, nullptr},
    {Ab::Discipline, 1, 1, 0, nullptr, nullptr, nullptr, nullptr},
    {Ab::Manouvers, 1, 1, 0, nullptr, nullptr, nullptr, nullptr},
    {Ab::DoubleSpeed, 1, 1, 0, nullptr, nullptr, nullptr, nullptr},
    {Ab::Taunt, 1, 1, 0, "Taunt !!", kTauntText, "Taunt !!", kEnemyTauntText},
    {Ab::TractorBeam, 2, 2, 0, "Tractor beam !!",
     "You focus the enemy ship with a tractor beam. He cannot escape anymore.", "Tractor beam !!",
     "The enemy pilot has focused you with a tractor beam! You cannot escape anymore!"},
    {Ab::EvilTaunt, 1, 1, 0, "Evil Taunt !!", kTauntText, "Evil Taunt !!", kEnemyTauntText},
    {Ab::Emp, 5, 2, 0, "Firing EMP !!", "The enemy is hit by your  EMP fire! His ship systems are jammed!",
     "Firing EMP !!", "You are hit by enemy EMP fire! Your ship systems are jammed!"},
    {Ab::Mark, 1, 1, 0, "Mark !!", "You put a target mark on the enemy ship making it impossible to cloak!",
     "Mark !!", "The enemy pilot puts a target mark on you making it impossible to cloak!"},
    {Ab::EmpResistance, 2, 1, 0, "EMP resistance !!", "You manipulate your energy shields to resist an EMP attack!",
     "EMP resistance!!", "The enemy pilot manipulates his shields to resist an EMP attack."},
    {Ab::FocusedShield, 2, 2, Ab::FocusedShield2, "Focused shield !!", kFocusedText, "Focused shield !!",
     kFocusedText},
    {Ab::FocusedShield2, 2, 2, Ab::FocusedShield, "Focused shield II !!", kFocusedText, "Focused shield II !!",
     kFocusedText},
    {Ab::ReflectionShield, 2, 2, Ab::ReflectionShield2, "Reflection shield !!", kReflectText,
     "Reflection shield !!", kReflectText},
    {Ab::ReflectionShield2, 2, 2, Ab::ReflectionShield, "Reflection shield !!", kReflectText,
     "Reflection shield !!", kReflectText},
    {Ab::Evading, 2, 2, 0, "Evasion manouvers !!",
     "You start evasive manouvers making it more difficult to hit and to be hit.", "Evasion manouvers !!",
     "The enemy ships starts evasive manouvers."},
    {Ab::SosBuoy, 2, 2, 0, "Firing SOS buoy !!", "You fire a SOS-buoy speeding up reinforcements.",
     "Firing SOS buoy !!", "The enemy fires a SOS-buoy speeding up reinforcements."},
    {Ab::RadioJammer, 2, 2, 0, "Radio jammer !!", "Enemy reinforcements are slowed down.", "Radio jammer !!",
     "Your reinforcements are slowed down!"},
    {Ab::Emp2, 5, 2, 0, "Firing EMP !!", "The enemy is hit by your  EMP fire! His ship systems are jammed!",
     "Firing EMP !!", "You are hit by enemy EMP fire! Your ship systems are jammed!"},
};

const EffectAbility* FindEffectAbility(int id) {
  for (const auto& a : kEffectAbilities)
    if (a.id == id) return &a;
  return nullptr;
}

// An EMP shot at a target whose own list is `target`.
bool EmpHits(int id, const EffectList& target) {
  const int r = Random(100);
  if (id == Ab::Emp2) return r <= 49;
  return r < (Has(target, Ab::EmpResistance) ? 12 : 50);
}

}  // namespace

bool IsEffectAbility(int id) { return FindEffectAbility(id) != nullptr; }

void PlayerEffectAbility(int id) {
  const EffectAbility* a = FindEffectAbility(id);
  if (!a) return;
  auto& fx = PlayerFx();
  if (Has(fx, id)) {
    if (id == Ab::TractorBeam || id == Ab::Mark) {
      if (AskYesNo("Turn off?", "Do you wish to turn off this ability?")) RemoveEffect(fx, id);
      return;
    }
    Modal("N/A",
          "This ability is already active and cannot be activated twice. You can see the active abilities at the top "
          "left corner of your screen.");
    return;
  }
  if (a->excludes && Has(fx, a->excludes)) {
    Modal("N/A", combatActionName(id) + " cannot be activated while " + combatActionName(a->excludes) +
                     " is active.");
    return;
  }
  if (Game.Ship[Cb::AP] < a->playerAP) return NotEnoughAP();
  if (!HasFreeSlot(fx)) return;  // a full list: nothing happens, nothing is paid
  PlayerPays(a->playerAP);
  Sound("AbilityUsed.wav");
  if (id == Ab::Emp || id == Ab::Emp2) {
    if (!EmpHits(id, EnemyFx())) {
      Panel(kPlayerSide, a->playerTopic, "Your EMP fire misses the enemy!");
      return;
    }
  }
  AddEffect(fx, id);
  if (a->playerTopic) Panel(kPlayerSide, a->playerTopic, a->playerText);
}

bool EnemyEffectAbility(int id) {
  const EffectAbility* a = FindEffectAbility(id);
  if (!a) return false;
  auto& fx = EnemyFx();
  if (Has(fx, id) || (a->excludes && Has(fx, a->excludes)) || !HasFreeSlot(fx)) return false;
  if (!EnemyPays(a->enemyAP)) return false;
  if (id == Ab::Emp || id == Ab::Emp2) {
    if (!EmpHits(id, PlayerFx())) {
      Panel(kEnemySide, a->enemyTopic, "The enemy EMP fire misses you!");
      return true;
    }
  }
  AddEffect(fx, id);
  if (a->enemyTopic) Panel(kEnemySide, a->enemyTopic, a->enemyText);
  return true;
}

namespace {

// Disturb: one random active effect of `list` is removed. Returns false when
// the list was empty.
bool DisturbOne(EffectList& list) {
  if (ActiveEffects(list) == 0) return false;
  for (int i = 0; i < 100; ++i) {
    const int slot = Random(8);
    if (slot >= 1 && list[slot].active == 1) {
      RemoveSlot(list, slot);
      return true;
    }
  }
  for (int s = kEffectSlots; s >= 1; --s) {
    if (list[s].active == 1) {
      RemoveSlot(list, s);
      return true;
    }
  }
  return false;
}

bool DisturbAll(EffectList& list) {
  bool any = false;
  for (int s = 1; s <= kEffectSlots; ++s) {
    if (list[s].active != 1) continue;
    RemoveSlot(list, s);
    any = true;
  }
  return any;
}

void EnergyChannelling() {
  auto& s = Game.Ship;
  auto& fx = PlayerFx();
  constexpr int kShields[] = {Ab::FocusedShield, Ab::FocusedShield2, Ab::ReflectionShield, Ab::ReflectionShield2};
  int n = 0;
  for (int id : kShields) n += Has(fx, id);
  if (n == 0) {
    Modal("N/A", "You either need the skills \"Focused shield\" or \"Reflective shield\" activated.");
    return;
  }
  if (s[Cb::ChannellingUsed] == 1) {
    Modal("N/A", "You can only use energy channeling once in every combat.");
    return;
  }
  if (!PlayerPays(5)) return;
  s[Cb::ChannellingUsed] = 1;
  for (int id : kShields) RemoveEffect(fx, id);
  const int q = 5 - n;
  const int max = PlayerMaxShields();
  RaiseShield(s, max / q, max);
  static constexpr const char* kPercent[] = {"", "100", "50", "35", "25", "20"};
  Panel(kPlayerSide, "Energy channelling !!", std::string("Your shields are recharged by ") + kPercent[q] + "%.");
}

}  // namespace

void PlayerInstantAbility(int id) {
  auto& s = Game.Ship;
  switch (id) {
    case Ab::Recharge:
      if (s[Cb::RechargeUsed] == 1) return Modal("N/A", "You can only recharge your action points once in every combat.");
      if (s[Cb::AP] < 1) return NotEnoughAP();
      s[Cb::RechargeUsed] = 1;
      s[Cb::AP] = Has(PlayerFx(), Ab::DoubleSpeed) ? 7 : 5;
      Panel(kPlayerSide, "Recharge !!", "Your action points are fully recharged.");
      return;
    case Ab::Disturb:
      if (!PlayerPays(2)) return;
      if (DisturbOne(EnemyFx())) Panel(kPlayerSide, "Disturb !!", "One enemy bonus effect removed.");
      return;
    case Ab::Disturb2:
      if (!PlayerPays(2)) return;
      if (DisturbAll(EnemyFx())) Panel(kPlayerSide, "Disturb II !!", "All enemy bonuses are removed.");
      return;
    case Ab::ShieldBoost: {
      if (s[Cb::ShieldBoostUsed] == 1) return Modal("N/A", "You can only recalibrate your shield once in every combat.");
      if (!PlayerPays(3)) return;
      s[Cb::ShieldBoostUsed] = 1;
      const int max = PlayerMaxShields();
      RaiseShield(s, max / 4, max);
      Panel(kPlayerSide, "Shield Boost !!", "Your shields are recharged by 25%.");
      return;
    }
    case Ab::Sacrifice:
      return EnergyChannelling();
    case Ab::Calmness:
      if (s[Cb::AP] < 1) return NotEnoughAP();
      if (!Has(EnemyFx(), Ab::Taunt) && !Has(EnemyFx(), Ab::EvilTaunt))
        return Modal("N/A", "The enemy has no taunt effect active.");
      PlayerPays(1);
      RemoveEffect(EnemyFx(), Ab::Taunt);
      RemoveEffect(EnemyFx(), Ab::EvilTaunt);
      Panel(kPlayerSide, "Calmness", "Taunt effect removed!");
      return;
    default:
      return;
  }
}

bool EnemyInstantAbility(int id) {
  auto& e = EnemyShip();
  switch (id) {
    case Ab::Recharge:
      if (e[Cb::RechargeUsed] == 1 || e[Cb::AP] < 1) return false;
      e[Cb::RechargeUsed] = 1;
      e[Cb::AP] = Has(EnemyFx(), Ab::DoubleSpeed) ? 7 : 5;
      Panel(kEnemySide, "Recharge !!", "Your action points are fully recharged.");
      return true;
    case Ab::Disturb:
      if (!EnemyPays(2)) return false;
      if (DisturbOne(PlayerFx())) Panel(kEnemySide, "Disturb !!", "One enemy bonus effect removed.");
      return true;
    case Ab::Disturb2:
      if (!EnemyPays(2)) return false;
      if (DisturbAll(PlayerFx())) Panel(kEnemySide, "Disturb II !!", "All enemy bonuses are removed.");
      return true;
    default:
      return false;
  }
}

}  // namespace qm::combat
