// Taking a mission from the board, and the completions that happen away from
// the mission's target: deliveries in trade, bounties on the ship sensors,
// abductions in boarding.
#include "world/missions.h"

#include <algorithm>

#include "state/frontend.h"
#include "state/game_state.h"
#include "world/money.h"

namespace qm {
namespace {

const char* const kMissionPicture = "GeneralMissionPic.jpg";

bool IsDelivery(int type) { return type == 3 || type == 6 || type == 11; }

int DeliveryExperience(int type) { return type == 3 ? 3000 : type == 6 ? 9000 : 6000; }

std::string FullName(int faction) { return Game.FactionText[faction][FacT::FullName]; }

bool Running(int type) {
  return Game.ActiveMission[Mis::Active] > 0 && Game.ActiveMission[Mis::Type] == type;
}

// Marks where a delivery offer or mission takes its goods; a supply run (6)
// keeps the whole destination system short of them.
void MarkDelivery(const IntRow& m, uint16_t (&goods)[26][17]) {
  const int s = m[Mis::System];
  const int c = m[Mis::Object];
  if (m[Mis::Active] <= 0 || !IsDelivery(m[Mis::Type]) || s < 1 || s > kSystems || c < 1 || c > 12) return;
  const auto bit = static_cast<uint16_t>(1u << c);
  if (m[Mis::Type] == 6) {
    for (int l = 1; l <= kLocations; ++l) goods[s][l] |= bit;
  } else if (m[Mis::Location] >= 1 && m[Mis::Location] <= kLocations) {
    goods[s][m[Mis::Location]] |= bit;
  }
}

}  // namespace

bool MayJoinInvasion(int system) {
  const auto& sys = Game.SystemData[system];
  const int faction = Game.Player[Pl::Faction];
  if (sys[Sys::Owner] == faction || sys[Sys::Attacker] == faction) return true;
  Notify("N/A", "In this system the invaders of the " + FullName(sys[Sys::Attacker]) + " attack the defending " +
                    FullName(sys[Sys::Owner]) + ". You are not affiliated to them and cannot interfere.");
  return false;
}

bool MayServeHere() {
  if (Game.Player[Pl::CriminalFlag] >= 1) {
    Notify("N/A", "You have been flagged criminal and cannot accept any missions as long as the flag has not "
                  "weared off!");
    return false;
  }
  const int s = Game.Ship[Sh::System];
  if (Game.SystemData[s][Sys::UnderAttack] > 0) return MayJoinInvasion(s);
  const int owner = Game.SystemData[s][Sys::Owner];
  if (owner == Game.Player[Pl::Faction]) return true;
  Notify("N/A", "You can only get missions in systems owned by your own faction. This system is owned by the " +
                    FullName(owner) + ".");
  return false;
}

bool MissionUplink() {
  const int s = Game.Ship[Sh::System];
  for (int o = 1; o <= 5; ++o)
    if (Game.Missions[s][o][Mis::Active] == 0) {
      Notify("No mission uplink",
             "An enemy spaceship is spamming all radio frequences. You need to fly to a different location to get "
             "an uplink to the mission database.");
      return false;
    }
  return true;
}

bool MayOpenMissionBoard() { return MayServeHere() && MissionUplink(); }

bool AcceptMission(int slot) {
  const int s = Game.Ship[Sh::System];
  if (slot < 1 || slot > kMissionOffers || Game.Missions[s][slot][Mis::Active] <= 0) {
    Notify("No mission selected!",
           "You have selected no mission. Please select one of the available missions and try again.");
    return false;
  }
  if (Game.ActiveMission[Mis::Active] >= 1) {
    Notify("You are busy!", "You can only accept one mission at a time. Please first finish your current mission "
                            "before accepting new ones.");
    return false;
  }
  if (Run.TutorialActive && (Run.TutorialStep == 10 || Run.TutorialStep == 11) && slot != 2) {
    Notify("Tutorial", "Sorry, but please follow the tutorial instructions in the green window or alternatively "
                       "close the tutorial.");
    return false;
  }
  IntRow& offer = Game.Missions[s][slot];
  const int type = offer[Mis::Type];
  if ((type == 4 || type == 12) &&
      !AskYesNo("Danger!", "During this mission you will have to attack a much bigger ship. This would be a tough "
                           "fight! Do you still wish to accept this mission?"))
    return false;

  Game.ActiveMission.fill(0);
  for (int f : {Mis::Type, Mis::Reward, Mis::CampaignSystem, Mis::TextVariant}) Game.ActiveMission[f] = offer[f];
  for (int f = Mis::Location; f <= Mis::Nav3System; ++f) Game.ActiveMission[f] = offer[f];
  Game.ActiveMission[Mis::Active] = 1;
  if (type == 19)
    for (int sys = 1; sys <= kSystems; ++sys)
      for (int l = 1; l <= kLocations; ++l)
        if (Game.LocationData[sys][l][Loc::Exists] > 0) Game.LocationData[sys][l][kMarketDataTaken] = 0;

  Notify("Mission accepted!", "You have accepted the selected mission.", kMissionPicture);
  offer.fill(0);
  GenerateMissionOffers();
  UI().RefreshMainScreen(s);
  CheckMissionProgress();
  return true;
}

void CheckDeliveryMission(int c, int units) {
  IntRow& m = Game.ActiveMission;
  const int s = Game.Ship[Sh::System];
  const int l = Game.Ship[Sh::Location];
  if (units <= 0 || m[Mis::Active] <= 0 || !IsDelivery(m[Mis::Type]) || m[Mis::Object] != c) return;
  if (m[Mis::System] != s || m[Mis::Location] != l) return;
  Game.LocationStock[s][l][c] = 0;
  m[Mis::Party] = std::max(0, m[Mis::Party] - units);
  UI().RefreshMainScreen(s);
  if (m[Mis::Party] <= 0) CompleteMission(DeliveryExperience(m[Mis::Type]));
}

DeliveryDestinations::DeliveryDestinations() {
  MarkDelivery(Game.ActiveMission, goods_);
  for (int board = 1; board <= kSystems; ++board)
    for (int o = 1; o <= kMissionOffers; ++o) MarkDelivery(Game.Missions[board][o], goods_);
}

bool DeliveryDestinations::Contains(int system, int location, int c) const {
  if (system < 1 || system > kSystems || location < 1 || location > kLocations || c < 1 || c > 12) return false;
  return (goods_[system][location] >> c) & 1u;
}

bool IsDeliveryDestination(int system, int location, int c) {
  return DeliveryDestinations().Contains(system, location, c);
}

bool CompleteBountyOnSensors() {
  if (!Running(5)) return false;
  CompleteMission(2400);
  return true;
}

bool FailAbductionOnSensors() {
  if (!Running(18)) return false;
  Game.ActiveMission[Mis::Active] = 0;
  Run.MissionPanelVisible = false;
  Notify("Mission failed!",
         "You have failed your mission! You were supposed to abduct him alive - not to blow up his ship!",
         kMissionPicture);
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
  return true;
}

bool CompleteAbductionByBoarding() {
  if (!Running(18)) return false;
  CompleteMission(5000);
  return true;
}

}  // namespace qm
