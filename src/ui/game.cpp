#include "ui/game.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/pictures.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "sound/files.h"
#include "state/frontend.h"
#include "ui/background.h"
#include "ui/event_loop.h"
#include "ui/screens.h"
#include "ui/window_frontend.h"

namespace qm::ui {
namespace {
double menuDrawnMs = 0;
}

double MenuDrawnMs() { return menuDrawnMs; }

std::vector<std::string> DataFolders(const GameOptions& options) {
  std::vector<std::string> folders;
  if (!options.dataFolder.empty()) folders.push_back(options.dataFolder);
  folders.push_back(".");
  if (!options.installedFolder.empty()) folders.push_back(options.installedFolder);
#ifdef QM_BUILT_DATA
  folders.push_back(QM_BUILT_DATA);  // the generated soundtrack and manual, when run from the build tree
#endif
  return folders;
}

int RunGame(const GameOptions& options, std::string& error) {
  const auto started = std::chrono::steady_clock::now();
  const std::vector<std::string> folders = DataFolders(options);
  platform::SetDataFolders(folders);
  sound::SetFolders(folders);

  ResetEventLoop();
  if (!options.script.empty() && !LoadInputScript(options.script, error)) return 2;
  if (!options.scriptText.empty() && !SetInputScript(options.scriptText, "script", error)) return 2;
  if (!options.screenshot.empty() && !SetInputScript("shot " + options.screenshot + "\nquit\n", "screenshot", error))
    return 2;

  platform::StartOptions start;
  start.hidden = options.hidden || !options.screenshot.empty();
  if (!platform::Open(start, error)) return 2;
  if (!platform::OpenFonts(error)) {
    platform::Close();
    return 2;
  }
  SetScreenshotFolder(options.shotFolder);
  SetFrontend(&TheFrontend());
  RegisterAllScreens();
  menuDrawnMs = 0;
  SetFrameHook([started] {
    if (menuDrawnMs == 0 && Top() && Top()->Unit() == "Start")
      menuDrawnMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  });
  {
    Background background;
    background.Show();
  }
  SetFrameHook(nullptr);
  if (const char* timing = std::getenv("QM_TIMING"); timing && *timing == '1') {
    std::fprintf(stderr, "main menu drawn after %.1f ms; %ld frames, %.2f ms on average, median %.2f ms\n",
                 menuDrawnMs, FramesDrawn(), AverageFrameMs(), MedianFrameMs());
    std::fputs(FrameTimesByScreen().c_str(), stderr);
  }
  DestroyScreens();
  SetFrontend(nullptr);
  platform::CloseFonts();
  platform::ClearPictureCache();
  platform::Close();
  if (!ScriptErrors().empty()) {
    error = ScriptErrors();
    return 1;
  }
  return 0;
}

}  // namespace qm::ui
