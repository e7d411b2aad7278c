#pragma once
// A frontend for tests: records every dialog and answers questions from a script.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "state/frontend.h"

namespace qm::test {

struct Shown {
  int dialog = 0;  // 0 for a question
  std::string topic;
  std::string text;
  std::string picture;
};

class ScriptedFrontend : public Frontend {
 public:
  ScriptedFrontend();
  ~ScriptedFrontend() override;

  void Message(int dialog, const std::string& topic, const std::string& text, const std::string& picture) override;
  bool Ask(const std::string& topic, const std::string& text) override;
  int Choose(const std::string& topic, const std::string& text, const std::string& first,
             const std::string& second) override;
  void ShowScreen(Screen screen) override;
  void HideScreen(Screen screen) override;

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
};

}  // namespace qm::test
