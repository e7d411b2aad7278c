#pragma once
// The shared helpers through which every reward of money and experience passes.
#include <cstdint>
#include <string>

#include "state/money_format.h"

namespace qm {

// Credits += amount with the reward abilities, then the main screen refreshes.
void GainMoney(int64_t amount);
// Experience += amount with the fame abilities, then the promotion check runs.
void GainExperience(int64_t amount);

}  // namespace qm
