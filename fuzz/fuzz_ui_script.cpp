// Input script text (`quellmark --ui-script FILE`) from a hostile hand: parsed
// as the game parses it. A refused script names its line.
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "ui/input_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<qm::ui::ScriptCommand> commands;
  std::string error;
  if (!qm::ui::ParseInputScript(text, "fuzz", commands, error)) {
    qm::fuzz::Check(error.rfind("fuzz:", 0) == 0 && commands.empty(), "a refused script names its line");
    return 0;
  }
  for (const auto& c : commands) qm::fuzz::Check(!c.verb.empty() && c.line >= 1, "every command has a verb and line");
  return 0;
}
