#pragma once
// The movable trade panel: the goods of the ship's location with price, stock
// and the units in the hold, the amount per trade, and the four trade actions.
// It floats over the main screen; the player drags it by its empty area.
#include <memory>
#include <array>
#include <functional>

#include "state/game_state.h"
#include "ui/TutorialPanel.h"
#include "ui/window.h"

namespace qm::ui {

class Screen_TradeScreenMoveable : public Window {
 public:
  Screen_TradeScreenMoveable();
  // Shows the state anew (the rules ask through RefreshTradePopup).
  void Refresh();

 protected:
  void OnShow() override;
  void OnClose() override;

 private:
  struct Row {
    Box* band = nullptr;
    Label* name = nullptr;
    Label* price = nullptr;
    Label* stock = nullptr;
    Label* held = nullptr;
  };
  void Act(void (*action)());
  std::array<Row, kCommodities + 1> rows_{};
  std::array<Button*, 4> amounts_{};
  Label* place_;
  Label* hold_;
  Label* credits_;
  std::function<void()> previousRefresh_;
  std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace qm::ui
