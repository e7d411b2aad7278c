#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "catalogue/career.h"
#include "state/file_io.h"
#include "state/game_state.h"
#include "state/savegame.h"
#include "support/scripted_frontend.h"
#include "support/temp_folder.h"
#include "world/save_load_actions.h"

namespace fs = std::filesystem;

namespace qm {
namespace {

// Positions in the ".int" file (in integers) and the ".str" file (in records).
constexpr size_t kPlayerAt = 40400 + 2525 + 12625 + 40400 * 3 + 101 + 2525 * 2 + 101 + 2121 + 1111;
constexpr size_t kShipAt = kPlayerAt + 101 * 3;
constexpr size_t kPlayerNameRecord = 4400 + 275 + 101 + 21;

// A small valid game without the world builder: enough for the validator.
void MinimalGame() {
  ResetGameState();
  Game.Ship[Sh::Alive] = 1;
  Game.Ship[Sh::ShipType] = 1;
  Game.Ship[Sh::System] = 1;
  Game.Ship[Sh::Location] = 2;
  Game.Ship[Sh::ShipFaction] = 1;
  Game.Player[Pl::Faction] = 1;
  Game.Player[Pl::Level] = 1;
  Game.PlayerName = "Ada";
  Game.LocationText[1][2][2] = "Home of mankind \u00b4quoted\u00b4 \u201cwith\u201d \u2013 dashes\u2026";
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

class Savegames : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = test::FreshTestFolder("qm-save-");
    SetSaveDirectory(dir.string());
    General = GeneralData{};
    qm::Run.TutorialActive = false;
    qm::Run.TutorialStep = 0;
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
  std::vector<std::string> Files() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  // The last message must be a load failure that names slot 2 and says why.
  void ExpectLoadRefused(const std::string& what, const std::string& reason) {
    EXPECT_FALSE(fe.sawTopic("Game loaded!")) << what;
    ASSERT_TRUE(fe.sawTopic("Load failed")) << what;
    const std::string& text = fe.shown.back().text;
    EXPECT_NE(text.find("slot 2"), std::string::npos) << what << ": " << text;
    EXPECT_NE(text.find(reason), std::string::npos) << what << ": " << text;
  }
  fs::path dir;
  test::ScriptedFrontend fe;
};

int32_t IntAt(const std::vector<uint8_t>& f, size_t i) {
  return static_cast<int32_t>(f[i * 4] | f[i * 4 + 1] << 8 | f[i * 4 + 2] << 16 | static_cast<uint32_t>(f[i * 4 + 3]) << 24);
}

TEST_F(Savegames, FilesHaveTheirExactSizesAndLayout) {
  Game.LocationData[0][0][0] = 0x01020304;  // the very first integer of the file
  Game.LocationData[0][0][101] = 999;       // never written: the next integer is row 1's slot 0
  Game.LocationData[0][1][0] = 5;
  Game.Player[Pl::Credits] = -2;
  Game.StarDate = 77;  // the very last integer
  Game.PlayerName = "Zo\u00eb \u20ac";
  ASSERT_TRUE(SaveGame(3, "Third"));
  EXPECT_EQ(fs::file_size(dir / "Savegame3.int"), 815680u);
  EXPECT_EQ(fs::file_size(dir / "Savegame3.str"), 1242368u);
  const auto ints = Read("Savegame3.int");
  EXPECT_EQ(ints[0], 0x04);
  EXPECT_EQ(ints[3], 0x01);
  EXPECT_EQ(IntAt(ints, 101), 5);
  EXPECT_EQ(IntAt(ints, kPlayerAt + Pl::Credits), -2);
  EXPECT_EQ(ints[(kPlayerAt + Pl::Credits) * 4 + 3], 0xFF);
  EXPECT_EQ(IntAt(ints, kShipAt + Sh::System), 1);
  EXPECT_EQ(IntAt(ints, ints.size() / 4 - 1), 77);
  // A record: length, the Windows-1252 bytes, zeros.
  const auto strs = Read("Savegame3.str");
  const uint8_t* rec = strs.data() + kPlayerNameRecord * 256;
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(rec), 6), "\x05Zo\xEB \x80");
  for (int k = 6; k < 256; ++k) EXPECT_EQ(rec[k], 0) << k;

  EXPECT_EQ(fs::file_size(dir / "GeneralData.int"), 517u * 4);
  EXPECT_EQ(fs::file_size(dir / "GeneralData.str"), 9u * 256);
  EXPECT_EQ(General.SaveSlotUsed[3], 1);
  EXPECT_EQ(General.SaveSlotName[3], "Third");
  EXPECT_TRUE(fe.sawTopic("Game saved!"));
  // No temporary or backup files are left behind.
  EXPECT_EQ(Files(), (std::vector<std::string>{"GeneralData.int", "GeneralData.str", "Savegame3.int", "Savegame3.str"}));
}

