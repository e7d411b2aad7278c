// Savegames when the process dies while saving, when the disk or the file-size
// limit runs out, and when a savegame's name is taken by something that is not
// a file: a slot is old or new, never a mix, and nothing hangs or is killed.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "state/file_io.h"
#include "state/game_state.h"
#include "state/savegame.h"
#include "support/scripted_frontend.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace qm {
namespace {

class SaveCrash : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = test::FreshTestFolder("qm-crash-");
    SetSaveDirectory(dir.string());
    General = GeneralData{};
    ResetGameState();
    Game.Ship[Sh::Alive] = 1;
    Game.Ship[Sh::ShipType] = 1;
    Game.Ship[Sh::System] = 1;
    Game.Ship[Sh::Location] = 2;
    Game.Ship[Sh::ShipFaction] = 1;
    Game.Player[Pl::Faction] = 1;
    Game.Player[Pl::Level] = 1;
    Game.PlayerName = "Old";
    Game.StarDate = 100;
    // Hangs would otherwise stall the whole test run.
    ::alarm(60);
  }
  void TearDown() override {
    ::alarm(0);
    StopWritesAfterStepForTesting(0);
    fs::remove_all(dir);
    SetSaveDirectory(".");
  }
  std::vector<std::string> Files() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  // Loads slot 1 into a scratch state: "" when refused.
  std::string SlotPilot() {
    GameState loaded;
    std::string why;
    return ReadSlotFiles(1, loaded, why) ? loaded.PlayerName + "@" + std::to_string(loaded.StarDate) : "";
  }
  fs::path dir;
  test::ScriptedFrontend fe;
};

const std::vector<std::string> kSlotAndGeneral{"GeneralData.int", "GeneralData.str", "Savegame1.int",
                                               "Savegame1.str"};

TEST_F(SaveCrash, ADeathAtEveryStepLeavesTheOldOrTheNewSlotAndNoLeftovers) {
  ASSERT_TRUE(SaveGame(1, "slot"));
  // Steps: new files written, backup kept, record written, first rename,
  // second rename, record removed. From the record on, the save is complete.
  for (int step = 1; step <= 6; ++step) {
    Game.PlayerName = "Old";
    Game.StarDate = 100;
    std::string error;
    ASSERT_TRUE(WriteSlotFiles(1, error)) << error;
    Game.PlayerName = "New";
    Game.StarDate = 200 + step;
    StopWritesAfterStepForTesting(step);
    EXPECT_FALSE(WriteSlotFiles(1, error)) << step;
    StopWritesAfterStepForTesting(0);
    const std::string expected = step >= 3 ? "New@" + std::to_string(200 + step) : "Old@100";
    if (step == 4) {
      // The mixed slot the dead process left: new integers beside the old texts,
      // each file whole. It is completed from the record, never read as it lies.
      auto mixed = std::make_unique<GameState>();
      std::vector<uint8_t> ints, strs;
      ASSERT_EQ(ReadFileOfSize((dir / "Savegame1.int").string(), kSlotIntBytes, ints, error), SizedRead::Ok);
      ASSERT_EQ(ReadFileOfSize((dir / "Savegame1.str").string(), kSlotStrBytes, strs, error), SizedRead::Ok);
      ASSERT_TRUE(DecodeSlot(ints, strs, *mixed, error));
      EXPECT_EQ(mixed->PlayerName + "@" + std::to_string(mixed->StarDate), "Old@204") << "the mix is real";
    }
    // The next start completes or drops the save, then a load reads one whole slot.
    LoadGeneralData();
    EXPECT_EQ(SlotPilot(), expected) << "step " << step;
    EXPECT_EQ(Files(), kSlotAndGeneral) << "step " << step;
  }
}

TEST_F(SaveCrash, AnInterruptedSaveIsCompletedByTheLoadItselfAndTheGeneralDataAsWell) {
  ASSERT_TRUE(SaveGame(1, "slot"));
  Game.PlayerName = "New";
  std::string error;
  StopWritesAfterStepForTesting(4);
  EXPECT_FALSE(WriteSlotFiles(1, error));
  StopWritesAfterStepForTesting(0);
  EXPECT_EQ(SlotPilot(), "New@100") << "no restart in between";

  General.Highscore[1][1] = 4321;
  StopWritesAfterStepForTesting(4);
  EXPECT_FALSE(SaveGeneralData());
  StopWritesAfterStepForTesting(0);
  General = GeneralData{};
  LoadGeneralData();
  EXPECT_EQ(General.Highscore[1][1], 4321);
  EXPECT_EQ(General.SaveSlotUsed[1], 1);
  EXPECT_EQ(Files(), kSlotAndGeneral);
}

