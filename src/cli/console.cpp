#include "cli/console.h"

#include <istream>
#include <ostream>
#include <sstream>

#include "catalogue/ships.h"
#include "cli/state_paths.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/savegame.h"
#include "world/day_cycle.h"
#include "world/market.h"
#include "world/money.h"
#include "world/new_game.h"
#include "world/save_load_actions.h"
#include "world/travel.h"

namespace qm {
namespace {

bool ParseInt(const std::string& s, long long& out) {
  try {
    size_t used = 0;
    out = std::stoll(s, &used);
    return used == s.size();
  } catch (...) {
    return false;
  }
}

bool ParseYesNo(const std::string& s, bool& yes) {
  if (s == "yes") return yes = true, true;
  if (s == "no") return yes = false, true;
  return false;
}

// The text after the first `skip` words of a line, blanks inside kept.
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

}  // namespace

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
}

Console::Console(std::ostream& out, std::ostream& err) : out_(out), err_(err), frontend_(out) {
  SetFrontend(&frontend_);
}

Console::~Console() { SetFrontend(nullptr); }

bool Console::Fail(const std::string& message) {
  err_ << "error: " << message << '\n';
  return false;
}

int Console::Run(std::istream& in) {
  for (std::string line; std::getline(in, line);) {
    if (!Execute(line)) return 2;
  }
  return 0;
}

bool Console::Status() {
  const int sys = Game.Ship[Sh::System];
  const int loc = Game.Ship[Sh::Location];
  std::string place = Game.SystemText[sys][1];
  if (loc >= 1)
    place += " / " + Game.LocationText[sys][loc][1];
  else if (loc <= -1)
    place += " / space object " + std::to_string(-loc);
  const int type = Game.Ship[Sh::ShipType];
  out_ << "day " << Game.StarDate << " | " << (place.empty() ? "nowhere" : place) << " | $ "
       << FormatMoney(Game.Player[Pl::Credits]) << " | " << (type ? shipName(type) : "no ship") << " | shields "
       << Game.Ship[Sh::ShieldEnergy] << '\n';
  return true;
}

bool Console::Execute(const std::string& line) {
  const std::string text = line.substr(0, line.find('#'));  // the command without its comment
  const auto w = SplitCommand(text);
  if (w.empty()) return true;
  const std::string& cmd = w[0];
  long long n = 0;
  bool yes = false;

  if (cmd == "seed") {
    if (w.size() != 2 || !ParseInt(w[1], n)) return Fail("usage: seed N");
    SeedRandom(static_cast<uint64_t>(n));
    return true;
  }
  if (cmd == "answer" || cmd == "answers") {
    if (w.size() != 2 || !ParseYesNo(w[1], yes)) return Fail("usage: " + cmd + " yes|no");
    if (cmd == "answer")
      frontend_.QueueAnswer(yes);
    else
      frontend_.SetDefaultAnswer(yes);
    return true;
  }
  if (cmd == "reset") {
    if (w.size() != 1) return Fail("usage: reset");
    ResetGameState();
    return true;
  }
  if (cmd == "new") {
    long long faction = 0, profession = 0, portrait = 0;
    if (w.size() < 3 || !ParseInt(w[1], faction) || !ParseInt(w[2], profession) ||
        (w.size() >= 4 && !ParseInt(w[3], portrait)))
      return Fail("usage: new FACTION PROFESSION [PORTRAIT [NAME...]]");
    if (faction < 1 || faction > 4) return Fail("faction must be 1..4");
    if (profession < 1 || profession > 6) return Fail("profession must be 1..6");
    if (portrait < 0 || portrait > 2) return Fail("portrait must be 0..2");
    NewGameChoices c;
    c.faction = static_cast<int>(faction);
    c.profession = static_cast<int>(profession);
    c.portrait = static_cast<int>(portrait);
    c.name = w.size() >= 5 ? RestOfLine(text, 4) : "Incognito";
    StartNewGame(c);
    return true;
  }
  if (cmd == "get") {
    if (w.size() != 2) return Fail("usage: get PATH");
    std::string error;
    StateRef ref = ResolvePath(w[1], error);
    if (!ref) return Fail(error);
    if (ref.number) out_ << *ref.number << '\n';
    if (ref.text) out_ << *ref.text << '\n';
    if (ref.boolean) out_ << (*ref.boolean ? 1 : 0) << '\n';
    return true;
  }
  if (cmd == "set") {
    if (w.size() < 2) return Fail("usage: set PATH VALUE");
    std::string error;
    StateRef ref = ResolvePath(w[1], error);
    if (!ref) return Fail(error);
    if (ref.text) {
      *ref.text = RestOfLine(text, 2);
      return true;
    }
    if (w.size() != 3 || !ParseInt(w[2], n) || n < INT32_MIN || n > INT32_MAX)
      return Fail("usage: set PATH VALUE (a 32-bit integer)");
    if (ref.number) *ref.number = static_cast<int32_t>(n);
    if (ref.boolean) *ref.boolean = n != 0;
    return true;
  }
  if (cmd == "day") {
    n = 1;
    if (w.size() > 2 || (w.size() == 2 && (!ParseInt(w[1], n) || n < 0))) return Fail("usage: day [N]");
    for (long long i = 0; i < n; ++i) DailyUpdate();
    return true;
  }
  if (cmd == "fly") {
    if (w.size() != 2 || !ParseInt(w[1], n) || n == 0 || n > kLocations || n < -kObjectPlaces)
      return Fail("usage: fly TARGET (a location 1..15 or an object place -1..-4)");
    if (Game.Ship[Sh::Alive] <= 0) return Fail("no game is running");
    const int target = static_cast<int>(n);
    const int sys = Game.Ship[Sh::System];
    if (target > 0 && Game.LocationData[sys][target][Loc::Exists] <= 0)
      return Fail("location " + std::to_string(target) + " does not exist in this system");
    if (target == Game.Ship[Sh::Location]) return Fail("the ship is already there");
    StartFlight(target);
    return true;
  }
  if (cmd == "save") {
    if (w.size() < 2 || !ParseInt(w[1], n) || n < 1 || n > 4) return Fail("usage: save SLOT [NAME...] (slot 1..4)");
    SaveSlotAction(static_cast<int>(n), RestOfLine(text, 2));
    return true;
  }
  if (cmd == "load") {
    if (w.size() != 2 || !ParseInt(w[1], n) || n < 1 || n > 4) return Fail("usage: load SLOT (slot 1..4)");
    LoadSlotAction(static_cast<int>(n));
    return true;
  }
  if (cmd == "buy" || cmd == "sell" || cmd == "buyall") {
    long long amount = 1;
    if (w.size() < 2 || w.size() > 3 || !ParseInt(w[1], n) || n < 1 || n > kCommodities ||
        (w.size() == 3 && (!ParseInt(w[2], amount) || amount < 1 || amount > 1000000)))
      return Fail("usage: " + cmd + " COMMODITY [AMOUNT] (commodity 1..18)");
    qm::Run.SelectedCommodity = static_cast<int>(n);
    qm::Run.TradeAmount = static_cast<int>(amount);
    if (cmd == "buy") buy();
    if (cmd == "sell") sell();
    if (cmd == "buyall") buyAll();
    return true;
  }
  if (cmd == "sellall") {
    if (w.size() != 1) return Fail("usage: sellall");
    sellAll();
    return true;
  }
  if (cmd == "status") {
    if (w.size() != 1) return Fail("usage: status");
    return Status();
  }
  return Fail("unknown command '" + cmd + "'");
}

}  // namespace qm
