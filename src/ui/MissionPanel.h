#pragma once
// The running mission's status, shown over the main screen from its Missions
// button: the mission's name and logo, the briefing, the expected resistance
// or the goods, the target, how far the mission has come and the reward. It
// sits beside the system view, on the side away from a fight's target, and
// can be dragged aside; "Close", Escape or Enter put it away.
#include "ui/window.h"

namespace qm::ui {

class MissionPanel : public Window {
 public:
  MissionPanel();

 protected:
  void OnShow() override;
  void OnClose() override;

 private:
  void Refresh();
  void Layout();

  Label* name_ = nullptr;
  Picture* logo_ = nullptr;
  Label* description_ = nullptr;
  Label* detailLabel_ = nullptr;
  Label* detailValue_ = nullptr;
  Label* targetLabel_ = nullptr;
  Label* targetValue_ = nullptr;
  Label* progress_ = nullptr;
  Label* reward_ = nullptr;
  Label* keys_ = nullptr;
  Box* glass_ = nullptr;
  Box* rule_ = nullptr;
  Button* close_ = nullptr;
};

}  // namespace qm::ui
