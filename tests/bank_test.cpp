#include <gtest/gtest.h>

#include <limits>

#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/bank.h"
#include "world/day_cycle.h"
#include "world/new_game.h"

namespace qm {
namespace {

class Bank : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(3);
    NewGameChoices c;
    c.faction = 2;
    c.profession = 1;
    StartNewGame(c);
    fe.shown.clear();
  }
  int32_t& P(int field) { return Game.Player[field]; }
  void ExpectRefused(const GameState& before, const std::string& topic, const std::string& text) {
    EXPECT_TRUE(Game == before);
    ASSERT_FALSE(fe.shown.empty());
    EXPECT_EQ(fe.shown.back().topic, topic);
    EXPECT_EQ(fe.shown.back().text, text);
  }
  test::ScriptedFrontend fe;
};

TEST_F(Bank, ASmallLoanAtRankOneAndNoSecondOne) {
  takeSmallLoan();
  EXPECT_EQ(P(Pl::Credits), 15000);
  EXPECT_EQ(P(Pl::Debt), 25000);
  EXPECT_EQ(P(Pl::LoanDaysLeft), 100);
  EXPECT_EQ(P(Pl::LoanPaybackDays), 12);
  EXPECT_EQ(fe.shown.back().text, "You loan $ 5,000 from the local bank. Remember to pay it back in time!");
  const GameState before = Game;
  takeSmallLoan();
  ExpectRefused(before, "Sorry", "You first have to repay your debts before you can get a bigger loan.");
}

TEST_F(Bank, TheLargeLoanFollowsTheRank) {
  P(Pl::Rank) = 3;
  takeLargeLoanOrRepay();
  EXPECT_EQ(P(Pl::Credits), 510000);
  EXPECT_EQ(P(Pl::Debt), 1500000);
  EXPECT_EQ(P(Pl::LoanDaysLeft), 1000);
  EXPECT_EQ(P(Pl::LoanPaybackDays), 125);
  EXPECT_EQ(largeLoanTerms(9).lend, 2500000);  // every rank from 6 up
  EXPECT_EQ(smallLoanTerms(0).repay, 25000);
}

TEST_F(Bank, AnUnpaidLoanDoublesWhenDueAndThenEveryFiveHundredDays) {
  takeSmallLoan();
  fe.shown.clear();
  for (int day = 0; day < 69; ++day) updateBank();
  EXPECT_FALSE(fe.sawTopic("Loan"));
  updateBank();  // 30 days left
  EXPECT_EQ(fe.count("Loan"), 1);
  for (int day = 0; day < 30; ++day) updateBank();
  EXPECT_EQ(P(Pl::Debt), 50000);
  EXPECT_EQ(P(Pl::LoanDaysLeft), 500);
  EXPECT_EQ(fe.count("Loan"), 2);
  for (int day = 0; day < 500; ++day) updateBank();
  EXPECT_EQ(P(Pl::Debt), 100000);
  EXPECT_EQ(fe.count("Loan"), 4);  // another warning, another renewal
}

TEST_F(Bank, TheDailyStepRunsOncePerDay) {
  P(Pl::Credits) = 100000;
  takeSmallLoan();
  buyWarBonds();
  buyWarBonds();
  EXPECT_EQ(P(Pl::WarBondDays), 250);  // lock days add up
  DailyUpdate();
  EXPECT_EQ(P(Pl::LoanDaysLeft), 99);
  EXPECT_EQ(P(Pl::LoanPaybackDays), 11);
  EXPECT_EQ(P(Pl::WarBondDays), 249);
}

TEST_F(Bank, EarlyPaybackSettlesTheDebtForHalf) {
  P(Pl::Debt) = 100000;
  P(Pl::LoanDaysLeft) = 400;
  P(Pl::LoanPaybackDays) = 20;
  P(Pl::Credits) = 60000;
  takeLargeLoanOrRepay();
  EXPECT_EQ(P(Pl::Credits), 10000);
  EXPECT_EQ(P(Pl::Debt), 0);
  EXPECT_EQ(fe.shown.back().text, "You pay all your debts.");

  // Once the offer has run out the whole debt is due.
  P(Pl::Debt) = 100000;
  P(Pl::LoanPaybackDays) = 0;
  P(Pl::Credits) = 60000;
  const GameState before = Game;
  takeLargeLoanOrRepay();
  ExpectRefused(before, "Loan", "You do not have enough money to repay your debts.");
  P(Pl::Credits) = 100001;
  takeLargeLoanOrRepay();
  EXPECT_EQ(P(Pl::Credits), 1);
  EXPECT_EQ(P(Pl::Debt), 0);
}

