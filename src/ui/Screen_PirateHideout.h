#pragma once
// The pirate hideout: hiding until the criminal flag wears off, the black
// market for contraband, and pirates for hire.
//
// Keys: 1 hide, 2 buy contraband, 3 hire pirates, arrows and Enter, Escape back.
#include "ui/Screen_Planet.h"

namespace qm::ui {

class Screen_PirateHideout : public ServiceScreen {
 public:
  Screen_PirateHideout();

 protected:
  void Refresh() override;

 private:
  Label* place_ = nullptr;
  Label* description_ = nullptr;
  Label* criminal_ = nullptr;
  Label* credits_ = nullptr;
  Label* date_ = nullptr;
  Button* hide_ = nullptr;
  Button* trade_ = nullptr;
  Button* pirates_ = nullptr;
};

}  // namespace qm::ui