TEST_F(Savegames, EveryTableRoundTripsButSlot101AndString11) {
  // Distinct values in every integer and string, saved or not.
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

  const auto ints = EncodeSlotInts(Game);
  const auto strs = EncodeSlotStrings(Game);
  auto back = std::make_unique<GameState>();
  back->Player[101] = 1;  // whatever `out` held before is replaced
  back->SystemData[25][1] = 1;
  std::string why;
  ASSERT_TRUE(DecodeSlot(ints, strs, *back, why)) << why;

  // Every written value came back: the same files again. (The layout test above
  // pins where the tables sit in the files.)
  EXPECT_TRUE(EncodeSlotInts(*back) == ints);
  EXPECT_TRUE(EncodeSlotStrings(*back) == strs);
  EXPECT_EQ(back->LocationText[3][4][10], Game.LocationText[3][4][10]);
  EXPECT_EQ(back->Missions[24][6][100], Game.Missions[24][6][100]);
  EXPECT_EQ(back->PlayerName, "Round Trip");
  EXPECT_EQ(back->StarDate, 4242);
  // What lies outside the written ranges comes back empty.
  for (const IntRow* r : {&back->Player, &back->Ship, &back->Cargo, &back->ActiveMission, &back->SystemData[7],
                          &back->LocationData[3][4], &back->Missions[2][3], &back->NewsData[5], &back->SystemShips[2]})
    EXPECT_EQ((*r)[101], 0);
  for (const IntRow* r : {&back->LocationData[25][1], &back->LocationData[3][16], &back->LocationPrices[2][16],
                          &back->SystemData[25], &back->SpaceObjects[4][5], &back->Missions[4][7],
                          &back->NewsData[21], &back->SystemShips[11], &back->FactionData[5]})
    EXPECT_TRUE(*r == IntRow{});
  EXPECT_EQ(back->LocationText[3][4][11], "");
  EXPECT_EQ(back->SystemText[2][11], "");
  EXPECT_EQ(back->FactionText[1][11], "");
  EXPECT_TRUE(back->LocationText[3][16] == StrRow{});
  EXPECT_EQ(back->CommodityName[101], "");
  EXPECT_EQ(back->NewsText[21], "");
}

TEST_F(Savegames, TextsAreCutTo255BytesAfterConverting) {
  Game.LocationText[2][3][2] = std::string(277, 'x');
  Game.SystemText[5][2] = Repeat("\u20ac", 300);  // three UTF-8 bytes, one file byte each
  Game.SystemText[6][2] = Repeat("\u00e4", 254) + "\u4e16\u4e16";
  ASSERT_TRUE(SaveGame(1, "one"));
  Game.LocationText[2][3][2] = "changed";
  ASSERT_TRUE(LoadGame(1));
  EXPECT_EQ(Game.LocationText[2][3][2], std::string(255, 'x'));
  EXPECT_EQ(Game.SystemText[5][2], Repeat("\u20ac", 255));
  EXPECT_EQ(Game.SystemText[6][2], Repeat("\u00e4", 254) + "?");
  EXPECT_EQ(Game.LocationText[1][2][2], "Home of mankind \u00b4quoted\u00b4 \u201cwith\u201d \u2013 dashes\u2026");
  EXPECT_EQ(Game.PlayerName, "Ada");
}

