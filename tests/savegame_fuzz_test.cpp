// Savegame bytes from a damaged disk or a hostile hand: the loader either refuses
// them, leaving the running game as it was, or accepts a state the rules can then
// play, read aloud and save again. Meant to run under the sanitizers as well.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "state/game_state.h"
#include "state/random.h"
#include "state/savegame.h"
#include "support/scripted_frontend.h"
#include "world/day_cycle.h"
#include "world/main_screen.h"
#include "world/new_game.h"
#include "world/news.h"
#include "world/wars.h"

namespace fs = std::filesystem;

namespace qm {
namespace {

using Bytes = std::vector<uint8_t>;

class SavegameFuzz : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(8);
    NewGameChoices c;
    c.faction = 2;
    c.profession = 3;
    StartNewGame(c);
    for (int day = 0; day < 200; ++day) DailyUpdate();
    ints = EncodeSlotInts(Game);
    strs = EncodeSlotStrings(Game);
    running = std::make_unique<GameState>(Game);
  }
  // What a load does before it replaces the running game: decode, then validate.
  bool Accepts(const Bytes& i, const Bytes& s, GameState& out, std::string& why) {
    return DecodeSlot(i, s, out, why) && ValidateLoadedState(out, why);
  }
  // Plays a few days of an accepted state, shows what the main screen shows, and
  // saves it again: the new save must load.
  void Play(const GameState& loaded, const std::string& what) {
    Game = loaded;
    for (int day = 0; day < 3; ++day) DailyUpdate();
    for (int r = 1; r <= kNewsEntries; ++r) {
      (void)newsLine(r);
      (void)newsArticle(r);
    }
    for (int s = 1; s <= kSystems; ++s)
      if (SiegeRunning(s)) (void)CampaignScreen(s);
    (void)shipsLogLine();
    (void)compatibilityLines();
    auto again = std::make_unique<GameState>();
    std::string why;
    EXPECT_TRUE(Accepts(EncodeSlotInts(Game), EncodeSlotStrings(Game), *again, why)) << what << ": " << why;
  }
  Bytes ints, strs;
  std::unique_ptr<GameState> running;
  test::ScriptedFrontend fe;
};

TEST_F(SavegameFuzz, EveryTruncationAndExtensionIsRefused) {
  auto out = std::make_unique<GameState>(*running);
  std::string why;
  for (size_t n = 0; n < ints.size(); n += 4093) {
    const Bytes cut(ints.begin(), ints.begin() + static_cast<long>(n));
    EXPECT_FALSE(Accepts(cut, strs, *out, why)) << n;
    EXPECT_FALSE(why.empty());
  }
  for (size_t n = 0; n < strs.size(); n += 4099) {
    const Bytes cut(strs.begin(), strs.begin() + static_cast<long>(n));
    EXPECT_FALSE(Accepts(ints, cut, *out, why)) << n;
  }
  for (size_t extra : {1u, 3u, 256u, 4096u}) {
    Bytes longer = ints;
    longer.resize(ints.size() + extra, 0x5a);
    EXPECT_FALSE(Accepts(longer, strs, *out, why)) << extra;
  }
  EXPECT_TRUE(*out == *running) << "a refused size never touches the target";
}

// Random bit flips, random integers and random text records, a few at a time:
// whatever the loader accepts is played without a fault.
TEST_F(SavegameFuzz, CorruptedBytesAreRefusedOrPlayable) {
  std::mt19937 rng(1234);
  auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };
  int accepted = 0, refused = 0;
  for (int round = 0; round < 120; ++round) {
    Bytes i = ints, s = strs;
    const int changes = 1 + static_cast<int>(pick(6));
    for (int k = 0; k < changes; ++k) {
      switch (pick(4)) {
        case 0: i[pick(i.size())] ^= static_cast<uint8_t>(1u << pick(8)); break;
        case 1: {  // a whole integer: small, negative or huge
          const size_t at = pick(i.size() / 4) * 4;
          const int32_t values[] = {-1, 0, 1, 25, 100, 101, -2147483647 - 1, 2147483647, static_cast<int32_t>(rng())};
          const uint32_t v = static_cast<uint32_t>(values[pick(std::size(values))]);
          for (int b = 0; b < 4; ++b) i[at + b] = static_cast<uint8_t>(v >> (8 * b));
          break;
        }
        case 2: {  // a text record full of noise, its length byte included
          const size_t at = pick(s.size() / 256) * 256;
          for (size_t b = 0; b < 256; ++b) s[at + b] = static_cast<uint8_t>(rng());
          break;
        }
        default: s[pick(s.size())] ^= static_cast<uint8_t>(1u << pick(8)); break;
      }
    }
    auto loaded = std::make_unique<GameState>();
    std::string why;
    if (Accepts(i, s, *loaded, why)) {
      ++accepted;
      Play(*loaded, "round " + std::to_string(round));
      if (HasFailure()) return;
    } else {
      ++refused;
      EXPECT_FALSE(why.empty());
    }
  }
  EXPECT_GT(accepted, 0);
  RecordProperty("refused", refused);
}

