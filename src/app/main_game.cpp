// quellmark: the game. Until the window exists it says so and points to the console.
#include <iostream>

#include "cli/options.h"
#include "version.h"

int main(int argc, char** argv) {
  qm::CommandLine cl;
  std::string error;
  if (!qm::ParseCommandLine(argc, argv, cl, error, /*allowScript=*/false)) {
    std::cerr << "error: " << error << "\n";
    return 2;
  }
  if (cl.help) {
    std::cout << "Usage: quellmark [--seed N] [--dir DIR] [--data DIR]\n"
                 "Starts Quellmark. --seed repeats a run, --dir holds the savegames,\n"
                 "--data holds pictures, music and sounds.\n";
    return 0;
  }
  if (cl.version) {
    std::cout << "quellmark " << QUELLMARK_VERSION << "\n";
    return 0;
  }
  qm::ApplyCommandLine(cl);
  std::cout << "Quellmark " << QUELLMARK_VERSION
            << ": the game window is not there yet. Play headless with build/quellmark-cli (see --help).\n";
  return 0;
}
