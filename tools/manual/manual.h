#pragma once
// The player's manual: its chapters in order (content_*.cpp), typeset by
// typeset.cpp into the PDF the game installs in its data folder.
#include <string>

#include "manual/document.h"
#include "manual/typeset.h"

namespace qm::manual {

Document BuildManual();

// The chapters, one function each.
void AddIntroduction(Document& d);    // the game, a new pilot, the first steps
void AddScreens(Document& d);         // the main screen, the galaxy map, the planet
void AddTrade(Document& d);           // travel, markets, contraband, the bank, the bar, the hideouts
void AddShips(Document& d);           // ships, the shipyard, equipment, crew
void AddMissionsAndWar(Document& d);  // missions, wars and invasions, news
void AddCombat(Document& d);          // ship combat, abilities, encounters, boarding, fleets
void AddCareer(Document& d);          // experience, ranks, medals, abilities, death, retirement
void AddReference(Document& d);       // keys, settings, savegames, the galaxy

// Typesets the manual into `path`.
bool WriteManual(const std::string& path, const std::string& date, TypesetResult& result, std::string& error);

}  // namespace qm::manual