TEST_F(Savegames, HostileSlotsAreRefusedAndTheRunningGameStaysAsItWas) {
  Game.Player[Pl::Credits] = 31337;
  const auto running = std::make_unique<GameState>(Game);
  const auto offer = [](GameState& s, int type) -> IntRow& {
    IntRow& m = s.Missions[5][3];
    m[1] = 1, m[2] = type, m[6] = 2, m[7] = 5, m[8] = 1;
    return m;
  };
  const auto news = [](GameState& s) -> IntRow& {
    IntRow& n = s.NewsData[4];
    n[1] = 1, n[2] = 7, n[3] = 1, n[4] = 2, n[13] = 3;
    return n;
  };
  const auto ship = [](GameState& s) -> IntRow& {
    IntRow& r = s.SystemShips[6];
    r[1] = 3, r[2] = 4, r[3] = 2, r[4] = 1, r[5] = 2, r[9] = 0;
    return r;
  };
  struct Case {
    const char* what;
    std::function<void(GameState&)> spoil;
  };
  const std::vector<Case> cases = {
      {"ship system 99", [](GameState& s) { s.Ship[Sh::System] = 99; }},
      {"ship system 0", [](GameState& s) { s.Ship[Sh::System] = 0; }},
      {"ship location 0", [](GameState& s) { s.Ship[Sh::Location] = 0; }},
      {"ship location -5", [](GameState& s) { s.Ship[Sh::Location] = -5; }},
      {"ship location 16", [](GameState& s) { s.Ship[Sh::Location] = 16; }},
      {"ship type -5", [](GameState& s) { s.Ship[Sh::ShipType] = -5; }},
      {"ship type 20", [](GameState& s) { s.Ship[Sh::ShipType] = 20; }},
      {"ship faction -1", [](GameState& s) { s.Ship[Sh::ShipFaction] = -1; }},
      {"guns 40", [](GameState& s) { s.Ship[Sh::Guns] = 40; }},
      {"missiles 11", [](GameState& s) { s.Ship[Sh::Missiles] = 11; }},
      {"engines -1", [](GameState& s) { s.Ship[Sh::Engines] = -1; }},
      {"cargo system 6", [](GameState& s) { s.Ship[Sh::CargoSpace] = 6; }},
      {"targeting 7", [](GameState& s) { s.Ship[Sh::Targeting] = 7; }},
      {"ecm 6", [](GameState& s) { s.Ship[Sh::Ecm] = 6; }},
      {"faction 7", [](GameState& s) { s.Player[Pl::Faction] = 7; }},
      {"faction 0", [](GameState& s) { s.Player[Pl::Faction] = 0; }},
      {"level 0", [](GameState& s) { s.Player[Pl::Level] = 0; }},
      {"level 20", [](GameState& s) { s.Player[Pl::Level] = 20; }},
      {"date 0", [](GameState& s) { s.StarDate = 0; }},
      {"system owner 9", [](GameState& s) { s.SystemData[3][Sys::Owner] = 9; }},
      {"system attacker -1", [](GameState& s) { s.SystemData[24][Sys::Attacker] = -1; }},
      {"location owner 5", [](GameState& s) { s.LocationData[4][2][Loc::Owner] = 5; }},
      {"wormhole target 25", [](GameState& s) { s.LocationData[7][3][Loc::Target] = 25; }},
      {"wormhole target -3", [](GameState& s) { s.LocationData[7][15][Loc::Target] = -3; }},
      {"offer type 28", [&](GameState& s) { offer(s, 28); }},
      {"offer type -1", [&](GameState& s) { offer(s, -1); }},
      {"offer target system 25", [&](GameState& s) { offer(s, 1)[7] = 25; }},
      {"offer target location -1", [&](GameState& s) { offer(s, 1)[6] = -1; }},
      {"offer enemy ship 20", [&](GameState& s) { offer(s, 9)[8] = 20; }},
      {"offer enemy faction 5", [&](GameState& s) { offer(s, 24)[9] = 5; }},
      {"transport commodity 19", [&](GameState& s) { offer(s, 3)[8] = 19; }},
      {"patrol step 4", [&](GameState& s) { offer(s, 2)[8] = 4; }},
      {"patrol navpoint 1 at location 16", [&](GameState& s) { offer(s, 2)[10] = 16; }},
      {"navpoint 3 in system 30", [&](GameState& s) { offer(s, 14)[15] = 30; }},
      {"running mission in campaign -1",
       [](GameState& s) { s.ActiveMission[1] = 1, s.ActiveMission[2] = 8, s.ActiveMission[20] = -1; }},
      {"news kind 10", [&](GameState& s) { news(s)[2] = 10; }},
      {"news faction -1", [&](GameState& s) { news(s)[3] = -1; }},
      {"news system 25", [&](GameState& s) { news(s)[13] = 25; }},
      {"news commodity 19", [&](GameState& s) { news(s)[8] = 19; }},
      {"system ship type 20", [&](GameState& s) { ship(s)[2] = 20; }},
      {"system ship faction 5", [&](GameState& s) { ship(s)[5] = 5; }},
      {"system ship kind 0", [&](GameState& s) { ship(s)[3] = 0; }},
      {"system ship tier 5", [&](GameState& s) { ship(s)[4] = 5; }},
      {"system ship speciality 6", [&](GameState& s) { ship(s)[9] = 6; }},
  };
  for (const auto& c : cases) {
    MinimalGame();
    c.spoil(Game);
    std::string error;
    ASSERT_TRUE(WriteSlotFiles(2, error)) << error;
    Game = *running;
    fe.shown.clear();
    EXPECT_FALSE(LoadGame(2)) << c.what;
    EXPECT_TRUE(Game == *running) << c.what;
    ExpectLoadRefused(c.what, "is damaged");
  }
}

