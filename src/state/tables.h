#pragma once
// Fixed-size, bounds-checked tables that make up the game state.
//
// Every index into the state is total: reading outside a table yields 0 (or an
// empty text / an empty row), writing outside it is dropped. A value read from a
// savegame or computed by a rule can therefore never touch memory outside a table.
#include <array>
#include <cstdint>
#include <string>

namespace qm {

template <typename T, int N>
class Table {
 public:
  static constexpr int size = N;

  T& operator[](int i) noexcept {
    if (static_cast<unsigned>(i) < static_cast<unsigned>(N)) return items_[static_cast<size_t>(i)];
    return scratch();
  }
  const T& operator[](int i) const noexcept {
    if (static_cast<unsigned>(i) < static_cast<unsigned>(N)) return items_[static_cast<size_t>(i)];
    return scratch();
  }
  void fill(const T& value) { items_.fill(value); }
  bool operator==(const Table& other) const = default;

  auto begin() noexcept { return items_.begin(); }
  auto end() noexcept { return items_.end(); }
  auto begin() const noexcept { return items_.begin(); }
  auto end() const noexcept { return items_.end(); }

 private:
  // The sink for out-of-range access: handed out freshly emptied every time, so
  // nothing written to it can be read back.
  static T& scratch() noexcept {
    static thread_local T sink{};
    sink = T{};
    return sink;
  }
  std::array<T, static_cast<size_t>(N)> items_{};
};

// One integer row: slots 0..101, data in 1..100, slot 101 never saved.
using IntRow = Table<int32_t, 102>;
// One string row: strings 0..11, data in 1..10.
using StrRow = Table<std::string, 12>;

}  // namespace qm
