// quellmark: the game in its window.
#include <iostream>

#include "cli/options.h"
#include "state/savegame.h"
#include "ui/game.h"
#include "version.h"

#ifndef QM_INSTALLED_DATA
#define QM_INSTALLED_DATA ""
#endif

int main(int argc, char** argv) {
  qm::CommandLine cl;
  std::string error;
  if (!qm::ParseCommandLine(argc, argv, cl, error, /*allowScript=*/false)) {
    std::cerr << "error: " << error << "\n";
    return 2;
  }
  if (cl.help) {
    std::cout << "Usage: quellmark [--seed N] [--dir DIR] [--data DIR] [--screenshot FILE.png] [--ui-script FILE]\n"
                 "Starts Quellmark.\n"
                 "  --seed N            repeat a run\n"
                 "  --dir DIR           savegames and general data (default: "
              << qm::PlayerDataFolder()
              << ")\n"
                 "  --data DIR          pictures, music and sounds, searched before the working directory\n"
                 "  --screenshot FILE   write the main menu as PNG right after start-up, then exit\n"
                 "  --ui-script FILE    replay input (move/click/dclick/rclick/press/release X Y,\n"
                 "                      key NAME, type TEXT, wait MS, shot FILE.png, dump [FILE],\n"
                 "                      drag X1 Y1 X2 Y2, screen UNIT, size W H, set PATH VALUE,\n"
                 "                      console COMMAND, close, play, loop, quit)\n"
                 "Keys: F11 full screen, F12 screenshot, Enter/Space default button, Escape back.\n";
    return 0;
  }
  if (cl.version) {
    std::cout << "quellmark " << QUELLMARK_VERSION << "\n";
    return 0;
  }
  if (cl.dir.empty()) cl.dir = qm::PlayerDataFolder();
  if (!qm::PrepareFolder(cl.dir, error)) {
    std::cerr << "error: " << error << "\n";
    return 2;
  }
  qm::ApplyCommandLine(cl);

  qm::ui::GameOptions options;
  options.dataFolder = cl.data;
  options.installedFolder = QM_INSTALLED_DATA;
  options.screenshot = cl.screenshot;
  options.script = cl.uiScript;
  options.shotFolder = qm::SaveDirectory();
  const int code = qm::ui::RunGame(options, error);
  if (code != 0) std::cerr << "error: " << error << "\n";
  return code;
}
