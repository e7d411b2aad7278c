// Twenty years of the whole world from several seeds, with the player's ship
// changing class every year: the politics, the news and every mission board stay
// well-formed, and a savegame of the world at any time loads back unchanged.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "catalogue/ships.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/savegame.h"
#include "support/scripted_frontend.h"
#include "support/world_invariants.h"
#include "world/day_cycle.h"
#include "world/missions.h"
#include "world/new_game.h"
#include "world/news.h"

namespace qm {
namespace {

// One ship type of every class, smallest class first.
std::vector<int> OneShipPerClass() {
  std::vector<int> ships;
  std::set<int> classes;
  for (int t = 1; t <= kShipTypes; ++t)
    if (classes.insert(shipStat(t, Stat::Class)).second) ships.push_back(t);
  return ships;
}

// Saves the running world into the two files' bytes and loads them into a fresh
// state: "" when the load accepts it and nothing had to be repaired.
std::string RoundTripFault() {
  const auto ints = EncodeSlotInts(Game);
  const auto strs = EncodeSlotStrings(Game);
  auto loaded = std::make_unique<GameState>();
  std::string why;
  if (!DecodeSlot(ints, strs, *loaded, why)) return "decode: " + why;
  if (!ValidateLoadedState(*loaded, why)) return "validation: " + why;
  if (EncodeSlotInts(*loaded) != ints) return "the integers changed on the way";
  if (EncodeSlotStrings(*loaded) != strs) return "the texts changed on the way";
  return "";
}

TEST(WorldLongRun, TwentyYearsFromSeveralSeedsKeepEveryInvariant) {
  test::ScriptedFrontend fe;
  const std::vector<int> ships = OneShipPerClass();
  ASSERT_GE(ships.size(), 4u);
  int endings = 0;        // sieges that ended, over all runs
  std::set<int> kinds;    // news kinds seen
  std::set<int> types;    // offer types seen
  for (uint64_t seed : {21u, 22u, 23u}) {
    SeedRandom(seed);
    NewGameChoices c;
    c.faction = static_cast<int>(seed % 4) + 1;
    c.profession = static_cast<int>(seed % 6) + 1;
    StartNewGame(c);
    for (int day = 0; day < 20 * 360; ++day) {
      const std::string when = "seed " + std::to_string(seed) + " day " + std::to_string(day) + ": ";
      if (day % 360 == 0) {
        Game.Ship[Sh::ShipType] = ships[(day / 360 + seed) % ships.size()];
        RegenerateMissionBoards();
      }
      DailyUpdate();
      ASSERT_EQ(test::BoardsFault(), "") << when;
      for (int r = 1; r <= kNewsEntries && Game.NewsData[r][5] == Game.StarDate; ++r) {
        kinds.insert(Game.NewsData[r][2]);
        endings += Game.NewsData[r][2] == NewsKind::Conquered || Game.NewsData[r][2] == NewsKind::InvasionFailed;
      }
      for (int board = 1; board <= kSystems; ++board)
        for (int o = 1; o <= kMissionOffers; ++o)
          if (Game.Missions[board][o][Mis::Active] != 0) types.insert(Game.Missions[board][o][Mis::Type]);
      if (day % 30 != 0) continue;
      ASSERT_EQ(test::PoliticsFault(), "") << when;
      ASSERT_EQ(test::NewsFault(), "") << when;
      for (int r = 1; r <= kNewsEntries && Game.NewsData[r][1] > 0; ++r)
        ASSERT_FALSE(NewsStory(r).empty()) << when << "news row " << r;
      if (day % 720 == 0) {
        ASSERT_EQ(RoundTripFault(), "") << when;
      }
    }
    ASSERT_EQ(RoundTripFault(), "") << "seed " << seed << " at the end";
  }
  EXPECT_GT(endings, 3) << "the wars really ran";
  for (int kind = 1; kind <= 9; ++kind) EXPECT_EQ(kinds.count(kind), 1u) << "news kind " << kind;
  EXPECT_GT(types.size(), 15u) << "offers of many types took part";
}

}  // namespace
}  // namespace qm
