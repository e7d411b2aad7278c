#include <gtest/gtest.h>

#include <set>

#include "catalogue/ships.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/day_cycle.h"
#include "world/new_game.h"
#include "world/news.h"
#include "world/wars.h"

namespace qm {
namespace {

constexpr int kManchester = 5;  // a Coalition system next to the Federation's Carse

int ShipOfClass(int c) {
  for (int t = 1; t <= kShipTypes; ++t)
    if (shipStat(t, Stat::Class) == c) return t;
  return 0;
}

class Wars : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(5);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;
    StartNewGame(c);
    for (int s = 1; s <= kSystems; ++s) Game.SystemData[s][Camp::Running] = 0;
    fe.shown.clear();
  }
  // A Federation invasion of N. Manchester (Coalition).
  void Siege(int days, int duration, int attackerPoints, int defenderPoints) {
    auto& sys = Game.SystemData[kManchester];
    sys[Camp::Running] = 1;
    sys[Camp::Attacker] = 1;
    sys[Camp::DaysElapsed] = days;
    sys[Camp::Duration] = duration;
    sys[Camp::AttackerPoints] = attackerPoints;
    sys[Camp::DefenderPoints] = defenderPoints;
  }
  test::ScriptedFrontend fe;
};

TEST_F(Wars, CampaignInfluenceByMissionTypeShipAndDiminishingReturns) {
  EXPECT_EQ(CampaignInfluencePoints(10, 1, 4, 0), 28);   // combat patrol in a cruiser
  EXPECT_EQ(CampaignInfluencePoints(11, 1, 4, 0), 240);  // combat transport
  EXPECT_EQ(CampaignInfluencePoints(18, 1, 3, 0), 120);  // abduction below a battleship counts double
  EXPECT_EQ(CampaignInfluencePoints(18, 1, 5, 0), 60);
  EXPECT_EQ(CampaignInfluencePoints(12, 1, 3, 0), 120);
  EXPECT_EQ(CampaignInfluencePoints(25, 1, 5, 0), 240);
  EXPECT_EQ(CampaignInfluencePoints(9, 3, 3, 0), 60);
  EXPECT_EQ(CampaignInfluencePoints(9, 4, 3, 0), 45);    // from the fourth mission a quarter less
  EXPECT_EQ(CampaignInfluencePoints(9, 13, 3, 0), 30);   // from the thirteenth half
  EXPECT_EQ(CampaignInfluencePoints(9, 5, 5, 0), 60);    // battleships keep full points longer
  EXPECT_EQ(CampaignInfluencePoints(9, 6, 5, 0), 45);
  EXPECT_EQ(CampaignInfluencePoints(9, 1, 3, 6), 90);    // special upgrade 6 adds half

  Siege(10, 300, 5, 5);
  Game.ActiveMission[2] = 11;
  Game.ActiveMission[20] = kManchester;
  AddCampaignInfluence();
  const auto& sys = Game.SystemData[kManchester];
  EXPECT_EQ(sys[Camp::AttackerPoints], 5 + CampaignInfluencePoints(11, 1, shipStat(Game.Ship[Sh::ShipType], Stat::Class), 0));
  EXPECT_EQ(sys[Camp::DefenderPoints], 5);
  EXPECT_EQ(sys[Camp::PlayerMissions], 1);
  EXPECT_EQ(sys[Camp::LastContribution], 11);  // the campaign screen names the last contribution

  // A defending player's missions strengthen the defender; a finished campaign takes nothing.
  Game.Player[Pl::Faction] = 3;
  AddCampaignInfluence();
  EXPECT_EQ(Game.SystemData[kManchester][Camp::DefenderPoints], 5 + CampaignInfluencePoints(11, 2, 1, 0));
  Game.SystemData[kManchester][Camp::Running] = 0;
  const int before = Game.SystemData[kManchester][Camp::PlayerMissions];
  AddCampaignInfluence();
  EXPECT_EQ(Game.SystemData[kManchester][Camp::PlayerMissions], before);
}

