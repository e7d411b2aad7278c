#include "ui/Screen_SelectNewAbility.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "catalogue/career.h"
#include "platform/pictures.h"
#include "platform/text.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "world/abilities.h"
#include "world/main_screen.h"
#include "world/tutorial.h"

namespace qm::ui {
namespace {

// Items: the tree positions 1..10 (their names share the number), the category
// selectors 11..13, "Back" 14, the compatibility switch 15, "Learn" 16.
constexpr int kCategoryItem = 11, kBackItem = 14, kCompatibilityItem = 15, kLearnItem = 16;
constexpr int kW = 369, kH = 581;
constexpr int kPositions = 10;

// The tree: positions 1 and 2 on top, 3..6 under them, 7..9 between those and
// 10 at the bottom, each under the abilities it needs.
constexpr int kCentreX[kPositions + 1] = {0, 104, 264, 64, 144, 224, 304, 104, 184, 264, 184};
constexpr int kTier[kPositions + 1] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 3};

constexpr Rect kTreeNormal{10, 78, kW - 20, 352};
constexpr Rect kTreeCompact{10, 78, kW - 20, 206};
constexpr int kFirstIconY = 106;
constexpr int kIconNormal = 42, kPitchNormal = 80;
constexpr int kIconCompact = 34, kPitchCompact = 46;
constexpr int kNameW = 78, kNameH = 24;
constexpr int kInfoBottom = 532;

constexpr Color kGlass{6, 10, 22, 206};
constexpr Color kGlassEdge{70, 96, 136, 255};
constexpr Color kLearnedColour{120, 214, 140, 255};
constexpr Color kOpenColour = kGold;
constexpr Color kLockedColour{138, 146, 156, 255};
constexpr Color kLinkLearned{236, 200, 120, 230};
constexpr Color kLinkOpen{236, 200, 120, 110};
constexpr Color kLinkLocked{96, 120, 160, 90};

enum class Standing { Learned, Open, Locked };

Standing StandingOf(int treeKind, int category, int position) {
  const int id = TreeAbility(treeKind, category, position);
  if (AbilityLearned(treeKind, id)) return Standing::Learned;
  return PrerequisitesMet(treeKind, category, position) ? Standing::Open : Standing::Locked;
}

const char* StandingWord(Standing s) {
  switch (s) {
    case Standing::Learned: return "learned";
    case Standing::Open: return "can be learned";
    case Standing::Locked: return "locked";
  }
  return "";
}

// "Cargo manager or Advanced Trader": the abilities one of which opens `position`.
std::string Needs(int treeKind, int category, int position) {
  std::string names;
  const std::vector<int> needs = PrerequisitePositions(position);
  for (size_t i = 0; i < needs.size(); ++i) {
    if (i > 0) names += i + 1 == needs.size() ? " or " : ", ";
    names += TreeAbilityName(treeKind, TreeAbility(treeKind, category, needs[i]));
  }
  return names;
}

std::string StandingText(int treeKind, int category, int position) {
  switch (StandingOf(treeKind, category, position)) {
    case Standing::Learned: return "Learned";
    case Standing::Open: return treeKind == 2 ? "Not learned yet: can be chosen at your next new rank"
                                              : "Not learned yet: can be chosen with your next ribbon";
    case Standing::Locked: return "Locked: first learn " + Needs(treeKind, category, position);
  }
  return "";
}

Color ColourOf(Standing s) {
  return s == Standing::Learned ? kLearnedColour : s == Standing::Open ? kOpenColour : kLockedColour;
}

// A tree position: the ability's "_on"/"_off" picture, dimmed while locked,
// ringed in gold while it can be learned, framed while the mouse is over it
// and bracketed while selected.
class AbilityIcon : public Button {
 public:
  std::string picture;
  Standing standing = Standing::Locked;
  bool selected = false;

