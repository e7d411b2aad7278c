// The combat simulator on the console: `simulator SHIP EXPERTISE ENEMYSHIP
// ENEMYEXPERTISE` makes the set-up choices and ticks the duel without waiting,
// one SIM line per tick. In `pilot manual` mode each `act ID` line is the
// player's action for the next tick (`act 0` lets a tick pass).
#include <ostream>
#include <string>
#include <vector>

#include "catalogue/career.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "combat/combat_state.h"
#include "combat/simulator.h"
#include "state/game_state.h"

namespace qm {
namespace {

// A duel that drags on this long ends without a result.
constexpr int kMaxTicks = 2000;

struct Choices {
  int ship[2] = {0, 0};
  int expertise[2] = {0, 0};
};
Choices pending;

std::string ActionName(int id) { return id > 0 ? combatActionName(id) : "-"; }

// The player's move for the next tick from the script: an ability id, 0 for
// none, -1 when the script has no more moves.
int ReadTickMove(ConsoleFrontend& fe) {
  int move = -1;
  const auto take = [&move](const std::vector<std::string>& w) {
    long long id = 0;
    if (w[0] == "act" && w.size() == 2 && ParseIntIn(w[1], 0, 37, id)) return move = static_cast<int>(id), true;
    return false;
  };
  return ReadScriptMove(fe, take, "act ID | act 0") ? move : -1;
}

void PlayerMove(int id) {
  if (id <= 0) return;
  const int button = SimulatorButtonOf(id);
  if (button == 0) {
    Notify("N/A", combatActionName(id) + " is not one of your abilities in this duel.");
    return;
  }
  SimulatorPlayerAction(button);
}

bool Simulator(CommandContext& c) {
  long long v[4] = {0, 0, 0, 0};
  bool ok = c.w.size() == 5;
  for (size_t i = 0; ok && i < 4; ++i) ok = ParseIntIn(c.w[i + 1], 1, 3, v[i]);
  if (!ok) return c.Fail("usage: simulator SHIP EXPERTISE ENEMYSHIP ENEMYEXPERTISE (ships 1..3, expertises 1..3)");
  // The simulator starts from a cleared state: a running game would be lost.
  if (Game.Ship[Sh::Alive] > 0) return c.Fail("a game is running: `reset` it before the simulator");
  pending = {{static_cast<int>(v[0]), static_cast<int>(v[2])}, {static_cast<int>(v[1]), static_cast<int>(v[3])}};
  StartSimulator();
  pending = {};
  return true;
}

}  // namespace

void RunConsoleSimulatorSetup(ConsoleFrontend& fe) {
  const int side = Sim.step == SimStep::Enemy ? 1 : 0;
  ChooseSimulatorShip(pending.ship[side]);
  ChooseSimulatorExpertise(pending.expertise[side]);
  fe.Out() << "SETUP " << (side == 0 ? "player" : "enemy") << " ship " << SimulatorShipChoice() << " expertise "
           << ExpertiseName(SimulatorExpertiseChoice()) << '\n';
  if (!SimulatorContinue()) SimulatorBack();
}

void RunConsoleSimulatorDuel(ConsoleFrontend& fe) {
  bool manual = ConsolePlaysByHand();
  for (int tick = 1; tick <= kMaxTicks && !SimulatorOver(); ++tick) {
    int move = manual ? ReadTickMove(fe) : -1;
    if (move < 0) {
      manual = false;  // the script has run dry: the built-in pilot goes on
      move = SimulatorPilotMove();
    }
    PlayerMove(move);
    const int before = Sim.ticks;
    if (!SimulatorOver()) SimulatorTick();
    const bool ticked = Sim.ticks != before;  // a duel won by the player's move ends before its tick
    fe.Out() << "SIM " << tick << " | you " << Game.Ship[Sh::ShieldEnergy] << " combo " << SimulatorCombo(0) << ' '
             << ActionName(ticked ? Sim.tickActions[0] : Sim.playerActed) << " | enemy "
             << Combat.EnemyShip[Sh::ShieldEnergy] << " combo " << SimulatorCombo(1) << ' '
             << ActionName(ticked ? Sim.tickActions[1] : 0) << '\n';
  }
  fe.Out() << "RESULT " << SimulatorResult() << '\n';
}

void AddSimulatorCommands(CommandTable& t) {
  t.push_back({"simulator", Simulator, "SHIP EXPERTISE ENEMYSHIP ENEMYEXPERTISE",
               "fight a combat simulator duel (each 1..3)"});
}

}  // namespace qm
