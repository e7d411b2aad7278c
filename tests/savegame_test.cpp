#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "state/cp1252.h"
#include "state/file_io.h"
#include "state/game_state.h"
#include "state/savegame.h"
#include "support/scripted_frontend.h"

namespace fs = std::filesystem;

namespace qm {
namespace {

// A small valid game without the world builder: enough for the validator.
void MinimalGame() {
  ResetGameState();
  Game.Ship[Sh::Alive] = 1;
  Game.Ship[Sh::ShipType] = 1;
  Game.Ship[Sh::System] = 1;
  Game.Ship[Sh::Location] = 2;
  Game.Player[Pl::Faction] = 1;
  Game.Player[Pl::Level] = 1;
  Game.PlayerName = "Ada";
  Game.LocationText[1][2][2] = "Home of mankind \u00b4quoted\u00b4 \u201cwith\u201d \u2013 dashes\u2026";
}

class Savegames : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("qm-save-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    SetSaveDirectory(dir.string());
    General = GeneralData{};
    MinimalGame();
  }
  void TearDown() override {
    fs::remove_all(dir);
    SetSaveDirectory(".");
  }
  std::vector<uint8_t> Read(const std::string& name) {
    std::vector<uint8_t> out;
    std::string error;
    ReadWholeFile((dir / name).string(), out, error);
    return out;
  }
  void Write(const std::string& name, const std::vector<uint8_t>& data) {
    std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(data.data()), data.size());
  }
  fs::path dir;
  test::ScriptedFrontend fe;
};

TEST_F(Savegames, FilesHaveTheirExactSizesAndLittleEndianLayout) {
  Game.LocationData[0][0][0] = 0x01020304;  // the very first integer of the file
  Game.StarDate = 77;                        // the very last
  ASSERT_TRUE(SaveGame(3, "Third"));
  EXPECT_EQ(fs::file_size(dir / "Savegame3.int"), 815680u);
  EXPECT_EQ(fs::file_size(dir / "Savegame3.str"), 1242368u);
  auto ints = Read("Savegame3.int");
  EXPECT_EQ(ints[0], 0x04);
  EXPECT_EQ(ints[3], 0x01);
  EXPECT_EQ(ints[ints.size() - 4], 77);
  EXPECT_EQ(fs::file_size(dir / "GeneralData.int"), 517u * 4);
  EXPECT_EQ(fs::file_size(dir / "GeneralData.str"), 9u * 256);
  EXPECT_EQ(General.SaveSlotUsed[3], 1);
  EXPECT_EQ(General.SaveSlotName[3], "Third");
  EXPECT_TRUE(fe.sawTopic("Game saved!"));
  // No temporary files are left behind.
  for (const auto& e : fs::directory_iterator(dir)) EXPECT_EQ(e.path().extension().string().find("tmp"), std::string::npos);
}

