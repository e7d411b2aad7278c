// Console commands for shipyard, equipment, crew, bank, bar, hideout and governor.
// The services are reached by landing: they need the ship at a planet (the
// pirate hideout's at a hideout).
#include <ostream>

#include "catalogue/equipment.h"
#include "catalogue/professions.h"
#include "catalogue/ships.h"
#include "cli/commands.h"
#include "state/game_state.h"
#include "world/bank.h"
#include "world/crew.h"
#include "world/money.h"
#include "world/planet_services.h"
#include "world/ship_sheets.h"
#include "world/shipyard.h"

namespace qm {
namespace {

enum class Place { Planet, Hideout, PlanetOrHideout };

// True when the ship may use a service of `place`; reports an error otherwise.
bool Reachable(CommandContext& c, Place place) {
  if (Game.Ship[Sh::Alive] <= 0) return c.Fail("no game is running");
  const bool planet = atPlanet(), hideout = atHideout();
  if (place == Place::Planet && !planet) return c.Fail("the ship is not at a planet");
  if (place == Place::Hideout && !hideout) return c.Fail("the ship is not at a pirate hideout");
  if (place == Place::PlanetOrHideout && !planet && !hideout) return c.Fail("the ship is not at a planet or hideout");
  return true;
}

void Print(CommandContext& c, const Sheet& sheet) {
  for (const SheetLine& line : sheet) c.out << (line.label.empty() ? "" : line.label + " ") << line.value << '\n';
}

void ListShipyard(CommandContext& c) {
  const int faction = Game.Player[Pl::Faction];
  for (int place = 1; place <= kShipyardPlaces; ++place) {
    const int type = shipyardOffer(faction, place);
    c.out << place << ": ";
    if (type == 0)
      c.out << "Not available\n";
    else
      c.out << "type " << type << " " << shipName(type) << " (" << shipClassName(type) << ") $ "
            << FormatMoney(shipStat(type, Stat::Price)) << " balance $ " << FormatMoney(shipyardBalance(type)) << '\n';
  }
  c.out << "Old ship: $ " << FormatMoney(shipValue()) << '\n';
}

bool Shipyard(CommandContext& c) {
  long long type = 0;
  const bool list = c.w.size() == 1;
  if (!list && (c.w.size() != 3 || (c.w[1] != "buy" && c.w[1] != "show") || !ParseIntIn(c.w[2], -1, kShipTypes, type)))
    return c.Fail("usage: shipyard [buy|show TYPE] (ship type 1..19)");
  if (!Reachable(c, Place::Planet)) return false;
  if (list)
    ListShipyard(c);
  else if (c.w[1] != "show")
    buyShip(static_cast<int>(type));  // refuses what is not for sale with the shipyard's own message
  else if (!forSale(static_cast<int>(type)))
    return c.Fail("ship type " + std::to_string(type) + " is not for sale here");
  else
    Print(c, shipOfferSheet(static_cast<int>(type)));
  return true;
}

void ListEquipment(CommandContext& c) {
  const int type = Game.Ship[Sh::ShipType];
  const int shipClass = shipStat(type, Stat::Class);
  for (int category = 1; category <= 6; ++category) {
    c.out << category << " " << upgradeHeading(category) << '\n';
    for (int k = 1; k <= 4; ++k) {
      const int item = upgradeOption(shipClass, category, k);
      c.out << "  " << item << " " << equipmentItemName(type, category, item) << " $ "
            << FormatMoney(upgradeCost(category, item))
            << (installedItem(category) == item ? " (Currently equipped)" : "") << '\n';
    }
  }
}

bool Equip(CommandContext& c) {
  long long category = 0, item = 0;
  const bool list = c.w.size() == 1;
  const bool show = c.w.size() == 4 && c.w[1] == "show";
  const size_t at = show ? 2 : 1;
  if (!list && ((c.w.size() != 3 && !show) || !ParseIntIn(c.w[at], 1, 6, category) ||
                !ParseIntIn(c.w[at + 1], 0, 100, item)))
    return c.Fail("usage: equip [[show] CATEGORY ITEM] (category 1..6, item index as listed)");
  if (!Reachable(c, Place::Planet)) return false;
  if (list)
    ListEquipment(c);
  else if (show)
    Print(c, equipmentItemSheet(static_cast<int>(category), static_cast<int>(item)));
  else
    upgradeEquipment(static_cast<int>(category), static_cast<int>(item));
  return true;
}

bool ShipStatus(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: ship");
  if (Game.Ship[Sh::Alive] <= 0) return c.Fail("no game is running");
  Print(c, shipStatusSheet());
  return true;
}

bool Crew(CommandContext& c) {
  long long type = 0;
  const std::string& cmd = c.w[0];
  const bool list = cmd == "crew";
  if (list ? c.w.size() != 1 : (c.w.size() != 2 || !ParseIntIn(c.w[1], 1, kCrewTypes, type)))
    return c.Fail(list ? "usage: crew" : "usage: " + cmd + " TYPE (1 crewmen, 2 officers, 3 pirates, 4 marines, 5 droids)");
  if (!Reachable(c, Place::PlanetOrHideout)) return false;
  if (cmd == "hire") hireCrew(static_cast<int>(type));
  if (cmd == "dismiss") dismissCrew(static_cast<int>(type));
  if (!list) return true;
  const int ship = Game.Ship[Sh::ShipType];
  c.out << shipName(ship) << " class ship.\nMinimum crew: " << shipStat(ship, Stat::CrewMin)
        << "\nMaximum crew: " << crewCapacity() << "\nCurrent crew: " << totalCrew() << '\n';
  for (int t = 1; t <= kCrewTypes; ++t)
    c.out << t << " " << crewTypeTopic(crewSlot(t)) << ": " << Game.Ship[crewSlot(t)] << " " << crewPriceText(t)
          << '\n';
  return true;
}

bool Bank(CommandContext& c) {
  const std::string action = c.w.size() == 2 ? c.w[1] : "";
  const bool known = action == "small" || action == "large" || action == "buybonds" || action == "sellbonds";
  if (c.w.size() > 2 || (c.w.size() == 2 && !known)) return c.Fail("usage: bank [small|large|buybonds|sellbonds]");
  if (!Reachable(c, Place::Planet)) return false;
  if (action == "small") takeSmallLoan();
  if (action == "large") takeLargeLoanOrRepay();
  if (action == "buybonds") buyWarBonds();
  if (action == "sellbonds") sellWarBonds();
  if (!action.empty()) return true;
  const BankTexts t = bankTexts();
  c.out << t.credits << '\n';
  if (t.hasDebt)
    c.out << "Your loan:\n" << t.owe << '\n' << t.payback << '\n' << t.earlyOffer << '\n';
  else
    c.out << "Small loan: " << t.smallOffer << "\nLarge loan: " << t.largeOffer << '\n';
  c.out << t.bonds << '\n' << t.effect << '\n' << t.selling << '\n' << t.bondOffer << '\n';
  return true;
}

bool Bar(CommandContext& c) {
  if (c.w.size() != 2 || c.w[1] != "drink") return c.Fail("usage: bar drink");
  if (!Reachable(c, Place::Planet)) return false;
  orderDrink();
  return true;
}

bool Hide(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: hide");
  if (!Reachable(c, Place::Hideout)) return false;
  hide();
  return true;
}

bool Governor(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: governor");
  if (!Reachable(c, Place::Planet)) return false;
  c.out << governorGreeting() << "\nCriminal: " << criminalStatusText() << '\n';
  return true;
}

bool Amnesty(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: amnesty");
  if (!Reachable(c, Place::Planet)) return false;
  buyAmnesty();
  return true;
}

bool Planet(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: planet");
  if (!Reachable(c, Place::PlanetOrHideout)) return false;
  const PlanetFacts f = planetFacts(Game.Ship[Sh::System], Game.Ship[Sh::Location]);
  c.out << f.name << '\n' << f.description << '\n' << f.faction << '\n' << f.classLine << '\n';
  return true;
}

}  // namespace

void AddServiceCommands(CommandTable& t) {
  t.push_back({"shipyard", Shipyard, "[buy|show TYPE]", "list the shipyard, show or buy ship type 1..19"});
  t.push_back({"equip", Equip, "[[show] CATEGORY ITEM]", "list the equipment screen, show or install an item"});
  t.push_back({"ship", ShipStatus, "", "the ship status sheet"});
  t.push_back({"crew", Crew, "", "the crew hiring screen"});
  t.push_back({"hire", Crew, "TYPE", "hire one crew member (1 crewmen, 2 officers, 3 pirates, 4 marines)"});
  t.push_back({"dismiss", Crew, "TYPE", "dismiss one crew member (types as for hire, 5 droids)"});
  t.push_back({"bank", Bank, "[small|large|buybonds|sellbonds]", "the bank: loans and war bonds"});
  t.push_back({"bar", Bar, "drink", "order a drink at the spaceport bar"});
  t.push_back({"hide", Hide, "", "wait at a pirate hideout until the criminal flag wears off"});
  t.push_back({"governor", Governor, "", "the governor's greeting and the criminal record"});
  t.push_back({"amnesty", Amnesty, "", "buy an amnesty from the governor"});
  t.push_back({"planet", Planet, "", "the planet screen's facts"});
}

}  // namespace qm
