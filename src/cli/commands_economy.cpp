// Console commands for the markets and the ways between them: trading at the
// ship's location, landing, jumping through wormholes and the galaxy map's prices.
#include <ostream>

#include "cli/commands.h"
#include "state/game_state.h"
#include "world/galaxy_map.h"
#include "world/landing.h"
#include "world/market.h"
#include "world/wormhole.h"

namespace qm {
namespace {

bool Trade(CommandContext& c) {
  const std::string& cmd = c.w[0];
  long long n = 0, amount = 1;
  if (c.w.size() < 2 || c.w.size() > 3 || !ParseIntIn(c.w[1], 1, kCommodities, n) ||
      (c.w.size() == 3 && !ParseIntIn(c.w[2], 1, 1000000, amount)))
    return c.Fail("usage: " + cmd + " COMMODITY [AMOUNT] (commodity 1..18)");
  Run.SelectedCommodity = static_cast<int>(n);
  Run.TradeAmount = static_cast<int>(amount);
  if (cmd == "buy") buy();
  if (cmd == "sell") sell();
  if (cmd == "buyall") buyAll();
  return true;
}

bool SellAll(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: sellall");
  sellAll();
  return true;
}

bool Jump(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: jump");
  if (Game.Ship[Sh::Alive] <= 0) return c.Fail("no game is running");
  WormholeJump();
  return true;
}

bool LandHere(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: land");
  if (Game.Ship[Sh::Alive] <= 0) return c.Fail("no game is running");
  Run.SelectedLocation = Game.Ship[Sh::Location];
  const LandOutcome outcome = Land();  // its dialogs come first
  c.out << "land: " << landOutcomeName(outcome) << '\n';
  return true;
}

// The galaxy map's prices panel: one line per commodity, then the hold line.
bool Prices(CommandContext& c) {
  long long system = Game.Ship[Sh::System];
  if (c.w.size() > 2 || (c.w.size() == 2 && !ParseIntIn(c.w[1], 1, kSystems, system)))
    return c.Fail("usage: prices [SYSTEM] (system 1..24)");
  const PricePanel panel = BuildPricePanel(static_cast<int>(system));
  c.out << "prices of " << panel.systemName << (panel.known ? "" : " (not known today)") << '\n';
  for (const PriceRow& row : panel.rows)
    c.out << (row.selected ? "> " : "  ") << row.commodity << ' ' << row.name << ": " << row.price << '\n';
  c.out << "hold " << panel.holdLine << '\n';
  return true;
}

}  // namespace

void AddEconomyCommands(CommandTable& t) {
  t.push_back({"buy", Trade, "COMMODITY [AMOUNT]", "buy commodity 1..18 here"});
  t.push_back({"sell", Trade, "COMMODITY [AMOUNT]", "sell commodity 1..18 here"});
  t.push_back({"buyall", Trade, "COMMODITY", "buy as much of a commodity as money and hold allow"});
  t.push_back({"sellall", SellAll, "", "sell the whole cargo here"});
  t.push_back({"jump", Jump, "", "jump through the wormhole the ship is at"});
  t.push_back({"land", LandHere, "", "land at the ship's location"});
  t.push_back({"prices", Prices, "[SYSTEM]", "the galaxy map's prices of system 1..24 (default: this one)"});
}

}  // namespace qm
