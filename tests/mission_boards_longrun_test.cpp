// Many days of the world from several seeds: every offer on every board keeps
// pointing at places that exist and stays within what a savegame may hold.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "state/game_state.h"
#include "state/random.h"
#include "state/savegame.h"
#include "support/scripted_frontend.h"
#include "world/day_cycle.h"
#include "world/missions.h"
#include "world/new_game.h"

namespace qm {
namespace {

bool LocationExists(int s, int l) {
  return s >= 1 && s <= kSystems && l >= 1 && l <= kLocations && Game.SystemData[s][Sys::Exists] > 0 &&
         Game.LocationData[s][l][Loc::Exists] > 0;
}

// What is wrong with an offer of board `board`, or "" when nothing is.
std::string Fault(const IntRow& m, int board) {
  const int type = m[Mis::Type];
  if (type < 1 || type > 26) return "type " + std::to_string(type);
  if (m[Mis::Reward] <= 0) return "no reward";
  if (m[Mis::TextVariant] < 1 || m[Mis::TextVariant] > MissionTextVariants(type)) return "text variant";
  if (m[Mis::CampaignSystem] != 0 && m[Mis::CampaignSystem] != board) return "campaign of another board";
  if (type == 19) return m[Mis::Object] == 50 ? "" : "planets to visit";
  if (!LocationExists(m[Mis::System], m[Mis::Location])) return "missing target";
  if (type == 5 || type == 18) {
    if (m[Mis::CallSign] < 1 || m[Mis::CallSign] > 10) return "call sign";
    if (m[Mis::Object] < 1 || m[Mis::Object] > 19) return "target ship";
  }
  if (type == 3 || type == 6 || type == 11) {
    if (m[Mis::Object] < 1 || m[Mis::Object] > 12 || m[Mis::Party] < 200) return "goods";
    if (Game.LocationData[m[Mis::System]][m[Mis::Location]][Loc::Kind] < 1) return "delivery to no market";
  }
  const bool route = type == 2 || type == 10 || type == 14 || type == 15;
  if ((route || type == 16 || type == 17) && !LocationExists(m[Mis::Nav2System], m[Mis::Nav2Location]))
    return "missing navpoint 2";
  if (route && !LocationExists(m[Mis::Nav3System], m[Mis::Nav3Location])) return "missing navpoint 3";
  if (route && (m[Mis::Nav1Location] == m[Mis::Nav2Location] || m[Mis::Nav2Location] == m[Mis::Nav3Location] ||
                m[Mis::Nav1Location] == m[Mis::Nav3Location]))
    return "navpoints repeat";
  return "";
}

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
          const std::string fault = Fault(m, board);
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
