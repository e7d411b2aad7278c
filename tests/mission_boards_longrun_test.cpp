// Many days of the world from several seeds: every offer on every board keeps
// pointing at places that exist and stays within what a savegame may hold.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "state/game_state.h"
#include "state/random.h"
#include "state/savegame.h"
#include "support/scripted_frontend.h"
#include "support/world_invariants.h"
#include "world/day_cycle.h"
#include "world/missions.h"
#include "world/new_game.h"

namespace qm {
namespace {

TEST(MissionBoardsLongRun, OffersStayValidDayAfterDay) {
  test::ScriptedFrontend fe;
  constexpr int kShips[] = {1, 6, 13, 16};  // fighter, corvette, cruiser, battleship
  std::set<int> seen;
  for (uint64_t seed : {1u, 2u, 3u}) {
    SeedRandom(seed);
    NewGameChoices c;
    c.faction = static_cast<int>(seed) + 1;
    c.profession = 2;
    StartNewGame(c);
    // Two campaigns, one defended and one attacked by the player's faction.
    const int f = Game.Player[Pl::Faction];
    int defended = 0, attacked = 0;
    for (int s = 1; s <= kSystems; ++s) {
      if (Game.SystemData[s][Sys::SystemClass] == 6) continue;
      if (defended == 0 && Game.SystemData[s][Sys::Owner] == f) defended = s;
      if (attacked == 0 && Game.SystemData[s][Sys::Owner] != f) attacked = s;
    }
    ASSERT_TRUE(defended && attacked);
    const int enemy = Game.SystemData[attacked][Sys::Owner];
    Game.FactionData[f][Fac::RelationBase + enemy] = Game.FactionData[enemy][Fac::RelationBase + f] = 1;
    Game.SystemData[defended][Sys::UnderAttack] = Game.SystemData[attacked][Sys::UnderAttack] = 1;
    Game.SystemData[defended][Sys::Attacker] = enemy;
    Game.SystemData[attacked][Sys::Attacker] = f;

    int offers = 0;
    for (int day = 0; day < 720; ++day) {
      if (day % 180 == 0) {
        Game.Ship[Sh::ShipType] = kShips[day / 180];
        RegenerateMissionBoards();
      }
      DailyUpdate();
      for (int board = 1; board <= kSystems; ++board)
        for (int o = 1; o <= kMissionOffers; ++o) {
          const IntRow& m = Game.Missions[board][o];
          if (m[Mis::Active] == 0) continue;
          ++offers;
          seen.insert(m[Mis::Type]);
          const std::string fault = test::OfferFault(m, board);
          ASSERT_EQ(fault, "") << "seed " << seed << " day " << day << " board " << board << " slot " << o
                               << " type " << m[Mis::Type];
        }
      if (day % 60 == 0) {
        GameState copy = Game;
        std::string why;
        ASSERT_TRUE(ValidateLoadedState(copy, why)) << why;
        ASSERT_TRUE(copy.Missions == Game.Missions) << "validation had to repair an offer";
      }
    }
    EXPECT_GT(offers, 720 * kSystems * 4) << "boards are mostly full";
  }
  // Civil, military and fleet offers all took part.
  for (int type : {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 13, 14, 15, 17, 18, 20, 22, 24})
    EXPECT_EQ(seen.count(type), 1u) << type;
}

}  // namespace
}  // namespace qm
