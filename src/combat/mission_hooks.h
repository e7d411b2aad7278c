#pragma once
// Where the ships present and their fights meet the accepted mission: bounty
// targets (destroy) and abduction targets (capture alive).

namespace qm {

// The daily look-out in the mission's target system: while a Bounty or an
// Abduction runs there and no ship is marked yet, one listed ship of the wanted
// kind (a pirate for a bounty, a warship for an abduction) becomes the target
// with a 15 % chance (30 % with the Bounty hunter ability). It takes the
// mission's ship type and faction and is marked (SystemShips [20] := 1).
void MarkMissionTargets();
// The ship of row `row`, marked as the mission target, was destroyed: a bounty
// mission is completed, an abduction fails.
void MissionTargetDestroyed(int row);
// The enemy ship was captured on its bridge: an abduction mission is completed.
void MissionTargetCaptured();

}  // namespace qm
