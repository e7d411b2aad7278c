#include "cli/options.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "state/file_io.h"
#include "state/random.h"
#include "state/savegame.h"
#include "version.h"

namespace qm {
namespace {

bool SetSeed(CommandLine& out, const std::string& v, std::string& error) {
  try {
    size_t used = 0;
    // stoull would take "-1" (wrapping round) and leading blanks: digits only.
    if (v.empty() || !std::isdigit(static_cast<unsigned char>(v[0]))) throw std::invalid_argument(v);
    out.seed = std::stoull(v, &used);
    if (used != v.size()) throw std::invalid_argument(v);
  } catch (...) {
    return error = "--seed needs a non-negative number, not '" + v + "'", false;
  }
  out.seeded = true;
  return true;
}

const std::vector<OptionInfo> kOptions = {
    {"--help", "-h", "", "show this help and exit", "show this help and exit",
     [](CommandLine& o, const std::string&, std::string&) { return o.help = true; }},
    {"--version", "", "", "show the version and the build and exit", "show the version and the build and exit",
     [](CommandLine& o, const std::string&, std::string&) { return o.version = true; }},
    {"--seed", "", "N", "seed the random generator to repeat a run (default: the clock)",
     "seed the random generator to repeat a run (default: the clock)", SetSeed},
    {"--dir", "", "DIR",
     "savegames, settings and highscores (default: $XDG_DATA_HOME/quellmark, else ~/.local/share/quellmark)",
     "savegames, settings and highscores (default: the working directory)",
     [](CommandLine& o, const std::string& v, std::string&) { return o.dir = v, true; }},
    {"--data", "", "DIR", "pictures, music and sounds, searched before the working directory", nullptr,
     [](CommandLine& o, const std::string& v, std::string&) { return o.data = v, true; }},
    {"--manual", "", "", "print where the player's manual (PDF) is and exit", nullptr,
     [](CommandLine& o, const std::string&, std::string&) { return o.manual = true; }},
    {"--screenshot", "", "FILE", "write the main menu as PNG right after start-up, then exit", nullptr,
     [](CommandLine& o, const std::string& v, std::string&) { return o.screenshot = v, true; }},
    {"--ui-script", "", "FILE", "replay input from FILE (the commands are listed below)", nullptr,
     [](CommandLine& o, const std::string& v, std::string&) { return o.uiScript = v, true; }},
};

const OptionInfo* FindOption(const std::string& arg, bool console) {
  for (const OptionInfo& o : kOptions) {
    if (arg != o.name && (*o.alias == '\0' || arg != o.alias)) continue;
    return (console ? o.consoleHelp : o.gameHelp) ? &o : nullptr;
  }
  return nullptr;
}

}  // namespace

const std::vector<OptionInfo>& CommandLineOptions() { return kOptions; }

bool ParseCommandLine(int argc, char** argv, CommandLine& out, std::string& error, bool console) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (const OptionInfo* o = FindOption(arg, console)) {
      std::string value;
      if (*o->value != '\0') {
        if (i + 1 >= argc) return error = arg + " needs a value", false;
        value = argv[++i];
      }
      if (!o->set(out, value, error)) return false;
    } else if (console && !arg.empty() && arg[0] != '-' && out.script.empty()) {
      out.script = arg;
    } else {
      return error = "unknown argument '" + arg + "' (try --help)", false;
    }
  }
  return true;
}

void WriteOptionHelp(std::ostream& out, bool console) {
  out << "Options:\n";
  for (const OptionInfo& o : kOptions) {
    const char* help = console ? o.consoleHelp : o.gameHelp;
    if (!help) continue;
    std::string left = std::string("  ") + o.name;
    if (*o.alias) left += std::string(", ") + o.alias;
    if (*o.value) left += std::string(" ") + o.value;
    // The help is wrapped into a column of its own, so no line runs past 80 characters.
    constexpr size_t kColumn = 22, kWidth = 80 - kColumn;
    std::istringstream words(help);
    std::string line, word;
    bool first = true;
    const auto flush = [&] {
      out << (first ? left + std::string(left.size() < kColumn ? kColumn - left.size() : 1, ' ')
                    : std::string(kColumn, ' '))
          << line << '\n';
      first = false;
      line.clear();
    };
    while (words >> word) {
      if (!line.empty() && line.size() + 1 + word.size() > kWidth) flush();
      line += (line.empty() ? "" : " ") + word;
    }
    flush();
  }
}

std::string VersionText(const std::string& program) {
  std::ostringstream s;
  s << program << ' ' << QUELLMARK_VERSION << " (commit " << QUELLMARK_COMMIT << ", " << QUELLMARK_BUILD_TYPE
    << " build)";
  return s.str();
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
