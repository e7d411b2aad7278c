#pragma once
// Money as the game writes it, shared by every module that names a sum.
#include <cstdint>
#include <string>

namespace qm {

// "1,234,567,890", "-4,500", "999": every group of three digits, sign kept.
std::string FormatMoney(int64_t value);

}  // namespace qm
