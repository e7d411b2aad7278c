#include "ui/Screen_Planet.h"

#include <memory>

#include "platform/pictures.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "ui/screens.h"
#include "world/money.h"
#include "world/planet_pictures.h"
#include "world/planet_services.h"
#include "world/tutorial.h"

namespace qm::ui {
namespace {

constexpr Color kPanelFill{6, 10, 22, 214};
constexpr Color kPanelBorder{70, 96, 136, 255};
constexpr Color kRule{96, 120, 160, 140};
constexpr Color kChipFill{0, 0, 0, 70};
constexpr Color kChipBorder{150, 166, 190, 110};
constexpr int kChip = 15;

// The planet screen's items: the six services 1..6 and "Back to space" 9.
constexpr int kBackItem = 9;
constexpr int kW = 439, kH = 460;
constexpr Rect kPicture{16, 48, kW - 32, 168};
constexpr int kGridTop = 330, kCellW = 129, kCellH = 34, kGap = 10;

struct PlanetService {
  int item;
  const char* caption;
  const char* unit;  // the screen it opens
  const char* helpTopic;
  const char* helpText;
};
constexpr PlanetService kServices[] = {
    {1, "Shipyard", "Screen_ShipPurchase", "Shipyard",
     "Buy a new ship here. Your old ship is traded in for its value."},
    {2, "Equipment", "Screen_ShipEquipment", "Equipment",
     "Replace the guns, missiles, engines, cargo space system, targeting system or ECM of your ship."},
    {3, "Trade", "Screen_TradeScreenMoveable", "Trade screen", "This opens up a screen where you can buy or sell goods."},
    {4, "Bar", "Screen_Bar", "Spaceport bar",
     "Spend a day at the spaceport bar, hire crewmen, or retire from your career."},
    {5, "Bank", "Screen_Bank", "Bank", "Take a loan, pay your debts, or buy and sell war bonds."},
    {6, "Governor", "Screen_Governor", "Governor",
     "Meet the governor of this planet: missions, and an amnesty for those who know how to ask for it."},
};

const char* const kNoSpaceport = "There is no spaceport at this place.";

// A service button: its caption, and its number key on a small chip at the
// right end; a switched-off service is dimmed as a whole.
class ServiceButton : public Button {
 public:
  int key = 0;
  void Draw(const Window& w, int ox, int oy) const override {
    const Rect r{ox + rect.x, oy + rect.y, rect.w, rect.h};
    platform::DrawPicture(CurrentPicture(w), r);
    const bool hover = enabled && item != 0 && w.Hover() == item;
    TextStyle s = captionStyle;
    s.color = !enabled ? Color{120, 126, 140, 255} : hover ? kHighlight : captionStyle.color;
    s.middle = true;
    s.wrap = false;
    // The caption is centred in the part of the button left of the chip; a
    // long one takes a smaller type rather than running under the chip.
    const int chipSpace = key != 0 ? kChip + 8 : 0;
    const Rect room{r.x + 4, r.y, r.w - 8 - chipSpace, r.h};
    for (int textW = 0, textH = 0; s.size > 9; --s.size) {
      platform::MeasureText(caption, 10000, s, textW, textH);
      if (textW <= room.w) break;
    }
    platform::DrawText(caption, room, s);
    if (key != 0) {
      const Rect chip{r.x + r.w - kChip - 7, r.y + (r.h - kChip) / 2, kChip, kChip};
      FillRect(chip, kChipFill);
      FrameRect(chip, kChipBorder);
      TextStyle k = Caption(10);
      k.middle = true;
      k.color = !enabled ? Color{90, 96, 110, 255} : hover ? kHighlight : kDim;
      platform::DrawText(std::to_string(key), chip, k);
    }
    if (!enabled) FillRect(r, {4, 8, 18, 120});
  }
};

}  // namespace

// ---------------------------------------------------------------------------
// ServiceScreen

ServiceScreen::ServiceScreen(std::string unit, int width, int height) : Window(std::move(unit), width, height) {}

Button& ServiceScreen::AddService(int item, Rect r, const std::string& prefix, const std::string& caption, int key,
                                  std::function<void()> action, std::string helpTopic, std::string helpText) {
  auto button = std::make_unique<ServiceButton>();
  button->item = item;
  button->rect = r;
  button->prefix = prefix;
  button->caption = caption;
  button->captionStyle = Caption(12);
  button->key = key >= 1 && key <= 9 ? key : 0;
  button->onClick = std::move(action);
  Button& b = Root().Add(std::move(button));
  Service s;
  s.button = &b;
  s.key = key;
  s.helpTopic = std::move(helpTopic);
  s.helpText = std::move(helpText);
  services_.push_back(std::move(s));
  b.onRightClick = [this, &b] {
    const Service* svc = Find(&b);
    if (!svc) return;
    if (!svc->available)
      Notify("N/A", svc->reason);
    else if (!svc->helpText.empty())
      Notify(svc->helpTopic, svc->helpText);
  };
  return b;
}

ServiceScreen::Service* ServiceScreen::Find(const Button* b) {
  for (Service& s : services_)
    if (s.button == b) return &s;
  return nullptr;
}

void ServiceScreen::Offer(Button& b, bool available, const std::string& reason) {
  Service* s = Find(&b);
  if (!s) return;
  s->available = available;
  s->reason = reason;
  b.enabled = available;
  if (!available && Hover() == b.item) ClearHover();
  Invalidate();
}

void ServiceScreen::ShowService(Button& b, bool shown) {
  b.Show(shown);
  if (!shown && Hover() == b.item) ClearHover();
}

bool ServiceScreen::Usable(const Service& s) const {
  return s.button->visible && s.button->enabled && s.available;
}

ServiceScreen::Service* ServiceScreen::Hovered() {
  if (Hover() == 0) return nullptr;
  for (Service& s : services_)
    if (s.button->item == Hover()) return &s;
  return nullptr;
}

void ServiceScreen::Press(Service& s) {
  if (!Usable(s) || IsClosing()) return;  // a switched-off or hidden service does nothing, silently
  UI().PlaySound("button.wav");
  ClearHover();
  if (s.button->onClick) s.button->onClick();
}

// Moves the highlight `delta` buttons on, skipping the ones that cannot be used.
void ServiceScreen::Step(int delta) {
  const int n = static_cast<int>(services_.size());
  if (n == 0) return;
  int at = -1;
  for (int i = 0; i < n; ++i)
    if (services_[static_cast<size_t>(i)].button->item == Hover()) at = i;
  if (at < 0) {
    // Nothing highlighted yet: start from the first (or, going back, the last) usable button.
    for (int k = 0; k < n; ++k) {
      const int i = delta > 0 ? k : n - 1 - k;
      if (Usable(services_[static_cast<size_t>(i)])) return HoverItem(services_[static_cast<size_t>(i)].button->item);
    }
    return;
  }
  const int step = delta > 0 ? 1 : -1;
  // Try the button `delta` away first, then walk on one at a time past unusable ones.
  for (int i = at + delta; i >= 0 && i < n; i += step) {
    if (Usable(services_[static_cast<size_t>(i)])) return HoverItem(services_[static_cast<size_t>(i)].button->item);
  }
}

bool ServiceScreen::KeyDown(SDL_Keycode key) {
  if (IsClosing()) return true;
  switch (key) {
    case SDLK_LEFT: Step(-1); return true;
    case SDLK_RIGHT: Step(1); return true;
    case SDLK_UP: Step(-columns); return true;
    case SDLK_DOWN: Step(columns); return true;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_SPACE:
      if (Service* s = Hovered()) {
        Press(*s);
        return true;
      }
      return Window::KeyDown(key);
    default: break;
  }
  int number = 0;
  if (key >= SDLK_1 && key <= SDLK_9) number = static_cast<int>(key - SDLK_1) + 1;
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) number = static_cast<int>(key - SDLK_KP_1) + 1;
  if (number != 0) {
    for (Service& s : services_)
      if (s.key == number) {
        Press(s);
        return true;
      }
    return true;
  }
  return Window::KeyDown(key);
}

