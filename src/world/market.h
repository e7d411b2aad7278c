#pragma once

namespace qm {

// The daily market steps, in this order: prices, then stock.
void updatePrices();
void updateStock();
// The daily market-event step (the system events of the day).
void updateMarketEvents();
// The police search the hold on arrival; true when contraband was found and
// the police will fight.
bool contrabandCheck();

}  // namespace qm
