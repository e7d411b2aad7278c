#include "ui/Screen_ShipCombat2.h"

#include <algorithm>

#include "catalogue/career.h"
#include "catalogue/ships.h"
#include "combat/combat_display.h"
#include "combat/combat_rules.h"
#include "combat/combat_state.h"
#include "combat/ship_combat.h"
#include "platform/pictures.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "ui/ability_button.h"
#include "ui/battle_quit.h"
#include "ui/screens.h"
#include "ui/window_frontend.h"
#include "ui/info_popup.h"
#include "world/main_screen.h"
#include "world/tutorial.h"

namespace qm::ui {
namespace {

using combat::kEnemySide;
using combat::kPlayerSide;

// The six one-shot timers.
enum TimerId { kPlayerFire = 1, kEnemyFire, kPlayerShield, kEnemyShield, kPlayerMessage, kEnemyMessage };

constexpr int kW = 794, kH = 566;
constexpr Rect kShipArea[2] = {{44, 40, 330, 210}, {420, 40, 330, 210}};
constexpr int kIcon = 30, kIconStep = 34, kIconsY = 292;
constexpr int kButton = 52, kButtonStep = 56, kButtonsX = 14, kButtonsY = 410;
constexpr int kEndTurnItem = 13, kCompatibilityItem = 14;
constexpr const char* kKeys[12] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "="};
constexpr Color kGlass{6, 12, 28, 215};
constexpr Color kGlassEdge{70, 104, 150, 200};
constexpr Color kEnemyEdge{170, 80, 70, 200};

bool PlayersTurn() { return !Combat.CombatEnded && Game.Ship[Cb::AP] != kNotYourTurn; }

std::string Turns(int n) { return std::to_string(n) + (n == 1 ? " turn" : " turns"); }

int Percent(int shield, int max) { return static_cast<int>(static_cast<int64_t>(shield) * 100 / std::max(max, 1)); }

std::string ShipInfo(int side) {
  const IntRow& ship = side == kPlayerSide ? Game.Ship : Combat.EnemyShip;
  const int type = ship[Sh::ShipType];
  const int max = side == kPlayerSide ? combat::PlayerMaxShields() : combat::EnemyMaxShields();
  return shipClassName(type) + ". Shields: " + std::to_string(std::max(0, ship[Sh::ShieldEnergy])) + " of " +
         std::to_string(max) + ". " + shipDescriptionShort(type);
}

std::string RadarInfo(int side) {
  const int n = (side == kPlayerSide ? Game.Ship : Combat.EnemyShip)[Cb::Reinforcements];
  const bool mine = side == kPlayerSide;
  if (n == 0)
    return mine ? "Your reinforcements have arrived and attack the enemy ship every turn."
                : "The enemy reinforcements have arrived and attack your ship every turn.";
  return std::string(mine ? "Friendly" : "Enemy") + " fighters are on their way. They arrive in " + Turns(n) + ".";
}

}  // namespace

Screen_ShipCombat2::Screen_ShipCombat2() : Window("Screen_ShipCombat2", kW, kH) {
  background = "ShipCombat2_00.jpg";
  BuildSide(kPlayerSide);
  BuildSide(kEnemySide);
  decoration_ = &AddPicture({kW / 2 - 22, 6, 44, 44}, "");
  decoration_->name = "Decoration";
  decoration_->onDoubleClick = [this] {
    ShowScreen("Screen_Cheats");
    AfterRules();
  };
  BuildAbilityButtons();
  hint_ = &AddLabel({14, 486, kW - 28, 14},
                    "Keys: 1 ... 9, 0, -, = use the abilities  \u00b7  Enter ends the turn  \u00b7  right-click any item "
                    "for information  \u00b7  Esc quits the game",
                    Aligned(Small(10), Align::Centre));
  hint_->style.color = kDim;
  BuildCompatibilityLines();
  BuildInfoPanel();

  // The tutorial's pane sits between the two ships; the marker frames the
  // button of the ability its step asks for.
  tutorial_ = std::make_unique<TutorialPanel>(*this, TutorialScreen::ShipCombat, TutorialPanel::Place{294, 56});
  tutorial_->markerAt = [this](int step) -> Rect {
    const auto buttonOf = [](int id) -> Rect {
      for (int k = 1; k <= kAbilityButtons; ++k)
        if (Combat.AbilityBar[k] == id) return {kButtonsX + (k - 1) * kButtonStep, kButtonsY, kButton, kButton};
      return {};
    };
    switch (step) {
      case 13: return buttonOf(combat::Ab::FireMissiles);
      case 14: {
        const Rect discipline = buttonOf(combat::Ab::Discipline);
        if (discipline.w > 0) return discipline;
        for (int k = 4; k <= kAbilityButtons; ++k)  // without Discipline any other ability will do
          if (Combat.AbilityBar[k] > 0) return Rect{kButtonsX + (k - 1) * kButtonStep, kButtonsY, kButton, kButton};
        return {};
      }
      case 15: case 18: return endTurn_->rect;
      case 16: return buttonOf(combat::Ab::Ecm);
      case 17: return buttonOf(combat::Ab::FireGuns);
      default: return {};
    }
  };
}

