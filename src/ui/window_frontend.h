#pragma once
// The rules' Frontend on the window: message dialogs, questions, and the modal
// screens by their unit names (ui/screens.h). Screens that show the state
// install their refresh hooks here (the main screen sets onRefreshMainScreen).
#include <functional>
#include <string>

#include "state/frontend.h"

namespace qm::ui {

class WindowFrontend : public Frontend {
 public:
  void Message(int dialog, const std::string& topic, const std::string& text, const std::string& picture) override;
  void ShowDialog(const DialogContent& d) override;
  bool Ask(const std::string& topic, const std::string& text) override;
  bool AskWithPicture(const std::string& topic, const std::string& text, const std::string& picture) override;
  int ChooseWithPicture(const std::string& topic, const std::string& text, const std::string& first,
                        const std::string& second, const std::string& picture) override;
  int Choose(const std::string& topic, const std::string& text, const std::string& first,
             const std::string& second) override;
  void ShowAward(const AwardContent& a) override;
  void ShowScreen(Screen screen) override;
  void HideScreen(Screen screen) override;
  void PlaySound(const std::string& wavFile) override;
  void PlayMusic(int channel, const std::string& oggFile) override;
  bool MainScreenOnTop() override;
  void TutorialChanged() override;
  void MusicSwitched(bool on) override;
  void RefreshMainScreen(int system) override;
  void RefreshExperience() override;
  void RefreshTradePopup() override;
  void RefreshSpaceObjects() override;
  void CombatMessage(int side, const std::string& topic, const std::string& text) override;
  void CombatAnimation(int side, int what) override;
  void RefreshCombat() override;

  std::function<void(int)> onRefreshMainScreen;
  std::function<void()> onRefreshExperience, onRefreshTradePopup, onRefreshSpaceObjects;
  // Called with every sound and tune request before it plays (tests listen here).
  std::function<void(const std::string&)> onPlaySound;
  std::function<void(int, const std::string&)> onPlayMusic;
  // Set by the combat screen while it is open.
  std::function<void(int, const std::string&, const std::string&)> onCombatMessage;
  std::function<void(int, int)> onCombatAnimation;
  std::function<void()> onRefreshCombat;
};

// The unit name of a screen the rules ask for ("Screen_Travel" for the main screen).
const char* UnitOf(Screen screen);
WindowFrontend& TheFrontend();

}  // namespace qm::ui
