#include "ui/WormholeTo.h"

#include "state/game_state.h"
#include "world/wormhole.h"

namespace qm::ui {

WormholeTo::WormholeTo() : TravelProgress("WormholeTo", 273, 351, 200, [] { return WormholeTick(); }) {
  background = "WormholeTravel_00.jpg";
}

std::string WormholeTo::Destination() const {
  return "through the wormhole to " + Game.SystemText[Run.JumpTarget][1];
}

}  // namespace qm::ui
