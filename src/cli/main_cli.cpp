// quellmark-cli: the game's rules without a window, driven by a script.
#include <fstream>
#include <iostream>
#include <string>

#include "cli/console.h"
#include "cli/options.h"
#include "state/savegame.h"

int main(int argc, char** argv) {
  qm::CommandLine cl;
  std::string error;
  if (!qm::ParseCommandLine(argc, argv, cl, error, /*console=*/true)) {
    std::cerr << "error: " << error << "\n";
    return 2;
  }
  if (cl.help) {
    qm::WriteConsoleHelp(std::cout);
    return 0;
  }
  if (cl.version) {
    std::cout << qm::VersionText("quellmark-cli") << "\n";
    return 0;
  }
  // Like the game, the console makes the savegame folder it is given: saving
  // into a folder that does not exist would fail on every `save`.
  if (!cl.dir.empty() && !qm::PrepareFolder(cl.dir, error)) {
    std::cerr << "error: " << error << "\n";
    return 2;
  }
  qm::ApplyCommandLine(cl);
  qm::LoadGeneralData();
  qm::Console console(std::cout, std::cerr);
  if (cl.script.empty()) return console.Run(std::cin);
  std::ifstream in(cl.script);
  if (!in) {
    std::cerr << "error: cannot open script '" << cl.script << "'\n";
    return 2;
  }
  return console.Run(in);
}
