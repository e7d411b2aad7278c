#pragma once
// The trade panel as plain data: what the panel lists at the ship's location,
// built from the game state. Building it changes nothing; the panel's own
// selections (commodity, amount) are set through the two setters below.
#include <array>
#include <string>
#include <vector>

namespace qm {

struct TradeRow {
  int commodity = 0;
  std::string name;   // as stored, illegal goods with their leading "*"
  std::string price;  // "$ 1,234", or "?" when the price here is not known
  int stock = 0;      // units on offer here
  int held = 0;       // units in the hold
  bool selected = false;
};

struct TradeView {
  bool market = false;       // the ship is at a place with a market
  std::string placeName;     // the location traded at
  std::vector<TradeRow> rows;  // commodities 1..18 that exist
  std::string holdLine;      // units in the hold "/" capacity
  std::array<std::string, 4> amountCaptions;  // "x 1" .. "x 100", the chosen one with a "*"
  int amountChosen = 0;      // index 0..3 of the chosen amount, -1 when none matches
};

// The amounts the panel offers: 1, 10, 25, 100.
constexpr std::array<int, 4> kTradeAmounts{1, 10, 25, 100};

TradeView BuildTradeView();
// A click on a commodity row (ignored outside the commodities that exist).
void SelectTradeCommodity(int commodity);
// A click on an amount button (ignored for amounts the panel does not offer).
void SetTradeAmount(int amount);
// The price the main screen shows beside location `location` of the current
// system for the selected commodity: "$ 1,234", "?" where unknown, "" without
// a selection or a market there.
std::string locationPriceLabel(int location);

}  // namespace qm
