#include "ui/Screen_ShipCombat.h"

#include <algorithm>
#include <memory>

#include "catalogue/career.h"
#include "catalogue/ships.h"
#include "combat/combat_display.h"
#include "combat/combat_rules.h"
#include "combat/combat_state.h"
#include "combat/simulator.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "ui/ability_button.h"
#include "ui/battle_quit.h"
#include "ui/window_frontend.h"
#include "ui/info_popup.h"

namespace qm::ui {
namespace {

using combat::kEnemySide;
using combat::kPlayerSide;

enum TimerId { kTick = 1, kPlayerFlash, kEnemyFlash };

constexpr int kW = 797, kH = 571;
constexpr Rect kShipArea[2] = {{48, 42, 316, 182}, {433, 42, 316, 182}};
constexpr int kIcon = 28, kIconStep = 32, kIconsY = 262;
constexpr int kPanelsY = 328, kPanelH = 28, kPanelStep = 30, kPanelW = 368, kPanelInset = 24;
constexpr int kButton = 48, kButtonStep = 52, kDeckY = 458;
constexpr int kSpeedItem = 13, kSpeedX = 635, kSpeedW = 74, kSpeedStep = 78;
constexpr const char* kKeys[12] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "="};
constexpr const char* kSpeedCaptions[kSimulatorSpeeds] = {"||", ">>", ">>>", ">>>>"};
constexpr const char* kSpeedKeys[kSimulatorSpeeds] = {"F1", "F2", "F3", "F4"};
constexpr Color kEnemyColor{255, 170, 150, 255};
constexpr Color kEnemyEdge{170, 80, 70, 220};

const IntRow& ShipOf(int side) { return side == kPlayerSide ? Game.Ship : Combat.EnemyShip; }
int ExpertiseOf(int side) { return side == kPlayerSide ? Game.Player[Pl::Profession] : Combat.EnemyShip[Cb::AiKind]; }

std::string Ticks(int n) { return std::to_string(n) + (n == 1 ? " tick" : " ticks"); }

}  // namespace

Screen_ShipCombat::Screen_ShipCombat() : Window("Screen_ShipCombat", kW, kH) {
  background = "Screen_KLEIN_01.jpg";
  AddPicture({0, 0, kW, 34}, "Screen_KLEIN_02.jpg");
  AddPicture({0, kDeckY - 8, kW, kH - kDeckY + 8}, "Screen_KLEIN_03.jpg");
  round_ = &AddLabel({kW / 2 - 90, 9, 180, 18}, "", OneLine(Bold(Small(12)), Align::Centre));
  round_->name = "Round";
  BuildSide(kPlayerSide);
  BuildSide(kEnemySide);
  BuildDeck();
  Label& hint = AddLabel({12, kH - 18, kW - 24, 14},
                         "Keys: 1 ... 9, 0, -, = abilities  \u00b7  F1-F4 or \u2190 \u2192 speed  \u00b7  Space pause  "
                         "\u00b7  right-click for information  \u00b7  Esc leaves",
                         OneLine(Small(10), Align::Centre));
  hint.style.color = kDim;
  BuildInfo();
}

