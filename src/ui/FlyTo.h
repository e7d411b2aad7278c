#pragma once
// The travel screen: the ship on its way and the days left, one day per tick
// of its timer. FlyTo counts the days of a flight inside the star system
// (100 ms a day); WormholeTo, the same kind of screen, those of a jump through
// a wormhole (200 ms a day).
#include <functional>
#include <string>

#include "ui/window.h"

namespace qm::ui {

class TravelProgress : public Window {
 public:
  // `tick` runs one day and returns false once the journey is over.
  TravelProgress(const char* unit, int width, int height, int msPerDay, std::function<bool()> tick);

 protected:
  void OnShow() override;
  void OnClose() override;
  // The line under the title: where the journey goes.
  virtual std::string Destination() const = 0;

 private:
  void Day();
  void ShowDaysLeft();
  int msPerDay_;
  std::function<bool()> tick_;
  Picture* ship_;
  Label* destination_;
  Label* days_;
};

class FlyTo : public TravelProgress {
 public:
  FlyTo();

 protected:
  std::string Destination() const override;
};

}  // namespace qm::ui
