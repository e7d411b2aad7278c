#pragma once
// The profession choice of a new game: six professions with their description,
// combat and special abilities and starting ship; each ability and the ship
// open an information pop-up when clicked.
#include <memory>
#include <array>

#include "ui/TutorialPanel.h"
#include "ui/window.h"

namespace qm::ui {

class Select_Profession : public Window {
 public:
  Select_Profession();

 protected:
  void OnShow() override;

 private:
  void Choose(int profession);
  void ShowActionInfo(int slot);
  void ShowAbilityInfo();
  void ShowShipInfo();
  std::array<Button*, 7> buttons_{};
  Box* selection_;
  Label* name_;
  Label* description_;
  Label* basics_;
  std::array<Label*, 3> actions_{};
  Label* ability_;
  Picture* ship_;
  Label* shipName_;
  int shipType_ = 0;  // the ship label's tag
  std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace qm::ui
