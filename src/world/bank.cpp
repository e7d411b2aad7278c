#include "world/bank.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "world/money.h"

namespace qm {
namespace {

struct RankTerms {
  LoanTerms small, large;
  BondTerms bond;
};

// Rows for ranks 0-1, 2, 3, 4, 5 and 6 and above.
constexpr std::array<RankTerms, 6> kTerms = {{
    {{5000, 25000, 100}, {25000, 100000, 500}, {25000, 125}},
    {{25000, 100000, 500}, {100000, 500000, 500}, {100000, 125}},
    {{100000, 500000, 500}, {500000, 1500000, 1000}, {500000, 250}},
    {{500000, 1500000, 1000}, {1000000, 3000000, 1000}, {1000000, 250}},
    {{500000, 1000000, 500}, {1000000, 3000000, 1000}, {1000000, 250}},
    {{500000, 1000000, 500}, {2500000, 5000000, 1000}, {2500000, 250}},
}};

const RankTerms& TermsFor(int rank) {
  const int row = std::clamp(rank, 1, 6) - 1;
  return kTerms[static_cast<size_t>(row)];
}

int32_t& P(int field) { return Game.Player[field]; }
bool HasDebt() { return P(Pl::Debt) > 0; }

void TakeLoan(const LoanTerms& t) {
  P(Pl::Debt) = t.repay;
  P(Pl::LoanDaysLeft) = t.days;
  P(Pl::LoanPaybackDays) = t.days / 8;
  P(Pl::Credits) = Saturate(static_cast<int64_t>(P(Pl::Credits)) + t.lend);
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
  Notify("Loan", "You loan $ " + FormatMoney(t.lend) + " from the local bank. Remember to pay it back in time!");
}

// One day less, never wrapping around.
int32_t DayLess(int32_t days) { return Saturate(static_cast<int64_t>(days) - 1); }

void LoanDay() {
  if (!HasDebt()) return;
  P(Pl::LoanDaysLeft) = DayLess(P(Pl::LoanDaysLeft));
  P(Pl::LoanPaybackDays) = DayLess(P(Pl::LoanPaybackDays));
  if (P(Pl::LoanDaysLeft) == 30)
    Notify("Loan", "You have less than 30 days left to repay your loan or the loan will automatically renewed with a "
                   "doubled interest rate!");
  if (P(Pl::LoanDaysLeft) <= 0) {
    P(Pl::Debt) = Saturate(static_cast<int64_t>(P(Pl::Debt)) * 2);
    P(Pl::LoanDaysLeft) = 500;
    Notify("Loan", "You have not paid back your debt in time. The loan is automatically renewed with a doubled "
                   "interest rate!");
  }
}

// Loss percentage of the war bonds on a bad day, by their effect on the war.
int BondLossPercent(int effect) {
  if (effect <= 0) return 1;
  if (effect >= 4) return 5;
  return effect + 1;
}

void BondDay() {
  P(Pl::WarBondDays) = P(Pl::WarBondDays) > 0 ? P(Pl::WarBondDays) - 1 : 0;
  if (P(Pl::WarBonds) <= 0) {
    P(Pl::WarBondRisk) = 0;
    return;
  }
  const int percent = BondLossPercent(P(Pl::WarBondRisk));
  if (Random(100) < 20) P(Pl::WarBonds) -= Saturate(static_cast<int64_t>(P(Pl::WarBonds)) * percent / 100);
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

std::string LoanOffer(const LoanTerms& t, const char* currency) {
  return Quoted("We lend you " + std::string(currency) + FormatMoney(t.lend) + " if you pay us " + currency +
                FormatMoney(t.repay) + " in " + std::to_string(t.days) + " turns.");
}

}  // namespace

LoanTerms smallLoanTerms(int rank) { return TermsFor(rank).small; }
LoanTerms largeLoanTerms(int rank) { return TermsFor(rank).large; }
BondTerms warBondTerms(int rank) { return TermsFor(rank).bond; }

void takeSmallLoan() {
  if (HasDebt())
    return Notify("Sorry", "You first have to repay your debts before you can get a bigger loan.");
  TakeLoan(smallLoanTerms(P(Pl::Rank)));
}

void takeLargeLoanOrRepay() {
  if (!HasDebt()) return TakeLoan(largeLoanTerms(P(Pl::Rank)));
  int64_t debt = P(Pl::Debt);
  // Inside the early-payback window half the debt settles it all.
  if (P(Pl::LoanPaybackDays) > 0 && P(Pl::Credits) >= debt / 2) debt /= 2;
  if (P(Pl::Credits) < debt) return Notify("Loan", "You do not have enough money to repay your debts.");
  P(Pl::Credits) = Saturate(P(Pl::Credits) - debt);
  P(Pl::Debt) = 0;
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
  Notify("Loan", "You pay all your debts.");
}

void buyWarBonds() {
  const BondTerms t = warBondTerms(P(Pl::Rank));
  if (P(Pl::Credits) < t.price)
    return Notify("War bonds", "You do not have enough money to buy war bonds.");
  P(Pl::Credits) -= t.price;
  P(Pl::WarBonds) = Saturate(static_cast<int64_t>(P(Pl::WarBonds)) + t.price);
  P(Pl::WarBondDays) = Saturate(static_cast<int64_t>(std::max(P(Pl::WarBondDays), 0)) + t.lockDays);
  P(Pl::WarBondRisk) = -1;
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
  Notify("War bonds", "Thank you for supporting your nation!");
  Notify("Experience", "You receive some experience points. The more you have the more likely you will be promoted.",
         Game.FactionText[P(Pl::Faction)][FacT::Logo] + ".jpg");
  GainExperience(t.price / 10);
}

void sellWarBonds() {
  if (P(Pl::WarBonds) <= 0) return Notify("War bonds", "You do not have any war bonds to sell!");
  if (P(Pl::WarBondDays) > 0) return Notify("War bonds", "You cannot yet sell your war bonds.");
  P(Pl::Credits) = Saturate(static_cast<int64_t>(P(Pl::Credits)) + P(Pl::WarBonds));
  P(Pl::WarBonds) = 0;
  P(Pl::WarBondRisk) = 0;
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
  Notify("War bonds", "You sell your war bonds.");
}

void updateBank() {
  LoanDay();
  BondDay();
}

std::string warBondEffectName(int effect) {
  static const char* const kNames[] = {"Unknown yet", "None", "Low", "Good", "Great", "Decisive"};
  return kNames[std::clamp(effect, -1, 4) + 1];
}

BankTexts bankTexts() {
  BankTexts t;
  const int rank = P(Pl::Rank);
  t.credits = "Your credits: $ " + FormatMoney(P(Pl::Credits));
  t.hasDebt = HasDebt();
  t.largeButton = t.hasDebt ? "Pay your debt" : "Take this loan";
  if (t.hasDebt) {
    t.owe = "You owe: $ " + FormatMoney(P(Pl::Debt));
    t.payback = P(Pl::LoanDaysLeft) > 0 ? "Payback: " + std::to_string(P(Pl::LoanDaysLeft)) + " days."
                                        : "Payback: Delayed";
    t.earlyOffer = P(Pl::LoanPaybackDays) > 0
                       ? Quoted("Pay back $C " + FormatMoney(P(Pl::Debt) / 2) + " in " +
                                std::to_string(P(Pl::LoanPaybackDays)) +
                                " turns and the rest of your loan is waived.")
                       : Quoted("If you do not pay back your loan in time it is renewed with a doubled interest "
                                "rate!");
  } else {
    t.smallOffer = LoanOffer(smallLoanTerms(rank), "$ ");
    t.largeOffer = LoanOffer(largeLoanTerms(rank), "$C ");
  }
  const bool held = P(Pl::WarBonds) > 0;
  t.bonds = held ? "War bonds: $ " + FormatMoney(P(Pl::WarBonds)) : "War bonds: None";
  t.effect = "Effect on war efforts: " + (held ? warBondEffectName(P(Pl::WarBondRisk)) : std::string("None"));
  t.selling = P(Pl::WarBondDays) > 0 ? "Selling possible in: " + std::to_string(P(Pl::WarBondDays)) + " days"
                                     : "Selling possible in: -";
  t.bondOffer = Quoted("Be a patriot! Invest $ " + FormatMoney(warBondTerms(rank).price) +
                       " and support your country. -6% to 2% a turn, no guarantees made!");
  return t;
}

}  // namespace qm
