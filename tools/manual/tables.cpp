// Every number and name here comes from the catalogues the game itself uses.
#include "manual/tables.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <memory>

#include "catalogue/career.h"
#include "catalogue/equipment.h"
#include "catalogue/professions.h"
#include "catalogue/ships.h"
#include "state/game_state.h"
#include "world/abilities.h"
#include "world/crew.h"
#include "world/market.h"
#include "world/planet_services.h"
#include "world/promotion.h"
#include "world/retirement.h"
#include "world/settings.h"
#include "world/shipyard.h"
#include "world/world_table.h"

namespace qm::manual {
namespace {

const char* const kClassLetters[] = {"", "F", "C", "D", "Cr", "B"};

// The fixed world of a new game (factions, systems, commodities), built apart
// from the running game's state.
const GameState& World() {
  static const std::unique_ptr<GameState> world = [] {
    auto w = std::make_unique<GameState>();
    BuildWorld(*w);
    return w;
  }();
  return *world;
}

std::string FactionShort(int f) { return World().FactionText[f][FacT::ShortName]; }

std::string Number(long long n) { return Money(n).substr(2); }

// "Laser (8 cm)" is "Laser" in a table for every class.
std::string WithoutCalibre(std::string name) {
  const size_t paren = name.find(" (");
  return paren == std::string::npos ? name : name.substr(0, paren);
}

std::string Percent(int p) { return std::to_string(p) + " %"; }
std::string Signed(int p) { return p == 0 ? "\u2013" : (p > 0 ? "+" : "\u2212") + std::to_string(std::abs(p)) + " %"; }

// "x2", "x1.5", "x1/3".
std::string Factor(double f) {
  char buf[32];
  for (int n = 2; n <= 10 && f < 1; ++n)
    if (std::fabs(f - 1.0 / n) < 0.01) return "\u00d71/" + std::to_string(n);
  if (std::fabs(f - std::round(f)) < 0.005)
    std::snprintf(buf, sizeof buf, "\u00d7%d", static_cast<int>(std::lround(f)));
  else if (std::fabs(f * 10 - std::round(f * 10)) < 0.05)
    std::snprintf(buf, sizeof buf, "\u00d7%.1f", f);
  else
    std::snprintf(buf, sizeof buf, "\u00d7%.2f", f);
  return buf;
}

std::string Join(const std::vector<std::string>& parts, const std::string& sep) {
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : sep) + p;
  return out;
}

// The first ship type of a class: the equipment prices of that class.
int TypeOfClass(int cls) {
  for (int t = 1; t <= kShipTypes; ++t)
    if (shipStat(t, Stat::Class) == cls) return t;
  return 0;
}

int ItemCount(int category) {
  static const int kCounts[] = {0, kGunItems, kMissileItems, kEngineItems, kCargoSystemItems, kTargetingItems,
                                kEcmItems};
  return category >= 1 && category <= 6 ? kCounts[category] : 0;
}

// The classes whose equipment screen offers the item, and its price for the smallest of them.
void Offers(int category, int item, std::string& classes, std::string& price) {
  std::vector<std::string> letters;
  int first = 0;
  for (int cls = 1; cls <= 5; ++cls)
    for (int k = 1; k <= 4; ++k)
      if (upgradeOption(cls, category, k) == item) {
        letters.push_back(kClassLetters[cls]);
        if (first == 0) first = cls;
        break;
      }
  classes = letters.empty() ? "\u2013" : Join(letters, " ");
  price = first == 0 ? "not sold" : Money(equipmentItemPrice(TypeOfClass(first), category, item));
}

// What the combat action costs: fixed, or the AP of the installed guns,
// missiles or ECM (found by changing the reference ship's equipment).
std::string ActionCost(int id) {
  auto& ship = Game.Ship;
  const IntRow saved = ship;
  ship[Sh::ShipType] = 1;
  const auto costWith = [&](int gun, int missile, int ecm) {
    ship[Sh::Guns] = gun, ship[Sh::Missiles] = missile, ship[Sh::Ecm] = ecm;
    return combatActionCost(id);
  };
  const int base = costWith(0, 0, 0);
  std::string out = std::to_string(base);
  if (costWith(2, 0, 0) != base) {  // a Fusion gun takes one AP more than a Laser
    const int extra = base - gunActionPoints(1, 0);
    out = extra == 0 ? "guns" : "guns + " + std::to_string(extra);
  } else if (costWith(0, 1, 0) != base) {
    out = "missile";
  } else if (costWith(0, 0, 2) != base) {
    out = "ECM";
  }
  ship = saved;
  return out;
}

std::string Turns(int turns) {
  if (turns >= 10000) return "battle";
  return turns <= 0 ? "\u2013" : std::to_string(turns);
}

// "Defense abilities" is "Defense" in a table's narrow tree column.
std::string TreeName(int kind, int category) {
  std::string name = AbilityCategoryName(kind, category);
  const std::string tail = " abilities";
  if (name.size() > tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0)
    name.resize(name.size() - tail.size());
  return name;
}

// The abilities one of which a tree position needs first.
std::string Needs(int kind, int category, int position) {
  std::vector<std::string> names;
  for (int p : PrerequisitePositions(position)) names.push_back(TreeAbilityName(kind, TreeAbility(kind, category, p)));
  return names.empty() ? "\u2013" : Join(names, " or ");
}

}  // namespace

