#pragma once
// Where the ships present and their fights meet the accepted mission: bounty
// targets (destroy) and abduction targets (capture alive).
#include <string>

namespace qm {

// A new ship entered row `row` of the ships present: marks it as the accepted
// mission's target (SystemShips [20] := 1) when the mission asks for one here.
void MarkMissionTarget(int row);
// The accepted mission's target name for the scan screen; empty without one.
std::string MissionTargetName();
// The ship of row `row`, marked as the mission target, was destroyed: a bounty
// mission is completed, an abduction fails.
void MissionTargetDestroyed(int row);
// The enemy ship was captured on its bridge: an abduction mission is completed.
void MissionTargetCaptured();

}  // namespace qm
