#include "ui/Screen_Cheats.h"

#include <iterator>
#include <string>
#include <vector>

#include "catalogue/career.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "ui/screens.h"
#include "world/cheats.h"
#include "world/money.h"

namespace qm::ui {
namespace {

constexpr int kW = 376, kH = 580;
constexpr int kPanelX = 14, kPanelW = kW - 28, kButtonX = 10, kButtonW = kPanelW - 20;
constexpr int kFirstButtonY = 28, kButtonStep = 34, kButtonH = 30;  // inside a section's panel
// Items: money 1, promotion 2, the fast starts 3..5, aging 6, combat 7, Close 8.
constexpr int kAgingItem = 6, kDestroyItem = 7, kCloseItem = 8;

struct Entry {
  int item;
  const char* caption;
  const char* help;  // the right-click's explanation
};
struct Section {
  const char* heading;
  std::vector<Entry> entries;
};
const Section kSections[] = {
    {"Money cheat - \"Get some extra credits...\"",
     {{1, "Receive 100,000 $", "Adds 100,000 credits to your account."}}},
    {"Promotion cheat - \"Sir, yes, Sir!\"",
     {{2, "Get the next promotion / campaign ribbon",
       "Gives you the experience your level needs: you are promoted at once, with its ribbon or rank."}}},
    {"Fast start cheat - \"Gimme that ship, gimme...\"",
     {{3, "Start as a 1st Lt. with a corvette and $100k.",
       "Level 7, First Lieutenant, $100,000, a corvette and the abilities of that career."},
      {4, "Start as a Commander with a cruiser.", "Level 13, Commander, $500,000, a cruiser and its abilities."},
      {5, "Start as a Captain with a battleship.", "Level 15, Captain, $1,000,000, a battleship and its abilities."}}},
    {"Aging cheat",
     {{kAgingItem, "Player character does not become older", "While on, your pilot stays 20 years old."}}},
    {"Combat cheat (If in combat right now...)",
     {{kDestroyItem, "Destroy current enemy", "During a ship battle the enemy ship explodes at once."}}},
};

constexpr int kKeyOrder[] = {1, 2, 3, 4, 5, kAgingItem, kDestroyItem, kCloseItem};

void Act(int item) {
  switch (item) {
    case 1: cheatMoney(); break;
    case 2: cheatPromotion(); break;
    case 3: case 4: case 5: cheatFastStart(item - 2); break;
    case kAgingItem: cheatToggleAging(); break;
    default: break;
  }
}

}  // namespace

Screen_Cheats::Screen_Cheats() : Window("Screen_Cheats", kW, kH) {
  background = "Cheats_00.jpg";
  TextStyle title = Title(22);
  title.font = Font::SerifBold;
  title.align = Align::Centre;
  title.color = kGold;
  AddLabel({16, 12, kW - 32, 32}, "Cheats", Shadowed(title));
  AddLabel({40, 44, kW - 80, 32}, "Attention! Using cheats might spoil your game experience.",
           Shadowed(Aligned(Tinted(Bold(Body(12)), {255, 150, 120, 255}), Align::Centre)));
  credits_ = &AddLabel({16, 78, kW - 32, 16}, "", OneLine(Tinted(Small(11), kText), Align::Centre));
  credits_->name = "Career";

  int y = 100;
  for (const Section& s : kSections) {
    const int h = kFirstButtonY + static_cast<int>(s.entries.size()) * kButtonStep + 2;
    Panel& p = GlassPanel(*this, {kPanelX, y, kPanelW, h}, s.heading);
    p.AddLabel({12, 6, kButtonW, 18}, s.heading, OneLine(Tinted(Title(12), kGold)));
    int by = kFirstButtonY;
    for (const Entry& e : s.entries) {
      const Rect r{kButtonX, by, kButtonW, kButtonH};
      const int item = e.item;
      Button* b = nullptr;
      if (item == kAgingItem) {
        aging_ = &AddSwitchLine(p, item, r, "Cheats", e.caption, [this] {
          Act(kAgingItem);
          Refresh();
        });
        b = aging_;
      } else if (item == kDestroyItem) {
        b = destroy_ = &p.AddButton(item, r, "Extras", e.caption, [this] { Destroy(); });
      } else {
        b = &p.AddButton(item, r, "Extras", e.caption, [this, item] {
          Act(item);
          Refresh();
        });
      }
      if (b != aging_) b->captionStyle = Caption(12);
      b->name = "cheat" + std::to_string(item);
      b->onRightClick = [caption = e.caption, help = e.help] { Notify(caption, help); };
      by += kButtonStep;
    }
    y += h + 6;
  }

  AddLabel({kPanelX, kH - 42, 210, 30}, "Keys: \u2191 \u2193 choose, Enter uses, Esc closes. Right-click explains.",
           Tinted(Small(10), kDim));
  auto& close = AddButton(kCloseItem, {kW - kPanelX - 120, kH - 46, 120, 32}, "Extras", "Close", [this] { Close(); });
  close.captionStyle = Caption(14);
  close.name = "Close";
  SetDefault(&close);
  SetCancel(&close);
}

void Screen_Cheats::Open() {
  Screen_Cheats& w = Instance<Screen_Cheats>();
  w.destroyPending_ = false;
  w.Show();
  if (!w.destroyPending_) return;
  w.destroyPending_ = false;
  cheatDestroyEnemy();
}

void Screen_Cheats::OnShow() {
  ClearHover();
  Refresh();
}

bool Screen_Cheats::OnCloseRequest() {
  Close();
  return false;
}

void Screen_Cheats::Refresh() {
  const auto& p = Game.Player;
  credits_->Set("$ " + FormatMoney(p[Pl::Credits]) + "  \u00b7  Level " + std::to_string(p[Pl::Level]) +
                "  \u00b7  " + rankName(p[Pl::Rank]) + "  \u00b7  age " + std::to_string(Age()));
  aging_->SetOn(Run.AgeFreeze);
  destroy_->caption = ShipBattleRunning() ? "Destroy this enemy ship" : "Destroy current enemy";
  Invalidate();
}

// In a battle the screen closes first and the enemy explodes over the battle;
// elsewhere the rules refuse with their notice and the screen stays.
void Screen_Cheats::Destroy() {
  if (!ShipBattleRunning()) {
    cheatDestroyEnemy();
    return;
  }
  destroyPending_ = true;
  Close();
}

void Screen_Cheats::Step(int delta) {
  StepHover({std::begin(kKeyOrder), std::end(kKeyOrder)}, delta);
}

bool Screen_Cheats::KeyDown(SDL_Keycode key) {
  if (IsClosing()) return true;
  switch (key) {
    case SDLK_UP: Step(-1); return true;
    case SDLK_DOWN: Step(1); return true;
    case SDLK_SPACE:
    case SDLK_RETURN:
    case SDLK_KP_ENTER: {
      const int k = Hover();
      if (k < 1 || k >= kCloseItem) return Window::KeyDown(key);  // "Close", highlighted or not
      UI().PlaySound("button.wav");
      if (k == kDestroyItem)
        Destroy();
      else if (k == kAgingItem)
        aging_->onClick();
      else {
        Act(k);
        Refresh();
      }
      if (!IsClosing()) HoverItem(k);
      return true;
    }
    default: return Window::KeyDown(key);
  }
}

}  // namespace qm::ui
