#pragma once
// A frontend for tests: records every dialog and answers questions from a script.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "combat/autopilot.h"
#include "state/frontend.h"

namespace qm::test {

struct Shown {
  int dialog = 0;  // 0 for a question
  std::string topic;
  std::string text;
  std::string picture;
};

// A message on a combat panel (side 0 the player's, 1 the enemy's).
struct PanelLine {
  int side = 0;
  std::string topic;
  std::string text;
};

class ScriptedFrontend : public Frontend {
 public:
  ScriptedFrontend();
  ~ScriptedFrontend() override;

  void Message(int dialog, const std::string& topic, const std::string& text, const std::string& picture) override;
  bool Ask(const std::string& topic, const std::string& text) override;
  // Questions with a picture are recorded with it (as a question, dialog 0).
  bool AskWithPicture(const std::string& topic, const std::string& text, const std::string& picture) override;
  int ChooseWithPicture(const std::string& topic, const std::string& text, const std::string& first,
                        const std::string& second, const std::string& picture) override;
  int Choose(const std::string& topic, const std::string& text, const std::string& first,
             const std::string& second) override;
  void ShowScreen(Screen screen) override;
  void HideScreen(Screen screen) override;
  void CombatMessage(int side, const std::string& topic, const std::string& text) override;
  // Tunes asked for, as "channel file".
  void PlayMusic(int channel, const std::string& oggFile) override {
    tunes.push_back(std::to_string(channel) + " " + oggFile);
  }
  std::vector<std::string> tunes;

  // Queue answers for the next questions; when the queue is empty `defaultAnswer` is used.
  void answer(bool yes) { answers.push_back(yes); }
  bool sawTopic(const std::string& topic) const;
  int count(const std::string& topic) const;

  std::deque<bool> answers;
  bool defaultAnswer = true;
  std::vector<Shown> shown;
  std::vector<Screen> screens;
  // Runs while a screen is shown (a test acts on the open screen here).
  std::function<void(Screen)> onShow;

  // Battles shown with ShowScreen(ShipCombat) are fought by `pilot`; in manual
  // mode the moves come from `moves` (ability ids, 0 ends the turn) and the
  // built-in pilot finishes the battle when they run out.
  PilotMode pilot = PilotMode::Auto;
  // False: a battle shown is not fought at all; the test sets its outcome itself.
  bool fightBattles = true;
  std::deque<int> moves;
  std::vector<PanelLine> panel;
  int panelCount(const std::string& topic) const;
};

}  // namespace qm::test
