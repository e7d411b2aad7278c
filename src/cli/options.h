#pragma once
// The command line shared by the game and the console.
#include <cstdint>
#include <string>

namespace qm {

struct CommandLine {
  bool help = false;
  bool version = false;
  bool seeded = false;
  uint64_t seed = 0;
  std::string dir;     // --dir: savegames and general data
  std::string data;    // --data: pictures, music and sounds
  std::string script;  // the console's script file
  std::string screenshot;  // the game: --screenshot FILE.png
  std::string uiScript;    // the game: --ui-script FILE
};

bool ParseCommandLine(int argc, char** argv, CommandLine& out, std::string& error, bool allowScript);
// Seeds the generator (from --seed or the clock), sets the savegame folder and
// makes a write beyond the file-size limit fail instead of killing the process.
void ApplyCommandLine(const CommandLine& cl);

// The player's data folder for savegames and general data: $XDG_DATA_HOME/quellmark,
// else ~/.local/share/quellmark ("." when neither can be named).
std::string PlayerDataFolder();
// Creates `dir` when missing; false (and `error`) when it cannot be a folder.
bool PrepareFolder(const std::string& dir, std::string& error);

}  // namespace qm
