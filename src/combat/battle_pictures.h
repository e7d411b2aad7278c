#pragma once
// What the boarding and fleet screens draw: picture names and captions built
// from the battle state (the drawing itself belongs to the screens).
#include <string>

namespace qm {

// "crewcombat_red_airlock_normal.jpg" and the like for area 1..4 in its state.
std::string BoardingAreaPicture(int area, int state);
// "Airlock (Enemy)", "Airlock (Enemy; not yet selectable)", "Airlock (Friendly)", ...
std::string BoardingAreaCaption(int area, int state);

// The fleet symbol of a role: "ship_blue_large_left_on.bmp" and the like;
// `look` is "on", "over" or "off".
std::string FleetSymbol(bool allied, int role, const std::string& look);
// "Travelscreen_ShieldBar_0.jpg".."Travelscreen_ShieldBar_25.jpg"; a positive
// shield never shows the empty bar.
std::string FleetShieldBar(int shield, int maxShield);
// "Your flagship", "Space station", "Battleship", "Cruiser", "Destroyer".
std::string FleetRoleCaption(int role);
// Percent of the maximum for the visually-impaired texts; the maximum counts as at least 1.
int FleetShieldPercent(int shield, int maxShield);

}  // namespace qm