  void Draw(const Window& w, int ox, int oy) const override {
    const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
    platform::DrawPicture(picture, r);
    if (standing == Standing::Locked) FillRect(r, {0, 0, 0, 120});
    if (standing == Standing::Learned) {
      // A green badge with a tick in the lower right corner.
      const Rect b{r.x + r.w - 11, r.y + r.h - 11, 13, 13};
      FillRect(b, {40, 110, 60, 255});
      FrameRect(b, kLearnedColour);
      DrawLine(b.x + 3, b.y + 7, b.x + 5, b.y + 10, {235, 255, 235, 255}, 1.6);
      DrawLine(b.x + 5, b.y + 10, b.x + 10, b.y + 3, {235, 255, 235, 255}, 1.6);
    }
    if (standing == Standing::Open) FrameRect({r.x - 2, r.y - 2, r.w + 4, r.h + 4}, {236, 200, 120, 150});
    if (w.Hover() == item) {
      FrameRect(r, kHighlight);
      FrameRect({r.x + 1, r.y + 1, r.w - 2, r.h - 2}, kHighlight);
    }
    if (selected) {
      const int x0 = r.x - 5, y0 = r.y - 5, x1 = r.x + r.w + 4, y1 = r.y + r.h + 4, l = 10;
      for (const int x : {x0, x1})
        for (const int y : {y0, y1}) {
          const int dx = x == x0 ? l : -l, dy = y == y0 ? l : -l;
          DrawLine(x, y, x + dx, y, kGold, 2.0);
          DrawLine(x, y, x, y + dy, kGold, 2.0);
        }
    }
  }
  void Dump(const Window& w, std::string& out, int depth) const override {
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + "button " + (item < 10 ? "0" : "") +
           std::to_string(item) + " \"" + caption + "\" " + picture + " " + StandingWord(standing) +
           (selected ? " selected" : "") + (w.Hover() == item ? " hover" : "") + "\n";
  }
};

// A category selector: a toggle whose caption keeps clear of the lamp the
// switched-on picture shows at its left end, in a smaller type if need be.
class CategoryButton : public Button {
 public:
  void Draw(const Window& w, int ox, int oy) const override {
    const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
    platform::DrawPicture(CurrentPicture(w), r);
    TextStyle s = captionStyle;
    if (w.Hover() == item) s.color = kHighlight;
    const Rect text{r.x + 14, r.y, r.w - 18, r.h};
    for (int tw = 0, th = 0; s.size > 8; --s.size) {
      platform::MeasureText(caption, 10000, s, tw, th);
      if (tw <= text.w) break;
    }
    platform::DrawText(caption, text, s);
  }
};

int TextHeight(const Label& l) {
  int w = 0, h = 0;
  if (!l.text.empty()) platform::MeasureText(l.text, l.rect.w, l.style, w, h);
  return h;
}

}  // namespace

