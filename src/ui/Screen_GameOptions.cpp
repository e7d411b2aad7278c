#include "ui/Screen_GameOptions.h"

#include <string>
#include <vector>

#include "state/frontend.h"
#include "ui/screens.h"

namespace qm::ui {
namespace {

constexpr int kW = 392, kH = 592;
constexpr int kPanelX = 14, kPanelW = kW - 28, kLineX = 10, kLineW = kPanelW - 20;
constexpr int kFirstLineY = 30, kLineStep = 30, kLineH = 27;  // inside a group's panel
constexpr int kCloseItem = 13;
constexpr int kEmpty = -1;

// A line of a group: the switch's picture position and its setting (kEmpty: an empty slot).
struct Line {
  int picture;
  int setting;
};
struct Group {
  const char* heading;
  std::vector<Line> lines;
};
const Group kGroups[] = {
    {"Audio settings:", {{2, static_cast<int>(Setting::Music)}, {3, static_cast<int>(Setting::SoundEffects)}}},
    {"Combat messages:",
     {{4, static_cast<int>(Setting::LongerDelays)},
      {5, static_cast<int>(Setting::SlowerAnimations)},
      {6, static_cast<int>(Setting::AutoNextTurn)}}},
    {"Game difficulty", {{7, static_cast<int>(Setting::VeteranMode)}, {8, kEmpty}}},
    {"Other settings",
     {{9, static_cast<int>(Setting::NoWarPopups)},
      {10, static_cast<int>(Setting::Compatibility)},
      {11, kEmpty},
      {12, kEmpty}}},
};

// The keyboard's order: the switches as they stand on the screen, then "Close".
std::vector<int> KeyOrder() {
  std::vector<int> items;
  for (const Group& g : kGroups)
    for (const Line& l : g.lines)
      if (l.setting != kEmpty) items.push_back(l.picture);
  items.push_back(kCloseItem);
  return items;
}

}  // namespace

Screen_GameOptions::Screen_GameOptions() : Window("Screen_GameOptions", kW, kH) {
  background = "GameSettings_00.jpg";
  TextStyle title = Title(22);
  title.font = Font::SerifBold;
  title.align = Align::Centre;
  title.color = kGold;
  AddLabel({16, 12, kW - 32, 32}, "Game settings", Shadowed(title));

  int y = 50;
  for (const Group& g : kGroups) {
    const int h = kFirstLineY + static_cast<int>(g.lines.size()) * kLineStep + 4;
    Panel& p = GlassPanel(*this, {kPanelX, y, kPanelW, h}, g.heading);
    p.AddLabel({12, 6, kLineW, 18}, g.heading, OneLine(Tinted(Title(13), kGold)));
    p.AddBox({12, 25, kPanelW - 24, 1}, kGlassRule);
    int ly = kFirstLineY;
    for (const Line& l : g.lines) {
      const Rect r{kLineX, ly, kLineW, kLineH};
      if (l.setting == kEmpty) {
        // Nothing to switch: a dim plate that takes no part in the hover rule.
        p.AddPicture(r, ItemPicture("GameSettings", l.picture, PictureKind::Toggle, false));
        p.AddBox(r, {6, 10, 22, 110});
        p.AddLabel({r.x + 24, r.y, r.w - 34, r.h}, "(empty slot)", [] {
          TextStyle s = OneLine(Tinted(Body(12), kDim));
          s.middle = true;
          return s;
        }());
      } else {
        const Setting s = static_cast<Setting>(l.setting);
        SwitchLine& line = AddSwitchLine(p, l.picture, r, "GameSettings", InfoOf(s).label, [this, s] { Toggle(s); });
        line.name = InfoOf(s).name;
        line.onRightClick = [s] { Notify(InfoOf(s).label, InfoOf(s).help); };
        switches_[static_cast<size_t>(l.setting)] = &line;
      }
      ly += kLineStep;
    }
    y += h + 8;
  }

  TextStyle keys = Tinted(Small(10), kDim);
  AddLabel({kPanelX, kH - 44, 220, 30}, "Keys: \u2191 \u2193 choose, Space switches, Esc closes. Right-click explains.",
           keys);
  close_ = &AddButton(kCloseItem, {kW - kPanelX - 120, kH - 46, 120, 32}, "OptionsScreen", "Close",
                      [this] { SaveAndClose(); });
  close_->captionStyle = Caption(14);
  close_->name = "Close";
  SetDefault(close_);
  SetCancel(close_);
}

void Screen_GameOptions::OnShow() {
  ClearHover();
  Refresh();
}

bool Screen_GameOptions::OnCloseRequest() {
  SaveAndClose();
  return false;
}

void Screen_GameOptions::Refresh() {
  for (const SettingInfo& i : SettingTable()) switches_[static_cast<size_t>(i.id)]->SetOn(SettingOn(i.id));
  Invalidate();
}

void Screen_GameOptions::Toggle(Setting s) {
  ToggleSetting(s);
  Refresh();
}

// The settings reach the general data when the screen closes; a failed write is
// told by the rules and the screen closes all the same (the settings still hold).
void Screen_GameOptions::SaveAndClose() {
  if (IsClosing()) return;
  SaveSettings();
  Close();
}

void Screen_GameOptions::Step(int delta) { StepHover(KeyOrder(), delta); }

bool Screen_GameOptions::KeyDown(SDL_Keycode key) {
  if (IsClosing()) return true;
  switch (key) {
    case SDLK_UP: Step(-1); return true;
    case SDLK_DOWN: Step(1); return true;
    case SDLK_SPACE:
    case SDLK_RETURN:
    case SDLK_KP_ENTER: {
      const int k = Hover();
      for (SwitchLine* line : switches_) {
        if (line->item != k) continue;
        UI().PlaySound("button.wav");
        line->onClick();
        HoverItem(k);  // the highlight stays for the next key
        return true;
      }
      return Window::KeyDown(key);  // "Close", highlighted or not
    }
    default: return Window::KeyDown(key);
  }
}

}  // namespace qm::ui
