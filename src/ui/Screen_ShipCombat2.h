#pragma once
// The ship combat screen: the player's ship on the left, the enemy on the
// right, their gauges, effect icons, missiles in flight, reinforcement radars
// and message panels; the twelve ability buttons and "End this turn".
//
// The rules drive it through the frontend (messages, animations, refreshes);
// its six one-shot timers hide the messages and the animations again, and the
// enemy message timer moves the enemy's turn on, one action per interval.
#include <memory>
#include <array>
#include <string>

#include "ui/TutorialPanel.h"
#include "ui/info_popup.h"
#include "ui/window.h"

namespace qm::ui {

class Screen_ShipCombat2 : public Window {
 public:
  Screen_ShipCombat2();
  ~Screen_ShipCombat2() override;

  // The rules' requests while the battle is on screen.
  void ShowCombatMessage(int side, const std::string& topic, const std::string& text);
  void Animate(int side, int what);
  void RefreshDisplay();

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
    int variant = 0;  // 0 normal, 1 shield flash, 2 firing
    Picture* shield = nullptr;
    Label* shieldText = nullptr;
    Picture* ap = nullptr;
    Label* apText = nullptr;
    std::array<Picture*, 8> icons{};
    Panel* missile = nullptr;
    Picture* missilePicture = nullptr;
    Label* missileCount = nullptr;
    Picture* radar = nullptr;
    Panel* message = nullptr;
    Label* topic = nullptr;
    Label* text = nullptr;
    std::string shownTopic, shownText;  // repeated in the compatibility mode
  };

  void BuildSide(int side);
  void BuildAbilityButtons();
  void BuildInfoPanel();
  void BuildCompatibilityLines();
  void LayOutShips();
  void RefreshSide(int side);
  void RefreshButtons();
  void RefreshCompatibility();

  void PressAbility(int button);
  void EndTurn();
  // After every call into the rules: close when the battle is over, keep the
  // enemy's turn moving, redraw.
  void AfterRules();
  void MessageTimerFired(int side);
  void StopAllTimers();
  void Info(const std::string& topic, const std::string& text);
  void HideInfo();
  void AskToQuit();

  std::array<Side, 2> sides_{};
  std::array<Button*, 12> abilities_{};
  std::array<Label*, 12> keyLabels_{};
  std::array<Label*, 12> nameLabels_{};
  Button* endTurn_ = nullptr;
  Label* turnLabel_ = nullptr;
  Label* hint_ = nullptr;
  Picture* decoration_ = nullptr;
  std::unique_ptr<InfoPopup> info_;
  Panel* compatibility_ = nullptr;
  std::array<Label*, 7> statusLines_{};
  Label* compatibilityOff_ = nullptr;
  std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace qm::ui
