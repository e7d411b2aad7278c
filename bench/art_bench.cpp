// Drawing times of the art kit's typical pictures at their screen sizes.
#include <benchmark/benchmark.h>

#include <string>

#include "art/art_kit.h"

namespace {

void DrawOne(benchmark::State& state, const char* name, int w, int h, const char* caption) {
  for (auto _ : state) {
    qm::art::Image img = qm::art::Draw({name, w, h, caption});
    benchmark::DoNotOptimize(img.pixels.data());
  }
}

BENCHMARK_CAPTURE(DrawOne, Background800x600, "StartScreen_01.jpg", 800, 600, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawOne, Dialog300x200, "Message3_01.jpg", 300, 200, "Not enough money!")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawOne, Button200x32, "StartScreen_06_Highlighted.jpg", 200, 32, "Start a new game")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawOne, Toggle200x28, "GameSettingsON+_02.jpg", 200, 28, "Music")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawOne, Planet40, "earth4.jpg", 40, 40, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawOne, PlanetLarge200, "earth4r.jpg", 200, 200, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawOne, Sun60, "Sun.jpg", 60, 60, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawOne, ShipScene300x200, "Federation_Marauder_scene.jpg", 300, 200, "")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawOne, CombatView260x150, "Pirate_Corsair_r_f3.jpg", 260, 150, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawOne, Portrait100x120, "hero2_50y.jpg", 100, 120, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawOne, AbilityIcon48, "Skill_Cloak_on.jpg", 48, 48, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawOne, Gauge120x20, "Combo_03.jpg", 120, 20, "")->Unit(benchmark::kMillisecond);

}  // namespace
