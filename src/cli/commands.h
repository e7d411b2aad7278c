#pragma once
// The console's command table. Each area of the game adds its commands from a
// file of its own (commands_<area>.cpp), so the table reads as one list.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "state/frontend.h"

namespace qm {

class ConsoleFrontend;

// What a command sees: its words (w[0] is the command), the line without its
// comment, the output stream and the frontend that answers questions.
struct CommandContext {
  const std::vector<std::string>& w;
  const std::string& text;
  std::ostream& out;
  std::ostream& err;
  ConsoleFrontend& frontend;

  // Reports an error ("error: ..." on the error stream); returns false.
  bool Fail(const std::string& message) const;
  // The text after the first `skip` words, blanks inside kept.
  std::string Rest(size_t skip) const;
};

struct Command {
  std::string name;
  std::function<bool(CommandContext&)> run;  // false after an error already reported
  std::string usage;    // its arguments as --help shows them: "SLOT [NAME...]"
  std::string summary;  // what it does, in a line
};
using CommandTable = std::vector<Command>;

// Parsing helpers shared by the command files.
bool ParseInt(const std::string& s, long long& out);
// Parses w[i] as an integer in [lo, hi].
bool ParseIntIn(const std::string& s, long long lo, long long hi, long long& out);
bool ParseYesNo(const std::string& s, bool& yes);
std::string RestOfLine(const std::string& line, size_t skip);

// One function per area; the console calls each once to build its table.
void AddCoreCommands(CommandTable& t);       // seed, answers, new game, state paths, days, flights, savegames
void AddEconomyCommands(CommandTable& t);    // trade, jump, land, prices
void AddServiceCommands(CommandTable& t);    // shipyard, equipment, crew, bank, bar, hideout, governor
void AddCombatCommands(CommandTable& t);     // pilot, duel and the battle moves
void AddEncounterCommands(CommandTable& t);  // scan, boarding, fleet battles
void AddCareerCommands(CommandTable& t);     // missions, wars, news, promotion, retirement
void AddMissionCommands(CommandTable& t);    // mission boards and the running mission
void AddOptionCommands(CommandTable& t);     // game settings and cheats

// The console's ability and highscore screens (the ability pick queued by `learn`).
void ShowCareerScreen(Screen screen, std::ostream& out);

// Fights the battle just set up on the console (the pilot mode of `pilot`),
// printing its start, its messages and its result.
void RunConsoleBattle(ConsoleFrontend& frontend);

// The combat simulator's screens on the console: the set-up takes the choices
// of the `simulator` command, the duel is ticked without waiting.
void AddSimulatorCommands(CommandTable& t);
void RunConsoleSimulatorSetup(ConsoleFrontend& frontend);
void RunConsoleSimulatorDuel(ConsoleFrontend& frontend);

// True in `pilot manual` mode: battles, boardings and fleet battles on the
// console take their moves from the next script lines.
bool ConsolePlaysByHand();
// Takes the words of a script line; true when they are a move (kept by it).
using MoveReader = std::function<bool(const std::vector<std::string>&)>;
// Reads the next move of a screen played by hand from the script. Blank lines
// are skipped, `answer yes|no` is queued for the next question, `pilot auto`
// hands the screen (and what follows) to the built-in pilot. Any other line
// goes to `take`; one that is no move is noted ("BATTLE not a move: ..." with
// the `moves` accepted) and skipped. False at the script's end or on `pilot auto`.
bool ReadScriptMove(ConsoleFrontend& frontend, const MoveReader& take, const char* moves);

}  // namespace qm