TEST_F(Wars, SiegeStrengthByTerritoryAndWarBonds) {
  EXPECT_EQ(TerritoryAdjustment(1), 40);
  EXPECT_EQ(TerritoryAdjustment(2), 40);
  EXPECT_EQ(TerritoryAdjustment(3), 20);
  EXPECT_EQ(TerritoryAdjustment(5), 10);
  EXPECT_EQ(TerritoryAdjustment(6), -10);
  EXPECT_EQ(TerritoryAdjustment(16), -20);
  EXPECT_EQ(TerritoryAdjustment(17), -40);
  EXPECT_EQ(TerritoryAdjustment(0), 0);

  EXPECT_EQ(WarBondThreshold(2), 50000);
  EXPECT_EQ(WarBondLevel(49999, 50000), 1);
  EXPECT_EQ(WarBondLevel(50000, 50000), 2);
  EXPECT_EQ(WarBondLevel(149999, 50000), 3);
  EXPECT_EQ(WarBondLevel(150000, 50000), 4);
  EXPECT_EQ(WarBondLevel(2000000000LL * 2, WarBondThreshold(24)), 4);

  // The bond level is written while the player's faction fights a siege, and only then.
  Siege(0, 300, 0, 0);
  Game.Player[Pl::WarBonds] = 100000000;
  Game.Player[Pl::WarBondRisk] = -1;
  DailySiegeStep();
  EXPECT_EQ(Game.Player[Pl::WarBondRisk], 4);
  Game.SystemData[kManchester][Camp::Attacker] = 4;
  Game.Player[Pl::WarBondRisk] = -1;
  DailySiegeStep();
  EXPECT_EQ(Game.Player[Pl::WarBondRisk], -1);
}

TEST_F(Wars, PlayersSideIsWeakerWithoutHelpAndStrongWithBonds) {
  // Many one-day contests: the attacking Federation wins fewer days than it
  // loses, and massive bonds turn the tide.
  Siege(0, 100000, 0, 0);
  for (int d = 0; d < 2000; ++d) DailySiegeStep();
  const auto& sys = Game.SystemData[kManchester];
  EXPECT_LT(sys[Camp::AttackerPoints], sys[Camp::DefenderPoints]);
  Siege(0, 100000, 0, 0);
  Game.Player[Pl::WarBonds] = 1000000000;
  for (int d = 0; d < 2000; ++d) DailySiegeStep();
  EXPECT_GT(sys[Camp::AttackerPoints], sys[Camp::DefenderPoints]);
}

TEST_F(Wars, SiegeEndsInConquestOrFailureAndTiesFail) {
  Siege(299, 300, 1000, 0);
  Game.SystemData[kManchester][Camp::PlayerMissions] = 2;
  DailySiegeStep();
  EXPECT_EQ(Game.SystemData[kManchester][Sys::Owner], 1);
  EXPECT_EQ(Game.SystemData[kManchester][Camp::Running], 0);
  EXPECT_EQ(Game.LocationData[kManchester][2][Loc::Owner], 1);
  EXPECT_EQ(Game.Player[Pl::InvasionOpsCompleted], 1);
  EXPECT_EQ(Game.NewsData[1][2], NewsKind::Conquered);
  EXPECT_EQ(Game.NewsText[1], "N. Manchester conquered!");
  EXPECT_EQ(Game.NewsData[1][13], kManchester);

  // A won strike while the attacker holds no points is a tie: the invasion fails.
  Game.SystemData[kManchester][Sys::Owner] = 3;
  Siege(50, 300, 0, 40);
  ResolveStarbaseStrike(kManchester, true);
  EXPECT_EQ(Game.SystemData[kManchester][Sys::Owner], 3);
  EXPECT_EQ(Game.SystemData[kManchester][Camp::Running], 0);
  EXPECT_EQ(Game.NewsData[1][2], NewsKind::InvasionFailed);
  EXPECT_EQ(Game.NewsText[1], "N. Manchester - Invasion failed!");
  EXPECT_TRUE(fe.sawTopic("War news!"));
}