TEST_F(Bank, WarBondsAreBoughtLockedAndSold) {
  P(Pl::Credits) = 24999;
  GameState before = Game;
  buyWarBonds();
  ExpectRefused(before, "War bonds", "You do not have enough money to buy war bonds.");
  sellWarBonds();
  ExpectRefused(before, "War bonds", "You do not have any war bonds to sell!");

  P(Pl::Credits) = 30000;
  buyWarBonds();
  EXPECT_EQ(P(Pl::Credits), 5000);
  EXPECT_EQ(P(Pl::WarBonds), 25000);
  EXPECT_EQ(P(Pl::WarBondDays), 125);
  EXPECT_EQ(P(Pl::WarBondRisk), -1);
  EXPECT_EQ(P(Pl::Experience), 2500);
  EXPECT_TRUE(fe.sawTopic("Experience"));
  before = Game;
  sellWarBonds();
  ExpectRefused(before, "War bonds", "You cannot yet sell your war bonds.");

  P(Pl::WarBondDays) = 0;
  P(Pl::WarBonds) = 24000;
  P(Pl::WarBondRisk) = 3;
  sellWarBonds();
  EXPECT_EQ(P(Pl::Credits), 29000);
  EXPECT_EQ(P(Pl::WarBonds), 0);
  EXPECT_EQ(P(Pl::WarBondRisk), 0);

  // Bonds near the 32-bit ceiling stay there.
  P(Pl::WarBonds) = std::numeric_limits<int32_t>::max() - 10;
  P(Pl::Credits) = 30000;
  buyWarBonds();
  EXPECT_EQ(P(Pl::WarBonds), std::numeric_limits<int32_t>::max());
}

TEST_F(Bank, BondsLoseByTheirEffectAndNeverGain) {
  for (int effect = -1; effect <= 6; ++effect) {
    const int percent = effect <= 0 ? 1 : effect >= 4 ? 5 : effect + 1;
    P(Pl::WarBonds) = 1000000;
    int losses = 0;
    for (int day = 0; day < 300; ++day) {
      P(Pl::WarBondRisk) = effect;
      const int before = P(Pl::WarBonds);
      updateBank();
      ASSERT_LE(P(Pl::WarBonds), before);
      if (P(Pl::WarBonds) == before) continue;
      ++losses;
      EXPECT_EQ(P(Pl::WarBonds), before - before * percent / 100);
    }
    EXPECT_GT(losses, 30) << "effect " << effect;
    EXPECT_LT(losses, 100) << "effect " << effect;
  }
}

TEST_F(Bank, TheScreenShowsOffersOrTheLoan) {
  BankTexts t = bankTexts();
  EXPECT_EQ(t.credits, "Your credits: $ 10,000");
  EXPECT_EQ(t.largeButton, "Take this loan");
  EXPECT_EQ(t.smallOffer, "\"We lend you $ 5,000 if you pay us $ 25,000 in 100 turns.\"");
  EXPECT_EQ(t.largeOffer, "\"We lend you $C 25,000 if you pay us $C 100,000 in 500 turns.\"");
  EXPECT_EQ(t.effect, "Effect on war efforts: None");
  EXPECT_EQ(t.selling, "Selling possible in: -");

  takeSmallLoan();
  P(Pl::WarBonds) = 1234567;
  P(Pl::WarBondRisk) = 4;
  P(Pl::WarBondDays) = 7;
  t = bankTexts();
  EXPECT_EQ(t.largeButton, "Pay your debt");
  EXPECT_EQ(t.owe, "You owe: $ 25,000");
  EXPECT_EQ(t.payback, "Payback: 100 days.");
  EXPECT_EQ(t.earlyOffer, "\"Pay back $C 12,500 in 12 turns and the rest of your loan is waived.\"");
  EXPECT_EQ(t.bonds, "War bonds: $ 1,234,567");
  EXPECT_EQ(t.effect, "Effect on war efforts: Decisive");
  EXPECT_EQ(t.selling, "Selling possible in: 7 days");
  P(Pl::LoanDaysLeft) = 0;
  EXPECT_EQ(bankTexts().payback, "Payback: Delayed");
}

}  // namespace
}  // namespace qm
