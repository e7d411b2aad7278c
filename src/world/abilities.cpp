#include "world/abilities.h"

#include <array>

#include "catalogue/career.h"
#include "state/frontend.h"
#include "state/game_state.h"

namespace qm {
namespace {

using Tree = std::array<int, 10>;

// Ability ids by position 1..10, for each tree kind and category.
constexpr std::array<std::array<Tree, 3>, 2> kTrees = {{
    {{
        {1, 5, 3, 2, 6, 9, 4, 7, 10, 8},          // Trade
        {11, 13, 14, 12, 18, 16, 19, 17, 15, 20},  // Mercenary
        {21, 27, 29, 25, 23, 28, 26, 22, 24, 30},  // Criminal
    }},
    {{
        {22, 11, 31, 26, 24, 23, 29, 27, 25, 28},  // Defense
        {4, 7, 5, 8, 6, 12, 9, 21, 20, 34},        // Attack
        {13, 32, 14, 16, 15, 19, 33, 18, 35, 17},  // Ambush
    }},
}};

// The positions of which at least one must be learned, by position 1..10.
constexpr std::array<std::array<int, 3>, 11> kNeeds = {{
    {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {2, 0, 0},
    {2, 0, 0}, {3, 4, 0}, {4, 5, 0}, {5, 6, 0}, {7, 8, 9},
}};

AbilityScreenState screen;
bool picked = false;  // the open screen's pick was made
// The slot of each learned-abilities row past the ability ids that counts the kept picks.
constexpr int kPendingSlot = 100;

IntRow& Learned(int treeKind) { return treeKind == 2 ? Game.CombatAbilities : Game.NonCombatAbilities; }

bool PositionLearned(int treeKind, int category, int position) {
  const int id = TreeAbility(treeKind, category, position);
  return id > 0 && AbilityLearned(treeKind, id);
}

// Category and position of an ability in the trees of one kind; false if absent.
bool Locate(int treeKind, int id, int& category, int& position) {
  for (int c = 1; c <= 3; ++c)
    for (int p = 1; p <= 10; ++p)
      if (TreeAbility(treeKind, c, p) == id) return category = c, position = p, true;
  return false;
}

bool Choose(int treeKind, int category, int position) {
  const int id = TreeAbility(treeKind, category, position);
  if (id == 0) return false;
  if (AbilityLearned(treeKind, id)) {
    Notify("N/A", "You already learned this ability. To get more info about this ability please use your mouse to "
                  "RIGHT-CLICK on the icon.");
    return false;
  }
  if (!PrerequisitesMet(treeKind, category, position)) {
    Notify("N/A", "You cannot learn this ability yet. You first have to acquire the previous skills in the skill "
                  "tree. To get more info about this ability please use your mouse to RIGHT-CLICK on the icon.");
    return false;
  }
  if (!AskYesNo(TreeAbilityName(treeKind, id),
                TreeAbilityDescription(treeKind, id) + " Do you wish to learn this ability?"))
    return false;
  Learned(treeKind)[id] = 1;
  picked = true;
  if (screen.pending && Learned(treeKind)[kPendingSlot] > 0) Learned(treeKind)[kPendingSlot] -= 1;
  CloseAbilityScreen();
  return true;
}

}  // namespace

int TreeAbility(int treeKind, int category, int position) {
  if (treeKind < 1 || treeKind > 2 || category < 1 || category > 3 || position < 1 || position > 10) return 0;
  return kTrees[static_cast<size_t>(treeKind - 1)][static_cast<size_t>(category - 1)][static_cast<size_t>(position - 1)];
}

bool AbilityLearned(int treeKind, int id) { return Learned(treeKind)[id] == 1; }

bool PrerequisitesMet(int treeKind, int category, int position) {
  if (TreeAbility(treeKind, category, position) == 0) return false;
  const auto& needs = kNeeds[static_cast<size_t>(position)];
  if (needs[0] == 0) return true;
  for (int p : needs)
    if (p > 0 && PositionLearned(treeKind, category, p)) return true;
  return false;
}

std::vector<int> PrerequisitePositions(int position) {
  std::vector<int> positions;
  if (position < 1 || position > 10) return positions;
  for (int p : kNeeds[static_cast<size_t>(position)])
    if (p > 0) positions.push_back(p);
  return positions;
}

int LearnedInCategory(int treeKind, int category) {
  int n = 0;
  for (int p = 1; p <= 10; ++p) n += PositionLearned(treeKind, category, p) ? 1 : 0;
  return n;
}

std::string AbilityScreenTitle(int treeKind) {
  return treeKind == 2 ? "Select combat ability:" : "Select non-combat ability:";
}

std::string AbilityCategoryName(int treeKind, int category) {
  static const char* const names[2][3] = {{"Trade abilities", "Mercenary abilities", "Criminal abilities"},
                                          {"Defense abilities", "Attack abilities", "Ambush abilities"}};
  if (treeKind < 1 || treeKind > 2 || category < 1 || category > 3) return "";
  return names[treeKind - 1][category - 1];
}

std::string TreeAbilityName(int treeKind, int id) {
  return treeKind == 2 ? combatActionName(id) : abilityName(id);
}

std::string TreeAbilityDescription(int treeKind, int id) {
  return treeKind == 2 ? combatActionDescription(id) : abilityDescription(id);
}

std::string TreeAbilityIcon(int treeKind, int category, int position) {
  const int id = TreeAbility(treeKind, category, position);
  if (id == 0) return "";
  const std::string base = treeKind == 2 ? combatActionPicture(id) : abilityPicture(id);
  return base + (AbilityLearned(treeKind, id) ? "_on.jpg" : "_off.jpg");
}

std::string AbilityInfo(int treeKind, int id) {
  std::string text = TreeAbilityName(treeKind, id) + ": " + TreeAbilityDescription(treeKind, id);
  if (treeKind == 2) text += " Action-Points required: " + std::to_string(combatActionCost(id));
  return text;
}

const AbilityScreenState& AbilityScreen() { return screen; }

void ShowAbilityScreen(int treeKind, int category) {
  screen = {true, treeKind == 2 ? 2 : 1, category >= 1 && category <= 3 ? category : 1, false};
  picked = false;
  UI().ShowScreen(Screen::Abilities);
  screen.open = false;
  // Closed without a pick: the pick waits for the player, never lost and never taken for them.
  if (!picked && AbilityOnOffer(screen.treeKind)) Learned(screen.treeKind)[kPendingSlot] += 1;
}

int PendingAbilityPicks(int treeKind) {
  if (treeKind < 1 || treeKind > 2) return 0;
  return Learned(treeKind)[kPendingSlot];
}

bool AbilityOnOffer(int treeKind) {
  if (treeKind < 1 || treeKind > 2) return false;
  for (int c = 1; c <= 3; ++c)
    for (int p = 1; p <= 10; ++p)
      if (!AbilityLearned(treeKind, TreeAbility(treeKind, c, p)) && PrerequisitesMet(treeKind, c, p)) return true;
  return false;
}

bool OpenPendingAbilityPick(int treeKind) {
  if (PendingAbilityPicks(treeKind) < 1 || !AbilityOnOffer(treeKind)) return false;
  screen = {true, treeKind, 1, true};
  picked = false;
  return true;
}

void EndPendingAbilityPick() {
  screen.open = false;
  screen.pending = false;
}

void SelectAbilityCategory(int category) {
  if (category >= 1 && category <= 3) screen.category = category;
}

bool ChooseAbility(int position) {
  return screen.open && Choose(screen.treeKind, screen.category, position);
}

bool ChooseAbilityById(int id) {
  int category = 0, position = 0;
  if (!screen.open) return false;
  if (!Locate(screen.treeKind, id, category, position)) {
    Notify("N/A", "This ability is not part of the skill trees shown.");
    return false;
  }
  screen.category = category;
  return Choose(screen.treeKind, category, position);
}

bool ChooseFirstAvailableAbility() {
  if (!screen.open) return false;
  for (int c = 1; c <= 3; ++c)
    for (int p = 1; p <= 10; ++p) {
      const int id = TreeAbility(screen.treeKind, c, p);
      if (AbilityLearned(screen.treeKind, id) || !PrerequisitesMet(screen.treeKind, c, p)) continue;
      screen.category = c;
      return Choose(screen.treeKind, c, p);
    }
  return false;
}

void CloseAbilityScreen() {
  screen.open = false;
  UI().HideScreen(Screen::Abilities);
}

}  // namespace qm
