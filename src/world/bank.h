#pragma once
// The bank: loans by rank, their early payback and automatic renewal, and war
// bonds. Every refusal says why and changes nothing.
#include <string>

namespace qm {

struct LoanTerms {
  int lend;
  int repay;
  int days;
};
struct BondTerms {
  int price;
  int lockDays;
};
LoanTerms smallLoanTerms(int rank);
LoanTerms largeLoanTerms(int rank);
BondTerms warBondTerms(int rank);

void takeSmallLoan();
// "Take this loan" without a debt, "Pay your debt" with one.
void takeLargeLoanOrRepay();
void buyWarBonds();
void sellWarBonds();

// The bank's daily step: loan days, renewal of an overdue loan, the bonds' lock
// days and their losses. The day cycle runs it once a day.
void updateBank();

// "Unknown yet", "None", "Low", "Good", "Great", "Decisive" for effects -1..4.
std::string warBondEffectName(int effect);

// What the bank screen shows, every line ready to print.
struct BankTexts {
  std::string credits;
  bool hasDebt = false;
  std::string largeButton;  // "Take this loan" or "Pay your debt"
  // Without a debt: the two offers.
  std::string smallOffer, largeOffer;
  // With a debt.
  std::string owe, payback, earlyOffer;  // earlyOffer: the early payback offer or the renewal warning
  // War bonds.
  std::string bonds, effect, selling, bondOffer;
};
BankTexts bankTexts();

}  // namespace qm