std::string Money(long long amount) {
  std::string digits = std::to_string(amount < 0 ? -amount : amount), grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return std::string("$ ") + (amount < 0 ? "-" : "") + grouped;
}

Table ShipTable() {
  Table t{{{"Ship", 1.55}, {"Class", 1.35}, {"Gun dmg", 0.85, true}, {"Shields", 0.85, true},
           {"Missile dmg", 0.95, true}, {"Cargo", 0.75, true}, {"Crew", 0.85, true}, {"AP", 0.5, true},
           {"Price", 1.35, true}},
          {},
          "Gun and missile damage in points before the equipment's changes; cargo in units; AP are the action "
          "points of each combat turn. Battleships, battlegroups and starbases cannot be bought."};
  std::vector<int> types;
  for (int type = 1; type <= kShipTypes; ++type) types.push_back(type);
  types.push_back(kStarbase);
  for (int type : types) {
    const int lo = shipStat(type, Stat::CrewMin), hi = shipStat(type, Stat::CrewMax);
    t.rows.push_back({shipName(type), shipClassName(type), Number(shipStat(type, Stat::GunDamage)),
                      Number(shipStat(type, Stat::MaxShields)), Number(shipStat(type, Stat::MissileDamage)),
                      Number(shipStat(type, Stat::BaseCargo)),
                      hi == 0 ? "\u2013" : std::to_string(lo) + "\u2013" + std::to_string(hi),
                      std::to_string(shipStat(type, Stat::ActionPointsPerTurn)),
                      type == kStarbase ? "\u2013" : Money(shipStat(type, Stat::Price))});
  }
  return t;
}

Table ShipyardTable() {
  Table t{{{"Faction", 1.2}, {"Fighters", 2}, {"Corvettes", 1.6}, {"Destroyers", 1.6}, {"Cruisers", 1.6}}, {}, ""};
  for (int f = 1; f <= 4; ++f) {
    std::vector<std::string> row{FactionShort(f)};
    for (int cls = 1; cls <= 4; ++cls) {
      std::vector<std::string> names;
      for (int place = 1; place <= kShipyardPlaces; ++place) {
        const int type = shipyardOffer(f, place);
        if (type != 0 && shipStat(type, Stat::Class) == cls) names.push_back(shipName(type));
      }
      row.push_back(names.empty() ? "\u2013" : Join(names, ", "));
    }
    t.rows.push_back(row);
  }
  return t;
}

Table SpecialityTable() {
  Table t{{{"Special ability", 1.3}, {"Ships", 1.5}, {"What it does", 3.4}}, {}, ""};
  for (int id = 1; id <= 20; ++id) {
    if (specialityName(id).empty()) continue;
    std::vector<std::string> ships;
    for (int type = 1; type <= kShipTypes; ++type)
      if (shipStat(type, Stat::Speciality) == id) ships.push_back(shipName(type));
    if (ships.empty()) continue;
    std::string text = specialityExplanation(id);
    if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    t.rows.push_back({specialityName(id), Join(ships, ", "), text});
  }
  return t;
}

