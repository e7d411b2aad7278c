#pragma once
// A switch drawn as one line: the toggle picture with its lamp, the caption
// after the lamp and the state ("On" / "Off") at the right end. Used by the
// settings and the cheats screens.
#include <string>

#include "ui/window.h"

namespace qm::ui {

class SwitchLine : public Button {
 public:
  void Draw(const Window& w, int ox, int oy) const override;
};

// Adds a switch line for item `k` with the toggle pictures "Prefix_NN.jpg" ...
SwitchLine& AddSwitchLine(Panel& parent, int k, Rect r, const std::string& prefix, const std::string& caption,
                          std::function<void()> action);

}  // namespace qm::ui
