#include "ui/Select_Profession.h"

#include "catalogue/career.h"
#include "catalogue/professions.h"
#include "catalogue/ships.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "world/tutorial.h"

namespace qm::ui {
namespace {

// Item numbers: professions 1..6, Continue 7, the three actions 11..13, the ability 14, the ship 15.
constexpr int kContinue = 7, kFirstAction = 11, kAbility = 14, kShip = 15;

std::string WithJpg(const std::string& name) {
  if (name.empty() || name.find('.') != std::string::npos) return name;
  return name + ".jpg";
}

TextStyle Link() {
  TextStyle s = Body(12);
  s.font = Font::SansBold;
  s.color = {150, 200, 255, 255};
  s.wrap = false;
  return s;
}

}  // namespace

Select_Profession::Select_Profession() : Window("Select_Profession", 800, 600) {
  background = "SelectProfession_00.jpg";
  AddLabel({26, 19, 400, 30}, "Choose your profession", Title(20));
  for (int p = 1; p <= 6; ++p) {
    const Rect r{20, 58 + (p - 1) * 56, 230, 48};
    buttons_[p] = &AddButton(p, r, "SelectProfession", "", [this, p] { Choose(p); }, PictureKind::Toggle);
    AddLabel(r, professionName(p), Caption(14), p);
  }
  selection_ = &AddBox({}, {0, 0, 0, 0}, kGold);
  AddBox({266, 58, 514, 480}, {6, 10, 22, 170}, {70, 96, 136, 255});
  name_ = &AddLabel({282, 68, 484, 30}, "", Title(20));
  description_ = &AddLabel({282, 104, 484, 96}, "", Body(12));
  AddLabel({282, 206, 484, 18}, "Combat abilities (click for details):", Title(12));
  TextStyle plain = Body(12);
  plain.wrap = false;
  basics_ = &AddLabel({282, 230, 160, 20}, "Guns, Missiles, ECM,", plain);  // every pilot's first three
  for (int k = 0; k < 3; ++k) {
    actions_[k] = &AddLabel({442 + k * 112, 230, 110, 20}, "", Link(), kFirstAction + k);
    actions_[k]->onClick = [this, k] { ShowActionInfo(k); };
  }
  AddLabel({282, 262, 484, 18}, "Special ability:", Title(12));
  ability_ = &AddLabel({282, 286, 300, 20}, "", Link(), kAbility);
  ability_->onClick = [this] { ShowAbilityInfo(); };
  AddLabel({282, 318, 484, 18}, "Starting ship:", Title(12));
  ship_ = &AddPicture({282, 342, 300, 168}, "");
  ship_->item = kShip;
  ship_->onClick = [this] { ShowShipInfo(); };
  shipName_ = &AddLabel({282, 512, 300, 20}, "", Link(), kShip);
  shipName_->onClick = [this] { ShowShipInfo(); };
  auto& go = AddButton(kContinue, {627, 544, 140, 36}, "SelectProfession", "Continue", [this] {
    TutorialHook(TutorialEvent::ProfessionContinue);
    Close();
  });
  SetDefault(&go);
  tutorial_ = std::make_unique<TutorialPanel>(*this, TutorialScreen::Profession, TutorialPanel::Place{588, 236});
}

void Select_Profession::OnShow() {
  const int p = Game.Player[Pl::Profession];
  Choose(p >= 1 && p <= 6 ? p : 1);
}

void Select_Profession::Choose(int profession) {
  Game.Player[Pl::Profession] = profession;
  for (int p = 1; p <= 6; ++p) buttons_[p]->SetOn(p == profession);
  name_->Set(professionName(profession));
  description_->Set(professionDescription(profession));
  const auto labels = professionCombatLabels(profession);
  // The three labels follow each other like words of one line.
  int x = 0, h = 0;
  platform::MeasureText(basics_->text, 300, basics_->style, x, h);
  x += basics_->rect.x + 6;
  for (int k = 0; k < 3; ++k) {
    actions_[k]->Set(labels[k]);
    int w = 0;
    platform::MeasureText(labels[k], 300, actions_[k]->style, w, h);
    actions_[k]->rect.x = x;
    actions_[k]->rect.w = w + 2;
    x += w + 8;
  }
  selection_->rect = buttons_[profession]->rect;
  selection_->rect.x -= 2, selection_->rect.y -= 2, selection_->rect.w += 4, selection_->rect.h += 4;
  ability_->Set(professionAbilityLabel(profession));
  const int faction = Game.Player[Pl::Faction];
  shipType_ = professionStartShip(profession, faction);
  ship_->Set(shipPictureName(shipType_, faction) + "_scene.jpg");
  shipName_->Set(professionShipLabel(profession, faction));
}

void Select_Profession::ShowActionInfo(int slot) {
  const int id = professionCombatActions(Game.Player[Pl::Profession])[slot];
  UI().Message(3, combatActionName(id), combatActionDescription(id), WithJpg(combatActionPicture(id)));
}

void Select_Profession::ShowAbilityInfo() {
  const int id = professionAbility(Game.Player[Pl::Profession]);
  UI().Message(3, abilityName(id), abilityDescription(id), WithJpg(abilityPicture(id)));
}

void Select_Profession::ShowShipInfo() {
  const std::string picture = shipPictureName(shipType_, Game.Player[Pl::Faction]) + "_scene.jpg";
  const std::string text = shipClassName(shipType_) + ". " + shipDescriptionLong(shipType_);
  UI().Message(1, shipName_->text, text, picture);
}

}  // namespace qm::ui
