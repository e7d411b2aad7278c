#include <gtest/gtest.h>

#include "state/game_state.h"
#include "state/random.h"
#include "world/border_system.h"

namespace qm {
namespace {

// A tiny galaxy: system 1 (faction 1) has wormholes to 2 (faction 2, twice),
// to 3 (faction 2, a capital) and to 4 (faction 3).
void TinyGalaxy() {
  ResetGameState();
  const int owners[] = {0, 1, 2, 2, 3};
  for (int s = 1; s <= 4; ++s) {
    Game.SystemData[s][Sys::Exists] = 1;
    Game.SystemData[s][Sys::Owner] = owners[s];
    Game.SystemData[s][Sys::SystemClass] = s == 3 ? 6 : 2;
  }
  const int targets[] = {2, 2, 3, 4};
  for (int l = 1; l <= 4; ++l) {
    auto& loc = Game.LocationData[1][l];
    loc[Loc::Exists] = 1;
    loc[Loc::Kind] = Kind::Wormhole;
    loc[Loc::Target] = targets[l - 1];
  }
}

TEST(BorderSystem, PicksOnlyNonCapitalNeighboursOfTheWantedOwner) {
  TinyGalaxy();
  SeedRandom(3);
  int seen[5] = {};
  for (int i = 0; i < 3000; ++i) ++seen[PickBorderSystem(1, 0)];
  EXPECT_EQ(seen[0], 0);
  EXPECT_EQ(seen[3], 0);  // the capital is never a border target
  EXPECT_EQ(seen[1], 0);
  // System 2 is reached through two wormholes, system 4 through one.
  EXPECT_GT(seen[2], seen[4] * 3 / 2);
  EXPECT_GT(seen[4], 0);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(PickBorderSystem(1, 3), 4);
  EXPECT_EQ(PickBorderSystem(1, 4), 0);  // nobody of faction 4 next door
  EXPECT_EQ(PickBorderSystem(2, 0), 0);  // faction 2's systems have no wormholes
  EXPECT_EQ(PickBorderSystem(99, 0), 0);
}

TEST(BorderSystem, RandomWarEnemyOnlyReturnsFactionsAtWar) {
  ResetGameState();
  SeedRandom(5);
  EXPECT_EQ(RandomWarEnemy(1), 0);
  Game.FactionData[1][Fac::RelationBase + 3] = 1;
  Game.FactionData[1][Fac::RelationBase + 1] = 1;  // a faction is never its own enemy
  for (int i = 0; i < 200; ++i) EXPECT_EQ(RandomWarEnemy(1), 3);
  EXPECT_EQ(RandomWarEnemy(0), 0);
  EXPECT_EQ(RandomWarEnemy(-7), 0);
}

}  // namespace
}  // namespace qm