// The civil war is won with the third campaign the player helped to win.
TEST_F(Wars, ThirdCampaignWonWithThePlayersHelpWinsTheCivilWar) {
  for (int won = 1; won <= 3; ++won) {
    Game.SystemData[kManchester][Sys::Owner] = 3;
    Siege(299, 300, 1000, 0);
    Game.SystemData[kManchester][Camp::PlayerMissions] = won == 2 ? 0 : 1;  // the second without the player
    DailySiegeStep();
    EXPECT_EQ(Game.SystemData[kManchester][Sys::Owner], 1);
  }
  EXPECT_EQ(Game.Player[Pl::InvasionOpsCompleted], 2);
  EXPECT_EQ(Game.Player[Pl::CivilWarWon], 0);
  Game.SystemData[kManchester][Sys::Owner] = 3;
  Siege(299, 300, 1000, 0);
  Game.SystemData[kManchester][Camp::PlayerMissions] = 4;
  DailySiegeStep();
  EXPECT_EQ(Game.Player[Pl::InvasionOpsCompleted], 3);
  EXPECT_EQ(Game.Player[Pl::CivilWarWon], 1);
  EXPECT_EQ(fe.count("Civil war won!"), 1);

  // A repelled invasion of the player's faction counts when the player helped.
  Siege(299, 300, 0, 1000);
  Game.SystemData[kManchester][Sys::Owner] = 1;
  Game.SystemData[kManchester][Camp::Attacker] = 3;
  Game.SystemData[kManchester][Camp::PlayerMissions] = 1;
  DailySiegeStep();
  EXPECT_EQ(Game.Player[Pl::InvasionsRepelled], 1);
}

TEST_F(Wars, StarbaseStrikeDecidesOnlyItsOwnSiege) {
  // A won strike conquers without a contest point; another siege advances a day.
  Siege(50, 300, 7, 40);
  auto& other = Game.SystemData[3];
  other[Camp::Running] = 1;
  other[Camp::Attacker] = 4;
  other[Camp::Duration] = 300;
  ResolveStarbaseStrike(kManchester, true);
  EXPECT_EQ(Game.SystemData[kManchester][Sys::Owner], 1);
  EXPECT_EQ(Game.SystemData[kManchester][Camp::AttackerPoints], 7);
  EXPECT_EQ(Game.SystemData[kManchester][Camp::DefenderPoints], 0);
  EXPECT_EQ(other[Camp::DaysElapsed], 1);
  EXPECT_EQ(other[Camp::AttackerPoints] + other[Camp::DefenderPoints], 1);

  // A lost strike ends the invasion as failed.
  Game.SystemData[kManchester][Sys::Owner] = 3;
  Siege(50, 300, 70, 4);
  ResolveStarbaseStrike(kManchester, false);
  EXPECT_EQ(Game.SystemData[kManchester][Sys::Owner], 3);
  EXPECT_EQ(Game.SystemData[kManchester][Camp::AttackerPoints], 0);
  EXPECT_EQ(Game.NewsData[1][2], NewsKind::InvasionFailed);
}

TEST_F(Wars, StarbaseStrikeRefusalsAndQuestion) {
  Game.Ship[Sh::System] = kManchester;
  Siege(50, 300, 70, 4);
  StrikeStarbase();  // a fighter
  EXPECT_TRUE(fe.sawTopic("Battleship required!"));
  Game.Ship[Sh::ShipType] = ShipOfClass(5);
  ASSERT_GT(Game.Ship[Sh::ShipType], 0);
  fe.answer(false);
  StrikeStarbase();
  ASSERT_EQ(fe.shown.back().topic, "Attack starbase?");
  EXPECT_EQ(fe.shown.back().text, "Do you really wish to directly attack the enemy starbase? The enemy is still very strong!");
  EXPECT_EQ(Game.SystemData[kManchester][Camp::DaysElapsed], 50);  // "no" changes nothing
  Siege(150, 300, 90, 10);
  fe.answer(false);
  StrikeStarbase();
  EXPECT_EQ(fe.shown.back().text, "Do you really wish to directly attack the enemy starbase?");

  Game.Player[Pl::Faction] = 3;  // now the defender
  StrikeStarbase();
  EXPECT_EQ(fe.shown.back().topic, "N/A!");
  EXPECT_EQ(Game.SystemData[kManchester][Camp::Running], 1);
}

