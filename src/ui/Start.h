#pragma once
// The main menu, with the tutorial hint panel shown beside it on the first
// three program starts.
#include "ui/window.h"

namespace qm::ui {

class Start : public Window {
 public:
  Start();
  // The hint panel shows while the program has been started at most three times.
  void ShowHint(bool on);

 protected:
  void OnShow() override;
  void OnClose() override;
  bool OnCloseRequest() override { return true; }  // closing the window is "Exit"

 private:
  void NewGame(bool tutorial);
  void LoadGame();
  void BlinkBeacon();
  Panel* hint_;
  Picture* beacon_;
  Picture* lamp_;
  bool beaconLit_ = false, lampLit_ = false;
};

// The new-game flow: the three selection screens, the new world, the welcome
// and the main screen until it closes; with `tutorial` the tutorial walks
// the player through it.
void RunNewGame(bool tutorial = false);

}  // namespace qm::ui
