#pragma once
// The save/load screen: four savegame slots, each with its name, whether it
// holds a game, and "Save" and "Load"; "Back" returns to the screen below.
#include <memory>
#include <array>

#include "ui/TutorialPanel.h"
#include "ui/window.h"

namespace qm::ui {

class Screen_SaveLoad : public Window {
 public:
  Screen_SaveLoad();

 protected:
  void OnClose() override;
  void OnShow() override;
  bool OnCloseRequest() override;

 private:
  struct Slot {
    TextField* name = nullptr;
    Label* state = nullptr;  // the pilot and the date
    Label* place = nullptr;  // the ship and its place
    Box* frame = nullptr;
  };
  void Refresh();
  void Save(int slot);
  void Load(int slot);
  std::array<Slot, 5> slots_{};  // 1..4
  Label* title_;
  Label* hint_;
  std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace qm::ui
