#include "ui/Select_Race.h"

#include <algorithm>

#include "catalogue/faction_stories.h"
#include "catalogue/professions.h"
#include "state/game_state.h"
#include "world/main_screen.h"
#include "world/tutorial.h"

namespace qm::ui {
namespace {

struct FactionLook {
  const char* fullName;
  const char* logo;
};
constexpr FactionLook kLooks[] = {{"", ""},
                                  {"Federation Of Planets", "FederationLogo.jpg"},
                                  {"Outer Rim Alliance", "OuterRimLogo.jpg"},
                                  {"Trading Coalition", "CoalitionLogo.jpg"},
                                  {"Syndicate Of Arms", "SyndicateLogo.jpg"}};

TextStyle Quote() {
  TextStyle s = Body(11);
  s.font = Font::Serif;
  s.color = {196, 206, 224, 255};
  return s;
}

}  // namespace

Select_Race::Select_Race() : Window("Select_Race", 793, 600) {
  background = "SelectRace_00.jpg";
  AddLabel({26, 19, 360, 30}, "Choose your faction", Title(20));
  for (int f = 1; f <= 4; ++f) {
    const int x = 20 + ((f - 1) % 2) * 186, y = 54 + ((f - 1) / 2) * 162;
    panels_[f] = &AddButton(f, {x, y, 176, 152}, "SelectRace", "", [this, f] { Choose(f); }, PictureKind::Toggle);
    AddPicture({x + 33, y + 12, 110, 100}, kLooks[f].logo);
    TextStyle cap = Caption(13);
    AddLabel({x, y + 118, 176, 28}, factionSelectionName(f), cap, f);
  }
  selection_ = &AddBox({}, {0, 0, 0, 0}, kGold);
  AddBox({20, 384, 362, 152}, {6, 10, 22, 170}, {70, 96, 136, 255});
  AddLabel({34, 394, 334, 20}, "Recommendation", Title(13));
  summary_ = &AddLabel({34, 420, 334, 110}, "", Body(12));

  // The faction's story on dark glass, like the recommendation: readable over any sky.
  AddBox({396, 50, 381, 488}, {6, 10, 22, 150});
  name_ = &AddLabel({404, 19, 369, 30}, "", Title(20));
  quote1_ = &AddLabel({404, 56, 369, 66}, "", Quote());
  quote2_ = &AddLabel({404, 126, 369, 66}, "", Quote());
  AddBox({404, 200, 369, 1}, {96, 120, 160, 160});
  story_ = &AddLabel({404, 212, 369, 326}, "", Body(11));

  auto& go = AddButton(5, {627, 544, 140, 36}, "SelectRace", "Continue", [this] {
    TutorialHook(TutorialEvent::FactionContinue);
    Game.Player[Pl::Portrait] = 0;
    Close();
  });
  SetDefault(&go);

  // The compatibility mode spells out the choice and how to change it.
  TextStyle line = Small(10);
  line.wrap = false;
  spoken_ = &AddLabel({20, 542, 596, 14}, "", line);
  turnOff_ = &AddLabel({20, 560, 596, 14}, "Compatibility mode for the visually impaired (Click to turn off!)", line, 6);
  turnOff_->style.color = kGold;
  turnOff_->onClick = [this] {
    setCompatibilityMode(false);
    Choose(Game.Player[Pl::Faction]);
  };
  tutorial_ = std::make_unique<TutorialPanel>(*this, TutorialScreen::Faction, TutorialPanel::Place{571, 236});
}

bool Select_Race::KeyDown(SDL_Keycode key) {
  const int f = Game.Player[Pl::Faction];
  int next = 0;
  if (key >= SDLK_1 && key <= SDLK_4) next = static_cast<int>(key - SDLK_1) + 1;
  if (key == SDLK_RIGHT || key == SDLK_DOWN) next = f % 4 + 1;
  if (key == SDLK_LEFT || key == SDLK_UP) next = (f + 2) % 4 + 1;
  if (next == 0) return Window::KeyDown(key);
  Choose(next);
  return true;
}

void Select_Race::OnShow() {
  const int f = Game.Player[Pl::Faction];
  Choose(f >= 1 && f <= 4 ? f : 1);
}

void Select_Race::Choose(int faction) {
  Game.Player[Pl::Faction] = faction;
  for (int f = 1; f <= 4; ++f) panels_[f]->SetOn(f == faction);
  const Rect r = panels_[faction]->rect;
  selection_->rect = {r.x - 2, r.y - 2, r.w + 4, r.h + 4};
  Invalidate();
  name_->Set(kLooks[faction].fullName);
  summary_->Set(factionSummary(faction));
  quote1_->Set(factionQuotation(faction, 1));
  quote2_->Set(factionQuotation(faction, 2));
  int w = 0, h = 0;
  platform::MeasureText(quote1_->text, quote1_->rect.w, quote1_->style, w, h);
  quote2_->rect.y = quote1_->rect.y + std::min(h, 70) + 14;
  story_->Set(factionBackground(faction));
  const bool spoken = General.Option.CompatibilityMode;
  spoken_->Set(spoken ? std::string("Selected faction: ") + kLooks[faction].fullName +
                            ". Press 1 to 4 or click a faction picture to choose another, then Continue."
                      : "");
  spoken_->Show(spoken);
  turnOff_->Show(spoken);
}

}  // namespace qm::ui
