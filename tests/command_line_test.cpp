// The command line of both programs: the options each takes, --help and
// --version, the console's command list and its manual page, and where an
// installed program finds its data folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "cli/console.h"
#include "cli/install_paths.h"
#include "cli/options.h"
#include "version.h"

namespace qm {
namespace {

bool Parse(std::vector<std::string> args, bool console, CommandLine& cl, std::string& error) {
  args.insert(args.begin(), "program");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  cl = CommandLine{};
  return ParseCommandLine(static_cast<int>(argv.size()), argv.data(), cl, error, console);
}

std::string ConsoleHelp() {
  std::ostringstream out;
  WriteConsoleHelp(out);
  return out.str();
}

std::string ManPage(const std::string& name) {
  std::ifstream in(std::string(QM_SOURCE_DIR) + "/man/" + name);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ConsoleHelp, ListsEveryCommandOfTheTableOnceWithItsUsage) {
  const CommandTable commands = ConsoleCommands();
  ASSERT_GT(commands.size(), 40u);
  const std::string help = ConsoleHelp();
  std::set<std::string> names;
  for (const Command& c : commands) {
    EXPECT_TRUE(names.insert(c.name).second) << "two commands are called " << c.name;
    EXPECT_FALSE(c.summary.empty()) << c.name << " has no summary";
    // Each command opens a line of the help, followed by its usage.
    const std::string line = "\n  " + c.name + (c.usage.empty() ? "" : " " + c.usage);
    EXPECT_NE(help.find(line), std::string::npos) << "--help leaves out: " << c.name;
  }
  // The commands the help used to forget are there.
  for (const char* name : {"duel", "pilot", "act", "end", "scan", "board", "fleet"})
    EXPECT_TRUE(names.count(name)) << name;
}

TEST(ConsoleHelp, TheManualPageDescribesEveryCommandAndOption) {
  const std::string page = ManPage("quellmark-cli.6");
  ASSERT_FALSE(page.empty()) << "man/quellmark-cli.6 is missing";
  for (const Command& c : ConsoleCommands()) {
    // ".B name", ".BI name ...", ".BR name ..." or a two-word form such as ".B bar drink".
    const std::regex entry("\\n\\.B[IR]? \"?" + c.name + "[ \"\\n]");
    EXPECT_TRUE(std::regex_search(page, entry)) << "the manual page leaves out the command " << c.name;
  }
  const std::string gamePage = ManPage("quellmark.6");
  for (const OptionInfo& o : CommandLineOptions()) {
    std::string escaped = std::regex_replace(std::string(o.name), std::regex("-"), "\\-");
    if (o.consoleHelp) {
      EXPECT_NE(page.find(escaped), std::string::npos) << "quellmark-cli.6 leaves out " << o.name;
    }
    if (o.gameHelp) {
      EXPECT_NE(gamePage.find(escaped), std::string::npos) << "quellmark.6 leaves out " << o.name;
    }
  }
}

TEST(Options, EachProgramTakesItsOwnOptionsAndTheHelpNamesThemAll) {
  std::ostringstream game, console;
  WriteOptionHelp(game, false);
  WriteOptionHelp(console, true);
  CommandLine cl;
  std::string error;
  for (const OptionInfo& o : CommandLineOptions()) {
    std::vector<std::string> args{o.name};
    if (*o.value) args.push_back(std::string(o.name) == "--seed" ? "12" : "x");
    for (bool isConsole : {false, true}) {
      const bool takes = (isConsole ? o.consoleHelp : o.gameHelp) != nullptr;
      const std::string help = isConsole ? console.str() : game.str();
      EXPECT_EQ(Parse(args, isConsole, cl, error), takes) << o.name << (isConsole ? " (console)" : " (game)");
      EXPECT_EQ(help.find(std::string("  ") + o.name) != std::string::npos, takes) << o.name;
      if (!takes) {
        EXPECT_NE(error.find("unknown argument"), std::string::npos);
      }
    }
  }
  // The console's script is a plain argument, the game has none.
  EXPECT_TRUE(Parse({"run.qms"}, true, cl, error));
  EXPECT_EQ(cl.script, "run.qms");
  EXPECT_FALSE(Parse({"run.qms"}, false, cl, error));
  // A value is required where the option names one.
  EXPECT_FALSE(Parse({"--dir"}, false, cl, error));
  EXPECT_NE(error.find("needs a value"), std::string::npos);
}

TEST(Options, SeedTakesOnlyANonNegativeNumber) {
  CommandLine cl;
  std::string error;
  EXPECT_TRUE(Parse({"--seed", "18446744073709551615"}, true, cl, error));
  EXPECT_EQ(cl.seed, 18446744073709551615ull);
  EXPECT_TRUE(cl.seeded);
  // "-1" would wrap round to the largest seed; a blank or a sign sneaks past stoull.
  for (const char* bad : {"-1", " 5", "+5", "5x", "", "18446744073709551616"}) {
    EXPECT_FALSE(Parse({"--seed", bad}, true, cl, error)) << "'" << bad << "'";
    EXPECT_NE(error.find("non-negative number"), std::string::npos) << error;
  }
}

TEST(Options, VersionNamesTheVersionTheCommitAndTheBuildType) {
  const std::string v = VersionText("quellmark-cli");
  EXPECT_EQ(v.rfind(std::string("quellmark-cli ") + QUELLMARK_VERSION + " (commit ", 0), 0u) << v;
  EXPECT_NE(v.find(QUELLMARK_COMMIT), std::string::npos);
  EXPECT_NE(v.find(std::string(QUELLMARK_BUILD_TYPE) + " build)"), std::string::npos) << v;
  EXPECT_STRNE(QUELLMARK_COMMIT, "");
}

TEST(InstallPaths, TheDataFolderFollowsTheProgramWhereverItIsInstalled) {
  EXPECT_EQ(FolderBeside("/usr/local/bin/quellmark", "../share/quellmark"), "/usr/local/share/quellmark");
  EXPECT_EQ(FolderBeside("/home/ada/games/q/bin/quellmark", "../share/quellmark/"),
            "/home/ada/games/q/share/quellmark");
  EXPECT_EQ(FolderBeside("/opt/q/games/quellmark", "../../share/quellmark"), "/opt/share/quellmark");
  EXPECT_EQ(FolderBeside("/opt/q/bin/quellmark", "/srv/quellmark"), "/srv/quellmark") << "absolute stays";
  EXPECT_EQ(FolderBeside("", "../share/quellmark"), "");
  EXPECT_EQ(FolderBeside("/opt/q/bin/quellmark", ""), "");

  // This test program is its own executable: the data folder is found beside it.
  const std::string self = ExecutablePath();
  ASSERT_FALSE(self.empty());
  EXPECT_EQ(std::filesystem::path(self).filename(), "command_line_test");
  const std::string data = InstalledDataFolder();
  EXPECT_EQ(data, FolderBeside(self, QM_DATA_FROM_BIN));
  EXPECT_TRUE(std::filesystem::path(data).is_absolute()) << data;
  EXPECT_EQ(std::filesystem::path(data).filename(), "quellmark");
}

}  // namespace
}  // namespace qm
