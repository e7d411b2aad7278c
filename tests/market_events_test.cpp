#include <gtest/gtest.h>

#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/day_cycle.h"
#include "world/market.h"
#include "world/new_game.h"
#include "world/trade_news.h"

namespace qm {
namespace {

class MarketEvents : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(5);
    StartNewGame({});
    fe.shown.clear();
  }
  // Runs the event step `days` times on distinct dates; returns the new rows seen.
  std::vector<IntRow> RunDays(int days, std::vector<std::string>* headlines = nullptr) {
    std::vector<IntRow> added;
    for (int d = 0; d < days; ++d) {
      Game.StarDate = 5000 + d;
      IntRow before = Game.NewsData[1];
      if (before[News::Present] > 0 && before[News::DaysLeft] > 0) before[News::DaysLeft] -= 1;  // a day passes
      const std::string beforeText = Game.NewsText[1];
      updateMarketEvents();
      if (Game.NewsData[1][News::Date] != Game.StarDate) continue;
      added.push_back(Game.NewsData[1]);
      if (headlines) headlines->push_back(Game.NewsText[1]);
      // The list shifted down: the old newest entry, a day older, is now second.
      EXPECT_EQ(Game.NewsData[2], before);
      EXPECT_EQ(Game.NewsText[2], beforeText);
    }
    return added;
  }
  test::ScriptedFrontend fe;
};

TEST_F(MarketEvents, ActiveEntriesCountDownTheirDays) {
  for (int r = 1; r <= kNewsEntries; ++r) Game.NewsData[r] = IntRow{};
  Game.NewsData[3][News::Present] = 1;
  Game.NewsData[3][News::DaysLeft] = 2;
  Game.NewsData[4][News::Present] = 1;  // no days left: stays at 0
  Game.NewsData[5][News::DaysLeft] = 7;  // not present: untouched
  SeedRandom(1);
  updateMarketEvents();
  // A new event may have pushed the rows down by one.
  const int shift = Game.NewsData[1][News::Present] > 0 ? 1 : 0;
  EXPECT_EQ(Game.NewsData[3 + shift][News::DaysLeft], 1);
  EXPECT_EQ(Game.NewsData[4 + shift][News::DaysLeft], 0);
  EXPECT_EQ(Game.NewsData[5 + shift][News::DaysLeft], 7);
}

TEST_F(MarketEvents, EventsAreRareAndWellFormed) {
  std::vector<std::string> headlines;
  const auto added = RunDays(6000, &headlines);
  // Six in a hundred days bring an event.
  EXPECT_GT(added.size(), 270u);
  EXPECT_LT(added.size(), 460u);
  int kinds[5] = {};
  for (size_t i = 0; i < added.size(); ++i) {
    const IntRow& row = added[i];
    const int kind = row[News::Kind], system = row[News::System], c = row[News::Commodity];
    ASSERT_GE(kind, 1);
    ASSERT_LE(kind, 4);
    ++kinds[kind];
    EXPECT_EQ(row[News::Present], 1);
    EXPECT_GE(row[News::DaysLeft], 20);
    EXPECT_LE(row[News::DaysLeft], 49);
    ASSERT_GE(system, 1);
    ASSERT_LE(system, kSystems);
    std::string expected = Game.SystemText[system][1] + " : ";
    if (kind <= 2) {
      ASSERT_GE(c, 1);
      ASSERT_LE(c, 10);  // only the first ten goods have shortages and surpluses
      expected += (kind == 1 ? "Need for " : "Surplus of ") + Game.CommodityName[c];
    } else {
      EXPECT_EQ(c, 0);
      expected += kind == 3 ? "Pirates attack" : "Increased patrols";
    }
    EXPECT_EQ(headlines[i], expected);
  }
  // 31 / 30 / 20 / 19 in a hundred.
  EXPECT_GT(kinds[1], kinds[3]);
  EXPECT_GT(kinds[2], kinds[4]);
  EXPECT_GT(kinds[3], 0);
  EXPECT_GT(kinds[4], 0);
}

TEST_F(MarketEvents, CommodityDrawGivesUpAfterAThousandTries) {
  // Only Super Ore is left among the first ten: every draw that succeeds finds it.
  for (int c = 1; c <= 9; ++c) Game.BasePrice[c] = 0;
  for (int i = 0; i < 50; ++i) EXPECT_EQ(drawEventCommodity(), 10);

  // Nothing to draw: the search ends, and no shortage or surplus is reported.
  Game.BasePrice[10] = 0;
  EXPECT_EQ(drawEventCommodity(), 0);
  const auto added = RunDays(3000);
  ASSERT_FALSE(added.empty());  // pirate and patrol news still come
  for (const IntRow& row : added) EXPECT_GE(row[News::Kind], 3);
}

TEST_F(MarketEvents, TheArticleIsBuiltOnceAndReadsTheSameEveryTime) {
  IntRow& row = Game.NewsData[2];
  row = IntRow{};
  row[News::Present] = 1;
  row[News::Kind] = 1;
  row[News::System] = 1;
  row[News::Commodity] = 2;
  row[News::Opener] = 1;
  row[News::Report] = 1;
  row[News::Closer] = 5;
  EXPECT_EQ(tradeNewsText(2),
            "\"Good morning! Today we have some news for space traders and merchants. We’ve got reports of a shortage "
            "of Medicals in the Sol system. Supplies have already reached a critical point. Stay tuned, we’ll keep you "
            "up to date.\"");

  // Patrol news name the system in the closer too; X stays as it stands in pirate news.
  row[News::Kind] = 4;
  row[News::Report] = 9;
  row[News::Closer] = 9;
  EXPECT_NE(tradeNewsText(2).find("Sol battleships have successfully"), std::string::npos);
  EXPECT_NE(tradeNewsText(2).find("use Sol as a trading point again.\""), std::string::npos);
  row[News::Kind] = 3;
  row[News::Closer] = 4;
  EXPECT_NE(tradeNewsText(2).find("the X government"), std::string::npos);

  // Without stored variants they are drawn once and kept.
  row[News::Kind] = 2;
  row[News::Opener] = row[News::Report] = row[News::Closer] = 0;
  const std::string first = tradeNewsText(2);
  for (int f : {News::Opener, News::Report, News::Closer}) {
    EXPECT_GE(row[f], 1);
    EXPECT_LE(row[f], 10);
  }
  EXPECT_EQ(tradeNewsText(2), first);
  EXPECT_EQ(first.front(), '"');
  EXPECT_EQ(first.back(), '"');
  EXPECT_NE(first.find("Medicals"), std::string::npos);

  // War news, empty rows and rows outside the list have no trade article.
  row[News::Kind] = 5;
  EXPECT_EQ(tradeNewsText(2), "");
  EXPECT_EQ(tradeNewsText(0), "");
  EXPECT_EQ(tradeNewsText(21), "");
  Game.NewsData[3] = IntRow{};
  EXPECT_EQ(tradeNewsText(3), "");
}

TEST_F(MarketEvents, TheDayCycleBringsTradeNews) {
  // The new world's 123 days already carry some news; more come with the days.
  int present = 0;
  for (int r = 1; r <= kNewsEntries; ++r) present += Game.NewsData[r][News::Present] > 0;
  EXPECT_GT(present, 0);
  for (int r = 1; r <= kNewsEntries; ++r) Game.NewsData[r] = IntRow{};
  for (int d = 0; d < 300; ++d) DailyUpdate();
  EXPECT_GT(Game.NewsData[1][News::Present], 0);
  EXPECT_GT(Game.NewsData[5][News::Present], 0);
}

}  // namespace
}  // namespace qm
