#include "cli/options.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "state/file_io.h"
#include "state/random.h"
#include "state/savegame.h"

namespace qm {

bool ParseCommandLine(int argc, char** argv, CommandLine& out, std::string& error, bool allowScript) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= argc) return error = arg + " needs a value", false;
      into = argv[++i];
      return true;
    };
    if (arg == "--help" || arg == "-h") {
      out.help = true;
    } else if (arg == "--version") {
      out.version = true;
    } else if (arg == "--seed") {
      std::string v;
      if (!value(v)) return false;
      try {
        size_t used = 0;
        out.seed = std::stoull(v, &used);
        if (used != v.size()) throw std::invalid_argument(v);
      } catch (...) {
        return error = "--seed needs a non-negative number, not '" + v + "'", false;
      }
      out.seeded = true;
    } else if (arg == "--dir") {
      if (!value(out.dir)) return false;
    } else if (arg == "--data") {
      if (!value(out.data)) return false;
    } else if (arg == "--screenshot" && !allowScript) {
      if (!value(out.screenshot)) return false;
    } else if (arg == "--ui-script" && !allowScript) {
      if (!value(out.uiScript)) return false;
    } else if (allowScript && !arg.empty() && arg[0] != '-' && out.script.empty()) {
      out.script = arg;
    } else {
      return error = "unknown argument '" + arg + "' (try --help)", false;
    }
  }
  return true;
}

void ApplyCommandLine(const CommandLine& cl) {
  // Both programs start here. A save beyond the file-size limit then fails with
  // "File too large" and is reported, instead of the signal killing the game.
  IgnoreFileSizeSignal();
  if (cl.seeded)
    SeedRandom(cl.seed);
  else
    SeedRandomFromClock();
  if (!cl.dir.empty()) SetSaveDirectory(cl.dir);
}

std::string PlayerDataFolder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && *xdg == '/') return std::string(xdg) + "/quellmark";
  const char* home = std::getenv("HOME");
  if (home && *home) return std::string(home) + "/.local/share/quellmark";
  return ".";
}

bool PrepareFolder(const std::string& dir, std::string& error) {
  std::error_code created, checked;
  std::filesystem::create_directories(dir, created);
  if (std::filesystem::is_directory(dir, checked)) return true;
  // The reason is the one the creation gave ("Not a directory", "Read-only file
  // system"), not what the check after it left behind.
  const std::error_code& ec = created ? created : checked;
  error = "the folder " + dir + " cannot be created" + (ec ? " (" + ec.message() + ")" : "");
  return false;
}

}  // namespace qm
