#pragma once

namespace qm {

// Declarations of war, cease-fires and invasion starts of the day.
void DailyWarStep();
// Advances every running siege by a day and ends those that are due.
void DailySiegeStep();

}  // namespace qm
