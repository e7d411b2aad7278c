#pragma once
// A stand-in for the main screen while it is being built: it shows where the
// new pilot starts and returns to the main menu.
#include "ui/window.h"

namespace qm::ui {

class Screen_Placeholder : public Window {
 public:
  Screen_Placeholder();

 protected:
  void OnShow() override;
  bool OnCloseRequest() override;

 private:
  void Quit();
  Picture* portrait_;
  Picture* ship_;
  Label* pilot_;
  Label* place_;
  Label* status_;
};

}  // namespace qm::ui