TEST_F(Savegames, EveryTableRoundTripsButSlot101AndString11) {
  // Distinct values in every saved integer and string.
  int32_t counter = 1;
  auto fill = [&](IntRow& r) {
    for (int k = 0; k <= 101; ++k) r[k] = counter++;
  };
  auto fillS = [&](StrRow& r) {
    for (int k = 0; k <= 11; ++k) r[k] = "s" + std::to_string(counter++);
  };
  for (int s = 0; s <= 25; ++s) {
    for (int l = 0; l <= 16; ++l) {
      fill(Game.LocationData[s][l]);
      fill(Game.LocationStock[s][l]);
      fill(Game.LocationPrices[s][l]);
      fill(Game.LocationPriceTrend[s][l]);
      fillS(Game.LocationText[s][l]);
    }
    fill(Game.SystemData[s]);
    fill(Game.SystemPrices[s]);
    fill(Game.SystemPriceTrend[s]);
    fillS(Game.SystemText[s]);
    for (int p = 0; p <= 5; ++p) fill(Game.SpaceObjects[s][p]);
    for (int o = 0; o <= 7; ++o) fill(Game.Missions[s][o]);
  }
  for (auto* r : {&Game.Cargo, &Game.BasePrice, &Game.Player, &Game.NonCombatAbilities, &Game.CombatAbilities,
                  &Game.Ship, &Game.ActiveMission})
    fill(*r);
  for (int e = 0; e <= 21; ++e) {
    fill(Game.NewsData[e]);
    Game.NewsText[e] = "n" + std::to_string(e);
  }
  for (int r = 0; r <= 11; ++r) fill(Game.SystemShips[r]);
  for (int f = 0; f <= 5; ++f) {
    fill(Game.FactionData[f]);
    fillS(Game.FactionText[f]);
  }
  for (int c = 0; c <= 101; ++c) Game.CommodityName[c] = "c" + std::to_string(c);
  Game.PlayerName = "Round Trip";
  Game.StarDate = 4242;

  const GameState saved = Game;
  auto ints = EncodeSlotInts(saved);
  auto strs = EncodeSlotStrings(saved);
  auto back = std::make_unique<GameState>();
  std::string why;
  ASSERT_TRUE(DecodeSlot(ints, strs, *back, why)) << why;

  // What is written comes back; what lies outside the written ranges does not.
  GameState expected = saved;
  for (int s = 0; s <= 25; ++s) {
    for (int l = 0; l <= 16; ++l) {
      for (auto* t : {&expected.LocationData, &expected.LocationStock, &expected.LocationPrices,
                      &expected.LocationPriceTrend}) {
        if (s > 24 || l > 15) (*t)[s][l] = IntRow{};
        (*t)[s][l][101] = 0;
      }
      if (s > 24 || l > 15) expected.LocationText[s][l] = StrRow{};
      expected.LocationText[s][l][11] = "";
    }
    for (auto* t : {&expected.SystemData, &expected.SystemPrices, &expected.SystemPriceTrend}) {
      if (s > 24) (*t)[s] = IntRow{};
      (*t)[s][101] = 0;
    }
    if (s > 24) expected.SystemText[s] = StrRow{};
    expected.SystemText[s][11] = "";
    for (int p = 0; p <= 5; ++p) {
      if (s > 24 || p > 4) expected.SpaceObjects[s][p] = IntRow{};
      expected.SpaceObjects[s][p][101] = 0;
    }
    for (int o = 0; o <= 7; ++o) {
      if (s > 24 || o > 6) expected.Missions[s][o] = IntRow{};
      expected.Missions[s][o][101] = 0;
    }
  }
  for (auto* r : {&expected.Cargo, &expected.BasePrice, &expected.Player, &expected.NonCombatAbilities,
                  &expected.CombatAbilities, &expected.Ship, &expected.ActiveMission})
    (*r)[101] = 0;
  for (int e = 0; e <= 21; ++e) {
    if (e > 20) expected.NewsData[e] = IntRow{}, expected.NewsText[e] = "";
    expected.NewsData[e][101] = 0;
  }
  for (int r = 0; r <= 11; ++r) {
    if (r > 10) expected.SystemShips[r] = IntRow{};
    expected.SystemShips[r][101] = 0;
  }
  for (int f = 0; f <= 5; ++f) {
    if (f > 4) expected.FactionData[f] = IntRow{}, expected.FactionText[f] = StrRow{};
    expected.FactionData[f][101] = 0;
    expected.FactionText[f][11] = "";
  }
  expected.CommodityName[101] = "";
  EXPECT_TRUE(*back == expected);
  EXPECT_EQ(back->Player[101], 0);
  EXPECT_EQ(back->LocationText[3][4][11], "");
  EXPECT_EQ(back->PlayerName, "Round Trip");
  EXPECT_EQ(back->StarDate, 4242);
}

TEST_F(Savegames, LongTextsAreCutTo255AndTheCodePageRoundTrips) {
  Game.LocationText[2][3][2] = std::string(277, 'x');
  ASSERT_TRUE(SaveGame(1, "one"));
  Game.LocationText[2][3][2] = "changed";
  ASSERT_TRUE(LoadGame(1));
  EXPECT_EQ(Game.LocationText[2][3][2], std::string(255, 'x'));
  EXPECT_EQ(Game.LocationText[1][2][2], "Home of mankind \u00b4quoted\u00b4 \u201cwith\u201d \u2013 dashes\u2026");
  EXPECT_EQ(Game.PlayerName, "Ada");
  // A character of two UTF-8 bytes counts as one byte in the file: 255 of them fit.
  Game.PlayerName = std::string(300, 'a');
  std::string umlauts;
  for (int i = 0; i < 300; ++i) umlauts += "\u00e4";
  Game.SystemText[5][2] = umlauts;
  ASSERT_TRUE(SaveGame(1, "one"));
  ASSERT_TRUE(LoadGame(1));
  EXPECT_EQ(Game.SystemText[5][2].size(), 255u * 2);
}

TEST(Cp1252, WholeCodePageAndUnmappableCharacters) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = Cp1252ToUtf8(all);
  const std::string back = Utf8ToCp1252(utf8);
  ASSERT_EQ(back.size(), all.size());
  for (int b = 1; b < 256; ++b) {
    const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
    EXPECT_EQ(static_cast<uint8_t>(back[b - 1]), undefined ? '?' : b) << b;
  }
  EXPECT_EQ(Cp1252ToUtf8("\x80\x92\x96\xB4"), "\u20ac\u2019\u2013\u00b4");
  EXPECT_EQ(Utf8ToCp1252("\u4e16 \U0001F680 ok"), "? ? ok");
  EXPECT_EQ(Utf8ToCp1252(std::string("bad \xC3 \xFF end")), "bad ? ? end");
}

