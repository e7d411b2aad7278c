// Console commands for the built-in pilot, duels and battle moves.
#include <ostream>
#include <string>
#include <vector>

#include "catalogue/ships.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "combat/autopilot.h"
#include "combat/combat_state.h"
#include "combat/ship_combat.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "world/cheats.h"
#include "world/death.h"

namespace qm {
namespace {

PilotMode pilot = PilotMode::Auto;

bool Pilot(CommandContext& c) {
  if (c.w.size() != 2) return c.Fail("usage: pilot auto|flee|manual");
  if (c.w[1] == "auto")
    pilot = PilotMode::Auto;
  else if (c.w[1] == "flee")
    pilot = PilotMode::Flee;
  else if (c.w[1] == "manual")
    pilot = PilotMode::Manual;
  else
    return c.Fail("usage: pilot auto|flee|manual");
  return true;
}

bool Duel(CommandContext& c) {
  const auto& w = c.w;
  long long type = 0, faction = 0, ai = 2, tier = 0;
  if (w.size() < 3 || w.size() > 5 || !ParseInt(w[1], type) || !ParseIntIn(w[2], 0, kFactions, faction) ||
      (w.size() >= 4 && !ParseIntIn(w[3], 1, 3, ai)) || (w.size() == 5 && !ParseIntIn(w[4], 0, 4, tier)))
    return c.Fail("usage: duel TYPE FACTION [AIKIND [TIER]] (faction 0..4, AI kind 1..3, tier 0..4)");
  if (!((type >= 1 && type <= kShipTypes) || type == kStarbase))
    return c.Fail("ship type must be 1.." + std::to_string(kShipTypes) + " or -1");
  if (Game.Ship[Sh::Alive] <= 0) return c.Fail("no game is running");
  SetupShipCombat(static_cast<int>(type), static_cast<int>(faction), static_cast<int>(ai), static_cast<int>(tier));
  UI().ShowScreen(Screen::ShipCombat);
  if (Game.Ship[Sh::Alive] <= 0) HandleDeath();
  return true;
}

// A move read from the script: an ability id, 0 for the end of the turn, -1
// when the script has no more moves (or hands the battle to the pilot).
int ReadMove(ConsoleFrontend& fe) {
  int move = -1;
  const auto take = [&move](const std::vector<std::string>& w) {
    long long id = 0;
    if (w[0] == "act" && w.size() == 2 && ParseIntIn(w[1], 1, 37, id)) return move = static_cast<int>(id), true;
    if (w[0] == "end" && w.size() == 1) return move = 0, true;
    // The combat cheat ends the battle; the move that follows finds it over.
    if (w[0] == "cheat" && w.size() == 2 && w[1] == "destroy") return cheatDestroyEnemy(), move = 0, true;
    return false;
  };
  return ReadScriptMove(fe, take, "act ID | end | cheat destroy") ? move : -1;
}

// A move left over after its battle has ended (the battle's course is random):
// noted, not an error. A line that is no move at all is one.
bool LeftoverMove(CommandContext& c) {
  long long id = 0;
  if (c.w[0] == "end" && c.w.size() != 1) return c.Fail("usage: end");
  if (c.w[0] == "act" && (c.w.size() != 2 || !ParseIntIn(c.w[1], 1, 37, id)))
    return c.Fail("usage: act ID (an ability 1..37)");
  c.out << "BATTLE no battle running: " << c.text << '\n';
  return true;
}

}  // namespace

bool ConsolePlaysByHand() { return pilot == PilotMode::Manual; }

bool ReadScriptMove(ConsoleFrontend& fe, const MoveReader& take, const char* moves) {
  for (std::string line; fe.NextScriptLine(line);) {
    const auto w = SplitCommand(line);
    if (w.empty()) continue;
    bool yes = false;
    if (w[0] == "answer" && w.size() == 2 && ParseYesNo(w[1], yes)) {
      fe.QueueAnswer(yes);
      continue;
    }
    if (w[0] == "pilot" && w.size() == 2 && w[1] == "auto") {
      pilot = PilotMode::Auto;
      return false;
    }
    if (take(w)) return true;
    fe.Out() << "BATTLE not a move: " << line << " (" << moves << " | answer yes|no | pilot auto)\n";
  }
  return false;
}

void RunConsoleBattle(ConsoleFrontend& fe) {
  const auto& e = Combat.EnemyShip;
  const int faction = e[Sh::ShipFaction];
  fe.Out() << "COMBAT " << Game.FactionText[faction][FacT::FullName] << ' ' << shipName(e[Sh::ShipType]) << '\n';
  if (pilot == PilotMode::Manual)
    FightBattle(PilotMode::Manual, [&fe] { return ReadMove(fe); });
  else
    FightBattle(pilot);
  fe.Out() << "RESULT " << OutcomeName(BattleOutcome()) << '\n';
}

void AddCombatCommands(CommandTable& t) {
  t.push_back({"pilot", Pilot, "auto|flee|manual",
               "battles flown by the built-in pilot, a fleeing pilot or the script"});
  t.push_back({"duel", Duel, "TYPE FACTION [AIKIND [TIER]]", "fight ship type TYPE (-1 a starbase) of faction 0..4"});
  t.push_back({"act", LeftoverMove, "ID", "battle move (pilot manual): use combat ability ID 1..37"});
  t.push_back({"end", LeftoverMove, "", "battle move (pilot manual): end the turn"});
  AddSimulatorCommands(t);
}

}  // namespace qm
