// The soak: the whole world for many years from several seeds, every long-run
// invariant checked along the way, and now and then a savegame written to a
// temporary folder, read back and played on from the loaded copy. A world
// continued from its savegame must run exactly as the one that never stopped.
//
// QM_SOAK_YEARS (default 2) and QM_SOAK_SEEDS (default "41,42") set the length;
// the long soak is QM_SOAK_YEARS=100 QM_SOAK_SEEDS=41,42,43,44 under the
// sanitizers (build-asan/world_soak_test).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "catalogue/ships.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/savegame.h"
#include "support/scripted_frontend.h"
#include "support/world_invariants.h"
#include "world/day_cycle.h"
#include "world/missions.h"
#include "world/new_game.h"
#include "world/news.h"

namespace qm {
namespace {

std::vector<uint64_t> Seeds() {
  const char* v = std::getenv("QM_SOAK_SEEDS");
  const std::string text = v && *v ? v : "41,42";
  std::vector<uint64_t> seeds;
  for (size_t at = 0; at < text.size();) {
    const size_t comma = std::min(text.find(',', at), text.size());
    seeds.push_back(std::strtoull(text.substr(at, comma - at).c_str(), nullptr, 10));
    at = comma + 1;
  }
  return seeds;
}

int Years() {
  const char* v = std::getenv("QM_SOAK_YEARS");
  return v && *v ? std::max(1, std::atoi(v)) : 2;
}

class WorldSoak : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("qm_soak_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    SetSaveDirectory(dir_.string());
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Every invariant of the running world; "" when all hold.
  static std::string Fault(bool monthly) {
    if (std::string f = test::BoardsFault(); !f.empty()) return "boards: " + f;
    if (!monthly) return "";
    if (std::string f = test::PoliticsFault(); !f.empty()) return "politics: " + f;
    if (std::string f = test::NewsFault(); !f.empty()) return "news: " + f;
    for (int r = 1; r <= kNewsEntries && Game.NewsData[r][1] > 0; ++r)
      if (NewsStory(r).empty()) return "news row " + std::to_string(r) + " tells no story";
    return "";
  }

  // Saves into `slot`, reads the files back into a fresh state and checks that
  // the loaded world equals the running one and runs on exactly like it for a
  // month; then the game goes on from the loaded copy.
  static std::string SaveLoadContinue(int slot, uint64_t seed) {
    std::string why;
    if (!WriteSlotFiles(slot, why)) return "write: " + why;
    auto loaded = std::make_unique<GameState>();
    if (!ReadSlotFiles(slot, *loaded, why)) return "read: " + why;
    if (EncodeSlotInts(*loaded) != EncodeSlotInts(Game)) return "the integers changed on the way";
    if (EncodeSlotStrings(*loaded) != EncodeSlotStrings(Game)) return "the texts changed on the way";
    auto ran = std::make_unique<GameState>(Game);
    const auto month = [seed](GameState& g) {
      Game = g;
      SeedRandom(seed * 7919 + 1);
      for (int d = 0; d < 30; ++d) DailyUpdate();
      return std::make_pair(EncodeSlotInts(Game), EncodeSlotStrings(Game));
    };
    const auto straight = month(*ran);
    const auto resumed = month(*loaded);
    if (straight != resumed) return "a month from the loaded world differs from a month without the save";
    return "";
  }

  std::filesystem::path dir_;
};

TEST_F(WorldSoak, YearsOfTheWorldKeepEveryInvariantAndSurviveSaving) {
  test::ScriptedFrontend fe;
  std::vector<int> ships;  // one ship type of every class
  std::set<int> classes;
  for (int t = 1; t <= kShipTypes; ++t)
    if (classes.insert(shipStat(t, Stat::Class)).second) ships.push_back(t);
  const int years = Years();
  int trips = 0;
  for (uint64_t seed : Seeds()) {
    SeedRandom(seed);
    NewGameChoices c;
    c.faction = static_cast<int>(seed % 4) + 1;
    c.profession = static_cast<int>(seed % 6) + 1;
    StartNewGame(c);
    for (int day = 0; day < years * 360; ++day) {
      const std::string when = "seed " + std::to_string(seed) + " year " + std::to_string(day / 360) + " day " +
                               std::to_string(day % 360) + ": ";
      if (day % 360 == 0) {
        Game.Ship[Sh::ShipType] = ships[(day / 360 + seed) % ships.size()];
        RegenerateMissionBoards();
      }
      DailyUpdate();
      ASSERT_EQ(Fault(day % 30 == 0), "") << when;
      if (day % 180 == 179) {
        ASSERT_EQ(SaveLoadContinue(1 + trips % 4, seed + day), "") << when;
        ++trips;
        SeedRandom(seed + day);  // the run goes on from a known point
      }
    }
    ASSERT_EQ(Fault(true), "") << "seed " << seed << " at the end";
  }
  std::printf("soak: %d years x %zu seeds, %d savegame round trips\n", years, Seeds().size(), trips);
}

}  // namespace
}  // namespace qm
