#pragma once
// The tutorial's panel on a screen: a green pane with the step's explanation,
// "How to continue:" and the instruction, "Minimize" and "Cancel tutorial"; a
// small twin that brings it back; and a blinking click-here marker over the
// control the step asks for. Each screen that takes part owns one and says
// where the pane and the marker go for each of its steps.
#include <functional>
#include <string>

#include "ui/window.h"
#include "world/tutorial.h"

namespace qm::ui {

class TutorialPanel {
 public:
  struct Place {
    int x = 0, y = 0;  // the pane's top left, window coordinates
  };
  TutorialPanel(Window& w, TutorialScreen screen, Place pane);
  ~TutorialPanel();
  TutorialPanel(const TutorialPanel&) = delete;
  TutorialPanel& operator=(const TutorialPanel&) = delete;

  // Where the pane goes at a step, when not at its usual place.
  std::function<Place(int step)> paneAt;
  // The control to mark at a step (window coordinates); an empty rectangle marks nothing.
  std::function<Rect(int step)> markerAt;
  // The main screen's way back to a step's screen that the player has closed:
  // what to click, and where.
  std::function<std::string(TutorialScreen)> reopenText;
  std::function<Rect(TutorialScreen)> reopenMarker;

  // Shows what the running tutorial asks on this screen, or nothing.
  void Refresh();
  // Every panel of every screen shows the tutorial anew.
  static void RefreshAll();

  static constexpr int kW = 206, kH = 300;

 private:
  void Blink();
  // True while a screen with a panel for `s` is open.
  static bool ScreenOpen(TutorialScreen s);

  Window& window_;
  TutorialScreen screen_;
  Place home_;
  Panel* pane_ = nullptr;
  Panel* mini_ = nullptr;
  Control* marker_ = nullptr;
  Label* explanation_ = nullptr;
  Label* instruction_ = nullptr;
  int shownStep_ = 0;
  bool minimized_ = false;
  bool marking_ = false;
};

}  // namespace qm::ui
