#include "ui/background.h"

#include "state/game_state.h"
#include "state/savegame.h"
#include "ui/Start.h"
#include "ui/screens.h"

namespace qm::ui {

Background::Background() : Window("background", platform::kCanvasWidth, platform::kCanvasHeight) {
  background = "Background.jpg";
  frame = false;
}

void Background::OnActivate() {
  LoadGeneralData();
  General.StartCounter = General.StartCounter < INT32_MAX ? General.StartCounter + 1 : INT32_MAX;
  Start& menu = Instance<Start>();
  menu.ShowHint(General.StartCounter <= 3);
  menu.Show();
  SaveGeneralData();
  Close();
}

}  // namespace qm::ui
