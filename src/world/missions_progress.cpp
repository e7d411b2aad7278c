// The running mission on arrival: navpoints, fights, fleet battles, reports,
// and the common completion and failure.
#include <cstdint>
#include <string>

#include "catalogue/ships.h"
#include "combat/combat_state.h"
#include "combat/fleet_battle.h"
#include "combat/ship_combat.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "world/death.h"
#include "world/missions.h"
#include "world/tutorial.h"
#include "world/money.h"
#include "world/wars.h"

namespace qm {
namespace {

const char* const kMissionPicture = "GeneralMissionPic.jpg";
const char* const kReward = "You have completed your mission and receive a reward of $";

// How a completed mission of each type is reported and rewarded.
struct Completion {
  int experience;
  const char* text;
  enum Amount { Grouped, Plain, None } amount;
};

Completion CompletionOf(int type) {
  switch (type) {
    case 1: return {800, kReward, Completion::Grouped};
    case 2: return {400, "You have completed your patrol and receive a reward of $", Completion::Grouped};
    case 3: case 6: case 11:
      return {type == 3 ? 3000 : type == 6 ? 9000 : 6000,
              "You have delivered the required amount of goods and completed the transport mission. You receive a "
              "reward of $ ",
              Completion::Plain};
    case 4: return {3200, kReward, Completion::Grouped};
    case 5: return {2400, kReward, Completion::Grouped};
    case 7:
      return {1500, "You have transported the Special Forces team to it\u00B4s target location and receive a reward "
                    "of $",
              Completion::Plain};
    case 8:
      return {1000, "You have reported to the battlegroup commander and can receive new missions to influence the "
                    "outcome of the battle.",
              Completion::None};
    case 9: return {1500, kReward, Completion::Grouped};
    case 10: return {800, "You have completed your patrol and receive a reward of $", Completion::Grouped};
    case 12: return {4000, kReward, Completion::Grouped};
    case 13:
      return {1500, "You have been able to infiltrate the system and gather the secret data. You receive a reward "
                    "of $",
              Completion::Plain};
    case 14: return {800, "You have completed your escort and receive a reward of $", Completion::Grouped};
    case 15: return {1300, "You have completed your recon patrol and receive a reward of $", Completion::Grouped};
    case 16:
      return {2000, "You drop the Marines and leave fast as they begin their landing operations. You have "
                    "completed your mission and receive a reward of $",
              Completion::Plain};
    case 17:
      return {2000, "You drop the civilian shuttles at their destination. They are safe now. You have completed "
                    "your mission and receive a reward of $",
              Completion::Plain};
    case 18: return {5000, kReward, Completion::Grouped};
    case 19:
      return {15000, "You have collected all the requested economical data! You have completed your mission and "
                     "receive a reward of $",
              Completion::Grouped};
    case 23: case 24: case 25: return {20000, kReward, Completion::Grouped};
    default: return {10000, kReward, Completion::Grouped};  // the other fleet battles
  }
}

IntRow& Active() { return Game.ActiveMission; }

std::string LocationName(int system, int location) { return Game.LocationText[system][location][1]; }

void Update(const std::string& text) {
  Notify("Mission update", text, kMissionPicture);
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
}

// Moves the target to navpoint n (2 or 3) and names it.
void NextNavpoint(int n, const std::string& text) {
  IntRow& m = Active();
  const int location = m[n == 2 ? Mis::Nav2Location : Mis::Nav3Location];
  const int system = m[n == 2 ? Mis::Nav2System : Mis::Nav3System];
  m[Mis::Object] = n;
  m[Mis::Location] = location;
  m[Mis::System] = system;
  Update(text + LocationName(system, location) + ".");
}

void Patrol(const char* first, const char* second) {
  const int step = Active()[Mis::Object];
  if (step <= 1) return NextNavpoint(2, first);
  if (step == 2) return NextNavpoint(3, second);
  CompleteMission(CompletionOf(Active()[Mis::Type]).experience);
}

bool SpyEquipment() {
  if (Game.Ship[Sh::Targeting] == 5) return true;
  Notify("Spy equipment required!",
         "You have reached the correct position, however you need to have the ship upgrade: \"Spy equipment\". You "
         "can upgrade your ship at every friendly port.",
         kMissionPicture);
  return false;
}

// After a mission fight: lost when the enemy is still there or the ship is gone.
void AfterFight(bool won, int experience) {
  if (Game.Ship[Sh::Alive] <= 0) {
    FailMission();
    HandleDeath();
    return;
  }
  if (won) {
    CompleteMission(experience);
  } else {
    FailMission();
  }
}

void ShipFight() {
  const int type = Active()[Mis::Object];
  const int faction = Active()[Mis::Party];
  const int experience = CompletionOf(Active()[Mis::Type]).experience;
  Notify("Mission encounter!",
         "You have encountered a hostile " + shipName(type) + ". It is your mission to engage!",
         shipPictureName(type, faction) + "_Scene.jpg");
  SetupShipCombat(type, faction, 2, 0);
  TutorialBeforeMissionFight();
  UI().ShowScreen(Screen::ShipCombat);
  const bool won = Combat.EnemyShip[Sh::Alive] <= 0 && !EnemyEscaped();
  if (Run.QuitToMenu) {  // the game was left inside the battle: no success, no failure
    TutorialAfterMissionFight(false);
    return;
  }
  AfterFight(won, experience);
  TutorialAfterMissionFight(won);
}

const char* FleetText(int type) {
  switch (type) {
    case 20:
      return "As you come closer to the enemy homeworld you are joined by a small fleet of allied ships. There are "
             "some defenders scrambling from the orbit to prevent the bombardement. Take them out!";
    case 22:
      return "As you come closer to your mission destination you are joined by a small fleet of allied ships. Soon "
             "you detect a couple of rebels in captured vessels on an attack course. Take them out!";
    case 23:
      return "As you come closer to your mission destination you are joined by a small fleet of allied ships. There "
             "are some defenders scrambling from the orbit to prevent the bombardement. Take them out!";
    case 24: case 25:
      return "As you come closer to your mission destination you are joined by a small fleet of allied ships. Your "
             "sensors have already detected the hostile fleet. Take them out!";
    default:  // 21, 26
      return "As you come closer to your mission destination you are joined by a small fleet of allied ships. Soon "
             "you detect an enemy freighter convoi trying to escape. Take them out!";
  }
}

void FleetFight() {
  const int type = Active()[Mis::Type];
  const int mode = (type == 20 || type == 22) ? 1 : (type == 21 || type == 26) ? 0 : 2;
  Notify("Enemy fleet ahead!", FleetText(type), "Battlefleet.jpg");
  SetupFleetBattle(Active()[Mis::Party], mode);
  const bool won = RunFleetBattle();
  if (Run.QuitToMenu) return;
  AfterFight(won, CompletionOf(type).experience);
}

// The Analysis mission: every colonised planet counts once.
void AnalysisVisit() {
  IntRow& m = Active();
  const int s = Game.Ship[Sh::System];
  const int l = Game.Ship[Sh::Location];
  if (l >= 1) {
    auto& loc = Game.LocationData[s][l];
    if (loc[Loc::Exists] > 0 && loc[Loc::Kind] >= 1 && loc[kMarketDataTaken] == 0) {
      loc[kMarketDataTaken] = 1;
      m[Mis::Object] -= 1;
      Update("You download the current economical data of this planet to your computer. Only " +
             std::to_string(m[Mis::Object]) + " planets left!");
    }
  }
  if (m[Mis::Object] <= 0) CompleteMission(CompletionOf(19).experience);
}

}  // namespace

void CheckMissionProgress() {
  IntRow& m = Active();
  if (m[Mis::Active] <= 0 || Game.Ship[Sh::Alive] <= 0) return;
  const int type = m[Mis::Type];
  if (type == 19) return AnalysisVisit();
  if (Game.Ship[Sh::System] != m[Mis::System] || Game.Ship[Sh::Location] != m[Mis::Location]) return;
  switch (type) {
    case 1: case 4: case 9: case 12: return ShipFight();
    case 2: case 10:
      return Patrol("You have reached the first Nav point on your patrol. Now head to the next nav point at ",
                    "You have reached the second Nav point on your patrol. Now head to the last nav point at ");
    case 14:
      return Patrol("You have safely escorted the transporter to the first Nav point. Now head to the next nav "
                    "point at ",
                    "You have safely escorted the transporter to the second Nav point. Now head to the last nav "
                    "point at ");
    case 15:
      if (!SpyEquipment()) return;
      return Patrol("You have collected the recon data at this first Nav point. Now head to the next nav point at ",
                    "You have ollected the recon data at the second Nav point on your patrol. Now head to the "
                    "last nav point at ");
    case 13:
      if (!SpyEquipment()) return;
      return CompleteMission(CompletionOf(13).experience);
    case 7: case 8: return CompleteMission(CompletionOf(type).experience);
    case 16:
      if (m[Mis::Object] <= 1)
        return NextNavpoint(2, "You pick up the Marine landing vehicles. They are eager for combat and you can hear "
                               "them cheer in the cargo space. Now head to the next nav point at ");
      return CompleteMission(CompletionOf(16).experience);
    case 17:
      if (m[Mis::Object] <= 1)
        return NextNavpoint(2, "You pick up some shuttles with civilians. Let\u00B4s get them out of here fast! Head "
                               "to the next nav point at ");
      return CompleteMission(CompletionOf(17).experience);
    case 5:
      return Update("This is the position where the criminal you are looking for has been seen the last time. Look "
                    "for him on your radar here and in neighboring systems...");
    case 18:
      return Update("This is the position where your target has been seen the last time. Look for him on your "
                    "radar here and in neighboring systems...");
    case 20: case 21: case 22: case 23: case 24: case 25: case 26: return FleetFight();
    default: return;  // deliveries end in trade; other kinds have nothing to do at a place
  }
}

void CompleteMission(int experience) {
  IntRow& m = Active();
  const int type = m[Mis::Type];
  m[Mis::Active] = 0;
  if (m[Mis::CampaignSystem] > 0) AddCampaignInfluence();
  Game.Player[Pl::MissionsCompleted] = Saturate(static_cast<int64_t>(Game.Player[Pl::MissionsCompleted]) + 1);
  // The message names what actually reached the account, ability bonuses included.
  const int64_t before = Game.Player[Pl::Credits];
  if (type == 18) {
    Game.Player[Pl::Credits] = Saturate(before + m[Mis::Reward]);  // a ransom: no reward abilities
  } else {
    GainMoney(m[Mis::Reward]);
  }
  const int64_t credited = Game.Player[Pl::Credits] - before;
  Run.MissionPanelVisible = false;
  const Completion done = CompletionOf(type);
  std::string text = done.text;
  if (done.amount == Completion::Grouped) text += FormatMoney(credited);
  if (done.amount == Completion::Plain) text += std::to_string(credited);
  Notify("Mission completed!", text, kMissionPicture);
  GainExperience(experience);
  Notify("Experience", "You receive some experience points. The more you have the more likely you will be promoted.",
         Game.FactionText[Game.Player[Pl::Faction]][FacT::Logo] + ".jpg");
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
}

void FailMission() {
  Run.MissionPanelVisible = false;
  Active()[Mis::Active] = 0;
  Notify("Mission failed...!", "You were not able to complete this mission successfully.", kMissionPicture);
  UI().RefreshMainScreen(Game.Ship[Sh::System]);
}

}  // namespace qm
