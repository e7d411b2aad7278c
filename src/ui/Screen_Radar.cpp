#include "ui/Screen_Radar.h"

#include <cmath>
#include <memory>
#include <string>

#include "combat/scan.h"
#include "platform/text.h"
#include "state/frontend.h"
#include "world/tutorial.h"

namespace qm::ui {
namespace {

constexpr int kW = 531, kH = 469;
// Items: the blips 1..10 (their record numbers), the buttons 11..13.
constexpr int kAttackItem = 11, kHailItem = 12, kBackItem = 13;

constexpr Rect kScope{14, 42, 250, 250};
constexpr int kRadius = 112;
constexpr Rect kContact{274, 42, 243, 366};
constexpr int kBlip = 14;  // the clickable square around a blip

constexpr Color kHostile{236, 70, 56, 255};
constexpr Color kFriendly{80, 226, 120, 255};
constexpr Color kScopeFill{4, 22, 14, 235};
constexpr Color kScopeLine{60, 170, 110, 120};

// Where the ten records show on the scope: angle in degrees and distance from
// the centre in tenths of the radius; each system turns the pattern its own way.
struct Place {
  int angle, distance;
};
constexpr Place kPlaces[kSystemShipRows + 1] = {{0, 0},   {20, 6},  {75, 8},  {118, 4}, {160, 7}, {205, 5},
                                                  {240, 9}, {282, 3}, {315, 7}, {350, 9}, {190, 2}};

void Ring(int cx, int cy, int r, Color c) {
  constexpr int kSegments = 64;
  for (int i = 0; i < kSegments; ++i) {
    const double a = 2 * M_PI * i / kSegments, b = 2 * M_PI * (i + 1) / kSegments;
    DrawLine(cx + static_cast<int>(std::lround(r * std::cos(a))), cy + static_cast<int>(std::lround(r * std::sin(a))),
             cx + static_cast<int>(std::lround(r * std::cos(b))), cy + static_cast<int>(std::lround(r * std::sin(b))),
             c);
  }
}

void Disc(int cx, int cy, int r, Color c) {
  for (int dy = -r; dy <= r; ++dy) {
    const int dx = static_cast<int>(std::sqrt(static_cast<double>(r * r - dy * dy)));
    FillRect({cx - dx, cy + dy, 2 * dx + 1, 1}, c);
  }
}

// The scope: a green disc with range rings, cross hairs and the own ship in the middle.
class Scope : public Control {
 public:
  void Draw(const Window&, int ox, int oy) const override {
    const int cx = ox + rect.x + rect.w / 2, cy = oy + rect.y + rect.h / 2;
    Disc(cx, cy, kRadius, kScopeFill);
    for (int r : {kRadius / 3, 2 * kRadius / 3}) Ring(cx, cy, r, kScopeLine);
    Ring(cx, cy, kRadius, {90, 210, 140, 220});
    DrawLine(cx - kRadius, cy, cx + kRadius, cy, kScopeLine);
    DrawLine(cx, cy - kRadius, cx, cy + kRadius, kScopeLine);
    DrawLine(cx, cy - 6, cx - 5, cy + 5, kText, 1.5);
    DrawLine(cx, cy - 6, cx + 5, cy + 5, kText, 1.5);
    DrawLine(cx - 5, cy + 5, cx + 5, cy + 5, kText, 1.5);
  }
  void Dump(const Window&, std::string&, int) const override {}
};

// One contact on the scope; in the compatibility mode it says what it is.
class Blip : public Control {
 public:
  bool hostile = false, selected = false;
  void Draw(const Window& w, int ox, int oy) const override {
    const int cx = ox + rect.x + rect.w / 2, cy = oy + rect.y + rect.h / 2;
    const Color c = hostile ? kHostile : kFriendly;
    Disc(cx, cy, 6, {c.r, c.g, c.b, 60});
    Disc(cx, cy, 3, c);
    if (selected) Ring(cx, cy, 9, kGold);
    else if (w.Hover() == item) Ring(cx, cy, 8, kHighlight);
    if (General.Option.CompatibilityMode) {
      const TextStyle s = Shadowed(OneLine(Tinted(Small(9), c), Align::Centre));
      platform::DrawText(Word(), {cx - 40, cy + 8, 80, 12}, s);
    }
  }
  void Dump(const Window& w, std::string& out, int depth) const override {
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + "blip " + std::to_string(item) + " " + Word() +
           (selected ? " selected" : "") + (w.Hover() == item ? " hover" : "") + "\n";
  }
  std::string Word() const { return hostile ? "Hostile blip" : "Friendly blip"; }
};

bool Present(int k) { return k >= 1 && k <= kSystemShipRows && Game.SystemShips[k][1] > 0; }

}  // namespace

Screen_Radar::Screen_Radar() : Window("Screen_Radar", kW, kH) {
  background = "RadarScreen_00.jpg";
  AddLabel({16, 10, 250, 28}, "System scan", Shadowed(OneLine(Tinted(Title(20), kGold))));
  system_ = &AddLabel({266, 16, kW - 282, 18}, "", Shadowed(OneLine(Body(12), Align::Right)));

  Panel& scope = GlassPanel(*this, kScope, "scope");
  auto disc = std::make_unique<Scope>();
  disc->rect = {0, 0, kScope.w, kScope.h};
  scope.Add(std::move(disc));
  for (int k = 1; k <= kSystemShipRows; ++k) {
    auto blip = std::make_unique<Blip>();
    blip->item = k;
    blip->name = "Blip" + std::to_string(k);
    blip->rect = {0, 0, kBlip, kBlip};
    blip->onClick = [this, k] { Select(k); };
    blip->onDoubleClick = blip->onClick;
    blip->onRightClick = [k] {
      Notify(ScanBlipHostile(k) ? "Hostile blip" : "Friendly blip",
             ScanBlipHostile(k) ? "A pirate or a ship of a faction at war with yours. Click it to scan the ship."
                                : "A ship of a faction at peace with yours. Click it to scan the ship.");
    };
    blips_[static_cast<size_t>(k)] = &scope.Add(std::move(blip));
  }
  const TextStyle dim = OneLine(Tinted(Small(10), kDim));
  Panel& legend = GlassPanel(*this, {kScope.x, kScope.y + kScope.h + 8, kScope.w, kContact.h - kScope.h - 8}, "legend");
  count_ = &legend.AddLabel({10, 8, kScope.w - 20, 16}, "", OneLine(Bold(Body(12))));
  count_->name = "count";
  legend.AddLabel({10, 30, kScope.w - 20, 14}, "Red: pirates and enemies  \u00b7  green: others", dim);
  legend.AddLabel({10, 48, kScope.w - 20, 14}, "Keys: arrows or Tab choose a ship", dim);
  legend.AddLabel({10, 64, kScope.w - 20, 14}, "A attack  \u00b7  C or Enter hail  \u00b7  Esc back", dim);

  Panel& contact = GlassPanel(*this, kContact, "contact");
  scene_ = &contact.AddPicture({8, 8, kContact.w - 16, 118}, "");
  scene_->name = "scene";
  contact.AddLabel({10, 132, 200, 14}, "Scanned object:", OneLine(Tinted(Bold(Small(11)), kDim)));
  name_ = &contact.AddLabel({10, 148, kContact.w - 20, 34}, "", Bold(Body(12)));
  name_->name = "name";
  description_ = &contact.AddLabel({10, 186, kContact.w - 20, 124}, "", Body(11));
  description_->name = "description";
  contact.AddBox({10, 312, kContact.w - 20, 1}, kGlassRule);
  speciality_ = &contact.AddLabel({10, 318, kContact.w - 20, 44}, "", Tinted(Body(11), kGold));
  speciality_->name = "speciality";
  hint_ = &contact.AddLabel({10, 150, kContact.w - 20, 60}, "Click a blip on the scope to scan the ship.",
                            Tinted(Body(12), kDim));

  const int y = kH - 14 - 40;
  attack_ = &AddButton(kAttackItem, {14, y, 178, 40}, "RadarScreen", "Intercept and attack", [this] { Attack(); });
  attack_->onRightClick = [] {
    Notify("Intercept and attack", "Attacks the selected ship. Attacking a ship of your own faction is a crime. (A)");
  };
  hail_ = &AddButton(kHailItem, {200, y, 150, 40}, "RadarScreen", "Communicate", [this] { Hail(); });
  hail_->onRightClick = [] { Notify("Communicate", "Hails the selected ship. (C or Enter)"); };
  Button& back = AddButton(kBackItem, {kW - 14 - 120, y, 120, 40}, "RadarScreen", "Back", [this] { Close(); });
  back.onRightClick = [] { Notify("Back", "Returns to the main screen. (Escape)"); };
  for (Button* b : {attack_, hail_, &back}) b->captionStyle = Caption(13);
  SetDefault(hail_);
  SetCancel(&back);

  tutorial_ = std::make_unique<TutorialPanel>(*this, TutorialScreen::Radar, TutorialPanel::Place{-128, 96});
}

void Screen_Radar::OnShow() {
  ClearHover();
  selected_ = 0;
  // The first contact is scanned at once, so the keys have something to start from.
  Step(1);
  Refresh();
}

void Screen_Radar::OnClose() {
  CloseScanScreen();
  TutorialHook(TutorialEvent::RadarClosed);
}

void Screen_Radar::OnUncovered() {
  if (Run.QuitToMenu) Close();
}

bool Screen_Radar::OnCloseRequest() {
  Close();
  return false;
}

void Screen_Radar::Select(int k) {
  if (!Present(k)) return;
  selected_ = k;
  Refresh();
}

void Screen_Radar::Step(int delta) {
  for (int n = 1, k = selected_; n <= kSystemShipRows; ++n) {
    k = ((k - 1 + delta) % kSystemShipRows + kSystemShipRows) % kSystemShipRows + 1;
    if (Present(k)) {
      Select(k);
      return;
    }
  }
}

void Screen_Radar::Refresh() {
  const int s = Game.Ship[Sh::System];
  system_->Set(Game.SystemText[s][1] + " system");
  int present = 0;
  const double turn = s * 37.0;
  for (int k = 1; k <= kSystemShipRows; ++k) {
    auto* blip = static_cast<Blip*>(blips_[static_cast<size_t>(k)]);
    const bool shown = Present(k);
    present += shown;
    blip->visible = shown;
    blip->hostile = ScanBlipHostile(k);
    blip->selected = shown && k == selected_;
    const double a = (kPlaces[k].angle + turn) * M_PI / 180.0;
    const double d = kRadius * kPlaces[k].distance / 10.0 * 0.92;
    blip->rect.x = kScope.w / 2 + static_cast<int>(std::lround(d * std::cos(a))) - kBlip / 2;
    blip->rect.y = kScope.h / 2 - static_cast<int>(std::lround(d * std::sin(a))) - kBlip / 2;
  }
  count_->Set(present == 1 ? "1 ship detected" : std::to_string(present) + " ships detected");

  if (!Present(selected_)) selected_ = 0;
  const ScanView v = selected_ ? SelectScanRecord(selected_) : ScanView{};
  scene_->Set(v.picture);
  scene_->Show(selected_ != 0);
  name_->Set(v.name);
  description_->Set(v.description);
  speciality_->Set(selected_ ? "Speciality: " + v.speciality : "");
  hint_->Show(selected_ == 0);
  attack_->enabled = hail_->enabled = selected_ != 0;
  Invalidate();
}

void Screen_Radar::Attack() {
  if (selected_ == 0) return;
  SelectScanRecord(selected_);
  InterceptAndAttack();
  if (Quitting()) return;
  // A fight ends the scan: the rules let go of the contact whatever its outcome.
  if (Run.QuitToMenu || Run.GameEnded || Game.Ship[Sh::Alive] <= 0 || ScannedRecord() == 0) {
    Close();
    return;
  }
  Refresh();
}

void Screen_Radar::Hail() {
  if (selected_ == 0) return;
  SelectScanRecord(selected_);
  Communicate();
  if (!Quitting()) Refresh();
}

bool Screen_Radar::KeyDown(SDL_Keycode key) {
  if (IsClosing()) return true;
  switch (key) {
    case SDLK_RIGHT:
    case SDLK_DOWN:
    case SDLK_TAB: Step(1); return true;
    case SDLK_LEFT:
    case SDLK_UP: Step(-1); return true;
    case SDLK_a: Attack(); return true;
    case SDLK_c: Hail(); return true;
    default: return Window::KeyDown(key);
  }
}

}  // namespace qm::ui
