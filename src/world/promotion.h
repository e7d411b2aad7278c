#pragma once

namespace qm {

// Checks whether the pilot has earned the next level or rank; runs after every
// experience gain and once a day.
void CheckPromotion();
// The two battle medals, each awarded once: for destroying a ship of a bigger
// class than one's own (of another faction), and for destroying a starbase.
void AwardSilverStar();
void AwardGoldStar();

}  // namespace qm
