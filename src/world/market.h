#pragma once
// The economy: daily prices and stocks, the four trade actions, and the
// police search for contraband on arrival.

namespace qm {

// How strongly a location of `kind` supplies commodity `c`.
int supplyPoints(int c, int kind);

// The daily market steps, in this order: prices, then stock.
void updatePrices();
void updateStock();
// The daily market-event step (the system events of the day).
void updateMarketEvents();

// Trade actions for Run.SelectedCommodity at the ship's location, Run.TradeAmount units.
void buy();
void buyAll();
void sell();
void sellAll();
// Units held in the hold, and the free space (never negative).
int cargoHeld();
int freeCargoSpace();
// True when location `location` of `system` exists and has a market (a planet or a hideout).
bool marketAt(int system, int location);

// The police search the hold on arrival; true when contraband was found and
// the police will fight.
bool contrabandCheck();

}  // namespace qm
