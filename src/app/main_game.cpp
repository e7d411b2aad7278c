// quellmark: the game in its window.
#include <filesystem>
#include <iostream>

#include "cli/install_paths.h"
#include "cli/options.h"
#include "sound/files.h"
#include "state/savegame.h"
#include "ui/game.h"

#ifndef QM_MANUAL_FILE
#define QM_MANUAL_FILE "quellmark-manual.pdf"
#endif

namespace {

void PrintHelp() {
  std::cout << "Usage: quellmark [OPTION]...\n"
               "Starts Quellmark, a turn-based space trading and combat game.\n\n";
  qm::WriteOptionHelp(std::cout, /*console=*/false);
  std::cout << "\nA --ui-script file holds one command a line: move/click/dclick/rclick/press/release X Y,\n"
               "key NAME, type TEXT, wait MS, shot FILE.png, dump [FILE], drag X1 Y1 X2 Y2, screen UNIT,\n"
               "size W H, set PATH VALUE, console COMMAND, close, play, loop (start again), quit.\n"
               "Keys: F11 full screen, F12 screenshot, Enter/Space default button, Escape back,\n"
               "right-click any control for help. The player's manual (see --manual) tells the rest.\n";
}

}  // namespace

int main(int argc, char** argv) {
  qm::CommandLine cl;
  std::string error;
  if (!qm::ParseCommandLine(argc, argv, cl, error, /*console=*/false)) {
    std::cerr << "error: " << error << "\n";
    return 2;
  }
  if (cl.help) {
    PrintHelp();
    return 0;
  }
  if (cl.version) {
    std::cout << qm::VersionText("quellmark") << "\n";
    return 0;
  }
  qm::ui::GameOptions options;
  options.dataFolder = cl.data;
  options.installedFolder = qm::InstalledDataFolder();
  if (cl.manual) {
    // Looked up like the music and sounds, so the installed copy wins over the build's.
    const std::string manual = qm::sound::FindFileIn(qm::ui::DataFolders(options), QM_MANUAL_FILE);
    if (manual.empty()) {
      std::cerr << "error: the player's manual (" QM_MANUAL_FILE ") is in none of the data folders\n";
      return 1;
    }
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(manual, ec);
    std::cout << (ec ? manual : absolute.lexically_normal().string()) << "\n";
    return 0;
  }
  if (cl.dir.empty()) cl.dir = qm::PlayerDataFolder();
  if (!qm::PrepareFolder(cl.dir, error)) {
    std::cerr << "error: " << error << "\n";
    return 2;
  }
  qm::ApplyCommandLine(cl);

  options.screenshot = cl.screenshot;
  options.script = cl.uiScript;
  options.shotFolder = qm::SaveDirectory();
  const int code = qm::ui::RunGame(options, error);
  if (code != 0) std::cerr << "error: " << error << "\n";
  return code;
}
