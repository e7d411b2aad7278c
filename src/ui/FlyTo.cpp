#include "ui/FlyTo.h"

#include "state/frontend.h"
#include "state/game_state.h"
#include "world/main_screen.h"
#include "world/travel.h"

namespace qm::ui {
namespace {
constexpr int kDayTimer = 1;
}

TravelProgress::TravelProgress(const char* unit, int width, int height, int msPerDay, std::function<bool()> tick)
    : Window(unit, width, height), msPerDay_(msPerDay), tick_(std::move(tick)) {
  background = "Travelling_00.jpg";
  TextStyle title = Title(18);
  title.align = Align::Centre;
  AddLabel({10, 12, width - 20, 26}, "Travelling...", title);
  TextStyle where = Small(11);
  where.align = Align::Centre;
  where.wrap = false;
  destination_ = &AddLabel({10, 40, width - 20, 16}, "", where);
  AddBox({15, 63, width - 30, 172}, {0, 0, 0, 0}, {90, 116, 160, 255});
  ship_ = &AddPicture({16, 64, width - 32, 170}, "");
  TextStyle big = Title(44);
  big.align = Align::Centre;
  big.font = Font::Mono;
  big.wrap = false;
  days_ = &AddLabel({10, height - 98, width - 20, 54}, "", big);
  TextStyle left = Body(13);
  left.align = Align::Centre;
  AddLabel({10, height - 40, width - 20, 20}, "days left...", left);
}

void TravelProgress::OnShow() {
  ship_->Set(Run.TravelPicture);
  destination_->Set(Destination());
  ShowDaysLeft();
  StartTimer(kDayTimer, msPerDay_, [this] { Day(); });
}

void TravelProgress::OnClose() { StopTimer(kDayTimer); }

void TravelProgress::Day() {
  const bool goesOn = tick_();
  ShowDaysLeft();
  if (!goesOn) {
    Close();
    return;
  }
  // The date, news and shields behind the travel screen follow the days.
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
}

void TravelProgress::ShowDaysLeft() {
  const int d = Run.TravelDaysLeft;
  days_->Set((d < 10 ? " " : "") + std::to_string(d));
}

FlyTo::FlyTo() : TravelProgress("FlyTo", 271, 336, 100, [] { return TravelTick(); }) {}

std::string FlyTo::Destination() const {
  const int target = Run.SelectedLocation;
  if (target < 0) return "to the " + describeTarget(target).title;
  return "to " + Game.LocationText[Game.Ship[Sh::System]][target][1];
}

}  // namespace qm::ui
