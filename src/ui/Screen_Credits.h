#pragma once
// The credits: who made the game and with what.
#include "ui/window.h"

namespace qm::ui {

class Screen_Credits : public Window {
 public:
  Screen_Credits();
};

}  // namespace qm::ui