Table EquipmentTable(int category) {
  const int fighter = 1, big = kShipTypes;  // the big ship shows the factors undistorted by rounding
  Table t;
  switch (category) {
    case Category::Guns:
      t.columns = {{"Gun", 1.1}, {"Hit", 0.6, true}, {"Damage", 0.75, true}, {"AP", 0.45, true}};
      t.note = "Hit chance before targeting and abilities; damage in per cent of the ship's own gun damage.";
      break;
    case Category::Missiles:
      t.columns = {{"Missile", 1.1}, {"Damage", 0.7, true}, {"AP", 0.45, true}, {"vs. ECM", 0.7, true}};
      t.note = "Damage as a multiple of the ship's standard missile, the first in the list; a missile never costs "
               "less than 2 AP. vs. ECM: "
               "how much harder the missile is for the enemy's ECM to stop.";
      break;
    case Category::Engines:
      t.columns = {{"Engine", 1.5}, {"Speed", 0.6, true}, {"Evasion", 0.7, true}};
      t.note = "Speed sets the days of a flight: twice the speed, half the days.";
      break;
    case Category::CargoSystems:
      t.columns = {{"Cargo system", 1.5}, {"Hold", 0.7, true}};
      t.note = "Hold in per cent of the ship's own cargo space.";
      break;
    case Category::Targeting:
      t.columns = {{"Targeting", 1.5}, {"Hit bonus", 0.7, true}};
      break;
    case Category::Ecm:
      t.columns = {{"ECM system", 1.3}, {"Chance", 0.7, true}, {"AP", 0.45, true}};
      t.note = "The chance to stop an incoming missile with one use of ECM.";
      break;
    default: return t;
  }
  t.columns.push_back({"Speciality", 1.9});
  t.columns.push_back({"Ships", 0.75});
  t.columns.push_back({"Price from", 1.05, true});
  for (int item = 0; item < ItemCount(category); ++item) {
    std::vector<std::string> row{WithoutCalibre(equipmentItemName(fighter, category, item))};
    switch (category) {
      case Category::Guns:
        row.push_back(Percent(gunHitChance(fighter, item)));
        row.push_back(Percent(gunDamage(big, item) * 100 / shipStat(big, Stat::GunDamage)));
        row.push_back(std::to_string(gunActionPoints(fighter, item)));
        break;
      case Category::Missiles:
        row.push_back(Factor(static_cast<double>(missileDamage(big, item)) / missileDamage(big, 0)));
        row.push_back(std::to_string(missileActionPoints(fighter, item)));
        row.push_back(Signed(missileEcmModifier(item)));
        break;
      case Category::Engines:
        row.push_back(std::to_string(engineSpeed(fighter, item)));
        row.push_back(Signed(engineEvasiveBonus(item)));
        break;
      case Category::CargoSystems: {
        const int galaxy = 14;  // the largest hold shows the per cent without rounding
        row.push_back(Percent(cargoCapacity(galaxy, item) * 100 / shipStat(galaxy, Stat::BaseCargo)));
        break;
      }
      case Category::Targeting: row.push_back(Signed(targetingHitBonus(item))); break;
      case Category::Ecm:
        row.push_back(Percent(ecmChance(item)));
        row.push_back(std::to_string(ecmActionPoints(item)));
        break;
    }
    std::string classes, price;
    Offers(category, item, classes, price);
    row.push_back(equipmentItemSpeciality(category, item));
    row.push_back(classes);
    row.push_back(price);
    t.rows.push_back(row);
  }
  return t;
}

Table StartingActionsTable() {
  Table t{{{"Action", 1.2}, {"AP", 0.8}, {"Effect", 4}}, {}, ""};
  for (int id = 1; id <= 3; ++id)
    t.rows.push_back({combatActionName(id), ActionCost(id), combatActionEffectText(id)});
  return t;
}