TEST_F(Savegames, ValuesAtTheEdgesOfTheirRangesAreAccepted) {
  Game.Ship[Sh::Location] = -4;
  Game.Ship[Sh::ShipType] = 19;
  Game.Ship[Sh::System] = 24;
  Game.Ship[Sh::Guns] = 8;
  Game.Ship[Sh::Missiles] = 10;
  Game.Ship[Sh::Engines] = 6;
  Game.Ship[Sh::CargoSpace] = 5;
  Game.Ship[Sh::Targeting] = 6;
  Game.Ship[Sh::Ecm] = 5;
  Game.Player[Pl::Faction] = 4;
  Game.Player[Pl::Level] = 19;
  Game.SystemData[24][Sys::Owner] = 4;
  Game.SystemData[24][Sys::Attacker] = 4;
  Game.LocationData[24][15][Loc::Target] = 24;
  Game.Missions[24][6][1] = 1;
  Game.Missions[24][6][2] = 27;
  Game.Missions[24][6][6] = 15;
  Game.Missions[24][6][7] = 24;
  Game.Missions[1][1][2] = 999;  // an empty board slot is never read
  Game.ActiveMission[2] = -50;   // neither is a finished mission
  Game.NewsData[20][2] = 999;    // nor an absent news entry
  Game.SystemShips[10][2] = -7;  // nor an absent ship
  ASSERT_TRUE(SaveGame(2, "edges"));
  Game.Ship[Sh::Location] = 15;
  ASSERT_TRUE(SaveGame(1, "edges"));
  fe.shown.clear();
  ASSERT_TRUE(LoadGame(2)) << fe.shown.back().text;
  EXPECT_EQ(Game.Ship[Sh::Location], -4);
  EXPECT_EQ(Game.Missions[1][1][2], 999);
  ASSERT_TRUE(LoadGame(1)) << fe.shown.back().text;
  EXPECT_EQ(Game.Ship[Sh::Location], 15);
}

TEST_F(Savegames, ASlotIsDescribedFromItsFilesWithoutTouchingTheRunningGame) {
  EXPECT_FALSE(DescribeSlot(3).used);
  Game.Player[Pl::Rank] = 6;
  Game.PlayerName = "Ada";
  Game.StarDate = 477;
  ASSERT_TRUE(SaveGame(3, "Before the war"));
  Game.PlayerName = "Somebody else";
  Game.StarDate = 900;
  const SlotSummary saved = DescribeSlot(3);
  EXPECT_TRUE(saved.used);
  EXPECT_FALSE(saved.damaged);
  EXPECT_EQ(saved.pilot, rankName(6) + " Ada");
  EXPECT_EQ(saved.when, "Star date 2451.117");
  EXPECT_NE(saved.place.find(" system"), std::string::npos) << saved.place;
  EXPECT_EQ(Game.PlayerName, "Somebody else") << "the running game is untouched";
  EXPECT_EQ(Game.StarDate, 900);
  // A slot whose files were damaged says so and still counts as used.
  auto ints = Read("Savegame3.int");
  ints.resize(ints.size() / 2);
  Write("Savegame3.int", ints);
  const SlotSummary damaged = DescribeSlot(3);
  EXPECT_TRUE(damaged.used);
  EXPECT_TRUE(damaged.damaged);
  EXPECT_TRUE(damaged.pilot.empty());
  EXPECT_FALSE(DescribeSlot(0).used);
  EXPECT_FALSE(DescribeSlot(5).used);
}

TEST_F(Savegames, DamagedFilesAreRefusedAndTheRunningGameStaysAsItWas) {
  ASSERT_TRUE(SaveGame(2, "good"));
  const auto goodInts = Read("Savegame2.int");
  const auto goodStrs = Read("Savegame2.str");
  Game.Player[Pl::Credits] = 31337;
  const auto running = std::make_unique<GameState>(Game);

  auto withInt = [&](size_t index, int32_t v) {
    auto copy = goodInts;
    for (int k = 0; k < 4; ++k) copy[index * 4 + k] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * k));
    return copy;
  };
  auto truncated = goodInts;
  truncated.resize(truncated.size() - 100);
  auto oneMore = goodStrs;
  oneMore.push_back(0);
  auto doubled = goodInts;
  doubled.insert(doubled.end(), goodInts.begin(), goodInts.end());
  struct Case {
    const char* what;
    std::vector<uint8_t> ints, strs;
  };
  const std::vector<Case> cases = {
      {"truncated", truncated, goodStrs},
      {"one byte too many", goodInts, oneMore},
      {"twice as long", doubled, goodStrs},
      {"empty", {}, goodStrs},
      {"ship system 99 in the file", withInt(kShipAt + Sh::System, 99), goodStrs},
      {"ship type -5 in the file", withInt(kShipAt + Sh::ShipType, -5), goodStrs},
      {"faction 7 in the file", withInt(kPlayerAt + Pl::Faction, 7), goodStrs},
  };
  for (const auto& c : cases) {
    Write("Savegame2.int", c.ints);
    Write("Savegame2.str", c.strs);
    fe.shown.clear();
    EXPECT_FALSE(LoadGame(2)) << c.what;
    EXPECT_TRUE(Game == *running) << c.what;
    ExpectLoadRefused(c.what, "is damaged");
  }
  // Files that are missing or no files at all cannot be read.
  Write("Savegame2.int", goodInts);
  fs::remove(dir / "Savegame2.str");
  fe.shown.clear();
  EXPECT_FALSE(LoadGame(2));
  ExpectLoadRefused("missing .str", "cannot be read");
  Write("Savegame2.str", goodStrs);
  fs::remove(dir / "Savegame2.int");
  fs::create_directory(dir / "Savegame2.int");
  fe.shown.clear();
  EXPECT_FALSE(LoadGame(2));
  ExpectLoadRefused("directory as .int", "is damaged (Savegame2.int: not a regular file)");
  EXPECT_TRUE(Game == *running);
}

