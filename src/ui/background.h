#pragma once
// The background window: fills the canvas behind every screen and runs the
// program from start to exit (load the general data, count the start, show
// the main menu, save the general data).
#include "ui/window.h"

namespace qm::ui {

class Start;

class Background : public Window {
 public:
  Background();

 protected:
  void OnActivate() override;
  bool OnCloseRequest() override { return true; }
};

}  // namespace qm::ui
