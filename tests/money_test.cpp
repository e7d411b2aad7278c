#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/money.h"

namespace qm {
namespace {

TEST(FormatMoney, GroupsEveryDigitAndKeepsTheSign) {
  EXPECT_EQ(FormatMoney(0), "0");
  EXPECT_EQ(FormatMoney(999), "999");
  EXPECT_EQ(FormatMoney(1000), "1,000");
  EXPECT_EQ(FormatMoney(45000), "45,000");
  EXPECT_EQ(FormatMoney(1234567), "1,234,567");
  EXPECT_EQ(FormatMoney(1234567890), "1,234,567,890");
  EXPECT_EQ(FormatMoney(-4500), "-4,500");
  EXPECT_EQ(FormatMoney(-999), "-999");
  EXPECT_EQ(FormatMoney(std::numeric_limits<int64_t>::min()), "-9,223,372,036,854,775,808");
}

class Gains : public ::testing::Test {
 protected:
  void SetUp() override { ResetGameState(); }
  test::ScriptedFrontend fe;
};

TEST_F(Gains, MoneyRewardAbilities) {
  Game.Player[Pl::Credits] = 0;
  GainMoney(1000);
  EXPECT_EQ(Game.Player[Pl::Credits], 1000);

  Game.NonCombatAbilities[16] = 1;  // +10 %
  GainMoney(1000);
  EXPECT_EQ(Game.Player[Pl::Credits], 2100);

  Game.NonCombatAbilities[17] = 1;  // the advanced form replaces it: +25 %
  GainMoney(1000);
  EXPECT_EQ(Game.Player[Pl::Credits], 3350);

  GainMoney(-1000);  // a loss through the same path truncates toward zero
  EXPECT_EQ(Game.Player[Pl::Credits], 3350 - 1250);
}

TEST_F(Gains, ExperienceFameAbilities) {
  GainExperience(100);
  EXPECT_EQ(Game.Player[Pl::Experience], 100);
  Game.NonCombatAbilities[19] = 1;  // +25 %
  GainExperience(100);
  EXPECT_EQ(Game.Player[Pl::Experience], 225);
  Game.NonCombatAbilities[20] = 1;  // twice as much, instead
  GainExperience(100);
  EXPECT_EQ(Game.Player[Pl::Experience], 425);
}

TEST_F(Gains, NeverOverflow) {
  Game.Player[Pl::Credits] = std::numeric_limits<int32_t>::max() - 5;
  GainMoney(1000000);
  EXPECT_EQ(Game.Player[Pl::Credits], std::numeric_limits<int32_t>::max());
  Game.Player[Pl::Credits] = std::numeric_limits<int32_t>::min() + 5;
  GainMoney(-1000000);
  EXPECT_EQ(Game.Player[Pl::Credits], std::numeric_limits<int32_t>::min());
  Game.NonCombatAbilities[20] = 1;
  Game.Player[Pl::Experience] = 2000000000;
  GainExperience(2000000000);
  EXPECT_EQ(Game.Player[Pl::Experience], std::numeric_limits<int32_t>::max());
}

TEST(RandomNumbers, RangeAndDegenerateArguments) {
  SeedRandom(42);
  for (int n : {0, -1, -1000, std::numeric_limits<int>::min()}) EXPECT_EQ(Random(n), 0);
  EXPECT_EQ(Random(1), 0);
  int seen[7] = {};
  for (int i = 0; i < 7000; ++i) {
    int r = Random(7);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 7);
    ++seen[r];
  }
  for (int count : seen) EXPECT_GT(count, 800);  // roughly uniform: 1000 expected each
  SeedRandom(5);
  const int a = Random(1000000), b = Random(1000000);
  SeedRandom(5);
  EXPECT_EQ(Random(1000000), a);
  EXPECT_EQ(Random(1000000), b);
}

TEST(StateTables, OutOfRangeAccessIsHarmless) {
  ResetGameState();
  Game.Player[101] = 7;
  Game.Player[-1] = 9;  // dropped
  Game.Player[102] = 9;
  EXPECT_EQ(Game.Player[-1], 0);
  EXPECT_EQ(Game.Player[102], 0);
  EXPECT_EQ(Game.Player[101], 7);
  Game.LocationData[99][-5][3] = 4;
  EXPECT_EQ(Game.LocationData[99][-5][3], 0);
  Game.LocationText[1][40][1] = "lost";
  EXPECT_EQ(Game.LocationText[1][40][1], "");
  EXPECT_EQ(Game.SpaceObjects[1][-3][1], 0);
}

TEST(StateTables, AgeFollowsTheDate) {
  ResetGameState();
  EXPECT_EQ(Age(), 22);
  Game.StarDate = 17281;
  EXPECT_EQ(Age(), 70);
  qm::Run.AgeFreeze = true;
  EXPECT_EQ(Age(), 20);
  qm::Run.AgeFreeze = false;
}

}  // namespace
}  // namespace qm
