#pragma once
// Mission boards, the accepted mission, its progress and its completion.
#include <cstdint>
#include <string>

#include "state/game_state.h"
#include "state/tables.h"

namespace qm {

constexpr int kMissionTypes = 27;
// LocationData field: 1 once the running Analysis mission has this planet's prices.
constexpr int kMarketDataTaken = 30;

// Fills one free (or, on a full board, sometimes a taken) slot of every system board.
void GenerateMissionOffers();
// Clears every board and fills it anew, six runs, so each board offers
// missions for the ship the player flies now (after a purchase or a captured
// ship kept).
void RegenerateMissionBoards();

// The Missions button's checks before the board opens: MayServeHere, then
// MissionUplink. Shows the refusal and returns false.
bool MayOpenMissionBoard();
// The player may take missions in the current system: no criminal record, and
// the system is the own faction's, or an invasion the own faction takes part
// in (either side). Shows the refusal and returns false.
bool MayServeHere();
// The player's faction owns `system` or invades it; otherwise the refusal to
// interfere in the invasion of two other factions is shown.
bool MayJoinInvasion(int system);
// The current system's board has its uplink: none of offers 1..5 is missing
// (an enemy ship jams it otherwise). Shows the refusal and returns false.
bool MissionUplink();
// Accepts the offer in `slot` (1..6) of the current system's board with the
// questions and refusals of the Missions screen; true when it was accepted.
bool AcceptMission(int slot);

// Completes or advances the accepted mission when the ship reaches its target.
void CheckMissionProgress();
// The common completion: campaign, counters, reward, messages, experience.
void CompleteMission(int experience);
// Ends the running mission without reward.
void FailMission();

// After `units` of commodity c were sold at the ship's location: delivers them
// to the running transport, supply or combat transport mission.
void CheckDeliveryMission(int c, int units);
// True when the location is where an offered or accepted delivery takes commodity c.
bool IsDeliveryDestination(int system, int location, int c);
// The same question for a loop over many markets: the boards and the running
// mission are read once, when the object is made.
class DeliveryDestinations {
 public:
  DeliveryDestinations();
  bool Contains(int system, int location, int c) const;

 private:
  uint16_t goods_[26][17] = {};  // bit c set: commodity c (1..12) is wanted there
};

// The ship sensors destroyed the marked target of a running Bounty: completes
// it and shows the amount credited. True when a Bounty was completed.
bool CompleteBountyOnSensors();
// The ship sensors destroyed the marked target of a running Abduction: the
// mission fails. True when an Abduction was running.
bool FailAbductionOnSensors();
// The boarding fight against the marked target of a running Abduction was won:
// completes it. True when an Abduction was completed.
bool CompleteAbductionByBoarding();

// Rules the generator is built from, open for the tests and other areas.
int PlayerShipClass();                 // 1..5 of the player's ship
int MissionEnemyMode(int system);      // 3 invasion, 1 capital system, 2 otherwise
int RollMissionReward(int k);          // k 1..5; [base/2, base-1]
int PickHostileFaction(int mode, int owner);
int PickMissionShipType(int mode, int system, int playerClass, int faction);
// Builds an offer of `type` into `offer` (fields already cleared) for the board
// of system `board`; leaves Active 0 when no target is found. Types that turn
// into their capital-ship variant (1 → 4, 9 → 12) do so here.
void BuildMissionOffer(IntRow& offer, int type, int board);

// Texts (mission_texts.cpp).
std::string MissionName(int type);       // as shown on the board: "Search & Destroy"
std::string MissionPanelName(int type);  // the main screen's panel: "Combat Patrol"
std::string MissionLogo(int type);
// The briefing of an offer (forActive false: Missions[system][slot]) or of the
// running mission; draws and stores the text variant on first use.
std::string MissionDescription(int type, bool forActive, int system, int slot);
// Number of briefing variants a type may store (1..N).
int MissionTextVariants(int type);
// The call sign of a Bounty (5) or Abduction (18) target by index, unquoted.
std::string CallSignName(int type, int index);
// The quoted call sign of the running mission's target ("" unless Bounty or Abduction).
std::string MissionTargetName();
// The detail line, the target line and the place of an offer or the running mission.
std::string MissionDetail(const IntRow& m);
std::string MissionTarget(const IntRow& m);
std::string MissionPlace(const IntRow& m);
// How far the running mission has come, for its status panel: "Next nav point: "
// + the navpoint still to reach for route and pick-up missions, "Planets left: "
// + the count for the Analysis; "" for the others.
std::string MissionProgress(const IntRow& m);
// "Available missions for "Fighter-class" pilots:" by the ship's class.
std::string MissionBoardHeading();

}  // namespace qm
