#include "world/market.h"

#include <algorithm>
#include <cstdint>

#include "catalogue/ships.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "world/missions.h"
#include "world/money.h"
#include "world/tutorial.h"

namespace qm {
namespace {

constexpr int kLastCommodity = 100;  // market loops run over every id with a base price

bool Illegal(int c) { return c >= 13 && c <= 18; }
bool UnderAttack(int s) { return Game.SystemData[s][Sys::UnderAttack] == 1; }
bool Exists(int s) { return Game.SystemData[s][Sys::Exists] > 0; }
bool HasMarket(int kind) { return kind > 0 || kind == Kind::Hideout; }

// Target modifier in percent from a system's total supply points.
int SupplyModifier(int64_t sum) {
  struct Band {
    int64_t low, high;
    int percent;
  };
  static constexpr Band kBands[] = {{-10000, 0, 30}, {1, 5, 15},   {6, 10, 5},     {11, 20, -5},
                                    {21, 30, -15},   {31, 50, -30}, {51, 10000, -40}};
  for (const Band& b : kBands)
    if (sum >= b.low && sum <= b.high) return b.percent;
  return 0;
}

// Discount in percent that a well-supplied neighbour system gives.
int NeighbourModifier(int64_t sum) {
  if (sum >= 11 && sum <= 20) return -2;
  if (sum >= 21 && sum <= 30) return -5;
  if (sum >= 31 && sum <= 50) return -15;
  if (sum >= 51 && sum <= 10000) return -20;
  return 0;
}

// Supply points of every system and commodity, counted once per day: over the
// existing locations, and over the owned ones (what a neighbour sees).
struct SupplyTable {
  int32_t existing[26][19] = {};
  int32_t owned[26][19] = {};
};

void CountSupply(SupplyTable& t) {
  // Points by kind: the planet classes 1..6, and one column for every other kind.
  int32_t points[8][19] = {};
  for (int k = 0; k <= 7; ++k)
    for (int c = 1; c <= kCommodities; ++c) points[k][c] = supplyPoints(c, k == 7 ? Kind::Uncolonised : k);
  for (int s = 1; s <= kSystems; ++s)
    for (int l = 1; l <= kLocations; ++l) {
      const auto& loc = Game.LocationData[s][l];
      const bool exists = loc[Loc::Exists] > 0, owned = loc[Loc::Owner] > 0;
      if (!exists && !owned) continue;
      const int kind = loc[Loc::Kind];
      const int32_t(&row)[19] = points[kind >= 1 && kind <= 6 ? kind : 7];
      for (int c = 1; c <= kCommodities; ++c) {
        if (exists) t.existing[s][c] += row[c];
        if (owned) t.owned[s][c] += row[c];
      }
    }
}

// Commodities past the eighteen have no supply anywhere.
int64_t Supply(const int32_t (&row)[19], int c) { return c >= 1 && c <= kCommodities ? row[c] : 0; }

bool AtWar(int a, int b) { return Game.FactionData[a][Fac::RelationBase + b] != 0; }

// The goods with a base price, in ascending order, with their stock steps and
// stock cap bases; gathered once per daily step.
struct Goods {
  int count = 0;
  int id[kLastCommodity];
  int step[kLastCommodity];
  int capBase[kLastCommodity];
};

int StockStep(int base) { return base < 200 ? 5 : (base > 200 && base < 500) ? 3 : 1; }
int StockCapBase(int base) { return base < 200 ? 100 : base <= 500 ? 50 : 30; }

Goods TradedGoods() {
  Goods g;
  for (int c = 1; c <= kLastCommodity; ++c) {
    const int base = Game.BasePrice[c];
    if (base <= 0) continue;
    g.id[g.count] = c;
    g.step[g.count] = StockStep(base);
    g.capBase[g.count] = StockCapBase(base);
    ++g.count;
  }
  return g;
}

// The systems whose supply lowers a system's prices: wormhole targets whose
// owner is at peace with it, neither side under attack; in location order.
struct Neighbours {
  int count = 0;
  int system[kLocations];
};

Neighbours FindNeighbours(int s) {
  Neighbours n;
  if (UnderAttack(s)) return n;
  for (int l = 1; l <= kLocations; ++l) {
    const auto& loc = Game.LocationData[s][l];
    const int t = loc[Loc::Target];
    if (loc[Loc::Exists] <= 0 || loc[Loc::Kind] != Kind::Wormhole || t <= 0 || t > kSystems) continue;
    if (AtWar(Game.SystemData[s][Sys::Owner], Game.SystemData[t][Sys::Owner]) || UnderAttack(t)) continue;
    n.system[n.count++] = t;
  }
  return n;
}

int32_t TargetLevel(const SupplyTable& supply, const Neighbours& near, int s, int c) {
  const int64_t base = Game.BasePrice[c];
  int64_t sum = Supply(supply.existing[s], c);
  if (Illegal(c) && Game.SystemData[s][Sys::Owner] == 4) sum += 100;
  int64_t price = base + base * SupplyModifier(sum) / 100;
  if (UnderAttack(s)) price = base + base / 2;
  for (int i = 0; i < near.count; ++i)
    price += price * NeighbourModifier(Supply(supply.owned[near.system[i]], c)) / 100;
  return Saturate(price);
}

// One day of a bounded random walk around `centre` (within ten percent).
void Walk(int32_t centre, int32_t& price, int32_t& trend) {
  const int64_t low = centre - static_cast<int64_t>(centre) * 10 / 100;
  const int64_t high = centre + static_cast<int64_t>(centre) * 10 / 100;
  int64_t t = static_cast<int64_t>(trend) + Random(3) - Random(3);
  int64_t p = centre + t;
  if (p < low) p = low, t = 0;
  if (p > high) p = high, t = 0;
  price = Saturate(p);
  trend = Saturate(t);
}

// Runs `f` for every existing location with a market (planets and revealed hideouts).
template <typename Fn>
void ForEachMarket(Fn&& f) {
  for (int s = 1; s <= kSystems; ++s) {
    if (!Exists(s)) continue;
    for (int l = 1; l <= kLocations; ++l) {
      const auto& loc = Game.LocationData[s][l];
      if (loc[Loc::Exists] > 0 && HasMarket(loc[Loc::Kind])) f(s, l, loc);
    }
  }
}

// The stock cap of a good: its base plus up to a third, more with Connections.
int StockCap(int capBase, bool connections, bool advanced) {
  int cap = capBase + Random(capBase / 3);
  if (connections && !advanced) cap += cap / 4;
  if (advanced) cap += cap / 2;
  return cap;
}

IntRow& Here() { return Game.LocationData[Game.Ship[Sh::System]][Game.Ship[Sh::Location]]; }
int HereKind() { return Game.Ship[Sh::Location] >= 1 ? Here()[Loc::Kind] : Kind::Uncolonised; }
bool AtLocation() { return Game.Ship[Sh::Location] >= 1 && Here()[Loc::Exists] > 0; }
int32_t& HerePrice(int c) { return Game.LocationPrices[Game.Ship[Sh::System]][Game.Ship[Sh::Location]][c]; }
int32_t& HereStock(int c) { return Game.LocationStock[Game.Ship[Sh::System]][Game.Ship[Sh::Location]][c]; }

void NoMarket() { Notify("N/A", "There is no market at this place."); }

bool CanBuyHere() { return AtLocation() && HasMarket(HereKind()); }

// Buys `amount` (already limited) of c when the money is there.
void BuyAmount(int c, int64_t amount) {
  amount = std::min<int64_t>({amount, HereStock(c), freeCargoSpace()});
  const int64_t cost = amount * HerePrice(c);
  if (amount > 0 && Game.Player[Pl::Credits] >= cost) {
    Game.Player[Pl::Credits] = Saturate(Game.Player[Pl::Credits] - cost);
    HereStock(c) -= static_cast<int32_t>(amount);
    Game.Cargo[c] += static_cast<int32_t>(amount);
    UI().RefreshMainScreen(Game.Ship[Sh::System]);
    TutorialHook(TutorialEvent::Bought, c);
  } else if (Game.Player[Pl::Credits] < cost) {
    Notify("Not enough credits", "You do not have enough credits for this purchase.");
  }
}

void SellAmount(int c, int64_t requested) {
  const int64_t amount = std::min<int64_t>(requested, Game.Cargo[c]);
  if (amount <= 0) return;
  Game.Player[Pl::Credits] = Saturate(Game.Player[Pl::Credits] + amount * HerePrice(c));
  HereStock(c) = Saturate(HereStock(c) + amount);
  Game.Cargo[c] -= static_cast<int32_t>(amount);
  const int64_t traded = static_cast<int64_t>(Game.Player[Pl::CargoTraded]) + amount;
  Game.Player[Pl::CargoTraded] = traded > 100000000 ? 100000001 : static_cast<int32_t>(traded);
  if (Illegal(c)) {
    GainExperience(amount * 20);
    if (Game.Player[Pl::TradeHintShown] == 0) {
      const int faction = Game.Player[Pl::Faction];
      Notify("Experience", "You receive some experience points. The more you have the more likely you will be promoted.",
             Game.FactionText[faction][FacT::Logo] + ".jpg");
      Game.Player[Pl::TradeHintShown] = 1;
      Notify("Information",
             "When you sell illegal goods in the future you will still receive experience points, but you only "
             "receive this information once per game.");
    }
  }
  CheckDeliveryMission(c, static_cast<int>(amount));
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
}

// Selling needs a planet; a hideout says so in its own words.
bool CanSellHere() {
  if (AtLocation() && HereKind() == Kind::Hideout) {
    Notify("N/A", "You cannot sell goods at a pirate hideout.");
    return false;
  }
  if (!AtLocation() || HereKind() <= 0) {
    NoMarket();
    return false;
  }
  return true;
}

}  // namespace

int supplyPoints(int c, int kind) {
  if (c >= 13 && c <= 16) return -1;
  // Rows: commodity groups; columns: kinds 1..6.
  struct Row {
    int first, last;
    int points[6];
  };
  static constexpr Row kRows[] = {
      {1, 2, {10, 0, 0, 0, 5, 5}}, {3, 6, {0, 0, 0, 10, 5, 5}}, {7, 8, {5, 0, 10, 0, 0, 0}},
      {9, 9, {0, 0, 10, 0, 5, 5}}, {10, 12, {0, 10, 0, 0, 0, 0}},
  };
  if (kind < 1 || kind > 6) return 0;
  for (const Row& r : kRows)
    if (c >= r.first && c <= r.last) return r.points[kind - 1];
  return 0;
}

void updatePrices() {
  SupplyTable supply;
  CountSupply(supply);
  const Goods goods = TradedGoods();
  for (int s = 1; s <= kSystems; ++s) {
    if (!Exists(s)) continue;
    const Neighbours near = FindNeighbours(s);
    IntRow& level = Game.SystemPrices[s];
    for (int i = 0; i < goods.count; ++i) level[goods.id[i]] = TargetLevel(supply, near, s, goods.id[i]);
  }
  for (int s = 1; s <= kSystems; ++s) {
    if (!Exists(s)) continue;
    IntRow& level = Game.SystemPrices[s];
    IntRow& trend = Game.SystemPriceTrend[s];
    for (int i = 0; i < goods.count; ++i) {
      const int c = goods.id[i];
      Walk(level[c], level[c], trend[c]);
    }
  }
  ForEachMarket([&goods](int s, int l, const IntRow& loc) {
    const IntRow& level = Game.SystemPrices[s];
    IntRow& prices = Game.LocationPrices[s][l];
    IntRow& trend = Game.LocationPriceTrend[s][l];
    const bool hideout = loc[Loc::Kind] == Kind::Hideout;
    for (int i = 0; i < goods.count; ++i) {
      const int c = goods.id[i];
      int32_t& price = prices[c];
      Walk(level[c], price, trend[c]);
      if (hideout && Illegal(c)) price -= price / 5;
    }
  });
  for (int s = 1; s <= kSystems; ++s) {
    if (!Exists(s)) continue;
    int planet[kLocations];
    int planets = 0;
    for (int l = 1; l <= kLocations; ++l) {
      const auto& loc = Game.LocationData[s][l];
      if (loc[Loc::Exists] > 0 && loc[Loc::Kind] > 0) planet[planets++] = l;
    }
    if (planets == 0) continue;  // no planet: the walked level stays
    IntRow& level = Game.SystemPrices[s];
    for (int i = 0; i < goods.count; ++i) {
      const int c = goods.id[i];
      int64_t sum = 0;
      for (int p = 0; p < planets; ++p) sum += Game.LocationPrices[s][planet[p]][c];
      level[c] = Saturate(sum / planets);
    }
  }
}

void updateStock() {
  const Goods goods = TradedGoods();
  const DeliveryDestinations deliveries;
  const bool connections = Game.NonCombatAbilities[5] == 1, advanced = Game.NonCombatAbilities[6] == 1;
  ForEachMarket([&](int s, int l, const IntRow&) {
    IntRow& stocks = Game.LocationStock[s][l];
    for (int i = 0; i < goods.count; ++i) {
      const int c = goods.id[i];
      int32_t& stock = stocks[c];
      const int step = goods.step[i];
      if (Random(100) <= 30) stock = Saturate(static_cast<int64_t>(stock) + step - Random(step));
      if (deliveries.Contains(s, l, c)) stock = 0;
      stock = std::min(stock, StockCap(goods.capBase[i], connections, advanced));
    }
  });
  // Illegal goods are on offer only at hideouts, legal goods only at planets.
  for (int s = 1; s <= kSystems; ++s)
    for (int l = 1; l <= kLocations; ++l) {
      const int kind = Game.LocationData[s][l][Loc::Kind];
      IntRow& stocks = Game.LocationStock[s][l];
      if (kind > 0)
        for (int c = 13; c <= 18; ++c) stocks[c] = 0;
      if (kind == Kind::Hideout)
        for (int c = 1; c <= 12; ++c) stocks[c] = 0;
    }
}

int cargoHeld() {
  int64_t held = 0;
  for (int c = 1; c <= kLastCommodity; ++c) held += Game.Cargo[c];
  return Saturate(held);
}

int freeCargoSpace() { return std::max<int64_t>(0, static_cast<int64_t>(Game.Ship[Sh::CargoCapacity]) - cargoHeld()); }

bool marketAt(int system, int location) {
  if (system < 1 || system > kSystems || location < 1 || location > kLocations) return false;
  const auto& loc = Game.LocationData[system][location];
  return loc[Loc::Exists] > 0 && HasMarket(loc[Loc::Kind]);
}

void buy() {
  const int c = Run.SelectedCommodity;
  if (c < 1 || c > kCommodities) return Notify("N/A", "Please first select a good to buy.");
  if (!CanBuyHere()) return NoMarket();
  BuyAmount(c, Run.TradeAmount);
}

void buyAll() {
  const int c = Run.SelectedCommodity;
  if (c < 1 || c > kCommodities) return Notify("N/A", "Please first select a good to buy.");
  if (!CanBuyHere()) return NoMarket();
  if (HerePrice(c) <= 0) return Notify("N/A", "Please first select a good to buy.");
  BuyAmount(c, Game.Player[Pl::Credits] / HerePrice(c));
}

void sell() {
  const int c = Run.SelectedCommodity;
  if (!CanSellHere()) return;
  if (c < 1 || c > kCommodities) return Notify("N/A", "Please first select a good to sell.");
  SellAmount(c, Run.TradeAmount);
}

void sellAll() {
  if (!CanSellHere()) return;
  for (int c = 1; c <= kLastCommodity; ++c)
    if (Game.Cargo[c] > 0) SellAmount(c, Game.Cargo[c]);
  TutorialHook(TutorialEvent::SellAll);
}

bool contrabandCheck() {
  if (Game.Ship[Sh::Alive] <= 0 || !AtLocation()) return false;
  const int kind = HereKind();
  if (kind <= 0 && kind != Kind::Wormhole) return false;
  bool carrying = false;
  for (int c = 13; c <= 18; ++c) carrying = carrying || Game.Cargo[c] > 0;
  if (!carrying) return false;
  const int d = Random(200);
  int e = Game.NonCombatAbilities[29] == 1 ? 30 : 60;
  if (shipStat(Game.Ship[Sh::ShipType], Stat::Speciality) == 13) e -= e / 4;
  if (d > e) return false;
  Game.Player[Pl::CriminalFlag] = Saturate(static_cast<int64_t>(std::max(Game.Player[Pl::CriminalFlag], 0)) + 30 + Random(60));
  Notify("Contraband detected!",
         "A police ship has detected the contraband on board of your ship! You are flagged criminal and have to "
         "defend against the police!");
  return true;
}

}  // namespace qm
