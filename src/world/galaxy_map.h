#pragma once
// The galaxy map as plain data: everything the map screen draws, built from the
// game state. Building it changes nothing; only opening, selecting and closing
// the map move Run.CurrentSystem.
#include <array>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace qm {

// One star system on the map.
struct MapSystem {
  bool exists = false;
  std::string label;          // the name under its blip
  int x = 0, y = 0;           // picture position (left, top)
  int priceX = 0, priceY = 0; // price label position
  std::string picture;        // the owner's blip, or "Battleicon.jpg" under invasion
  bool underInvasion = false;
  bool atWar = false;         // owner at war with the player's faction: name and price label red
  bool selected = false;      // the system selected on the map (highlighted name)
  bool playerHere = false;    // the ship is in this system
  bool pricesKnown = false;   // the player knows today's price levels here
  std::array<int, kCommodities + 1> knownPrice{};  // price levels 1..18, 0 where not known
  std::string priceLabel;     // "($ 45)" or "($ ?)" for the selected commodity, empty without one
};

// A wormhole lane between two systems, a < b. Days 0 where no wormhole leads that way.
struct MapLane {
  int a = 0, b = 0;
  int daysAtoB = 0, daysBtoA = 0;
};

struct PriceRow {
  int commodity = 0;
  std::string name;
  std::string price;  // "$ " + level, or "$ ?"
  bool selected = false;
};

// The prices panel of one system.
struct PricePanel {
  int system = 0;
  std::string systemName;
  bool known = false;
  std::vector<PriceRow> rows;  // commodities 1..18 that exist
  std::string holdLine;        // units in the hold "/" capacity
};

// The information panel of one system.
struct InfoPanel {
  std::string name, description, classLine, factionLine, logo;
};

struct GalaxyMap {
  std::array<MapSystem, kSystems + 1> systems{};  // 1..24
  std::vector<MapLane> lanes;
  int currentSystem = 0;
  int selectedCommodity = 0;
  PricePanel prices;
  InfoPanel info;
};

// Fixed map position of system 1..24 ({0, 0} for any other).
struct MapPosition {
  int x, y;
};
MapPosition mapPosition(int system);
// The label the map shows for system 1..24.
std::string mapLabel(int system);
// The blip picture of an owner faction 1..4 (empty for any other).
std::string blipPicture(int faction);
// "Class: Agricultural" .. "Class: Capital" for classes 1..6, "Class: ?" otherwise.
std::string classLine(int planetClass);

// Every pair of systems a wormhole connects, in ascending order.
std::vector<MapLane> wormholeLanes();
PricePanel BuildPricePanel(int system);
InfoPanel BuildInfoPanel(int system);
// The whole map for Run.CurrentSystem and Run.SelectedCommodity.
GalaxyMap BuildGalaxyMap();

// The map's own actions.
void OpenGalaxyMap();           // selects the ship's system
void SelectMapSystem(int system);  // a click on a system (ignored outside 1..24)
void CloseGalaxyMap();          // the main screen shows the ship's system again

}  // namespace qm
