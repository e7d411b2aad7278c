#include "world/wars.h"

namespace qm {

// The galaxy stays at peace until wars break out.
void DailyWarStep() {}
void DailySiegeStep() {}
void AddCampaignInfluence() {}

}  // namespace qm
