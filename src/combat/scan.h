#pragma once
// The system scan: the ships present on the radar, their descriptions, hailing
// one and attacking one.
#include <string>

namespace qm {

// What the scan screen shows for the selected record.
struct ScanView {
  std::string name;        // faction, ship name and class word
  std::string description;
  std::string speciality;  // "-" when there is nothing special
  std::string picture;     // the ship's scene picture
};

// Selects radar record k (1..10) and fills its texts; an empty view for a
// record that is not present (the selection is then cleared).
ScanView SelectScanRecord(int k);
// The selected record while the scan screen is open, 0 otherwise. A battle
// started from the scan keeps it in Combat.ScanRecord (see ScanContact).
int ScannedRecord();
// True when radar record k is hostile (red): pirates and factions at war with
// the player's.
bool ScanBlipHostile(int k);
// Closes the scan screen: the selection is cleared.
void CloseScanScreen();
// Hails the selected ship and shows its answer.
void Communicate();
// Attacks the selected ship and settles the consequences of the fight.
void InterceptAndAttack();

// The descriptions, chosen once per record and then kept while it exists.
std::string CivilianScanText(int row);
std::string MilitaryScanText(int row);
// `name` is the famous pirate's name when a mission gives one; otherwise the
// record's nickname is used.
std::string PirateScanText(int row, bool famous, const std::string& name);
// Nickname 1..10 of a famous pirate, in quotation marks.
std::string PirateNickname(int n);

}  // namespace qm