void Screen_ShipCombat2::BuildSide(int side) {
  Side& s = sides_[side];
  const bool player = side == kPlayerSide;
  const Align outer = player ? Align::Left : Align::Right;
  s.header = &AddLabel(player ? Rect{16, 10, 340, 20} : Rect{kW - 356, 10, 340, 20}, "",
                       Shadowed(Aligned(Title(14), outer)));
  s.header->style.color = player ? kGold : Color{255, 170, 150, 255};

  const Rect area = kShipArea[side];
  s.ship = &AddPicture(area, "");
  s.ship->name = player ? "PlayerShip_Primary" : "EnemyShip_Primary";
  s.ship->onRightClick = [this, side] {
    const IntRow& ship = side == kPlayerSide ? Game.Ship : Combat.EnemyShip;
    Info((side == kPlayerSide ? "Your ship: " : "Enemy ship: ") + shipName(ship[Sh::ShipType]), ShipInfo(side));
  };

  s.radar = &AddPicture(player ? Rect{16, 36, 48, 48} : Rect{kW - 64, 36, 48, 48}, "");
  s.radar->name = player ? "ReinforcementsRadarImage_Left" : "ReinforcementsRadarImage_Right";
  s.radar->onRightClick = [this, side] { Info("Reinforcements", RadarInfo(side)); };

  s.shieldText = &AddLabel(player ? Rect{6, 92, 44, 14} : Rect{kW - 50, 92, 44, 14}, "",
                           Aligned(Small(10), Align::Centre));
  s.shield = &AddPicture(player ? Rect{18, 108, 20, 140} : Rect{kW - 38, 108, 20, 140}, "");
  s.shield->name = player ? "PlayerShieldDisplay" : "EnemyShieldDisplay";
  s.shield->onRightClick = [this, side] {
    Info(side == kPlayerSide ? "Your shields" : "Enemy shields",
         "The shield energy is the ship's life: when it falls below 1 the ship explodes. " + ShipInfo(side));
  };

  s.ap = &AddPicture(player ? Rect{44, 262, 150, 22} : Rect{kW - 194, 262, 150, 22}, "");
  s.ap->name = player ? "PlayerComboPointDisplay" : "EnemyComboPointDisplay";
  s.apText = &AddLabel(player ? Rect{200, 264, 120, 18} : Rect{kW - 320, 264, 120, 18}, "",
                       Aligned(Title(12), outer));
  if (!player) s.ap->caption = "mirrored";  // the enemy's gauge counts the points spent
  s.ap->onRightClick = [this, side] {
    Info("Action-points (AP)",
         side == kPlayerSide
             ? "Every ability costs action-points. They are refilled at the start of each of your turns."
             : "The enemy's action-points: what it has left to spend in its turn.");
  };

  for (int k = 0; k < 8; ++k) {
    // Each side's first effect sits at its outer edge.
    const int x = player ? kShipArea[0].x + k * kIconStep : kShipArea[1].x + kShipArea[1].w - kIcon - k * kIconStep;
    Picture& icon = AddPicture({x, kIconsY, kIcon, kIcon}, "");
    icon.name = (player ? "ModImage" : "EnemyModImage") + std::to_string(k + 1);
    icon.onRightClick = [this, side, k] {
      const auto& slot = (side == kPlayerSide ? Combat.PlayerEffects : Combat.EnemyEffects)[k + 1];
      if (slot.active != 1) return;
      Info("Active: " + combatActionName(slot.id),
           combatActionEffectText(slot.id) + " (" + Turns(slot.turns) + " left.)");
    };
    s.icons[static_cast<size_t>(k)] = &icon;
  }

  s.missile = &AddPanel(player ? Rect{262, 254, 110, 34} : Rect{422, 254, 110, 34});
  s.missile->name = player ? "MissilePic" : "EnemyMissilePic";
  s.missilePicture = &s.missile->AddPicture({0, 0, 110, 22}, "");
  s.missileCount = &s.missile->AddLabel({0, 22, 110, 12}, "", Aligned(Small(10), Align::Centre));
  s.missileCount->name = player ? "MissileCount" : "EnemyMissileCount";
  s.missile->onRightClick = [this, side] {
    const auto& m = side == kPlayerSide ? Combat.PlayerMissile : Combat.EnemyMissile;
    Info(side == kPlayerSide ? "Your missile" : "Enemy missile",
         std::string(side == kPlayerSide ? "Your missile hits the enemy ship in "
                                          : "The enemy missile hits your ship in ") +
             Turns(m.turns) + (side == kPlayerSide ? "." : ". ECM may destroy it before."));
  };
  s.missilePicture->onRightClick = s.missile->onRightClick;

  s.message = &AddPanel(player ? Rect{14, 332, 378, 68} : Rect{402, 332, 378, 68});
  s.message->fill = kGlass;
  s.message->border = player ? kGlassEdge : kEnemyEdge;
  s.topic = &s.message->AddLabel({10, 6, 358, 18}, "", Title(13));
  s.topic->name = player ? "PlayerMessage1_Topic" : "EnemyMessage1_Topic";
  s.topic->style.color = player ? kGold : Color{255, 170, 150, 255};
  s.text = &s.message->AddLabel({10, 26, 358, 40}, "", Body(11));
  s.text->name = player ? "PlayerMessage1_Text" : "EnemyMessage1_Text";
  s.message->visible = false;
}

