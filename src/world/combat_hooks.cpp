#include "world/combat_hooks.h"

#include "combat/combat_rules.h"
#include "combat/world_hooks.h"
#include "world/crew.h"
#include "world/day_cycle.h"
#include "world/death.h"
#include "world/missions.h"
#include "world/money.h"
#include "world/new_game.h"
#include "world/promotion.h"
#include "world/tutorial.h"

namespace qm {

namespace {

// The tutorial follows the battle actions it asks for by name; any other
// ability counts as "an ability used".
void PlayerActed(int id) {
  using namespace combat;
  const TutorialEvent e = id == Ab::FireGuns       ? TutorialEvent::GunsFired
                          : id == Ab::FireMissiles ? TutorialEvent::MissileFired
                          : id == Ab::Ecm          ? TutorialEvent::EcmFired
                                                   : TutorialEvent::AbilityUsed;
  TutorialHook(e, id);
}

void TurnEnded() { TutorialHook(TutorialEvent::TurnEnded); }

}  // namespace

void ConnectCombatToWorld() {
  WorldHookTable h;
  h.gainMoney = &GainMoney;
  h.gainExperience = &GainExperience;
  h.regenerateMissionBoards = &RegenerateMissionBoards;
  h.sendAwayCrewBeyondMaximum = &sendAwayCrewBeyondMaximum;
  h.awardSilverStar = static_cast<void (*)()>(&AwardSilverStar);
  h.awardGoldStar = static_cast<void (*)()>(&AwardGoldStar);
  h.handleDeath = &HandleDeath;
  h.spawnSpaceObject = &SpawnSpaceObject;
  h.completeBountyOnSensors = &CompleteBountyOnSensors;
  h.failAbductionOnSensors = &FailAbductionOnSensors;
  h.completeAbductionByBoarding = &CompleteAbductionByBoarding;
  h.missionTargetName = &MissionTargetName;
  h.initialiseWorld = &InitialiseWorld;
  h.playerActed = &PlayerActed;
  h.turnEnded = &TurnEnded;
  ConnectWorldHooks(h);
}

// Connected at start-up in every program that links the world in.
static const bool kConnectedAtStart = (ConnectCombatToWorld(), true);

}  // namespace qm