Screen_SelectNewAbility::Screen_SelectNewAbility() : Window("Screen_SelectNewAbility", kW, kH) {
  background = "SelectNewAbility_00.jpg";
  title_ = &AddLabel({16, 10, 230, 26}, "", OneLine(Title(18)));
  title_->style.color = kGold;
  subtitle_ = &AddLabel({246, 16, kW - 16 - 246, 14}, "", OneLine(Small(10), Align::Right));
  subtitle_->style.color = kDim;

  for (int c = 1; c <= 3; ++c) {
    auto button = std::make_unique<CategoryButton>();
    button->item = kCategoryItem + c - 1;
    button->rect = {10 + (c - 1) * 117, 42, 115, 28};
    button->prefix = "SelectNewAbility";
    button->kind = PictureKind::Toggle;
    button->onClick = [this, c] { ShowCategory(c); };
    Button& b = Root().Add(std::move(button));
    b.captionStyle = Caption(11);
    b.name = "Category" + std::to_string(c);
    categories_[static_cast<size_t>(c - 1)] = &b;
  }

  treeHeading_ = &AddLabel({kTreeNormal.x + 10, kTreeNormal.y + 6, kTreeNormal.w - 20, 16}, "", OneLine(Title(12)));
  for (int p = 1; p <= kPositions; ++p) {
    auto icon = std::make_unique<AbilityIcon>();
    icon->item = p;
    icon->prefix = "SelectNewAbility";
    icon->name = "Ability" + std::to_string(p);
    icon->onClick = [this, p] { Pick(p); };
    icon->onRightClick = [this, p] { Info(p); };
    icons_[static_cast<size_t>(p)] = &Root().Add(std::move(icon));
    TextStyle name = Aligned(Small(9), Align::Centre);
    name.color = kText;
    Label& l = AddLabel({0, 0, kNameW, kNameH}, "", name, p);
    l.onRightClick = [this, p] { Info(p); };
    names_[static_cast<size_t>(p)] = &l;
  }

  // The legend sits in the free corner beside the last ability.
  legend_ = &AddPanel({kTreeNormal.x + 10, 360, 120, 56});
  legend_->name = "Legend";
  {
    struct Key {
      Color colour;
      const char* text;
      bool frame;
    };
    const Key keys[] = {{kLearnedColour, "Learned", false}, {kOpenColour, "Can be learned", true},
                        {kLockedColour, "Locked", false}};
    int y = 0;
    for (const Key& k : keys) {
      legend_->AddBox({0, y + 3, 10, 10}, {k.colour.r, k.colour.g, k.colour.b, static_cast<uint8_t>(k.frame ? 40 : 110)},
                      k.colour);
      legend_->AddLabel({16, y, 104, 16}, k.text, OneLine(Small(10)));
      y += 18;
    }
  }

  compatibility_ = &AddPanel({kTreeCompact.x, kTreeCompact.y + kTreeCompact.h + 4, kTreeCompact.w, 140});
  compatibility_->name = "Compatibility";
  compatibility_->fill = {0, 0, 0, 150};
  Label& off = compatibility_->AddLabel({8, 2, kTreeCompact.w - 16, 14},
                                        "Compatibility mode for the visually impaired (Click to turn off!)",
                                        OneLine(Small(10)), kCompatibilityItem);
  off.style.color = kGold;
  off.onClick = [this] {
    setCompatibilityMode(false);
    Refresh();
  };
  for (size_t i = 0; i < compatibilityLines_.size(); ++i)
    compatibilityLines_[i] =
        &compatibility_->AddLabel({8, 18 + static_cast<int>(i) * 12, kTreeCompact.w - 16, 12}, "", Small(10));

  info_ = &AddPanel({10, 410, kW - 20, 122});
  info_->name = "Info";
  info_->fill = kGlass;
  info_->border = kGlassEdge;
  infoName_ = &info_->AddLabel({12, 7, kW - 44, 20}, "", OneLine(Title(14)));
  infoName_->name = "Info_Name";
  infoName_->style.color = kGold;
  // A combat ability's cost sits at the right end of its name's line.
  infoCost_ = &info_->AddLabel({12, 10, kW - 44, 14}, "", OneLine(Small(10), Align::Right));
  infoStanding_ = &info_->AddLabel({12, 28, kW - 44, 14}, "", Bold(Small(10)));
  infoText_ = &info_->AddLabel({12, 46, kW - 44, 60}, "", Body(11));
  infoText_->name = "Info_Text";

  TextStyle keys = Small(10);
  keys.color = kDim;
  keys_ = &AddLabel({14, 540, 224, 32}, "", keys);
  learn_ = &AddButton(kLearnItem, {kW - 200, 540, 92, 32}, "SelectNewAbility", "Learn", [this] { Learn(); });
  learn_->captionStyle = Caption(13);
  learn_->name = "Learn";
  back_ = &AddButton(kBackItem, {kW - 120, 540, 110, 32}, "SelectNewAbility", "Back", [this] { Close(); });
  back_->captionStyle = Caption(13);
  back_->name = "Back";
  SetCancel(back_);
  SetDefault(back_);

  tutorial_ = std::make_unique<TutorialPanel>(*this, TutorialScreen::Abilities, TutorialPanel::Place{-210, 40});
  tutorial_->markerAt = [this](int step) { return step == 36 ? back_->rect : Rect{}; };
}