void Screen_ShipCombat::BuildSide(int side) {
  Side& s = sides_[static_cast<size_t>(side)];
  const bool player = side == kPlayerSide;
  const Align outer = player ? Align::Left : Align::Right;
  s.header = &AddLabel(player ? Rect{14, 8, 300, 20} : Rect{kW - 314, 8, 300, 20}, "",
                       Shadowed(OneLine(Title(14), outer)));
  s.header->style.color = player ? kGold : kEnemyColor;

  s.ship = &AddPicture(kShipArea[side], "");
  s.ship->name = player ? "PlayerShip_Primary" : "EnemyShip_Primary";
  s.ship->onRightClick = [this, side] {
    const IntRow& ship = ShipOf(side);
    Info(shipName(ship[Sh::ShipType]) + ", flown by a " + ExpertiseName(ExpertiseOf(side)),
         shipClassName(ship[Sh::ShipType]) + ". Shields: " + std::to_string(std::max(0, ship[Sh::ShieldEnergy])) +
             " of " + std::to_string(combat::BaseMaxShields(ship[Sh::ShipType])) + ". " +
             shipDescriptionShort(ship[Sh::ShipType]));
  };
  s.shieldText = &AddLabel(player ? Rect{4, 44, 44, 14} : Rect{kW - 48, 44, 44, 14}, "",
                           OneLine(Small(10), Align::Centre));
  s.shield = &AddPicture(player ? Rect{16, 62, 20, 150} : Rect{kW - 36, 62, 20, 150}, "");
  s.shield->name = player ? "PlayerShieldDisplay" : "EnemyShieldDisplay";
  s.shield->onRightClick = [this] {
    Info("Shields", "The shield energy is the ship's life: when it falls below 1 the ship explodes.");
  };

  s.combo = &AddPicture(player ? Rect{48, 230, 150, 22} : Rect{kW - 198, 230, 150, 22}, "");
  s.combo->name = player ? "PlayerComboPointDisplay" : "EnemyComboPointDisplay";
  s.combo->onRightClick = [this] {
    Info("Combo points", "Every hit of guns or missiles gives 1 combo point, every evaded shot 2, up to 5. Double "
                         "speed, Exploit II and Sacrifice need at least 3 and use them all up.");
  };
  s.comboText = &AddLabel(player ? Rect{204, 232, 120, 18} : Rect{kW - 324, 232, 120, 18}, "",
                          OneLine(Title(12), outer));

  for (int k = 0; k < 8; ++k) {
    const int x = player ? kShipArea[0].x + k * kIconStep : kShipArea[1].x + kShipArea[1].w - kIcon - k * kIconStep;
    Picture& icon = AddPicture({x, kIconsY, kIcon, kIcon}, "");
    icon.name = (player ? "ModImage" : "EnemyModImage") + std::to_string(k + 1);
    icon.onRightClick = [this, side, k] {
      const auto& slot = (side == kPlayerSide ? Combat.PlayerEffects : Combat.EnemyEffects)[k + 1];
      if (slot.active == 1)
        Info("Active: " + combatActionName(slot.id),
             combatActionEffectText(slot.id) + " (" + Ticks(slot.turns) + " left.)");
    };
    s.icons[static_cast<size_t>(k)] = &icon;
  }

  s.missile = &AddPanel(player ? Rect{kW / 2 - 76, 226, 72, 36} : Rect{kW / 2 + 4, 226, 72, 36});
  s.missile->name = player ? "MissilePic" : "EnemyMissilePic";
  s.missilePicture = &s.missile->AddPicture({0, 0, 72, 20}, "");
  s.missileCount = &s.missile->AddLabel({0, 21, 72, 14}, "", OneLine(Small(10), Align::Centre));
  s.missileCount->name = player ? "MissileCount" : "EnemyMissileCount";

  for (int i = 0; i < kSimulatorPanels; ++i) {
    const Rect r{player ? kPanelInset : kW - kPanelInset - kPanelW, kPanelsY + i * kPanelStep, kPanelW, kPanelH};
    Panel& p = GlassPanel(*this, r, player ? "PlayerMessage" : "EnemyMessage", kGlassFill,
                          player ? kGlassBorder : kEnemyEdge);
    s.topics[static_cast<size_t>(i)] = &p.AddLabel({8, 1, kPanelW - 16, 14}, "", OneLine(Bold(Small(11))));
    s.topics[static_cast<size_t>(i)]->style.color = player ? kGold : kEnemyColor;
    s.texts[static_cast<size_t>(i)] = &p.AddLabel({8, 14, kPanelW - 16, 13}, "", OneLine(Small(10)));
    s.panels[static_cast<size_t>(i)] = &p;
  }
}

