#include "ui/Screen_ShipEquipment.h"

#include <memory>
#include <string>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "platform/pictures.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "world/main_screen.h"
#include "world/money.h"
#include "world/shipyard.h"

namespace qm::ui {
namespace {

// Items: the categories 1..6, the offered items 11..14, Upgrade 20, Back 21, the compatibility line 22.
constexpr int kOfferItem = 10, kUpgradeItem = 20, kBackItem = 21, kCompatibilityItem = 22;

constexpr int kW = 795, kH = 432;
constexpr Rect kShipPanel{14, 44, 300, 336};
constexpr Rect kOfferPanel{324, 44, 457, 336};
constexpr Rect kSide{10, 28, 280, 112};
constexpr int kCategoryTop = 150, kCategoryW = 88, kCategoryH = 62, kCategoryStep = 96, kCategoryRowStep = 68;
constexpr int kOfferTop = 32, kOfferW = 103, kOfferH = 94, kOfferStep = 109;
constexpr int kSheetTop = 134, kFigureTop = 226, kLineH = 18;
constexpr int kButtonsTop = 388;

struct Family {
  const char* picture;  // the category button's picture stem
  const char* caption;
  const char* plural;   // as the compatibility lines name it
};
constexpr Family kFamilies[Screen_ShipEquipment::kCategories + 1] = {
    {"", "", ""},
    {"equipment_gun", "Guns", "guns"},
    {"equipment_missile", "Missiles", "missiles"},
    {"equipment_engine", "Engines", "engines"},
    {"equipment_cargo", "Cargo", "cargo systems"},
    {"equipment_targeting", "Targeting", "targeting systems"},
    {"equipment_ECM", "ECM", "ECM systems"},
};

constexpr Color kPanelFill{6, 10, 22, 206};
constexpr Color kPanelBorder{70, 96, 136, 255};
constexpr Color kRule{96, 120, 160, 140};
constexpr Color kTileFill{10, 18, 36, 220};
constexpr Color kTileSelected{34, 52, 86, 240};
constexpr Color kTileEdge{52, 72, 104, 255};
constexpr Color kEquipped{130, 220, 150, 255};

TextStyle Middle(TextStyle s) {
  s.middle = true;
  return s;
}

std::string PriceOf(const Sheet& sheet) {
  for (const SheetLine& l : sheet)
    if (l.label == "Price:") return l.value;
  return "";
}

int ShipClass() { return shipStat(Game.Ship[Sh::ShipType], Stat::Class); }

// A category button: its "_normal", "_mouseover" or "_selected" picture, the
// family's name under it and its key in the corner.
class CategoryButton : public Button {
 public:
  std::string stem;
  bool selected = false;

  std::string Picture(const Window& w) const {
    return stem + (selected ? "_selected" : w.Hover() == item ? "_mouseover" : "_normal") + ".jpg";
  }
  void Draw(const Window& w, int ox, int oy) const override {
    const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
    const bool hover = w.Hover() == item;
    FillRect(r, selected ? kTileSelected : kTileFill);
    platform::DrawPicture(Picture(w), {r.x + (r.w - 42) / 2, r.y + 3, 42, 42});
    TextStyle s = Middle(OneLine(Bold(Small(11)), Align::Centre));
    s.color = selected ? kGold : hover ? kHighlight : kText;
    platform::DrawText(caption, {r.x, r.y + 45, r.w, 16}, s);
    TextStyle key = OneLine(Small(9), Align::Right);
    platform::DrawText(std::to_string(item), {r.x + r.w - 16, r.y + 2, 12, 12}, key);
    FrameRect(r, selected ? kGold : hover ? kHighlight : kTileEdge);
  }
  void Dump(const Window& w, std::string& out, int depth) const override {
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + "category 0" + std::to_string(item) + " \"" + caption +
           "\" " + Picture(w) + (selected ? " selected" : "") + (w.Hover() == item ? " hover" : "") + "\n";
  }
};

// One offered item: its picture, name and upgrade price; gold-framed while
// selected, tagged while it is the installed one.
class OfferTile : public Button {
 public:
  std::string picture;
  std::string price;
  bool selected = false;
  bool installed = false;