TEST_F(Savegames, HarmlessOddValuesAreRepairedOnLoad) {
  Game.Player[Pl::CriminalFlag] = 2000000000;
  IntRow& story = Game.NewsData[1];
  story[1] = 1, story[2] = 5, story[21] = 999;  // no such story
  IntRow& trade = Game.NewsData[2];
  trade[1] = 1, trade[2] = 1, trade[8] = 4, trade[21] = 10, trade[22] = 11, trade[23] = -1;
  IntRow& ship = Game.SystemShips[1];
  ship[1] = 1, ship[2] = 3, ship[3] = 3, ship[21] = 10, ship[22] = -4, ship[23] = 11;
  Game.SystemData[4][28] = 11, Game.SystemData[4][30] = 3, Game.SystemData[4][31] = 2, Game.SystemData[4][32] = -1;
  auto offer = [&](int slot, int type, int variant, int field10) {
    IntRow& m = Game.Missions[6][slot];
    m[1] = 1, m[2] = type, m[8] = 1, m[30] = variant, m[10] = field10;
  };
  offer(1, 20, 5, 0);   // Blitzkrieg has four texts
  offer(2, 20, 4, 0);
  offer(3, 27, 4, 0);   // Flagship has three
  offer(4, 1, 10, 0);   // the others ten
  offer(5, 1, 11, 0);
  offer(6, 5, 3, 16);   // Bounty: field 10 is the call sign 1..10, not a location
  Game.ActiveMission[1] = 1, Game.ActiveMission[2] = 18, Game.ActiveMission[10] = 7, Game.ActiveMission[30] = -3;
  ASSERT_TRUE(SaveGame(4, "odd"));
  ASSERT_TRUE(LoadGame(4));
  EXPECT_EQ(Game.Player[Pl::CriminalFlag], 10000);
  EXPECT_EQ(Game.NewsData[1][21], 0);
  EXPECT_EQ(Game.NewsData[2][21], 10);
  EXPECT_EQ(Game.NewsData[2][22], 0);
  EXPECT_EQ(Game.NewsData[2][23], 0);
  EXPECT_EQ(Game.SystemShips[1][21], 10);
  EXPECT_EQ(Game.SystemShips[1][22], 0);
  EXPECT_EQ(Game.SystemShips[1][23], 0);
  EXPECT_EQ(Game.SystemData[4][28], 0);
  EXPECT_EQ(Game.SystemData[4][30], 0);
  EXPECT_EQ(Game.SystemData[4][31], 2);
  EXPECT_EQ(Game.SystemData[4][32], 0);
  EXPECT_EQ(Game.Missions[6][1][30], 0);
  EXPECT_EQ(Game.Missions[6][2][30], 4);
  EXPECT_EQ(Game.Missions[6][3][30], 0);
  EXPECT_EQ(Game.Missions[6][4][30], 10);
  EXPECT_EQ(Game.Missions[6][5][30], 0);
  EXPECT_EQ(Game.Missions[6][6][10], 0);
  EXPECT_EQ(Game.Missions[6][6][30], 3);
  EXPECT_EQ(Game.ActiveMission[10], 7);
  EXPECT_EQ(Game.ActiveMission[30], 0);

  Game.Player[Pl::CriminalFlag] = 500;
  ASSERT_TRUE(SaveGame(4, "odd"));
  ASSERT_TRUE(LoadGame(4));
  EXPECT_EQ(Game.Player[Pl::CriminalFlag], 500);
}

TEST_F(Savegames, ALoadReplacesTheWholeGameAndEndsTheTutorial) {
  Game.Player[Pl::Credits] = 4321;
  ASSERT_TRUE(SaveGame(1, "a"));
  // The running game has data in places a savegame does not hold.
  Game.Player[Pl::Credits] = 1;
  Game.SystemData[25][1] = 7;
  Game.Player[101] = 5;
  Game.LocationText[1][1][11] = "left over";
  Game.Missions[3][7][1] = 1;
  qm::Run.TutorialActive = true;
  qm::Run.TutorialStep = 7;
  fe.shown.clear();
  ASSERT_TRUE(LoadGame(1));
  ASSERT_EQ(fe.shown.size(), 2u);
  EXPECT_EQ(fe.shown[0].dialog, 0);
  EXPECT_EQ(fe.shown[0].topic, "Really load?");
  EXPECT_EQ(fe.shown[0].text, "Do you really wish to load this game?");
  EXPECT_EQ(fe.shown[1].topic, "Game loaded!");
  EXPECT_EQ(fe.shown[1].text, "The game has been successfully loaded.");
  EXPECT_EQ(Game.Player[Pl::Credits], 4321);
  EXPECT_EQ(Game.SystemData[25][1], 0);
  EXPECT_EQ(Game.Player[101], 0);
  EXPECT_EQ(Game.LocationText[1][1][11], "");
  EXPECT_EQ(Game.Missions[3][7][1], 0);
  EXPECT_FALSE(qm::Run.TutorialActive);
  EXPECT_EQ(qm::Run.TutorialStep, 0);
}