void Screen_ShipCombat::BuildDeck() {
  for (int k = 1; k <= kAbilityButtons; ++k) {
    const int x = 12 + (k - 1) * kButtonStep;
    auto button = std::make_unique<AbilityButton>();
    button->item = k;
    button->rect = {x, kDeckY, kButton, kButton};
    button->name = "AbilityButton" + std::to_string(k);
    button->onClick = [this, k] { Press(k); };
    button->onRightClick = [this, k] {
      const int id = SimulatorAbility(kPlayerSide, k);
      if (id == 0) return;
      const int left = Sim.counters[kPlayerSide][static_cast<size_t>(k)];
      Info(combatActionName(id), combatActionDescription(id) + "\n\n" +
                                     (left > 0 ? "Ready again in " + Ticks(left) + "." : "Ready."));
    };
    abilities_[static_cast<size_t>(k - 1)] = &Root().Add(std::move(button));
    Label& key = AddLabel({x, kDeckY + kButton + 1, kButton, 12}, kKeys[k - 1], OneLine(Small(9), Align::Centre));
    key.style.color = kDim;
    keys_[static_cast<size_t>(k - 1)] = &key;
    // The opponent's buttons, small, on its side under its effects.
    Picture& r = AddPicture({kW - 48 - k * 27 + 3, 296, 24, 24}, "");
    r.name = "EnemyAbility" + std::to_string(k);
    r.onRightClick = [this, k] {
      const int id = SimulatorAbility(kEnemySide, k);
      const int left = Sim.counters[kEnemySide][static_cast<size_t>(k)];
      if (id != 0)
        Info("Enemy: " + combatActionName(id), combatActionEffectText(id) + " " +
                                                   (left > 0 ? "Ready again in " + Ticks(left) + "." : "Ready."));
    };
    repertoire_[static_cast<size_t>(k - 1)] = &r;
  }
  // The speeds in a two-by-two block: "||" and ">>" above, ">>>" and ">>>>" below.
  for (int i = 0; i < kSimulatorSpeeds; ++i) {
    const Rect r{kSpeedX + (i % 2) * kSpeedStep, kDeckY + (i / 2) * 25, kSpeedW, 23};
    Button& b = AddButton(kSpeedItem + i, r, "ShipCombat", kSpeedCaptions[i], [this, i] { SetSpeed(i); },
                          PictureKind::Toggle);
    b.captionStyle = Bold(Caption(12));
    b.name = std::string("Speed ") + kSpeedKeys[i];
    speeds_[static_cast<size_t>(i)] = &b;
  }
  Label& keys = AddLabel({kSpeedX, kDeckY + kButton + 1, 2 * kSpeedStep, 12}, "F1 - F4  \u00b7  Space",
                         OneLine(Small(9), Align::Centre));
  keys.style.color = kDim;
  strip_ = &AddLabel({0, 300, 120, 16}, "Pirate's abilities:", OneLine(Small(10), Align::Right));
  strip_->style.color = kDim;
}

void Screen_ShipCombat::BuildInfo() {
  info_ = std::make_unique<InfoPopup>(*this, 198, 165);
}

// A program that quits during a duel never closes the screen: its hooks go with it.
Screen_ShipCombat::~Screen_ShipCombat() { OnClose(); }

void Screen_ShipCombat::OnShow() {
  WindowFrontend& fe = TheFrontend();
  fe.onCombatMessage = [this](int side, const std::string& topic, const std::string& text) {
    PostSimulatorMessage(side, topic, text);
    Refresh();
  };
  fe.onCombatAnimation = [this](int side, int what) { Flash(side, what); };
  fe.onRefreshCombat = [this] { Refresh(); };
  StopTimers();
  for (Side& s : sides_) s.flash[0] = s.flash[1] = false;
  info_->Hide();
  ClearHover();
  lastSpeed_ = Sim.speed > 0 ? Sim.speed : 1;
  SetSpeed(Sim.speed);
  if (SimulatorOver()) Close();
}

void Screen_ShipCombat::OnClose() {
  StopTimers();
  WindowFrontend& fe = TheFrontend();
  fe.onCombatMessage = nullptr;
  fe.onCombatAnimation = nullptr;
  fe.onRefreshCombat = nullptr;
}

// Closing the window leaves the duel without a result.
bool Screen_ShipCombat::OnCloseRequest() { return true; }

void Screen_ShipCombat::StopTimers() {
  for (int id = kTick; id <= kEnemyFlash; ++id) StopTimer(id);
}