void Screen_SelectNewAbility::Browse(int treeKind, int category) {
  treeKind_ = treeKind == 2 ? 2 : 1;
  category_ = category >= 1 && category <= 3 ? category : 1;
  selected_ = 1;
  // A pick kept from a choice closed earlier is offered here.
  const bool pending = OpenPendingAbilityPick(treeKind_);
  if (pending) SelectAbilityCategory(category_);
  Show();
  if (pending) EndPendingAbilityPick();
}

void Screen_SelectNewAbility::OnShow() {
  // Shown by the rules for a pick (or by Browse for a kept one): choose mode.
  const AbilityScreenState& pick = AbilityScreen();
  choosing_ = pick.open;
  if (choosing_) {
    if (treeKind_ != pick.treeKind || !pick.pending) category_ = pick.category;
    treeKind_ = pick.treeKind;
    // Start on the first ability that can be learned, so Enter takes it.
    selected_ = 1;
    bool found = false;
    for (int c = 0; c < 3 && !found; ++c) {
      const int category = (category_ - 1 + c) % 3 + 1;
      for (int p = 1; p <= kPositions && !found; ++p)
        if (StandingOf(treeKind_, category, p) == Standing::Open) category_ = category, selected_ = p, found = true;
    }
  }
  learn_->Show(choosing_);
  back_->caption = choosing_ ? "Later" : "Back";
  back_->rect = choosing_ ? Rect{kW - 102, 540, 92, 32} : Rect{kW - 120, 540, 110, 32};
  title_->style.size = choosing_ ? 15 : 18;
  SetDefault(choosing_ ? learn_ : back_);
  keys_->Set(choosing_ ? "Keys: Enter learns, Esc later; arrows, 1-3 or Tab move."
                       : "Keys: arrows step through the tree, 1-3 or Tab the category, Esc back.");
  keys_->rect.w = choosing_ ? kW - 200 - 14 - 6 : 224;
  ClearHover();
  Refresh();
}

bool Screen_SelectNewAbility::OnCloseRequest() {
  Close();
  return false;
}

void Screen_SelectNewAbility::Pick(int position) {
  Select(position);
  if (choosing_) Learn();
}

// The rules explain a refusal, ask for the choice and close the screen once learned.
void Screen_SelectNewAbility::Learn() {
  if (!choosing_ || !AbilityScreen().open) return;
  SelectAbilityCategory(category_);
  ChooseAbility(selected_);
  if (!IsClosing()) Refresh();
}

void Screen_SelectNewAbility::Select(int position) {
  if (position < 1 || position > kPositions) return;
  selected_ = position;
  Refresh();
}

void Screen_SelectNewAbility::ShowCategory(int category) {
  if (category < 1 || category > 3) return;
  if (category != category_) selected_ = 1;
  category_ = category;
  Refresh();
}

void Screen_SelectNewAbility::Info(int position) const {
  const int id = TreeAbility(treeKind_, category_, position);
  if (id == 0) return;
  std::string text = TreeAbilityDescription(treeKind_, id);
  if (treeKind_ == 2) text += "\n\nAction-Points required: " + std::to_string(combatActionCost(id));
  Notify(TreeAbilityName(treeKind_, id), text);
}

bool Screen_SelectNewAbility::KeyDown(SDL_Keycode key) {
  if (IsClosing()) return true;
  switch (key) {
    case SDLK_LEFT: Select(selected_ == 1 ? kPositions : selected_ - 1); return true;
    case SDLK_RIGHT: Select(selected_ == kPositions ? 1 : selected_ + 1); return true;
    case SDLK_UP: Select(Neighbour(-1)); return true;
    case SDLK_DOWN: Select(Neighbour(+1)); return true;
    case SDLK_1: case SDLK_KP_1: ShowCategory(1); return true;
    case SDLK_2: case SDLK_KP_2: ShowCategory(2); return true;
    case SDLK_3: case SDLK_KP_3: ShowCategory(3); return true;
    case SDLK_TAB: ShowCategory(category_ % 3 + 1); return true;
    default: return Window::KeyDown(key);  // Enter and Escape go back
  }
}

