#include <gtest/gtest.h>

#include <set>

#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/day_cycle.h"
#include "world/galaxy_map.h"
#include "world/new_game.h"

namespace qm {
namespace {

class GalaxyMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(9);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;  // a Starwolf at Earth, Sol
    StartNewGame(c);
    fe.shown.clear();
  }
  test::ScriptedFrontend fe;
};

TEST_F(GalaxyMapTest, OpeningAlwaysStartsAtTheShipsSystem) {
  OpenGalaxyMap();
  EXPECT_EQ(qm::Run.CurrentSystem, 1);
  SelectMapSystem(12);
  EXPECT_EQ(qm::Run.CurrentSystem, 12);
  GalaxyMap map = BuildGalaxyMap();
  EXPECT_TRUE(map.systems[12].selected);
  EXPECT_FALSE(map.systems[1].selected);
  EXPECT_TRUE(map.systems[1].playerHere);
  EXPECT_EQ(map.prices.systemName, "Hyraxan");
  EXPECT_EQ(map.info.name, "Hyraxan");
  SelectMapSystem(25);  // no such system
  SelectMapSystem(0);
  EXPECT_EQ(qm::Run.CurrentSystem, 12);
  CloseGalaxyMap();
  EXPECT_EQ(qm::Run.CurrentSystem, 1);
  SelectMapSystem(7);
  OpenGalaxyMap();  // a selection left over from elsewhere does not survive
  EXPECT_EQ(qm::Run.CurrentSystem, 1);
}

TEST_F(GalaxyMapTest, BlipsBattleIconsAndEnemyColours) {
  Game.FactionData[1][Fac::RelationBase + 2] = 1;  // the Federation at war with the Outer Rim
  Game.FactionData[2][Fac::RelationBase + 1] = 1;
  Game.FactionData[1][Fac::RelationBase + 3] = 0;
  Game.SystemData[5][Sys::UnderAttack] = 1;  // N. Manchester (Coalition) under invasion
  GalaxyMap map = BuildGalaxyMap();
  EXPECT_EQ(map.systems[1].picture, "GalaxyMapBlip_Fed.jpg");
  EXPECT_EQ(map.systems[12].picture, "GalaxyMapBlip_OuterR.jpg");
  EXPECT_EQ(map.systems[16].picture, "GalaxyMapBlip_Coal.jpg");
  EXPECT_EQ(map.systems[13].picture, "GalaxyMapBlip_Synd.jpg");
  EXPECT_EQ(map.systems[5].picture, "Battleicon.jpg");
  EXPECT_TRUE(map.systems[5].underInvasion);
  EXPECT_TRUE(map.systems[12].atWar);
  EXPECT_TRUE(map.systems[24].atWar);
  EXPECT_FALSE(map.systems[16].atWar);
  EXPECT_FALSE(map.systems[1].atWar);
  EXPECT_EQ(map.systems[1].label, "Sol");
  EXPECT_EQ(map.systems[5].label, "New Manchester");
  EXPECT_EQ(map.systems[12].x, 422);
  EXPECT_EQ(map.systems[12].priceX, 422 - 16);
  EXPECT_EQ(map.systems[12].priceY, 346 + 45);

  // A faction that no longer exists colours nothing red.
  Game.FactionData[2][Fac::Exists] = 0;
  EXPECT_FALSE(BuildGalaxyMap().systems[12].atWar);
}

TEST_F(GalaxyMapTest, PriceLabelsAndPanelShowOnlyKnownPrices) {
  for (int s = 1; s <= kSystems; ++s) qm::Run.KnownSystemPrices[s] = s % 2;
  qm::Run.SelectedCommodity = 0;
  GalaxyMap map = BuildGalaxyMap();
  EXPECT_EQ(map.systems[3].priceLabel, "");  // nothing selected: empty labels

  qm::Run.SelectedCommodity = 4;
  Game.SystemPrices[3][4] = 87;
  map = BuildGalaxyMap();
  EXPECT_EQ(map.systems[3].priceLabel, "($ 87)");
  EXPECT_EQ(map.systems[3].knownPrice[4], 87);
  EXPECT_EQ(map.systems[4].priceLabel, "($ ?)");
  EXPECT_EQ(map.systems[4].knownPrice[4], 0);

  PricePanel panel = BuildPricePanel(4);
  ASSERT_EQ(panel.rows.size(), 18u);
  EXPECT_FALSE(panel.known);
  for (const PriceRow& row : panel.rows) EXPECT_EQ(row.price, "$ ?");
  panel = BuildPricePanel(3);
  EXPECT_EQ(panel.rows[3].price, "$ 87");
  EXPECT_TRUE(panel.rows[3].selected);
  EXPECT_FALSE(panel.rows[2].selected);
  EXPECT_EQ(panel.rows[12].name, "*Rum");

  // The ship's own system is always known after a day.
  DailyUpdate();
  EXPECT_TRUE(BuildPricePanel(1).known);
}

