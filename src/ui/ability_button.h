#pragma once
// An ability button of the combat screens: the ability's own "_on"/"_off"
// picture, framed while the mouse is over it and dimmed while it cannot be
// pressed. An optional badge (a recharge count) sits in its lower right corner.
#include <string>

#include "ui/window.h"

namespace qm::ui {

class AbilityButton : public Button {
 public:
  std::string picture;
  std::string badge;  // "" shows none
  void Draw(const Window& w, int ox, int oy) const override;
  void Dump(const Window& w, std::string& out, int depth) const override;
};

}  // namespace qm::ui
