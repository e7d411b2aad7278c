#include "ui/Screen_CrewHiring.h"

#include <functional>
#include <memory>
#include <string>

#include "catalogue/professions.h"
#include "catalogue/ships.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "ui/event_loop.h"
#include "world/money.h"

namespace qm::ui {
namespace {

// Items: "-" 1..5, "+" 11..15, the crew names 21..25, Back 30.
constexpr int kDismissItem = 1, kHireItem = 11, kNameItem = 21, kBackItem = 30;
constexpr int kRepeatTimer = 1;

constexpr int kW = 579, kH = 335;
constexpr Rect kShipPanel{16, 44, kW - 32, 52};
constexpr Rect kTable{16, 104, kW - 32, 186};
constexpr int kRowTop = 28, kRowH = 31;
// Columns of the table, inside its panel.
constexpr int kNameX = 46, kCountX = 232, kCountW = 74, kPriceX = 318, kPriceW = 96;
constexpr int kDismissX = 444, kHireX = 492, kButtonW = 42, kButtonH = 25;

constexpr Color kPanelFill{6, 10, 22, 206};
constexpr Color kPanelBorder{70, 96, 136, 255};
constexpr Color kRule{96, 120, 160, 140};
constexpr Color kBand{68, 150, 247, 46};
constexpr Color kBandEdge{68, 150, 247, 150};

// The table in the order of the ship's crew record: crewmen, officers, marines, pirates, droids.
constexpr int kOrder[kCrewTypes] = {1, 2, 4, 3, 5};

std::string Portrait(int crewType) {
  switch (crewType) {
    case 1: return "Crew_Crewman.jpg";
    case 2: return "Crew_Officer.jpg";
    case 3: return "Crew_Pirate.jpg";
    case 4: return "Crew_Marine.jpg";
    default: return "Crew_Droid.jpg";
  }
}

TextStyle Cell(TextStyle s, Align a) {
  s = OneLine(s, a);
  s.middle = true;
  return s;
}

// "+" and "-": a switched-off button is dimmed as a whole, not only its caption.
class StepButton : public Button {
 public:
  void Draw(const Window& w, int ox, int oy) const override {
    Button::Draw(w, ox, oy);
    if (!enabled) FillRect({ox + rect.x, oy + rect.y, rect.w, rect.h}, {4, 8, 18, 140});
  }
};

}  // namespace

Screen_CrewHiring::Screen_CrewHiring() : Window("Screen_CrewHiring", kW, kH) {
  background = "CrewHiring_00.jpg";
  AddLabel({20, 12, 260, 28}, "Crew hiring", OneLine(Title(19)));
  credits_ = &AddLabel({280, 16, kW - 300, 20}, "", OneLine(Tinted(Bold(Body(13)), kGold), Align::Right));

  Panel& ship = GlassPanel(*this, kShipPanel, "ship", kPanelFill, kPanelBorder);
  shipLine_ = &ship.AddLabel({12, 6, kShipPanel.w - 24, 18}, "", OneLine(Title(13)));
  const auto figure = [&ship](int x, const char* caption, int captionW) {
    ship.AddLabel({x, 28, captionW, 16}, caption, OneLine(Tinted(Body(12), kDim)));
    return &ship.AddLabel({x + captionW, 28, 50, 16}, "", OneLine(Bold(Body(12))));
  };
  minimum_ = figure(12, "Minimum crew:", 102);
  maximum_ = figure(190, "Maximum crew:", 106);
  current_ = figure(372, "Current crew:", 98);

  Panel& table = GlassPanel(*this, kTable, "crew", kPanelFill, kPanelBorder);
  const TextStyle head = Tinted(Small(10), kDim);
  table.AddLabel({kNameX, 6, 160, 16}, "Crew", Cell(head, Align::Left));
  table.AddLabel({kCountX, 6, kCountW, 16}, "Aboard", Cell(head, Align::Right));
  table.AddLabel({kPriceX, 6, kPriceW, 16}, "Price each", Cell(head, Align::Right));
  table.AddLabel({kDismissX - 6, 6, kHireX + kButtonW - kDismissX + 12, 16}, "Dismiss  \u00b7  Hire",
                 Cell(head, Align::Centre));
  table.AddBox({8, 24, kTable.w - 16, 1}, kRule);
  for (size_t i = 0; i < rows_.size(); ++i) BuildRow(table, i, kOrder[i], kRowTop + static_cast<int>(i) * kRowH);

  reason_ = &AddLabel({20, 294, 420, 16}, "", OneLine(Tinted(Small(10), kGold)));
  AddLabel({20, 312, 420, 14},
           "Keys: \u2191 \u2193 crew type  \u00b7  + hire  \u00b7  \u2212 dismiss  \u00b7  hold + to hire faster  "
           "\u00b7  right-click: info",
           OneLine(Small(9)));
  auto& back = AddButton(kBackItem, {kW - 16 - 104, 296, 104, 30}, "CrewHiring", "Back", [this] { Close(); });
  back.onRightClick = [] { Notify("Back", "Leaves crew hiring. (Enter or Escape)"); };
  SetCancel(&back);
  SetDefault(&back);
}

void Screen_CrewHiring::BuildRow(Panel& table, size_t index, int crewType, int y) {
  Row& r = rows_[index];
  r.crewType = crewType;
  const int slot = crewSlot(crewType);
  const int nameItem = kNameItem + static_cast<int>(index);

  r.band = &table.AddBox({4, y, kTable.w - 8, kRowH - 1}, kBand, kBandEdge);
  r.band->onClick = [this, index] { Select(index); };
  Picture& face = table.AddPicture({12, y + 2, 26, 26}, Portrait(crewType));
  face.item = nameItem;
  r.name = &table.AddLabel({kNameX, y, 180, kRowH - 1}, crewTypeTopic(slot), Cell(Body(13), Align::Left), nameItem);
  for (Control* c : {static_cast<Control*>(&face), static_cast<Control*>(r.name)}) {
    c->onClick = [this, index, crewType] {
      Select(index);
      ShowCrewInfo(crewType);
    };
    c->onRightClick = [this, crewType] { ShowCrewInfo(crewType); };
  }
  r.count = &table.AddLabel({kCountX, y, kCountW, kRowH - 1}, "", Cell(Bold(Body(13)), Align::Right));
  r.count->name = "count" + std::to_string(crewType);
  r.price = &table.AddLabel({kPriceX, y, kPriceW, kRowH - 1}, "", Cell(Body(12), Align::Right));

  const std::string topic = crewTypeTopic(slot);
  const auto makeButton = [&](int item, int x, const char* caption, std::function<void()> act) {
    auto b = std::make_unique<StepButton>();
    b->rect = {x, y + 3, kButtonW, kButtonH};
    b->item = item;
    b->prefix = "CrewHiring";
    b->caption = caption;
    b->captionStyle = Caption(15);
    b->onClick = act;
    b->onDoubleClick = act;  // quick clicks count one each
    return &table.Add(std::move(b));
  };
  r.dismiss = makeButton(kDismissItem + static_cast<int>(index), kDismissX, "-", [this, index, crewType] {
    Select(index);
    Dismiss(crewType);
  });
  r.dismiss->onRightClick = [topic] {
    Notify(topic, "Click \"-\" to dismiss one of them. Nobody gets any money back. (Key \u2212)");
  };
  r.hire = makeButton(kHireItem + static_cast<int>(index), kHireX, "+", [this, index, crewType] {
    Select(index);
    StartHiring(crewType);
  });
  r.hire->onRightClick = [topic, crewType] {
    const HireRefusal why = crewHireUnavailable(crewType);
    if (why.refused())
      Notify(why.topic, why.text);
    else
      Notify(topic, "Click \"+\" to hire one for " + crewPriceText(crewType) +
                        "; hold the button down to hire more, faster and faster. (Key +)");
  };
}

void Screen_CrewHiring::OnShow() {
  ClearHover();
  StopHiring();
  Refresh();
}

void Screen_CrewHiring::OnClose() { StopHiring(); }

void Screen_CrewHiring::OnMouseUp(int, int, int button) {
  if (button == SDL_BUTTON_LEFT) StopHiring();
}

bool Screen_CrewHiring::KeyDown(SDL_Keycode key) {
  Row& r = rows_[selected_];
  switch (key) {
    case SDLK_UP: Select((selected_ + rows_.size() - 1) % rows_.size()); return true;
    case SDLK_DOWN: Select((selected_ + 1) % rows_.size()); return true;
    case SDLK_PLUS:
    case SDLK_KP_PLUS:
    case SDLK_EQUALS:
    case SDLK_RIGHT: PressByKey(r.hire, true); return true;
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
    case SDLK_LEFT: PressByKey(r.dismiss, false); return true;
    default: return Window::KeyDown(key);
  }
}

void Screen_CrewHiring::Select(size_t index) {
  if (index >= rows_.size()) return;
  selected_ = index;
  Refresh();
}

void Screen_CrewHiring::StartHiring(int crewType) {
  StopHiring();
  if (repeat_.Press(crewType)) StartTimer(kRepeatTimer, repeat_.IntervalMs(), [this] { RepeatTick(); });
  Refresh();
}

void Screen_CrewHiring::RepeatTick() {
  // A release the window never saw (the pointer left the game's window) ends the repeat too.
  if (!ScriptLoaded() && !(SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK)) return StopHiring();
  if (repeat_.Tick())
    StartTimer(kRepeatTimer, repeat_.IntervalMs(), [this] { RepeatTick(); });  // the next one comes sooner
  else
    StopTimer(kRepeatTimer);
  Refresh();
}

void Screen_CrewHiring::StopHiring() {
  repeat_.Release();
  StopTimer(kRepeatTimer);
}

void Screen_CrewHiring::Dismiss(int crewType) {
  StopHiring();
  dismissCrew(crewType);
  Refresh();
}

void Screen_CrewHiring::PressByKey(Button* b, bool hire) {
  if (!b->visible || !b->enabled) return;
  UI().PlaySound("button.wav");
  ClearHover();
  const int crewType = rows_[selected_].crewType;
  if (hire)
    hireCrew(crewType);  // the key's own repeat hires the next one
  else
    dismissCrew(crewType);
  Refresh();
}

void Screen_CrewHiring::ShowCrewInfo(int crewType) const {
  const int slot = crewSlot(crewType);
  Notify(crewTypeTopic(slot), crewTypeText(slot));
}

void Screen_CrewHiring::Refresh() {
  const auto& s = Game.Ship;
  const int type = s[Sh::ShipType];
  credits_->Set("Credits: $ " + FormatMoney(Game.Player[Pl::Credits]));
  shipLine_->Set(shipName(type) + " class ship.");
  minimum_->Set(std::to_string(shipStat(type, Stat::CrewMin)));
  maximum_->Set(std::to_string(crewCapacity()));
  current_->Set(std::to_string(totalCrew()));
  for (size_t i = 0; i < rows_.size(); ++i) {
    Row& r = rows_[i];
    r.band->Show(i == selected_);
    r.count->Set(std::to_string(s[crewSlot(r.crewType)]));
    r.price->Set(crewPriceText(r.crewType));
    const bool offered = !crewHireUnavailable(r.crewType).refused();
    r.hire->enabled = offered;
    r.price->style.color = offered ? kText : kDim;
  }
  reason_->Set(crewHireUnavailable(rows_[selected_].crewType).text);
  Invalidate();
}

}  // namespace qm::ui