TEST_F(SaveCrash, ARecordThatCannotBeCompletedRefusesTheSlotAndABrokenRecordIsDropped) {
  ASSERT_TRUE(SaveGame(1, "slot"));
  Game.PlayerName = "New";
  std::string error;
  StopWritesAfterStepForTesting(4);
  EXPECT_FALSE(WriteSlotFiles(1, error));
  StopWritesAfterStepForTesting(0);
  // The new texts that were still waiting are gone: old texts, new integers.
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().filename().string().rfind("Savegame1.str.tmp.", 0) == 0) fs::remove(e.path());
  GameState loaded;
  EXPECT_FALSE(ReadSlotFiles(1, loaded, error));
  EXPECT_NE(error.find("Savegame slot 1 is damaged (Savegame1.str: an interrupted save left files that do not "
                       "belong together)"),
            std::string::npos)
      << error;
  LoadGeneralData();
  EXPECT_EQ(SlotPilot(), "") << "still refused after a restart";
  // A new save of the slot makes it whole again.
  ASSERT_TRUE(WriteSlotFiles(1, error)) << error;
  EXPECT_EQ(SlotPilot(), "New@100");

  // A record cut short (or made up) renames nothing: the slot stays as it is.
  for (const std::string text : {"quellmark-commit 1 1", "quellmark-commit 1 7 2\nSavegame1.int ../x 3 0\nend\n",
                                 "quellmark-commit 1 7 2\nSavegame1.int Savegame1.int.tmp.7.1 3 00000000000000ff\n"
                                 "Savegame1.str Savegame1.str.tmp.7.2 3 00000000000000ff\nend\nmore\n"}) {
    std::ofstream(dir / "Savegame1.int.commit") << text;
    EXPECT_EQ(SlotPilot(), "New@100") << text;
    EXPECT_FALSE(fs::exists(dir / "Savegame1.int.commit")) << text;
  }
}

TEST_F(SaveCrash, ManyInterruptedSavesLeaveNothingAfterTheNextStart) {
  ASSERT_TRUE(SaveGame(1, "slot"));
  std::string error;
  for (int i = 0; i < 30; ++i) {
    StopWritesAfterStepForTesting(1 + i % 2);  // new files written, perhaps a backup kept
    EXPECT_FALSE(WriteSlotFiles(1, error));
    StopWritesAfterStepForTesting(1);
    EXPECT_FALSE(SaveGeneralData());
  }
  StopWritesAfterStepForTesting(0);
  EXPECT_GT(Files().size(), 90u);
  std::ofstream(dir / "Savegame1.int.tmp.notes") << "not ours";  // not a name a save uses
  LoadGeneralData();
  auto expected = kSlotAndGeneral;
  expected.insert(expected.begin() + 3, "Savegame1.int.tmp.notes");
  EXPECT_EQ(Files(), expected);
  EXPECT_EQ(SlotPilot(), "Old@100");
}

TEST_F(SaveCrash, TheFileSizeLimitFailsTheSaveAndKeepsTheOldSlot) {
  ASSERT_TRUE(SaveGame(1, "slot"));
  Game.PlayerName = "New";
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The limit lies between the general data and a slot's size.
    IgnoreFileSizeSignal();
    const rlimit limit{200000, 200000};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    fe.shown.clear();
    const bool saved = SaveGame(1, "big");
    const bool reported = fe.sawTopic("Save failed") &&
                          fe.shown.back().text.find("(Savegame1.int: File too large)") != std::string::npos;
    ::_exit(!saved && reported ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the save failed without a clear message";
  EXPECT_EQ(SlotPilot(), "Old@100");
  EXPECT_EQ(Files(), kSlotAndGeneral) << "the cut-off new file is removed";
}

TEST_F(SaveCrash, AFolderThatIsAFileGivesItsRealReason) {
  std::ofstream(dir / "plain") << "x";
  SetSaveDirectory((dir / "plain").string());
  fe.shown.clear();
  EXPECT_FALSE(SaveGame(1, "slot"));
  ASSERT_TRUE(fe.sawTopic("Save failed"));
  EXPECT_NE(fe.shown.back().text.find("(Savegame1.int: cannot create a file: Not a directory)"), std::string::npos)
      << fe.shown.back().text;
}

TEST_F(SaveCrash, NamesTakenByAFifoOrAFolderAreRefusedAtOnce) {
  ASSERT_TRUE(SaveGame(1, "slot"));
  General.Highscore[1][1] = 99;
  ASSERT_TRUE(SaveGeneralData());
  // A FIFO without a writer: opening it to read would wait forever.
  fs::remove(dir / "GeneralData.int");
  ASSERT_EQ(::mkfifo((dir / "GeneralData.int").c_str(), 0644), 0);
  LoadGeneralData();
  EXPECT_EQ(General.Highscore[1][1], 0) << "the defaults";
  fs::remove(dir / "GeneralData.int");
  fs::create_symlink("/dev/zero", dir / "GeneralData.int");  // a device behind a link
  LoadGeneralData();
  EXPECT_EQ(General.Highscore[1][1], 0);
  General.SaveSlotUsed[1] = 1;

  fs::remove(dir / "Savegame1.str");
  ASSERT_EQ(::mkfifo((dir / "Savegame1.str").c_str(), 0644), 0);
  fe.shown.clear();
  EXPECT_FALSE(LoadGame(1));
  ASSERT_TRUE(fe.sawTopic("Load failed"));
  EXPECT_NE(fe.shown.back().text.find("Savegame slot 1 is damaged (Savegame1.str: not a regular file)"),
            std::string::npos)
      << fe.shown.back().text;
  std::vector<uint8_t> out;
  std::string error;
  EXPECT_FALSE(ReadWholeFile((dir / "Savegame1.str").string(), out, error));
  EXPECT_EQ(OpenRegularFileStream((dir / "Savegame1.str").string(), error), nullptr);
  EXPECT_EQ(error, "Savegame1.str: not a regular file");
  EXPECT_EQ(OpenRegularFileStream(dir.string(), error), nullptr);
  // The FIFO is replaced by the next save like any file.
  EXPECT_TRUE(SaveGame(1, "again"));
  EXPECT_EQ(SlotPilot(), "Old@100");
}

}  // namespace
}  // namespace qm
