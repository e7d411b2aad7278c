#pragma once
// Crew hiring: the ship's crew limits, and per crew type its count aboard, its
// price and the "+" / "-" buttons. A "+" held down keeps hiring, faster and
// faster, until it is released or the rules refuse.
#include <SDL.h>

#include <array>

#include "ui/window.h"
#include "world/crew.h"

namespace qm::ui {

class Screen_CrewHiring : public Window {
 public:
  Screen_CrewHiring();
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnShow() override;
  void OnClose() override;
  void OnMouseUp(int x, int y, int button) override;

 private:
  struct Row {
    int crewType = 0;
    Box* band = nullptr;  // marks the row the keys act on
    Label* name = nullptr;
    Label* count = nullptr;
    Label* price = nullptr;
    Button* hire = nullptr;
    Button* dismiss = nullptr;
  };

  void BuildRow(Panel& table, size_t index, int crewType, int y);
  void Refresh();
  void Select(size_t index);
  // The "+": hires one and, when that worked, starts the repeat while the button is held.
  void StartHiring(int crewType);
  void RepeatTick();
  void StopHiring();
  void Dismiss(int crewType);
  // A click on the row's "+" or "-" by key; a switched-off button does nothing.
  void PressByKey(Button* b, bool hire);
  void ShowCrewInfo(int crewType) const;

  std::array<Row, kCrewTypes> rows_{};
  size_t selected_ = 0;
  CrewHireRepeat repeat_;
  Label* shipLine_ = nullptr;
  Label* minimum_ = nullptr;
  Label* maximum_ = nullptr;
  Label* current_ = nullptr;
  Label* credits_ = nullptr;
  Label* reason_ = nullptr;  // why the selected type's "+" is switched off
};

}  // namespace qm::ui
