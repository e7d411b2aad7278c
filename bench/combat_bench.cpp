// Battles per second: the built-in pilot's Starwolf against a pirate Starwolf,
// fought headless from set-up to the end.
#include <benchmark/benchmark.h>

#include "catalogue/ships.h"
#include "combat/autopilot.h"
#include "combat/combat_state.h"
#include "combat/ship_combat.h"
#include "state/game_state.h"
#include "state/random.h"
#include "world/new_game.h"

namespace {

void AutopilotDuels(benchmark::State& state) {
  qm::SeedRandom(17);
  qm::NewGameChoices c;
  c.faction = 1;
  c.profession = 2;  // a Starwolf
  qm::StartNewGame(c);
  qm::SetCombatMessagesQuiet(true);
  const qm::IntRow ship = qm::Game.Ship;
  const qm::IntRow player = qm::Game.Player;
  int64_t victories = 0;
  for (auto _ : state) {
    // The same pilot and ship for every duel: full shields, no promotion.
    qm::Game.Ship = ship;
    qm::Game.Player = player;
    qm::SetupShipCombat(1, 0, 2, 0);
    qm::FightBattle(qm::PilotMode::Auto);
    victories += qm::BattleOutcome() == qm::Outcome::Victory;
  }
  qm::SetCombatMessagesQuiet(false);
  state.SetItemsProcessed(state.iterations());
  state.counters["victory_share"] =
      benchmark::Counter(static_cast<double>(victories) / static_cast<double>(state.iterations()));
}
BENCHMARK(AutopilotDuels)->Unit(benchmark::kMicrosecond);

}  // namespace
