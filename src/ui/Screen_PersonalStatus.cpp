#include "ui/Screen_PersonalStatus.h"

#include <algorithm>
#include <functional>
#include <string>

#include "catalogue/career.h"
#include "platform/text.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "ui/Screen_SelectNewAbility.h"
#include "ui/screens.h"
#include "world/abilities.h"
#include "world/money.h"
#include "world/tutorial.h"

namespace qm::ui {
namespace {

// Items: the buttons 1..3, the ribbon places 21..31, the medal places 32..34,
// the shoulder boards 40, the collar pins 41, the wings 42.
constexpr int kNonCombatItem = 1, kCombatItem = 2, kCloseItem = 3;
constexpr int kRibbonItem = 21, kMedalItem = 32, kShoulderItem = 40, kCollarItem = 41, kWingsItem = 42;
constexpr int kW = 617, kH = 583;

// The uniform, and where its parts sit on the jacket (window coordinates): rank
// boards on the shoulders, pins beside the collar, ribbons in rows of three on
// the left breast with the medals under them, the wings on the right breast.
constexpr Rect kUniformPanel{16, 48, 252, 342};
constexpr Rect kJacket{27, 58, 230, 290};
constexpr Rect kShoulders[2] = {{kJacket.x + 22, kJacket.y + 20, 56, 15}, {kJacket.x + 152, kJacket.y + 20, 56, 15}};
constexpr Rect kCollars[2] = {{kJacket.x + 68, kJacket.y + 10, 24, 15}, {kJacket.x + 138, kJacket.y + 10, 24, 15}};
constexpr Rect kWings{kJacket.x + 128, kJacket.y + 86, 74, 24};
constexpr int kRibbonX = kJacket.x + 18, kRibbonY = kJacket.y + 86, kRibbonW = 28, kRibbonH = 10, kRibbonGap = 2;
constexpr int kRibbonsPerRow = 3;
constexpr int kMedalY = kJacket.y + 136, kMedalW = 24, kMedalH = 40, kMedalGap = 6;

constexpr int kRightX = 282, kRightW = kW - 16 - kRightX;

constexpr Color kGlass{6, 10, 22, 206};
constexpr Color kGlassEdge{70, 96, 136, 255};
constexpr Color kRule{96, 120, 160, 140};

const char* const kKillClasses[6] = {"Fighters", "Corvettes", "Destroyers", "Cruisers", "Battleships", "Freighters"};
const int kKillFields[6] = {Pl::KilledFighters, Pl::KilledCorvettes, Pl::KilledDestroyers,
                            Pl::KilledCruisers, Pl::KilledBattleships, Pl::KilledFreighters};
const char* const kFacts[5] = {"Age:", "Lives left:", "Missions completed:", "Non-combat abilities:",
                               "Combat abilities:"};

// A line whose text follows the item under the mouse.
class HoverLine : public Label {
 public:
  std::function<std::string(int)> textFor;
  void Draw(const Window& w, int ox, int oy) const override {
    TextStyle s = style;
    const std::string t = textFor(w.Hover());
    if (t.empty()) return;
    if (w.Hover() == 0) s.color = kDim;
    platform::DrawText(t, {ox + rect.x, oy + rect.y, rect.w, rect.h}, s);
  }
  void Dump(const Window& w, std::string& out, int depth) const override {
    const std::string t = textFor(w.Hover());
    if (!t.empty()) out += std::string(static_cast<size_t>(depth) * 2, ' ') + "label \"" + t + "\"\n";
  }
};

int LearnedInTrees(int treeKind) {
  int n = 0;
  for (int c = 1; c <= 3; ++c) n += LearnedInCategory(treeKind, c);
  return n;
}

}  // namespace

Screen_PersonalStatus::Screen_PersonalStatus() : Window("Screen_PersonalStatus", kW, kH) {
  background = "PersonalStatus_00.jpg";
  AddLabel({20, 12, 300, 28}, "Personal status", Title(20));
  faction_ = &AddLabel({320, 18, kW - 20 - 320, 18}, "", OneLine(Small(11), Align::Right));
  faction_->style.color = kDim;

  // The uniform.
  GlassPanel(*this, kUniformPanel, "uniform", kGlass, kGlassEdge);
  jacket_ = &AddPicture(kJacket, "");
  jacket_->name = "Uniform";
  // The rank boards, pins and wings name themselves under the uniform while pointed at.
  for (size_t i = 0; i < shoulders_.size(); ++i) {
    shoulders_[i] = &AddPicture(kShoulders[i], "");
    shoulders_[i]->name = "Shoulder" + std::to_string(i + 1);
    shoulders_[i]->item = kShoulderItem;
  }
  for (size_t i = 0; i < collars_.size(); ++i) {
    collars_[i] = &AddPicture(kCollars[i], "");
    collars_[i]->name = "Collar" + std::to_string(i + 1);
    collars_[i]->item = kCollarItem;
  }
  wings_ = &AddPicture(kWings, "");
  wings_->name = "Wings";
  wings_->item = kWingsItem;
  for (size_t i = 0; i < ribbons_.size(); ++i) {
    ribbons_[i] = &AddPicture({kRibbonX, kRibbonY, kRibbonW, kRibbonH}, "");
    ribbons_[i]->name = "Ribbon" + std::to_string(i + 1);
  }
  for (size_t i = 0; i < medals_.size(); ++i) {
    medals_[i] = &AddPicture({0, kMedalY, kMedalW, kMedalH}, "");
    medals_[i]->name = "Medal" + std::to_string(i + 1);
  }
  auto caption = std::make_unique<HoverLine>();
  caption->rect = {kUniformPanel.x + 8, kJacket.y + kJacket.h + 4, kUniformPanel.w - 16, 30};
  caption->style = Aligned(Small(10), Align::Centre);
  caption->style.color = kGold;
  caption->textFor = [this](int item) { return HoverText(item); };
  Root().Add(std::move(caption));

  // The pilot.
  AddBox({kRightX - 1, 47, 102, 124}, {0, 0, 0, 0}, kRule);
  portrait_ = &AddPicture({kRightX, 48, 100, 122}, "");
  portrait_->name = "Portrait";
  const int nameX = kRightX + 112, nameW = kW - 16 - nameX;
  name_ = &AddLabel({nameX, 48, nameW, 24}, "", OneLine(Title(17)));
  name_->style.color = kGold;
  rank_ = &AddLabel({nameX, 74, nameW, 34}, "", Body(13));
  insignia_ = &AddPicture({nameX, 110, 64, 38}, "");
  insignia_->name = "RankInsignia";
  rankShort_ = &AddLabel({nameX + 74, 121, nameW - 74, 16}, "", OneLine(Small(11)));
  rankShort_->style.color = kDim;

  // Level and experience.
  level_ = &AddLabel({kRightX, 182, 120, 18}, "", OneLine(Title(14)));
  experience_ = &AddLabel({kRightX + 120, 184, kRightW - 120, 16}, "", OneLine(Small(10), Align::Right));
  AddBox({kRightX, 204, kRightW, 10}, {20, 28, 46, 255}, kGlassEdge);
  progress_ = &AddBox({kRightX + 1, 205, 0, 8}, {236, 200, 120, 230});
  progress_->name = "Progress";
  progressText_ = &AddLabel({kRightX, 217, kRightW, 14}, "", OneLine(Small(10)));
  progressText_->style.color = kDim;

  AddBox({kRightX, 238, kRightW, 1}, kRule);
  for (size_t i = 0; i < facts_.size(); ++i) {
    const int y = 244 + static_cast<int>(i) * 18;
    Label& l = AddLabel({kRightX, y, 170, 18}, kFacts[i], OneLine(Body(12)));
    l.style.color = kDim;
    facts_[i] = &AddLabel({kRightX + 170, y, kRightW - 170, 18}, "", OneLine(Bold(Body(12)), Align::Right));
  }

  AddBox({kRightX, 338, kRightW, 1}, kRule);
  AddLabel({kRightX, 342, kRightW, 16}, "Ships destroyed", OneLine(Title(12)));
  // Three columns of class and count, a gap between the columns.
  const int cellW = (kRightW + 16) / 3;
  for (size_t i = 0; i < kills_.size(); ++i) {
    const int x = kRightX + static_cast<int>(i % 3) * cellW, y = 361 + static_cast<int>(i / 3) * 17;
    Label& l = AddLabel({x, y, cellW - 46, 16}, kKillClasses[i], OneLine(Small(10)));
    l.style.color = kDim;
    kills_[i] = &AddLabel({x + cellW - 52, y - 1, 36, 16}, "", OneLine(Bold(Small(11)), Align::Right));
  }

  // The service record.
  Panel& record = GlassPanel(*this, {16, 398, kW - 32, 132}, "record", kGlass, kGlassEdge);
  record.AddLabel({12, 8, 300, 16}, "Service record", OneLine(Title(12)));
  TextStyle keys = OneLine(Small(10), Align::Right);
  keys.color = kDim;
  record.AddLabel({300, 9, kW - 32 - 312, 14}, "Keys: N, C abilities  \u00b7  \u2190 \u2192 awards  \u00b7  Esc close",
                  keys);
  record_ = &record.AddLabel({12, 28, kW - 56, 100}, "", Body(11));
  record_->name = "Record";

  Button& nonCombat = AddButton(kNonCombatItem, {16, 540, 200, 32}, "PersonalStatus", "Non-combat abilities",
                                [this] {
                                  TutorialHook(TutorialEvent::SkillsButton);
                                  OpenTree(1);
                                });
  Button& combat = AddButton(kCombatItem, {224, 540, 200, 32}, "PersonalStatus", "Combat abilities",
                             [this] {
                               TutorialHook(TutorialEvent::SkillsButton);
                               OpenTree(2);
                             });
  Button& close = AddButton(kCloseItem, {kW - 16 - 110, 540, 110, 32}, "PersonalStatus", "Close", [this] { Close(); });
  for (Button* b : {&nonCombat, &combat, &close}) b->captionStyle = Caption(13);
  SetCancel(&close);
  SetDefault(&close);

  tutorial_ = std::make_unique<TutorialPanel>(*this, TutorialScreen::PersonalStatus, TutorialPanel::Place{-86, 200});
}

void Screen_PersonalStatus::OnShow() {
  ClearHover();
  Refresh();
}

void Screen_PersonalStatus::OnUncovered() { Refresh(); }

bool Screen_PersonalStatus::OnCloseRequest() {
  Close();
  return false;
}

bool Screen_PersonalStatus::KeyDown(SDL_Keycode key) {
  if (IsClosing()) return true;
  switch (key) {
    case SDLK_n:
      UI().PlaySound("button.wav");
      ClearHover();
      OpenTree(1);
      return true;
    case SDLK_c:
      UI().PlaySound("button.wav");
      ClearHover();
      OpenTree(2);
      return true;
    case SDLK_LEFT:
    case SDLK_RIGHT: {
      // Steps through the awards worn, ribbons first, then the medals.
      std::vector<int> items;
      for (size_t i = 0; i < worn_.size(); ++i) items.push_back(kRibbonItem + static_cast<int>(i));
      if (items.empty()) return true;
      const auto at = std::find(items.begin(), items.end(), Hover());
      int next = 0;
      if (at == items.end())
        next = key == SDLK_RIGHT ? items.front() : items.back();
      else if (key == SDLK_RIGHT)
        next = at + 1 == items.end() ? items.front() : *(at + 1);
      else
        next = at == items.begin() ? items.back() : *(at - 1);
      HoverItem(next);
      return true;
    }
    default:
      return Window::KeyDown(key);
  }
}

void Screen_PersonalStatus::OpenTree(int treeKind) {
  if (IsClosing()) return;
  Instance<Screen_SelectNewAbility>().Browse(treeKind, 1);
  if (!Quitting()) Refresh();
}

void Screen_PersonalStatus::AwardInfo(size_t index) const {
  if (index >= worn_.size()) return;
  Notify(worn_[index].name, worn_[index].motto, worn_[index].picture);
}

std::string Screen_PersonalStatus::HoverText(int item) const {
  if (item >= kRibbonItem && item < kShoulderItem) {
    const size_t i = static_cast<size_t>(item - kRibbonItem);
    return i < worn_.size() ? worn_[i].name : "";
  }
  if (item == kShoulderItem) return shoulderText_;
  if (item == kCollarItem) return collarText_;
  if (item == kWingsItem) return wingsText_;
  return worn_.empty() ? "" : "Point at an award to read its name.";
}

void Screen_PersonalStatus::Refresh() {
  RefreshUniform();
  RefreshCareer();
  Invalidate();
}

void Screen_PersonalStatus::RefreshUniform() {
  const Uniform u = ShowUniform();
  worn_ = AwardsWorn();
  const std::string rank = rankName(Game.Player[Pl::Rank]);
  shoulderText_ = rank.empty() ? "" : rank + " shoulder boards";
  collarText_ = rank.empty() ? "" : rank + " collar insignia";
  wingsText_ = "Pilot wings";
  jacket_->Set(u.body);
  for (Picture* p : shoulders_) {
    p->Set(u.shoulder);
    p->Show(!u.shoulder.empty());
  }
  for (Picture* p : collars_) {
    p->Set(u.collar);
    p->Show(!u.collar.empty());
  }
  wings_->Set(u.wings);
  wings_->Show(!u.wings.empty());

  // The ribbons form a rack in rows of three, the first earned first, a short
  // row centred on top as such racks are worn; the medals hang under them.
  const int ribbonCount = static_cast<int>(std::count_if(worn_.begin(), worn_.end(),
                                                         [](const AwardWorn& a) { return !a.medal; }));
  const int rows = std::min((ribbonCount + kRibbonsPerRow - 1) / kRibbonsPerRow, 4);
  const int firstRow = ribbonCount - (rows - 1) * kRibbonsPerRow;
  for (int k = 0; k < std::min<int>(ribbonCount, static_cast<int>(ribbons_.size())); ++k) {
    const int row = k < firstRow ? 0 : 1 + (k - firstRow) / kRibbonsPerRow;
    const int col = k < firstRow ? k : (k - firstRow) % kRibbonsPerRow;
    const int inRow = row == 0 ? firstRow : kRibbonsPerRow;
    const int indent = (kRibbonsPerRow - inRow) * (kRibbonW + kRibbonGap) / 2;
    ribbons_[static_cast<size_t>(k)]->rect = {kRibbonX + indent + col * (kRibbonW + kRibbonGap),
                                              kRibbonY + row * (kRibbonH + kRibbonGap), kRibbonW, kRibbonH};
  }
  const int medalCount = std::min<int>(static_cast<int>(worn_.size()) - ribbonCount, static_cast<int>(medals_.size()));
  const int rackCentre = kRibbonX + (kRibbonsPerRow * (kRibbonW + kRibbonGap) - kRibbonGap) / 2;
  const int medalsLeft = rackCentre - (medalCount * (kMedalW + kMedalGap) - kMedalGap) / 2;
  for (int k = 0; k < medalCount; ++k)
    medals_[static_cast<size_t>(k)]->rect = {medalsLeft + k * (kMedalW + kMedalGap), kMedalY, kMedalW, kMedalH};
  size_t ribbon = 0, medal = 0;
  for (Picture* p : ribbons_) p->Show(false);
  for (Picture* p : medals_) p->Show(false);
  for (size_t i = 0; i < worn_.size(); ++i) {
    Picture* p = nullptr;
    if (!worn_[i].medal && ribbon < ribbons_.size()) p = ribbons_[ribbon++];
    if (worn_[i].medal && medal < medals_.size()) p = medals_[medal++];
    if (!p) continue;
    const int item = kRibbonItem + static_cast<int>(i);
    p->Set(worn_[i].picture);
    p->item = item;
    p->onClick = [this, i] { AwardInfo(i); };
    p->onRightClick = p->onClick;
    p->Show(true);
  }
}

void Screen_PersonalStatus::RefreshCareer() {
  const auto& p = Game.Player;
  const int faction = std::clamp(p[Pl::Faction], 0, 4);
  faction_->Set(Game.FactionText[faction][FacT::FullName]);
  portrait_->Set(portraitPicture());
  // A long name takes a smaller type rather than running off the window.
  name_->style.size = 17;
  for (int w = 0, h = 0; name_->style.size > 11; --name_->style.size) {
    platform::MeasureText(Game.PlayerName, 10000, name_->style, w, h);
    if (w <= name_->rect.w) break;
  }
  name_->Set(Game.PlayerName);
  rank_->Set(rankName(p[Pl::Rank]));
  insignia_->Set(RankInsigniaPicture(p[Pl::Faction], p[Pl::Rank]));
  insignia_->Show(!insignia_->picture.empty());
  const std::string shortName = rankShortName(p[Pl::Rank]);
  rankShort_->Set(shortName.empty() ? "" : "(" + shortName + ")");

  const int level = p[Pl::Level];
  const int needed = experienceForLevel(level);
  const int percent = LevelProgressPercent();
  level_->Set("Level " + std::to_string(level));
  const bool last = level >= 19;
  experience_->Set(last ? FormatMoney(p[Pl::Experience]) + " experience"
                        : FormatMoney(p[Pl::Experience]) + " / " + FormatMoney(needed) + " experience");
  progress_->rect.w = (kRightW - 2) * percent / 100;
  progressText_->Set(last ? "The highest level: no further promotion."
                          : std::to_string(percent) + "% of the way to level " + std::to_string(level + 1));

  const int age = pilotAge();
  const std::string values[5] = {
      std::to_string(age) + " years",
      std::to_string(p[Pl::Lifepoints]),
      std::to_string(p[Pl::MissionsCompleted]),
      std::to_string(LearnedInTrees(1)) + " of 30",
      std::to_string(LearnedInTrees(2)) + " of 30",
  };
  for (size_t i = 0; i < facts_.size(); ++i) facts_[i]->Set(values[i]);
  for (size_t i = 0; i < kills_.size(); ++i) kills_[i]->Set(std::to_string(p[kKillFields[i]]));
  record_->Set(PersonalStatusText());
}

void Screen_PersonalStatus::OnClose() { TutorialHook(TutorialEvent::PersonalStatusBack); }

}  // namespace qm::ui
