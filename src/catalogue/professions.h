#pragma once
// The six professions, the factions as the selection screen presents them, and the crew types.
#include <array>
#include <string>

namespace qm {

std::string professionName(int p);
std::string professionDescription(int p);
std::array<int, 3> professionCombatActions(int p);  // the three actions beyond guns, missiles and ECM
std::array<std::string, 3> professionCombatLabels(int p);
int professionAbility(int p);                       // the starting non-combat ability
std::string professionAbilityLabel(int p);
int professionStartShip(int p, int faction);
std::string professionShipLabel(int p, int faction);

std::string factionSelectionName(int f);
std::string factionSummary(int f);

std::string crewTypeTopic(int shipSlot);  // Ship slots 30..34
std::string crewTypeText(int shipSlot);

}  // namespace qm
