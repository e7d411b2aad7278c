#pragma once
// The governor: his greeting by the pilot's rank and the wars of the pilot's
// faction, whether the pilot is flagged criminal, the missions, and the
// amnesty, offered only to a criminal who has learned how to ask for it.
//
// Keys: 1 missions, 2 buy amnesty, arrows and Enter, Escape back.
#include "ui/Screen_Planet.h"

namespace qm::ui {

class Screen_Governor : public ServiceScreen {
 public:
  Screen_Governor();

 protected:
  void Refresh() override;

 private:
  void Missions();
  Label* place_ = nullptr;
  Label* greeting_ = nullptr;
  Label* rank_ = nullptr;
  Label* criminal_ = nullptr;
  Label* amnesty_ = nullptr;
  Label* credits_ = nullptr;
  Button* missions_ = nullptr;
  Button* amnesty_button_ = nullptr;
};

}  // namespace qm::ui
