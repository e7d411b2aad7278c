// A simulated year of the world: 360 daily updates with wars, sieges, markets,
// offers, ships and space objects all running.
#include <benchmark/benchmark.h>

#include "state/game_state.h"
#include "state/random.h"
#include "world/day_cycle.h"
#include "world/new_game.h"

namespace {

void SimulatedYear(benchmark::State& state) {
  qm::SeedRandom(4);
  qm::NewGameChoices c;
  c.faction = 2;
  c.profession = 3;
  qm::StartNewGame(c);
  // A flight under way lets the space objects age and spawn too.
  qm::Run.TravelScreenVisible = true;
  qm::Run.SelectedLocation = 2;
  qm::Game.NonCombatAbilities[2] = 1;  // price knowledge everywhere
  qm::Game.NonCombatAbilities[8] = 1;  // investments
  qm::Game.Player[qm::Pl::WarBonds] = 100000;
  for (auto _ : state) {
    for (int day = 0; day < 360; ++day) qm::DailyUpdate();
    benchmark::DoNotOptimize(qm::Game.StarDate);
  }
}
BENCHMARK(SimulatedYear)->Unit(benchmark::kMillisecond);

}  // namespace
