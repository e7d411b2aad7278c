#pragma once

namespace qm {

// Fills the free mission offers of every system board.
void GenerateMissionOffers();
// Completes or advances the accepted mission when the ship reaches its target.
void CheckMissionProgress();

}  // namespace qm
