#pragma once
// The bank: the loans offered to the pilot's rank and their terms, or the
// running loan with its days left and the early payback; war bonds bought and
// sold; the pilot's credits. Every button calls the bank's rules (world/bank.h)
// and shows what they decide.
//
// Keys: 1 small loan, 2 large loan or "Pay your debt", 3 buy war bonds,
// 4 sell war bonds, arrows and Enter, Escape closes.
#include "ui/Screen_Planet.h"

namespace qm::ui {

class Screen_Bank : public ServiceScreen {
 public:
  Screen_Bank();

 protected:
  void Refresh() override;

 private:
  struct Terms {
    Label* lend = nullptr;
    Label* repay = nullptr;
    Label* days = nullptr;
  };
  Label* place_ = nullptr;
  Label* credits_ = nullptr;
  Label* rank_ = nullptr;
  // Without a debt: the two offers.
  Panel* offers_ = nullptr;
  Label* smallOffer_ = nullptr;
  Label* largeOffer_ = nullptr;
  Terms small_, large_;
  // With a debt: the loan and its early payback.
  Panel* loan_ = nullptr;
  Label* owe_ = nullptr;
  Label* payback_ = nullptr;
  Label* early_ = nullptr;
  Button* smallButton_ = nullptr;
  Button* largeButton_ = nullptr;
  // War bonds.
  Label* bonds_ = nullptr;
  Label* effect_ = nullptr;
  Label* selling_ = nullptr;
  Label* bondOffer_ = nullptr;
};

}  // namespace qm::ui
