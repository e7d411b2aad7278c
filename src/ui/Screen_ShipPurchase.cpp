#include "ui/Screen_ShipPurchase.h"

#include <memory>
#include <string>

#include "catalogue/ships.h"
#include "platform/pictures.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "world/main_screen.h"
#include "world/money.h"

namespace qm::ui {
namespace {

// Items: the places 1..12, Buy 20, Back 21, the speciality 22, the compatibility line 23.
constexpr int kBuyItem = 20, kBackItem = 21, kSpecialityItem = 22, kCompatibilityItem = 23;

constexpr int kW = 790, kH = 594;
constexpr Rect kList{14, 44, 436, 492};
constexpr Rect kDetail{460, 44, 316, 492};
// The list: four rows of three places (fighters, corvettes, destroyers, cruisers), then the battleships.
constexpr int kPlacesPerRow = 3, kRows = 4;
constexpr int kRowTop = 8, kRowH = 100, kTileTop = 18, kTileW = 134, kTileH = 78, kTileStep = 140, kTileX = 10;
constexpr int kThumbH = 54;
constexpr Rect kScene{12, 30, 292, 146};
constexpr int kFiguresTop = 278, kMoneyTop = 382, kLineH = 18;

constexpr const char* kClassHeadings[5] = {"Fighter-class:", "Corvette-class:", "Destroyer-class:", "Cruiser-class:",
                                           "Battleship-class:"};
constexpr const char* kFigureLabels[5] = {"Type:", "Damage:", "Shields:", "Cargo space:", "Speciality:"};
constexpr const char* kMoneyLabels[3] = {"Price:", "Old ship:", "Balance:"};

constexpr Color kPanelFill{6, 10, 22, 206};
constexpr Color kPanelBorder{70, 96, 136, 255};
constexpr Color kRule{96, 120, 160, 140};
constexpr Color kTileFill{10, 18, 36, 220};
constexpr Color kTileSelected{34, 52, 86, 240};
constexpr Color kTileEdge{52, 72, 104, 255};
constexpr Color kLink{130, 196, 255, 255};

std::string Value(const Sheet& sheet, const std::string& label) {
  for (const SheetLine& l : sheet)
    if (l.label == label) return l.value;
  return "";
}

// One shipyard place: the ship's blueprint on a dark plate with its name under
// it; gold-framed while selected, tagged while it is the player's own type. An
// empty place is switched off.
class ShipTile : public Button {
 public:
  bool selected = false;
  bool owned = false;
  std::string picture;

