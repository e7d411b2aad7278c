#pragma once
#include <string>

namespace qm {

// The save/load screen's "Save" button of slot 1..4.
bool SaveSlotAction(int slot, const std::string& slotName);
// The save/load screen's "Load" button of slot 1..4: on success the game
// resumes at the saved place one day later. Returns true when a game was loaded.
bool LoadSlotAction(int slot);

}  // namespace qm
