#pragma once
// The faction choice of a new game: four faction panels and the chosen
// faction's recommendation, quotations and background story.
#include <memory>
#include <array>

#include "ui/TutorialPanel.h"
#include "ui/window.h"

namespace qm::ui {

class Select_Race : public Window {
 public:
  Select_Race();
  bool KeyDown(SDL_Keycode key) override;  // 1..4 and the arrows choose a faction

 protected:
  void OnShow() override;

 private:
  void Choose(int faction);
  std::array<Button*, 5> panels_{};
  Box* selection_;
  Label* name_;
  Label* summary_;
  Label* quote1_;
  Label* quote2_;
  Label* story_;
  Label* spoken_;   // the compatibility mode's line
  Label* turnOff_;
  std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace qm::ui
