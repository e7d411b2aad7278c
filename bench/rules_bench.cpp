// Benchmarks of the heavy one-shot operations: a new world, a save and a load.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "state/game_state.h"
#include "state/random.h"
#include "state/savegame.h"
#include "world/new_game.h"

namespace {

void NewWorld(benchmark::State& state) {
  qm::SeedRandom(1);
  for (auto _ : state) {
    qm::NewGameChoices c;
    c.faction = 1;
    c.profession = 2;
    qm::StartNewGame(c);
    benchmark::DoNotOptimize(qm::Game.StarDate);
  }
}
BENCHMARK(NewWorld)->Unit(benchmark::kMillisecond);

std::string BenchDir() {
  auto dir = std::filesystem::temp_directory_path() / "quellmark-bench";
  std::filesystem::create_directories(dir);
  return dir.string();
}

void SaveSlot(benchmark::State& state) {
  qm::SeedRandom(2);
  qm::StartNewGame({});
  qm::SetSaveDirectory(BenchDir());
  std::string error;
  for (auto _ : state) {
    if (!qm::WriteSlotFiles(1, error)) state.SkipWithError(error.c_str());
  }
}
BENCHMARK(SaveSlot)->Unit(benchmark::kMillisecond);

void LoadSlot(benchmark::State& state) {
  qm::SeedRandom(3);
  qm::StartNewGame({});
  qm::SetSaveDirectory(BenchDir());
  std::string error;
  if (!qm::WriteSlotFiles(1, error)) state.SkipWithError(error.c_str());
  auto scratch = std::make_unique<qm::GameState>();
  for (auto _ : state) {
    if (!qm::ReadSlotFiles(1, *scratch, error)) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(scratch->StarDate);
  }
}
BENCHMARK(LoadSlot)->Unit(benchmark::kMillisecond);

void EncodeDecode(benchmark::State& state) {
  qm::StartNewGame({});
  auto scratch = std::make_unique<qm::GameState>();
  std::string why;
  for (auto _ : state) {
    auto ints = qm::EncodeSlotInts(qm::Game);
    auto strs = qm::EncodeSlotStrings(qm::Game);
    if (!qm::DecodeSlot(ints, strs, *scratch, why)) state.SkipWithError(why.c_str());
  }
}
BENCHMARK(EncodeDecode)->Unit(benchmark::kMillisecond);

}  // namespace
