#pragma once
// The pilot's name and portrait for a new game.
#include <memory>

#include "ui/TutorialPanel.h"
#include "ui/window.h"

namespace qm::ui {

class Select_Name : public Window {
 public:
  Select_Name();
  static constexpr const char* kPrompt = "(Please enter your name here)";

 protected:
  void OnShow() override;

 private:
  void Browse(int step);
  Picture* portrait_;
  Label* counter_;
  TextField* name_;
  std::unique_ptr<TutorialPanel> tutorial_;
};

// True when `utf8Char` may be part of a pilot's name: printable and storable in the savegame.
bool NameCharacterAllowed(const std::string& utf8Char);

}  // namespace qm::ui
