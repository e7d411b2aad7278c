// The player's data folder: where savegames and settings live when --dir is not given.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "cli/options.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

TEST(DataFolder, FollowsXdgThenHomeAndIsCreatedOnFirstStart) {
  const char* oldXdg = getenv("XDG_DATA_HOME");
  const char* oldHome = getenv("HOME");
  const std::string xdg = oldXdg ? oldXdg : "", home = oldHome ? oldHome : "";

  setenv("XDG_DATA_HOME", "/tmp/xdg-test", 1);
  EXPECT_EQ(PlayerDataFolder(), "/tmp/xdg-test/quellmark");
  setenv("XDG_DATA_HOME", "relative/path", 1);  // not absolute: ignored
  setenv("HOME", "/home/pilot", 1);
  EXPECT_EQ(PlayerDataFolder(), "/home/pilot/.local/share/quellmark");
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(PlayerDataFolder(), "/home/pilot/.local/share/quellmark");

  const fs::path root = fs::temp_directory_path() / ("qm_folder_" + std::to_string(::getpid()));
  std::string error;
  EXPECT_TRUE(PrepareFolder((root / "a" / "quellmark").string(), error)) << error;
  EXPECT_TRUE(fs::is_directory(root / "a" / "quellmark"));
  EXPECT_TRUE(PrepareFolder((root / "a" / "quellmark").string(), error)) << "an existing folder is fine";
  std::ofstream(root / "file") << "x";
  EXPECT_FALSE(PrepareFolder((root / "file").string(), error));
  EXPECT_NE(error.find("cannot be created (Not a directory)"), std::string::npos) << error;
  EXPECT_FALSE(PrepareFolder((root / "file" / "quellmark").string(), error));
  EXPECT_NE(error.find("(Not a directory)"), std::string::npos) << error;
  fs::remove_all(root);

  if (oldXdg) setenv("XDG_DATA_HOME", xdg.c_str(), 1);
  if (oldHome) setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace qm
