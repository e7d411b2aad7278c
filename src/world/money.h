#pragma once
// The shared helpers through which every reward of money and experience passes.
#include <cstdint>
#include <string>

namespace qm {

// Credits += amount with the reward abilities, then the main screen refreshes.
void GainMoney(int64_t amount);
// Experience += amount with the fame abilities, then the promotion check runs.
void GainExperience(int64_t amount);
// "1,234,567,890", "-4,500", "999": every group of three digits, sign kept.
std::string FormatMoney(int64_t value);

}  // namespace qm