int Screen_SelectNewAbility::Neighbour(int direction) const {
  const int tier = kTier[selected_] + direction;
  if (tier < 0 || tier > 3) return selected_;
  int best = selected_, bestDistance = 1 << 20;
  for (int p = 1; p <= kPositions; ++p) {
    if (kTier[p] != tier) continue;
    const int d = std::abs(kCentreX[p] - kCentreX[selected_]);
    if (d < bestDistance) best = p, bestDistance = d;
  }
  return best;
}

void Screen_SelectNewAbility::Layout() {
  const bool compact = General.Option.CompatibilityMode;
  const int icon = compact ? kIconCompact : kIconNormal, pitch = compact ? kPitchCompact : kPitchNormal;
  for (int p = 1; p <= kPositions; ++p) {
    const int x = kCentreX[p] - icon / 2, y = kFirstIconY + kTier[p] * pitch;
    icons_[static_cast<size_t>(p)]->rect = {x, y, icon, icon};
    names_[static_cast<size_t>(p)]->rect = {kCentreX[p] - kNameW / 2, y + icon + 2, kNameW, kNameH};
    names_[static_cast<size_t>(p)]->Show(!compact);
  }
  legend_->Show(!compact);
  compatibility_->Show(compact);
  const Rect tree = compact ? kTreeCompact : kTreeNormal;
  const int infoTop = compact ? compatibility_->rect.y + compatibility_->rect.h + 4 : tree.y + tree.h + 6;
  info_->rect = {10, infoTop, kW - 20, kInfoBottom - infoTop};
  Invalidate();
}

void Screen_SelectNewAbility::Refresh() {
  Layout();
  const bool combat = treeKind_ == 2;
  title_->Set(choosing_ ? AbilityScreenTitle(treeKind_) : combat ? "Combat abilities" : "Non-combat abilities");
  int learned = 0;
  for (int c = 1; c <= 3; ++c) learned += LearnedInCategory(treeKind_, c);
  subtitle_->Set(std::to_string(learned) + " of 30 learned");
  for (int c = 1; c <= 3; ++c) {
    Button* b = categories_[static_cast<size_t>(c - 1)];
    b->caption = AbilityCategoryName(treeKind_, c);
    b->SetOn(c == category_);
  }
  treeHeading_->Set(AbilityCategoryName(treeKind_, category_) + ": " +
                    std::to_string(LearnedInCategory(treeKind_, category_)) + " of 10 learned");
  for (int p = 1; p <= kPositions; ++p) {
    auto* icon = static_cast<AbilityIcon*>(icons_[static_cast<size_t>(p)]);
    const int id = TreeAbility(treeKind_, category_, p);
    icon->picture = TreeAbilityIcon(treeKind_, category_, p);
    icon->caption = TreeAbilityName(treeKind_, id);
    icon->standing = StandingOf(treeKind_, category_, p);
    icon->selected = p == selected_;
    names_[static_cast<size_t>(p)]->Set(icon->caption);
  }
  if (choosing_) learn_->enabled = StandingOf(treeKind_, category_, selected_) == Standing::Open;
  RefreshInfo();
  RefreshCompatibility();
  Invalidate();
}

