// Benchmark of one full day of the world: markets, events, ships, objects.
#include <benchmark/benchmark.h>

#include "state/game_state.h"
#include "state/random.h"
#include "world/day_cycle.h"
#include "world/new_game.h"

namespace {

void FullDay(benchmark::State& state) {
  qm::SeedRandom(4);
  qm::NewGameChoices c;
  c.faction = 1;
  c.profession = 2;
  qm::StartNewGame(c);
  // A day of a flight to a location runs every step, the space objects too.
  qm::Run.TravelScreenVisible = true;
  qm::Run.SelectedLocation = 3;
  for (auto _ : state) {
    qm::DailyUpdate();
    // Keep the pilot young so that a long run measures ordinary days.
    if (qm::Game.StarDate > 10000) qm::Game.StarDate = 2;
    benchmark::DoNotOptimize(qm::Game.StarDate);
  }
  qm::Run.TravelScreenVisible = false;
}
BENCHMARK(FullDay)->Unit(benchmark::kMicrosecond);

}  // namespace
