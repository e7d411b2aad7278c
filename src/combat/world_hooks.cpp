#include "combat/world_hooks.h"

#include <cstdio>
#include <cstdlib>

namespace qm {

namespace {

WorldHookTable gHooks;
bool gConnected = false;

template <typename F>
bool Filled(F* f) {
  return f != nullptr;
}

bool AllFilled(const WorldHookTable& h) {
  return Filled(h.gainMoney) && Filled(h.gainExperience) && Filled(h.regenerateMissionBoards) &&
         Filled(h.sendAwayCrewBeyondMaximum) && Filled(h.awardSilverStar) && Filled(h.awardGoldStar) &&
         Filled(h.handleDeath) && Filled(h.spawnSpaceObject) && Filled(h.completeBountyOnSensors) &&
         Filled(h.failAbductionOnSensors) && Filled(h.completeAbductionByBoarding) &&
         Filled(h.missionTargetName) && Filled(h.initialiseWorld) && Filled(h.playerActed) &&
         Filled(h.turnEnded);
}

[[noreturn]] void Fail(const char* why) {
  std::fprintf(stderr, "quellmark: %s\n", why);
  std::abort();
}

}  // namespace

void ConnectWorldHooks(const WorldHookTable& hooks) {
  if (!AllFilled(hooks)) Fail("the world handed the battles an incomplete set of hooks");
  gHooks = hooks;
  gConnected = true;
}

const WorldHookTable& WorldHooks() {
  if (!gConnected) Fail("a battle ran before the world was connected to it");
  return gHooks;
}

}  // namespace qm
