#pragma once
// Set-ups several test areas share: a galaxy at peace, empty mission boards.
#include "state/game_state.h"
#include "world/wars.h"

namespace qm::test {

// Ends every war and siege the pre-simulation may have started, so a test sees
// the quiet galaxy it describes.
inline void MakePeace() {
  for (int a = 1; a <= kFactions; ++a)
    for (int b = 1; b <= kFactions; ++b) Game.FactionData[a][War::WarBase + b] = 0;
  for (int s = 1; s <= kSystems; ++s)
    for (int field = Camp::Running; field <= Camp::LastContribution; ++field) Game.SystemData[s][field] = 0;
}

inline void ClearMissionBoards() {
  for (int s = 1; s <= kSystems; ++s)
    for (int o = 0; o <= kMissionOffers + 1; ++o) Game.Missions[s][o].fill(0);
}

}  // namespace qm::test
