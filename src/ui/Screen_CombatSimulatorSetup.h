#pragma once
// The combat simulator's set-up: three ships and three expertises for the
// side of the current step (the player's, then the opponent's), "Continue"
// once both are chosen, "Back" one step down. The rules of the steps live in
// combat/simulator.h; this screen shows them.
//
// Keys: Left/Right or 1-3 step through the ships, Up/Down or T/S/R through
// the expertises, Enter continues, Escape goes back.
#include <SDL.h>

#include <array>

#include "ui/window.h"

namespace qm::ui {

class Screen_CombatSimulatorSetup : public Window {
 public:
  Screen_CombatSimulatorSetup();
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnShow() override;
  bool OnCloseRequest() override;

 private:
  struct Choice {
    Button* button = nullptr;
    Picture* picture = nullptr;
    Label* name = nullptr;
    Label* facts = nullptr;
    Box* dim = nullptr;
    Box* frame = nullptr;
  };
  void BuildShips();
  void BuildExpertises();
  void PickShip(int type);
  void PickExpertise(int expertise);
  void Continue();
  void Back();
  void Refresh();

  Label* caption_ = nullptr;
  Label* status_ = nullptr;
  Button* continue_ = nullptr;
  std::array<Choice, 3> ships_{};
  std::array<Choice, 3> expertises_{};
};

}  // namespace qm::ui
