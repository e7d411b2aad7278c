#pragma once
#include "world/border_system.h"
// Wars between the four factions, invasions of border systems with their daily
// sieges, the player's influence on a campaign and the campaign screen.
#include <string>

namespace qm {

// Campaign fields of a SystemData row (one campaign per system at most).
namespace Camp {
enum : int {
  Running = 20, Attacker = 21, DaysElapsed = 22, AttackerPoints = 23, DefenderPoints = 24, PlayerMissions = 25,
  Cleared = 26, Duration = 27, SituationVariant = 28, OpeningVariant = 30, ContributionVariant = 31,
  OutlookVariant = 32, LastContribution = 33
};
}
// Fields of a FactionData row used by the wars (WarBase + g: at war with g).
namespace War {
enum : int { WarBase = 10, ClockBase = 20 };
}

// Declarations of war, cease-fires and invasion starts of the day.
void DailyWarStep();
// Advances every running siege by a day and ends those that are due.
void DailySiegeStep();
// Pushes the campaign of the mission just completed (ActiveMission's campaign system).
void AddCampaignInfluence();


// The points a completed mission of `type` adds to a campaign: n is the number of
// missions completed for that campaign including this one, shipClass the class
// of the player's ship, special the ship's special upgrade (Ship 72).
int CampaignInfluencePoints(int type, int n, int shipClass, int special);
// Credits the completed mission (ActiveMission) to the campaign it was taken for.
void AddCampaignInfluence();

// Siege arithmetic, shared with the bank's war bonds.
int TerritoryAdjustment(int systemsOwned);
int WarBondThreshold(int systemsOwned);
int WarBondLevel(long long bonds, int threshold);
int SystemsOwnedBy(int faction);

// True while a siege runs in `system`.
bool SiegeRunning(int system);

// The texts and pictures of the campaign screen of `system` (drawing any text
// variant not chosen yet).
struct CampaignView {
  std::string title;        // "System defense" or "Invasion"
  std::string situation;    // who invades whom
  std::string player;       // the player's part, in quotation marks
  std::string days;         // "12/250 days"
  int attackerLevel = 2;    // strength levels 0..4 of the battle picture
  int defenderLevel = 2;
  std::string attackerSmall, attackerBig, defenderSmall, defenderBig, starbase, systemPicture;
};
CampaignView CampaignScreen(int system);
// The battle picture's strength levels for a siege.
void CampaignLevels(int daysElapsed, int duration, int attackerPoints, int defenderPoints, int& attacker,
                    int& defender);

// The campaign screen's "Ask for a mission": true when the Missions screen of
// the current system opens; otherwise the reason has been shown.
bool AskForCampaignMission();
// The campaign screen's "Strike starbase" in the ship's current system.
void StrikeStarbase();
// The strike's outcome decides the siege of `system` at once (conquest when won
// and the attacker holds any points); every other siege advances by a day.
void ResolveStarbaseStrike(int system, bool won);

// Texts of the war news and the campaign screen (wars_texts.cpp). Names are
// inserted for {A} (acting faction), {B} (the other faction) and {S} (system).
std::string WarStoryTemplate(int kind, int variant);       // kinds 5..9, variants 1..10
std::string SituationTemplate(int variant);                // variants 1..10
std::string FillNames(const std::string& text, const std::string& a, const std::string& b, const std::string& s);

}  // namespace qm
