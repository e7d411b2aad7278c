#include "world/ship_sheets.h"

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "state/game_state.h"
#include "world/crew.h"
#include "world/money.h"
#include "world/shipyard.h"

namespace qm {
namespace {

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }
std::string Money(int64_t amount) { return "$ " + FormatMoney(amount); }
std::string Points(int n) { return std::to_string(n) + " pts."; }
std::string Percent(int n) { return std::to_string(n) + "%"; }
std::string Bonus(int n) { return "+ " + std::to_string(n) + "%"; }

// The category's own lines of an item sheet, before the speciality.
void FamilyLines(Sheet& sheet, int shipType, int category, int item) {
  auto add = [&sheet](const char* label, const std::string& value) { sheet.push_back({label, value}); };
  switch (category) {
    case Category::Guns:
      add("Damage:", std::to_string(gunDamage(shipType, item)));
      add("Hit-Chance:", Percent(gunHitChance(shipType, item)));
      add("Action Pts.:", std::to_string(gunActionPoints(shipType, item)));
      break;
    case Category::Missiles:
      add("Damage:", std::to_string(missileDamage(shipType, item)));
      add("Action Pts.:", std::to_string(missileActionPoints(shipType, item)));
      break;
    case Category::Engines:
      add("Speed:", std::to_string(engineSpeed(shipType, item)) + " p/hour");
      add("Evasive bonus:", Bonus(engineEvasiveBonus(item)));
      break;
    case Category::CargoSystems:
      add("Cargo space:", std::to_string(cargoCapacity(shipType, item)));
      break;
    case Category::Targeting:
      add("Targeting system", Bonus(targetingHitBonus(item)));
      break;
    case Category::Ecm:
      add("ECM Chance:", Percent(ecmChance(item)));
      add("Action Pts.:", std::to_string(ecmActionPoints(item)));
      break;
    default:
      break;
  }
}

}  // namespace

Sheet shipOfferSheet(int shipType) {
  return {
      {"", shipName(shipType)},
      {"", Quoted(shipDescriptionLong(shipType))},
      {"Type:", shipClassName(shipType)},
      {"Damage:", Points(shipStat(shipType, Stat::GunDamage))},
      {"Shields:", Points(shipStat(shipType, Stat::MaxShields))},
      {"Cargo space:", std::to_string(shipStat(shipType, Stat::BaseCargo)) + " U"},
      {"Speciality:", specialityName(shipStat(shipType, Stat::Speciality))},
      {"Price:", Money(shipStat(shipType, Stat::Price))},
      {"Old ship:", Money(shipValue())},
      {"Balance:", Money(shipyardBalance(shipType))},
  };
}

std::string shipyardThumbnail(int shipType) {
  return shipPictureName(shipType, Game.Player[Pl::Faction]) + "_topwire.jpg";
}

std::string shipyardPicture(int shipType) {
  return shipPictureName(shipType, Game.Player[Pl::Faction]) + "_scene_sm.jpg";
}

std::string specialityHelp(int shipType) {
  return "If active " + specialityExplanation(shipStat(shipType, Stat::Speciality));
}

Sheet equipmentItemSheet(int category, int item) {
  const int type = Game.Ship[Sh::ShipType];
  Sheet sheet = {{"", equipmentItemName(type, category, item)},
                 {"", Quoted(equipmentItemDescription(category, item))}};
  FamilyLines(sheet, type, category, item);
  sheet.push_back({"Speciality:", equipmentItemSpeciality(category, item)});
  sheet.push_back({"Price:", Money(upgradeCost(category, item))});
  if (installedItem(category) == item) sheet.push_back({"", "(Currently equipped)"});
  return sheet;
}

Sheet equipmentFigures(int category, int item) {
  Sheet sheet;
  FamilyLines(sheet, Game.Ship[Sh::ShipType], category, item);
  return sheet;
}

Sheet shipStatusSheet() {
  const auto& s = Game.Ship;
  const int type = s[Sh::ShipType];
  return {
      {"Ship name:", shipName(type)},
      {"Ship class:", shipClassName(type)},
      // The short description keeps its stored quotation marks inside the screen's own.
      {"", Quoted(Quoted(shipDescriptionShort(type)))},
      {"Gun damage:", Points(shipStat(type, Stat::GunDamage))},
      {"Gun accuracy:", Percent(shipStat(type, Stat::GunAccuracy))},
      {"Max. shields:", Points(shipStat(type, Stat::MaxShields))},
      {"Speciality:", specialityName(shipStat(type, Stat::Speciality))},
      {"Ship value:", Money(shipValue())},
      {"Crew (Min./Max.):",
       std::to_string(shipStat(type, Stat::CrewMin)) + " / " + std::to_string(crewCapacity())},
      {"Current crew:", std::to_string(totalCrew())},
      {"Crewmen:", std::to_string(s[Sh::Crewmen])},
      {"Officers:", std::to_string(s[Sh::Officers])},
      {"Marines:", std::to_string(s[Sh::Marines])},
      {"Pirates:", std::to_string(s[Sh::Pirates])},
      {"Droids:", std::to_string(s[Sh::Droids])},
  };
}

}  // namespace qm
