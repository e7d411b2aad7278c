#pragma once
// The game settings: eight switches in four groups (audio, combat messages,
// difficulty, other) and three empty slots. Each switch calls the settings
// rules (world/settings.h) and shows the state they report; closing the screen
// writes the settings to the general data.
//
// Keys: Up and Down step through the switches and "Close", Space or Enter
// presses the highlighted one (Enter without one closes), Escape closes; a
// right-click on a switch explains it.
#include <SDL.h>

#include <array>

#include "ui/switch_line.h"
#include "world/settings.h"

namespace qm::ui {

class Screen_GameOptions : public Window {
 public:
  Screen_GameOptions();
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnShow() override;
  bool OnCloseRequest() override;

 private:
  void Toggle(Setting s);
  void Refresh();
  void SaveAndClose();
  void Step(int delta);

  std::array<SwitchLine*, kSettingCount> switches_{};  // by Setting
  Button* close_ = nullptr;
};

}  // namespace qm::ui
