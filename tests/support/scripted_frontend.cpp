#include "support/scripted_frontend.h"

#include "world/travel.h"
#include "world/wormhole.h"

namespace qm::test {

ScriptedFrontend::ScriptedFrontend() { SetFrontend(this); }
ScriptedFrontend::~ScriptedFrontend() { SetFrontend(nullptr); }

void ScriptedFrontend::Message(int dialog, const std::string& topic, const std::string& text,
                               const std::string& picture) {
  shown.push_back({dialog, topic, text, picture});
}

bool ScriptedFrontend::Ask(const std::string& topic, const std::string& text) {
  shown.push_back({0, topic, text, ""});
  if (answers.empty()) return defaultAnswer;
  bool a = answers.front();
  answers.pop_front();
  return a;
}

int ScriptedFrontend::Choose(const std::string& topic, const std::string& text, const std::string&,
                             const std::string&) {
  return Ask(topic, text) ? 1 : 2;
}

bool ScriptedFrontend::AskWithPicture(const std::string& topic, const std::string& text, const std::string& picture) {
  const bool yes = Ask(topic, text);
  shown.back().picture = picture;
  return yes;
}

int ScriptedFrontend::ChooseWithPicture(const std::string& topic, const std::string& text, const std::string&,
                                        const std::string&, const std::string& picture) {
  return AskWithPicture(topic, text, picture) ? 1 : 2;
}

void ScriptedFrontend::ShowScreen(Screen screen) {
  screens.push_back(screen);
  if (onShow) onShow(screen);
  if (screen == Screen::Travel) RunTravelToArrival();
  if (screen == Screen::Jump) RunJumpToArrival();
  if (screen == Screen::ShipCombat && fightBattles) {
    FightBattle(pilot, [this] {
      if (moves.empty()) return -1;
      const int id = moves.front();
      moves.pop_front();
      return id;
    });
  }
}

void ScriptedFrontend::CombatMessage(int side, const std::string& topic, const std::string& text) {
  panel.push_back({side, topic, text});
}

int ScriptedFrontend::panelCount(const std::string& topic) const {
  int n = 0;
  for (const auto& p : panel) n += p.topic == topic;
  return n;
}

void ScriptedFrontend::HideScreen(Screen) {}

bool ScriptedFrontend::sawTopic(const std::string& topic) const { return count(topic) > 0; }

int ScriptedFrontend::count(const std::string& topic) const {
  int n = 0;
  for (const auto& s : shown) n += s.topic == topic;
  return n;
}

}  // namespace qm::test