TEST_F(Wars, BorderSystemsAreNeighboursOfTheRightOwnerAndNeverCapitals) {
  std::set<int> seen;
  for (int i = 0; i < 300; ++i) {
    const int t = PickBorderSystem(1, 3);
    ASSERT_GT(t, 0);
    EXPECT_EQ(Game.SystemData[t][Sys::Owner], 3);
    EXPECT_NE(Game.SystemData[t][Sys::SystemClass], 6);
    seen.insert(t);
  }
  EXPECT_EQ(seen, std::set<int>{kManchester});
  for (int i = 0; i < 300; ++i) {
    const int t = PickBorderSystem(1, 0);
    ASSERT_GT(t, 0);
    EXPECT_NE(Game.SystemData[t][Sys::SystemClass], 6);
  }
  for (int s = 1; s <= kSystems; ++s) Game.SystemData[s][Sys::Owner] = 1;
  EXPECT_EQ(PickBorderSystem(1, 3), 0);  // nobody left to attack
}

// Every faction pair at war for long: cease-fires come at most one a day and
// the pair that signs one starts no invasion that day.
TEST_F(Wars, CeaseFiresOnePerDayAndNoInvasionOnThatDay) {
  int ceaseFires = 0;
  for (int seed = 1; seed <= 300; ++seed) {
    SeedRandom(static_cast<uint64_t>(seed));
    for (int s = 1; s <= kSystems; ++s) Game.SystemData[s][Camp::Running] = 0;
    for (int a = 1; a <= 4; ++a)
      for (int b = 1; b <= 4; ++b) {
        Game.FactionData[a][War::WarBase + b] = a != b;
        Game.FactionData[a][War::ClockBase + b] = a != b ? 500 : 0;
      }
    for (int r = 1; r <= kNewsEntries; ++r) Game.NewsData[r][1] = 0;
    Game.StarDate = 400;
    DailyWarStep();
    int cease = 0;
    for (int r = 1; r <= kNewsEntries; ++r) cease += Game.NewsData[r][1] > 0 && Game.NewsData[r][2] == NewsKind::CeaseFire;
    ASSERT_LE(cease, 1);
    if (cease == 0) continue;
    ++ceaseFires;
    int row = 1;
    while (Game.NewsData[row][2] != NewsKind::CeaseFire) ++row;
    const int a = Game.NewsData[row][3], b = Game.NewsData[row][4];
    EXPECT_EQ(Game.FactionData[a][War::WarBase + b], 0);
    EXPECT_EQ(Game.FactionData[b][War::WarBase + a], 0);
    for (int s = 1; s <= kSystems; ++s) {
      if (Game.SystemData[s][Camp::Running] == 0) continue;
      const int attacker = Game.SystemData[s][Camp::Attacker], owner = Game.SystemData[s][Sys::Owner];
      EXPECT_FALSE((attacker == a && owner == b) || (attacker == b && owner == a)) << "seed " << seed;
    }
  }
  EXPECT_GT(ceaseFires, 20);
}

