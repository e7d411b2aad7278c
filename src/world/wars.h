#pragma once

namespace qm {

// Declarations of war, cease-fires and invasion starts of the day.
void DailyWarStep();
// Advances every running siege by a day and ends those that are due.
void DailySiegeStep();
// Pushes the campaign of the mission just completed (ActiveMission's campaign system).
void AddCampaignInfluence();

}  // namespace qm
