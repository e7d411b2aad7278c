// Console commands for the basics: the generator, scripted answers, a new game,
// reading and writing the state, passing days, flights and savegames.
#include <cstdint>
#include <ostream>

#include "catalogue/ships.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/state_paths.h"
#include "state/game_state.h"
#include "state/random.h"
#include "world/day_cycle.h"
#include "world/money.h"
#include "world/new_game.h"
#include "world/save_load_actions.h"
#include "world/travel.h"

namespace qm {
namespace {

bool Seed(CommandContext& c) {
  long long n = 0;
  if (c.w.size() != 2 || !ParseInt(c.w[1], n)) return c.Fail("usage: seed N");
  SeedRandom(static_cast<uint64_t>(n));
  return true;
}

bool Answer(CommandContext& c) {
  bool yes = false;
  const std::string& cmd = c.w[0];
  if (c.w.size() != 2 || !ParseYesNo(c.w[1], yes)) return c.Fail("usage: " + cmd + " yes|no");
  if (cmd == "answer")
    c.frontend.QueueAnswer(yes);
  else
    c.frontend.SetDefaultAnswer(yes);
  return true;
}

bool Reset(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: reset");
  ResetGameState();
  return true;
}

bool NewGame(CommandContext& c) {
  long long faction = 0, profession = 0, portrait = 0;
  const auto& w = c.w;
  if (w.size() < 3 || !ParseInt(w[1], faction) || !ParseInt(w[2], profession) ||
      (w.size() >= 4 && !ParseInt(w[3], portrait)))
    return c.Fail("usage: new FACTION PROFESSION [PORTRAIT [NAME...]]");
  if (faction < 1 || faction > 4) return c.Fail("faction must be 1..4");
  if (profession < 1 || profession > 6) return c.Fail("profession must be 1..6");
  if (portrait < 0 || portrait > 2) return c.Fail("portrait must be 0..2");
  NewGameChoices choices;
  choices.faction = static_cast<int>(faction);
  choices.profession = static_cast<int>(profession);
  choices.portrait = static_cast<int>(portrait);
  choices.name = w.size() >= 5 ? c.Rest(4) : "Incognito";
  StartNewGame(choices);
  return true;
}

bool Get(CommandContext& c) {
  if (c.w.size() != 2) return c.Fail("usage: get PATH");
  std::string error;
  StateRef ref = ResolvePath(c.w[1], error);
  if (!ref) return c.Fail(error);
  if (ref.number) c.out << *ref.number << '\n';
  if (ref.text) c.out << *ref.text << '\n';
  if (ref.boolean) c.out << (*ref.boolean ? 1 : 0) << '\n';
  return true;
}

bool Set(CommandContext& c) {
  if (c.w.size() < 2) return c.Fail("usage: set PATH VALUE");
  std::string error;
  StateRef ref = ResolvePath(c.w[1], error);
  if (!ref) return c.Fail(error);
  if (ref.text) {
    *ref.text = c.Rest(2);
    return true;
  }
  long long n = 0;
  if (c.w.size() != 3 || !ParseIntIn(c.w[2], INT32_MIN, INT32_MAX, n))
    return c.Fail("usage: set PATH VALUE (a 32-bit integer)");
  if (ref.number) *ref.number = static_cast<int32_t>(n);
  if (ref.boolean) *ref.boolean = n != 0;
  return true;
}

bool Day(CommandContext& c) {
  long long n = 1;
  // At most 1000 days (about three years) a line: a few digits more would otherwise run for hours.
  if (c.w.size() > 2 || (c.w.size() == 2 && !ParseIntIn(c.w[1], 0, 1000, n))) return c.Fail("usage: day [N] (0..1000)");
  for (long long i = 0; i < n; ++i) DailyUpdate();
  return true;
}

bool Fly(CommandContext& c) {
  long long n = 0;
  if (c.w.size() != 2 || !ParseInt(c.w[1], n) || n == 0 || n > kLocations || n < -kObjectPlaces)
    return c.Fail("usage: fly TARGET (a location 1..15 or an object place -1..-4)");
  if (Game.Ship[Sh::Alive] <= 0) return c.Fail("no game is running");
  const int target = static_cast<int>(n);
  const int sys = Game.Ship[Sh::System];
  if (target > 0 && Game.LocationData[sys][target][Loc::Exists] <= 0)
    return c.Fail("location " + std::to_string(target) + " does not exist in this system");
  if (target == Game.Ship[Sh::Location]) return c.Fail("the ship is already there");
  StartFlight(target);
  return true;
}

bool Save(CommandContext& c) {
  long long n = 0;
  if (c.w.size() < 2 || !ParseIntIn(c.w[1], 1, 4, n)) return c.Fail("usage: save SLOT [NAME...] (slot 1..4)");
  SaveSlotAction(static_cast<int>(n), c.Rest(2));
  return true;
}

bool Load(CommandContext& c) {
  long long n = 0;
  if (c.w.size() != 2 || !ParseIntIn(c.w[1], 1, 4, n)) return c.Fail("usage: load SLOT (slot 1..4)");
  LoadSlotAction(static_cast<int>(n));
  return true;
}

bool Status(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: status");
  const int sys = Game.Ship[Sh::System];
  const int loc = Game.Ship[Sh::Location];
  std::string place = Game.SystemText[sys][1];
  if (loc >= 1)
    place += " / " + Game.LocationText[sys][loc][1];
  else if (loc <= -1)
    place += " / space object " + std::to_string(-loc);
  const int type = Game.Ship[Sh::ShipType];
  c.out << "day " << Game.StarDate << " | " << (place.empty() ? "nowhere" : place) << " | $ "
        << FormatMoney(Game.Player[Pl::Credits]) << " | " << (type ? shipName(type) : "no ship") << " | shields "
        << Game.Ship[Sh::ShieldEnergy] << '\n';
  return true;
}

}  // namespace

void AddCoreCommands(CommandTable& t) {
  t.push_back({"seed", Seed, "N", "seed the random generator"});
  t.push_back({"answer", Answer, "yes|no", "answer the next question"});
  t.push_back({"answers", Answer, "yes|no", "answer every question that `answer` leaves open"});
  t.push_back({"reset", Reset, "", "clear the game state"});
  t.push_back({"new", NewGame, "FACTION PROFESSION [PORTRAIT [NAME...]]",
               "start a new game (faction 1..4, profession 1..6, portrait 0..2)"});
  t.push_back({"get", Get, "PATH", "print a value of the game state"});
  t.push_back({"set", Set, "PATH VALUE", "change a value of the game state"});
  t.push_back({"day", Day, "[N]", "let N days pass (default 1)"});
  t.push_back({"fly", Fly, "TARGET", "fly to location 1..15 or space object -1..-4 of this system"});
  t.push_back({"save", Save, "SLOT [NAME...]", "save the game into slot 1..4"});
  t.push_back({"load", Load, "SLOT", "load the game of slot 1..4"});
  t.push_back({"status", Status, "", "day, place, credits, ship and shields"});
}

}  // namespace qm
