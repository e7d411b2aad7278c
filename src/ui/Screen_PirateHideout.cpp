#include "ui/Screen_PirateHideout.h"

#include "state/game_state.h"
#include "world/main_screen.h"
#include "world/money.h"
#include "world/planet_pictures.h"
#include "world/planet_services.h"

namespace qm::ui {
namespace {

// Items: hide 1, buy contraband 2, hire pirates 3, Back 9.
constexpr int kHideItem = 1, kTradeItem = 2, kPiratesItem = 3, kBackItem = 9;
constexpr int kW = 454, kH = 300;
constexpr Rect kPicture{16, 48, 112, 140};
constexpr Rect kTextPanel{138, 48, kW - 138 - 16, 140};
constexpr int kButtonY = 200, kButtonW = 136, kGap = 7;
constexpr Color kFrame{70, 96, 136, 255};
constexpr Color kRule{96, 120, 160, 140};
constexpr Color kWanted{240, 110, 90, 255};

}  // namespace

Screen_PirateHideout::Screen_PirateHideout() : ServiceScreen("Screen_PirateHideout", kW, kH) {
  background = "PirateHideout_00.jpg";
  columns = 3;

  AddLabel({18, 12, 220, 28}, "Pirate hideout", OneLine(Title(19)));
  TextStyle where = OneLine(Tinted(Small(11), kDim), Align::Right);
  where.middle = true;
  place_ = &AddLabel({220, 14, kW - 248, 24}, "", where);

  AddBox({kPicture.x - 1, kPicture.y - 1, kPicture.w + 2, kPicture.h + 2}, {0, 0, 0, 0}, kFrame);
  AddPicture(kPicture, "PiratePilot.jpg").name = "Pirate";

  Panel& text = Glass(kTextPanel, "hideout");
  const int w = kTextPanel.w - 24;
  description_ = &text.AddLabel({12, 8, w, 58}, "", Tinted(Body(11), kText));
  text.AddBox({12, 70, w, 1}, kRule);
  text.AddLabel({12, 78, 120, 18}, "Flagged criminal:", OneLine(Tinted(Body(12), kDim)));
  criminal_ = &text.AddLabel({130, 78, w - 118, 18}, "", OneLine(Bold(Body(12))));
  criminal_->name = "Criminal";
  credits_ = &text.AddLabel({12, 99, w, 18}, "", OneLine(Tinted(Bold(Body(12)), kGold)));
  credits_->name = "Credits";
  date_ = &text.AddLabel({12, 120, w, 14}, "", OneLine(Tinted(Small(10), kDim)));

  const auto at = [](int i) { return Rect{16 + i * (kButtonW + kGap), kButtonY, kButtonW, 34}; };
  hide_ = &AddService(kHideItem, at(0), "HideoutScreen", "Hide", 1, [this] { Act(hide); }, "Hide",
                      "Wait here, one day after the other, until your criminal flag has worn off.");
  hide_->name = "Hide";
  trade_ = &AddService(kTradeItem, at(1), "HideoutScreen", "Buy contraband", 2,
                       [this] {
                         // the black market opens with ten units a click unless an amount was chosen before
                         if (Run.TradeAmount < 1) Run.TradeAmount = 10;
                         Open("Screen_TradeScreenMoveable");
                       },
                       "Black market", "Prohibited goods are sold here, and cheaper than anywhere else.");
  trade_->name = "Contraband";
  pirates_ = &AddService(kPiratesItem, at(2), "HideoutScreen", "Hire pirates", 3, [this] { Open("Screen_CrewHiring"); },
                         "Hire pirates", "Pirates sign on here; at common planets they will not.");
  pirates_->name = "Pirates";

  KeysLine({18, kH - 44, 290, 28}, "Keys: 1-3 \u00b7 arrows, Enter \u00b7 Esc back");
  auto& back = AddService(kBackItem, {kW - 16 - 110, kH - 46, 110, 32}, "HideoutScreen", "Back", 0,
                          [this] { Close(); }, "Back", "Leaves the hideout. (Escape)");
  SetCancel(&back);
  SetDefault(&back);
}

void Screen_PirateHideout::Refresh() {
  const int system = Game.Ship[Sh::System], here = Game.Ship[Sh::Location];
  const bool valid = here >= 1 && here <= kLocations;
  place_->Set(valid ? Game.LocationText[system][here][1] + "  \u00b7  " + Game.SystemText[system][1] + " system" : "");
  description_->Set(valid ? Game.LocationText[system][here][2] : "");
  const std::string status = criminalStatusText();
  criminal_->style.color = Game.Player[Pl::CriminalFlag] > 0 ? kWanted : kText;
  criminal_->Set(status);
  credits_->Set("Your credits: $ " + FormatMoney(Game.Player[Pl::Credits]));
  date_->Set(shipsLogLine());
  const bool open = atHideout();
  const char* const reason = "There is no pirate hideout at this place.";
  for (Button* b : {hide_, trade_, pirates_}) Offer(*b, open, reason);
}

}  // namespace qm::ui
