#include "ui/Screen_CrewCombat.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "catalogue/ships.h"
#include "combat/battle_pictures.h"
#include "combat/boarding.h"
#include "combat/combat_state.h"
#include "platform/pictures.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "ui/battle_quit.h"

namespace qm::ui {
namespace {

// Items: the areas 1..4 (their captions share the number), the buttons 11..14.
// The screen's own pictures are named "CrewCombatScreen_NN": the areas alone
// are "crewcombat_" pictures.
constexpr int kRefreshTimer = 1;
constexpr int kAttackItem = 11, kCommandoItem = 12, kEmpItem = 13, kRetreatItem = 14;
// The enemy record's defenders of the current area and the area itself.
constexpr int kDefCrew = 35, kDefMarines = 36, kDefDroids = 37, kCurrentArea = Cb::BoardingStarted;

// The deck plan: a panel on the left with the four sections stacked nose up.
constexpr Rect kDeck{20, 52, 364, 528};
constexpr int kSectionX = 84, kSectionW = 236, kCentreX = kSectionX + kSectionW / 2;
// Areas 1..4 from the stern (airlock) to the nose (bridge).
constexpr Rect kSection[5] = {{},
                              {kSectionX, 414, kSectionW, 90},
                              {kSectionX, 310, kSectionW, 100},
                              {kSectionX, 178, kSectionW, 128},
                              {kSectionX, 84, kSectionW, 90}};
constexpr int kCaptionH = 20;  // the caption line at the bottom of a section
constexpr int kRightX = 396, kRightW = 384;

constexpr Color kPanelFill{6, 10, 22, 206};
constexpr Color kPanelBorder{70, 96, 136, 255};
constexpr Color kRule{96, 120, 160, 140};
constexpr Color kWire{96, 140, 210, 150};
constexpr Color kGrid{60, 90, 140, 34};
constexpr Color kEnemyRed{240, 96, 80, 255};
constexpr Color kLockedGrey{138, 146, 156, 255};
constexpr Color kFriendlyBlue{96, 166, 246, 255};
constexpr Color kLostRed{236, 120, 104, 255};

const char* const kAreaName[5] = {"", "Airlock", "Corridors", "Cargo bay", "Bridge"};
const char* const kAreaLower[5] = {"", "airlock", "corridors", "cargo bay", "bridge"};
const char* const kAreaText[5] = {
    "",
    "The boarding hatch where your party cuts its way in. A part of the enemy crew holds it against you.",
    "The passages that join the ship's sections. Once they are yours, the cargo bay and the bridge lie open.",
    "The hold with the enemy's cargo. Take it to plunder the cargo and blow up the ship, or press on to the bridge.",
    "The command deck. Every defender still on board makes a last stand here; take it and the ship is yours.",
};

struct Attack {
  int item;
  const char* caption;
  const char* key;
  const char* topic;
  const char* text;
  void (*action)();
};
const Attack kButtons[] = {
    {kAttackItem, "Attack", "A", "Standard attack",
     "Your crewmen, officers, space marines and pirates storm the defenders of this area together. Battle droids "
     "stay back; every officer, up to ten, makes the strike stronger.",
     &StandardAttack},
    {kCommandoItem, "Commando strike", "C", "Commando assault",
     "Only your space marines and battle droids strike, aiming mainly at the enemy marines and droids. The enemy's "
     "return fire is halved and falls mostly on your marines and droids.",
     &CommandoStrike},
    {kEmpItem, "EMP strike", "E", "EMP strike",
     "Your marines and droids fire electromagnetic pulses at the enemy battle droids alone. Stunned droids may be "
     "reprogrammed to join your crew; without enemy droids in the area there is nothing to hit.",
     &EmpStrike},
    {kRetreatItem, "Retreat", "R", "Retreat",
     "Your boarding party returns to your ship. The boarding ends, and the battle with it.", &Retreat},
};

const char* const kEnemyRows[3] = {"Crew", "Space marines", "Battle droids"};
const char* const kPlayerRows[5] = {"Crewmen", "Officers", "Space marines", "Pirates", "Battle droids"};

std::string Men(int n) { return std::to_string(n) + (n == 1 ? " man" : " men"); }

int LossesSoFar() {
  int n = 0;
  for (int i = 0; i < 5; ++i) n += Boarding.losses[i];
  return n;
}

int CurrentArea() { return std::clamp(Combat.EnemyShip[kCurrentArea], 1, 4); }

// An area picture that shows its "_mouseover" variant while it is highlighted.
class AreaPicture : public Picture {
 public:
  std::string Current(const Window& w) const {
    if (w.Hover() != item || item == 0) return picture;
    const size_t at = picture.rfind("_normal");
    return at == std::string::npos ? picture : picture.substr(0, at) + "_mouseover" + picture.substr(at + 7);
  }
  void Draw(const Window& w, int ox, int oy) const override {
    platform::DrawPicture(Current(w), {ox + rect.x, oy + rect.y, rect.w, rect.h}, caption);
  }
  void Dump(const Window& w, std::string& out, int depth) const override {
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + "picture " + Current(w) + " #" + name +
           (w.Hover() == item ? " hover" : "") + "\n";
  }
};

}  // namespace

Screen_CrewCombat::Screen_CrewCombat() : Window("Screen_CrewCombat", 800, 600) {
  background = "CrewCombatScreen_00.jpg";

  AddLabel({24, 14, 360, 28}, "Boarding combat", Title(20));
  TextStyle shipStyle = OneLine(Body(13), Align::Right);
  shipStyle.middle = true;
  shipName_ = &AddLabel({240, 14, 540, 28}, "", shipStyle);

  // The deck plan (its frame, grid and hull lines are drawn by DrawContent).
  AddLabel({kDeck.x + 12, kDeck.y + 8, 200, 16}, "Deck plan", Title(12));
  for (int a = 1; a <= 4; ++a) {
    auto pic = std::make_unique<AreaPicture>();
    pic->rect = kSection[a];
    pic->item = a;
    pic->name = "area" + std::to_string(a);
    pic->onClick = [this, a] { SelectAreaAct(a); };
    pic->onRightClick = [this, a] { AreaInfo(a); };
    areas_[static_cast<size_t>(a)] = &Root().Add(std::move(pic));
    TextStyle cap = Caption(11);
    cap.color = kText;
    Label& l = AddLabel({kSection[a].x + 4, kSection[a].y + kSection[a].h - kCaptionH - 2, kSection[a].w - 8, kCaptionH},
                        "", cap, a);
    l.onRightClick = [this, a] { AreaInfo(a); };
    areaCaptions_[static_cast<size_t>(a)] = &l;
  }
  legend_ = &AddPanel({kDeck.x + 12, kDeck.y + kDeck.h - 26, kDeck.w - 24, 18});
  {
    struct Key {
      Color colour;
      const char* text;
      int width;
    };
    const Key keys[] = {{kEnemyRed, "Enemy", 74}, {kLockedGrey, "Not yet selectable", 142}, {kFriendlyBlue, "Secured", 80}};
    int x = 10;
    for (const Key& k : keys) {
      legend_->AddBox({x, 4, 10, 10}, {k.colour.r, k.colour.g, k.colour.b, 90}, k.colour);
      legend_->AddLabel({x + 16, 1, k.width - 18, 16}, k.text, OneLine(Small(10)));
      x += k.width + 14;
    }
  }
  compatibility_ = &AddPanel({kDeck.x + 8, kDeck.y + kDeck.h - 70, kDeck.w - 16, 68});
  compatibility_->name = "Compatibility";
  compatibility_->fill = {0, 0, 0, 150};
  for (size_t i = 0; i < compatibilityLines_.size(); ++i)
    compatibilityLines_[i] =
        &compatibility_->AddLabel({8, 2 + static_cast<int>(i) * 13, kDeck.w - 32, 14}, "", OneLine(Body(11)));

  // The area being fought for.
  Panel& status = GlassPanel(*this, {kRightX, 52, kRightW, 120}, "area");
  status.AddLabel({14, 8, 200, 14}, "Current area", Small(10));
  areaName_ = &status.AddLabel({14, 22, 356, 24}, "", Title(18));
  phase_ = &status.AddLabel({14, 48, 356, 18}, "", Bold(Body(12)));
  areaText_ = &status.AddLabel({14, 68, 356, 44}, "", Body(11));

  // The forces on both sides.
  Panel& forces = GlassPanel(*this, {kRightX, 180, kRightW, 214}, "forces");
  forces.AddLabel({14, 10, 170, 18}, "Enemy forces:", Title(13));
  for (size_t i = 0; i < enemy_.size(); ++i) {
    const int y = 36 + static_cast<int>(i) * 20;
    forces.AddLabel({14, y, 120, 18}, kEnemyRows[i], OneLine(Body(12)));
    enemy_[i] = &forces.AddLabel({124, y, 50, 18}, "", OneLine(Bold(Body(12)), Align::Right));
  }
  forces.AddBox({14, 100, 160, 1}, kRule);
  forces.AddLabel({14, 106, 120, 18}, "Defenders", OneLine(Bold(Body(12))));
  enemyTotal_ = &forces.AddLabel({124, 106, 50, 18}, "", OneLine(Title(12), Align::Right));

  forces.AddLabel({200, 10, 170, 18}, "Your forces:", Title(13));
  for (size_t i = 0; i < player_.size(); ++i) {
    const int y = 36 + static_cast<int>(i) * 20;
    forces.AddLabel({200, y, 100, 18}, kPlayerRows[i], OneLine(Body(12)));
    player_[i] = &forces.AddLabel({290, y, 44, 18}, "", OneLine(Bold(Body(12)), Align::Right));
    TextStyle lost = OneLine(Small(10));
    lost.color = kLostRed;
    lost.middle = true;
    lost_[i] = &forces.AddLabel({340, y, 36, 16}, "", lost);
  }
  forces.AddBox({200, 140, 170, 1}, kRule);
  forces.AddLabel({200, 146, 100, 18}, "Boarding party", OneLine(Bold(Body(12))));
  playerTotal_ = &forces.AddLabel({290, 146, 44, 18}, "", OneLine(Title(12), Align::Right));
  forces.AddBox({14, 172, 356, 1}, kRule);
  balance_ = &forces.AddLabel({14, 178, 356, 16}, "", OneLine(Small(10)));
  forces.AddBox({14, 197, 356, 8}, {kEnemyRed.r, kEnemyRed.g, kEnemyRed.b, 150});
  balanceOurs_ = &forces.AddBox({14, 197, 356, 8}, {kFriendlyBlue.r, kFriendlyBlue.g, kFriendlyBlue.b, 220});

  // What the last exchange did.
  Panel& report = GlassPanel(*this, {kRightX, 402, kRightW, 40}, "report");
  report_ = &report.AddLabel({12, 4, 360, 32}, "", [] {
    TextStyle s = Body(11);
    s.middle = true;
    return s;
  }());

  // The attacks and the retreat, with their keys.
  for (size_t i = 0; i < std::size(kButtons); ++i) {
    const Attack& a = kButtons[i];
    const Rect r{kRightX + static_cast<int>(i % 2) * 196, 450 + static_cast<int>(i / 2) * 48, 188, 40};
    Button& b = AddButton(a.item, r, "CrewCombatScreen", a.caption, [this, a] { Act(a.action); });
    b.captionStyle = Caption(12);
    b.onRightClick = [a] { Notify(a.topic, a.text); };
    // the key on a small chip at the right end, clear of the caption
    const Rect chip{r.x + r.w - 27, r.y + 12, 16, 16};
    AddBox(chip, {0, 0, 0, 70}, {150, 166, 190, 110});
    TextStyle key = Caption(10);
    key.color = kDim;
    Label& badge = AddLabel(chip, a.key, key, a.item);
    badge.onRightClick = b.onRightClick;
    if (a.item == kAttackItem) SetDefault(&b);
    if (a.item == kRetreatItem) SetCancel(&b);
  }
  AddBox({kRightX, 544, kRightW, 36}, {4, 8, 18, 150});
  AddLabel({kRightX + 8, 547, kRightW - 16, 30},
           "Keys: 1-4 select an area, A or Enter attack, C commando strike, E EMP strike, R or Esc retreat. "
           "Right-click an area or a button for information.",
           Small(10));
}

void Screen_CrewCombat::OnShow() {
  ClearHover();
  if (!Boarding.open) {
    Close();
    return;
  }
  report_->Set("Your boarding party stands at the enemy airlock.");
  Refresh();
  // The rules announce an exchange's outcome in a message before the action
  // returns: this keeps the counters under that message up to date.
  StartTimer(kRefreshTimer, 150, [this] {
    if (Boarding.open) Refresh();
  }, true);
}

void Screen_CrewCombat::OnClose() { StopTimer(kRefreshTimer); }

bool Screen_CrewCombat::OnCloseRequest() { return AskQuitFromBattle(); }

bool Screen_CrewCombat::KeyDown(SDL_Keycode key) {
  int area = 0;
  void (*action)() = nullptr;
  switch (key) {
    case SDLK_1: case SDLK_KP_1: area = 1; break;
    case SDLK_2: case SDLK_KP_2: area = 2; break;
    case SDLK_3: case SDLK_KP_3: area = 3; break;
    case SDLK_4: case SDLK_KP_4: area = 4; break;
    case SDLK_a: action = &StandardAttack; break;
    case SDLK_c: action = &CommandoStrike; break;
    case SDLK_e: action = &EmpStrike; break;
    case SDLK_r: action = &Retreat; break;
    default: return Window::KeyDown(key);  // Enter attacks, Escape retreats
  }
  if (IsClosing()) return true;
  // A key acts like a click on its control.
  UI().PlaySound("button.wav");
  ClearHover();
  if (area != 0)
    SelectAreaAct(area);
  else
    Act(action);
  return true;
}

void Screen_CrewCombat::SelectAreaAct(int area) {
  if (IsClosing()) return;
  const int areaBefore = CurrentArea();
  SelectArea(area);
  if (Quitting()) return;
  if (!Boarding.open) {
    Close();
    return;
  }
  if (Boarding.phase == 1 && CurrentArea() != areaBefore)
    report_->Set("The fight for the " + std::string(kAreaLower[CurrentArea()]) + " begins: " +
                 std::to_string(BoardingEnemyForces()) + " defenders stand against you.");
  Refresh();
}

void Screen_CrewCombat::Act(void (*action)()) {
  if (IsClosing()) return;
  const int phaseBefore = Boarding.phase, areaBefore = CurrentArea();
  const int defendersBefore = BoardingEnemyForces(), lossesBefore = LossesSoFar();
  const int droidsBefore = Game.Ship[Sh::Droids], droidLossesBefore = Boarding.losses[4];
  action();
  if (Quitting()) return;
  if (!Boarding.open) {
    Close();
    return;
  }
  // Only an exchange changes the counts; a refused action leaves the last report.
  const int fell = defendersBefore - BoardingEnemyForces();
  const int lost = LossesSoFar() - lossesBefore;
  const int captured = Game.Ship[Sh::Droids] - droidsBefore + (Boarding.losses[4] - droidLossesBefore);
  if (phaseBefore == 1 && CurrentArea() == areaBefore && (fell != 0 || lost != 0 || captured != 0)) {
    std::string text = "Last exchange: " + std::to_string(std::max(0, fell)) +
                       (fell == 1 ? " defender fell" : " defenders fell") + ", you lost " +
                       (lost > 0 ? Men(lost) : std::string("nobody")) + ".";
    if (captured > 0) text += " " + std::to_string(captured) + (captured == 1 ? " droid joins" : " droids join") + " your crew.";
    if (Boarding.phase == 2)
      text += " The " + std::string(kAreaLower[areaBefore]) + (areaBefore == Area::Corridors ? " are" : " is") +
              " secure.";
    report_->Set(text);
  }
  Refresh();
}

void Screen_CrewCombat::AreaInfo(int area) const {
  const int state = Boarding.area[area];
  std::string text = kAreaText[area];
  if (state == AreaState::Attackable)
    text += " It is held by the enemy and can be attacked now.";
  else if (state == AreaState::Locked)
    text += " It cannot be attacked before the areas leading to it are secured.";
  else if (state == AreaState::Secured)
    text += " Your men have secured it.";
  Notify(kAreaName[area], text);
}

void Screen_CrewCombat::Refresh() {
  const auto& e = Combat.EnemyShip;
  const int type = e[Sh::ShipType], faction = std::clamp(e[Sh::ShipFaction], 0, 4);
  shipName_->Set("Enemy ship: " + Game.FactionText[faction][FacT::FullName] + " " + shipName(type) + " (" +
                 shipClassName(type) + ")");
  RefreshAreas();
  RefreshStatus();
  RefreshForces();
  RefreshCompatibility();
}

void Screen_CrewCombat::RefreshAreas() {
  for (int a = 1; a <= 4; ++a) {
    const int state = Boarding.area[a];
    areas_[static_cast<size_t>(a)]->Set(BoardingAreaPicture(a, state));
    areaCaptions_[static_cast<size_t>(a)]->Set(BoardingAreaCaption(a, state));
  }
}

void Screen_CrewCombat::RefreshStatus() {
  const int area = CurrentArea();
  areaName_->Set(kAreaName[area]);
  if (Boarding.phase == 1) {
    phase_->style.color = kEnemyRed;
    phase_->Set("Under attack: defeat the defenders here.");
  } else {
    std::string next;
    for (int a = 1; a <= 4; ++a)
      if (Boarding.area[a] == AreaState::Attackable)
        next += std::string(next.empty() ? "" : " or ") + kAreaLower[a];
    phase_->style.color = kFriendlyBlue;
    phase_->Set(next.empty() ? "Secured." : "Secured. Select the next area to attack: " + next + ".");
  }
  // a phase line that wraps pushes the description down
  int w = 0, h = 0;
  platform::MeasureText(phase_->text, phase_->rect.w, phase_->style, w, h);
  phase_->rect.h = std::max(h, 16);
  areaText_->rect.y = phase_->rect.y + phase_->rect.h + 4;
  areaText_->Set(kAreaText[area]);
}

void Screen_CrewCombat::RefreshForces() {
  const auto& e = Combat.EnemyShip;
  const int defenders[3] = {e[kDefCrew], e[kDefMarines], e[kDefDroids]};
  for (size_t i = 0; i < enemy_.size(); ++i) enemy_[i]->Set(std::to_string(std::max(0, defenders[i])));
  const int theirs = std::max(0, BoardingEnemyForces());
  enemyTotal_->Set(std::to_string(theirs));
  for (size_t i = 0; i < player_.size(); ++i) {
    player_[i]->Set(std::to_string(std::max(0, Game.Ship[Sh::Crewmen + static_cast<int>(i)])));
    const int lost = Boarding.losses[i];
    lost_[i]->Set(lost > 0 ? "-" + std::to_string(lost) : "");
  }
  const int ours = std::max(0, BoardingPlayerForces());
  playerTotal_->Set(std::to_string(ours));
  balance_->Set("Men on this deck: " + std::to_string(ours) + " of yours against " + std::to_string(theirs) +
                (theirs == 1 ? " defender" : " defenders"));
  const int full = 356;
  const long long sum = static_cast<long long>(ours) + theirs;
  balanceOurs_->rect.w = sum > 0 ? static_cast<int>(full * static_cast<long long>(ours) / sum) : full;
}

void Screen_CrewCombat::RefreshCompatibility() {
  const bool on = General.Option.CompatibilityMode;
  compatibility_->Show(on);
  legend_->Show(!on);
  if (!on) return;
  for (int a = 1; a <= 4; ++a) {
    std::string line = "Area " + std::to_string(a) + ": " + BoardingAreaCaption(a, Boarding.area[a]);
    if (Boarding.phase == 1 && a == CurrentArea()) line += ", under attack";
    compatibilityLines_[static_cast<size_t>(a - 1)]->Set(line);
  }
  compatibilityLines_[4]->Set("Press 1 to 4 to select an area.");
}

void Screen_CrewCombat::DrawContent(int ox, int oy) const {
  // The deck plan's panel, its blueprint grid and the hull lines around the sections.
  const Rect deck{ox + kDeck.x, oy + kDeck.y, kDeck.w, kDeck.h};
  FillRect(deck, kPanelFill);
  for (int x = deck.x + 14; x < deck.x + deck.w; x += 24) DrawLine(x, deck.y + 1, x, deck.y + deck.h - 1, kGrid);
  for (int y = deck.y + 14; y < deck.y + deck.h; y += 24) DrawLine(deck.x + 1, y, deck.x + deck.w - 1, y, kGrid);
  FrameRect(deck, kPanelBorder);

  const int cx = ox + kCentreX, left = ox + kSectionX, right = ox + kSectionX + kSectionW;
  // wings beside the cargo bay and the corridors
  const int wy0 = oy + 262, wy1 = oy + 352, wy2 = oy + 396, wy3 = oy + 390;
  for (int side = -1; side <= 1; side += 2) {
    const int root = side < 0 ? left : right, tip = root + side * 44;
    DrawLine(root, wy0, tip, wy1, kWire, 1.2);
    DrawLine(tip, wy1, tip, wy2, kWire, 1.2);
    DrawLine(tip, wy2, root, wy3, kWire, 1.2);
    DrawLine(tip - side * 10, wy1 + 16, tip - side * 10, wy2 - 4, kWire, 1.0);  // a weapon pod
  }
  // the sensor mast at the nose
  const int noseY = oy + kSection[4].y;
  DrawLine(cx, noseY, cx, noseY - 14, kWire, 1.2);
  DrawLine(cx - 6, noseY - 10, cx + 6, noseY - 10, kWire, 1.0);
  // three engines at the stern (the compatibility lines take their place)
  if (!General.Option.CompatibilityMode) {
    const int sy = oy + kSection[1].y + kSection[1].h + 2;
    for (int k = -1; k <= 1; ++k) {
      const int ex = cx + k * 52;
      DrawLine(ex - 14, sy, ex + 14, sy, kWire, 1.2);
      DrawLine(ex - 14, sy, ex - 19, sy + 16, kWire, 1.2);
      DrawLine(ex + 14, sy, ex + 19, sy + 16, kWire, 1.2);
      DrawLine(ex - 19, sy + 16, ex + 19, sy + 16, kWire, 1.2);
    }
  }
  // brackets around the area being fought for
  if (Boarding.open && Boarding.phase == 1) {
    const Rect s = kSection[CurrentArea()];
    const int x0 = ox + s.x - 6, y0 = oy + s.y - 5, x1 = ox + s.x + s.w + 6, y1 = oy + s.y + s.h + 5, l = 16;
    const Color gold = kGold;
    for (const int x : {x0, x1})
      for (const int y : {y0, y1}) {
        const int dx = x == x0 ? l : -l, dy = y == y0 ? l : -l;
        DrawLine(x, y, x + dx, y, gold, 2.0);
        DrawLine(x, y, x, y + dy, gold, 2.0);
      }
  }
}

}  // namespace qm::ui
