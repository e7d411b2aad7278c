#pragma once
// The game in its window: opens the window, runs the program from the main
// menu to exit, closes the window.
#include <string>
#include <vector>

namespace qm::ui {

struct GameOptions {
  std::string dataFolder;       // --data: searched first for pictures, music and sounds
  std::string installedFolder;  // the installed data folder, searched last
  std::string screenshot;       // write the main menu right after start-up, then exit
  std::string script;           // replay this input script
  std::string scriptText;       // or this one (tests)
  std::string shotFolder = "."; // where F12 screenshots go
  bool hidden = false;          // no visible window
};

// The folders searched for pictures, music and sounds, first match wins:
// --data, the working directory, the installed data folder, the build's own.
std::vector<std::string> DataFolders(const GameOptions& options);

// Runs the game; returns the process exit code (2 when the window cannot open,
// 1 when a replayed script met problems) and says why in `error`.
int RunGame(const GameOptions& options, std::string& error);

// Milliseconds from RunGame's start until the main menu was first drawn (0 before).
double MenuDrawnMs();

}  // namespace qm::ui