void Screen_ShipCombat::SetSpeed(int speed) {
  SetSimulatorSpeed(speed);
  if (Sim.speed > 0) lastSpeed_ = Sim.speed;
  const int ms = SimulatorSpeedInterval(Sim.speed);
  if (ms == 0) {
    StopTimer(kTick);  // paused: no timer runs at all
  } else {
    StartTimer(kTick, ms, [this] {
      SimulatorTick();
      AfterRules();
    });
  }
  Refresh();
}

void Screen_ShipCombat::Press(int button) {
  info_->Hide();
  SimulatorPlayerAction(button);
  AfterRules();
}

void Screen_ShipCombat::AfterRules() {
  if (SimulatorOver() || Quitting()) {
    StopTimers();
    Close();
    return;
  }
  Refresh();
}

void Screen_ShipCombat::Flash(int side, int what) {
  if (side != kPlayerSide && side != kEnemySide) return;
  Side& s = sides_[static_cast<size_t>(side)];
  s.flash[what == 0 ? 0 : 1] = true;
  const int id = side == kPlayerSide ? kPlayerFlash : kEnemyFlash;
  StartTimer(id, CombatAnimationInterval(side, what), [this, id, side] {
    StopTimer(id);
    Side& back = sides_[static_cast<size_t>(side)];
    back.flash[0] = back.flash[1] = false;
    Invalidate();
  });
  Invalidate();
}

void Screen_ShipCombat::Leave() {
  info_->Hide();
  if (!AskYesNo("Leave the duel?", "Do you wish to leave the simulator? The duel ends without a result.")) return;
  StopTimers();
  Close();
}

void Screen_ShipCombat::Info(const std::string& topic, const std::string& text) {
  info_->Show(topic, text);
}

void Screen_ShipCombat::Refresh() {
  RefreshSide(kPlayerSide);
  RefreshSide(kEnemySide);
  RefreshDeck();
  round_->Set(Sim.speed == 0 ? "Round " + std::to_string(Sim.ticks) + "  \u00b7  paused"
                             : "Round " + std::to_string(Sim.ticks));
  round_->style.color = Sim.speed == 0 ? kHighlight : kText;
  Invalidate();
}

void Screen_ShipCombat::RefreshSide(int side) {
  Side& s = sides_[static_cast<size_t>(side)];
  const bool player = side == kPlayerSide;
  const IntRow& ship = ShipOf(side);
  const int type = ship[Sh::ShipType];
  s.header->Set(std::string(player ? "Your " : "Pirate ") + shipName(type) + " \u00b7 " +
                ExpertiseName(ExpertiseOf(side)));
  s.ship->Set(SimulatorShipPicture(side));
  s.shield->Set(player ? PlayerShieldPicture() : EnemyShieldPicture());
  const int max = std::max(1, combat::BaseMaxShields(type));
  s.shieldText->Set(std::to_string(std::clamp(static_cast<int>(int64_t{ship[Sh::ShieldEnergy]} * 100 / max), 0, 999)) +
                    "%");
  s.combo->Set(SimulatorComboPicture(side));
  s.comboText->Set("Combo " + std::to_string(SimulatorCombo(side)) + "/" + std::to_string(kMaxCombo));
  for (int k = 0; k < 8; ++k) {
    const std::string icon = EffectIconPicture(side, k + 1);
    Picture* p = s.icons[static_cast<size_t>(k)];
    p->Set(icon);
    p->caption = EffectIconHint(side, k + 1);
    p->Show(!icon.empty());
  }
  const auto& flight = player ? Combat.PlayerMissile : Combat.EnemyMissile;
  s.missile->Show(flight.inFlight == 1);
  if (flight.inFlight == 1) {
    s.missilePicture->Set(SimulatorMissilePicture(side));
    s.missileCount->Set(Ticks(flight.turns));
  }
  for (size_t i = 0; i < kSimulatorPanels; ++i) {
    const SimulatorMessage& m = Sim.messages[static_cast<size_t>(side)][i];
    s.panels[i]->Show(m.ticksLeft > 0);
    s.topics[i]->Set(m.topic);
    s.texts[i]->Set(Fit(m.text, kPanelW - 16, s.texts[i]->style));
  }
}