void Screen_ShipCombat2::BuildAbilityButtons() {
  for (int k = 1; k <= kAbilityButtons; ++k) {
    const int x = kButtonsX + (k - 1) * kButtonStep;
    auto button = std::make_unique<AbilityButton>();
    button->item = k;
    button->rect = {x, kButtonsY, kButton, kButton};
    button->prefix = "ShipCombat2";
    button->name = "AbilityButton" + std::to_string(k);
    button->onClick = [this, k] { PressAbility(k); };
    button->onRightClick = [this, k] {
      const int id = AbilityOnButton(k);
      if (id == 0) return;
      Info(combatActionName(id), combatActionDescription(id) + "\n\nAction-Points required: " +
                                     std::to_string(combatActionCost(id)));
    };
    abilities_[static_cast<size_t>(k - 1)] = &Root().Add(std::move(button));
    Label& key = AddLabel({x, kButtonsY + kButton + 2, kButton, 12}, kKeys[k - 1], Aligned(Small(9), Align::Centre));
    key.style.color = kDim;
    keyLabels_[static_cast<size_t>(k - 1)] = &key;
    // In the compatibility mode the ability's name takes the key's place under its button.
    Label& name = AddLabel({x - 2, kButtonsY + kButton + 1, kButton + 4, 22}, "", Aligned(Small(8), Align::Centre));
    nameLabels_[static_cast<size_t>(k - 1)] = &name;
  }
  endTurn_ = &AddButton(kEndTurnItem, {692, kButtonsY, 88, kButton}, "ShipCombat2", "End this turn", [this] { EndTurn(); });
  endTurn_->captionStyle = Caption(12);
  SetDefault(endTurn_);
  turnLabel_ = &AddLabel({692, kButtonsY + kButton + 2, 88, 14}, "", Aligned(Small(10), Align::Centre));
}

