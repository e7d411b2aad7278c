#pragma once
// The equipment screen: the ship's side view, the six equipment families as
// category buttons, the installed item of the chosen family and the four items
// offered for the ship's class, with the selected item's figures and upgrade
// price. "Upgrade" asks the rules, which replace the installed item.
#include <SDL.h>

#include <array>

#include "ui/window.h"
#include "world/ship_sheets.h"

namespace qm::ui {

class Screen_ShipEquipment : public Window {
 public:
  static constexpr int kCategories = 6, kOffered = 4;

  Screen_ShipEquipment();
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnShow() override;

 private:
  void BuildShipPanel();
  void BuildOfferPanel();
  void Refresh();
  void RefreshCompatibility(const Sheet& sheet);
  void SelectCategory(int category);
  void SelectOffer(int k);
  // The item offered at position k (1..4) of the chosen family for the player's ship.
  int OfferedItem(int k) const;
  void Upgrade();

  int category_ = 1;  // 1 guns .. 6 ECM
  int offer_ = 1;     // 1..4
  std::array<Button*, kCategories + 1> categories_{};
  std::array<Button*, kOffered + 1> offers_{};
  Label* credits_ = nullptr;
  Label* shipName_ = nullptr;
  Picture* sideView_ = nullptr;
  Picture* installedPicture_ = nullptr;
  Label* installedName_ = nullptr;
  Label* heading_ = nullptr;
  Label* itemName_ = nullptr;
  Label* description_ = nullptr;
  std::array<Label*, 4> figureLabels_{};
  std::array<Label*, 4> figureValues_{};
  Label* price_ = nullptr;
  Label* equipped_ = nullptr;
  Button* upgrade_ = nullptr;
  Label* hint_ = nullptr;
  Panel* compatibility_ = nullptr;
  Label* compatibilityOff_ = nullptr;
  std::array<Label*, 5> compatibilityLines_{};
};

}  // namespace qm::ui
