#include "ui/Screen_Missions.h"

#include <memory>
#include <string>

#include "platform/pictures.h"
#include "state/frontend.h"
#include "world/money.h"
#include "world/tutorial.h"

namespace qm::ui {
namespace {

// Items: the offers 1..6 (their slot numbers), "Accept mission" 7, "Back" 8.
constexpr int kAcceptItem = 7, kBackItem = 8;

constexpr int kW = 741, kH = 560;
constexpr Rect kBoard{14, 44, 713, 258};
constexpr Rect kBriefing{14, 312, 713, 184};
// The board: three columns of two offers, slots 1 and 2 in the first column.
constexpr int kColumns = 3, kRows = 2;
constexpr int kTileW = 225, kTileH = 114, kTileGap = 9, kTileX = 10, kTileY = 10;
constexpr int kLogo = 62;
constexpr int kLineTop = 118, kLineH = 20, kValueX = 168;

constexpr Color kTileSelected{34, 52, 86, 150};
constexpr Color kTileEdge{52, 72, 104, 255};

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// The detail line reads "Label:value"; the screen sets the two parts in columns.
void SplitDetail(const std::string& line, std::string& label, std::string& value) {
  const size_t colon = line.find(':');
  label = colon == std::string::npos ? "" : line.substr(0, colon + 1);
  value = colon == std::string::npos ? line : line.substr(colon + 1);
}

// One offer of the board: the list-entry picture as its plate, the type's logo,
// its name, place and reward, and the detail line's value (the resistance, the
// goods, or a manhunt's call sign and ship); gold-framed while selected.
class OfferEntry : public Button {
 public:
  bool selected = false;
  std::string logo, place, reward, note;

