#pragma once
// Addresses values of the state by text: "LocationData[1][2][3]", "Player.Credits",
// "LocationData[1][2].Kind", "PlayerName", "Run.CurrentSystem", "Option.NoWarPopups",
// "EnemyShip.ShieldEnergy" (the opponent of the running battle), "Timer.EnemyMessage".
#include <cstdint>
#include <string>

namespace qm {

struct StateRef {
  int32_t* number = nullptr;
  std::string* text = nullptr;
  bool* boolean = nullptr;
  explicit operator bool() const { return number || text || boolean; }
};

// Resolves `path`; on failure returns an empty ref and says why in `error`.
StateRef ResolvePath(const std::string& path, std::string& error);

}  // namespace qm
