#pragma once
// The manual's tables, built from the game's own catalogues when the manual is
// typeset, so the manual never disagrees with the game.
#include <string>

#include "manual/document.h"

namespace qm::manual {

// Money as the game writes it: "$ 1,250,000".
std::string Money(long long amount);

Table ShipTable();          // ship types 1..19 and the starbase
Table ShipyardTable();      // the ships each faction's shipyards sell, by class
Table SpecialityTable();    // the ship special abilities and the ships that have them
// One equipment family (category 1 guns .. 6 ECM, as on the equipment screen).
Table EquipmentTable(int category);
Table CombatAbilityTable();     // the combat trees with action points and duration
Table NonCombatAbilityTable();  // the non-combat trees with what each needs first
Table StartingActionsTable();   // the three actions every pilot has
Table ProfessionTable();        // starting abilities and ships
Table LevelTable();             // experience per level and what each promotion brings
Table RankTable();              // the ranks and the levels that bring them
Table CommodityTable();         // base prices, where they are cheap, contraband
Table SystemTable();            // the 24 star systems: owner and class at the start
Table CrewTable();              // crew types and their prices
Table SettingTable();           // the game settings
Table CareerTable();            // the second careers by final score

}  // namespace qm::manual