// Every third field of the player, the ship, an offer, the running mission, a
// location, a system, a news entry, a ship in the system and a faction, set to
// hostile values one at a time: each is refused with a reason, or what is accepted plays.
TEST_F(SavegameFuzz, HostileValuesInTheRowsTheRulesLookUpAreRefusedOrPlayable) {
  // Where rows start in the ".int" file, in integers.
  constexpr size_t kSystemsAt = 40400;
  constexpr size_t kNewsAt = kSystemsAt + 2525 + 12625 + 40400 * 3 + 101 + 2525 * 2 + 101;
  constexpr size_t kSystemShipsAt = kNewsAt + 2121;
  constexpr size_t kPlayerAt = kSystemShipsAt + 1111;
  constexpr size_t kFactionsAt = kPlayerAt + 101 * 4;
  constexpr size_t kMissionsAt = kFactionsAt + 505;
  const int32_t hostile[] = {-2147483647 - 1, -1, 1000000, 2147483647};
  int played = 0;
  for (size_t base : {kPlayerAt, kPlayerAt + 303 /* ship */, kMissionsAt + 101 * (7 * 6 + 1) /* offer 1 of system 6 */,
                      kMissionsAt + 101 * 175 /* running mission */, size_t{(6 * 16 + 3) * 101} /* a location */,
                      kSystemsAt + 101 * 6, kNewsAt + 101, kSystemShipsAt + 101, kFactionsAt + 101}) {
    for (int field = 1; field <= 100; field += 3) {
      for (int32_t v : hostile) {
        Bytes i = ints;
        const size_t at = (base + static_cast<size_t>(field)) * 4;
        for (int b = 0; b < 4; ++b) i[at + b] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * b));
        auto loaded = std::make_unique<GameState>();
        std::string why;
        if (!Accepts(i, strs, *loaded, why)) continue;
        if (++played % 8 != 0) continue;  // play a sample: the days are the slow part
        Play(*loaded, "field " + std::to_string(field) + " at " + std::to_string(base) + " = " + std::to_string(v));
        if (HasFailure()) return;
      }
    }
  }
  EXPECT_GT(played, 0);
}

// Through the files: a refused load changes nothing in the running game.
TEST_F(SavegameFuzz, RefusedFilesLeaveTheRunningGameAsItWas) {
  const fs::path dir = fs::temp_directory_path() / ("qm-fuzz-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  SetSaveDirectory(dir.string());
  auto write = [&](const std::string& name, const Bytes& b) {
    std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<long>(b.size()));
  };
  std::mt19937 rng(99);
  int refusals = 0;
  for (int round = 0; round < 12; ++round) {
    Bytes i = ints;
    if (round % 3 == 0) i.resize(rng() % i.size());
    else
      for (int k = 0; k < 40; ++k) i[(rng() % (i.size() / 4)) * 4 + 3] ^= 0x80;  // signs flipped all over
    write("Savegame3.int", i);
    write("Savegame3.str", strs);
    Game = *running;
    fe.shown.clear();
    if (LoadGame(3)) continue;
    ++refusals;
    EXPECT_TRUE(Game == *running) << round;
    ASSERT_TRUE(fe.sawTopic("Load failed")) << round;
  }
  SetSaveDirectory(".");
  fs::remove_all(dir);
  EXPECT_GE(refusals, 4);
}

}  // namespace
}  // namespace qm
