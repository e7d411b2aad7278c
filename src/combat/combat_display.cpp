#include "combat/combat_display.h"

#include <algorithm>

#include "catalogue/career.h"
#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "combat/combat_rules.h"
#include "state/frontend.h"
#include "state/game_state.h"

namespace qm {

using namespace combat;

namespace {

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

const IntRow& Side(int side) { return side == kPlayerSide ? Game.Ship : Combat.EnemyShip; }
const EffectList& SideFx(int side) { return side == kPlayerSide ? Combat.PlayerEffects : Combat.EnemyEffects; }
const MissileFlight& SideMissile(int side) { return side == kPlayerSide ? Combat.PlayerMissile : Combat.EnemyMissile; }

int Percent(int shield, int max) { return static_cast<int>(static_cast<int64_t>(shield) * 100 / std::max(max, 1)); }

}  // namespace

int CombatMessageInterval(int side) {
  if (General.Option.CompatibilityMode) return 100;
  const int stored = side == kPlayerSide ? General.Timers.PlayerMessage : General.Timers.EnemyMessage;
  return stored >= 2400 ? 2400 : 1200;
}

int CombatAnimationInterval(int side, int what) {
  const auto& t = General.Timers;
  const int ms = what == 0 ? (side == kPlayerSide ? t.PlayerGunFire : t.EnemyGunFire)
                           : (side == kPlayerSide ? t.PlayerShield : t.EnemyShield);
  return std::clamp(ms, 100, 10000);
}

void RefreshCombatDisplay() {
  auto& ap = Game.Ship[Cb::AP];
  if (ap > 8) ap = 8;
  Combat.RadarBand[kPlayerSide] = RadarBand(Game.Ship[Cb::Reinforcements]);
  Combat.RadarBand[kEnemySide] = RadarBand(Combat.EnemyShip[Cb::Reinforcements]);
  UI().RefreshCombat();
}

bool SpecialHasButton(int speciality) {
  switch (speciality) {
    case 0: case 6: case ShipUpgrade::BattleDroids: case ShipUpgrade::ExtendedSensors: case ShipUpgrade::HiddenCargoBay: return false;
    default: return speciality >= 1 && speciality <= 15;
  }
}

void BuildAbilityBar() {
  auto& bar = Combat.AbilityBar;
  bar.fill(0);
  const bool special = SpecialHasButton(shipStat(Game.Ship[Sh::ShipType], Stat::Speciality));
  int next = 1;
  for (int id = 1; id <= 100 && next <= kAbilityButtons; ++id) {
    if (id == Ab::ShipSpecial) continue;
    const bool learned = Game.CombatAbilities[id] == 1;
    const bool fleeEngine = id == Ab::Flee && Game.Ship[Sh::Engines] == 2;
    if (!learned && !fleeEngine) continue;
    bar[next++] = id;
    if (next == 4 && learned && special) bar[next++] = Ab::ShipSpecial;
  }
}

std::string ShieldGaugePicture(int shield, int maxShields) {
  int n = static_cast<int>(static_cast<int64_t>(shield) * 30 / std::max(maxShields, 1));
  if (shield > 0 && n == 0) n = 1;
  n = std::clamp(n, 0, 30);
  return "Shield_" + TwoDigits(n) + ".jpg";
}

std::string PlayerShieldPicture() {
  return ShieldGaugePicture(Game.Ship[Sh::ShieldEnergy], BaseMaxShields(Game.Ship[Sh::ShipType]));
}
std::string EnemyShieldPicture() {
  return ShieldGaugePicture(Combat.EnemyShip[Sh::ShieldEnergy], BaseMaxShields(Combat.EnemyShip[Sh::ShipType]));
}

std::string PlayerApPicture() {
  const int ap = std::min<int>(Game.Ship[Cb::AP], 8);
  if (Game.Ship[Cb::EightPointGauge] == 1) return ap < 0 ? "AP8x0.jpg" : "AP8x" + std::to_string(ap) + ".jpg";
  if (ap < 0) return "Combo_00.jpg";
  return "Combo_0" + std::to_string(std::min(ap, 5)) + ".jpg";
}

std::string EnemyApPicture() {
  const int ap = std::clamp<int>(Combat.EnemyShip[Cb::AP], 0, 5);
  return "Combo_0" + std::to_string(5 - ap) + ".jpg";
}

int AbilityOnButton(int button) { return button >= 1 && button <= kAbilityButtons ? Combat.AbilityBar[button] : 0; }

bool AbilityButtonUsable(int button) {
  const int id = AbilityOnButton(button);
  if (id == 0 || PlayerStunned()) return false;
  if (Has(PlayerFx(), Ab::Overheated)) {
    switch (id) {
      case Ab::FocusBeam: case Ab::OverloadGun: case Ab::Exploit: case Ab::Exploit2: case Ab::FocusBeam2:
      case Ab::Emp: case Ab::Emp2:
        return false;
      default: break;
    }
  }
  return !(id == Ab::FireMissiles && Game.Ship[Cb::MissileReload] > 0);
}

std::string AbilityButtonPicture(int button) {
  const int id = AbilityOnButton(button);
  if (id == 0) return "";
  return combatActionPicture(id) + (AbilityButtonUsable(button) ? "_on.jpg" : "_off.jpg");
}

std::string EffectIconPicture(int side, int k) {
  if (k < 1 || k > kEffectSlots) return "";
  const auto& slot = SideFx(side)[k];
  if (slot.active != 1) return "";
  return combatActionPicture(slot.id) + "_ActiveMod.jpg";
}

std::string EffectIconHint(int side, int k) {
  if (EffectIconPicture(side, k).empty()) return "";
  return "Active: " + combatActionName(SideFx(side)[k].id) + " [Right-click for info]";
}

bool MissilePanelVisible(int side) { return SideMissile(side).inFlight == 1; }
int MissileCountLabel(int side) { return SideMissile(side).turns; }

std::string MissilePicture(int side) {
  const int kind = Side(side)[Sh::Missiles];
  return missilePictureBase(kind) + (side == kPlayerSide ? "_Side_l.jpg" : "_Side_r.jpg");
}

bool MissilePanelSmall(int side) {
  const int kind = Side(side)[Sh::Missiles];
  return kind == Missile::MineMk1 || kind == Missile::MineMk2;
}

int RadarBand(int countdown) {
  if (countdown == 0) return 3;
  if (countdown >= 1 && countdown <= 3) return 2;
  if (countdown >= 4 && countdown <= 100) return 1;
  return 0;
}

std::string RadarPicture(int side) {
  const int band = RadarBand(Side(side)[Cb::Reinforcements]);
  if (band == 0) return "";
  return std::string(side == kPlayerSide ? "left" : "right") + "_reinforcements_" + std::to_string(band) + ".jpg";
}

namespace {
int FiringPictureNumber(int gun) {
  static constexpr int kByGun[] = {1, 2, 4, 3, 5, 6, 7, 8, 2};
  return gun >= 0 && gun <= 8 ? kByGun[gun] : 1;
}
}  // namespace

std::string CombatShipPicture(int side, int variant) {
  const IntRow& ship = Side(side);
  const int type = ship[Sh::ShipType];
  const std::string stem = shipPictureName(type, ship[Sh::ShipFaction]) + (side == kPlayerSide ? "_l_" : "_r_");
  if (variant == 0) return stem + "n.jpg";
  if (variant == 1) return stem + "s.jpg";
  int k = FiringPictureNumber(ship[Sh::Guns]);
  if (side == kPlayerSide && SpecialOn(ShipUpgrade::TwinGuns)) k = 2;
  if (side == kEnemySide && (type == kStarbase || shipStat(type, Stat::IsFormation) > 0)) k = 1;
  return stem + "f" + std::to_string(k) + ".jpg";
}

std::vector<std::string> CompatibilityTexts() {
  std::vector<std::string> out;
  for (int b = 4; b <= kAbilityButtons; ++b) out.push_back(combatActionName(AbilityOnButton(b)));
  const auto& s = Game.Ship;
  const auto& e = Combat.EnemyShip;
  out.push_back("Your shields: " + std::to_string(Percent(s[Sh::ShieldEnergy], BaseMaxShields(s[Sh::ShipType]))) + "%");
  out.push_back("Enemy shields: " + std::to_string(Percent(e[Sh::ShieldEnergy], BaseMaxShields(e[Sh::ShipType]))) +
                "%");
  out.push_back(std::to_string(s[Cb::AP]) + " action-points (AP) left.");
  out.push_back(Combat.PlayerMissile.inFlight
                    ? "Player missile - " + std::to_string(Combat.PlayerMissile.turns) + " turns until impact."
                    : "No missiles fired.");
  out.push_back(Combat.EnemyMissile.inFlight
                    ? "Enemy missile - " + std::to_string(Combat.EnemyMissile.turns) + " turns until impact."
                    : "No enemy missiles fired.");
  const int mine = s[Cb::Reinforcements];
  out.push_back(mine == 0   ? "Reinforcements support you."
                : mine > 0  ? "Reinforcements approaching - " + std::to_string(mine) + " turns away."
                            : "No reinforcements in reach.");
  const int theirs = e[Cb::Reinforcements];
  out.push_back(theirs == 0   ? "Enemy reinforcements attack!"
                : theirs > 0  ? "Enemy reinforcements approaching - " + std::to_string(theirs) + " turns away."
                              : "No enemy reinforcements in reach.");
  return out;
}

}  // namespace qm
