#include "combat/combat_rules.h"

#include <algorithm>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"

namespace qm::combat {
namespace {

bool quiet = false;

// Looks the enemy's numbers up with the player's ship special out of the way:
// an enemy of the player's own ship type must not share its switched-on special.
class WithoutPlayerSpecial {
 public:
  WithoutPlayerSpecial() : saved_(Run.PlayerSpecialActive) { Run.PlayerSpecialActive = false; }
  ~WithoutPlayerSpecial() { Run.PlayerSpecialActive = saved_; }
  WithoutPlayerSpecial(const WithoutPlayerSpecial&) = delete;
  WithoutPlayerSpecial& operator=(const WithoutPlayerSpecial&) = delete;

 private:
  bool saved_;
};

}  // namespace

// Effect lists ----------------------------------------------------------------

int EffectDuration(int id) {
  switch (id) {
    case 6: case 7: case 8: case 9: case 10: case 12: case 13: case 22: case 23: case 24: case 25: case 26:
      return 4;
    case 11: return 10;
    case 14: return 10;
    case 20: return 15;
    case 31: return 20;
    case 30: case 36: return 10000;
    default: return 2;
  }
}

int FindEffect(const EffectList& list, int id) {
  for (int s = kEffectSlots; s >= 1; --s)
    if (list[s].active == 1 && list[s].id == id) return s;
  return 0;
}

bool HasFreeSlot(const EffectList& list) {
  for (int s = 1; s <= kEffectSlots; ++s)
    if (list[s].active != 1) return true;
  return false;
}

bool AddEffect(EffectList& list, int id, int turns) {
  for (int s = 1; s <= kEffectSlots; ++s) {
    if (list[s].active == 1) continue;
    list[s] = {1, id, turns > 0 ? turns : EffectDuration(id)};
    if (&list == &Combat.PlayerEffects && id == Ab::ShipSpecial) SyncPlayerSpecial();
    return true;
  }
  return false;
}

void RemoveSlot(EffectList& list, int slot) {
  if (slot < 1 || slot > kEffectSlots) return;
  const bool special = list[slot].id == Ab::ShipSpecial;
  list[slot].active = 0;
  if (special && &list == &Combat.PlayerEffects) SyncPlayerSpecial();
}

void RemoveEffect(EffectList& list, int id) { RemoveSlot(list, FindEffect(list, id)); }

int ActiveEffects(const EffectList& list) {
  int n = 0;
  for (int s = 1; s <= kEffectSlots; ++s) n += list[s].active == 1;
  return n;
}

void SyncPlayerSpecial() {
  Run.PlayerSpecialActive = Combat.CombatEnded == 0 && Has(Combat.PlayerEffects, Ab::ShipSpecial);
}

// The two sides -----------------------------------------------------------------

IntRow& PlayerShip() { return Game.Ship; }
IntRow& EnemyShip() { return Combat.EnemyShip; }

bool PlayerStunned() { return Has(EnemyFx(), Ab::Emp) || Has(EnemyFx(), Ab::Emp2); }
bool EnemyStunned() { return Has(PlayerFx(), Ab::Emp) || Has(PlayerFx(), Ab::Emp2); }

bool SpecialOn(int speciality) {
  return Has(PlayerFx(), Ab::ShipSpecial) && shipStat(Game.Ship[Sh::ShipType], Stat::Speciality) == speciality;
}

int PlayerMaxShields() {
  const auto& s = Game.Ship;
  return maxShields(s[Sh::ShipType], s[Sh::Engines], s[Sh::CargoSpace]);
}
int EnemyMaxShields() {
  const auto& e = Combat.EnemyShip;
  return maxShields(e[Sh::ShipType], e[Sh::Engines], e[Sh::CargoSpace]);
}
int BaseMaxShields(int shipType) { return shipStat(shipType, Stat::MaxShields); }
int ShipClass(int shipType) { return shipStat(shipType, Stat::Class); }

bool AbilityLearned(int id) {
  if (id == Ab::ShipSpecial) return true;
  if (Game.CombatAbilities[id] == 1) return true;
  return id == Ab::Flee && Game.Ship[Sh::Engines] == 2;
}

bool BothAlive() { return Game.Ship[Sh::Alive] > 0 && Combat.EnemyShip[Sh::Alive] > 0; }

int EnemyGunHitChance() {
  WithoutPlayerSpecial guard;
  return gunHitChance(Combat.EnemyShip[Sh::ShipType], Combat.EnemyShip[Sh::Guns]);
}
int EnemyGunDamage() {
  WithoutPlayerSpecial guard;
  return gunDamage(Combat.EnemyShip[Sh::ShipType], Combat.EnemyShip[Sh::Guns]);
}
int EnemyGunAP() {
  WithoutPlayerSpecial guard;
  return gunActionPoints(Combat.EnemyShip[Sh::ShipType], Combat.EnemyShip[Sh::Guns]);
}
int EnemyMissileAP() {
  WithoutPlayerSpecial guard;
  return missileActionPoints(Combat.EnemyShip[Sh::ShipType], Combat.EnemyShip[Sh::Missiles]);
}
int EnemyMissileDamage() {
  WithoutPlayerSpecial guard;
  return missileDamage(Combat.EnemyShip[Sh::ShipType], Combat.EnemyShip[Sh::Missiles]);
}

// Rolls and modifiers ---------------------------------------------------------

bool HitRoll(int chance) { return Random(100) + 1 < std::min(chance, 90); }

int RollDamage(int dmg) { return dmg / 2 + Random(dmg / 2); }

namespace {
int PlayerClass() { return ShipClass(Game.Ship[Sh::ShipType]); }
int EnemyClass() { return ShipClass(Combat.EnemyShip[Sh::ShipType]); }
int Rank() { return Game.Player[Pl::Rank]; }
bool Veteran() { return General.Option.VeteranMode; }
}  // namespace

int PlayerDamageModifier(int d) {
  int r = d;
  if (Game.StarDate < 200 && PlayerClass() == 1) r += r / 6;
  if (Rank() < 4) r += r / 6;
  if (EnemyClass() > PlayerClass() && Rank() < 5) r += r / 6;
  if (Veteran()) r = d;
  return std::min(r, EnemyMaxShields() / 3);
}

int PlayerHitModifier(int a) {
  int c = a + a / 5;
  if (Game.StarDate < 200 && PlayerClass() == 1) c += c / 10;
  if (Rank() < 4) c += c / 5;
  if (EnemyClass() > PlayerClass() && Rank() < 5) c += c / 10;
  return Veteran() ? a : c;
}

int EnemyDamageModifier(int a) {
  if (EnemyClass() < PlayerClass()) a += a / 4;
  if (Rank() >= 4) a += a / 6;
  if (Veteran()) a += a / 6;
  return std::min(a, PlayerMaxShields() / 2);
}

int EnemyHitModifier(int a) {
  a -= a / 5;
  if (Rank() < 4) a -= a / 5;
  if (EnemyClass() < PlayerClass()) a += a / 4;
  if (Rank() >= 4) a += a / 10;
  if (Veteran()) a += a / 5;
  return a;
}

int GunAttackChance(bool byPlayer, int action) {
  EffectList& atk = byPlayer ? PlayerFx() : EnemyFx();
  EffectList& def = byPlayer ? EnemyFx() : PlayerFx();
  const IntRow& ship = byPlayer ? Game.Ship : Combat.EnemyShip;
  int h = byPlayer ? gunHitChance(ship[Sh::ShipType], ship[Sh::Guns]) : EnemyGunHitChance();
  if (Has(def, Ab::Taunt)) h -= 10;
  if (Has(def, Ab::EvilTaunt)) h -= 20;  // a taunt twice as strong
  if (Has(def, Ab::Evading)) h -= 30;
  if (Has(atk, Ab::Evading)) h -= 30;
  if (Has(atk, Ab::Discipline)) {
    h += 30;
    RemoveEffect(atk, Ab::Discipline);  // serves one salvo
  }
  if (Has(atk, Ab::TargetLock)) h += 10;
  if (Has(def, Ab::DoubleSpeed)) h += 20;  // the rush makes its user easy to hit
  if (byPlayer) {
    if (SpecialOn(ShipUpgrade::EvasionComputer)) h -= 25;
    if (SpecialOn(ShipUpgrade::EnergyTransmitter)) h -= 25;
  } else if (SpecialOn(ShipUpgrade::EvasionComputer)) {
    h -= 25;
  }
  h += targetingHitBonus(ship[Sh::Targeting]);
  h = byPlayer ? PlayerHitModifier(h) : EnemyHitModifier(h);
  switch (action) {
    case Ab::FocusBeam:
    case Ab::FocusBeam2: h -= h / 4; break;
    case Ab::OverloadGun: h += byPlayer ? h / 6 : h / 4; break;
    default: break;
  }
  return h;
}

int EnemyShieldsAbsorb(int dmg) {
  auto& fx = EnemyFx();
  for (int id : {Ab::ReflectionShield, Ab::ReflectionShield2}) {
    if (!Has(fx, id)) continue;
    const int part = id == Ab::ReflectionShield ? dmg / 12 : dmg / 8;
    RemoveEffect(fx, id);
    if (!SpecialOn(ShipUpgrade::AntiPhase)) DamagePlayer(part);
    Animate(kEnemySide, 1);
    dmg -= part;
    Panel(kEnemySide, "Reflection shield !!", "The enemy shields reflect some of the damage back to you.");
  }
  for (int id : {Ab::FocusedShield, Ab::FocusedShield2}) {
    if (!Has(fx, id)) continue;
    RemoveEffect(fx, id);
    dmg = id == Ab::FocusedShield ? dmg / 2 : dmg / 3;
    Panel(kEnemySide, "Focused shield !!", "The enemies focused shields are able to reduce the damage of your fire.");
  }
  return dmg;
}

int PlayerShieldsAbsorb(int dmg) {
  auto& fx = PlayerFx();
  for (int id : {Ab::ReflectionShield, Ab::ReflectionShield2}) {
    if (!Has(fx, id)) continue;
    const int part = id == Ab::ReflectionShield ? dmg / 12 : dmg / 8;
    RemoveEffect(fx, id);
    DamageEnemy(part);
    Animate(kPlayerSide, 1);
    dmg -= part;
    Panel(kPlayerSide, "Reflection shield !!", "Your shields reflect some of the damage back to the enemy ship.");
  }
  for (int id : {Ab::FocusedShield, Ab::FocusedShield2}) {
    if (!Has(fx, id)) continue;
    RemoveEffect(fx, id);
    dmg = id == Ab::FocusedShield ? dmg / 2 : dmg / 3;
    Panel(kPlayerSide, "Focused shield !!", "Your focused shields are able to reduce the damage of the enemy fire.");
  }
  if (SpecialOn(ShipUpgrade::AntiPhase)) dmg = 0;
  return dmg;
}

void DamagePlayer(int amount) {
  Game.Ship[Sh::ShieldEnergy] = Saturate(static_cast<int64_t>(Game.Ship[Sh::ShieldEnergy]) - amount);
  Animate(kPlayerSide, 1);
}

void DamageEnemy(int amount) {
  auto& e = Combat.EnemyShip;
  e[Sh::ShieldEnergy] = Saturate(static_cast<int64_t>(e[Sh::ShieldEnergy]) - amount);
  Animate(kEnemySide, 1);
}

void RaiseShield(IntRow& ship, int amount, int cap) {
  int& s = ship[Sh::ShieldEnergy];
  if (s >= cap) return;
  s = static_cast<int>(std::min<int64_t>(static_cast<int64_t>(s) + amount, cap));
}

// Messages --------------------------------------------------------------------

bool Talking() { return !quiet; }

void Panel(int side, std::string_view topic, std::string_view text) {
  if (quiet) return;
  UI().CombatMessage(side, std::string(topic), std::string(text));
}

void PanelNum(int side, std::string_view topic, std::string_view before, int64_t n, std::string_view after) {
  if (quiet) return;
  std::string text(before);
  text += std::to_string(n);
  text += after;
  UI().CombatMessage(side, std::string(topic), text);
}

void Modal(const std::string& topic, const std::string& text, const std::string& picture) {
  Notify(topic, text, picture);
}

void NotEnoughAP() {
  Modal("Not enough AP!",
        "In this game every combat action uses up action-points (AP). For this action you do not have enough AP "
        "left. Your AP is displayed as a progress bar at the left bottom of the screen above your shields.");
}

void Animate(int side, int what) { UI().CombatAnimation(side, what); }

void Sound(const char* wav) {
  if (quiet) return;
  UI().PlaySound(wav);
}

void SoundOfTwo(const char* first, const char* second) {
  if (quiet) return;
  // The choice of sound takes nothing from the game's generator, so a battle
  // runs the same with or without sound.
  static uint32_t state = 0x9e3779b9u;
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  UI().PlaySound((state & 1u) ? first : second);
}

bool PlayerPays(int cost) {
  if (Game.Ship[Cb::AP] < cost) {
    NotEnoughAP();
    return false;
  }
  Game.Ship[Cb::AP] -= cost;
  return true;
}

bool EnemyPays(int cost) {
  if (Combat.EnemyShip[Cb::AP] < cost) return false;
  Combat.EnemyShip[Cb::AP] -= cost;
  return true;
}

void EndCombat() {
  Combat.CombatEnded = 1;
  SyncPlayerSpecial();
}

}  // namespace qm::combat

namespace qm {
void SetCombatMessagesQuiet(bool q) { combat::quiet = q; }
}  // namespace qm