void Screen_ShipCombat2::BuildCompatibilityLines() {
  // Under the ability names: the line that turns the mode off, then the battle in words.
  compatibility_ = &AddPanel({0, 487, kW, kH - 487});
  compatibilityOff_ = &compatibility_->AddLabel(
      {14, 1, kW - 28, 13}, "Compatibility mode for the visually impaired (Click to turn off!)",
      Aligned(Small(10), Align::Centre), kCompatibilityItem);
  compatibilityOff_->style.color = kGold;
  compatibilityOff_->onClick = [this] {
    setCompatibilityMode(false);
    RefreshDisplay();
  };
  // Your shields, AP, your missile, your reinforcements on the left; the enemy's on the right.
  for (size_t i = 0; i < statusLines_.size(); ++i) {
    const bool left = i < 4;
    const int row = left ? static_cast<int>(i) : static_cast<int>(i) - 4;
    statusLines_[i] = &compatibility_->AddLabel({left ? 14 : 402, 15 + row * 12, 378, 12}, "", Small(10));
  }
  compatibility_->visible = false;
}

void Screen_ShipCombat2::BuildInfoPanel() {
  info_ = std::make_unique<InfoPopup>(*this, 197, 200);
}

// A program that quits during a battle never closes the screen: its hooks go with it.
Screen_ShipCombat2::~Screen_ShipCombat2() { OnClose(); }

void Screen_ShipCombat2::OnShow() {
  WindowFrontend& fe = TheFrontend();
  fe.onCombatMessage = [this](int side, const std::string& topic, const std::string& text) {
    ShowCombatMessage(side, topic, text);
  };
  fe.onCombatAnimation = [this](int side, int what) { Animate(side, what); };
  fe.onRefreshCombat = [this] { RefreshDisplay(); };
  StopAllTimers();
  for (Side& s : sides_) {
    s.variant = 0;
    s.message->visible = false;
    s.shownTopic.clear();
    s.shownText.clear();
  }
  info_->Hide();
  decoration_->Set(Game.FactionText[Game.Player[Pl::Faction]][FacT::Logo] + ".jpg");
  LayOutShips();
  RefreshDisplay();
  if (Combat.CombatEnded) Close();
}

void Screen_ShipCombat2::OnClose() {
  StopAllTimers();
  WindowFrontend& fe = TheFrontend();
  fe.onCombatMessage = nullptr;
  fe.onCombatAnimation = nullptr;
  fe.onRefreshCombat = nullptr;
}

bool Screen_ShipCombat2::OnCloseRequest() {
  if (Combat.CombatEnded) return true;
  AskToQuit();
  return false;
}

// The smaller ship is drawn smaller, by the ratio of the two ship classes.
void Screen_ShipCombat2::LayOutShips() {
  const int mine = std::max(1, combat::ShipClass(Game.Ship[Sh::ShipType]));
  const int theirs = std::max(1, combat::ShipClass(Combat.EnemyShip[Sh::ShipType]));
  const int larger = std::max(mine, theirs);
  for (int side = 0; side < 2; ++side) {
    const int cls = side == kPlayerSide ? mine : theirs;
    const double f = 0.55 + 0.45 * cls / larger;
    const Rect a = kShipArea[side];
    const int w = static_cast<int>(a.w * f), h = static_cast<int>(a.h * f);
    sides_[static_cast<size_t>(side)].ship->rect = {a.x + (a.w - w) / 2, a.y + (a.h - h) / 2, w, h};
  }
}

void Screen_ShipCombat2::RefreshDisplay() {
  RefreshSide(kPlayerSide);
  RefreshSide(kEnemySide);
  RefreshButtons();
  RefreshCompatibility();
  Invalidate();
}

