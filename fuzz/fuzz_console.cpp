// A console command line from a hostile hand, run against a started game: the
// first line of the input is executed by the console of quellmark-cli. Every
// run starts from the same game, seed and settings.
#include <memory>
#include <sstream>

#include "cli/console.h"
#include "combat/boarding.h"
#include "combat/combat_state.h"
#include "combat/fleet_battle.h"
#include "combat/simulator.h"
#include "fuzz_support.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/savegame.h"

using namespace qm;

namespace {

struct Snapshot {
  GameState game;
  RunState run;
  GeneralData general;
  CombatState combat;
  BoardingState boarding;
  FleetState fleet;
  SimulatorState sim;
};

// A game a few days old, at its home planet, started once.
const Snapshot& Started() {
  static const std::unique_ptr<Snapshot> started = [] {
    SetSaveDirectory(fuzz::Folder());
    std::ostringstream out, err;
    Console console(out, err);
    std::istringstream script("seed 5\nnew 1 2 0 Fuzz\nday 3\n");
    fuzz::Check(console.Run(script) == 0, "the game starts");
    return std::make_unique<Snapshot>(Snapshot{Game, Run, General, Combat, Boarding, Fleet, Sim});
  }();
  return *started;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Snapshot& s = Started();
  Game = s.game, Run = s.run, General = s.general, Combat = s.combat, Boarding = s.boarding, Fleet = s.fleet,
  Sim = s.sim;
  SeedRandom(7);
  std::string line(reinterpret_cast<const char*>(data), size);
  line = line.substr(0, line.find('\n'));
  std::ostringstream out, err;
  Console console(out, err);
  console.Execute("pilot auto");  // the pilot mode is the console's own: the same for every run
  const bool ok = console.Execute(line);
  fuzz::Check(ok || err.str().rfind("error: ", 0) == 0, "a refused line says error");
  return 0;
}
