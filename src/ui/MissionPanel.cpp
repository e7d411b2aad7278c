#include "ui/MissionPanel.h"

#include <algorithm>
#include <string>

#include "platform/text.h"

#include "state/frontend.h"
#include "state/game_state.h"
#include "world/missions.h"
#include "world/money.h"

namespace qm::ui {
namespace {

constexpr int kW = 290, kH = 392;
constexpr int kTop = 108;                // just under the main screen's status bar
constexpr int kLeftX = 28, kRightX = 496;  // beside the system view, left or right
constexpr int kCloseItem = 1;
constexpr int kLogo = 58;
constexpr int kCloseW = 70;
constexpr int kTextW = kW - 32;

constexpr Color kProgress{150, 220, 170, 255};

// The panel moves to the right of the view when a fight waits at a place on
// the left half, so the mission marker stays in sight.
int PanelX() {
  const IntRow& m = Game.ActiveMission;
  const int type = m[Mis::Type], system = m[Mis::System], location = m[Mis::Location];
  if (type != 1 && type != 2) return kLeftX;
  if (system < 1 || system > kSystems || location < 1 || location > kLocations) return kLeftX;
  return Game.LocationData[system][location][Loc::X] <= 387 ? kRightX : kLeftX;
}

}  // namespace

MissionPanel::MissionPanel() : Window("MissionPanel", kW, kH) {
  background = "MissionPanel_00.jpg";
  movable = true;
  // Dark glass over the backdrop keeps the text readable over the system view.
  glass_ = &AddBox({4, 4, kW - 8, kH - 8}, kGlassFill);
  // The header: the logo, the name and "Close", which stays where it is while
  // the panel takes the height of its texts.
  AddBox({15, 13, kLogo + 2, kLogo + 2}, {0, 0, 0, 0}, kGlassRule);
  logo_ = &AddPicture({16, 14, kLogo, kLogo}, "");
  constexpr int kNameX = 16 + kLogo + 10, kNameW = kW - kNameX - 14;
  AddLabel({kNameX, 20, kNameW - kCloseW - 6, 14}, "Mission status", OneLine(Tinted(Small(10), kDim)));
  name_ = &AddLabel({kNameX, 44, kNameW, 40}, "", Title(16));
  logo_->name = "logo";
  description_ = &AddLabel({16, 84, kTextW, 118}, "", Body(11));
  rule_ = &AddBox({16, 206, kTextW, 1}, kGlassRule);

  const TextStyle label = OneLine(Tinted(Small(11), kDim));
  detailLabel_ = &AddLabel({16, 214, kTextW, 15}, "", label);
  detailValue_ = &AddLabel({16, 229, kTextW, 18}, "", OneLine(Bold(Body(12))));
  targetLabel_ = &AddLabel({16, 252, kTextW, 15}, "Target:", label);
  targetValue_ = &AddLabel({16, 267, kTextW, 34}, "", Bold(Body(12)));
  progress_ = &AddLabel({16, 302, kTextW, 32}, "", Tinted(Body(12), kProgress));

  reward_ = &AddLabel({16, 344, 170, 20}, "", OneLine(Tinted(Bold(Body(14)), kGold)));
  keys_ = &AddLabel({kW - 14 - 100, 348, 100, 14}, "Esc or Enter: close", OneLine(Tinted(Small(9), kDim), Align::Right));
  close_ = &AddButton(kCloseItem, {kW - 14 - kCloseW, 12, kCloseW, 28}, "MissionPanel", "Close", [this] { Close(); });
  close_->onRightClick = [] {
    Notify("Close", "Puts the mission status away. The Missions button on the main screen brings it back. "
                    "(Escape or Enter)");
  };
  SetDefault(close_);
  SetCancel(close_);
}

void MissionPanel::OnShow() {
  ClearHover();
  Run.MissionPanelVisible = true;
  MoveTo(PanelX(), kTop);
  Refresh();
  UI().PlaySound("maxi.wav");  // the pop-up opens
}

void MissionPanel::OnClose() {
  Run.MissionPanelVisible = false;
  UI().PlaySound("mini.wav");
}

void MissionPanel::Refresh() {
  IntRow& m = Game.ActiveMission;
  const bool running = m[Mis::Active] > 0;
  const int type = m[Mis::Type];
  name_->Set(running ? MissionPanelName(type) : "No mission running");
  logo_->Set(running ? MissionLogo(type) + ".jpg" : "");
  logo_->Show(running);
  description_->Set(running ? "\"" + MissionDescription(type, true, 0, 0) + "\"" : "");
  std::string detail = running ? MissionDetail(m) : "";
  const size_t colon = detail.find(':');
  detailLabel_->Set(colon == std::string::npos ? "" : detail.substr(0, colon + 1));
  detailValue_->Set(colon == std::string::npos ? detail : detail.substr(colon + 1));
  targetLabel_->Show(running);
  targetValue_->Set(running ? MissionTarget(m) : "");
  progress_->Set(running ? MissionProgress(m) : "");
  reward_->Set(running ? "Reward: $" + FormatMoney(m[Mis::Reward]) : "");
  Layout();
  Invalidate();
}

// The panel is as tall as its texts: each part follows the one above it, and
// the window shrinks to the last line.
void MissionPanel::Layout() {
  const auto height = [](const Label& l) {
    if (l.text.empty()) return 0;
    int w = 0, h = 0;
    platform::MeasureText(l.text, l.rect.w, l.style, w, h);
    return h;
  };
  description_->rect.h = std::clamp(height(*description_), 28, 150);
  int y = description_->rect.y + description_->rect.h + 10;
  rule_->rect.y = y;
  y += 8;
  if (!detailValue_->text.empty()) {
    detailLabel_->rect.y = y;
    detailValue_->rect.y = y + 15;
    y += 38;
  }
  targetLabel_->rect.y = y;
  targetValue_->rect.y = y + 15;
  targetValue_->rect.h = std::max(height(*targetValue_), 18);
  y += 15 + targetValue_->rect.h + 6;
  if (!progress_->text.empty()) {
    progress_->rect.y = y;
    progress_->rect.h = std::max(height(*progress_), 18);
    y += progress_->rect.h + 6;
  }
  y += 4;
  reward_->rect.y = y;
  keys_->rect.y = y + 5;
  const int h = std::min(y + reward_->rect.h + 14, kH);
  Root().rect.h = h;
  glass_->rect.h = h - 8;
}

}  // namespace qm::ui
