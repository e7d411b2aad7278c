#pragma once
// The system scan: a radar scope with a blip for every ship the sensors pick
// up in this system (red for pirates and enemies, green for the others), and
// for the selected one its scene picture, name, description and speciality;
// "Intercept and attack", "Communicate" and "Back". Hailing and attacking are
// the rules'; after a fight the screen closes.
//
// Keys: the arrows and Tab step through the contacts, A attacks, C or Enter
// hails, Escape goes back.
#include <memory>
#include <SDL.h>

#include <array>

#include "state/game_state.h"
#include "ui/TutorialPanel.h"
#include "ui/window.h"

namespace qm::ui {

class Screen_Radar : public Window {
 public:
  Screen_Radar();
  bool KeyDown(SDL_Keycode key) override;
  int Selected() const { return selected_; }

 protected:
  void OnShow() override;
  void OnClose() override;
  void OnUncovered() override;
  bool OnCloseRequest() override;

 private:
  void Select(int k);
  void Step(int delta);
  void Refresh();
  void Attack();
  void Hail();

  std::array<Control*, kSystemShipRows + 1> blips_{};
  int selected_ = 0;
  Label* system_ = nullptr;
  Label* count_ = nullptr;
  Picture* scene_ = nullptr;
  Label* name_ = nullptr;
  Label* description_ = nullptr;
  Label* speciality_ = nullptr;
  Label* hint_ = nullptr;
  Button* attack_ = nullptr;
  Button* hail_ = nullptr;
  std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace qm::ui
