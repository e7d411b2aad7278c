#include "ui/screens.h"

#include <map>
#include <vector>

#include "state/frontend.h"
#include "ui/FlyTo.h"
#include "ui/MissionPanel.h"
#include "ui/Screen_CombatSimulatorSetup.h"
#include "ui/Screen_Credits.h"
#include "ui/Screen_Bank.h"
#include "ui/Screen_Campaign.h"
#include "ui/Screen_Radar.h"
#include "ui/Screen_Promotion.h"
#include "ui/Screen_Bar.h"
#include "ui/Screen_Cheats.h"
#include "ui/Screen_CrewCombat.h"
#include "ui/Screen_CrewHiring.h"
#include "ui/Screen_GalaxyMap.h"
#include "ui/Screen_GameOptions.h"
#include "ui/Screen_Missions.h"
#include "ui/Screen_Governor.h"
#include "ui/Screen_Highscore.h"
#include "ui/Screen_PersonalStatus.h"
#include "ui/Screen_PirateHideout.h"
#include "ui/Screen_Planet.h"
#include "ui/Screen_Retire2.h"
#include "ui/Screen_SaveLoad.h"
#include "ui/Screen_SelectNewAbility.h"
#include "ui/Screen_ShipCombat.h"
#include "ui/Screen_ShipCombat2.h"
#include "ui/Screen_ShipStatus.h"
#include "ui/Screen_ShipEquipment.h"
#include "ui/Screen_ShipPurchase.h"
#include "ui/Screen_ShipWavesAttacking.h"
#include "ui/Screen_TradeScreenMoveable.h"
#include "ui/Screen_Travel.h"
#include "ui/Select_Name.h"
#include "ui/Select_Profession.h"
#include "ui/Select_Race.h"
#include "ui/WormholeTo.h"

namespace qm::ui {
namespace {

struct Entry {
  std::function<void()> show, hide;
};

std::map<std::string, Entry>& Registry() {
  static std::map<std::string, Entry> registry;
  return registry;
}

std::vector<std::function<void()>>& Kept() {
  static std::vector<std::function<void()>> kept;
  return kept;
}

}  // namespace

void RegisterScreen(const std::string& unit, std::function<void()> show, std::function<void()> hide) {
  Registry()[unit] = Entry{std::move(show), std::move(hide)};
}

bool ScreenRegistered(const std::string& unit) {
  const auto it = Registry().find(unit);
  return it != Registry().end() && it->second.show;
}

bool ShowScreen(const std::string& unit) {
  auto it = Registry().find(unit);
  if (it == Registry().end() || !it->second.show) {
    UI().Message(3, "Not available", "This part of the game is still under construction.", "");
    return false;
  }
  it->second.show();
  return true;
}

void HideScreen(const std::string& unit) {
  auto it = Registry().find(unit);
  if (it != Registry().end() && it->second.hide) it->second.hide();
}

void RegisterAllScreens() {
  RegisterWindow<Select_Race>("Select_Race");
  RegisterWindow<Select_Name>("Select_Name");
  RegisterWindow<Select_Profession>("Select_Profession");
  RegisterWindow<Screen_Credits>("Screen_Credits");
  RegisterWindow<Screen_Travel>("Screen_Travel");
  RegisterWindow<FlyTo>("FlyTo");
  RegisterWindow<WormholeTo>("WormholeTo");
  RegisterWindow<Screen_TradeScreenMoveable>("Screen_TradeScreenMoveable");
  RegisterWindow<Screen_GalaxyMap>("Screen_GalaxyMap");
  RegisterWindow<Screen_SaveLoad>("Screen_SaveLoad");
  RegisterWindow<Screen_ShipCombat2>("Screen_ShipCombat2");
  RegisterWindow<Screen_ShipWavesAttacking>("Screen_ShipWavesAttacking");
  RegisterWindow<Screen_CrewCombat>("Screen_CrewCombat");
  RegisterWindow<Screen_ShipStatus>("Screen_ShipStatus");
  RegisterWindow<Screen_PersonalStatus>("Screen_PersonalStatus");
  RegisterWindow<Screen_Planet>("Screen_Planet");
  RegisterWindow<Screen_Bank>("Screen_Bank");
  RegisterWindow<Screen_Bar>("Screen_Bar");
  RegisterWindow<Screen_Governor>("Screen_Governor");
  RegisterWindow<Screen_PirateHideout>("Screen_PirateHideout");
  RegisterWindow<Screen_ShipPurchase>("Screen_ShipPurchase");
  RegisterWindow<Screen_ShipEquipment>("Screen_ShipEquipment");
  RegisterWindow<Screen_CrewHiring>("Screen_CrewHiring");
  RegisterWindow<Screen_Missions>("Screen_Missions");
  RegisterWindow<MissionPanel>("MissionPanel");
  RegisterWindow<Screen_Highscore>("Screen_Highscore");
  RegisterWindow<Screen_SelectNewAbility>("Screen_SelectNewAbility");
  RegisterWindow<Screen_Retire2>("Screen_Retire2");
  RegisterWindow<Screen_Campaign>("Screen_Campaign");
  RegisterWindow<Screen_Radar>("Screen_Radar");
  RegisterWindow<Screen_Promotion>("Screen_Promotion");
  RegisterWindow<Screen_GameOptions>("Screen_GameOptions");
  // A combat cheat chosen on the cheats screen runs once the screen has closed.
  if (!ScreenRegistered("Screen_Cheats"))
    RegisterScreen("Screen_Cheats", [] { Screen_Cheats::Open(); }, [] { Instance<Screen_Cheats>().Close(); });
  RegisterWindow<Screen_CombatSimulatorSetup>("Screen_CombatSimulatorSetup");
  RegisterWindow<Screen_ShipCombat>("Screen_ShipCombat");
}

void DestroyScreens() {
  for (auto it = Kept().rbegin(); it != Kept().rend(); ++it) (*it)();
  Kept().clear();
}

namespace detail {
void KeepWindow(std::function<void()> destroy) { Kept().push_back(std::move(destroy)); }
}  // namespace detail

}  // namespace qm::ui
