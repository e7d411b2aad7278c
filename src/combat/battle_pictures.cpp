#include "combat/battle_pictures.h"

#include <algorithm>
#include <cstdint>

#include "combat/boarding.h"
#include "combat/fleet_battle.h"

namespace qm {
namespace {

const char* const kAreaWord[5] = {"", "airlock", "corridor", "cargo", "bridge"};
const char* const kAreaName[5] = {"", "Airlock", "Corridors", "Cargo bay", "Bridge"};

bool ValidArea(int area) { return area >= Area::Airlock && area <= Area::Bridge; }

}  // namespace

std::string BoardingAreaPicture(int area, int state) {
  if (!ValidArea(area)) return "";
  const char* colour = state == AreaState::Secured ? "blue" : state == AreaState::Locked ? "grey" : "red";
  return std::string("crewcombat_") + colour + "_" + kAreaWord[area] + "_normal.jpg";
}

std::string BoardingAreaCaption(int area, int state) {
  if (!ValidArea(area)) return "";
  const std::string name = kAreaName[area];
  if (state == AreaState::Secured) return name + " (Friendly)";
  if (state == AreaState::Locked)
    return area == Area::Bridge ? "Bridge (Enemy); not yet selectable)" : name + " (Enemy; not yet selectable)";
  return name + " (Enemy)";
}

std::string FleetSymbol(bool allied, int role, const std::string& look) {
  std::string base;
  switch (role) {
    case FleetRole::Station: base = allied ? "station_blue" : "station_red"; break;
    case FleetRole::Cruiser: base = allied ? "ship_blue_med_left" : "ship_red_med_right"; break;
    case FleetRole::Destroyer: base = allied ? "ship_blue_small_left" : "ship_red_small_right"; break;
    default: base = allied ? "ship_blue_large_left" : "ship_red_large_right"; break;
  }
  return base + "_" + look + ".bmp";
}

std::string FleetShieldBar(int shield, int maxShield) {
  int index = static_cast<int>(static_cast<int64_t>(shield) * 25 / std::max(1, maxShield));
  if (shield > 0) index = std::max(index, 1);
  return "Travelscreen_ShieldBar_" + std::to_string(std::clamp(index, 0, 25)) + ".jpg";
}

std::string FleetRoleCaption(int role) {
  switch (role) {
    case FleetRole::Flagship: return "Your flagship";
    case FleetRole::Station: return "Space station";
    case FleetRole::Battleship: return "Battleship";
    case FleetRole::Cruiser: return "Cruiser";
    case FleetRole::Destroyer: return "Destroyer";
    default: return "";
  }
}

int FleetShieldPercent(int shield, int maxShield) {
  return static_cast<int>(static_cast<int64_t>(shield) * 100 / std::max(1, maxShield));
}

}  // namespace qm
