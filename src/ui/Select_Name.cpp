#include "ui/Select_Name.h"

#include "catalogue/career.h"
#include "state/cp1252.h"
#include "state/game_state.h"
#include "world/tutorial.h"

namespace qm::ui {

bool NameCharacterAllowed(const std::string& ch) {
  if (ch.empty()) return false;
  const auto lead = static_cast<unsigned char>(ch[0]);
  if (lead < 0x20 || lead == 0x7F) return false;
  // Characters the savegame's code page lacks would come back as '?'.
  const std::string stored = Utf8ToCp1252(ch);
  return stored.size() == 1 && (stored != "?" || ch == "?");
}

Select_Name::Select_Name() : Window("Select_Name", 373, 550) {
  background = "SelectName_00.jpg";
  TextStyle title = Title(20);
  title.align = Align::Centre;
  AddLabel({20, 14, 333, 30}, "Your pilot", title);
  AddBox({75, 51, 222, 262}, {0, 0, 0, 0}, {110, 140, 190, 255});
  portrait_ = &AddPicture({76, 52, 220, 260}, "");
  AddButton(1, {22, 162, 42, 42}, "SelectName", "<", [this] { Browse(-1); });
  AddButton(2, {309, 162, 42, 42}, "SelectName", ">", [this] { Browse(+1); });
  TextStyle small = Small(10);
  small.align = Align::Centre;
  counter_ = &AddLabel({20, 320, 333, 16}, "", small);
  AddLabel({24, 352, 325, 18}, "Name:", Title(12));
  TextStyle field = Body(14);
  name_ = &AddTextField({24, 374, 325, 36}, kPrompt, field);
  name_->maxChars = 30;
  name_->accept = NameCharacterAllowed;
  TextStyle hint = Small(10);
  AddLabel({24, 416, 325, 30}, "Type your name; Enter continues. At most 30 characters.", hint);
  auto& go = AddButton(3, {116, 496, 140, 36}, "SelectName", "Continue", [this] {
    TutorialHook(TutorialEvent::NameContinue);
    Game.PlayerName = name_->text == kPrompt ? "Incognito" : SanitizeTypedName(name_->text);
    Game.Player[Pl::Profession] = 1;
    Close();
  });
  SetDefault(&go);
  tutorial_ = std::make_unique<TutorialPanel>(*this, TutorialScreen::Name, TutorialPanel::Place{-210, 120});
}

void Select_Name::OnShow() {
  name_->text = kPrompt;
  name_->replaceOnType = true;
  Focus(name_);
  Browse(0);
}

void Select_Name::Browse(int step) {
  int p = Game.Player[Pl::Portrait] + step;
  if (p > 2) p = 0;
  if (p < 0) p = 2;
  Game.Player[Pl::Portrait] = p;
  portrait_->Set(portraitPicture(p, 20));
  counter_->Set("Portrait " + std::to_string(p + 1) + " of 3");
}

}  // namespace qm::ui
