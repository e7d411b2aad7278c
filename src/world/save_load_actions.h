#pragma once
#include <string>

namespace qm {

// What a savegame slot holds, read from its files without touching the
// running game: the pilot, the star date and the place of the saved game.
struct SlotSummary {
  bool used = false;     // the slot holds a game
  bool damaged = false;  // ... but its files cannot be read
  std::string pilot;     // "Captain Ada"
  std::string when;      // "Star date 2452.117"
  std::string place;     // "Orion at Earth, Sol system"
};
SlotSummary DescribeSlot(int slot);

// The save/load screen's "Save" button of slot 1..4.
bool SaveSlotAction(int slot, const std::string& slotName);
// The save/load screen's "Load" button of slot 1..4: on success the game
// resumes at the saved place one day later. Returns true when a game was loaded.
bool LoadSlotAction(int slot);

}  // namespace qm
