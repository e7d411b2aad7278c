#pragma once
// The cheats: money, the next promotion, three fast starts, the age freeze and,
// during a ship battle, the destruction of the enemy. Each button calls the
// cheat rules (world/cheats.h), which refuse what cannot be done with a notice.
//
// Keys: Up and Down step through the buttons, Space or Enter presses the
// highlighted one (Enter without one closes), Escape closes; a right-click on
// a button explains it.
#include <SDL.h>

#include "ui/switch_line.h"

namespace qm::ui {

class Screen_Cheats : public Window {
 public:
  Screen_Cheats();
  // Shows the screen; a combat cheat chosen on it is carried out once it has
  // closed, so the battle's messages appear over the battle.
  static void Open();
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnShow() override;
  bool OnCloseRequest() override;

 private:
  void Refresh();
  void Destroy();
  void Step(int delta);

  SwitchLine* aging_ = nullptr;
  Button* destroy_ = nullptr;
  Label* credits_ = nullptr;
  Label* career_ = nullptr;
  bool destroyPending_ = false;
};

}  // namespace qm::ui
