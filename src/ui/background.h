#pragma once
// The background window: fills the canvas behind every screen and runs the
// program from start to exit (load the general data, count the start, show
// the main menu, save the general data).
#include "sound/background_music.h"
#include "ui/window.h"

namespace qm::ui {

class Start;

// It also owns the two audio timers: the background-music tick and the
// 100 ms check that keeps the music channels fed; both run under every screen.
class Background : public Window, public sound::MusicTimer {
 public:
  Background();
  void Rearm(int ms) override;  // the music timer's next tick

 protected:
  void OnActivate() override;
  bool OnCloseRequest() override { return true; }
};

}  // namespace qm::ui
