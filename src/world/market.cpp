#include "world/market.h"

namespace qm {

// Prices and stocks stay at what the new game set until the markets move.
void updatePrices() {}
void updateStock() {}
void updateMarketEvents() {}
// No police patrols search the hold yet.
bool contrabandCheck() { return false; }

}  // namespace qm
