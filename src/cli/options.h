#pragma once
// The command line shared by the game and the console. One table lists every
// option with its help for each program; the parser and --help both read it,
// so the help always names every option a program takes.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace qm {

struct CommandLine {
  bool help = false;
  bool version = false;
  bool manual = false;  // the game: --manual
  bool seeded = false;
  uint64_t seed = 0;
  std::string dir;     // --dir: savegames and general data
  std::string data;    // --data: pictures, music and sounds
  std::string script;  // the console's script file
  std::string screenshot;  // the game: --screenshot FILE.png
  std::string uiScript;    // the game: --ui-script FILE
};

// One option. A program that has no help text for it does not take it.
struct OptionInfo {
  const char* name;         // "--seed"
  const char* alias;        // "-h", or "" when there is none
  const char* value;        // what follows it ("N", "DIR"), "" for a switch
  const char* gameHelp;     // nullptr: not an option of the game
  const char* consoleHelp;  // nullptr: not an option of the console
  // Stores the value; false (and `error`) when it is not acceptable.
  bool (*set)(CommandLine& out, const std::string& value, std::string& error);
};
const std::vector<OptionInfo>& CommandLineOptions();

// `console` selects the console's options (and its SCRIPT argument).
bool ParseCommandLine(int argc, char** argv, CommandLine& out, std::string& error, bool console);
// The "Options:" block of --help: one line per option the program takes.
void WriteOptionHelp(std::ostream& out, bool console);
// "quellmark 0.1.0 (commit 1a2b3c4d5e6f, RelWithDebInfo build)".
std::string VersionText(const std::string& program);

// Seeds the generator (from --seed or the clock), sets the savegame folder and
// makes a write beyond the file-size limit fail instead of killing the process.
void ApplyCommandLine(const CommandLine& cl);

// The player's data folder for savegames and general data: $XDG_DATA_HOME/quellmark,
// else ~/.local/share/quellmark ("." when neither can be named).
std::string PlayerDataFolder();
// Creates `dir` when missing; false (and `error`) when it cannot be a folder.
bool PrepareFolder(const std::string& dir, std::string& error);

}  // namespace qm