TEST_F(Savegames, NoAnswersAndBadSlotsChangeNothing) {
  fe.answer(false);
  EXPECT_FALSE(SaveGame(1, "x"));
  EXPECT_TRUE(Files().empty());
  EXPECT_EQ(General.SaveSlotUsed[1], 0);
  EXPECT_FALSE(fe.sawTopic("Game saved!"));

  fe.shown.clear();
  ASSERT_TRUE(SaveGame(1, "x"));
  EXPECT_EQ(fe.shown[0].topic, "Really save?");
  EXPECT_EQ(fe.shown[0].text,
            "Do you really wish to save the game in this savegame slot? (A previous savegame in the same slot would be "
            "overwritten)");
  EXPECT_EQ(fe.shown[1].topic, "Game saved!");
  EXPECT_EQ(fe.shown[1].text, "The game has been successfully saved.");
  Game.Player[Pl::Credits] = 5;
  fe.answer(false);
  EXPECT_FALSE(LoadGame(1));
  EXPECT_EQ(Game.Player[Pl::Credits], 5);

  const auto before = Files();
  const auto general = Read("GeneralData.int");
  for (int slot : {0, 5, -1, 1000}) {
    fe.shown.clear();
    EXPECT_FALSE(SaveGame(slot, "x")) << slot;
    EXPECT_FALSE(LoadGame(slot)) << slot;
    // Refused at once: no question, a message each, no file touched.
    ASSERT_EQ(fe.shown.size(), 2u) << slot;
    EXPECT_EQ(fe.shown[0].topic, "Save failed");
    EXPECT_EQ(fe.shown[1].topic, "Load failed");
    EXPECT_NE(fe.shown[1].text.find("slot " + std::to_string(slot)), std::string::npos);
  }
  EXPECT_EQ(Files(), before);
  EXPECT_EQ(Read("GeneralData.int"), general);
  EXPECT_EQ(Game.Player[Pl::Credits], 5);
}

TEST_F(Savegames, AFailedSaveKeepsThePreviousSave) {
  Game.Player[Pl::Credits] = 1111;
  ASSERT_TRUE(SaveGame(1, "first"));
  const auto oldInts = Read("Savegame1.int");
  const auto oldStrs = Read("Savegame1.str");
  const auto oldGeneral = Read("GeneralData.str");
  Game.Player[Pl::Credits] = 2222;
  Game.PlayerName = "Changed";

  auto expectFailure = [&](const char* what) {
    EXPECT_TRUE(fe.sawTopic("Save failed")) << what;
    EXPECT_FALSE(fe.sawTopic("Game saved!")) << what;
    EXPECT_NE(fe.shown.back().text.find("slot 1"), std::string::npos) << what;
    EXPECT_EQ(General.SaveSlotName[1], "first") << what;
    EXPECT_EQ(Read("GeneralData.str"), oldGeneral) << what;
  };
  // The string file's name is taken by a directory: the integer file, already
  // replaced by then, gets its old contents back.
  fs::remove(dir / "Savegame1.str");
  fs::create_directories(dir / "Savegame1.str" / "blocker");
  fe.shown.clear();
  EXPECT_FALSE(SaveGame(1, "second"));
  expectFailure(".str is a directory");
  EXPECT_EQ(Read("Savegame1.int"), oldInts);
  fs::remove_all(dir / "Savegame1.str");
  Write("Savegame1.str", oldStrs);

  // The same for the integer file.
  fs::remove(dir / "Savegame1.int");
  fs::create_directories(dir / "Savegame1.int" / "blocker");
  fe.shown.clear();
  EXPECT_FALSE(SaveGame(1, "third"));
  expectFailure(".int is a directory");
  EXPECT_EQ(Read("Savegame1.str"), oldStrs);
  fs::remove_all(dir / "Savegame1.int");
  Write("Savegame1.int", oldInts);
  // No temporary or backup file is left behind.
  EXPECT_EQ(Files(), (std::vector<std::string>{"GeneralData.int", "GeneralData.str", "Savegame1.int", "Savegame1.str"}));

  // A folder that does not exist: nothing is written anywhere.
  SetSaveDirectory((dir / "missing").string());
  fe.shown.clear();
  EXPECT_FALSE(SaveGame(1, "fourth"));
  expectFailure("missing folder");
  EXPECT_FALSE(fs::exists(dir / "missing"));
  SetSaveDirectory(dir.string());
  EXPECT_EQ(Read("Savegame1.int"), oldInts);
  EXPECT_EQ(Read("Savegame1.str"), oldStrs);

  // The old save still loads.
  ASSERT_TRUE(LoadGame(1));
  EXPECT_EQ(Game.Player[Pl::Credits], 1111);
  EXPECT_EQ(Game.PlayerName, "Ada");
}

