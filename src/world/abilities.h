#pragma once
// The ability trees and the ability screen a promotion opens.
#include <string>
#include <vector>

namespace qm {

// Tree kinds: 1 non-combat (Trade, Mercenary, Criminal), 2 combat (Defense,
// Attack, Ambush); categories 1..3; positions 1..10.
int TreeAbility(int treeKind, int category, int position);  // the ability id, 0 outside the trees
bool AbilityLearned(int treeKind, int id);
// Positions 1 and 2 are always open; 3, 4 need 1; 5, 6 need 2; 7 needs 3 or 4;
// 8 needs 4 or 5; 9 needs 5 or 6; 10 needs 7, 8 or 9.
bool PrerequisitesMet(int treeKind, int category, int position);
// The positions of which one must be learned before `position` (none for 1 and 2).
std::vector<int> PrerequisitePositions(int position);
// How many of a category's ten abilities are learned.
int LearnedInCategory(int treeKind, int category);
std::string AbilityScreenTitle(int treeKind);
std::string AbilityCategoryName(int treeKind, int category);
std::string TreeAbilityName(int treeKind, int id);
std::string TreeAbilityDescription(int treeKind, int id);
// "_on.jpg" or "_off.jpg" picture of a tree position.
std::string TreeAbilityIcon(int treeKind, int category, int position);
// The right-click information of an ability (combat abilities with their AP).
std::string AbilityInfo(int treeKind, int id);

// The screen opened for one pick; a frontend shows it with
// UI().ShowScreen(Screen::Abilities) and calls the actions below meanwhile.
// Closed without a pick, the pick is kept pending (while an ability is left to
// learn) until the player takes it from the trees of the personal status.
struct AbilityScreenState {
  bool open = false;
  int treeKind = 0;
  int category = 1;
  bool pending = false;  // the pick taken is one kept from earlier
};
const AbilityScreenState& AbilityScreen();
void ShowAbilityScreen(int treeKind, int category);
void SelectAbilityCategory(int category);
// A left click on a position of the shown tree: refusals are explained; a
// confirmed pick learns the ability and closes the screen. True when learned.
bool ChooseAbility(int position);
// The same for an ability id of the open screen's tree kind (any category).
bool ChooseAbilityById(int id);
// Learns the first ability of the open tree kind whose prerequisites are met.
bool ChooseFirstAvailableAbility();
void CloseAbilityScreen();

// Picks of a tree kind kept from choices closed without learning (saved with the game).
int PendingAbilityPicks(int treeKind);
// True when an ability of the tree kind can be learned now.
bool AbilityOnOffer(int treeKind);
// Opens the screen state for a kept pick of the tree kind (false when none is
// kept); learning then uses it up. End it with EndPendingAbilityPick, which
// keeps the pick when nothing was learned.
bool OpenPendingAbilityPick(int treeKind);
void EndPendingAbilityPick();

}  // namespace qm
