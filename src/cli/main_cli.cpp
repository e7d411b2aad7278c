// quellmark-cli: the game's rules without a window, driven by a script.
#include <fstream>
#include <iostream>
#include <string>

#include "cli/console.h"
#include "cli/options.h"
#include "state/savegame.h"
#include "version.h"

int main(int argc, char** argv) {
  qm::CommandLine cl;
  std::string error;
  if (!qm::ParseCommandLine(argc, argv, cl, error, /*allowScript=*/true)) {
    std::cerr << "error: " << error << "\n";
    return 2;
  }
  if (cl.help) {
    std::cout << "Usage: quellmark-cli [--dir DIR] [--seed N] [SCRIPT]\n"
                 "Runs the game's rules headless: commands from SCRIPT or standard input, one per line.\n"
                 "Savegames and general data live in DIR (default: the working directory).\n"
                 "Commands: seed N | answer yes|no | answers yes|no | reset |\n"
                 "  new FACTION PROFESSION [PORTRAIT [NAME...]] | get PATH | set PATH VALUE |\n"
                 "  day [N] | fly TARGET | save SLOT [NAME...] | load SLOT | status |\n"
                 "  buy C [N] | buyall C | sell C [N] | sellall\n";
    return 0;
  }
  if (cl.version) {
    std::cout << "quellmark-cli " << QUELLMARK_VERSION << "\n";
    return 0;
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
