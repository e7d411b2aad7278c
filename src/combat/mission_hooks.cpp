#include "combat/mission_hooks.h"

namespace qm {

// No mission sends the player after a particular ship yet.
void MarkMissionTarget(int) {}
std::string MissionTargetName() { return {}; }
void MissionTargetDestroyed(int) {}
void MissionTargetCaptured() {}

}  // namespace qm
