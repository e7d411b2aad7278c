#pragma once
// A test frontend whose battle, boarding and fleet screens run a callback, so a
// test decides how each fight ends without depending on the battle rules.
#include <functional>

#include "support/scripted_frontend.h"

namespace qm::test {

class BattleFrontend : public ScriptedFrontend {
 public:
  BattleFrontend() { fightBattles = false; }
  void ShowScreen(Screen screen) override {
    ScriptedFrontend::ShowScreen(screen);
    if (screen == Screen::ShipCombat) {
      ++battles;
      if (onCombat) onCombat();
    }
    if (screen == Screen::Boarding && onBoarding) onBoarding();
    if (screen == Screen::FleetBattle && onFleet) onFleet();
  }

  std::function<void()> onCombat;
  std::function<void()> onBoarding;
  std::function<void()> onFleet;
  int battles = 0;
};

}  // namespace qm::test
