#pragma once
// The main screen: the star system with its planets, suns, wormholes, hideouts
// and space objects, the pilot's status, the log and the news, and the seven
// action buttons. It stays open for the whole game; every other screen opens
// over it and returns to it.
#include <memory>
#include <array>

#include "ui/TutorialPanel.h"
#include "ui/window.h"

namespace qm::ui {

class Screen_Travel : public Window {
 public:
  Screen_Travel();
  ~Screen_Travel() override;
  // Shows `system` anew (the rules' RefreshMainScreen).
  void Refresh(int system);
  bool KeyDown(SDL_Keycode key) override;

 protected:
  void OnShow() override;
  void OnClose() override;
  void OnUncovered() override;
  bool OnCloseRequest() override;

 private:
  struct Place {
    Picture* picture = nullptr;
    Label* name = nullptr;
    Label* price = nullptr;
  };

  void BuildStatusBar();
  void BuildNews();
  void BuildCommandBar();
  void BuildTargetPanel();
  void BuildOptionsPanel();
  void BuildTutorial();
  // The options panel's entry 0..4 ("Save a game" .. "Return to game"), window coordinates.
  Rect OptionEntry(int entry) const;
  Panel& AddMarker(const char* name, Color color, bool ticks);

  void Layout();
  void RefreshStatus();
  void RefreshNews();
  void RefreshMarkers();
  void RefreshButtons();
  void RefreshTarget();
  void RefreshPrices();
  void RefreshObjects();
  void RefreshCompatibility();
  void RefreshAll();

  void Select(int selection);
  void SelectAndTravel(int selection);
  void TravelAction();
  void LandHere();
  void ToggleInfo();
  void OpenTrade();
  void Missions();
  void Sensors();
  void Galaxy();
  void ShowOptions(bool on);
  void OpenNested(const char* unit);
  // After a nested screen: true when the game ended and the main screen closes.
  bool GameOver();
  void Quit();
  void ExitToMenu();

  std::array<Place, 16> places_{};   // locations 1..15
  std::array<Place, 5> objects_{};   // space-object places 1..4 (price unused)
  Panel* topCursor_ = nullptr;
  Panel* sideCursor_ = nullptr;
  Panel* missionCursor_ = nullptr;
  Picture* portrait_ = nullptr;
  Picture* ship_ = nullptr;
  Label* pilot_ = nullptr;
  Label* position_ = nullptr;
  Label* money_ = nullptr;
  Picture* shieldBar_ = nullptr;
  Label* shieldValue_ = nullptr;
  Label* levelCaption_ = nullptr;
  Picture* experienceBar_ = nullptr;
  Label* experienceValue_ = nullptr;
  Label* log_ = nullptr;
  Label* systemLine_ = nullptr;
  std::array<Label*, 6> news_{};
  std::array<Button*, 8> actions_{};
  Panel* invasion_ = nullptr;
  Panel* compatibility_ = nullptr;
  std::array<Label*, 12> compatibilityLines_{};
  Panel* target_ = nullptr;
  Label* targetTitle_ = nullptr;
  Picture* targetPicture_ = nullptr;
  Label* targetFaction_ = nullptr;
  Label* targetClass_ = nullptr;
  Label* targetText_ = nullptr;
  Panel* options_ = nullptr;
  std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace qm::ui