TEST(Cp1252, TypedNamesKeepThirtyPrintableCharacters) {
  EXPECT_EQ(SanitizeTypedName("Jo\tna\x01s\n"), "Jonas");
  EXPECT_EQ(SanitizeTypedName(""), "");
  std::string longName;
  for (int i = 0; i < 40; ++i) longName += "\u00e9";
  EXPECT_EQ(SanitizeTypedName(longName).size(), 60u);  // 30 characters of two bytes
  EXPECT_EQ(SanitizeTypedName("Captain \u00c5sa \u201cRed\u201d"), "Captain \u00c5sa \u201cRed\u201d");
}

TEST_F(Savegames, DamagedAndHostileSlotsAreRefusedAndTheGameStaysAsItWas) {
  ASSERT_TRUE(SaveGame(2, "good"));
  const auto goodInts = Read("Savegame2.int");
  const auto goodStrs = Read("Savegame2.str");
  Game.Player[Pl::Credits] = 31337;
  const GameState running = Game;

  struct Case {
    const char* what;
    std::vector<uint8_t> ints, strs;
  };
  auto withInt = [&](size_t index, int32_t v) {
    auto copy = goodInts;
    for (int k = 0; k < 4; ++k) copy[index * 4 + k] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * k));
    return copy;
  };
  // Offsets: the Player and Ship rows follow 40400*4 + 2525*3 + 12625 + 101*2 + 2121 + 1111 integers.
  const size_t player = 40400 + 2525 + 12625 + 40400 * 3 + 101 + 2525 * 2 + 101 + 2121 + 1111;
  const size_t ship = player + 101 * 3;
  auto truncated = goodInts;
  truncated.resize(truncated.size() - 100);
  auto oversized = goodStrs;
  oversized.push_back(0);
  const std::vector<Case> cases = {
      {"truncated", truncated, goodStrs},
      {"oversized", goodInts, oversized},
      {"empty", {}, goodStrs},
      {"system 99", withInt(ship + Sh::System, 99), goodStrs},
      {"location 0", withInt(ship + Sh::Location, 0), goodStrs},
      {"location -5", withInt(ship + Sh::Location, -5), goodStrs},
      {"ship type -5", withInt(ship + Sh::ShipType, -5), goodStrs},
      {"gun 40", withInt(ship + Sh::Guns, 40), goodStrs},
      {"engine -1", withInt(ship + Sh::Engines, -1), goodStrs},
      {"faction 7", withInt(player + Pl::Faction, 7), goodStrs},
      {"level 0", withInt(player + Pl::Level, 0), goodStrs},
      {"owner 9", withInt(40400 + 101 * 3 + Sys::Owner, 9), goodStrs},
      {"wormhole 30", withInt(101 * 16 * 2 + 101 * 5 + Loc::Target, 30), goodStrs},
  };
  for (const auto& c : cases) {
    Write("Savegame2.int", c.ints);
    Write("Savegame2.str", c.strs);
    fe.shown.clear();
    EXPECT_FALSE(LoadGame(2)) << c.what;
    EXPECT_TRUE(Game == running) << c.what;
    EXPECT_FALSE(fe.sawTopic("Game loaded!")) << c.what;
    ASSERT_TRUE(fe.sawTopic("Load failed")) << c.what;
    EXPECT_NE(fe.shown.back().text.find("slot 2"), std::string::npos) << c.what;
  }
  // Missing files cannot be read.
  fs::remove(dir / "Savegame2.str");
  fe.shown.clear();
  EXPECT_FALSE(LoadGame(2));
  EXPECT_NE(fe.shown.back().text.find("cannot be read"), std::string::npos);
  EXPECT_TRUE(Game == running);
}

TEST_F(Savegames, HarmlessOddValuesAreRepairedOnLoad) {
  Game.Player[Pl::CriminalFlag] = 2000000000;
  Game.NewsData[1][1] = 1;
  Game.NewsData[1][2] = 5;
  Game.NewsData[1][21] = 999;  // no such story
  Game.SystemShips[1][1] = 1;
  Game.SystemShips[1][2] = 3;
  Game.SystemShips[1][22] = -4;
  ASSERT_TRUE(SaveGame(4, "odd"));
  ASSERT_TRUE(LoadGame(4));
  EXPECT_EQ(Game.Player[Pl::CriminalFlag], 10000);
  EXPECT_EQ(Game.NewsData[1][21], 0);
  EXPECT_EQ(Game.SystemShips[1][22], 0);
}

