#pragma once
// Total lookups into the fixed catalogue tables.
#include <array>
#include <cstddef>

namespace qm {

// The row at `index`, or an empty row for any index outside the table.
template <typename T, size_t N>
T entry(const std::array<T, N>& table, int index) {
  if (index < 0 || static_cast<size_t>(index) >= N) return T{};
  return table[static_cast<size_t>(index)];
}

}  // namespace qm
