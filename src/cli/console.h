#pragma once
// The headless console: reads commands line by line and runs them against the rules.
#include <deque>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "state/frontend.h"

namespace qm {

// Prints every dialog as one line and answers questions from a queue.
class ConsoleFrontend : public Frontend {
 public:
  explicit ConsoleFrontend(std::ostream& out) : out_(out) {}

  void Message(int dialog, const std::string& topic, const std::string& text, const std::string& picture) override;
  bool Ask(const std::string& topic, const std::string& text) override;
  int Choose(const std::string& topic, const std::string& text, const std::string& first,
             const std::string& second) override;
  void ShowScreen(Screen screen) override;
  void CombatMessage(int side, const std::string& topic, const std::string& text) override;

  void QueueAnswer(bool yes) { answers_.push_back(yes); }
  // The script being run: a battle fought by hand reads its moves from it.
  void SetInput(std::istream* in) { input_ = in; }
  // The next line of the script; false at its end.
  bool NextScriptLine(std::string& line);
  std::ostream& Out() { return out_; }
  void SetDefaultAnswer(bool yes) { defaultAnswer_ = yes; }

 private:
  bool NextAnswer();
  std::ostream& out_;
  std::deque<bool> answers_;
  bool defaultAnswer_ = true;
  std::istream* input_ = nullptr;
};

class Console {
 public:
  Console(std::ostream& out, std::ostream& err);
  ~Console();

  // Runs every command of `in`; returns the exit status (0, or 2 after an error).
  int Run(std::istream& in);
  // Runs one command line; false after an error (already reported).
  bool Execute(const std::string& line);

 private:
  std::ostream& out_;
  std::ostream& err_;
  ConsoleFrontend frontend_;
  CommandTable commands_;
};

// Every command of the console, in the order --help lists them.
CommandTable ConsoleCommands();
// The console's --help: usage, options and one line per command of the table.
void WriteConsoleHelp(std::ostream& out);

// Splits a command line into words (blanks separate; a '#' starts a comment).
std::vector<std::string> SplitCommand(const std::string& line);

}  // namespace qm