void Screen_ShipCombat2::RefreshSide(int side) {
  Side& s = sides_[static_cast<size_t>(side)];
  const bool player = side == kPlayerSide;
  const IntRow& ship = player ? Game.Ship : Combat.EnemyShip;
  const int type = ship[Sh::ShipType];
  s.header->Set(player ? "Your " + shipName(type) + " (" + shipClassName(type) + ")"
                       : Game.FactionText[ship[Sh::ShipFaction]][FacT::FullName] + " " + shipName(type));
  s.ship->Set(CombatShipPicture(side, s.variant));
  s.shield->Set(player ? PlayerShieldPicture() : EnemyShieldPicture());
  // Bonuses may lift a shield above its type's maximum; the label stays in its place.
  s.shieldText->Set(std::to_string(std::clamp(Percent(ship[Sh::ShieldEnergy], combat::BaseMaxShields(type)), 0, 999)) +
                    "%");
  s.ap->Set(player ? PlayerApPicture() : EnemyApPicture());
  if (player && !PlayersTurn())
    s.apText->Set("");
  else
    s.apText->Set(std::to_string(std::max(0, ship[Cb::AP])) + " AP");
  for (int k = 0; k < 8; ++k) {
    const std::string icon = EffectIconPicture(side, k + 1);
    Picture* p = s.icons[static_cast<size_t>(k)];
    p->Set(icon);
    p->caption = EffectIconHint(side, k + 1);
    p->Show(!icon.empty());
  }
  const bool flying = MissilePanelVisible(side);
  s.missile->Show(flying);
  if (flying) {
    const bool mine = MissilePanelSmall(side);
    s.missilePicture->rect = mine ? Rect{41, 0, 28, 22} : Rect{0, 0, 110, 22};
    s.missilePicture->Set(MissilePicture(side));
    s.missileCount->Set(Turns(MissileCountLabel(side)) + " to impact");
  }
  const std::string radar = RadarPicture(side);
  s.radar->Set(radar);
  s.radar->Show(!radar.empty());
}

void Screen_ShipCombat2::RefreshButtons() {
  const bool mine = PlayersTurn();
  for (int k = 1; k <= kAbilityButtons; ++k) {
    auto* b = static_cast<AbilityButton*>(abilities_[static_cast<size_t>(k - 1)]);
    const int id = AbilityOnButton(k);
    b->Show(id != 0);
    b->picture = AbilityButtonPicture(k);
    b->caption = id != 0 ? combatActionName(id) : "";
    b->enabled = mine;
    keyLabels_[static_cast<size_t>(k - 1)]->Show(id != 0 && !General.Option.CompatibilityMode);
  }
  endTurn_->enabled = mine && Combat.EndTurnEnabled;
  turnLabel_->Set(Combat.CombatEnded ? "" : mine ? "Your turn" : "Enemy's turn");
  turnLabel_->style.color = mine ? Color{150, 230, 160, 255} : Color{255, 170, 150, 255};
}

void Screen_ShipCombat2::RefreshCompatibility() {
  const bool on = General.Option.CompatibilityMode;
  compatibility_->Show(on);
  hint_->Show(!on);
  const auto texts = CompatibilityTexts();  // names on buttons 4..12, then the seven status lines
  for (int k = 1; k <= kAbilityButtons; ++k) {
    const int id = AbilityOnButton(k);
    std::string name = k >= 4 && static_cast<size_t>(k - 4) < texts.size() ? texts[static_cast<size_t>(k - 4)]
                                                                          : combatActionName(id);
    nameLabels_[static_cast<size_t>(k - 1)]->Set(on && id != 0 ? name : "");
  }
  if (!on || texts.size() < 16) return;
  // Left column: your shields, AP, your missile, your reinforcements; right: the enemy's.
  static constexpr size_t kOrder[7] = {9, 11, 12, 14, 10, 13, 15};
  for (size_t i = 0; i < statusLines_.size(); ++i) statusLines_[i]->Set(texts[kOrder[i]]);
}

void Screen_ShipCombat2::ShowCombatMessage(int side, const std::string& topic, const std::string& text) {
  if (side != kPlayerSide && side != kEnemySide) return;
  Side& s = sides_[static_cast<size_t>(side)];
  s.topic->Set(topic);
  s.text->Set(text);
  s.shownTopic = topic;
  s.shownText = text;
  s.message->Show(true);
  const int id = side == kPlayerSide ? kPlayerMessage : kEnemyMessage;
  StartTimer(id, CombatMessageInterval(side), [this, side] { MessageTimerFired(side); });
}

