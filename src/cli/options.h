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
};

bool ParseCommandLine(int argc, char** argv, CommandLine& out, std::string& error, bool allowScript);
// Seeds the generator (from --seed or the clock) and sets the savegame folder.
void ApplyCommandLine(const CommandLine& cl);

}  // namespace qm