TEST_F(Savegames, AFailedGeneralDataWriteIsReportedNotCalledSuccess) {
  fs::create_directories(dir / "GeneralData.str" / "blocker");
  fe.shown.clear();
  EXPECT_FALSE(SaveGame(2, "two"));
  EXPECT_FALSE(fe.sawTopic("Game saved!"));
  ASSERT_TRUE(fe.sawTopic("Save failed"));
  EXPECT_NE(fe.shown.back().text.find("has been saved in savegame slot 2"), std::string::npos);
  // The slot itself is saved and usable; the general data pair was not half written.
  EXPECT_EQ(fs::file_size(dir / "Savegame2.int"), kSlotIntBytes);
  EXPECT_FALSE(fs::exists(dir / "GeneralData.int"));
  EXPECT_EQ(General.SaveSlotUsed[2], 1);
  EXPECT_FALSE(SaveGeneralData());
  ASSERT_TRUE(LoadGame(2));
}

TEST_F(Savegames, SlotNamesAreTypedNames) {
  ASSERT_TRUE(SaveGame(4, "My\tsave\n" + std::string(40, 'z')));
  EXPECT_EQ(General.SaveSlotName[4], "Mysave" + std::string(24, 'z'));
  // Read back from the file, and cleaned again if the file was edited.
  auto strs = Read("GeneralData.str");
  strs[0] = 3, strs[1] = 'a', strs[2] = 0x07, strs[3] = 0x80;
  // The first highscore name (after the four slot names): 40 characters with
  // a line break, a bell and a delete in it.
  uint8_t* high = strs.data() + 4 * 256;
  high[0] = 40;
  std::fill(high + 1, high + 41, 'h');
  high[2] = '\n', high[3] = 0x07, high[4] = 0x7F;
  Write("GeneralData.str", strs);
  General = GeneralData{};
  LoadGeneralData();
  EXPECT_EQ(General.SaveSlotName[1], "a\u20ac");
  EXPECT_EQ(General.SaveSlotName[4], "Mysave" + std::string(24, 'z'));
  EXPECT_EQ(General.SaveSlotUsed[4], 1);
  EXPECT_EQ(General.SaveSlotUsed[1], 0);
  EXPECT_EQ(General.HighscoreName[1], std::string(30, 'h'));
  // The pilot's name in a savegame is cleaned the same way on load.
  Game.PlayerName = "Bad\x1b[2Jname";
  ASSERT_TRUE(SaveGame(2, "two"));
  ASSERT_TRUE(LoadGame(2));
  EXPECT_EQ(Game.PlayerName, "Bad[2Jname");
}

