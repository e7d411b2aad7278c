#include "cli/state_paths.h"

#include <cctype>
#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

#include "combat/combat_state.h"
#include "state/game_state.h"

namespace qm {
namespace {

using Indices = std::vector<int>;

struct Parsed {
  std::string name;
  Indices indices;
  std::string field;
};

bool Parse(const std::string& path, Parsed& out, std::string& error) {
  size_t i = 0;
  while (i < path.size() && (std::isalnum(static_cast<unsigned char>(path[i])) || path[i] == '_')) ++i;
  out.name = path.substr(0, i);
  if (out.name.empty()) return error = "bad path '" + path + "'", false;
  while (i < path.size() && path[i] == '[') {
    size_t close = path.find(']', i);
    if (close == std::string::npos) return error = "missing ']' in '" + path + "'", false;
    const std::string num = path.substr(i + 1, close - i - 1);
    try {
      size_t used = 0;
      int v = std::stoi(num, &used);
      if (used != num.size()) throw std::invalid_argument(num);
      out.indices.push_back(v);
    } catch (...) {
      return error = "bad index '" + num + "' in '" + path + "'", false;
    }
    i = close + 1;
  }
  if (i < path.size()) {
    if (path[i] != '.') return error = "bad path '" + path + "'", false;
    out.field = path.substr(i + 1);
    if (out.field.empty()) return error = "missing field name in '" + path + "'", false;
  }
  return true;
}

using FieldMap = std::map<std::string, int>;

const FieldMap kPlayerFields = {
    {"Credits", Pl::Credits}, {"Profession", Pl::Profession}, {"Faction", Pl::Faction},
    {"Portrait", Pl::Portrait}, {"Level", Pl::Level}, {"Experience", Pl::Experience}, {"Gender", Pl::Gender},
    {"PilotWings", Pl::PilotWings}, {"Ribbons", Pl::Ribbons}, {"SilverStar", Pl::SilverStar},
    {"GoldStar", Pl::GoldStar}, {"MedalOfHonor", Pl::MedalOfHonor}, {"Rank", Pl::Rank},
    {"Debt", Pl::Debt}, {"LoanDaysLeft", Pl::LoanDaysLeft}, {"WarBonds", Pl::WarBonds},
    {"CriminalFlag", Pl::CriminalFlag}, {"Lifepoints", Pl::Lifepoints}, {"InvestmentDays", Pl::InvestmentDays},
    {"HideoutsBought", Pl::HideoutsBought}, {"TreasureFleetSeen", Pl::TreasureFleetSeen},
    {"MissionsCompleted", Pl::MissionsCompleted}, {"CargoTraded", Pl::CargoTraded},
};
const FieldMap kShipFields = {
    {"Alive", Sh::Alive}, {"ShipType", Sh::ShipType}, {"ShipFaction", Sh::ShipFaction},
    {"Location", Sh::Location}, {"System", Sh::System}, {"CargoCapacity", Sh::CargoCapacity},
    {"Crewmen", Sh::Crewmen}, {"Officers", Sh::Officers}, {"Marines", Sh::Marines}, {"Pirates", Sh::Pirates},
    {"Droids", Sh::Droids}, {"ShieldEnergy", Sh::ShieldEnergy}, {"Missiles", Sh::Missiles}, {"Guns", Sh::Guns},
    {"Ecm", Sh::Ecm}, {"Targeting", Sh::Targeting}, {"Engines", Sh::Engines}, {"CargoSpace", Sh::CargoSpace},
};
const FieldMap kLocationFields = {
    {"Exists", Loc::Exists}, {"Owner", Loc::Owner}, {"Kind", Loc::Kind}, {"Target", Loc::Target},
    {"JumpDays", Loc::JumpDays}, {"X", Loc::X}, {"Y", Loc::Y}, {"Picture", Loc::Picture}, {"Special", Loc::Special},
};
const FieldMap kSystemFields = {
    {"Exists", Sys::Exists}, {"Owner", Sys::Owner}, {"SystemClass", Sys::SystemClass},
};
const FieldMap kObjectFields = {
    {"Present", Obj::Present}, {"DaysLeft", Obj::DaysLeft}, {"Kind", Obj::Kind}, {"X", Obj::X}, {"Y", Obj::Y},
};


// One addressable table: how many indices it takes, their sizes, and the access.
struct Entry {
  std::vector<int> sizes;
  const FieldMap* fields = nullptr;  // names for the last index
  std::function<StateRef(const Indices&)> at;
};

StateRef Num(int32_t& v) { return StateRef{&v, nullptr}; }
StateRef Str(std::string& s) { return StateRef{nullptr, &s}; }
StateRef Bool(bool& b) {
  StateRef r;
  r.boolean = &b;
  return r;
}

const std::map<std::string, Entry>& Registry() {
  static const std::map<std::string, Entry> registry = {
      {"LocationData", {{26, 17, 102}, &kLocationFields, [](const Indices& i) { return Num(Game.LocationData[i[0]][i[1]][i[2]]); }}},
      {"LocationText", {{26, 17, 12}, nullptr, [](const Indices& i) { return Str(Game.LocationText[i[0]][i[1]][i[2]]); }}},
      {"SystemData", {{26, 102}, &kSystemFields, [](const Indices& i) { return Num(Game.SystemData[i[0]][i[1]]); }}},
      {"SystemText", {{26, 12}, nullptr, [](const Indices& i) { return Str(Game.SystemText[i[0]][i[1]]); }}},
      {"SpaceObjects", {{26, 6, 102}, &kObjectFields, [](const Indices& i) { return Num(Game.SpaceObjects[i[0]][i[1]][i[2]]); }}},
      {"CommodityName", {{102}, nullptr, [](const Indices& i) { return Str(Game.CommodityName[i[0]]); }}},
      {"BasePrice", {{102}, nullptr, [](const Indices& i) { return Num(Game.BasePrice[i[0]]); }}},
      {"Cargo", {{102}, nullptr, [](const Indices& i) { return Num(Game.Cargo[i[0]]); }}},
      {"LocationStock", {{26, 17, 102}, nullptr, [](const Indices& i) { return Num(Game.LocationStock[i[0]][i[1]][i[2]]); }}},
      {"LocationPrices", {{26, 17, 102}, nullptr, [](const Indices& i) { return Num(Game.LocationPrices[i[0]][i[1]][i[2]]); }}},
      {"LocationPriceTrend", {{26, 17, 102}, nullptr, [](const Indices& i) { return Num(Game.LocationPriceTrend[i[0]][i[1]][i[2]]); }}},
      {"SystemPrices", {{26, 102}, nullptr, [](const Indices& i) { return Num(Game.SystemPrices[i[0]][i[1]]); }}},
      {"SystemPriceTrend", {{26, 102}, nullptr, [](const Indices& i) { return Num(Game.SystemPriceTrend[i[0]][i[1]]); }}},
      {"FactionData", {{6, 102}, nullptr, [](const Indices& i) { return Num(Game.FactionData[i[0]][i[1]]); }}},
      {"FactionText", {{6, 12}, nullptr, [](const Indices& i) { return Str(Game.FactionText[i[0]][i[1]]); }}},
      {"Missions", {{26, 8, 102}, nullptr, [](const Indices& i) { return Num(Game.Missions[i[0]][i[1]][i[2]]); }}},
      {"ActiveMission", {{102}, nullptr, [](const Indices& i) { return Num(Game.ActiveMission[i[0]]); }}},
      {"NewsData", {{22, 102}, nullptr, [](const Indices& i) { return Num(Game.NewsData[i[0]][i[1]]); }}},
      {"NewsText", {{22}, nullptr, [](const Indices& i) { return Str(Game.NewsText[i[0]]); }}},
      {"SystemShips", {{12, 102}, nullptr, [](const Indices& i) { return Num(Game.SystemShips[i[0]][i[1]]); }}},
      {"Player", {{102}, &kPlayerFields, [](const Indices& i) { return Num(Game.Player[i[0]]); }}},
      {"PlayerName", {{}, nullptr, [](const Indices&) { return Str(Game.PlayerName); }}},
      {"NonCombatAbilities", {{102}, nullptr, [](const Indices& i) { return Num(Game.NonCombatAbilities[i[0]]); }}},
      {"CombatAbilities", {{102}, nullptr, [](const Indices& i) { return Num(Game.CombatAbilities[i[0]]); }}},
      {"Ship", {{102}, &kShipFields, [](const Indices& i) { return Num(Game.Ship[i[0]]); }}},
      {"EnemyShip", {{102}, &kShipFields, [](const Indices& i) { return Num(Combat.EnemyShip[i[0]]); }}},
      {"StarDate", {{}, nullptr, [](const Indices&) { return Num(Game.StarDate); }}},
      {"KnownSystemPrices", {{26}, nullptr, [](const Indices& i) { return Num(Run.KnownSystemPrices[i[0]]); }}},
      {"KnownLocationPrices", {{17}, nullptr, [](const Indices& i) { return Num(Run.KnownLocationPrices[i[0]]); }}},
      {"SaveSlotUsed", {{5}, nullptr, [](const Indices& i) { return Num(General.SaveSlotUsed[i[0]]); }}},
      {"SaveSlotName", {{5}, nullptr, [](const Indices& i) { return Str(General.SaveSlotName[i[0]]); }}},
  };
  return registry;
}

// Run-time variables, addressed as "Run.Name".
StateRef RunVariable(const std::string& field) {
  if (field == "CurrentSystem") return Num(Run.CurrentSystem);
  if (field == "SelectedLocation") return Num(Run.SelectedLocation);
  if (field == "TravelDaysLeft") return Num(Run.TravelDaysLeft);
  if (field == "DialogResult") return Num(Run.DialogResult);
  if (field == "TutorialStep") return Num(Run.TutorialStep);
  if (field == "TutorialActive") return Bool(Run.TutorialActive);
  if (field == "GameEnded") return Bool(Run.GameEnded);
  if (field == "AgeFreeze") return Bool(Run.AgeFreeze);
  if (field == "StartCounter") return Num(General.StartCounter);
  return {};
}

// The game settings kept with the general data, addressed as "Option.Name".
StateRef OptionVariable(const std::string& field) {
  Options& o = General.Option;
  if (field == "Music") return Bool(o.Music);
  if (field == "SoundEffects") return Bool(o.SoundEffects);
  if (field == "AutoNextTurn") return Bool(o.AutoNextTurn);
  if (field == "VeteranMode") return Bool(o.VeteranMode);
  if (field == "NoWarPopups") return Bool(o.NoWarPopups);
  if (field == "CompatibilityMode") return Bool(o.CompatibilityMode);
  return {};
}

// The combat screen's timer intervals kept with the general data, addressed as "Timer.Name".
StateRef TimerVariable(const std::string& field) {
  CombatTimers& t = General.Timers;
  if (field == "PlayerMessage") return Num(t.PlayerMessage);
  if (field == "EnemyMessage") return Num(t.EnemyMessage);
  if (field == "PlayerGunFire") return Num(t.PlayerGunFire);
  if (field == "EnemyGunFire") return Num(t.EnemyGunFire);
  if (field == "PlayerShield") return Num(t.PlayerShield);
  if (field == "EnemyShield") return Num(t.EnemyShield);
  return {};
}

}  // namespace

StateRef ResolvePath(const std::string& path, std::string& error) {
  Parsed p;
  if (!Parse(path, p, error)) return {};
  if (p.name == "Run" && p.indices.empty()) {
    StateRef r = RunVariable(p.field);
    if (!r) error = "unknown run-time variable '" + p.field + "'";
    return r;
  }
  if (p.name == "Option" && p.indices.empty()) {
    StateRef r = OptionVariable(p.field);
    if (!r) error = "unknown option '" + p.field + "'";
    return r;
  }
  if (p.name == "Timer" && p.indices.empty()) {
    StateRef r = TimerVariable(p.field);
    if (!r) error = "unknown combat timer '" + p.field + "'";
    return r;
  }
  const auto& reg = Registry();
  auto it = reg.find(p.name);
  if (it == reg.end()) return error = "unknown table '" + p.name + "'", StateRef{};
  const Entry& e = it->second;
  Indices idx = p.indices;
  if (!p.field.empty()) {
    if (!e.fields) return error = "table '" + p.name + "' has no named fields", StateRef{};
    auto f = e.fields->find(p.field);
    if (f == e.fields->end()) return error = "unknown field '" + p.field + "' of " + p.name, StateRef{};
    idx.push_back(f->second);
  }
  if (idx.size() != e.sizes.size())
    return error = p.name + " takes " + std::to_string(e.sizes.size()) + " indices", StateRef{};
  for (size_t k = 0; k < idx.size(); ++k)
    if (idx[k] < 0 || idx[k] >= e.sizes[k])
      return error = "index " + std::to_string(idx[k]) + " out of range in '" + path + "'", StateRef{};
  return e.at(idx);
}

}  // namespace qm