TEST_F(Savegames, NoAnswersAndBadSlotsChangeNothing) {
  fe.answer(false);
  EXPECT_FALSE(SaveGame(1, "x"));
  EXPECT_FALSE(fs::exists(dir / "Savegame1.int"));
  EXPECT_EQ(General.SaveSlotUsed[1], 0);
  ASSERT_TRUE(SaveGame(1, "x"));
  Game.Player[Pl::Credits] = 5;
  fe.answer(false);
  EXPECT_FALSE(LoadGame(1));
  EXPECT_EQ(Game.Player[Pl::Credits], 5);
  fe.shown.clear();
  EXPECT_FALSE(SaveGame(0, "x"));
  EXPECT_FALSE(SaveGame(5, "x"));
  EXPECT_FALSE(LoadGame(-1));
  EXPECT_TRUE(fe.shown.empty());
}

TEST_F(Savegames, AFailedSaveKeepsThePreviousSave) {
  Game.Player[Pl::Credits] = 1111;
  ASSERT_TRUE(SaveGame(1, "first"));
  const auto before = Read("Savegame1.str");
  // The string file's name is taken by a directory: its rename must fail.
  Game.Player[Pl::Credits] = 2222;
  fs::remove(dir / "Savegame1.str");
  fs::create_directory(dir / "Savegame1.str");
  fs::create_directory(dir / "Savegame1.str" / "blocker");
  fe.shown.clear();
  EXPECT_FALSE(SaveGame(1, "second"));
  EXPECT_TRUE(fe.sawTopic("Save failed"));
  EXPECT_FALSE(fs::exists(dir / "Savegame1.str.tmp"));
  EXPECT_FALSE(fe.sawTopic("Game saved!"));
  EXPECT_EQ(General.SaveSlotName[1], "first");

  // A folder that does not exist: nothing is written, the old slot is intact.
  fs::remove_all(dir / "Savegame1.str");
  SetSaveDirectory((dir / "missing").string());
  fe.shown.clear();
  EXPECT_FALSE(SaveGame(1, "third"));
  EXPECT_TRUE(fe.sawTopic("Save failed"));
  SetSaveDirectory(dir.string());
  EXPECT_EQ(Read("Savegame1.int").size(), kSlotIntBytes);
}

TEST_F(Savegames, GeneralDataDefaultsClampsAndTimers) {
  LoadGeneralData();  // first start: nothing there
  EXPECT_EQ(General.StartCounter, 0);
  EXPECT_TRUE(General.Option.Music);
  EXPECT_TRUE(General.Option.SoundEffects);
  EXPECT_FALSE(General.Option.AutoNextTurn);
  EXPECT_FALSE(General.Option.VeteranMode);
  EXPECT_FALSE(General.Option.NoWarPopups);
  EXPECT_EQ(General.Timers.PlayerMessage, 1200);
  EXPECT_EQ(General.Timers.EnemyShield, 400);

  General.Timers.PlayerMessage = 100;   // the compatibility mode's fast messages
  General.Timers.EnemyMessage = 999;
  General.Timers.PlayerGunFire = 50000;
  General.Option.VeteranMode = true;
  General.StartCounter = 3;
  General.HighscoreName[2] = "Ada";
  General.Highscore[2][1] = 123456;
  ASSERT_TRUE(SaveGeneralData());
  auto ints = Read("GeneralData.int");
  auto at = [&](size_t i) { return static_cast<int32_t>(ints[i * 4] | ints[i * 4 + 1] << 8 | ints[i * 4 + 2] << 16 | ints[i * 4 + 3] << 24); };
  EXPECT_EQ(at(504), 3);      // start counter after slots and highscores
  EXPECT_EQ(at(508), 1);      // veteran mode
  EXPECT_EQ(at(510), 1200);   // message timers below 1000 are written as 1200
  EXPECT_EQ(at(511), 1200);
  EXPECT_EQ(at(512), 50000);  // written as it is ...
  EXPECT_EQ(at(513), 50000);
  General = GeneralData{};
  LoadGeneralData();
  EXPECT_EQ(General.Timers.PlayerGunFire, 10000);  // ... clamped when read
  EXPECT_TRUE(General.Option.VeteranMode);
  EXPECT_EQ(General.HighscoreName[2], "Ada");
  EXPECT_EQ(General.Highscore[2][1], 123456);

  // The fourth interval is ignored; a truncated file gives the defaults.
  for (int k = 0; k < 4; ++k) ints[513 * 4 + k] = 0x55;
  Write("GeneralData.int", ints);
  LoadGeneralData();
  EXPECT_EQ(General.Timers.PlayerGunFire, 10000);
  EXPECT_EQ(General.Timers.EnemyGunFire, 400);
  ints.pop_back();
  Write("GeneralData.int", ints);
  LoadGeneralData();
  EXPECT_EQ(General.StartCounter, 0);
  EXPECT_FALSE(General.Option.VeteranMode);
}

}  // namespace
}  // namespace qm