Table CombatAbilityTable() {
  Table t{{{"Tree", 0.75}, {"Ability", 1.3}, {"AP", 0.75}, {"Turns", 0.55, true}, {"Needs first", 1.75},
           {"Effect", 3.2}},
          {},
          "AP \"guns\", \"missile\" and \"ECM\": the action points of the installed equipment. Turns: how long the "
          "effect lasts (\"battle\": to the end of the battle)."};
  for (int cat = 1; cat <= 3; ++cat)
    for (int pos = 1; pos <= 10; ++pos) {
      const int id = TreeAbility(2, cat, pos);
      if (id == 0) continue;
      t.rows.push_back({pos == 1 ? TreeName(2, cat) : "", combatActionName(id), ActionCost(id),
                        Turns(combatEffectTurns(id)), Needs(2, cat, pos), combatActionEffectText(id)});
    }
  return t;
}

Table NonCombatAbilityTable() {
  Table t{{{"Tree", 0.8}, {"Ability", 1.35}, {"Needs first", 1.6}, {"What it does", 4.3}}, {}, ""};
  for (int cat = 1; cat <= 3; ++cat)
    for (int pos = 1; pos <= 10; ++pos) {
      const int id = TreeAbility(1, cat, pos);
      if (id == 0) continue;
      t.rows.push_back({pos == 1 ? TreeName(1, cat) : "", TreeAbilityName(1, id), Needs(1, cat, pos),
                        abilityDescription(id)});
    }
  return t;
}

Table ProfessionTable() {
  Table t{{{"Profession", 1.2}, {"Combat abilities", 2.2}, {"Other ability", 1.1}, {"Starting ship", 2.6}}, {}, ""};
  for (int p = 1; p <= 6; ++p) {
    std::vector<std::string> actions;
    for (int id : professionCombatActions(p)) actions.push_back(combatActionName(id));
    // The ship may differ by faction: list each ship, as the profession screen names
    // it, with the factions that start in it.
    std::vector<std::pair<std::string, std::vector<std::string>>> ships;
    for (int f = 1; f <= 4; ++f) {
      const std::string label = professionShipLabel(p, f);
      auto it = std::find_if(ships.begin(), ships.end(), [&](const auto& s) { return s.first == label; });
      if (it == ships.end()) ships.push_back({label, {FactionShort(f)}});
      else it->second.push_back(FactionShort(f));
    }
    std::vector<std::string> shipText;
    for (const auto& [label, factions] : ships)
      shipText.push_back(label + (ships.size() > 1 ? " (" + Join(factions, ", ") + ")" : ""));
    t.rows.push_back({professionName(p), Join(actions, ", "), abilityName(professionAbility(p)),
                      Join(shipText, "; ")});
  }
  return t;
}

Table LevelTable() {
  Table t{{{"Level", 0.5, true}, {"Experience to the next", 1.3, true}, {"The promotion to the next level brings", 4}},
          {},
          "Experience beyond the next level's need is lost at the promotion; every promotion adds a life."};
  int rank = 1;
  for (int level = 1; level <= 19; ++level) {
    const int next = level + 1;
    std::string award;
    if (level == 19) {
      award = "\u2013 (the last level)";
    } else if (RibbonNumber(next) > 0) {
      award = "a campaign ribbon and a non-combat ability";
    } else if (next == 19) {
      award = "a planet of your own and a last non-combat ability";
    } else {
      ++rank;
      award = "the rank of " + rankName(rank) +
              (rank >= 7 ? ", and stronger standard attacks" : " and a combat ability");
    }
    t.rows.push_back({std::to_string(level), level == 19 ? "\u2013" : Number(experienceForLevel(level)), award});
  }
  return t;
}

Table RankTable() {
  Table t{{{"Rank", 2}, {"Short", 1}, {"From level", 1, true}}, {}, ""};
  int level = 1;
  for (int rank = 1; rank <= 7; ++rank) {
    if (rank > 1)
      for (++level; level < 19 && RibbonNumber(level) > 0; ++level) {
      }
    t.rows.push_back({rankName(rank), rankShortName(rank), std::to_string(level)});
  }
  return t;
}

