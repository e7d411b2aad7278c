#pragma once
// The promotion screen: the faction's high command presents a campaign ribbon,
// a new rank or a medal on the faction's award background: the award large on
// the left, the words of the award, its name and motto on the right.
//
// Keys: Enter, Space or Escape close.
#include "state/frontend.h"
#include "ui/window.h"

namespace qm::ui {

class Screen_Promotion : public Window {
 public:
  Screen_Promotion();
  // Shows the award and returns when the player has closed the screen.
  void Present(const AwardContent& a);

 protected:
  bool OnCloseRequest() override;

 private:
  Label* heading_ = nullptr;
  Label* command_ = nullptr;
  Picture* logo_ = nullptr;
  Picture* award_ = nullptr;
  Label* intro_ = nullptr;
  Label* name_ = nullptr;
  Label* kind_ = nullptr;
  Label* motto_ = nullptr;
};

}  // namespace qm::ui