void ServiceScreen::Act(const std::function<void()>& rule) {
  if (IsClosing()) return;
  rule();
  if (Ended()) return;
  // The main screen below shows the credits, the date and the log too.
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
  Refresh();
}

void ServiceScreen::Open(const std::string& unit) {
  Act([&unit] { ShowScreen(unit); });
}

bool ServiceScreen::Ended() {
  if (Quitting()) return true;
  if (!Run.GameEnded && !Run.QuitToMenu && Game.Ship[Sh::Alive] > 0) return false;
  Close();
  return true;
}

void ServiceScreen::OnShow() {
  ClearHover();
  if (Ended()) return;
  Refresh();
}

// A screen above may have ended the game (a battle's "Quit game?").
void ServiceScreen::OnUncovered() { Ended(); }

Panel& ServiceScreen::Glass(Rect r, const char* name) {
  Panel& p = AddPanel(r);
  p.name = name;
  p.fill = kPanelFill;
  p.border = kPanelBorder;
  return p;
}

Label& ServiceScreen::KeysLine(Rect r, const std::string& text) {
  TextStyle s = OneLine(Small(10));
  s.color = kDim;
  s.middle = true;
  return AddLabel(r, text, s);
}

// ---------------------------------------------------------------------------
// Screen_Planet

Screen_Planet::Screen_Planet() : ServiceScreen("Screen_Planet", kW, kH) {
  background = "PlanetScreen_00.jpg";
  columns = 3;

  name_ = &AddLabel({18, 12, 250, 28}, "", OneLine(Title(20)));
  name_->name = "PlanetName";
  TextStyle where = OneLine(Tinted(Small(11), kDim), Align::Right);
  where.middle = true;
  system_ = &AddLabel({230, 14, kW - 260, 24}, "", where);

  AddBox({kPicture.x - 1, kPicture.y - 1, kPicture.w + 2, kPicture.h + 2}, {0, 0, 0, 0}, kPanelBorder);
  picture_ = &AddPicture(kPicture, "");
  picture_->name = "CityPicture";

  Panel& facts = Glass({16, kPicture.y + kPicture.h + 8, kW - 32, 96}, "facts");
  faction_ = &facts.AddLabel({12, 8, 240, 16}, "", OneLine(Bold(Body(12))));
  class_ = &facts.AddLabel({250, 8, kW - 32 - 262, 16}, "", OneLine(Tinted(Body(12), kGold), Align::Right));
  facts.AddBox({12, 28, kW - 32 - 24, 1}, kRule);
  description_ = &facts.AddLabel({12, 34, kW - 32 - 24, 58}, "", Body(11));

  for (const PlanetService& s : kServices) {
    const int col = (s.item - 1) % 3, row = (s.item - 1) / 3;
    const Rect r{16 + col * (kCellW + kGap), kGridTop + row * (kCellH + 8), kCellW, kCellH};
    const std::string unit = s.unit;
    std::function<void()> action = [this, unit] { Open(unit); };
    if (s.item == 3)
      action = [this, unit] {
        // the trade panel opens with ten units a click unless an amount was chosen before
        if (Run.TradeAmount < 1) Run.TradeAmount = 10;
        Open(unit);
      };
    Button& b = AddService(s.item, r, "PlanetScreen", s.caption, s.item, std::move(action), s.helpTopic, s.helpText);
    b.name = std::string("Service") + std::to_string(s.item);
    serviceButtons_.push_back(&b);
  }

  const int bottom = kH - 14 - 32;
  credits_ = &AddLabel({18, bottom - 2, 250, 16}, "", OneLine(Tinted(Bold(Body(12)), kGold)));
  credits_->name = "Credits";
  KeysLine({18, bottom + 16, 270, 16}, "Keys: 1-6 services \u00b7 arrows, Enter \u00b7 Esc back to space");
  auto& back = AddService(kBackItem, {kW - 16 - 130, bottom, 130, 32}, "PlanetScreen", "Back to space", 0,
                          [this] {
                            TutorialHook(TutorialEvent::PlanetLeft);
                            Close();
                          },
                          "Back to space", "Returns to your ship. (Escape)");
  SetCancel(&back);
  SetDefault(&back);

  tutorial_ = std::make_unique<TutorialPanel>(*this, TutorialScreen::Planet, TutorialPanel::Place{-170, 40});
}

void Screen_Planet::Refresh() {
  const int system = Game.Ship[Sh::System], here = Game.Ship[Sh::Location];
  const bool valid = here >= 1 && here <= kLocations;
  const PlanetFacts f = valid ? planetFacts(system, here) : PlanetFacts{};
  name_->Set(f.name);
  system_->Set(Game.SystemText[system][1] + " system");
  // The built-in art has no city views: without the city's picture file the
  // planet's own view stands in, so the screen never shows an empty frame.
  std::string picture = valid ? planetScreenPicture(system, here) + ".jpg" : "";
  if (valid && platform::FindDataFile(picture).empty()) picture = locationPictureName(system, here) + "r.jpg";
  picture_->Set(picture);
  faction_->Set(f.faction);
  class_->Set(f.classLine);
  description_->Set(f.description);
  credits_->Set("Your credits: $ " + FormatMoney(Game.Player[Pl::Credits]));
  // Every planet has all six services; a place without a spaceport has none.
  const bool open = atPlanet();
  for (Button* b : serviceButtons_) Offer(*b, open, kNoSpaceport);
}

}  // namespace qm::ui
