// Console commands for the system scan, boarding and fleet battles.
#include <ostream>
#include <string>
#include <vector>

#include "catalogue/ships.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/encounter_screens.h"
#include "combat/boarding.h"
#include "combat/combat_state.h"
#include "combat/fleet_battle.h"
#include "combat/scan.h"
#include "combat/ship_combat.h"
#include "state/frontend.h"
#include "state/game_state.h"

namespace qm {
namespace {

// A move on the boarding or fleet screen: `board area 3` is {"area", 3}.
struct Move {
  std::string what;
  int arg = 0;
};

// Upper bound of moves on one screen, so a leader who keeps being told "no"
// still ends.
constexpr int kMaxMoves = 5000;

bool RowArg(const std::vector<std::string>& w, size_t i, int lo, int hi, int& out) {
  long long v = 0;
  if (w.size() <= i || !ParseIntIn(w[i], lo, hi, v)) return false;
  out = static_cast<int>(v);
  return true;
}

// The words of a boarding move: `board area 1..4` or `board attack|commando|emp|retreat`.
bool ParseBoardMove(const std::vector<std::string>& w, Move& m) {
  if (w.size() < 2 || w[0] != "board") return false;
  m = Move{w[1]};
  if (m.what == "area") return w.size() == 3 && RowArg(w, 2, 1, 4, m.arg);
  return w.size() == 2 && (m.what == "attack" || m.what == "commando" || m.what == "emp" || m.what == "retreat");
}

// The words of a fleet move: `fleet target|escort 1..10` or
// `fleet attack|send|recharge|retreat`.
bool ParseFleetMove(const std::vector<std::string>& w, Move& m) {
  if (w.size() < 2 || w[0] != "fleet") return false;
  m = Move{w[1]};
  if (m.what == "target" || m.what == "escort") return w.size() == 3 && RowArg(w, 2, 1, kFleetSize, m.arg);
  return w.size() == 2 && (m.what == "attack" || m.what == "send" || m.what == "recharge" || m.what == "retreat");
}

// The next move of a screen: from the script in `pilot manual` mode (until it
// hands over or runs dry), otherwise none and the built-in leader decides.
bool ScriptMove(ConsoleFrontend& fe, bool& byHand, bool (*parse)(const std::vector<std::string>&, Move&),
                const char* moves, Move& m) {
  byHand = byHand && ReadScriptMove(fe, [&](const std::vector<std::string>& w) { return parse(w, m); }, moves);
  return byHand;
}

const char* const kAreaNames[5] = {"", "airlock", "corridors", "cargo bay", "bridge"};
const char* const kRoleNames[5] = {"flagship", "station", "battleship", "cruiser", "destroyer"};
const char* const kBoardOutcome[5] = {"running", "defeat", "plundered", "captured", "retreated"};

void PrintBoarding(std::ostream& out) {
  const auto& e = Combat.EnemyShip;
  const auto& s = Game.Ship;
  const int area = e[38];
  out << "BOARD " << (area >= 1 && area <= 4 ? kAreaNames[area] : "-") << " | enemy " << e[35] << " crew " << e[36]
      << " marines " << e[37] << " droids | yours " << s[Sh::Crewmen] << " crewmen " << s[Sh::Officers]
      << " officers " << s[Sh::Marines] << " marines " << s[Sh::Pirates] << " pirates " << s[Sh::Droids]
      << " droids\n";
}

void PlayBoardMove(const Move& m) {
  if (m.what == "area") SelectArea(m.arg);
  if (m.what == "attack") StandardAttack();
  if (m.what == "commando") CommandoStrike();
  if (m.what == "emp") EmpStrike();
  if (m.what == "retreat") Retreat();
}

void PrintFleet(std::ostream& out) {
  Fleet.allied[1].shield = Game.Ship[Sh::ShieldEnergy];
  const auto side = [&out](const char* name, const auto& ships) {
    out << name;
    for (int k = 1; k <= kFleetSize; ++k) {
      const FleetShip& f = ships[k];
      if (f.present <= 0) continue;
      out << ' ' << k << ':' << shipName(f.type) << '(' << kRoleNames[f.role < 0 || f.role > 4 ? 4 : f.role] << ")="
          << f.shield;
    }
  };
  out << "FLEET ";
  side("allies", Fleet.allied);
  out << " |";
  side(" enemies", Fleet.enemy);
  out << '\n';
}

void PlayFleetMove(const Move& m) {
  if (m.what == "target") SelectFleetTarget(m.arg);
  if (m.what == "escort") SelectEscort(m.arg);
  if (m.what == "attack") AttackTargetYourself();
  if (m.what == "send") {
    SendEscort();
    RunEscortDuel();  // the duel's timer ticks at once
  }
  if (m.what == "recharge") EmergencyRecharge();
  if (m.what == "retreat") RetreatFromFleetBattle();
}

bool RowArg(CommandContext& c, size_t i, int lo, int hi, int& out) { return RowArg(c.w, i, lo, hi, out); }

// A move given while no such screen runs (its course is random): noted, not an error.
bool LeftoverMove(CommandContext& c, const char* screen) {
  c.out << "BATTLE no " << screen << " running: " << c.text << '\n';
  return true;
}

bool Board(CommandContext& c) {
  const auto& w = c.w;
  const std::string usage = "usage: board area K | attack | commando | emp | retreat | start TYPE FACTION [CREW MARINES DROIDS]";
  if (w.size() < 2) return c.Fail(usage);
  if (w[1] == "start") {
    int type = 0, faction = 0, pools[3] = {};
    const bool crewGiven = w.size() == 7;
    if ((w.size() != 4 && !crewGiven) || !RowArg(c, 2, 1, kShipTypes, type) || !RowArg(c, 3, 0, kFactions, faction) ||
        (crewGiven && (!RowArg(c, 4, 0, 100000, pools[0]) || !RowArg(c, 5, 0, 100000, pools[1]) ||
                       !RowArg(c, 6, 0, 100000, pools[2]))))
      return c.Fail("usage: board start TYPE FACTION [CREW MARINES DROIDS]");
    // A crippled enemy of that type, ready to be boarded (for tests and balance runs).
    SetupShipCombat(type, faction, 2, 0);
    auto& e = Combat.EnemyShip;
    e[Sh::Alive] = 1;
    if (crewGiven) {
      e[Sh::Crewmen] = pools[0];
      e[Sh::Marines] = pools[1];
      e[Sh::Droids] = pools[2];
    }
    if (e[Sh::CargoCapacity] == 0) e[Sh::CargoCapacity] = shipStat(type, Stat::BaseCargo);
    StartBoarding();
    return true;
  }
  Move m;
  if (ParseBoardMove(w, m)) return LeftoverMove(c, "boarding");
  return c.Fail(w[1] == "area" ? "usage: board area 1..4" : usage);
}

bool FleetCmd(CommandContext& c) {
  const auto& w = c.w;
  const std::string usage =
      "usage: fleet target K | escort K | attack | send | recharge | retreat | start FACTION MODE [strong]";
  if (w.size() < 2) return c.Fail(usage);
  if (w[1] == "start") {
    int faction = 0, mode = 0;
    if (w.size() < 4 || w.size() > 5 || !RowArg(c, 2, 0, kFactions, faction) || !RowArg(c, 3, -1, 2, mode) ||
        (w.size() == 5 && w[4] != "strong"))
      return c.Fail("usage: fleet start FACTION -1..2 [strong]");
    SetupFleetBattle(faction, mode);
    if (w.size() == 5) SetFleetWaveStrength(3, 2);
    RunFleetBattle();
    return true;
  }
  Move m;
  if (ParseFleetMove(w, m)) return LeftoverMove(c, "fleet battle");
  if (w[1] == "target" || w[1] == "escort") return c.Fail("usage: fleet " + w[1] + " 1..10");
  return c.Fail(usage);
}

bool Scan(CommandContext& c) {
  const auto& w = c.w;
  if (w.size() == 1) {
    if (Game.LocationData[Game.Ship[Sh::System]][Game.Ship[Sh::Location]][Loc::Kind] == Kind::Hideout) {
      Notify("Ship sensors",
             "The use of ship sensors makes everyone know about your presence - not a wise thing to do nearby a "
             "pirate base!");
      return true;
    }
    int shown = 0;
    for (int k = 1; k <= kSystemShipRows; ++k) {
      if (Game.SystemShips[k][1] <= 0) continue;
      const ScanView v = SelectScanRecord(k);
      c.out << "SHIP " << k << " | " << v.name << " | " << v.speciality << '\n';
      ++shown;
    }
    CloseScanScreen();
    if (shown == 0) Notify("Ship sensors", "You cannot detect any ships. You should wait some time.");
    return true;
  }
  int k = 0;
  const std::string& verb = w[1];
  if (w.size() != 3 || (verb != "show" && verb != "hail" && verb != "attack") || !RowArg(c, 2, 1, kSystemShipRows, k))
    return c.Fail("usage: scan [show|hail|attack K]");
  const ScanView v = SelectScanRecord(k);
  if (verb == "show") {
    if (!v.name.empty())
      c.out << "SCAN " << k << " | " << v.name << '\n' << "DESCRIPTION " << v.description << '\n'
            << "SPECIALITY " << v.speciality << '\n';
    else
      Notify("No target", "Please first select one of the ships on your scanners.");
  }
  if (verb == "hail") Communicate();
  if (verb == "attack") InterceptAndAttack();
  CloseScanScreen();
  return true;
}

}  // namespace

void RunConsoleBoarding(ConsoleFrontend& fe) {
  std::ostream& out = fe.Out();
  PrintBoarding(out);
  bool byHand = ConsolePlaysByHand();
  for (int n = 0; Boarding.open && n < kMaxMoves; ++n) {
    Move m;
    if (ScriptMove(fe, byHand, ParseBoardMove, "board area K | board attack|commando|emp|retreat", m))
      PlayBoardMove(m);
    else
      BoardingAutoMove();
    PrintBoarding(out);
  }
  Boarding.open = false;
  const int o = Boarding.outcome;
  out << "BOARD RESULT " << kBoardOutcome[o >= 0 && o <= 4 ? o : 0] << '\n';
}

void RunConsoleFleetBattle(ConsoleFrontend& fe) {
  std::ostream& out = fe.Out();
  PrintFleet(out);
  bool byHand = ConsolePlaysByHand();
  for (int n = 0; !Fleet.over && n < kMaxMoves; ++n) {
    Move m;
    if (ScriptMove(fe, byHand, ParseFleetMove,
                   "fleet target K | fleet escort K | fleet attack|send|recharge|retreat", m))
      PlayFleetMove(m);
    else
      FleetAutoMove();
    PrintFleet(out);
  }
  out << "FLEET RESULT " << (Fleet.over && Fleet.won ? "won" : "lost") << '\n';
}

void AddEncounterCommands(CommandTable& t) {
  t.push_back({"scan", Scan, "[show|hail|attack K]",
               "the ship sensors: list the ships, show, hail or attack ship K"});
  t.push_back({"board", Board,
               "start TYPE FACTION [CREW MARINES DROIDS] | area K | attack | commando | emp | retreat",
               "board a crippled ship of that type; the other forms are moves (pilot manual)"});
  t.push_back({"fleet", FleetCmd,
               "start FACTION MODE [strong] | target K | escort K | attack | send | recharge | retreat",
               "fight a fleet battle (mode -1..2); the other forms are moves (pilot manual)"});
}

}  // namespace qm
