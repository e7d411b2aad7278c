#pragma once
// The spaceport bar: a day at the bar, where the barkeeper may sell the way to
// a hidden pirate hideout (the price of his tip is shown), crew hiring and
// retirement.
//
// Keys: 1 order a drink, 2 hire crewmen, 3 retire, arrows and Enter, Escape back.
#include "ui/Screen_Planet.h"

namespace qm::ui {

class Screen_Bar : public ServiceScreen {
 public:
  Screen_Bar();

 protected:
  void Refresh() override;

 private:
  Label* place_ = nullptr;
  Label* tip_ = nullptr;
  Label* credits_ = nullptr;
  Label* date_ = nullptr;
  Button* drink_ = nullptr;
  Button* crew_ = nullptr;
};

}  // namespace qm::ui
