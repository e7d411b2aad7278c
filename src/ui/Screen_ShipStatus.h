#pragma once
// The ship status screen: a read-only sheet of the player's ship with its
// blueprint, name, class and figures, its special ability, the shields and the
// hold, the crew by type with its limits and the six installed items.
//
// Mouse: click (or right-click) an item or the speciality for its details.
// Keys: Up/Down step through the equipment, Enter shows the item's details (or
// closes when none is chosen), Escape closes.
#include <memory>
#include <SDL.h>

#include <array>

#include "ui/TutorialPanel.h"
#include "ui/window.h"

namespace qm::ui {

class Screen_ShipStatus : public Window {
 public:
  Screen_ShipStatus();
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnClose() override;
  void OnShow() override;
  void OnUncovered() override;
  bool OnCloseRequest() override;

 private:
  struct Line {
    Label* label = nullptr;
    Label* value = nullptr;
  };
  struct ItemRow {
    Picture* picture = nullptr;
    Label* category = nullptr;
    Label* name = nullptr;
    Label* figures = nullptr;
  };
  void Refresh();
  void RefreshSheet();
  void RefreshGauges();
  void RefreshEquipment();
  void ItemInfo(int category) const;
  void SpecialityInfo() const;

  Picture* blueprint_ = nullptr;
  Label* shipName_ = nullptr;
  Label* description_ = nullptr;
  std::array<Line, 8> facts_{};
  std::array<Line, 2> crewTotals_{};
  std::array<Line, 5> crew_{};
  Label* shieldValue_ = nullptr;
  Box* shieldBar_ = nullptr;
  Label* cargoValue_ = nullptr;
  Box* cargoBar_ = nullptr;
  std::array<ItemRow, 7> items_{};  // categories 1..6
  std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace qm::ui