TEST_F(Savegames, GeneralDataDefaultsClampsAndTimers) {
  General.StartCounter = 9;
  LoadGeneralData();  // first start: nothing there
  EXPECT_EQ(General.StartCounter, 0);
  EXPECT_TRUE(General.Option.Music);
  EXPECT_TRUE(General.Option.SoundEffects);
  EXPECT_FALSE(General.Option.AutoNextTurn);
  EXPECT_FALSE(General.Option.VeteranMode);
  EXPECT_FALSE(General.Option.NoWarPopups);
  EXPECT_EQ(General.Timers.PlayerMessage, 1200);
  EXPECT_EQ(General.Timers.EnemyMessage, 1200);
  for (int ms : {General.Timers.PlayerGunFire, General.Timers.EnemyGunFire, General.Timers.PlayerShield,
                 General.Timers.EnemyShield})
    EXPECT_EQ(ms, 400);
  for (int s = 1; s <= 4; ++s) EXPECT_EQ(General.SaveSlotUsed[s], 0);
  EXPECT_EQ(General.Highscore[1][1], 0);
  EXPECT_EQ(General.HighscoreName[1], "");

  General.Timers.PlayerMessage = 100;  // the compatibility mode's fast messages
  General.Timers.EnemyMessage = 999;
  General.Timers.PlayerGunFire = 50000;
  General.Timers.EnemyGunFire = 20;
  General.Timers.PlayerShield = 777;
  General.Option.Music = false;
  General.Option.VeteranMode = true;
  General.StartCounter = 3;
  General.SaveSlotUsed[2] = 1;
  General.HighscoreName[2] = "Ad\u00e9";
  General.Highscore[2][1] = 123456;
  General.Highscore[5][100] = -9;
  ASSERT_TRUE(SaveGeneralData());
  EXPECT_EQ(General.Timers.PlayerMessage, 100);  // the running setting is not changed
  auto ints = Read("GeneralData.int");
  EXPECT_EQ(IntAt(ints, 1), 1);          // slot 2 used
  EXPECT_EQ(IntAt(ints, 4 + 100), 123456);
  EXPECT_EQ(IntAt(ints, 503), -9);       // the last highscore field
  EXPECT_EQ(IntAt(ints, 504), 3);        // start counter after slots and highscores
  EXPECT_EQ(IntAt(ints, 505), 0);        // music
  EXPECT_EQ(IntAt(ints, 506), 1);        // sound effects
  EXPECT_EQ(IntAt(ints, 508), 1);        // veteran mode
  EXPECT_EQ(IntAt(ints, 510), 1200);     // message timers below 1000 are written as 1200
  EXPECT_EQ(IntAt(ints, 511), 1200);
  EXPECT_EQ(IntAt(ints, 512), 50000);    // the gun-fire timer, written as it is ...
  EXPECT_EQ(IntAt(ints, 513), 50000);    // ... twice
  EXPECT_EQ(IntAt(ints, 514), 20);
  EXPECT_EQ(IntAt(ints, 515), 777);
  EXPECT_EQ(IntAt(ints, 516), 400);
  General = GeneralData{};
  LoadGeneralData();
  EXPECT_EQ(General.Timers.PlayerMessage, 1200);
  EXPECT_EQ(General.Timers.PlayerGunFire, 10000);  // ... and clamped when read
  EXPECT_EQ(General.Timers.EnemyGunFire, 100);
  EXPECT_EQ(General.Timers.PlayerShield, 777);
  EXPECT_FALSE(General.Option.Music);
  EXPECT_TRUE(General.Option.VeteranMode);
  EXPECT_EQ(General.StartCounter, 3);
  EXPECT_EQ(General.SaveSlotUsed[2], 1);
  EXPECT_EQ(General.HighscoreName[2], "Ad\u00e9");
  EXPECT_EQ(General.Highscore[2][1], 123456);
  EXPECT_EQ(General.Highscore[5][100], -9);

  // The fourth interval is ignored; a switch is on only where the value is 1.
  auto patch = [&](size_t i, int32_t v) {
    for (int k = 0; k < 4; ++k) ints[i * 4 + k] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * k));
  };
  patch(513, 5);
  patch(505, 2);
  patch(504, -5);
  patch(0, 7);
  Write("GeneralData.int", ints);
  LoadGeneralData();
  EXPECT_EQ(General.Timers.PlayerGunFire, 10000);
  EXPECT_EQ(General.Timers.EnemyGunFire, 100);
  EXPECT_FALSE(General.Option.Music);
  EXPECT_EQ(General.StartCounter, 0);
  EXPECT_EQ(General.SaveSlotUsed[1], 0);

  // A file of the wrong size, of either kind, means the defaults.
  ints.pop_back();
  Write("GeneralData.int", ints);
  LoadGeneralData();
  EXPECT_EQ(General.SaveSlotUsed[2], 0);
  EXPECT_FALSE(General.Option.VeteranMode);
  ASSERT_TRUE(SaveGeneralData());
  General.Option.VeteranMode = true;
  ASSERT_TRUE(SaveGeneralData());
  auto strs = Read("GeneralData.str");
  strs.push_back(0);
  Write("GeneralData.str", strs);
  LoadGeneralData();
  EXPECT_FALSE(General.Option.VeteranMode);
}

TEST_F(Savegames, AtomicWritesOfFilesThatBelongTogether) {
  const std::vector<uint8_t> a{1, 2, 3}, b{4, 5};
  std::string error;
  ASSERT_TRUE(WriteFilesAtomically({{(dir / "a").string(), &a}, {(dir / "b").string(), &b}}, error)) << error;
  EXPECT_EQ(Read("a"), a);
  EXPECT_EQ(Read("b"), b);
  // The second rename fails: the first file is put back as it was ...
  const std::vector<uint8_t> c{9};
  fs::create_directories(dir / "d" / "x");
  EXPECT_FALSE(WriteFilesAtomically({{(dir / "a").string(), &c}, {(dir / "d").string(), &c}}, error));
  EXPECT_NE(error.find("d: "), std::string::npos) << error;
  EXPECT_EQ(Read("a"), a);
  // ... and a file that did not exist before is removed again.
  EXPECT_FALSE(WriteFilesAtomically({{(dir / "new").string(), &c}, {(dir / "d").string(), &c}}, error));
  EXPECT_FALSE(fs::exists(dir / "new"));
  EXPECT_EQ(Files(), (std::vector<std::string>{"a", "b", "d"}));

  std::vector<uint8_t> out;
  EXPECT_EQ(ReadFileOfSize((dir / "a").string(), 3, out, error), SizedRead::Ok);
  EXPECT_EQ(out, a);
  EXPECT_EQ(ReadFileOfSize((dir / "a").string(), 4, out, error), SizedRead::WrongSize);
  EXPECT_NE(error.find("3 bytes instead of 4"), std::string::npos) << error;
  EXPECT_EQ(ReadFileOfSize((dir / "a").string(), 2, out, error), SizedRead::WrongSize);
  EXPECT_EQ(ReadFileOfSize((dir / "d").string(), 2, out, error), SizedRead::NotAFile);
  EXPECT_EQ(ReadFileOfSize((dir / "none").string(), 2, out, error), SizedRead::CannotRead);
}

}  // namespace
}  // namespace qm
