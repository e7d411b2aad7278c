#pragma once
// The shipyard: the twelve places of the player's faction grouped by class,
// each with its blueprint, and the selected ship's scene picture, figures,
// price, the trade-in value of the old ship and the balance. "Buy" asks the
// rules, which trade the old ship in and fit the new one.
#include <SDL.h>

#include <array>

#include "ui/window.h"
#include "world/ship_sheets.h"
#include "world/shipyard.h"

namespace qm::ui {

class Screen_ShipPurchase : public Window {
 public:
  Screen_ShipPurchase();
  bool KeyDown(SDL_Keycode key) override;
  // The place (1..12) whose ship is shown; 0 while nothing is for sale.
  int SelectedPlace() const { return selected_; }

 protected:
  void OnShow() override;

 private:
  void BuildList();
  void BuildDetail();
  void BuildCompatibility(Panel& detail);
  void Refresh();
  void RefreshCompatibility(const Sheet& sheet, int type);
  void Select(int place);
  // The ship type at a place for the player's faction; 0 = "Not available".
  static int TypeAt(int place);
  // The next place with a ship, `step` places on (wrapping), skipping empty ones.
  int Step(int step) const;
  // The place a row up or down: the same column, else the nearest ship in that row.
  int RowStep(int rows) const;
  void Buy();

  std::array<Button*, kShipyardPlaces + 1> tiles_{};
  int selected_ = 0;
  Label* credits_ = nullptr;
  Picture* scene_ = nullptr;
  Picture* blueprint_ = nullptr;
  Label* name_ = nullptr;
  Label* owned_ = nullptr;
  Label* description_ = nullptr;
  std::array<Label*, 5> figures_{};  // Type, Damage, Shields, Cargo space, Speciality
  std::array<Label*, 3> money_{};    // Price, Old ship, Balance
  Button* buy_ = nullptr;
  Label* hint_ = nullptr;
  Panel* compatibility_ = nullptr;
  Label* compatibilityOff_ = nullptr;
  std::array<Label*, 6> compatibilityLines_{};
};

}  // namespace qm::ui
