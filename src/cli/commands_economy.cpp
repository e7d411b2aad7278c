// Console commands for the markets: trading at the ship's location.
#include "cli/commands.h"
#include "state/game_state.h"
#include "world/market.h"

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

}  // namespace

void AddEconomyCommands(CommandTable& t) {
  t.push_back({"buy", Trade});
  t.push_back({"sell", Trade});
  t.push_back({"buyall", Trade});
  t.push_back({"sellall", SellAll});
}

}  // namespace qm
