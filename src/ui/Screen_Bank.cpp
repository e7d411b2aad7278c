#include "ui/Screen_Bank.h"

#include "catalogue/career.h"
#include "state/game_state.h"
#include "world/bank.h"
#include "world/money.h"

namespace qm::ui {
namespace {

// Items: small loan 1, large loan or repayment 2, buy bonds 3, sell bonds 4, Close 9.
constexpr int kSmallItem = 1, kLargeItem = 2, kBuyItem = 3, kSellItem = 4, kCloseItem = 9;
constexpr int kW = 798, kH = 368;
constexpr Rect kLoans{16, 52, 500, 250};
constexpr Rect kBonds{528, 52, 254, 250};
constexpr int kColumnW = 228, kLeftX = 14, kRightX = 258;  // the two columns inside the loans panel
constexpr int kButtonY = 250;                             // the panels' buttons, window coordinates
constexpr Color kRule{96, 120, 160, 140};

std::string Money(int v) { return "$ " + FormatMoney(v); }

}  // namespace

Screen_Bank::Screen_Bank() : ServiceScreen("Screen_Bank", kW, kH) {
  background = "Bank_00.jpg";
  columns = 1;

  AddLabel({20, 12, 120, 28}, "Bank", OneLine(Title(20)));
  TextStyle where = OneLine(Tinted(Small(11), kDim));
  where.middle = true;
  place_ = &AddLabel({92, 14, 330, 24}, "", where);
  TextStyle money = OneLine(Tinted(Bold(Body(14)), kGold), Align::Right);
  money.middle = true;
  credits_ = &AddLabel({kW - 28 - 380, 12, 380, 28}, "", money);
  credits_->name = "Credits";

  // Loans: the two offers side by side, or the running loan.
  Panel& loans = Glass(kLoans, "loans");
  loans.AddLabel({14, 10, 120, 20}, "Loans", OneLine(Title(14)));
  rank_ = &loans.AddLabel({140, 12, kLoans.w - 154, 16}, "", OneLine(Tinted(Small(10), kDim), Align::Right));
  loans.AddBox({14, 34, kLoans.w - 28, 1}, kRule);

  offers_ = &loans.AddPanel({0, 40, kLoans.w, 150});
  offers_->name = "offers";
  const auto offerColumn = [this](int x, const char* heading, Label*& offer, Terms& terms) {
    offers_->AddLabel({x, 0, kColumnW, 18}, heading, OneLine(Title(13)));
    TextStyle quote = Tinted(Body(11), kText);
    quote.font = Font::Serif;
    offer = &offers_->AddLabel({x, 22, kColumnW, 46}, "", quote);
    const char* const names[] = {"You receive", "You pay back", "Due in"};
    Label** values[] = {&terms.lend, &terms.repay, &terms.days};
    for (int i = 0; i < 3; ++i) {
      const int y = 74 + i * 20;
      offers_->AddLabel({x, y, 110, 18}, names[i], OneLine(Tinted(Body(12), kDim)));
      *values[i] = &offers_->AddLabel({x + 100, y, kColumnW - 100, 18}, "", OneLine(Bold(Body(12)), Align::Right));
    }
  };
  offerColumn(kLeftX, "Small loan:", smallOffer_, small_);
  offerColumn(kRightX, "Large loan:", largeOffer_, large_);
  offers_->AddBox({kRightX - 15, 0, 1, 134}, kRule);

  loan_ = &loans.AddPanel({0, 40, kLoans.w, 150});
  loan_->name = "loan";
  loan_->AddLabel({kLeftX, 0, kColumnW, 18}, "Your loan:", OneLine(Title(13)));
  owe_ = &loan_->AddLabel({kLeftX, 30, kColumnW, 22}, "", OneLine(Tinted(Bold(Body(15)), kGold)));
  payback_ = &loan_->AddLabel({kLeftX, 58, kColumnW, 18}, "", OneLine(Body(12)));
  loan_->AddLabel({kRightX, 0, kColumnW, 18}, "Paying back:", OneLine(Title(13)));
  TextStyle quote = Body(12);
  quote.font = Font::Serif;
  early_ = &loan_->AddLabel({kRightX, 24, kColumnW, 110}, "", quote);
  loan_->AddBox({kRightX - 15, 0, 1, 134}, kRule);

  smallButton_ = &AddService(kSmallItem, {kLoans.x + kLeftX, kButtonY, kColumnW, 34}, "BankScreen", "Take this loan",
                             1, [this] { Act(takeSmallLoan); }, "Small loan",
                             "The bank lends you the small amount; pay it back in time or it is renewed with a "
                             "doubled interest rate.");
  smallButton_->name = "SmallLoan";
  largeButton_ = &AddService(kLargeItem, {kLoans.x + kRightX, kButtonY, kColumnW, 34}, "BankScreen", "Take this loan",
                             2, [this] { Act(takeLargeLoanOrRepay); }, "Large loan",
                             "Without a debt the bank lends you the large amount. With a debt this button pays it "
                             "back: while the early payback offer runs, half of it settles the whole loan.");
  largeButton_->name = "LargeLoan";

  // War bonds.
  Panel& bonds = Glass(kBonds, "bonds");
  bonds.AddLabel({14, 10, 200, 20}, "Investments", OneLine(Title(14)));
  bonds.AddBox({14, 34, kBonds.w - 28, 1}, kRule);
  bonds_ = &bonds.AddLabel({14, 42, kBonds.w - 28, 20}, "", OneLine(Bold(Body(13))));
  effect_ = &bonds.AddLabel({14, 64, kBonds.w - 28, 16}, "", OneLine(Body(11)));
  selling_ = &bonds.AddLabel({14, 82, kBonds.w - 28, 16}, "", OneLine(Body(11)));
  bonds.AddBox({14, 104, kBonds.w - 28, 1}, kRule);
  TextStyle offer = Tinted(Body(11), kText);
  offer.font = Font::Serif;
  bondOffer_ = &bonds.AddLabel({14, 110, kBonds.w - 28, 76}, "", offer);
  const int half = (kBonds.w - 28 - 8) / 2;
  AddService(kBuyItem, {kBonds.x + 14, kButtonY, half, 34}, "BankScreen", "Buy bonds", 3, [this] { Act(buyWarBonds); },
             "War bonds", "Invest in war bonds at the price shown for your rank. They are locked for a while, may lose "
                          "value and earn you experience.")
      .name = "BuyBonds";
  AddService(kSellItem, {kBonds.x + 14 + half + 8, kButtonY, half, 34}, "BankScreen", "Sell bonds", 4,
             [this] { Act(sellWarBonds); }, "War bonds", "Sells all your war bonds at their present value.")
      .name = "SellBonds";

  KeysLine({20, kH - 46, 560, 30},
           "Keys: 1 small loan \u00b7 2 large loan or pay your debt \u00b7 3 buy bonds \u00b7 4 sell bonds "
           "\u00b7 arrows, Enter \u00b7 Esc close");
  auto& close = AddService(kCloseItem, {kW - 16 - 120, kH - 48, 120, 34}, "BankScreen", "Close", 0, [this] { Close(); },
                           "Close", "Leaves the bank. (Escape)");
  SetCancel(&close);
  SetDefault(&close);
}

void Screen_Bank::Refresh() {
  const BankTexts t = bankTexts();
  const int rank = Game.Player[Pl::Rank];
  const int system = Game.Ship[Sh::System], here = Game.Ship[Sh::Location];
  place_->Set(here >= 1 ? Game.LocationText[system][here][1] + "  \u00b7  " + Game.SystemText[system][1] + " system"
                        : "");
  credits_->Set(t.credits);
  const std::string title = rankName(rank);
  rank_->Set(title.empty() ? "" : "Terms for the rank of " + title);

  offers_->Show(!t.hasDebt);
  loan_->Show(t.hasDebt);
  // With a debt the small-loan button asks for a new loan, which the bank refuses until the debt is paid.
  smallButton_->caption = t.hasDebt ? "New loan" : "Take this loan";
  largeButton_->caption = t.largeButton;
  if (t.hasDebt) {
    owe_->Set(t.owe);
    payback_->Set(t.payback);
    early_->Set(t.earlyOffer);
  } else {
    smallOffer_->Set(t.smallOffer);
    largeOffer_->Set(t.largeOffer);
    const LoanTerms s = smallLoanTerms(rank), l = largeLoanTerms(rank);
    small_.lend->Set(Money(s.lend));
    small_.repay->Set(Money(s.repay));
    small_.days->Set(std::to_string(s.days) + " days");
    large_.lend->Set(Money(l.lend));
    large_.repay->Set(Money(l.repay));
    large_.days->Set(std::to_string(l.days) + " days");
  }
  bonds_->Set(t.bonds);
  effect_->Set(t.effect);
  selling_->Set(t.selling);
  bondOffer_->Set(t.bondOffer);
  Invalidate();
}

}  // namespace qm::ui
