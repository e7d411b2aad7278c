// The command line of both programs: the options each takes, --help and
// --version, and the console's command list.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "cli/console.h"
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

}  // namespace
}  // namespace qm
