#include "ui/Screen_Bar.h"

#include "state/game_state.h"
#include "world/main_screen.h"
#include "world/money.h"
#include "world/planet_services.h"
#include "world/retirement.h"

namespace qm::ui {
namespace {

// Items: order a drink 1, hire crewmen 2, retire 3, Back 9.
constexpr int kDrinkItem = 1, kCrewItem = 2, kRetireItem = 3, kBackItem = 9;
constexpr int kW = 454, kH = 300;
constexpr Rect kPortrait{16, 48, 112, 140};
constexpr Rect kTextPanel{138, 48, kW - 138 - 16, 140};
constexpr int kButtonY = 200, kButtonW = 136, kGap = 7;
constexpr Color kFrame{70, 96, 136, 255};
constexpr Color kRule{96, 120, 160, 140};

}  // namespace

Screen_Bar::Screen_Bar() : ServiceScreen("Screen_Bar", kW, kH) {
  background = "Bar_00.jpg";
  columns = 3;

  AddLabel({18, 12, 220, 28}, "Spaceport bar", OneLine(Title(19)));
  TextStyle where = OneLine(Tinted(Small(11), kDim), Align::Right);
  where.middle = true;
  place_ = &AddLabel({220, 14, kW - 248, 24}, "", where);

  AddBox({kPortrait.x - 1, kPortrait.y - 1, kPortrait.w + 2, kPortrait.h + 2}, {0, 0, 0, 0}, kFrame);
  AddPicture(kPortrait, "Barkeeper_portrait.jpg").name = "Barkeeper";

  Panel& text = Glass(kTextPanel, "bar");
  const int w = kTextPanel.w - 24;
  text.AddLabel({12, 8, w, 18}, "A day at the bar", OneLine(Title(13)));
  text.AddLabel({12, 28, w, 44},
                "Drinks and rumours cost you a whole day. Now and then the barkeeper knows more than he says.",
                Tinted(Body(11), kText));
  text.AddBox({12, 76, w, 1}, kRule);
  tip_ = &text.AddLabel({12, 82, w, 18}, "", OneLine(Bold(Body(12))));
  tip_->name = "Tip";
  credits_ = &text.AddLabel({12, 101, w, 18}, "", OneLine(Tinted(Bold(Body(12)), kGold)));
  credits_->name = "Credits";
  date_ = &text.AddLabel({12, 120, w, 14}, "", OneLine(Tinted(Small(10), kDim)));

  const auto at = [](int i) { return Rect{16 + i * (kButtonW + kGap), kButtonY, kButtonW, 34}; };
  drink_ = &AddService(kDrinkItem, at(0), "BarScreen", "Order a drink", 1, [this] { Act(orderDrink); },
                       "Order a drink",
                       "You spend a whole day at the bar. Where a pirate hideout is hidden in this system, the "
                       "barkeeper may sell you its location for the price shown.");
  drink_->name = "Drink";
  crew_ = &AddService(kCrewItem, at(1), "BarScreen", "Hire crewmen", 2, [this] { Open("Screen_CrewHiring"); },
                      "Hire crewmen", "Crewmen, officers and space marines look for a ship here.");
  crew_->name = "Crew";
  AddService(kRetireItem, at(2), "BarScreen", "Retire", 3, [this] { Act(OfferRetirement); }, "Retire",
             "End your career: the game would be over and your highscore calculated. You are asked first.")
      .name = "Retire";

  KeysLine({18, kH - 44, 290, 28}, "Keys: 1-3 \u00b7 arrows, Enter \u00b7 Esc back");
  auto& back = AddService(kBackItem, {kW - 16 - 110, kH - 46, 110, 32}, "BarScreen", "Back", 0, [this] { Close(); },
                          "Back", "Leaves the bar. (Escape)");
  SetCancel(&back);
  SetDefault(&back);
}

void Screen_Bar::Refresh() {
  const int system = Game.Ship[Sh::System], here = Game.Ship[Sh::Location];
  place_->Set(here >= 1 ? Game.LocationText[system][here][1] + "  \u00b7  " + Game.SystemText[system][1] + " system"
                        : "");
  tip_->Set("The barkeeper\u00b4s tip: $ " + FormatMoney(drinkPrice()));
  credits_->Set("Your credits: $ " + FormatMoney(Game.Player[Pl::Credits]));
  date_->Set(shipsLogLine());
  const bool open = atPlanet();
  const char* const reason = "There is no spaceport bar at this place.";
  Offer(*drink_, open, reason);
  Offer(*crew_, open, reason);
}

}  // namespace qm::ui
