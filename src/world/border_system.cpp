#include "world/border_system.h"

#include "state/game_state.h"
#include "state/random.h"

namespace qm {

int BorderSystems(int fromFaction, int toFaction, int (&out)[kMaxBorderCandidates]) {
  static_assert(kMaxBorderCandidates >= kSystems * kLocations);
  int count = 0;
  for (int s = 1; s <= kSystems; ++s) {
    if (Game.SystemData[s][Sys::Exists] <= 0 || Game.SystemData[s][Sys::Owner] != fromFaction) continue;
    for (int l = 1; l <= kLocations; ++l) {
      const auto& loc = Game.LocationData[s][l];
      if (loc[Loc::Exists] <= 0 || loc[Loc::Kind] != Kind::Wormhole) continue;
      const int d = loc[Loc::Target];
      if (d < 1 || d > kSystems || Game.SystemData[d][Sys::Exists] <= 0) continue;
      if (Game.SystemData[d][Sys::SystemClass] == 6) continue;
      if (toFaction != 0 && Game.SystemData[d][Sys::Owner] != toFaction) continue;
      out[count++] = d;
    }
  }
  return count;
}

int PickBorderSystem(int fromFaction, int toFaction) {
  int candidates[kMaxBorderCandidates];
  const int count = BorderSystems(fromFaction, toFaction, candidates);
  return count == 0 ? 0 : candidates[Random(count)];
}

int RandomWarEnemy(int faction) {
  const auto atWar = [faction](int i) {
    return i >= 1 && i <= kFactions && i != faction && Game.FactionData[faction][Fac::RelationBase + i] > 0;
  };
  bool any = false;
  for (int i = 1; i <= kFactions; ++i) any = any || atWar(i);
  if (!any) return 0;
  for (int draw = 0; draw < 1001; ++draw) {
    const int i = Random(5);
    if (atWar(i)) return i;
  }
  return 0;
}

}  // namespace qm
