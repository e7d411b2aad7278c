#pragma once
// The information pop-up of the battle screens: a gold-framed pane with a
// topic and a text that grows with its text around a middle line; a click on
// it (or the screen's Escape) closes it.
#include <string>

#include "ui/window.h"

namespace qm::ui {

class InfoPopup {
 public:
  // Adds the pane to `w` at `x`, centred on `middleY` once it has a text.
  InfoPopup(Window& w, int x, int middleY);
  void Show(const std::string& topic, const std::string& text);
  void Hide() { panel_->Show(false); }
  bool Visible() const { return panel_->visible; }

 private:
  Panel* panel_ = nullptr;
  Label* topic_ = nullptr;
  Label* text_ = nullptr;
  Label* close_ = nullptr;
  int middleY_ = 0;
};

}  // namespace qm::ui
