#pragma once

namespace qm {

// Advances the world by one day.
void DailyUpdate();
// Places a new space object in system `system` (a random empty place, if any).
void SpawnSpaceObject(int system);

}  // namespace qm
