#include "combat/mission_hooks.h"

#include "state/game_state.h"
#include "state/random.h"
#include "combat/world_hooks.h"

namespace qm {
namespace {

constexpr int kBounty = 5, kAbduction = 18;
constexpr int kMilitary = 2, kPirate = 3;
constexpr int kTargetMark = 20;

}  // namespace

void MarkMissionTargets() {
  const IntRow& m = Game.ActiveMission;
  const int type = m[Mis::Type];
  if (m[Mis::Active] <= 0 || (type != kBounty && type != kAbduction)) return;
  if (Game.Ship[Sh::System] != m[Mis::System]) return;
  const int wantedKind = type == kBounty ? kPirate : kMilitary;
  int candidates[kSystemShipRows];
  int count = 0;
  for (int row = 1; row <= kSystemShipRows; ++row) {
    const IntRow& r = Game.SystemShips[row];
    if (r[1] <= 0) continue;
    if (r[kTargetMark] == 1) return;  // the wanted ship is here already
    if (r[3] == wantedKind) candidates[count++] = row;
  }
  if (count == 0) return;
  const int chance = Game.NonCombatAbilities[13] == 1 ? 30 : 15;
  if (Random(100) >= chance) return;
  IntRow& target = Game.SystemShips[candidates[Random(count)]];
  target[2] = m[Mis::Object];
  target[5] = m[Mis::Party];
  target[kTargetMark] = 1;
}

void MissionTargetDestroyed(int row) {
  IntRow& r = Game.SystemShips[row];
  if (r[kTargetMark] != 1) return;
  r[kTargetMark] = 0;
  if (!WorldHooks().completeBountyOnSensors()) WorldHooks().failAbductionOnSensors();
}

void MissionTargetCaptured() { WorldHooks().completeAbductionByBoarding(); }

}  // namespace qm
