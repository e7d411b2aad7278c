// The mission boards over a simulated year: the generator alone, by ship class,
// and the whole day cycle with full boards.
#include <benchmark/benchmark.h>

#include "state/game_state.h"
#include "state/random.h"
#include "world/day_cycle.h"
#include "world/missions.h"
#include "world/new_game.h"

namespace {

// A new game in the given ship, with one campaign defended by the player.
void Prepare(int shipType) {
  qm::SeedRandom(5);
  qm::NewGameChoices c;
  c.faction = 1;
  c.profession = 2;
  qm::StartNewGame(c);
  qm::Game.Ship[qm::Sh::ShipType] = shipType;
  qm::Game.SystemData[2][qm::Sys::UnderAttack] = 1;
  qm::Game.SystemData[2][qm::Sys::Attacker] = 2;
  qm::Game.FactionData[1][qm::Fac::RelationBase + 2] = qm::Game.FactionData[2][qm::Fac::RelationBase + 1] = 1;
  qm::RegenerateMissionBoards();
}

// 360 runs of the generator (one per day of a year); arg = ship type.
void MissionOffersYear(benchmark::State& state) {
  Prepare(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    for (int day = 0; day < 360; ++day) qm::GenerateMissionOffers();
    benchmark::DoNotOptimize(qm::Game.Missions[1][1][qm::Mis::Type]);
  }
}
BENCHMARK(MissionOffersYear)->Arg(1)->Arg(13)->Arg(16)->Unit(benchmark::kMillisecond);

// Six fresh runs over cleared boards, as after a ship purchase.
void RegenerateBoards(benchmark::State& state) {
  Prepare(static_cast<int>(state.range(0)));
  for (auto _ : state) qm::RegenerateMissionBoards();
}
BENCHMARK(RegenerateBoards)->Arg(1)->Arg(16)->Unit(benchmark::kMillisecond);

// A year of the day cycle in a battleship, boards full.
void DayCycleYearWithBoards(benchmark::State& state) {
  Prepare(16);
  for (auto _ : state) {
    for (int day = 0; day < 360; ++day) qm::DailyUpdate();
    benchmark::DoNotOptimize(qm::Game.StarDate);
  }
}
BENCHMARK(DayCycleYearWithBoards)->Unit(benchmark::kMillisecond);

}  // namespace