void Screen_ShipCombat2::Animate(int side, int what) {
  if (side != kPlayerSide && side != kEnemySide) return;
  Side& s = sides_[static_cast<size_t>(side)];
  s.variant = what == 0 ? 2 : 1;
  s.ship->Set(CombatShipPicture(side, s.variant));
  const int id = what == 0 ? (side == kPlayerSide ? kPlayerFire : kEnemyFire)
                           : (side == kPlayerSide ? kPlayerShield : kEnemyShield);
  StartTimer(id, CombatAnimationInterval(side, what), [this, id, side] {
    StopTimer(id);
    Side& back = sides_[static_cast<size_t>(side)];
    back.variant = 0;
    back.ship->Set(CombatShipPicture(side, 0));
  });
}

void Screen_ShipCombat2::MessageTimerFired(int side) {
  StopTimer(side == kPlayerSide ? kPlayerMessage : kEnemyMessage);
  Side& s = sides_[static_cast<size_t>(side)];
  s.message->Show(false);
  if (General.Option.CompatibilityMode && !s.shownTopic.empty()) {
    const std::string topic = s.shownTopic, text = s.shownText;
    s.shownTopic.clear();
    Notify(topic, text);  // read out once more for the player who cannot see the panel
    if (Run.QuitToMenu || Quitting()) return AfterRules();
  }
  if (side == kEnemySide && Combat.EnemyShip[Cb::ScriptPaused] == 1) {
    Combat.EnemyShip[Cb::ScriptPaused] = 0;
    EnemyTurnStep();
  }
  AfterRules();
}

void Screen_ShipCombat2::AfterRules() {
  if (Run.QuitToMenu || Quitting() || Combat.CombatEnded) {
    StopAllTimers();
    Close();
    return;
  }
  // The enemy's script waits for this timer whether or not its last step showed a message.
  if (Combat.EnemyShip[Cb::ScriptPaused] == 1 && !TimerRunning(kEnemyMessage))
    StartTimer(kEnemyMessage, CombatMessageInterval(kEnemySide), [this] { MessageTimerFired(kEnemySide); });
  RefreshDisplay();
}

void Screen_ShipCombat2::StopAllTimers() {
  for (int id = kPlayerFire; id <= kEnemyMessage; ++id) StopTimer(id);
}

void Screen_ShipCombat2::PressAbility(int button) {
  HideInfo();
  const int id = AbilityOnButton(button);
  if (id == 0 || !PlayersTurn()) return;
  PlayerAction(id);
  AfterRules();
}

void Screen_ShipCombat2::EndTurn() {
  HideInfo();
  if (!PlayersTurn()) return;
  EndTurnButton();
  AfterRules();
}

void Screen_ShipCombat2::AskToQuit() {
  HideInfo();
  if (!AskQuitFromBattle()) return;
  StopAllTimers();
  Close();
}

void Screen_ShipCombat2::Info(const std::string& topic, const std::string& text) {
  info_->Show(topic, text);
}

void Screen_ShipCombat2::HideInfo() { info_->Hide(); }

bool Screen_ShipCombat2::KeyDown(SDL_Keycode key) {
  if (key == SDLK_ESCAPE) {
    if (info_->Visible())
      HideInfo();
    else
      AskToQuit();
    return true;
  }
  if (const int k = AbilityButtonOfKey(key)) {
    Button* b = abilities_[static_cast<size_t>(k - 1)];
    if (!b->visible || !b->enabled) return true;  // an empty or resting button: nothing, not even a click
    UI().PlaySound("button.wav");
    ClearHover();
    PressAbility(k);
    return true;
  }
  return Window::KeyDown(key);
}

void Screen_ShipCombat2::DrawContent(int ox, int oy) const {
  // Dark glass under the headers and the control deck, so text reads over any backdrop.
  FillRect({ox, oy, kW, 32}, {6, 10, 24, 255});
  FillRect({ox, oy + 404, kW, kH - 404}, {5, 9, 21, 255});
  FillRect({ox, oy + 403, kW, 1}, kGlassEdge);
}

}  // namespace qm::ui