TEST_F(Wars, InvasionStartFillsTheCampaignAndTheNews) {
  for (int a = 1; a <= 4; ++a)
    for (int b = 1; b <= 4; ++b) {
      Game.FactionData[a][War::WarBase + b] = (a == 1 && b == 3) || (a == 3 && b == 1);
      Game.FactionData[a][War::ClockBase + b] = 0;
    }
  Game.StarDate = 10;  // too early for a cease-fire
  for (int day = 0; day < 400 && !SiegeRunning(kManchester); ++day) DailyWarStep();
  ASSERT_TRUE(SiegeRunning(kManchester));
  const auto& sys = Game.SystemData[kManchester];
  EXPECT_EQ(sys[Camp::Attacker], 1);
  EXPECT_GE(sys[Camp::Duration], 200);
  EXPECT_LE(sys[Camp::Duration], 399);
  EXPECT_EQ(sys[Camp::DaysElapsed], 0);
  EXPECT_EQ(Game.NewsText[1], "N. Manchester system under attack!");
  EXPECT_EQ(Game.NewsData[1][2], NewsKind::UnderAttack);
  EXPECT_EQ(Game.NewsData[1][3], 1);
  EXPECT_EQ(Game.NewsData[1][4], 3);
  EXPECT_GE(Game.NewsData[1][6], 20);
  EXPECT_LE(Game.NewsData[1][6], 49);
  EXPECT_TRUE(fe.sawTopic("War news!!"));
  // The Federation already besieges a system: no second siege of its own.
  for (int day = 0; day < 300; ++day) DailyWarStep();
  int federationSieges = 0;
  for (int s = 1; s <= kSystems; ++s) federationSieges += SiegeRunning(s) && Game.SystemData[s][Camp::Attacker] == 1;
  EXPECT_EQ(federationSieges, 1);
}

TEST_F(Wars, NewsStoriesKeepTheirVariantAndNameTheParties) {
  for (int kind = 5; kind <= 9; ++kind)
    for (int v = 1; v <= 10; ++v) {
      const std::string t = WarStoryTemplate(kind, v);
      EXPECT_FALSE(t.empty()) << kind << "/" << v;
      EXPECT_NE(t.find("{A}"), std::string::npos) << kind << "/" << v;
      if (kind >= 7) {
        EXPECT_NE(t.find("{S}"), std::string::npos) << kind << "/" << v;
      }
    }
  EXPECT_EQ(WarStoryTemplate(5, 0), "");
  EXPECT_EQ(WarStoryTemplate(4, 1), "");

  const int r = AddNewsEntry();
  auto& n = Game.NewsData[r];
  n[1] = 1;
  n[2] = NewsKind::Conquered;
  n[3] = 1;
  n[4] = 3;
  n[13] = kManchester;
  n[21] = 1;
  EXPECT_EQ(NewsStory(r),
            "Today the Federation officially announced that their fleet has captured the N. Manchester system and "
            "the defending forces of the Coalition have been forced to withdraw.");
  n[21] = 0;  // not drawn yet: drawn once, 1..10, then kept
  const std::string story = NewsStory(r);
  EXPECT_GE(n[21], 1);
  EXPECT_LE(n[21], 10);
  EXPECT_EQ(NewsStory(r), story);
  EXPECT_EQ(NewsStory(21), "");
  Game.NewsData[2][1] = 0;
  EXPECT_EQ(NewsStory(2), "");
}

