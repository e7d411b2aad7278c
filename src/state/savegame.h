#pragma once
// Savegame slots 1..4 (a ".int" and a ".str" file each) and the general data.
#include <cstdint>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace qm {

constexpr size_t kSlotIntBytes = 815680;     // 203920 integers
constexpr size_t kSlotStrBytes = 1242368;    // 4853 records of 256 bytes
constexpr size_t kGeneralIntBytes = 517 * 4;
constexpr size_t kGeneralStrBytes = 9 * 256;

void SetSaveDirectory(const std::string& dir);
const std::string& SaveDirectory();
std::string SlotIntFileName(int slot);  // "Savegame1.int"
std::string SlotStrFileName(int slot);  // "Savegame1.str"

std::vector<uint8_t> EncodeSlotInts(const GameState& g);
std::vector<uint8_t> EncodeSlotStrings(const GameState& g);
// Decodes both files into `out`; what lies outside the saved ranges comes back
// empty. Files of the wrong size are refused and leave `out` untouched.
bool DecodeSlot(const std::vector<uint8_t>& ints, const std::vector<uint8_t>& strs, GameState& out, std::string& why);
// Refuses a state whose indexing values are out of range (false, `why` names
// the value); otherwise resets unknown text variants and clamps the criminal
// record. In savegame_validate.cpp.
bool ValidateLoadedState(GameState& s, std::string& why);

// The files alone: no questions, no messages. The write replaces both files
// atomically or neither; the read checks sizes, decodes and validates, and its
// `why` is a sentence naming the slot ("... cannot be read (...)" / "... is damaged (...)").
bool WriteSlotFiles(int slot, std::string& error);
bool ReadSlotFiles(int slot, GameState& out, std::string& why);

// The save and load actions with their questions and messages. A failed or
// refused action returns false and leaves the old files and the running game as
// they were. A successful load also ends a running tutorial.
bool SaveGame(int slot, const std::string& slotName);
bool LoadGame(int slot);

std::vector<uint8_t> EncodeGeneralInts();
std::vector<uint8_t> EncodeGeneralStrings();
// Replaces `General` with the decoded data; false (and defaults) when the sizes are wrong.
bool DecodeGeneral(const std::vector<uint8_t>& ints, const std::vector<uint8_t>& strs);
bool SaveGeneralData();
// Reads the general data at a start: first completes the saves a dead process
// cut off and removes the temporary files such saves left behind.
void LoadGeneralData();
void TidySaveDirectory();

}  // namespace qm