void Screen_SelectNewAbility::RefreshInfo() {
  const bool compact = General.Option.CompatibilityMode;
  const int id = TreeAbility(treeKind_, category_, selected_);
  const Standing standing = StandingOf(treeKind_, category_, selected_);
  infoName_->Set(TreeAbilityName(treeKind_, id));
  infoCost_->Set(treeKind_ == 2 ? "Action-Points required: " + std::to_string(combatActionCost(id)) : "");
  // The compatibility lines tell the standing.
  infoStanding_->Set(choosing_ && standing == Standing::Open ? "Can be learned now: click it or press Enter"
                                                              : StandingText(treeKind_, category_, selected_));
  infoStanding_->style.color = ColourOf(standing);
  infoStanding_->Show(!compact);
  infoText_->Set(TreeAbilityDescription(treeKind_, id));
  // Stack the lines under each other as their texts wrap.
  int y = infoName_->rect.y + infoName_->rect.h + 1;
  if (!compact) {
    infoStanding_->rect.h = std::max(14, TextHeight(*infoStanding_));
    infoStanding_->rect.y = y;
    y += infoStanding_->rect.h + 4;
  }
  infoText_->rect.y = y;
  infoText_->rect.h = std::max(14, TextHeight(*infoText_));
}

void Screen_SelectNewAbility::RefreshCompatibility() {
  if (!General.Option.CompatibilityMode) return;
  for (int p = 1; p <= kPositions; ++p) {
    const Standing s = StandingOf(treeKind_, category_, p);
    std::string line = std::to_string(p) + ". " + TreeAbilityName(treeKind_, TreeAbility(treeKind_, category_, p)) +
                       ": " + StandingWord(s);
    // The lines are numbered, so the abilities needed go by their numbers.
    if (s == Standing::Locked) {
      const std::vector<int> needs = PrerequisitePositions(p);
      line += " (needs ";
      for (size_t i = 0; i < needs.size(); ++i)
        line += (i == 0 ? "" : i + 1 == needs.size() ? " or " : ", ") + std::to_string(needs[i]);
      line += ")";
    }
    if (p == selected_) line += ", selected";
    compatibilityLines_[static_cast<size_t>(p - 1)]->Set(line);
  }
  // A line too long for the panel wraps and pushes the rest down.
  int y = 18;
  for (Label* l : compatibilityLines_) {
    l->rect.y = y;
    l->rect.h = std::max(12, TextHeight(*l));
    y += l->rect.h;
  }
  compatibility_->rect.h = y + 4;
  Layout();
}

void Screen_SelectNewAbility::DrawContent(int ox, int oy) const {
  // The tree's glass panel and the links from each ability to those it opens:
  // gold from a learned ability, brighter when both ends are learned.
  const Rect tree = General.Option.CompatibilityMode ? kTreeCompact : kTreeNormal;
  const Rect panel{ox + tree.x, oy + tree.y, tree.w, tree.h};
  FillRect(panel, kGlass);
  FrameRect(panel, kGlassEdge);
  const int below = names_[1]->visible ? kNameH + 2 : 4;  // a link leaves under the parent's name
  for (int p = 1; p <= kPositions; ++p) {
    const Rect child = icons_[static_cast<size_t>(p)]->rect;
    const bool childLearned = AbilityLearned(treeKind_, TreeAbility(treeKind_, category_, p));
    const int x2 = ox + child.x + child.w / 2, y2 = oy + child.y - 4;
    for (int need : PrerequisitePositions(p)) {
      const Rect parent = icons_[static_cast<size_t>(need)]->rect;
      const bool parentLearned = AbilityLearned(treeKind_, TreeAbility(treeKind_, category_, need));
      const Color c = parentLearned ? (childLearned ? kLinkLearned : kLinkOpen) : kLinkLocked;
      const double width = parentLearned && childLearned ? 2.0 : 1.4;
      // Down from the parent, across, and down into the child.
      const int x1 = ox + parent.x + parent.w / 2, y1 = oy + parent.y + parent.h + below;
      const int ym = (y1 + y2) / 2;
      DrawLine(x1, y1, x1, ym, c, width);
      DrawLine(x1, ym, x2, ym, c, width);
      DrawLine(x2, ym, x2, y2, c, width);
    }
  }
}

void Screen_SelectNewAbility::OnClose() { TutorialHook(TutorialEvent::AbilityScreenBack); }

}  // namespace qm::ui
