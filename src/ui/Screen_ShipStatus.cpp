#include "ui/Screen_ShipStatus.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "state/equipment_limits.h"
#include "catalogue/ships.h"
#include "platform/text.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "world/crew.h"
#include "world/market.h"
#include "world/ship_sheets.h"
#include "world/shipyard.h"
#include "world/tutorial.h"

namespace qm::ui {
namespace {

// Items: the equipment rows 21..26 (by category), the speciality 10, "Close" 1.
constexpr int kCloseItem = 1, kSpecialityItem = 10, kItemBase = 20;
constexpr int kW = 501, kH = 488;

constexpr Rect kBlueprintPanel{16, 44, 226, 164};
constexpr Rect kFactsPanel{250, 44, 235, 164};
constexpr Rect kCrewPanel{16, 214, 226, 80};
constexpr Rect kGaugesPanel{250, 214, 235, 80};
constexpr Rect kEquipmentPanel{16, 300, 469, 146};
constexpr int kRowTop = 24, kRowH = 20;
constexpr int kFactLabelW = 92;

constexpr Color kGlass{6, 10, 22, 206};
constexpr Color kGlassEdge{70, 96, 136, 255};
constexpr Color kBarBack{20, 28, 46, 255};
constexpr Color kShieldColour{96, 166, 246, 230};
constexpr Color kCargoColour{236, 200, 120, 230};

const char* const kCategoryNames[7] = {"", "Guns", "Missiles", "Engines", "Cargo system", "Targeting", "ECM"};
// The crew lines of the sheet, in the order the crew panel shows them.
const char* const kCrewTotals[2] = {"Crew (Min./Max.):", "Current crew:"};
const char* const kCrewTypes[5] = {"Crewmen:", "Officers:", "Marines:", "Pirates:", "Droids:"};

std::string ValueOf(const Sheet& sheet, const std::string& label) {
  for (const SheetLine& l : sheet)
    if (l.label == label) return l.value;
  return "";
}

// "Damage: 60   Hit-Chance: 75%   Action Pts.: 3"
std::string FiguresLine(const Sheet& figures) {
  std::string line;
  for (const SheetLine& f : figures) line += (line.empty() ? "" : "   ") + f.label + " " + f.value;
  return line;
}

int BarWidth(int64_t part, int64_t whole, int full) {
  if (whole <= 0) return 0;
  return static_cast<int>(std::clamp<int64_t>(part * full / whole, 0, full));
}

}  // namespace

Screen_ShipStatus::Screen_ShipStatus() : Window("Screen_ShipStatus", kW, kH) {
  background = "ShipStatus_00.jpg";
  AddLabel({18, 10, 240, 28}, "Ship status", Title(20));

  // The blueprint with the ship's name under it.
  GlassPanel(*this, kBlueprintPanel, "blueprint", kGlass, kGlassEdge);
  blueprint_ = &AddPicture({kBlueprintPanel.x + 6, kBlueprintPanel.y + 6, kBlueprintPanel.w - 12, 128}, "");
  blueprint_->name = "Blueprint";
  shipName_ = &AddLabel({kBlueprintPanel.x + 6, kBlueprintPanel.y + 138, kBlueprintPanel.w - 12, 20}, "",
                        OneLine(Title(14), Align::Centre));
  shipName_->style.color = kGold;

  // The ship's figures.
  Panel& facts = GlassPanel(*this, kFactsPanel, "facts", kGlass, kGlassEdge);
  for (size_t i = 0; i < facts_.size(); ++i) {
    Line& l = facts_[i];
    l.label = &facts.AddLabel({10, 0, kFactLabelW, 15}, "", OneLine(Small(10)));
    l.label->style.color = kDim;
    l.value = &facts.AddLabel({10 + kFactLabelW, 0, kFactsPanel.w - 20 - kFactLabelW, 15}, "", OneLine(Bold(Body(11))));
  }
  description_ = &facts.AddLabel({10, 0, kFactsPanel.w - 20, 30}, "", Small(10));
  description_->style.color = kText;

  // The crew by type and its limits.
  Panel& crew = GlassPanel(*this, kCrewPanel, "crew", kGlass, kGlassEdge);
  for (size_t i = 0; i < crewTotals_.size(); ++i) {
    const int y = 6 + static_cast<int>(i) * 17;
    crewTotals_[i].label = &crew.AddLabel({10, y, 120, 16}, kCrewTotals[i], OneLine(Small(10)));
    crewTotals_[i].label->style.color = kDim;
    crewTotals_[i].value = &crew.AddLabel({130, y - 1, 86, 16}, "", OneLine(Bold(Body(11)), Align::Right));
  }
  crew.AddBox({10, 42, kCrewPanel.w - 20, 1}, {96, 120, 160, 140});
  // The five crew types in three columns, each count right beside its type.
  for (size_t i = 0; i < crew_.size(); ++i) {
    const int col = static_cast<int>(i % 3), row = static_cast<int>(i / 3);
    static const int columnX[3] = {10, 90, 162};  // the first column's name is the longest
    const int x = columnX[col], y = 48 + row * 15;
    if (col > 0) crew.AddBox({x - 6, y + 2, 1, 11}, {96, 120, 160, 110});
    crew_[i].label = &crew.AddLabel({x, y, 48, 15}, kCrewTypes[i], OneLine(Small(10)));
    crew_[i].label->style.color = kDim;
    crew_[i].value = &crew.AddLabel({x + 48, y - 1, 24, 15}, "", OneLine(Bold(Small(11))));
  }

  // Shields and hold.
  Panel& gauges = GlassPanel(*this, kGaugesPanel, "gauges", kGlass, kGlassEdge);
  const int barW = kGaugesPanel.w - 20;
  gauges.AddLabel({10, 6, 100, 16}, "Shields", OneLine(Small(10)));
  shieldValue_ = &gauges.AddLabel({110, 5, barW - 100, 16}, "", OneLine(Bold(Body(11)), Align::Right));
  gauges.AddBox({10, 24, barW, 9}, kBarBack, kGlassEdge);
  shieldBar_ = &gauges.AddBox({11, 25, 0, 7}, kShieldColour);
  gauges.AddLabel({10, 44, 100, 16}, "Cargo hold", OneLine(Small(10)));
  cargoValue_ = &gauges.AddLabel({110, 43, barW - 100, 16}, "", OneLine(Bold(Body(11)), Align::Right));
  gauges.AddBox({10, 62, barW, 9}, kBarBack, kGlassEdge);
  cargoBar_ = &gauges.AddBox({11, 63, 0, 7}, kCargoColour);

  // The six installed items.
  Panel& equipment = GlassPanel(*this, kEquipmentPanel, "equipment", kGlass, kGlassEdge);
  equipment.AddLabel({10, 5, 200, 16}, "Installed equipment", OneLine(Title(12)));
  TextStyle hint = OneLine(Small(10), Align::Right);
  hint.color = kDim;
  equipment.AddLabel({220, 6, kEquipmentPanel.w - 230, 14}, "Click an item for its details", hint);
  for (int c = Category::Guns; c <= Category::Ecm; ++c) {
    ItemRow& r = items_[static_cast<size_t>(c)];
    const int y = kRowTop + (c - 1) * kRowH, item = kItemBase + c;
    r.picture = &equipment.AddPicture({10, y, 18, 18}, "");
    r.category = &equipment.AddLabel({34, y + 2, 78, 16}, kCategoryNames[c], OneLine(Small(10)), item);
    r.category->style.color = kDim;
    r.name = &equipment.AddLabel({114, y + 1, 124, 18}, "", OneLine(Bold(Body(11))), item);
    r.name->name = "Item" + std::to_string(c);
    r.figures = &equipment.AddLabel({240, y + 3, kEquipmentPanel.w - 248, 16}, "", OneLine(Small(9)), item);
    for (Control* ctl : {static_cast<Control*>(r.picture), static_cast<Control*>(r.category),
                         static_cast<Control*>(r.name), static_cast<Control*>(r.figures)}) {
      ctl->item = item;
      ctl->onClick = [this, c] { ItemInfo(c); };
      ctl->onRightClick = ctl->onClick;
    }
  }

  TextStyle keys = Small(10);
  keys.color = kDim;
  AddLabel({18, 454, 340, 28}, "Keys: \u2191 \u2193 step through the equipment, Enter its details, Esc close.", keys);
  Button& close = AddButton(kCloseItem, {kW - 16 - 106, 452, 106, 28}, "ShipStatus", "Close", [this] { Close(); });
  close.captionStyle = Caption(13);
  SetCancel(&close);
  SetDefault(&close);

  tutorial_ = std::make_unique<TutorialPanel>(*this, TutorialScreen::ShipStatus, TutorialPanel::Place{-140, 60});
}

void Screen_ShipStatus::OnShow() {
  ClearHover();
  Refresh();
}

void Screen_ShipStatus::OnUncovered() { Refresh(); }

bool Screen_ShipStatus::OnCloseRequest() {
  Close();
  return false;
}

bool Screen_ShipStatus::KeyDown(SDL_Keycode key) {
  if (IsClosing()) return true;
  const int hovered = Hover() - kItemBase;
  const bool onItem = hovered >= Category::Guns && hovered <= Category::Ecm;
  switch (key) {
    case SDLK_UP:
      HoverItem(kItemBase + (onItem && hovered > Category::Guns ? hovered - 1 : Category::Ecm));
      return true;
    case SDLK_DOWN:
      HoverItem(kItemBase + (onItem && hovered < Category::Ecm ? hovered + 1 : Category::Guns));
      return true;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      if (!onItem) break;
      UI().PlaySound("button.wav");
      ItemInfo(hovered);
      return true;
    default:
      break;
  }
  return Window::KeyDown(key);
}

void Screen_ShipStatus::ItemInfo(int category) const {
  const int item = installedItem(category);
  const int type = Game.Ship[Sh::ShipType];
  std::string text = "\"" + equipmentItemDescription(category, item) + "\"";
  for (const SheetLine& f : equipmentFigures(category, item)) text += "\n" + f.label + " " + f.value;
  text += "\nSpeciality: " + equipmentItemSpeciality(category, item);
  Notify(equipmentItemName(type, category, item), text, equipmentItemPicture(category, item));
}

void Screen_ShipStatus::SpecialityInfo() const {
  const int type = Game.Ship[Sh::ShipType];
  Notify(specialityName(shipStat(type, Stat::Speciality)), specialityHelp(type));
}

void Screen_ShipStatus::Refresh() {
  RefreshSheet();
  RefreshGauges();
  RefreshEquipment();
  Invalidate();
}

void Screen_ShipStatus::RefreshSheet() {
  const auto& s = Game.Ship;
  blueprint_->Set(shipPictureName(s[Sh::ShipType], s[Sh::ShipFaction]) + "_topwire.jpg");
  shipName_->Set(shipName(s[Sh::ShipType]));

  const Sheet sheet = shipStatusSheet();
  // The ship's own lines fill the figures panel; the crew lines have their own.
  int y = 6;
  size_t used = 0;
  for (const SheetLine& line : sheet) {
    if (line.label.rfind("Crew", 0) == 0) break;
    if (line.label.empty()) {
      description_->rect.y = y + 1;
      description_->Set(line.value);
      int w = 0, h = 0;
      platform::MeasureText(line.value, description_->rect.w, description_->style, w, h);
      description_->rect.h = h;
      y += h + 6;
      continue;
    }
    if (used >= facts_.size()) continue;
    Line& l = facts_[used++];
    const bool speciality = line.label == "Speciality:";
    l.label->rect.y = y + 1;
    l.value->rect.y = y;
    l.label->Set(line.label);
    l.value->Set(line.value);
    // The speciality explains itself when clicked, as at the shipyard.
    l.value->item = speciality ? kSpecialityItem : 0;
    l.value->style.color = speciality ? kGold : kText;
    l.value->onClick = speciality ? std::function<void()>([this] { SpecialityInfo(); }) : nullptr;
    l.value->onRightClick = l.value->onClick;
    l.label->Show(true);
    l.value->Show(true);
    y += 16;
  }
  for (size_t i = used; i < facts_.size(); ++i) {
    facts_[i].label->Show(false);
    facts_[i].value->Show(false);
  }

  for (size_t i = 0; i < crewTotals_.size(); ++i) crewTotals_[i].value->Set(ValueOf(sheet, kCrewTotals[i]));
  for (size_t i = 0; i < crew_.size(); ++i) {
    // Each count follows its type's name closely: three digits fit every column.
    int w = 0, h = 0;
    platform::MeasureText(crew_[i].label->text, 1000, crew_[i].label->style, w, h);
    crew_[i].value->rect.x = crew_[i].label->rect.x + w + 4;
    crew_[i].value->Set(ValueOf(sheet, kCrewTypes[i]));
  }
}

void Screen_ShipStatus::RefreshGauges() {
  const auto& s = Game.Ship;
  const int full = kGaugesPanel.w - 22;
  shieldValue_->Set(std::to_string(s[Sh::ShieldEnergy]) + " / " + std::to_string(shipStat(s[Sh::ShipType], Stat::MaxShields)));
  shieldBar_->rect.w = BarWidth(s[Sh::ShieldEnergy], shipStat(s[Sh::ShipType], Stat::MaxShields), full);
  const int held = cargoHeld();
  cargoValue_->Set(std::to_string(held) + " / " + std::to_string(s[Sh::CargoCapacity]) + " U");
  cargoBar_->rect.w = BarWidth(held, s[Sh::CargoCapacity], full);
}

void Screen_ShipStatus::RefreshEquipment() {
  const int type = Game.Ship[Sh::ShipType];
  for (int c = Category::Guns; c <= Category::Ecm; ++c) {
    ItemRow& r = items_[static_cast<size_t>(c)];
    const int item = installedItem(c);
    r.picture->Set(equipmentItemPicture(c, item));
    r.name->Set(equipmentItemName(type, c, item));
    r.figures->Set(FiguresLine(equipmentFigures(c, item)));
  }
}

void Screen_ShipStatus::OnClose() { TutorialHook(TutorialEvent::ShipStatusClosed); }

}  // namespace qm::ui