TEST_F(Wars, CampaignScreenTexts) {
  Siege(200, 300, 100, 40);
  auto& sys = Game.SystemData[kManchester];
  sys[Camp::SituationVariant] = 1;
  sys[Camp::OpeningVariant] = 1;
  CampaignView v = CampaignScreen(kManchester);
  EXPECT_EQ(v.title, "Invasion");
  EXPECT_EQ(v.situation, "The Federation is invading the N. Manchester system \u2013 currently under control of the "
                         "Coalition. Heavy fighting is taking place.");
  EXPECT_EQ(v.player.rfind("\"You have not yet engaged in this campaign.", 0), 0u);
  EXPECT_EQ(v.days, "200/300 days");
  EXPECT_EQ(v.attackerLevel, 4);  // 40 < 100 - 50: (4, 1); not below 100 - 75
  EXPECT_EQ(v.defenderLevel, 1);
  EXPECT_EQ(v.attackerSmall, "red_ship_small_right.bmp");  // the enemy of the defended starbase
  EXPECT_EQ(v.starbase, "blue_station.bmp");

  sys[Camp::PlayerMissions] = 6;
  sys[Camp::LastContribution] = 11;
  sys[Camp::ContributionVariant] = 2;
  sys[Camp::OutlookVariant] = 1;
  v = CampaignScreen(kManchester);
  EXPECT_EQ(v.player,
            "\"You have already influenced the campaign. The supplies you brought in just recently have increased the "
            "effectiveness of your fleet. High Command is pleased with your service, however they would prefer if "
            "you would make sure we would win by fulfilling just a couple of more missions.\"");

  int a = 0, d = 0;
  CampaignLevels(100, 300, 100, 0, a, d);  // before half time the picture is even
  EXPECT_EQ(a, 2);
  EXPECT_EQ(d, 2);
  CampaignLevels(200, 300, 10, 100, a, d);
  EXPECT_EQ(a, 0);
  EXPECT_EQ(d, 4);
  CampaignLevels(200, 300, 100, 70, a, d);
  EXPECT_EQ(a, 3);
  EXPECT_EQ(d, 2);

  Game.Player[Pl::Faction] = 3;
  EXPECT_EQ(CampaignScreen(kManchester).title, "System defense");
}

// Twenty years of the world from several seeds: the political map stays sound.
TEST(WarsLongRun, TwentyYearsKeepTheWorldWellFormed) {
  test::ScriptedFrontend fe;
  int endings = 0;  // sieges that ended, over all runs
  for (uint64_t seed : {1u, 2u, 3u}) {
    SeedRandom(seed);
    NewGameChoices c;
    c.faction = static_cast<int>(seed % 4) + 1;
    StartNewGame(c);
    for (int day = 0; day < 20 * 360; ++day) {
      DailyUpdate();
      for (int r = 1; r <= kNewsEntries && Game.NewsData[r][5] == Game.StarDate; ++r)
        endings += Game.NewsData[r][2] == NewsKind::Conquered || Game.NewsData[r][2] == NewsKind::InvasionFailed;
      if (day % 30 != 0) continue;
      int siegesBy[5] = {};
      for (int s = 1; s <= kSystems; ++s) {
        const auto& sys = Game.SystemData[s];
        ASSERT_GE(sys[Sys::Owner], 1);
        ASSERT_LE(sys[Sys::Owner], 4);
        if (!SiegeRunning(s)) continue;
        ASSERT_NE(sys[Camp::Attacker], sys[Sys::Owner]);
        ASSERT_NE(sys[Sys::SystemClass], 6);
        ASSERT_GE(sys[Camp::Attacker], 1);
        ASSERT_LE(sys[Camp::Attacker], 4);
        ASSERT_LE(++siegesBy[sys[Camp::Attacker]], 1) << "seed " << seed << " day " << day;
      }
      for (int a = 1; a <= 4; ++a)
        for (int b = 1; b <= 4; ++b)
          ASSERT_EQ(Game.FactionData[a][War::WarBase + b], Game.FactionData[b][War::WarBase + a]);
      bool gap = false;
      for (int r = 1; r <= kNewsEntries; ++r) {
        const auto& n = Game.NewsData[r];
        if (n[1] <= 0) {
          gap = true;
          continue;
        }
        ASSERT_FALSE(gap) << "news rows are filled from the top";
        ASSERT_GE(n[2], 1);
        ASSERT_LE(n[2], 9);
        ASSERT_FALSE(Game.NewsText[r].empty());
        if (n[2] < NewsKind::WarDeclared) continue;
        ASSERT_GE(n[3], 1);
        ASSERT_LE(n[4], 4);
        if (n[2] >= NewsKind::UnderAttack) {
          ASSERT_GE(n[13], 1);
          ASSERT_LE(n[13], kSystems);
        }
        ASSERT_FALSE(NewsStory(r).empty());
      }
    }
  }
  EXPECT_GT(endings, 3);  // the wars really ran
}

}  // namespace
}  // namespace qm