  void Draw(const Window& w, int ox, int oy) const override {
    const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
    const bool hover = enabled && w.Hover() == item;
    FillRect(r, selected ? kTileSelected : kTileFill);
    platform::DrawPicture(picture, {r.x + 7, r.y + 4, r.w - 14, kThumbH});
    if (!enabled) FillRect({r.x + 7, r.y + 4, r.w - 14, kThumbH}, {6, 10, 22, 120});
    TextStyle s = OneLine(enabled ? Bold(Body(12)) : Small(11), Align::Centre);
    s.middle = true;
    if (selected) s.color = kGold;
    else if (hover) s.color = kHighlight;
    else if (!enabled) s.color = kDim;
    platform::DrawText(caption, {r.x + 2, r.y + kThumbH + 5, r.w - 4, 17}, s);
    if (owned) {
      const Rect tag{r.x + 4, r.y + 4, 58, 13};
      FillRect(tag, {236, 200, 120, 220});
      TextStyle t = OneLine(Bold(Small(9)), Align::Centre);
      t.middle = true;
      t.color = {20, 24, 36, 255};
      platform::DrawText("Your ship", tag, t);
    }
    if (selected) {
      FrameRect(r, kGold);
      FrameRect({r.x + 1, r.y + 1, r.w - 2, r.h - 2}, kGold);
    } else {
      FrameRect(r, hover ? kHighlight : kTileEdge);
    }
  }
  void Dump(const Window& w, std::string& out, int depth) const override {
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + "place " + (item < 10 ? "0" : "") +
           std::to_string(item) + " \"" + caption + "\" " + picture + (selected ? " selected" : "") +
           (owned ? " owned" : "") + (w.Hover() == item ? " hover" : "") + (enabled ? "" : " disabled") + "\n";
  }
};

}  // namespace

Screen_ShipPurchase::Screen_ShipPurchase() : Window("Screen_ShipPurchase", kW, kH) {
  background = "ShipPurchase_00.jpg";
  AddLabel({20, 12, 320, 28}, "Buy a new ship:", OneLine(Title(19)));
  TextStyle money = OneLine(Tinted(Bold(Body(13)), kGold), Align::Right);
  credits_ = &AddLabel({420, 16, kW - 440, 20}, "", money);
  BuildList();
  BuildDetail();
  const int footer = kList.y + kList.h + 8;
  AddLabel({kList.x + 6, footer, kList.w - 12, 14}, kOtherFactionsNote, OneLine(Small(10)));
  hint_ = &AddLabel({60, footer + 20, kW - 120, 14},
                    "Keys: \u2190 \u2192 \u2191 \u2193 choose a ship  \u00b7  Enter buy  \u00b7  Esc back  \u00b7  "
                    "right-click a ship or a button for information",
                    OneLine(Small(9), Align::Centre));
}

void Screen_ShipPurchase::BuildList() {
  Panel& list = GlassPanel(*this, kList, "places", kPanelFill, kPanelBorder);
  for (int row = 0; row < kRows; ++row) {
    const int y = kRowTop + row * kRowH;
    list.AddLabel({12, y, 220, 16}, kClassHeadings[row], OneLine(Title(12)));
    for (int c = 0; c < kPlacesPerRow; ++c) {
      const int place = row * kPlacesPerRow + c + 1;
      auto tile = std::make_unique<ShipTile>();
      tile->rect = {kTileX + c * kTileStep, y + kTileTop, kTileW, kTileH};
      tile->item = place;
      tile->prefix = "ShipPurchase";
      tile->onClick = [this, place] { Select(place); };
      tile->onDoubleClick = tile->onClick;
      tile->onRightClick = [place] {
        const int type = TypeAt(place);
        if (type > 0) Notify(shipName(type), shipDescriptionLong(type));
      };
      tiles_[static_cast<size_t>(place)] = &list.Add(std::move(tile));
    }
  }
  const int y = kRowTop + kRows * kRowH;
  list.AddLabel({12, y, 220, 16}, kClassHeadings[4], OneLine(Title(12)));
  list.AddLabel({12, y + 18, kList.w - 24, kList.h - y - 22}, kBattleshipNotForSale, Small(10));
}

void Screen_ShipPurchase::BuildDetail() {
  Panel& detail = GlassPanel(*this, kDetail, "selected", kPanelFill, kPanelBorder);
  detail.AddLabel({12, 8, 200, 18}, "Selected ship:", OneLine(Title(13)));
  detail.AddBox({kScene.x - 1, kScene.y - 1, kScene.w + 2, kScene.h + 2}, {0, 0, 0, 0}, kPanelBorder);
  scene_ = &detail.AddPicture(kScene, "");
  scene_->name = "scene";
  name_ = &detail.AddLabel({12, 182, 190, 24}, "", OneLine(Title(17)));
  owned_ = &detail.AddLabel({196, 186, 108, 18}, "(your ship)", OneLine(Tinted(Small(10), kGold), Align::Right));
  description_ = &detail.AddLabel({12, 208, 292, 64}, "", Body(11));
  detail.AddBox({12, kFiguresTop - 4, 292, 1}, kRule);

  for (size_t i = 0; i < figures_.size(); ++i) {
    const int y = kFiguresTop + static_cast<int>(i) * kLineH;
    detail.AddLabel({12, y, 84, kLineH}, kFigureLabels[i], OneLine(Tinted(Body(12), kDim)));
    figures_[i] = &detail.AddLabel({96, y, 130, kLineH}, "", OneLine(Bold(Body(12))));
  }
  // The speciality explains itself when clicked.
  Label& speciality = *figures_[4];
  speciality.item = kSpecialityItem;
  speciality.style = OneLine(Tinted(Body(12), kLink));
  speciality.onClick = [this] {
    const int type = TypeAt(selected_);
    if (type > 0) Notify(specialityName(shipStat(type, Stat::Speciality)), specialityHelp(type));
  };
  speciality.onRightClick = speciality.onClick;
  blueprint_ = &detail.AddPicture({230, kFiguresTop + 2, 74, 84}, "");
  blueprint_->name = "blueprint";

  detail.AddBox({12, kMoneyTop - 6, 292, 1}, kRule);
  for (size_t i = 0; i < money_.size(); ++i) {
    const int y = kMoneyTop + static_cast<int>(i) * kLineH;
    const bool balance = i == 2;
    detail.AddLabel({12, y, 120, kLineH}, kMoneyLabels[i], OneLine(balance ? Bold(Body(12)) : Tinted(Body(12), kDim)));
    TextStyle v = OneLine(Bold(Body(balance ? 13 : 12)), Align::Right);
    if (balance) v.color = kGold;
    money_[i] = &detail.AddLabel({132, y, 172, kLineH}, "", v);
  }

  buy_ = &detail.AddButton(kBuyItem, {12, 442, 140, 38}, "ShipPurchase", "Buy", [this] { Buy(); });
  buy_->onRightClick = [] {
    Notify("Buy", "Buys the selected ship. Your old ship is traded in for its value; you pay the balance. (Enter)");
  };
  auto& back = detail.AddButton(kBackItem, {164, 442, 140, 38}, "ShipPurchase", "Back", [this] { Close(); });
  back.onRightClick = [] { Notify("Back", "Leaves the shipyard. (Escape)"); };
  SetDefault(buy_);
  SetCancel(&back);
  BuildCompatibility(detail);
}

void Screen_ShipPurchase::BuildCompatibility(Panel& detail) {
  // In the compatibility mode the lines take the scene picture's place.
  compatibility_ = &detail.AddPanel(kScene);
  compatibility_->name = "Compatibility";
  compatibility_->fill = {0, 0, 0, 225};
  for (size_t i = 0; i < compatibilityLines_.size(); ++i)
    compatibilityLines_[i] =
        &compatibility_->AddLabel({8, 6 + static_cast<int>(i) * 22, kScene.w - 16, 22}, "", Body(11));
  compatibility_->visible = false;
  compatibilityOff_ = &AddLabel({60, kList.y + kList.h + 26, kW - 120, 16},
                                "Compatibility mode for the visually impaired (Click to turn off!)",
                                Tinted(OneLine(Body(11), Align::Centre), kGold), kCompatibilityItem);
  compatibilityOff_->onClick = [this] {
    setCompatibilityMode(false);
    Refresh();
  };
  compatibilityOff_->visible = false;
}

void Screen_ShipPurchase::OnShow() {
  ClearHover();
  selected_ = 0;
  for (int place = 1; place <= kShipyardPlaces; ++place)
    if (TypeAt(place) != 0 && TypeAt(place) == Game.Ship[Sh::ShipType]) selected_ = place;
  if (selected_ == 0) selected_ = Step(1);
  Refresh();
}

int Screen_ShipPurchase::TypeAt(int place) { return shipyardOffer(Game.Player[Pl::Faction], place); }

int Screen_ShipPurchase::Step(int step) const {
  int place = selected_;
  for (int n = 0; n < kShipyardPlaces; ++n) {
    place = ((place - 1 + step) % kShipyardPlaces + kShipyardPlaces) % kShipyardPlaces + 1;
    if (TypeAt(place) != 0) return place;
  }
  return 0;
}

int Screen_ShipPurchase::RowStep(int rows) const {
  if (selected_ == 0) return Step(1);
  const int column = (selected_ - 1) % kPlacesPerRow;
  int row = (selected_ - 1) / kPlacesPerRow;
  for (int n = 0; n < kRows; ++n) {
    row = ((row + rows) % kRows + kRows) % kRows;
    // The same column first, then its neighbours.
    for (const int c : {column, column - 1, column + 1, column - 2, column + 2}) {
      if (c < 0 || c >= kPlacesPerRow) continue;
      const int place = row * kPlacesPerRow + c + 1;
      if (TypeAt(place) != 0) return place;
    }
  }
  return selected_;
}

bool Screen_ShipPurchase::KeyDown(SDL_Keycode key) {
  switch (key) {
    case SDLK_RIGHT:
    case SDLK_TAB: Select(Step(1)); return true;
    case SDLK_LEFT: Select(Step(-1)); return true;
    case SDLK_DOWN: Select(RowStep(1)); return true;
    case SDLK_UP: Select(RowStep(-1)); return true;
    default: return Window::KeyDown(key);
  }
}

void Screen_ShipPurchase::Select(int place) {
  if (place < 1 || place > kShipyardPlaces || TypeAt(place) == 0) return;
  selected_ = place;
  Refresh();
}

void Screen_ShipPurchase::Buy() {
  const int type = TypeAt(selected_);
  if (type == 0) return;
  buyShip(type);  // asks, refuses or trades the old ship in: the rules speak for themselves
  Refresh();
}

void Screen_ShipPurchase::Refresh() {
  const int own = Game.Ship[Sh::ShipType];
  credits_->Set("Credits: $ " + FormatMoney(Game.Player[Pl::Credits]));
  for (int place = 1; place <= kShipyardPlaces; ++place) {
    auto* tile = static_cast<ShipTile*>(tiles_[static_cast<size_t>(place)]);
    const int type = TypeAt(place);
    tile->enabled = type != 0;
    tile->selected = place == selected_;
    tile->owned = type != 0 && type == own;
    tile->picture = shipyardThumbnail(type);
    tile->caption = type != 0 ? shipName(type) : "Not available";
  }

  const int type = TypeAt(selected_);
  const bool shown = type != 0;
  buy_->enabled = shown;
  const Sheet sheet = shown ? shipOfferSheet(type) : Sheet{};
  scene_->Set(shown ? shipyardPicture(type) : "NotAvailable.jpg");
  blueprint_->Set(shown ? shipyardThumbnail(type) : "");
  blueprint_->Show(shown);
  name_->Set(shown ? sheet[0].value : "Not available");
  owned_->Show(shown && type == own);
  description_->Set(shown ? sheet[1].value : "");
  for (size_t i = 0; i < figures_.size(); ++i) figures_[i]->Set(Value(sheet, kFigureLabels[i]));
  for (size_t i = 0; i < money_.size(); ++i) money_[i]->Set(Value(sheet, kMoneyLabels[i]));
  RefreshCompatibility(sheet, type);
  Invalidate();
}

void Screen_ShipPurchase::RefreshCompatibility(const Sheet& sheet, int type) {
  const bool on = General.Option.CompatibilityMode;
  compatibility_->Show(on);
  compatibilityOff_->Show(on);
  hint_->Show(!on);
  if (!on) return;
  const int own = Game.Ship[Sh::ShipType];
  const std::array<std::string, 6> lines = {
      "Your money: $ " + FormatMoney(Game.Player[Pl::Credits]),
      "Your ship: " + shipName(own) + (sheet.empty() ? "" : ", worth " + Value(sheet, "Old ship:")),
      type != 0 ? "Selected ship: " + shipName(type) + " (" + shipClassName(type) + "), place " +
                      std::to_string(selected_) + " of " + std::to_string(kShipyardPlaces)
                : "No ship is for sale here.",
      type != 0 ? "Price: " + Value(sheet, "Price:") + ", balance: " + Value(sheet, "Balance:") : "",
      "Arrow keys choose a ship; Enter buys it.",
      "Escape leaves the shipyard.",
  };
  for (size_t i = 0; i < lines.size(); ++i) compatibilityLines_[i]->Set(lines[i]);
}

}  // namespace qm::ui
