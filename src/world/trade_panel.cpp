#include "world/trade_panel.h"

#include <algorithm>

#include "state/game_state.h"
#include "world/market.h"
#include "world/money.h"

namespace qm {
namespace {

bool Tradeable(int c) { return c >= 1 && c <= kCommodities && Game.BasePrice[c] > 0; }

std::string PriceText(int system, int location, int c) {
  if (Run.KnownLocationPrices[location] != 1) return "?";
  return "$ " + FormatMoney(Game.LocationPrices[system][location][c]);
}

}  // namespace

TradeView BuildTradeView() {
  TradeView v;
  const int s = Game.Ship[Sh::System], l = Game.Ship[Sh::Location];
  v.market = marketAt(s, l);
  if (v.market) v.placeName = Game.LocationText[s][l][1];
  for (int c = 1; c <= kCommodities; ++c) {
    if (!Tradeable(c)) continue;
    TradeRow row;
    row.commodity = c;
    row.name = Game.CommodityName[c];
    row.held = Game.Cargo[c];
    row.selected = c == Run.SelectedCommodity;
    if (v.market) {
      row.price = PriceText(s, l, c);
      row.stock = Game.LocationStock[s][l][c];
    }
    v.rows.push_back(row);
  }
  v.holdLine = std::to_string(cargoHeld()) + "/" + std::to_string(Game.Ship[Sh::CargoCapacity]);
  v.amountChosen = -1;
  for (size_t i = 0; i < kTradeAmounts.size(); ++i) {
    const bool chosen = kTradeAmounts[i] == Run.TradeAmount;
    v.amountCaptions[i] = "x " + std::to_string(kTradeAmounts[i]) + (chosen ? "*" : "");
    if (chosen) v.amountChosen = static_cast<int>(i);
  }
  return v;
}

void SelectTradeCommodity(int commodity) {
  if (Tradeable(commodity)) Run.SelectedCommodity = commodity;
}

void SetTradeAmount(int amount) {
  if (std::find(kTradeAmounts.begin(), kTradeAmounts.end(), amount) != kTradeAmounts.end()) Run.TradeAmount = amount;
}

std::string locationPriceLabel(int location) {
  const int s = Game.Ship[Sh::System], c = Run.SelectedCommodity;
  if (!Tradeable(c) || !marketAt(s, location) || Game.LocationData[s][location][Loc::Kind] <= 0) return "";
  return PriceText(s, location, c);
}

}  // namespace qm
