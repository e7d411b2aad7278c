#include "catalogue/ships.h"

#include <array>
#include <string_view>

#include "state/game_state.h"

namespace qm {
namespace {

// Rows are indexed by ship type + 1, so the starbase (-1) is row 0 and "no ship" row 1.
constexpr int kRows = kShipTypes + 2;

int rowOf(int shipType) {
  return (shipType >= -1 && shipType <= kShipTypes) ? shipType + 1 : -1;
}

template <typename T, size_t N>
T entry(const std::array<T, N>& table, int index) {
  if (index < 0 || static_cast<size_t>(index) >= N) return T{};
  return table[static_cast<size_t>(index)];
}

struct ShipRecord {
  std::string_view name;
  std::string_view picture;
  // Stats 1..18 in order; index 0 unused.
  std::array<int, 19> stat;
};

// Builds the stat row from the columns that differ between ships; gun accuracy 45,
// gun AP 2, missile AP 4 and travel speed 200 (starbase 0) are the same for all.
constexpr std::array<int, 19> stats(int cls, int role, int gunDmg, int shields, int missileDmg, int cargo,
                                    int bounty, int price, int crewMin, int crewMax, int fielded,
                                    int formation, int speciality, int apPerTurn, int speed = 200) {
  return {0,     cls,   45,        gunDmg, 2,       shields,   missileDmg, 4,          speed,    cargo,
          bounty, price, crewMin, crewMax, fielded, role, formation, speciality, apPerTurn};
}

constexpr std::array<ShipRecord, kRows> kShips = {{
    {"Starbase", "Spacestation", stats(5, 1, 180, 3500, 600, 2000, 20000, 5000000, 100, 200, 4, 1, 0, 5, 0)},
    {"", "NotAvailable", {}},
    {"Starwolf", "Starwolf", stats(1, 1, 12, 100, 40, 40, 100, 20000, 0, 0, 1, 0, 1, 5)},
    {"Stargun", "Stargun", stats(1, 1, 14, 120, 60, 20, 150, 35000, 0, 0, 3, 0, 2, 5)},
    {"Avenger", "Avenger", stats(1, 1, 16, 140, 80, 20, 200, 50000, 0, 0, -1, 0, 3, 5)},
    {"Sabre", "Killerbee", stats(1, 1, 20, 110, 40, 20, 200, 55000, 0, 0, -4, 0, 4, 5)},
    {"Orion", "Orion", stats(1, 2, 8, 80, 30, 80, 160, 20000, 0, 0, 4, 0, 5, 5)},
    {"Shadowcat", "Shadowcat", stats(2, 1, 28, 250, 80, 60, 800, 250000, 6, 16, 1, 0, 2, 5)},
    {"Paladin", "Paladin", stats(2, 1, 35, 350, 100, 60, 1200, 400000, 6, 20, -1, 0, 7, 5)},
    {"Hellcat", "Hellcat", stats(2, 1, 30, 300, 100, 60, 1000, 320000, 6, 20, 2, 0, 8, 5)},
    {"Patton", "Patton", stats(3, 1, 60, 650, 140, 100, 3000, 1200000, 16, 40, 1, 0, 9, 5)},
    {"Shark", "Shark", stats(3, 1, 50, 550, 45, 150, 2200, 1000000, 12, 36, 6, 0, 10, 5)},
    {"Ferendar", "Ferendar", stats(3, 2, 30, 400, 80, 400, 2000, 600000, 12, 32, 4, 0, 11, 5)},
    {"Orion Squadron", "OrionSquad", stats(2, 2, 18, 300, 60, 240, 1000, 60000, 0, 0, 4, 1, 11, 5)},
    {"Neptun", "Neptun", stats(4, 1, 100, 1200, 200, 200, 6000, 3000000, 25, 70, 4, 0, 12, 5)},
    {"Galaxy", "Galaxy", stats(4, 2, 50, 700, 140, 800, 4500, 2000000, 30, 80, 4, 0, 11, 5)},
    {"Corsair", "Corsair", stats(4, 1, 80, 1000, 200, 350, 6000, 2500000, 30, 80, 5, 0, 13, 5)},
    {"Marauder", "Marauder", stats(5, 1, 130, 2000, 400, 350, 10000, 5000000, 40, 100, 4, 0, 14, 5)},
    {"Gettysburg", "Skybreaker", stats(5, 1, 150, 2500, 400, 400, 12500, 6000000, 50, 125, -1, 0, 15, 6)},
    {"Stonewall", "Blackjack", stats(5, 1, 150, 1800, 500, 400, 12500, 6000000, 40, 110, 2, 0, 3, 6)},
    {"Battlegroup", "squadron", stats(5, 1, 200, 3000, 600, 800, 18000, 10000000, 80, 200, 4, 1, 0, 6)},
}};

struct Description {
  std::string_view longText;
  std::string_view shortText;
};

// Indexed by ship type 0..19; the starbase's text sits under index 0.
constexpr std::array<Description, kShipTypes + 1> kDescriptions = {{
    {"A starbase is the central defense position of every space system. It is heavily armed and can stand "
     "it\u00B4s own against any foe.",
     "A starbase is the central defense position of every space system..."},
    {"This is the standard spaceship for all freelance pilots. It is a cheap and sturdy fighter, with a "
     "relatively large cargo bay.",
     "This is the standard spaceship for all freelance pilots..."},
    {"The Stargun is the result of a joint project to modify the old Starwolf class. It\u00B4s firepower was "
     "increased at the expense of cargo space and shields.",
     "The Stargun is the result of a joint project to modify the old Starwolf class..."},
    {"The Avenger is the Mars Corporation\u00B4s state-of-the-art heavy fighter, with powerful engines, "
     "convincing firepower, and durable shields.",
     "The Avenger is the Mars Corporation\u00B4s state-of-the-art heavy fighter..."},
    {"The design of this cutting-edge Syndicate fighter is unlike anything ever before seen and possibly "
     "based on alien technology.",
     "The design of this cutting-edge Syndicate fighter is unlike anything ever before seen..."},
    {"The Orion II shuttle is essentially an engine and a cockpit build around a large cargo container. It "
     "is perfect for transporting goods.",
     "The Orion II shuttle is essentially an engine and a cockpit build around a large cargo container..."},
    {"The Shadowcat class is a corvette - a combination of a small trading ship and a fighter. Its the "
     "smallest ship known to have jump engines.",
     "The Shadowcat class is a corvette - a combination of a small trading ship and a fighter..."},
    {"After years of testing, the Federation finally pushed this advanced heavy corvette with supreme "
     "shields and tactical systems into production.",
     "After years of testing, the Federation finally pushed this advanced heavy corvette into production..."},
    {"The Hellcat - a modification of the old Shadowcat class - has tougher weapons and armor, but comes at "
     "the cost of speed.",
     "The Hellcat has tough weapons and armor, but comes at the cost of speed..."},
    {"The Patton is a sturdy destroyer in service for more than thirty years. A proven design that has "
     "gained a reputation throughout the galaxy.",
     "The Patton is a sturdy destroyer in service for more than thirty years..."},
    {"The secessionists rely on the Shark for blockade running, smuggling and fast spearhead attacks in "
     "enemy territory.",
     "The secessionists rely on the Shark for blockade running, smuggling and fast spearhead attacks..."},
    {"The Ferendar class is a cheap medium freighter designed for the more peaceful regions of space. "
     "Captains should avoid enemy contact.",
     "The Ferendar class is a cheap medium freighter designed for the more peaceful regions of space..."},
    {"A squadron of Orion II shuttles can be an alternative for local trading enterprises that can not yet "
     "afford a Ferendar freighter.",
     "A squadron of Orion II shuttles can be an alternative for local trading enterprises..."},
    {"The Neptun class is a large battlecruiser with impressive firepower and speed. It has served all "
     "factions valiantly for over two decades.",
     "The Neptun class is a large battlecruiser with impressive firepower and speed..."},
    {"The Galaxy class is the largest freighter ever build. In addition to its great capacity, it is able "
     "to defend itself should the need arise.",
     "The Galaxy class is the largest freighter ever build. It has a great capacity and defense abilities."},
    {"The Corsair class is an armed combat transport for high risk operations such as blockade running or "
     "smuggling.",
     "The Corsair class is an armed combat transporter for high risk operations..."},
    {"Strong and trustworthy, this venerated battleship has seen the smoke and scars of countless battles.",
     "Strong and trustworthy, this venerated battleship has seen the smoke and scars of countless battles..."},
    {"With the most prevailing shields and the firepower to match, the Gettysburg is the most formidable "
     "ship in the Federation fleet.",
     "The Gettysburg is the most formidable ship in the Federation fleet..."},
    {"Named after a famous brigade in the American Civil War, this fearsome ship with it\u00B4s impressive "
     "firepower is the sole hope of the secession.",
     "It\u00B4s a fearsome ship named after a famous brigade in the American Civil War..."},
    {"A battlegroup is a powerful battleship escorted by several smaller warships.",
     "A battlegroup is a powerful battleship escorted by several smaller warships."},
}};

struct Speciality {
  std::string_view name;
  std::string_view explanation;
};

// Indexed by speciality id 0..15; 0 (none) and 6 are empty.
constexpr std::array<Speciality, 16> kSpecialities = {{
    {"", ""},
    {"Evasion computer", "this ability makes you and your enemy more difficult to hit."},
    {"Energy transmitter", "your gun damage is doubled, but your accuracy is reduced."},
    {"Twin guns", "you will be able to fire built-in turbo lasers instead of your standard guns."},
    {"Drop all missiles", "you will drop all missiles to increase speed and get a +1 AP bonus."},
    {"ShieldPlus device", "you will regenerate 5% of max. shield each turn, but cannot fire your guns."},
    {"", ""},
    {"AECM missiles", "this ability makes your missiles harder to intercept, but also lowers their damage."},
    {"Gun volley", "you will need +1 AP for firing guns, but the gun damage is increased by 50%."},
    {"Fast missile racks", "you will need -1 AP for firing a missile, but the missile damage is decreased."},
    {"Battle droids", "this ability will add two battle droids to your boarding crew."},
    {"Extended sensors", "this ability decreases the chance of hostile encounters during travelling."},
    {"Anti-phase emitter",
     "this ability removes you for one turn from this dimensional realm avoiding any damage."},
    {"Hidden cargo bay", "this ability reduces the chance of being caught smuggling contraband."},
    {"Energy shifting", "this ability gives you +2 AP every turn, but decreases your shields."},
    {"Energy boost", "this ability decreases your AP by 2, but regenerates your shields every turn."},
}};

constexpr std::array<std::string_view, 5> kFactionPrefixes = {"Pirate_", "Federation_", "Outerrim_",
                                                              "Coalition_", "Syndicate_"};

constexpr std::array<std::string_view, 6> kClassNames = {"", "Fighter", "Corvette", "Destroyer", "Cruiser",
                                                         "Battleship"};
constexpr std::array<std::string_view, 6> kClassNamesLower = {"", "fighter", "corvette", "destroyer",
                                                              "cruiser", "battleship"};

}  // namespace

int shipStat(int shipType, int stat) {
  const int row = rowOf(shipType);
  if (row < 0 || stat < 1 || stat > 18) return 0;
  return entry(kShips[static_cast<size_t>(row)].stat, stat);
}

std::string shipName(int shipType) {
  const int row = rowOf(shipType);
  return row < 0 ? std::string() : std::string(kShips[static_cast<size_t>(row)].name);
}

std::string shipPictureBase(int shipType) {
  const int row = rowOf(shipType);
  return row < 0 ? std::string() : std::string(kShips[static_cast<size_t>(row)].picture);
}

std::string shipPictureName(int shipType, int faction) {
  if (shipType == 0) return shipPictureBase(0);
  const std::string base = shipPictureBase(shipType);
  const std::string prefix = factionPrefix(faction);
  if (base.empty() || prefix.empty()) return std::string();
  return prefix + base;
}

std::string shipDescriptionLong(int shipType) {
  return std::string(entry(kDescriptions, shipType).longText);
}

std::string shipDescriptionShort(int shipType) {
  return std::string(entry(kDescriptions, shipType).shortText);
}

std::string shipClassName(int shipType) {
  const int cls = shipStat(shipType, Stat::Class);
  if (shipStat(shipType, Stat::Role) == 2) {
    if (cls == 3) return "Transporter";
    if (cls == 4) return "Freighter";
  }
  return std::string(entry(kClassNames, cls));
}

std::string shipClassNameLower(int shipType) {
  return std::string(entry(kClassNamesLower, shipStat(shipType, Stat::Class)));
}

std::string specialityName(int id) { return std::string(entry(kSpecialities, id).name); }

std::string specialityExplanation(int id) { return std::string(entry(kSpecialities, id).explanation); }

std::string factionPrefix(int faction) { return std::string(entry(kFactionPrefixes, faction)); }

bool specialityActive(int shipType, int speciality) {
  return Run.PlayerSpecialActive && speciality != 0 && shipStat(shipType, Stat::Speciality) == speciality;
}

}  // namespace qm
