#pragma once
// The fleet battle: both fleets as tactical symbols on either side of the
// battle line, the selected escort and hostile ship with their pictures and
// shields, and the four orders. Escort duels run on a window timer, one
// exchange of fire per tick; a battle the rules end closes the screen.
#include <array>

#include "combat/fleet_battle.h"
#include "ui/window.h"

namespace qm::ui {

class Screen_ShipWavesAttacking : public Window {
 public:
  Screen_ShipWavesAttacking();
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnShow() override;
  void OnClose() override;
  bool OnCloseRequest() override;
  void DrawContent(int ox, int oy) const override;

 private:
  // The controls of one selected ship's panel (escort on the left, hostile on the right).
  struct InfoPanel {
    Picture* picture = nullptr;
    Box* pictureFrame = nullptr;
    Label* name = nullptr;
    Label* role = nullptr;
    Label* shieldCaption = nullptr;
    Picture* shieldBar = nullptr;
    Label* shieldValue = nullptr;
    Label* percent = nullptr;  // the compatibility mode's spoken line
    Label* none = nullptr;     // shown while nothing is selected
  };
  struct Order {
    Button* button = nullptr;
    void (*rule)() = nullptr;
  };

  void BuildField();
  InfoPanel BuildInfoPanel(int x, bool allied);
  void BuildOrders();

  void Refresh();
  void RefreshPanel(InfoPanel& p, bool allied, int record);
  // Runs an order like a click on its button; a disabled button does nothing.
  void Press(Order& order);
  void RunOrder(void (*rule)());
  void DuelTick();
  // Closes the screen when the battle is over or the game was left; true then.
  bool LeaveIfOver();
  void Leave();
  void ShowShipInfo(bool allied, int record) const;
  // The next present record of a side after `from` in direction `step` (wrapping); 0 when none.
  static int NextRecord(bool allied, int from, int step);

  std::array<Button*, kFleetSize + 1> allied_{};
  std::array<Button*, kFleetSize + 1> enemy_{};
  std::array<Label*, kFleetSize + 1> alliedKey_{};
  std::array<Label*, kFleetSize + 1> enemyKey_{};
  std::array<Order, 4> orders_{};
  InfoPanel escortPanel_, targetPanel_;
  Label* against_ = nullptr;
  Label* alliedCount_ = nullptr;
  Label* enemyCount_ = nullptr;
  Label* status_ = nullptr;
  int beat_ = 0;  // duel ticks so far: the beams flicker with it
};

}  // namespace qm::ui
