#pragma once
// The combat simulator's duel: the player's ship on the left, the pirate on
// the right, their shields, combo points, effects, missiles in flight and four
// fading message panels each; the player's twelve ability buttons with their
// recharge counts and the speed buttons "||", ">>", ">>>", ">>>>". The duel's
// rules live in combat/simulator.h: its timer runs one SimulatorTick per
// interval, the buttons call SimulatorPlayerAction, and the screen closes once
// the duel is over.
//
// Keys: 1 ... 9, 0, -, = the abilities; F1-F4 the speeds, Left/Right one
// speed down or up, Space pauses and resumes; Escape leaves the duel.
#include <memory>
#include <SDL.h>

#include <array>
#include <string>

#include "ui/info_popup.h"
#include "ui/window.h"

namespace qm::ui {

class AbilityButton;

class Screen_ShipCombat : public Window {
 public:
  Screen_ShipCombat();
  ~Screen_ShipCombat() override;
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnShow() override;
  void OnClose() override;
  bool OnCloseRequest() override;
  void DrawContent(int ox, int oy) const override;

 private:
  struct Side {
    Label* header = nullptr;
    Picture* ship = nullptr;
    Picture* shield = nullptr;
    Label* shieldText = nullptr;
    Picture* combo = nullptr;
    Label* comboText = nullptr;
    std::array<Picture*, 8> icons{};
    Panel* missile = nullptr;
    Picture* missilePicture = nullptr;
    Label* missileCount = nullptr;
    std::array<Panel*, 4> panels{};
    std::array<Label*, 4> topics{}, texts{};
    bool flash[2] = {false, false};  // firing, shield hit
  };

  void BuildSide(int side);
  void BuildDeck();
  void BuildInfo();
  void Refresh();
  void RefreshSide(int side);
  void RefreshDeck();
  void SetSpeed(int speed);
  void Press(int button);
  void AfterRules();
  void Flash(int side, int what);
  void StopTimers();
  void Leave();
  void Info(const std::string& topic, const std::string& text);

  std::array<Side, 2> sides_{};
  std::array<AbilityButton*, 12> abilities_{};
  std::array<Label*, 12> keys_{};
  std::array<Picture*, 12> repertoire_{};
  std::array<Button*, 4> speeds_{};
  Label* round_ = nullptr;
  Label* strip_ = nullptr;
  std::unique_ptr<InfoPopup> info_;
  int lastSpeed_ = 1;
};

}  // namespace qm::ui
