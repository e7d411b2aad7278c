#include "ui/input_script.h"

#include <SDL.h>

#include <sstream>

namespace qm::ui {

bool ParseInputScript(const std::string& text, const std::string& path, std::vector<ScriptCommand>& out,
                      std::string& error) {
  std::istringstream in(text);
  std::string line;
  int number = 0;
  std::vector<ScriptCommand> parsed;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    std::istringstream words(line.substr(start));
    ScriptCommand c;
    c.line = number;
    words >> c.verb;
    std::string rest;
    std::getline(words, rest);
    if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
    const auto bad = [&](const std::string& why) {
      error = path + ":" + std::to_string(number) + ": " + why;
      return false;
    };
    if (c.verb == "move" || c.verb == "click" || c.verb == "dclick" || c.verb == "rclick" || c.verb == "press" ||
        c.verb == "release" || c.verb == "size") {
      std::istringstream xy(rest);
      if (!(xy >> c.x >> c.y)) return bad(c.verb + " needs X Y");
    } else if (c.verb == "drag") {
      std::istringstream xy(rest);
      if (!(xy >> c.x >> c.y >> c.x2 >> c.y2)) return bad("drag needs X1 Y1 X2 Y2");
    } else if (c.verb == "screen") {
      c.arg = rest;
      if (rest.empty()) return bad("screen needs a unit name");
    } else if (c.verb == "console") {
      c.arg = rest;
      if (rest.empty()) return bad("console needs a command");
    } else if (c.verb == "set") {
      c.arg = rest;
      if (rest.find(' ') == std::string::npos) return bad("set needs PATH VALUE");
    } else if (c.verb == "wait") {
      std::istringstream ms(rest);
      if (!(ms >> c.x) || c.x < 0) return bad("wait needs milliseconds");
    } else if (c.verb == "key") {
      c.arg = rest;
      if (SDL_GetKeyFromName(rest.c_str()) == SDLK_UNKNOWN) return bad("unknown key '" + rest + "'");
    } else if (c.verb == "type" || c.verb == "dump") {
      c.arg = rest;
    } else if (c.verb == "shot") {
      c.arg = rest;
      if (rest.empty()) return bad("shot needs a file name");
    } else if (c.verb != "quit" && c.verb != "close" && c.verb != "play" && c.verb != "loop") {
      return bad("unknown command '" + c.verb + "'");
    }
    parsed.push_back(std::move(c));
  }
  out = std::move(parsed);
  return true;
}

}  // namespace qm::ui
