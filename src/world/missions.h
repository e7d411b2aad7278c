#pragma once

namespace qm {

// Fills the free mission offers of every system board.
void GenerateMissionOffers();
// Completes or advances the accepted mission when the ship reaches its target.
void CheckMissionProgress();
// The delivery-mission check after goods of commodity c were sold here.
void CheckDeliveryMission(int c);
// True when the location is where an offered or accepted delivery takes commodity c.
bool IsDeliveryDestination(int system, int location, int c);

}  // namespace qm
