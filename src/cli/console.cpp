#include "cli/console.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/encounter_screens.h"
#include "cli/options.h"
#include "world/travel.h"
#include "world/wormhole.h"

namespace qm {

bool ParseInt(const std::string& s, long long& out) {
  try {
    size_t used = 0;
    out = std::stoll(s, &used);
    return used == s.size();
  } catch (...) {
    return false;
  }
}

bool ParseIntIn(const std::string& s, long long lo, long long hi, long long& out) {
  return ParseInt(s, out) && out >= lo && out <= hi;
}

bool ParseYesNo(const std::string& s, bool& yes) {
  if (s == "yes") return yes = true, true;
  if (s == "no") return yes = false, true;
  return false;
}

std::string RestOfLine(const std::string& line, size_t skip) {
  size_t pos = 0;
  for (size_t w = 0; w < skip; ++w) {
    pos = line.find_first_not_of(" \t", pos);
    if (pos == std::string::npos) return "";
    pos = line.find_first_of(" \t", pos);
    if (pos == std::string::npos) return "";
  }
  pos = line.find_first_not_of(" \t", pos);
  if (pos == std::string::npos) return "";
  size_t end = line.find_last_not_of(" \t\r");
  return line.substr(pos, end - pos + 1);
}

bool CommandContext::Fail(const std::string& message) const {
  err << "error: " << message << '\n';
  return false;
}

std::string CommandContext::Rest(size_t skip) const { return RestOfLine(text, skip); }

std::vector<std::string> SplitCommand(const std::string& line) {
  std::string text = line.substr(0, line.find('#'));
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

void ConsoleFrontend::Message(int, const std::string& topic, const std::string& text, const std::string&) {
  out_ << "MESSAGE " << topic << " | " << text << '\n';
}

bool ConsoleFrontend::NextAnswer() {
  if (answers_.empty()) return defaultAnswer_;
  bool a = answers_.front();
  answers_.pop_front();
  return a;
}

bool ConsoleFrontend::Ask(const std::string& topic, const std::string& text) {
  const bool yes = NextAnswer();
  out_ << "ASK " << topic << " | " << text << " => " << (yes ? "yes" : "no") << '\n';
  return yes;
}

int ConsoleFrontend::Choose(const std::string& topic, const std::string& text, const std::string& first,
                            const std::string& second) {
  const bool yes = NextAnswer();
  out_ << "ASK " << topic << " | " << text << " [" << first << "/" << second << "] => " << (yes ? first : second)
       << '\n';
  return yes ? 1 : 2;
}

void ConsoleFrontend::ShowScreen(Screen screen) {
  if (screen == Screen::Travel) RunTravelToArrival();
  if (screen == Screen::Jump) RunJumpToArrival();
  if (screen == Screen::Abilities || screen == Screen::Highscore) ShowCareerScreen(screen, out_);
  if (screen == Screen::Boarding) RunConsoleBoarding(*this);
  if (screen == Screen::FleetBattle) RunConsoleFleetBattle(*this);
  if (screen == Screen::ShipCombat) RunConsoleBattle(*this);
  if (screen == Screen::SimulatorSetup) RunConsoleSimulatorSetup(*this);
  if (screen == Screen::SimulatorDuel) RunConsoleSimulatorDuel(*this);
}

void ConsoleFrontend::CombatMessage(int side, const std::string& topic, const std::string& text) {
  out_ << (side == 0 ? "PLAYER " : "ENEMY ") << topic << " | " << text << '\n';
}

bool ConsoleFrontend::NextScriptLine(std::string& line) {
  return input_ != nullptr && static_cast<bool>(std::getline(*input_, line));
}

CommandTable ConsoleCommands() {
  CommandTable t;
  AddCoreCommands(t);
  AddEconomyCommands(t);
  AddServiceCommands(t);
  AddCombatCommands(t);
  AddEncounterCommands(t);
  AddCareerCommands(t);
  AddMissionCommands(t);
  AddOptionCommands(t);
  return t;
}

void WriteConsoleHelp(std::ostream& out) {
  out << "Usage: quellmark-cli [OPTION]... [SCRIPT]\n"
         "Runs the game's rules headless: commands from SCRIPT or standard input, one per line;\n"
         "a '#' starts a comment. The first failing command ends the run with exit status 2.\n\n";
  WriteOptionHelp(out, /*console=*/true);
  out << "\nCommands:\n";
  constexpr size_t kColumn = 34;
  for (const Command& c : ConsoleCommands()) {
    const std::string left = "  " + c.name + (c.usage.empty() ? "" : " " + c.usage);
    if (left.size() < kColumn)
      out << left << std::string(kColumn - left.size(), ' ') << c.summary << '\n';
    else
      out << left << '\n' << std::string(kColumn, ' ') << c.summary << '\n';
  }
  out << "\nPATH names a value of the game state: Player.Credits, Ship.ShieldEnergy, PlayerName,\n"
         "LocationData[1][2].Kind, Option.NoWarPopups, EnemyShip.ShieldEnergy, ...\n"
         "Dialogs print as MESSAGE and ASK lines; questions take the queued answers.\n";
}

Console::Console(std::ostream& out, std::ostream& err)
    : out_(out), err_(err), frontend_(out), commands_(ConsoleCommands()) {
  SetFrontend(&frontend_);
}

Console::~Console() { SetFrontend(nullptr); }

int Console::Run(std::istream& in) {
  frontend_.SetInput(&in);
  for (std::string line; std::getline(in, line);) {
    if (!Execute(line)) {
      frontend_.SetInput(nullptr);
      return 2;
    }
  }
  frontend_.SetInput(nullptr);
  return 0;
}

bool Console::Execute(const std::string& line) {
  const std::string text = line.substr(0, line.find('#'));  // the command without its comment
  const auto w = SplitCommand(text);
  if (w.empty()) return true;
  CommandContext ctx{w, text, out_, err_, frontend_};
  const auto it = std::find_if(commands_.begin(), commands_.end(), [&](const Command& c) { return c.name == w[0]; });
  if (it == commands_.end()) return ctx.Fail("unknown command '" + w[0] + "'");
  return it->run(ctx);
}

}  // namespace qm
