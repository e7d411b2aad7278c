#pragma once
// What the main screen shows and the decisions behind its buttons, as plain
// rules over the game state: the screen only draws these and opens the screens
// they name.
#include <cstdint>
#include <string>
#include <vector>

#include "world/planet_pictures.h"

namespace qm {

// Gauges, clamped to their pictures: shield bar 0..25, experience bar 0..19.
int shieldBarIndex();
int experienceBarIndex();
// "Ship´s log - Star date: 2451.40".
std::string shipsLogLine();
// A day of the game's calendar as "year.day" ("2450.1" is the first day).
std::string starDateText(int64_t days);
// News row 1..5 as listed: "2454.40 - headline"; empty for an empty row.
std::string newsLine(int row);
// The article dialog of a news row: "Trade news!" or "War news!", and its text.
std::string newsArticleTitle(int row);
std::string newsArticle(int row);

// Space objects by kind: 1 lifepod, 2 treasure, 3 ghost ship, 4 artifact, 20/21 secret data.
std::string spaceObjectTitle(int kind);
std::string spaceObjectPicture(int kind);  // the small picture on the system view

// The target description panel for a selection (location 1..15 or object place -1..-4).
struct TargetDescription {
  std::string title, picture, text, faction, classLine;
};
TargetDescription describeTarget(int selection);

// Captions of the two changing action buttons for Run.SelectedLocation.
std::string travelButtonCaption();
std::string tradeButtonCaption();
// The price of Run.SelectedCommodity at location `l` of the current system
// while the trade panel is open: "$ 120", "?" when unknown, "" for no label.
std::string planetPriceLabel(int l);

// The extra lines of the compatibility mode for the visually impaired.
std::vector<std::string> compatibilityLines();
// Switches the mode (asking before it goes on) and sets the combat message timers.
void setCompatibilityMode(bool on);

// "Missions": what opens, or a refusal that was already shown.
enum class MissionsOutcome { Refused, MissionSelection, MissionStatus, Campaign };
MissionsOutcome missionsAction();
// "Pirating": true when the ship sensor screen opens (ships are present).
bool sensorsAction();
// The invasion alert panel: visible while the shown system is under invasion.
bool invasionAlertVisible();
// Its button: true when the campaign screen opens.
bool invasionAlertAction();

// The mission marker's target in the current system (0 when there is none to show).
int missionMarkerTarget();

}  // namespace qm