TEST_F(GalaxyMapTest, HoldLineIsUsedOverCapacityEvenWhenOverfull) {
  EXPECT_EQ(BuildPricePanel(1).holdLine, "0/40");
  Game.Cargo[1] = 30;
  Game.Cargo[14] = 25;  // more than the hold after a change to a smaller ship
  EXPECT_EQ(BuildPricePanel(1).holdLine, "55/40");
}

TEST_F(GalaxyMapTest, WormholeLanesJoinTheWholeGalaxy) {
  const auto lanes = wormholeLanes();
  auto find = [&](int a, int b) -> const MapLane* {
    for (const MapLane& l : lanes)
      if (l.a == a && l.b == b) return &l;
    return nullptr;
  };
  ASSERT_NE(find(1, 2), nullptr);
  EXPECT_EQ(find(1, 2)->daysAtoB, 2);
  EXPECT_EQ(find(1, 2)->daysBtoA, 2);
  ASSERT_NE(find(6, 15), nullptr);  // New Germany to Lands End 8 days, back 9
  EXPECT_EQ(find(6, 15)->daysAtoB, 8);
  EXPECT_EQ(find(6, 15)->daysBtoA, 9);
  ASSERT_NE(find(19, 21), nullptr);  // New Cuba leads to Barbados, nothing leads back
  EXPECT_EQ(find(19, 21)->daysAtoB, 4);
  EXPECT_EQ(find(19, 21)->daysBtoA, 0);
  EXPECT_EQ(find(1, 3), nullptr);

  // Each lane once, and every system reachable from Sol.
  std::set<std::pair<int, int>> unique;
  for (const MapLane& l : lanes) {
    EXPECT_LT(l.a, l.b);
    unique.insert({l.a, l.b});
  }
  EXPECT_EQ(unique.size(), lanes.size());
  std::set<int> reached = {1};
  for (bool grew = true; grew;) {
    grew = false;
    for (const MapLane& l : lanes)
      if (reached.count(l.a) != reached.count(l.b)) {
        reached.insert(l.a);
        reached.insert(l.b);
        grew = true;
      }
  }
  EXPECT_EQ(reached.size(), static_cast<size_t>(kSystems));

  // A wormhole without a valid target adds nothing: Sol and Carse stay joined one way.
  Game.LocationData[1][7][Loc::Target] = 40;
  const auto fewer = wormholeLanes();
  ASSERT_EQ(fewer.size(), lanes.size());
  EXPECT_EQ(fewer[0].a, 1);
  EXPECT_EQ(fewer[0].daysAtoB, 0);
  EXPECT_EQ(fewer[0].daysBtoA, 2);
  Game.LocationData[2][5][Loc::Exists] = 0;
  EXPECT_EQ(wormholeLanes().size(), lanes.size() - 1);
}

TEST_F(GalaxyMapTest, InformationPanel) {
  const InfoPanel info = BuildInfoPanel(13);
  EXPECT_EQ(info.name, "New Moscow");
  EXPECT_EQ(info.classLine, "Class: Capital");
  EXPECT_EQ(info.factionLine, "Faction: " + Game.FactionText[4][FacT::FullName]);
  EXPECT_EQ(info.logo, Game.FactionText[4][FacT::Logo] + ".jpg");
  EXPECT_EQ(classLine(1), "Class: Agricultural");
  EXPECT_EQ(classLine(0), "Class: ?");
}

// How often prices are known: 30 in 100 without trader skills, 60 with "Trader"
// or "Price Algorithms", always with "Advanced Trader"; every location with
// either skill or the computer.
TEST_F(GalaxyMapTest, PriceKnowledgeFollowsTheTraderSkills) {
  auto knownShare = [&] {
    int known = 0, locations = 0;
    for (int d = 0; d < 200; ++d) {
      DailyUpdate();
      for (int s = 2; s <= kSystems; ++s) known += qm::Run.KnownSystemPrices[s];
      for (int l = 1; l <= kLocations; ++l) locations += l != Game.Ship[Sh::Location] && qm::Run.KnownLocationPrices[l];
    }
    return std::pair<int, int>{known * 100 / (200 * 23), locations * 100 / (200 * 14)};
  };
  Game.NonCombatAbilities[1] = Game.NonCombatAbilities[2] = 0;
  auto [systems, locations] = knownShare();
  EXPECT_NEAR(systems, 30, 5);
  EXPECT_NEAR(locations, 30, 5);

  Game.NonCombatAbilities[1] = 1;
  std::tie(systems, locations) = knownShare();
  EXPECT_NEAR(systems, 60, 5);
  EXPECT_EQ(locations, 100);

  Game.NonCombatAbilities[1] = 0;
  Game.Ship[Sh::Targeting] = 3;  // "Price Algorithms"
  std::tie(systems, locations) = knownShare();
  EXPECT_NEAR(systems, 60, 5);
  EXPECT_EQ(locations, 100);

  Game.NonCombatAbilities[2] = 1;
  std::tie(systems, locations) = knownShare();
  EXPECT_EQ(systems, 100);
}

}  // namespace
}  // namespace qm
