#include "ui/Screen_ShipWavesAttacking.h"

#include <algorithm>
#include <memory>
#include <string>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "combat/battle_pictures.h"
#include "platform/pictures.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "ui/battle_quit.h"

namespace qm::ui {
namespace {

// Items: allied symbols 1..10, hostile symbols 11..20, the four orders 21..24.
constexpr int kEnemyItemBase = 10;
constexpr int kFirstOrderItem = 21;
constexpr int kDuelTimer = 1;
constexpr int kDuelTickMs = 450;  // one exchange of fire: slow enough to follow the shield bars

// The battlefield and the fleets' formations, in window coordinates.
constexpr Rect kField{18, 46, 743, 256};
constexpr int kLineX = kField.x + kField.w / 2;   // the battle line between the fleets
constexpr int kFieldMidY = kField.y + kField.h / 2;
constexpr int kSymbolW = 64, kSymbolH = 42, kStationSize = 64;
constexpr int kTipGap = 60;        // the wedge's tip from the battle line
constexpr int kColumnStep = 70;    // between the wedge's columns
constexpr int kRowStep = 54;       // between ships of one column
constexpr int kStationFromEdge = 34;
constexpr int kMiniBarW = 40;

constexpr int kPanelTop = 310, kPanelH = 144, kPanelW = 366;
constexpr int kOrdersTop = 462, kOrderH = 36;

constexpr Color kRule{70, 104, 150, 255};
constexpr Color kPanelFill{8, 14, 30, 232};
constexpr Color kAllied{92, 168, 255, 255};
constexpr Color kHostile{255, 96, 80, 255};

// A wedge: column c holds c + 1 ships; slot 0 is the tip facing the enemy.
struct Slot {
  int column;
  int row2;  // vertical offset in half rows from the middle
};
constexpr Slot kWedge[kFleetSize] = {{0, 0},  {1, -1}, {1, 1}, {2, -2}, {2, 0},
                                     {2, 2},  {3, -3}, {3, -1}, {3, 1}, {3, 3}};

const FleetShip& Record(bool allied, int k) { return allied ? Fleet.allied[k] : Fleet.enemy[k]; }
bool Present(bool allied, int k) { return k >= 1 && k <= kFleetSize && Record(allied, k).present > 0; }
bool IsFlagship(bool allied, int k) { return allied && Record(allied, k).role == FleetRole::Flagship; }

// Shields of a record and their maximum; the flagship's are the player's ship's own.
int ShieldOf(bool allied, int k) {
  return IsFlagship(allied, k) ? Game.Ship[Sh::ShieldEnergy] : Record(allied, k).shield;
}
int MaxShieldOf(bool allied, int k) {
  if (IsFlagship(allied, k)) {
    const auto& s = Game.Ship;
    return maxShields(s[Sh::ShipType], s[Sh::Engines], s[Sh::CargoSpace]);
  }
  return shipStat(Record(allied, k).type, Stat::MaxShields);
}
int FactionOf(bool allied, int k) {
  return IsFlagship(allied, k) ? Game.Ship[Sh::ShipFaction] : Record(allied, k).faction;
}

// Where record k of a side stands: the station apart behind its fleet, the
// warships in a wedge pointing at the battle line, filled from the tip.
Rect SymbolRect(bool allied, int k) {
  const FleetShip& ship = Record(allied, k);
  if (ship.role == FleetRole::Station) {
    const int cx = allied ? kField.x + kStationFromEdge : kField.x + kField.w - kStationFromEdge;
    return {cx - kStationSize / 2, kFieldMidY - kStationSize / 2, kStationSize, kStationSize};
  }
  int slot = k - 1;
  for (int j = 1; j < k; ++j) slot -= Record(allied, j).role == FleetRole::Station && Present(allied, j);
  const Slot s = kWedge[std::clamp(slot, 0, kFleetSize - 1)];
  const int fromLine = kTipGap + s.column * kColumnStep;
  const int cx = allied ? kLineX - fromLine : kLineX + fromLine;
  const int cy = kFieldMidY + s.row2 * kRowStep / 2;
  return {cx - kSymbolW / 2, cy - kSymbolH / 2, kSymbolW, kSymbolH};
}

std::string ClassLine(int type) { return "\"" + shipName(type) + "\" class"; }

std::string KeyName(bool allied, int k) {
  if (allied) return "F" + std::to_string(k);
  return std::to_string(k % 10);
}

// A fleet symbol: "on" at rest, "over" under the mouse or while selected,
// "off" for the ships standing by while an escort duel is fought.
class SymbolButton : public Button {
 public:
  bool allied = true;
  int record = 0;

