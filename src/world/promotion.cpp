#include "world/promotion.h"

namespace qm {

// Levels, ranks and medals are not awarded yet: experience only accumulates.
void CheckPromotion() {}

}  // namespace qm
