#pragma once

namespace qm {

// Checks whether the pilot has earned the next level or rank; runs after every
// experience gain and once a day.
void CheckPromotion();

}  // namespace qm