  void Draw(const Window& w, int ox, int oy) const override {
    const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
    const bool hover = w.Hover() == item;
    FillRect(r, selected ? kTileSelected : kTileFill);
    platform::DrawPicture(picture, {r.x + (r.w - 58) / 2, r.y + 5, 58, 40});
    // A long name goes on two lines in a smaller size.
    TextStyle name = Middle(OneLine(Small(11), Align::Centre));
    name.font = Font::CondensedBold;
    name.color = selected ? kGold : hover ? kHighlight : kText;
    Rect nameRect{r.x + 3, r.y + 48, r.w - 6, 22};
    int tw = 0, th = 0;
    platform::MeasureText(caption, 10000, name, tw, th);
    if (tw > nameRect.w) {
      name.size = 10;
      name.wrap = true;
      nameRect = {r.x + 3, r.y + 46, r.w - 6, 28};
    }
    platform::DrawText(caption, nameRect, name);
    TextStyle cost = Middle(OneLine(Small(10), Align::Centre));
    cost.color = installed ? kEquipped : kDim;
    platform::DrawText(installed ? "Installed" : price, {r.x + 2, r.y + 75, r.w - 4, 15}, cost);
    if (selected) {
      FrameRect(r, kGold);
      FrameRect({r.x + 1, r.y + 1, r.w - 2, r.h - 2}, kGold);
    } else {
      FrameRect(r, hover ? kHighlight : kTileEdge);
    }
  }
  void Dump(const Window& w, std::string& out, int depth) const override {
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + "offer " + std::to_string(item) + " \"" + caption +
           "\" " + picture + " \"" + price + "\"" + (selected ? " selected" : "") + (installed ? " installed" : "") +
           (w.Hover() == item ? " hover" : "") + "\n";
  }
};

}  // namespace

Screen_ShipEquipment::Screen_ShipEquipment() : Window("Screen_ShipEquipment", kW, kH) {
  background = "ShipEquipment_00.jpg";
  AddLabel({20, 12, 300, 28}, "Ship equipment", OneLine(Title(19)));
  credits_ = &AddLabel({420, 16, kW - 440, 20}, "", OneLine(Tinted(Bold(Body(13)), kGold), Align::Right));
  BuildShipPanel();
  BuildOfferPanel();

  hint_ = &AddLabel({18, kButtonsTop + 2, 440, 30},
                    "Keys: 1-6 or \u2191 \u2193 family  \u00b7  \u2190 \u2192 item  \u00b7  Enter upgrade  "
                    "\u00b7  Esc back  \u00b7  right-click: info",
                    Middle(Small(9)));
  compatibilityOff_ = &AddLabel({18, kButtonsTop + 2, 440, 30},
                                "Compatibility mode for the visually impaired (Click to turn off!)",
                                Middle(Tinted(Small(10), kGold)), kCompatibilityItem);
  compatibilityOff_->onClick = [this] {
    setCompatibilityMode(false);
    Refresh();
  };
  compatibilityOff_->visible = false;

  upgrade_ = &AddButton(kUpgradeItem, {kOfferPanel.x + kOfferPanel.w - 272, kButtonsTop, 132, 32}, "ShipEquipment",
                        "Upgrade", [this] { Upgrade(); });
  upgrade_->onRightClick = [] {
    Notify("Upgrade",
           "Replaces the installed item of this family by the selected one. You pay the price shown; the old item is "
           "taken in part exchange. (Enter)");
  };
  auto& back = AddButton(kBackItem, {kOfferPanel.x + kOfferPanel.w - 132, kButtonsTop, 132, 32}, "ShipEquipment",
                         "Back", [this] { Close(); });
  back.onRightClick = [] { Notify("Back", "Leaves the equipment screen. (Escape)"); };
  SetDefault(upgrade_);
  SetCancel(&back);
}

void Screen_ShipEquipment::BuildShipPanel() {
  Panel& ship = GlassPanel(*this, kShipPanel, "ship", kPanelFill, kPanelBorder);
  shipName_ = &ship.AddLabel({10, 6, 280, 18}, "", OneLine(Title(13)));
  ship.AddBox({kSide.x - 1, kSide.y - 1, kSide.w + 2, kSide.h + 2}, {0, 0, 0, 0}, kPanelBorder);
  sideView_ = &ship.AddPicture(kSide, "");
  sideView_->name = "sideview";
  compatibility_ = &ship.AddPanel(kSide);
  compatibility_->name = "Compatibility";
  compatibility_->fill = {0, 0, 0, 225};
  for (size_t i = 0; i < compatibilityLines_.size(); ++i)
    compatibilityLines_[i] =
        &compatibility_->AddLabel({8, 3 + static_cast<int>(i) * 21, kSide.w - 16, 21}, "", Middle(OneLine(Body(11))));
  compatibility_->visible = false;

  for (int c = 1; c <= kCategories; ++c) {
    auto b = std::make_unique<CategoryButton>();
    const int col = (c - 1) % 3, row = (c - 1) / 3;
    b->rect = {10 + col * kCategoryStep, kCategoryTop + row * kCategoryRowStep, kCategoryW, kCategoryH};
    b->item = c;
    b->stem = kFamilies[c].picture;
    b->caption = kFamilies[c].caption;
    b->prefix = "ShipEquipment";
    b->onClick = [this, c] { SelectCategory(c); };
    b->onDoubleClick = b->onClick;
    b->onRightClick = [c] {
      Notify(kFamilies[c].caption, std::string("Shows the ") + kFamilies[c].plural +
                                       " offered for your ship and the one installed. (Key " + std::to_string(c) + ")");
    };
    categories_[static_cast<size_t>(c)] = &ship.Add(std::move(b));
  }

  const int y = kCategoryTop + 2 * kCategoryRowStep + 2;
  ship.AddBox({10, y - 4, 280, 1}, kRule);
  installedPicture_ = &ship.AddPicture({10, y + 2, 52, 40}, "");
  installedPicture_->name = "installed";
  ship.AddLabel({72, y, 218, 16}, "Installed:", OneLine(Tinted(Small(10), kDim)));
  installedName_ = &ship.AddLabel({72, y + 16, 218, 22}, "", Middle(OneLine(Bold(Body(13)))));
}

void Screen_ShipEquipment::BuildOfferPanel() {
  Panel& offer = GlassPanel(*this, kOfferPanel, "offer", kPanelFill, kPanelBorder);
  heading_ = &offer.AddLabel({12, 8, 300, 20}, "", OneLine(Title(14)));
  for (int k = 1; k <= kOffered; ++k) {
    auto tile = std::make_unique<OfferTile>();
    tile->rect = {12 + (k - 1) * kOfferStep, kOfferTop, kOfferW, kOfferH};
    tile->item = kOfferItem + k;
    tile->prefix = "ShipEquipment";
    tile->onClick = [this, k] { SelectOffer(k); };
    tile->onDoubleClick = tile->onClick;
    tile->onRightClick = [this, k] {
      const int item = OfferedItem(k);
      Notify(equipmentItemName(Game.Ship[Sh::ShipType], category_, item), equipmentItemDescription(category_, item));
    };
    offers_[static_cast<size_t>(k)] = &offer.Add(std::move(tile));
  }
  itemName_ = &offer.AddLabel({12, kSheetTop, 433, 22}, "", OneLine(Title(15)));
  description_ = &offer.AddLabel({12, kSheetTop + 24, 433, 60}, "", Body(11));
  offer.AddBox({12, kFigureTop - 5, 433, 1}, kRule);
  for (size_t i = 0; i < figureLabels_.size(); ++i) {
    const int y = kFigureTop + static_cast<int>(i) * kLineH;
    figureLabels_[i] = &offer.AddLabel({12, y, 120, kLineH}, "", OneLine(Tinted(Body(12), kDim)));
    figureValues_[i] = &offer.AddLabel({132, y, 313, kLineH}, "", OneLine(Bold(Body(12))));
  }
  offer.AddBox({12, kFigureTop + 4 * kLineH + 3, 433, 1}, kRule);
  const int y = kFigureTop + 4 * kLineH + 8;
  offer.AddLabel({12, y, 120, 20}, "Price:", Middle(OneLine(Bold(Body(13)))));
  price_ = &offer.AddLabel({132, y, 150, 20}, "", Middle(OneLine(Tinted(Bold(Body(14)), kGold))));
  equipped_ = &offer.AddLabel({285, y, 160, 20}, "", Middle(OneLine(Tinted(Bold(Body(12)), kEquipped), Align::Right)));
}

void Screen_ShipEquipment::OnShow() {
  ClearHover();
  SelectCategory(category_);
}

int Screen_ShipEquipment::OfferedItem(int k) const { return upgradeOption(ShipClass(), category_, k); }

void Screen_ShipEquipment::SelectCategory(int category) {
  if (category < 1 || category > kCategories) return;
  category_ = category;
  // The installed item first, when it is one of those offered.
  offer_ = 1;
  for (int k = 1; k <= kOffered; ++k)
    if (OfferedItem(k) == installedItem(category_)) offer_ = k;
  Refresh();
}

void Screen_ShipEquipment::SelectOffer(int k) {
  if (k < 1 || k > kOffered) return;
  offer_ = k;
  Refresh();
}

bool Screen_ShipEquipment::KeyDown(SDL_Keycode key) {
  if (key >= SDLK_1 && key <= SDLK_6) {
    SelectCategory(static_cast<int>(key - SDLK_1) + 1);
    return true;
  }
  switch (key) {
    case SDLK_RIGHT: SelectOffer(offer_ % kOffered + 1); return true;
    case SDLK_LEFT: SelectOffer((offer_ + kOffered - 2) % kOffered + 1); return true;
    case SDLK_DOWN:
    case SDLK_TAB: SelectCategory(category_ % kCategories + 1); return true;
    case SDLK_UP: SelectCategory((category_ + kCategories - 2) % kCategories + 1); return true;
    default: return Window::KeyDown(key);
  }
}

void Screen_ShipEquipment::Upgrade() {
  upgradeEquipment(category_, OfferedItem(offer_));  // refusals and the news come from the rules
  Refresh();
}

void Screen_ShipEquipment::Refresh() {
  const auto& s = Game.Ship;
  const int type = s[Sh::ShipType];
  credits_->Set("Credits: $ " + FormatMoney(Game.Player[Pl::Credits]));
  shipName_->Set(shipName(type) + " (" + shipClassName(type) + ")");
  sideView_->Set(shipPictureName(type, s[Sh::ShipFaction]) + "_sidewire.jpg");

  for (int c = 1; c <= kCategories; ++c)
    static_cast<CategoryButton*>(categories_[static_cast<size_t>(c)])->selected = c == category_;
  const int installed = installedItem(category_);
  installedPicture_->Set(equipmentItemPicture(category_, installed));
  installedName_->Set(equipmentItemName(type, category_, installed));
  heading_->Set(upgradeHeading(category_));

  for (int k = 1; k <= kOffered; ++k) {
    auto* tile = static_cast<OfferTile*>(offers_[static_cast<size_t>(k)]);
    const int item = OfferedItem(k);
    tile->caption = equipmentItemName(type, category_, item);
    tile->picture = equipmentItemPicture(category_, item);
    tile->price = PriceOf(equipmentItemSheet(category_, item));
    tile->selected = k == offer_;
    tile->installed = item == installed;
  }

  // The item sheet: name, description, the family's figures, then the price.
  const int item = OfferedItem(offer_);
  const Sheet sheet = equipmentItemSheet(category_, item);
  itemName_->Set(sheet.size() > 0 ? sheet[0].value : "");
  description_->Set(sheet.size() > 1 ? sheet[1].value : "");
  size_t row = 0;
  std::string price, equipped;
  for (size_t i = 2; i < sheet.size(); ++i) {
    const SheetLine& l = sheet[i];
    if (l.label == "Price:") {
      price = l.value;
    } else if (l.label.empty()) {
      equipped = l.value;
    } else if (row < figureLabels_.size()) {
      figureLabels_[row]->Set(l.label);
      figureValues_[row]->Set(l.value);
      ++row;
    }
  }
  for (; row < figureLabels_.size(); ++row) {
    figureLabels_[row]->Set("");
    figureValues_[row]->Set("");
  }
  price_->Set(price);
  equipped_->Set(equipped);
  RefreshCompatibility(sheet);
  Invalidate();
}

void Screen_ShipEquipment::RefreshCompatibility(const Sheet& sheet) {
  const bool on = General.Option.CompatibilityMode;
  compatibility_->Show(on);
  compatibilityOff_->Show(on);
  hint_->Show(!on);
  if (!on) return;
  const int type = Game.Ship[Sh::ShipType];
  const std::string price = PriceOf(sheet);
  const std::array<std::string, 5> lines = {
      "Your money: $ " + FormatMoney(Game.Player[Pl::Credits]),
      std::string("Showing ") + kFamilies[category_].plural + " (keys 1 to 6).",
      "Installed: " + equipmentItemName(type, category_, installedItem(category_)),
      "Selected: " + equipmentItemName(type, category_, OfferedItem(offer_)) + ", price " + price,
      "Arrows choose; Enter upgrades; Escape leaves.",
  };
  for (size_t i = 0; i < lines.size(); ++i) compatibilityLines_[i]->Set(lines[i]);
}

}  // namespace qm::ui
