#include "combat/spoils.h"

#include <algorithm>
#include <string>

#include "catalogue/ships.h"
#include "combat/combat_state.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "combat/world_hooks.h"
#include "state/money_format.h"

namespace qm {

void AddCredits(int64_t amount) {
  Game.Player[Pl::Credits] = Saturate(Game.Player[Pl::Credits] + amount);
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
}

int FreeCargoSpace() {
  int64_t held = 0;
  for (int c = 1; c <= 100; ++c) held += Game.Cargo[c];
  return Saturate(std::max<int64_t>(0, Game.Ship[Sh::CargoCapacity] - held));
}

int64_t CreditLoot(int units, int scanSpeciality) {
  int u = std::max(0, units);
  const int free = FreeCargoSpace();
  int left = 0;
  if (u > free) {
    left = u - free;
    u = free;
  }
  int64_t value = static_cast<int64_t>(u) * (Random(140) + 70);
  if (scanSpeciality == 3) {
    Notify("Valuable cargo",
           "This vessel has loaded very valuable cargo. Your loot is three times as much worth as usual!");
    value *= 3;
  } else if (scanSpeciality == 4) {
    Notify("Treasure fleet",
           "This vessel belongs to the famous treasure fleet and has extremly valuable cargo. Your loot is ten "
           "times as much worth as usual!");
    value *= 10;
  }
  AddCredits(value);
  ShowLootMessage(u, left, value);
  return value;
}

void ShowLootMessage(int units, int left, int64_t value) {
  std::string text;
  if (units < 1)
    text = "Because of your full cargobay you - unfortunately - cannot loot any cargo from the remains of the enemy "
           "ship.";
  else if (left == 0)
    text = "Congratulations! You loot " + std::to_string(units) + "E of cargo. You can sell it for $" +
           FormatMoney(value) + ".";
  else
    text = "Congratulations! You loot " + std::to_string(units) + "E of cargo (" + std::to_string(left) +
           "E have to be left behind due to limited cargo space). You can sell it for $" + FormatMoney(value) + ".";
  Notify(7, "Loot", text, "treasurer.jpg");
}

int LootUnits(int cargo, bool civilianContact) {
  int u = cargo / 2 + Random(cargo / 2);
  if (!civilianContact) u /= 2;
  return u;
}

int64_t LootEnemyHold(bool withSpeciality) {
  const IntRow contact = ScanContact();
  const bool civilian = contact[3] == 1;
  const int units = LootUnits(Combat.EnemyShip[Sh::CargoCapacity], civilian);
  return CreditLoot(units, civilian && withSpeciality ? contact[9] : 0);
}

void CountKill(int type) {
  if (shipStat(type, Stat::Role) == 2) {
    Game.Player[Pl::KilledFreighters] += 1;
    return;
  }
  const int c = shipStat(type, Stat::Class);
  if (c >= 1 && c <= 5) Game.Player[Pl::KilledFighters + c - 1] += 1;
}

int ExperienceValue(int type) { return Saturate(static_cast<int64_t>(shipStat(type, Stat::BountyValue)) * 20); }

void GainExperienceWithMessage(int64_t amount) {
  WorldHooks().gainExperience(amount);
  Notify(6, "Experience", "You receive some experience points. The more you have the more likely you will be promoted.",
         Game.FactionText[Game.Player[Pl::Faction]][FacT::Logo] + ".jpg");
}

void SupportWarEffort(int system) {
  auto& s = Game.SystemData[system];
  if (s[Sys::UnderAttack] <= 0) return;
  constexpr int kAttackerPoints = 23, kDefenderPoints = 24;
  if (s[Sys::Attacker] == Game.Player[Pl::Faction])
    s[kAttackerPoints] = Saturate(static_cast<int64_t>(s[kAttackerPoints]) + s[kDefenderPoints] / 20);
  else
    s[kDefenderPoints] = Saturate(static_cast<int64_t>(s[kDefenderPoints]) + s[kAttackerPoints] / 20);
}

}  // namespace qm
