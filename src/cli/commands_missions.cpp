// Console commands for the mission boards and the running mission.
#include <ostream>

#include "cli/commands.h"
#include "state/game_state.h"
#include "world/missions.h"
#include "world/money.h"

namespace qm {
namespace {

bool NoGame(CommandContext& c) {
  if (Game.Ship[Sh::System] >= 1) return false;
  c.Fail("no game is running");
  return true;
}

// The board of the current system, one line per slot.
bool Board(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: missions");
  if (NoGame(c)) return false;
  const int s = Game.Ship[Sh::System];
  c.out << MissionBoardHeading() << '\n';
  for (int o = 1; o <= kMissionOffers; ++o) {
    const IntRow& m = Game.Missions[s][o];
    c.out << "slot " << o << ": ";
    if (m[Mis::Active] <= 0) {
      c.out << "-\n";
      continue;
    }
    c.out << MissionName(m[Mis::Type]) << " | " << MissionPlace(m) << " | $ " << FormatMoney(m[Mis::Reward])
          << " | " << MissionDetail(m) << '\n';
  }
  return true;
}

void ShowRunning(CommandContext& c) {
  IntRow& m = Game.ActiveMission;
  if (m[Mis::Active] <= 0) {
    c.out << "no mission running\n";
    return;
  }
  const int type = m[Mis::Type];
  c.out << "Mission: " << MissionPanelName(type) << '\n';
  c.out << "\"" << MissionDescription(type, true, 0, 0) << "\"\n";
  c.out << MissionDetail(m) << '\n';
  if (type == 19) {
    c.out << "Planets left: " << m[Mis::Object] << '\n';
  } else if (type == 2 || type == 10 || type == 14 || type == 15 || type == 16 || type == 17) {
    c.out << "Next nav point: " << Game.LocationText[m[Mis::System]][m[Mis::Location]][1] << " (in the "
          << Game.SystemText[m[Mis::System]][1] << " system)\n";
  } else {
    c.out << "Target: " << MissionTarget(m) << '\n';
  }
  c.out << "Reward: $" << FormatMoney(m[Mis::Reward]) << '\n';
}

// `mission` shows the running mission; `mission accept SLOT` takes an offer
// through the same checks as the Missions button and screen.
bool MissionCommand(CommandContext& c) {
  if (NoGame(c)) return false;
  if (c.w.size() == 1) {
    ShowRunning(c);
    return true;
  }
  long long slot = 0;
  if (c.w.size() != 3 || c.w[1] != "accept" || !ParseIntIn(c.w[2], 1, kMissionOffers, slot))
    return c.Fail("usage: mission | mission accept SLOT (slot 1..6)");
  if (Game.ActiveMission[Mis::Active] <= 0 && !MayOpenMissionBoard()) return true;
  AcceptMission(static_cast<int>(slot));
  return true;
}

}  // namespace

void AddMissionCommands(CommandTable& t) {
  t.push_back({"missions", Board, "", "the mission board of this system"});
  t.push_back({"mission", MissionCommand, "[accept SLOT]", "the running mission, or accept offer SLOT 1..6"});
}

}  // namespace qm
