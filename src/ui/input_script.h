#pragma once
// The lines of an input script (`quellmark --ui-script FILE`), parsed: no
// window is needed to read one, so the parser can be tested and fuzzed alone.
#include <string>
#include <vector>

namespace qm::ui {

struct ScriptCommand {
  std::string verb;
  int x = 0, y = 0;
  int x2 = 0, y2 = 0;  // the end point of a drag
  std::string arg;
  int line = 0;
};

// Parses the whole script; false with `error` ("PATH:LINE: why") at the first
// bad line, and `out` untouched then. Blank lines and # comments are skipped.
bool ParseInputScript(const std::string& text, const std::string& path, std::vector<ScriptCommand>& out,
                      std::string& error);

}  // namespace qm::ui
