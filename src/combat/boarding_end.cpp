#include "combat/boarding_end.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "combat/boarding.h"
#include "combat/combat_state.h"
#include "combat/mission_hooks.h"
#include "combat/spoils.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/sound_requests.h"
#include "state/random.h"
#include "combat/world_hooks.h"
#include "state/money_format.h"

namespace qm {
namespace {

constexpr int kHospitalModule = 4;  // cargo system that saves half of the fallen

// The new ship takes the default equipment of its class.
void TakeOverShip(int type, int faction) {
  auto& s = Game.Ship;
  s[Sh::ShipType] = type;
  s[Sh::ShipFaction] = faction;
  const int cls = shipStat(type, Stat::Class);
  s[Sh::Guns] = upgradeOption(cls, Category::Guns, 1);
  s[Sh::Missiles] = upgradeOption(cls, Category::Missiles, 1);
  s[Sh::Engines] = upgradeOption(cls, Category::Engines, 1);
  s[Sh::CargoSpace] = upgradeOption(cls, Category::CargoSystems, 1);
  s[Sh::Targeting] = upgradeOption(cls, Category::Targeting, 1);
  s[Sh::Ecm] = upgradeOption(cls, Category::Ecm, 1);
  s[Sh::CargoCapacity] = cargoCapacity(type, s[Sh::CargoSpace]);
  s[Sh::ShieldEnergy] = maxShields(type, s[Sh::Engines], s[Sh::CargoSpace]);
  WorldHooks().regenerateMissionBoards();
  WorldHooks().sendAwayCrewBeyondMaximum();
}

void SellOrKeep(int type, int faction) {
  const int64_t price = shipStat(type, Stat::Price) / 5;
  const int choice = UI().ChooseWithPicture("Keep enemy ship?",
                                            "Your first officer comes over to you and asks you whether you wish to "
                                            "SELL the captured ship or KEEP it? If you decide to SELL it you would "
                                            "get $ " + FormatMoney(price) + ".",
                                            "Sell it", "Keep it", shipPictureName(type, faction) + "_scene.jpg");
  if (choice == 1) {
    AddCredits(price);
    Notify("Enemy ship sold!", "You sell the enemy ship for $ " + FormatMoney(price) + ". Good deal!");
    return;
  }
  TakeOverShip(type, faction);
}

void WarEffortMessages() {
  Notify("Military supplies!",
         "This vessel was transporting important military supplies for the enemy. Your success brings your faction "
         "one step closer to victory.");
  Notify("War supported!", "The destruction of this vessel has brought your faction one step closer to victory!");
}

// Who was on board of a scanned contact pays, or helps the war.
void PassengersOfContact(const IntRow& r) {
  if (r[1] <= 0) return;
  const int64_t value = ExperienceValue(r[2]);
  const int kind = r[3], sp = r[9];
  const int system = Game.Ship[Sh::System];
  if (kind == 3 && sp == 2) {
    WorldHooks().gainMoney(2 * value);
    Notify("Reward", "You have captured a famous pirate! The government pays you a reward of $ " + FormatMoney(2 * value),
           "Crew_Rogue.jpg");
  } else if (kind == 1 && sp == 2) {
    const int64_t ransom = 3 * value + Random(static_cast<int>(value));
    WorldHooks().gainMoney(ransom);
    Notify("VIP", "You have captured a VIP! You are able to press a ransom of $ " + FormatMoney(ransom) + " for him.",
           "Trader.jpg");
  } else if (kind == 2 && sp == 2) {
    const int64_t ransom = 3 * value;
    const int choice = UI().Choose("VIP",
                                   "You have captured a military VIP! You can either press a ransom of $ " +
                                       FormatMoney(ransom) +
                                       " for him or turn him over to the government for interrogation?",
                                   "Ransom", "Capture");
    if (choice == 1) {
      WorldHooks().gainMoney(ransom);
      Notify("Ransom!", "You decide to rather take the ransom instead of supporting your faction.");
    } else {
      SupportWarEffort(system);
      Notify("Capture!",
             "You capture the VIP and hand him over to the government for interrogation. This brings your faction "
             "one step closer to victory.");
    }
  } else if (kind == 1 && sp == 5) {
    SupportWarEffort(system);
    WarEffortMessages();
  }
}

}  // namespace

namespace {
// A won boarding is celebrated with the reward tune.
void RewardTune() {
  UI().PlaySound("Reward1.wav");
  PlayRewardTune();
}
}  // namespace

void CloseBoardingScreen() {
  Boarding.open = false;
  UI().HideScreen(Screen::Boarding);
}

void ShipHospital() {
  if (Game.Ship[Sh::CargoSpace] != kHospitalModule) return;
  int saved = 0;
  for (int i = 0; i < 5; ++i) {
    const int back = Boarding.losses[i] / 2;
    Game.Ship[Sh::Crewmen + i] += back;
    saved += back;
    Boarding.losses[i] = 0;
  }
  if (saved > 0)
    Notify("Ship hospital!", "After the combat " + std::to_string(saved) +
                                 " men could be saved from death and are able to return to service.");
}

void PlunderCargoBay() {
  auto& e = Combat.EnemyShip;
  e[Sh::Alive] = 0;
  RewardTune();
  CountKill(e[Sh::ShipType]);
  GainExperienceWithMessage(ExperienceValue(e[Sh::ShipType]));
  LootEnemyHold(false);
  ShipHospital();
  Boarding.outcome = BoardingOutcome::Plundered;
  CloseBoardingScreen();
}

void CaptureShip() {
  auto& e = Combat.EnemyShip;
  const int type = e[Sh::ShipType], faction = e[Sh::ShipFaction];
  e[Sh::Alive] = 0;
  RewardTune();
  Notify("Bridge!", "You have gained control over the bridge! The ship is yours!");
  GainExperienceWithMessage(2LL * ExperienceValue(type));
  CountKill(type);
  if (Random(100) <= 20) {
    const int f = Random(Game.Player[Pl::Rank]) + 1;
    const int n = f + Random(f / 2);
    Notify("Droids captured!", "You are lucky. In the cargo bay of the enemy ship you find " + std::to_string(n) +
                                   " brand-new combat droid(s). They will greatly increase the firepower of your crew.");
    Game.Ship[Sh::Droids] += n;
  }
  SellOrKeep(type, faction);
  const IntRow contact = ScanContact();
  LootEnemyHold(true);
  ShipHospital();
  if (Game.ActiveMission[1] > 0 && Game.ActiveMission[2] == 18) MissionTargetCaptured();
  PassengersOfContact(contact);
  Boarding.outcome = BoardingOutcome::Captured;
  CloseBoardingScreen();
}

}  // namespace qm
