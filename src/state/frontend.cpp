#include "state/frontend.h"

#include "state/game_state.h"

namespace qm {
namespace {

class SilentFrontend final : public Frontend {
 public:
  void Message(int, const std::string&, const std::string&, const std::string&) override {}
  bool Ask(const std::string&, const std::string&) override { return true; }
  int Choose(const std::string&, const std::string&, const std::string&, const std::string&) override { return 1; }
  void ShowScreen(Screen) override {}
};

SilentFrontend silent;
Frontend* current = &silent;

}  // namespace

Frontend& UI() { return *current; }

void SetFrontend(Frontend* frontend) { current = frontend ? frontend : &silent; }

void Notify(const std::string& topic, const std::string& text, const std::string& picture) {
  Notify(3, topic, text, picture);
}

void Notify(int dialog, const std::string& topic, const std::string& text, const std::string& picture) {
  if (Run.Presimulating) return;
  UI().Message(dialog, topic, text, picture);
}

bool AskYesNo(const std::string& topic, const std::string& text) {
  const bool yes = Run.Presimulating ? true : UI().Ask(topic, text);
  Run.DialogResult = yes ? 1 : 0;
  return yes;
}

bool AskYesNo(const std::string& topic, const std::string& text, const std::string& picture) {
  const bool yes = Run.Presimulating ? true : UI().AskWithPicture(topic, text, picture);
  Run.DialogResult = yes ? 1 : 0;
  return yes;
}

void Notify(const DialogContent& d) {
  if (Run.Presimulating) return;
  UI().ShowDialog(d);
}

void Notify(const AwardContent& a) {
  if (Run.Presimulating) return;
  UI().ShowAward(a);
}

std::string MergedText(const AwardContent& a) {
  return a.intro + " " + a.award + " " + a.kindLine + " " + a.motto;
}

std::string MergedText(const DialogContent& d) {
  std::string out;
  const auto add = [&out](const std::string& part) {
    if (part.empty()) return;
    if (!out.empty()) out += ' ';
    out += part;
  };
  add(d.title2);
  add(d.text);
  add(d.blockHeader);
  add(d.blockText);
  add(d.scoreLine);
  add(d.newsText);
  return out;
}

}  // namespace qm
