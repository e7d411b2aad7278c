#include "ui/Screen_Governor.h"

#include "catalogue/career.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "ui/screens.h"
#include "world/main_screen.h"
#include "world/missions.h"
#include "world/money.h"
#include "world/planet_services.h"

namespace qm::ui {
namespace {

// Items: missions 1, buy amnesty 2, Back 9.
constexpr int kMissionsItem = 1, kAmnestyItem = 2, kBackItem = 9;
constexpr int kW = 467, kH = 424;
constexpr Rect kPortrait{16, 50, 120, 150};
constexpr Rect kGreeting{146, 50, kW - 146 - 16, 150};
constexpr Rect kStatus{16, 210, kW - 32, 112};
constexpr int kButtonY = 334;
constexpr Color kFrame{70, 96, 136, 255};
constexpr Color kRule{96, 120, 160, 140};
constexpr Color kWanted{240, 110, 90, 255};

}  // namespace

Screen_Governor::Screen_Governor() : ServiceScreen("Screen_Governor", kW, kH) {
  background = "Governor_00.jpg";
  columns = 2;

  AddLabel({18, 12, 200, 28}, "Governor", OneLine(Title(19)));
  TextStyle where = OneLine(Tinted(Small(11), kDim), Align::Right);
  where.middle = true;
  place_ = &AddLabel({180, 14, kW - 208, 24}, "", where);

  AddBox({kPortrait.x - 1, kPortrait.y - 1, kPortrait.w + 2, kPortrait.h + 2}, {0, 0, 0, 0}, kFrame);
  AddPicture(kPortrait, "Governor_portrait.jpg").name = "Governor";

  Panel& greeting = Glass(kGreeting, "greeting");
  TextStyle words = Body(12);
  words.font = Font::Serif;
  words.middle = true;
  greeting_ = &greeting.AddLabel({12, 8, kGreeting.w - 24, kGreeting.h - 16}, "", words);
  greeting_->name = "Greeting";

  Panel& status = Glass(kStatus, "status");
  const auto row = [&status](int y, const char* caption) {
    status.AddLabel({14, y, 140, 18}, caption, OneLine(Tinted(Body(12), kDim)));
    return &status.AddLabel({150, y, kStatus.w - 164, 18}, "", OneLine(Bold(Body(12))));
  };
  rank_ = row(10, "Pilot:");
  criminal_ = row(32, "Flagged criminal:");
  criminal_->name = "Criminal";
  credits_ = row(54, "Your credits:");
  credits_->style.color = kGold;
  credits_->name = "Credits";
  status.AddBox({14, 80, kStatus.w - 28, 1}, kRule);
  amnesty_ = &status.AddLabel({14, 86, kStatus.w - 28, 18}, "", OneLine(Tinted(Small(11), kDim)));

  missions_ = &AddService(kMissionsItem, {16, kButtonY, 170, 34}, "GovernorScreen", "Missions", 1,
                          [this] { Act([this] { Missions(); }); }, "Missions",
                          "Missions are given in systems owned by your own faction, to pilots who are not flagged "
                          "criminal. With a mission running you get its briefing again.");
  missions_->name = "Missions";
  amnesty_button_ = &AddService(kAmnestyItem, {196, kButtonY, 170, 34}, "GovernorScreen", "Buy amnesty", 2,
                                [this] { Act(buyAmnesty); }, "Amnesty",
                                "The governor lifts your criminal flag for a price.");
  amnesty_button_->name = "Amnesty";

  KeysLine({18, kH - 44, 290, 28}, "Keys: 1 missions \u00b7 2 amnesty \u00b7 arrows, Enter \u00b7 Esc back");
  auto& back = AddService(kBackItem, {kW - 16 - 110, kH - 46, 110, 32}, "GovernorScreen", "Back", 0,
                          [this] { Close(); }, "Back", "Leaves the governor. (Escape)");
  SetCancel(&back);
  SetDefault(&back);
}

void Screen_Governor::Missions() {
  switch (missionsAction()) {
    case MissionsOutcome::MissionSelection: ShowScreen("Screen_Missions"); break;
    case MissionsOutcome::Campaign: ShowScreen("Screen_Campaign"); break;
    case MissionsOutcome::MissionStatus: {
      const int type = Game.ActiveMission[Mis::Type];
      Notify(MissionPanelName(type), MissionDescription(type, true, 0, 0));
      break;
    }
    case MissionsOutcome::Refused: break;  // the rules said why
  }
}

void Screen_Governor::Refresh() {
  const int system = Game.Ship[Sh::System], here = Game.Ship[Sh::Location];
  place_->Set(here >= 1 ? Game.LocationText[system][here][1] + "  \u00b7  " + Game.SystemText[system][1] + " system"
                        : "");
  // A long greeting takes a smaller type before it would overflow its panel.
  const std::string words = governorGreeting();
  greeting_->style.size = 13;
  for (int w = 0, h = 0; greeting_->style.size > 10; --greeting_->style.size) {
    platform::MeasureText(words, greeting_->rect.w, greeting_->style, w, h);
    if (h <= greeting_->rect.h) break;
  }
  greeting_->Set(words);
  const std::string rank = rankName(Game.Player[Pl::Rank]);
  rank_->Set(rank.empty() ? Game.PlayerName : rank + " " + Game.PlayerName);
  criminal_->style.color = Game.Player[Pl::CriminalFlag] > 0 ? kWanted : kText;
  criminal_->Set(criminalStatusText());
  credits_->Set("$ " + FormatMoney(Game.Player[Pl::Credits]));
  const bool offered = amnestyOffered();
  amnesty_->style.color = offered ? kGold : kDim;
  amnesty_->Set(offered ? "The governor is willing to talk about an amnesty."
                        : here >= 1 && here <= kLocations ? planetFacts(system, here).faction : "");
  ShowService(*amnesty_button_, offered);
}

}  // namespace qm::ui