  void Draw(const Window& w, int ox, int oy) const override {
    const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
    const bool hover = w.Hover() == item;
    platform::DrawPicture(CurrentPicture(w), r);
    if (selected) FillRect(r, kTileSelected);
    const Rect logoRect{r.x + 8, r.y + 10, kLogo, kLogo};
    platform::DrawPicture(logo, logoRect);
    FrameRect(logoRect, kTileEdge);

    const int tx = logoRect.x + kLogo + 10, tw = r.x + r.w - tx - 8;
    TextStyle name = OneLine(Bold(Body(13)));
    name.color = selected ? kGold : hover ? kHighlight : kText;
    name.shadow = true;
    // A long name takes a smaller type before it is shortened.
    for (int textW = 0, textH = 0; name.size > 11; --name.size) {
      platform::MeasureText(caption, 10000, name, textW, textH);
      if (textW <= tw) break;
    }
    platform::DrawText(Fit(caption, tw, name), {tx, r.y + 12, tw, 18}, name);
    const TextStyle dim = Shadowed(OneLine(Tinted(Small(11), kDim)));
    platform::DrawText(Fit(place, tw, dim), {tx, r.y + 34, tw, 15}, dim);
    const TextStyle money = Shadowed(OneLine(Tinted(Bold(Body(14)), kGold)));
    platform::DrawText(reward, {tx, r.y + 54, tw, 20}, money);
    const TextStyle small = Shadowed(OneLine(Tinted(Small(10), kDim)));
    platform::DrawText(Fit(note, r.w - 16, small), {r.x + 8, r.y + r.h - 21, r.w - 16, 14}, small);
    if (selected) {
      FrameRect(r, kGold);
      FrameRect({r.x + 1, r.y + 1, r.w - 2, r.h - 2}, kGold);
    } else {
      FrameRect(r, hover ? kHighlight : kTileEdge);
    }
  }
  void Dump(const Window& w, std::string& out, int depth) const override {
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + "offer " + std::to_string(item) + " \"" + caption +
           "\" \"" + place + "\" \"" + reward + "\"" + (note.empty() ? "" : " [" + note + "]") + " " +
           CurrentPicture(w) + " " + logo + (selected ? " selected" : "") + (w.Hover() == item ? " hover" : "") +
           "\n";
  }
};

}  // namespace

Screen_Missions::Screen_Missions() : Window("Screen_Missions", kW, kH) {
  background = "Mission-Screen_00.jpg";
  heading_ = &AddLabel({20, 12, 480, 26}, "", OneLine(Title(17)));
  heading_->name = "heading";
  credits_ = &AddLabel({500, 16, kW - 520, 20}, "", OneLine(Tinted(Bold(Body(13)), kGold), Align::Right));
  BuildBoard();
  BuildBriefing();

  const int y = kBriefing.y + kBriefing.h + 10;
  accept_ = &AddButton(kAcceptItem, {kW - 14 - 150 - 10 - 120, y, 150, 40}, "Mission-Screen", "Accept mission",
                       [this] { Accept(); });
  accept_->onRightClick = [] {
    Notify("Accept mission", "Accepts the selected mission. You can run only one mission at a time; the main "
                             "screen's Missions button then shows its status. (Enter)");
  };
  auto& back = AddButton(kBackItem, {kW - 14 - 120, y, 120, 40}, "Mission-Screen", "Back", [this] { Close(); });
  back.onRightClick = [] { Notify("Back", "Returns to the main screen without taking a mission. (Escape)"); };
  SetDefault(accept_);
  SetCancel(&back);

  const TextStyle keys = OneLine(Tinted(Small(10), kDim));
  AddLabel({20, y + 4, 420, 14}, "Keys: \u2190 \u2192 \u2191 \u2193 choose an offer  \u00b7  Enter accept  \u00b7  Esc back",
           keys);
  AddLabel({20, y + 22, 420, 14}, "Right-click an offer or a button for more information.", keys);

  tutorial_ = std::make_unique<TutorialPanel>(*this, TutorialScreen::Missions, TutorialPanel::Place{527, 196});
  tutorial_->markerAt = [this](int step) -> Rect {
    if (step == 10) {
      const Rect r = entries_[2]->rect;
      return {kBoard.x + r.x, kBoard.y + r.y, r.w, r.h};
    }
    return step == 11 ? accept_->rect : Rect{};
  };
}

void Screen_Missions::BuildBoard() {
  Panel& board = GlassPanel(*this, kBoard, "offers");
  for (int slot = 1; slot <= kMissionOffers; ++slot) {
    const int column = (slot - 1) / kRows, row = (slot - 1) % kRows;
    auto entry = std::make_unique<OfferEntry>();
    entry->rect = {kTileX + column * (kTileW + kTileGap), kTileY + row * (kTileH + kTileGap), kTileW, kTileH};
    entry->item = slot;
    entry->prefix = "Mission-Screen";
    entry->kind = PictureKind::ListEntry;
    entry->onClick = [this, slot] { Select(slot); };
    entry->onDoubleClick = entry->onClick;
    entry->onRightClick = [slot] {
      const int s = Game.Ship[Sh::System];
      const IntRow& m = Game.Missions[s][slot];
      if (m[Mis::Active] <= 0) return;
      Notify(MissionName(m[Mis::Type]), MissionDescription(m[Mis::Type], false, s, slot) + "\n\n" +
                                            MissionDetail(m) + "\nTarget: " + MissionTarget(m));
    };
    entries_[static_cast<size_t>(slot)] = &board.Add(std::move(entry));
  }
  static_assert(kColumns * kRows == kMissionOffers);
}

void Screen_Missions::BuildBriefing() {
  Panel& p = GlassPanel(*this, kBriefing, "briefing");
  selectedName_ = &p.AddLabel({14, 10, 570, 22}, "", OneLine(Title(15)));
  p.AddBox({kBriefing.w - 14 - 92 - 1, 11, 94, 94}, {0, 0, 0, 0}, kGlassBorder);
  logo_ = &p.AddPicture({kBriefing.w - 14 - 92, 12, 92, 92}, "");
  logo_->name = "logo";
  description_ = &p.AddLabel({14, 36, 580, 72}, "", Body(12));
  p.AddBox({14, kLineTop - 6, kBriefing.w - 28, 1}, kGlassRule);
  const TextStyle label = OneLine(Tinted(Body(12), kDim));
  const TextStyle value = OneLine(Bold(Body(12)));
  detailLabel_ = &p.AddLabel({14, kLineTop, kValueX - 18, kLineH}, "", label);
  detailValue_ = &p.AddLabel({kValueX, kLineTop, kBriefing.w - kValueX - 14, kLineH}, "", value);
  targetLabel_ = &p.AddLabel({14, kLineTop + kLineH, kValueX - 18, kLineH}, "Target:", label);
  targetValue_ = &p.AddLabel({kValueX, kLineTop + kLineH, kBriefing.w - kValueX - 14, kLineH}, "", value);
  rewardLabel_ = &p.AddLabel({14, kLineTop + 2 * kLineH, kValueX - 18, kLineH}, "Reward:", label);
  rewardValue_ = &p.AddLabel({kValueX, kLineTop + 2 * kLineH, 300, kLineH + 2},
                             "", OneLine(Tinted(Bold(Body(14)), kGold)));
}

void Screen_Missions::OnShow() {
  ClearHover();
  if (selected_ < 1 || selected_ > kMissionOffers) selected_ = 1;
  Refresh();
}

bool Screen_Missions::Offered(int slot) {
  return slot >= 1 && slot <= kMissionOffers && Game.Missions[Game.Ship[Sh::System]][slot][Mis::Active] > 0;
}

int Screen_Missions::Step(int columns, int rows) const {
  int slot = selected_;
  if (columns == 0) {
    // Up and Down run through the slots in order, down one column into the next.
    for (int n = 0; n < kMissionOffers; ++n) {
      slot = ((slot - 1 + rows) % kMissionOffers + kMissionOffers) % kMissionOffers + 1;
      if (Offered(slot)) return slot;
    }
    return selected_;
  }
  // Left and Right keep the row where they can, else take the column's other offer.
  int column = (selected_ - 1) / kRows;
  const int row = (selected_ - 1) % kRows;
  for (int n = 0; n < kColumns; ++n) {
    column = ((column + columns) % kColumns + kColumns) % kColumns;
    for (const int r : {row, kRows - 1 - row})
      if (Offered(column * kRows + r + 1)) return column * kRows + r + 1;
  }
  return selected_;
}

bool Screen_Missions::KeyDown(SDL_Keycode key) {
  switch (key) {
    case SDLK_DOWN:
    case SDLK_TAB: Select(Step(0, 1)); return true;
    case SDLK_UP: Select(Step(0, -1)); return true;
    case SDLK_RIGHT: Select(Step(1, 0)); return true;
    case SDLK_LEFT: Select(Step(-1, 0)); return true;
    default: return Window::KeyDown(key);
  }
}

void Screen_Missions::Select(int slot) {
  if (!Offered(slot)) return;
  selected_ = slot;
  TutorialHook(TutorialEvent::MissionSelected, slot);
  Refresh();
}

void Screen_Missions::Accept() {
  // The rules ask, refuse or accept; an accepted offer is refilled on the board
  // and the mission starts, which may already fight or end the game.
  if (!AcceptMission(selected_)) {
    Refresh();
    return;
  }
  selected_ = 1;
  TutorialHook(TutorialEvent::MissionAccepted);
  if (!Quitting()) Refresh();
  Close();
}

void Screen_Missions::Refresh() {
  const int s = Game.Ship[Sh::System];
  heading_->Set(MissionBoardHeading());
  credits_->Set("Credits: $ " + FormatMoney(Game.Player[Pl::Credits]));
  for (int slot = 1; slot <= kMissionOffers; ++slot) {
    auto* entry = static_cast<OfferEntry*>(entries_[static_cast<size_t>(slot)]);
    const IntRow& m = Game.Missions[s][slot];
    const bool offered = m[Mis::Active] > 0;
    entry->visible = offered;
    entry->selected = offered && slot == selected_;
    const int type = m[Mis::Type];
    entry->caption = offered ? MissionName(type) : "";
    entry->logo = offered ? MissionLogo(type) + ".jpg" : "";
    entry->place = offered ? MissionPlace(m) : "";
    entry->reward = offered ? "$ " + FormatMoney(m[Mis::Reward]) : "";
    std::string label, value;
    if (offered) SplitDetail(MissionDetail(m), label, value);
    entry->note = offered ? label + (label.empty() ? "" : " ") + value : "";
  }

  const bool shown = Offered(selected_);
  const int type = shown ? Game.Missions[s][selected_][Mis::Type] : 0;
  selectedName_->Set(shown ? "Selected Mission: " + MissionName(type) : "No mission selected");
  logo_->Set(shown ? MissionLogo(type) + ".jpg" : "");
  logo_->Show(shown);
  description_->Set(shown ? Quoted(MissionDescription(type, false, s, selected_)) : "");
  std::string label, value;
  if (shown) SplitDetail(MissionDetail(Game.Missions[s][selected_]), label, value);
  detailLabel_->Set(label);
  detailValue_->Set(value);
  targetLabel_->Show(shown);
  rewardLabel_->Show(shown);
  targetValue_->Set(shown ? MissionTarget(Game.Missions[s][selected_]) : "");
  rewardValue_->Set(shown ? "$ " + FormatMoney(Game.Missions[s][selected_][Mis::Reward]) : "");
  Invalidate();
}

}  // namespace qm::ui