void Screen_ShipCombat::RefreshDeck() {
  for (int k = 1; k <= kAbilityButtons; ++k) {
    AbilityButton* b = abilities_[static_cast<size_t>(k - 1)];
    const int id = SimulatorAbility(kPlayerSide, k);
    const int left = Sim.counters[kPlayerSide][static_cast<size_t>(k)];
    b->Show(id != 0);
    b->picture = SimulatorButtonPicture(kPlayerSide, k);
    b->caption = id != 0 ? combatActionName(id) : "";
    b->badge = left > 0 ? std::to_string(left) : "";
    keys_[static_cast<size_t>(k - 1)]->Show(id != 0);
    Picture* r = repertoire_[static_cast<size_t>(k - 1)];
    r->Set(SimulatorButtonPicture(kEnemySide, k));
    r->caption = combatActionName(SimulatorAbility(kEnemySide, k));
    r->Show(SimulatorAbility(kEnemySide, k) != 0);
  }
  for (int i = 0; i < kSimulatorSpeeds; ++i) speeds_[static_cast<size_t>(i)]->SetOn(Sim.speed == i);
  // The strip's caption sits just left of its leftmost button.
  int shown = 0;
  for (int k = 1; k <= kAbilityButtons; ++k) shown = SimulatorAbility(kEnemySide, k) != 0 ? k : shown;
  strip_->rect.x = kW - 48 - shown * 27 + 3 - 126;
  strip_->Show(shown > 0);
}

bool Screen_ShipCombat::KeyDown(SDL_Keycode key) {
  if (key == SDLK_ESCAPE) {
    if (info_->Visible())
      info_->Hide();
    else
      Leave();
    return true;
  }
  if (key >= SDLK_F1 && key <= SDLK_F4) {
    SetSpeed(static_cast<int>(key - SDLK_F1));
    return true;
  }
  if (key == SDLK_LEFT || key == SDLK_RIGHT) {
    SetSpeed(std::clamp(Sim.speed + (key == SDLK_RIGHT ? 1 : -1), 0, kSimulatorSpeeds - 1));
    return true;
  }
  if (key == SDLK_SPACE || key == SDLK_RETURN || key == SDLK_KP_ENTER) {
    SetSpeed(Sim.speed == 0 ? lastSpeed_ : 0);
    return true;
  }
  if (const int k = AbilityButtonOfKey(key)) {
    AbilityButton* b = abilities_[static_cast<size_t>(k - 1)];
    if (!b->visible) return true;
    UI().PlaySound("button.wav");
    ClearHover();
    Press(k);
    return true;
  }
  return Window::KeyDown(key);
}

void Screen_ShipCombat::DrawContent(int ox, int oy) const {
  // Beams across the gap while a side fires, a shield's glow while it is hit.
  for (int side = 0; side < 2; ++side) {
    const Side& s = sides_[static_cast<size_t>(side)];
    const Rect a = kShipArea[side];
    const Rect r{ox + a.x, oy + a.y, a.w, a.h};
    if (s.flash[0]) {
      const int y = r.y + r.h / 2;
      const Color beam = side == kPlayerSide ? Color{120, 220, 255, 230} : Color{255, 120, 90, 230};
      const int from = side == kPlayerSide ? r.x + r.w - 40 : r.x + 40;
      const int to = side == kPlayerSide ? ox + kShipArea[1].x + 60 : ox + kShipArea[0].x + kShipArea[0].w - 60;
      DrawLine(from, y - 6, to, y - 2, beam, 2.0);
      DrawLine(from, y + 6, to, y + 2, beam, 2.0);
    }
    if (s.flash[1]) {
      FrameRect({r.x + 6, r.y + 6, r.w - 12, r.h - 12}, {110, 200, 255, 160});
      FrameRect({r.x + 8, r.y + 8, r.w - 16, r.h - 16}, {110, 200, 255, 90});
    }
  }
}

}  // namespace qm::ui