  bool Selected() const { return record == (allied ? Fleet.escort : Fleet.target); }
  bool InDuel() const {
    return Fleet.duelRunning && record == (allied ? Fleet.duelEscort : Fleet.duelTarget);
  }
  std::string Look(const Window& w) const {
    if (Fleet.duelRunning) return InDuel() ? "over" : "off";
    return Selected() || (enabled && w.Hover() == item) ? "over" : "on";
  }
  std::string Picture(const Window& w) const { return FleetSymbol(allied, Record(allied, record).role, Look(w)); }

  void Draw(const Window& w, int ox, int oy) const override {
    platform::DrawPicture(Picture(w), {ox + rect.x, oy + rect.y, rect.w, rect.h});
  }
  void Dump(const Window& w, std::string& out, int depth) const override {
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + "symbol " + (allied ? "ally" : "enemy") +
           std::to_string(record) + " " + Picture(w) + (Selected() ? allied ? " escort" : " target" : "") +
           (w.Hover() == item ? " hover" : "") + (enabled ? "" : " disabled") + "\n";
  }
};

struct OrderText {
  const char* caption;
  const char* help;
};
constexpr OrderText kOrderTexts[4] = {
    {"Attack target yourself",
     "Your own ship engages the selected hostile ship in a ship battle. Damage the target has taken from your "
     "escorts stays with it. Destroying it recharges a quarter of your shields. (Key A)"},
    {"Selected escort ship attacks",
     "The selected escort ship (blue) attacks the selected hostile ship (red). The duel is fought by their crews "
     "until one of the two ships is destroyed; no other orders can be given meanwhile. (Key S)"},
    {"Emergency shield recharge",
     "Refills your ship's shields at once. It can be used once in a battle, and the radiation may kill part of "
     "your crew. (Key E)"},
    {"Retreat", "Leave the battle with your fleet. A retreat counts as a lost battle. (Key R or Escape)"},
};

}  // namespace

Screen_ShipWavesAttacking::Screen_ShipWavesAttacking() : Window("Screen_ShipWavesAttacking", 779, 535) {
  background = "ShipWavesAttacking_00.jpg";
  AddLabel({24, 14, 160, 26}, "Fleet battle", OneLine(Title(19)));
  against_ = &AddLabel({162, 20, 300, 18}, "", OneLine(Body(12)));
  status_ = &AddLabel({440, 20, 318, 18}, "", OneLine(Tinted(Body(12), kGold), Align::Right));
  BuildField();
  escortPanel_ = BuildInfoPanel(kField.x, true);
  targetPanel_ = BuildInfoPanel(kField.x + kField.w - kPanelW, false);
  BuildOrders();
  TextStyle hint = OneLine(Small(10), Align::Centre);
  AddLabel({18, 506, 743, 14},
           "Keys: 1-9, 0, Tab, \u2191 \u2193 hostile ship  \u00b7  F1-F10, \u2190 \u2192 escort  \u00b7  A attack  "
           "\u00b7  S send escort  \u00b7  E recharge  \u00b7  R / Esc retreat  \u00b7  right-click: information",
           hint);
}

void Screen_ShipWavesAttacking::BuildField() {
  alliedCount_ = &AddLabel({kField.x + 10, kField.y + 6, 220, 16}, "", OneLine(Tinted(Title(12), kAllied)));
  enemyCount_ = &AddLabel({kField.x + kField.w - 230, kField.y + 6, 220, 16}, "",
                          OneLine(Tinted(Title(12), kHostile), Align::Right));
  TextStyle key = OneLine(Small(9), Align::Centre);
  for (const bool allied : {true, false}) {
    for (int k = 1; k <= kFleetSize; ++k) {
      auto b = std::make_unique<SymbolButton>();
      b->allied = allied;
      b->record = k;
      b->item = allied ? k : kEnemyItemBase + k;
      b->name = std::string(allied ? "ally" : "enemy") + std::to_string(k);
      b->onClick = [this, allied, k] {
        if (allied)
          SelectEscort(k);
        else
          SelectFleetTarget(k);
        Refresh();
      };
      b->onRightClick = [this, allied, k] { ShowShipInfo(allied, k); };
      b->visible = false;
      (allied ? allied_ : enemy_)[static_cast<size_t>(k)] = &Root().Add(std::move(b));
      Label& tag = AddLabel({0, 0, 24, 11}, KeyName(allied, k), key);
      tag.visible = false;
      (allied ? alliedKey_ : enemyKey_)[static_cast<size_t>(k)] = &tag;
    }
  }
}

Screen_ShipWavesAttacking::InfoPanel Screen_ShipWavesAttacking::BuildInfoPanel(int x, bool allied) {
  Panel& panel = AddPanel({x, kPanelTop, kPanelW, kPanelH});
  panel.name = allied ? "escortPanel" : "targetPanel";
  panel.fill = kPanelFill;
  panel.border = kRule;
  panel.AddBox({0, 0, 4, kPanelH}, allied ? kAllied : kHostile);  // the side's colour down the edge
  panel.AddLabel({14, 8, 340, 18}, allied ? "Selected escort ship:" : "Selected hostile ship:", OneLine(Title(13)));
  InfoPanel p;
  p.pictureFrame = &panel.AddBox({13, 31, 152, 102}, {0, 0, 0, 0}, kRule);
  p.picture = &panel.AddPicture({14, 32, 150, 100}, "");
  p.picture->name = allied ? "escortPicture" : "targetPicture";
  p.name = &panel.AddLabel({178, 34, 178, 20}, "", OneLine(Title(14)));
  p.role = &panel.AddLabel({178, 56, 178, 16}, "", OneLine(Body(12)));
  p.shieldCaption = &panel.AddLabel({178, 86, 90, 14}, "Shields", OneLine(Small(10)));
  p.shieldValue = &panel.AddLabel({266, 86, 88, 14}, "", OneLine(Small(10), Align::Right));
  p.shieldBar = &panel.AddPicture({178, 102, 176, 12}, "");
  p.shieldBar->name = allied ? "escortShield" : "targetShield";
  p.percent = &panel.AddLabel({178, 118, 178, 16}, "", OneLine(Body(11)));
  TextStyle none = Small(11);
  none.align = Align::Centre;
  none.middle = true;
  p.none = &panel.AddLabel({14, 32, 340, 100},
                           allied ? "No escort ship selected.\nClick a blue symbol to choose one."
                                  : "No hostile ship selected.\nClick a red symbol to choose your target.",
                           none);
  return p;
}

void Screen_ShipWavesAttacking::BuildOrders() {
  void (*const rules[4])() = {AttackTargetYourself, SendEscort, EmergencyRecharge, RetreatFromFleetBattle};
  const int gap = 9, w = (kField.w - 3 * gap) / 4;
  for (int i = 0; i < 4; ++i) {
    Order& o = orders_[static_cast<size_t>(i)];
    o.rule = rules[i];
    const OrderText& t = kOrderTexts[i];
    o.button = &AddButton(kFirstOrderItem + i, {kField.x + i * (w + gap), kOrdersTop, w, kOrderH}, "ShipWavesAttacking",
                          t.caption, [this, rule = o.rule] { RunOrder(rule); });
    o.button->captionStyle = Caption(12);
    o.button->captionStyle.font = Font::CondensedBold;
    o.button->onRightClick = [t] { Notify(t.caption, t.help); };
  }
}

void Screen_ShipWavesAttacking::OnShow() {
  ClearHover();
  beat_ = 0;
  Refresh();
  if (Fleet.duelRunning) StartTimer(kDuelTimer, kDuelTickMs, [this] { DuelTick(); });
}

void Screen_ShipWavesAttacking::OnClose() { StopTimer(kDuelTimer); }

bool Screen_ShipWavesAttacking::OnCloseRequest() { return AskQuitFromBattle(); }

bool Screen_ShipWavesAttacking::KeyDown(SDL_Keycode key) {
  const auto target = [this](int k) {
    SelectFleetTarget(k);
    Refresh();
  };
  const auto escort = [this](int k) {
    SelectEscort(k);
    Refresh();
  };
  if (key >= SDLK_1 && key <= SDLK_9) {
    target(static_cast<int>(key - SDLK_1) + 1);
    return true;
  }
  if (key >= SDLK_F1 && key <= SDLK_F10) {
    escort(static_cast<int>(key - SDLK_F1) + 1);
    return true;
  }
  switch (key) {
    case SDLK_0: target(10); return true;
    case SDLK_TAB:
    case SDLK_DOWN: target(NextRecord(false, Fleet.target, 1)); return true;
    case SDLK_UP: target(NextRecord(false, Fleet.target, -1)); return true;
    case SDLK_RIGHT: escort(NextRecord(true, Fleet.escort, 1)); return true;
    case SDLK_LEFT: escort(NextRecord(true, Fleet.escort, -1)); return true;
    case SDLK_a: Press(orders_[0]); return true;
    case SDLK_s: Press(orders_[1]); return true;
    case SDLK_e: Press(orders_[2]); return true;
    case SDLK_r:
    case SDLK_ESCAPE: Press(orders_[3]); return true;
    default: return Window::KeyDown(key);
  }
}

int Screen_ShipWavesAttacking::NextRecord(bool allied, int from, int step) {
  for (int n = 1; n <= kFleetSize; ++n) {
    const int k = ((from - 1 + step * n) % kFleetSize + kFleetSize) % kFleetSize + 1;
    if (Present(allied, k)) return k;
  }
  return 0;
}

void Screen_ShipWavesAttacking::Press(Order& order) {
  if (!order.button->visible || !order.button->enabled) return;
  UI().PlaySound("button.wav");
  ClearHover();
  RunOrder(order.rule);
}

void Screen_ShipWavesAttacking::RunOrder(void (*rule)()) {
  rule();  // refusals and questions speak through the rules
  if (LeaveIfOver()) return;
  if (Fleet.duelRunning && !TimerRunning(kDuelTimer)) {
    beat_ = 0;
    StartTimer(kDuelTimer, kDuelTickMs, [this] { DuelTick(); });
  }
  Refresh();
}

void Screen_ShipWavesAttacking::DuelTick() {
  ++beat_;
  if (!FleetDuelTick()) StopTimer(kDuelTimer);
  if (LeaveIfOver()) return;
  Refresh();
}

bool Screen_ShipWavesAttacking::LeaveIfOver() {
  if (!Fleet.over && !Run.QuitToMenu && !Quitting()) return false;
  Leave();
  return true;
}

void Screen_ShipWavesAttacking::Leave() {
  StopTimer(kDuelTimer);
  if (IsOpen() && !IsClosing()) Close();
}

void Screen_ShipWavesAttacking::ShowShipInfo(bool allied, int k) const {
  if (!Present(allied, k)) return;
  const FleetShip& ship = Record(allied, k);
  const int shield = ShieldOf(allied, k), max = MaxShieldOf(allied, k);
  std::string text = ClassLine(ship.type);
  if (ship.role != FleetRole::Flagship) text += ", " + FleetRoleCaption(ship.role);
  text += ". Shields " + std::to_string(shield) + " of " + std::to_string(max) + " (" +
          std::to_string(FleetShieldPercent(shield, max)) + "%).\n";
  std::string topic;
  if (!allied) {
    topic = "Hostile ship " + KeyName(false, k);
    text += "Click to make it your target (key " + KeyName(false, k) + ").";
    if (ship.role == FleetRole::Station) text += " A space station is attacked last, after all its ships.";
  } else if (ship.role == FleetRole::Flagship) {
    topic = FleetRoleCaption(ship.role);
    text += "Lead an attack yourself with \"Attack target yourself\".";
  } else {
    topic = "Escort ship " + KeyName(true, k);
    text += "Click to select it (key " + KeyName(true, k) + "), then send it with \"Selected escort ship attacks\".";
  }
  Notify(topic, text);
}

void Screen_ShipWavesAttacking::Refresh() {
  const bool duel = Fleet.duelRunning;
  for (const bool allied : {true, false}) {
    int count = 0;
    for (int k = 1; k <= kFleetSize; ++k) {
      Button* b = (allied ? allied_ : enemy_)[static_cast<size_t>(k)];
      Label* tag = (allied ? alliedKey_ : enemyKey_)[static_cast<size_t>(k)];
      const bool shown = Present(allied, k);
      b->Show(shown);
      tag->Show(shown);
      b->enabled = !duel;
      if (!shown) continue;
      ++count;
      b->rect = SymbolRect(allied, k);
      // The ship's key sits in the symbol's outer top corner, clear of the hull.
      tag->rect = {allied ? b->rect.x - 2 : b->rect.x + b->rect.w - 22, b->rect.y, 24, 11};
      tag->style.align = allied ? Align::Left : Align::Right;
    }
    const std::string ships = std::to_string(count) + (count == 1 ? " ship" : " ships");
    (allied ? alliedCount_ : enemyCount_)->Set(allied ? "Your fleet: " + ships : "Enemy fleet: " + ships);
  }
  const int enemyFaction = std::clamp(Fleet.enemyFaction, 0, kFactions);
  against_->Set("against the " + Game.FactionText[enemyFaction][FacT::FullName]);

  RefreshPanel(escortPanel_, true, duel ? Fleet.duelEscort : Fleet.escort);
  RefreshPanel(targetPanel_, false, duel ? Fleet.duelTarget : Fleet.target);
  for (Order& o : orders_) o.button->enabled = !duel;
  if (duel)
    status_->Set("Escort duel: " + shipName(Record(true, Fleet.duelEscort).type) + " against " +
                 shipName(Record(false, Fleet.duelTarget).type));
  else
    status_->Set("");
  Invalidate();
}

void Screen_ShipWavesAttacking::RefreshPanel(InfoPanel& p, bool allied, int k) {
  const bool shown = Present(allied, k);
  for (Control* c : {static_cast<Control*>(p.picture), static_cast<Control*>(p.pictureFrame),
                     static_cast<Control*>(p.name), static_cast<Control*>(p.role),
                     static_cast<Control*>(p.shieldCaption), static_cast<Control*>(p.shieldBar),
                     static_cast<Control*>(p.shieldValue)})
    c->Show(shown);
  p.none->Show(!shown);
  const bool spoken = shown && General.Option.CompatibilityMode;
  p.percent->Show(spoken);
  if (!shown) return;
  const FleetShip& ship = Record(allied, k);
  const int shield = ShieldOf(allied, k), max = MaxShieldOf(allied, k);
  p.picture->Set(shipPictureName(ship.type, FactionOf(allied, k)) + "_scene.jpg");
  p.name->Set(ClassLine(ship.type));
  p.role->Set(FleetRoleCaption(ship.role));
  p.shieldBar->Set(FleetShieldBar(shield, max));
  p.shieldValue->Set(std::to_string(std::max(0, shield)) + " / " + std::to_string(max));
  if (spoken)
    p.percent->Set((allied ? "Friendly ships shields: " : "Enemy ships shields: ") +
                   std::to_string(FleetShieldPercent(shield, max)) + "%");
}

void Screen_ShipWavesAttacking::DrawContent(int ox, int oy) const {
  const Rect field{ox + kField.x, oy + kField.y, kField.w, kField.h};
  // Each side's half of the field carries a trace of its colour; the sky shows through.
  FillRect(field, {2, 5, 14, 110});
  FillRect({field.x, field.y, field.w / 2, field.h}, {kAllied.r, kAllied.g, kAllied.b, 14});
  FillRect({field.x + field.w / 2, field.y, field.w - field.w / 2, field.h}, {kHostile.r, kHostile.g, kHostile.b, 14});
  FrameRect(field, kRule);

  // The battle line: a soft glow under a dashed rule.
  const int lx = ox + kLineX;
  FillRect({lx - 3, field.y + 1, 7, field.h - 2}, {160, 190, 240, 16});
  for (int y = field.y + 8; y < field.y + field.h - 8; y += 12) FillRect({lx, y, 1, 7}, {170, 196, 236, 120});

  const auto centre = [&](bool allied, int k, int& x, int& y) {
    const Rect r = SymbolRect(allied, k);
    x = ox + r.x + r.w / 2;
    y = oy + r.y + r.h / 2;
  };

  // The escort duel: both ships' fire across the line, flickering tick by tick.
  if (Fleet.duelRunning && Present(true, Fleet.duelEscort) && Present(false, Fleet.duelTarget)) {
    int x1, y1, x2, y2;
    centre(true, Fleet.duelEscort, x1, y1);
    centre(false, Fleet.duelTarget, x2, y2);
    const bool odd = beat_ % 2 == 1;
    DrawLine(x1, y1 - 2, x2, y2 - 2, {120, 200, 255, static_cast<uint8_t>(odd ? 230 : 110)}, odd ? 2.2 : 1.4);
    DrawLine(x2, y2 + 2, x1, y1 + 2, {255, 120, 90, static_cast<uint8_t>(odd ? 110 : 230)}, odd ? 1.4 : 2.2);
  }

  for (const bool allied : {true, false}) {
    const Color tone = allied ? kAllied : kHostile;
    for (int k = 1; k <= kFleetSize; ++k) {
      if (!Present(allied, k)) continue;
      const Rect r = SymbolRect(allied, k);
      const Rect s{ox + r.x, oy + r.y, r.w, r.h};
      // Each ship's shields at a glance, under its symbol.
      const int max = MaxShieldOf(allied, k), shield = std::clamp(ShieldOf(allied, k), 0, std::max(1, max));
      const Rect bar{s.x + s.w / 2 - kMiniBarW / 2, s.y + s.h - 4, kMiniBarW, 3};
      FillRect(bar, {20, 28, 44, 220});
      FillRect({bar.x, bar.y, kMiniBarW * shield / std::max(1, max), bar.h}, {tone.r, tone.g, tone.b, 230});
      // The selected ship of each side wears brackets in its side's colour; the flagship a gold rim.
      const bool selected = k == (allied ? Fleet.escort : Fleet.target);
      if (!selected && !IsFlagship(allied, k)) continue;
      const Color c = selected ? tone : Color{kGold.r, kGold.g, kGold.b, 150};
      const Rect m{s.x - 5, s.y - 5, s.w + 10, s.h + 10};
      const int l = selected ? 10 : 6, t = selected ? 2 : 1;
      FillRect({m.x, m.y, l, t}, c);
      FillRect({m.x, m.y, t, l}, c);
      FillRect({m.x + m.w - l, m.y, l, t}, c);
      FillRect({m.x + m.w - t, m.y, t, l}, c);
      FillRect({m.x, m.y + m.h - t, l, t}, c);
      FillRect({m.x, m.y + m.h - l, t, l}, c);
      FillRect({m.x + m.w - l, m.y + m.h - t, l, t}, c);
      FillRect({m.x + m.w - t, m.y + m.h - l, t, l}, c);
    }
  }
}

}  // namespace qm::ui