Table CommodityTable() {
  Table t{{{"Commodity", 1.3}, {"Base price", 0.9, true}, {"Plentiful and cheap at", 3.6}},
          {},
          "A * marks contraband: on offer only at pirate hideouts, and searched for by the police."};
  const GameState& w = World();
  for (int c = 1; c <= 100; ++c) {
    if (w.BasePrice[c] <= 0) continue;
    std::vector<std::string> kinds;
    for (int strength : {10, 5})
      for (int kind = Kind::Agricultural; kind <= Kind::Capital; ++kind)
        if (supplyPoints(c, kind) == strength) {
          std::string name = locationClassLine(kind);
          if (name.rfind("Class: ", 0) == 0) name = name.substr(7);
          kinds.push_back(strength == 10 ? name : name + " (less)");
        }
    const bool contraband = !w.CommodityName[c].empty() && w.CommodityName[c][0] == '*';
    t.rows.push_back({w.CommodityName[c], Money(w.BasePrice[c]),
                      contraband ? "on offer at pirate hideouts only" : kinds.empty() ? "\u2013" : Join(kinds, ", ")});
  }
  return t;
}

Table SystemTable() {
  Table t{{{"#", 0.35, true}, {"System", 1.25}, {"Owner", 0.95}, {"Class", 1.05}, {"Wormholes to (days)", 4}}, {}, ""};
  const GameState& w = World();
  for (int s = 1; s <= 24; ++s) {
    if (w.SystemData[s][1] <= 0) continue;
    std::vector<std::string> links;
    for (int l = 1; l <= 16; ++l) {
      const IntRow& loc = w.LocationData[s][l];
      if (loc[Loc::Exists] > 0 && loc[Loc::Kind] == Kind::Wormhole && loc[Loc::Target] > 0)
        links.push_back(w.SystemText[loc[Loc::Target]][1] + " (" + std::to_string(loc[Loc::JumpDays]) + ")");
    }
    std::string cls = locationClassLine(w.SystemData[s][3]);
    if (cls.rfind("Class: ", 0) == 0) cls = cls.substr(7);
    t.rows.push_back({std::to_string(s), w.SystemText[s][1], FactionShort(w.SystemData[s][2]), cls, Join(links, ", ")});
  }
  return t;
}

Table CrewTable() {
  Table t{{{"Crew", 1.1}, {"Price", 0.9, true}, {"About them", 5}}, {}, ""};
  for (int type = 1; type <= kCrewTypes; ++type) {
    const int slot = crewSlot(type);
    const int price = crewPrice(type);
    t.rows.push_back({crewTypeTopic(slot), price > 0 ? Money(price) : "not for hire", crewTypeText(slot)});
  }
  return t;
}

Table SettingTable() {
  Table t{{{"Setting", 2.2}, {"What it does", 3.2}}, {}, ""};
  for (const SettingInfo& s : qm::SettingTable()) t.rows.push_back({s.label, s.help});
  return t;
}

Table CareerTable() {
  Table t{{{"Place", 0.5, true}, {"Second career", 1.6}, {"Final score", 1.6}}, {}, ""};
  // The lowest score of each place, found from the game's own rule.
  long long lowest[12] = {};
  for (int place = 1; place <= 10; ++place) {
    long long lo = -1000000000000LL, hi = 1000000000000LL;
    while (lo < hi) {
      const long long mid = lo + (hi - lo) / 2;
      if (CareerForScore(mid).place <= place) hi = mid;
      else lo = mid + 1;
    }
    lowest[place] = lo;
  }
  for (int place = 1; place <= 10; ++place) {
    std::string range;
    if (place == 1) range = "above " + Number(lowest[1] - 1);
    else if (place == 10) range = "up to " + Number(lowest[9] - 1);
    else range = Number(lowest[place]) + " \u2013 " + Number(lowest[place - 1] - 1);
    t.rows.push_back({std::to_string(place), CareerAtPlace(place).name, range});
  }
  return t;
}

}  // namespace qm::manual
