// Console commands for the game settings and the cheats.
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "state/game_state.h"
#include "world/cheats.h"
#include "world/settings.h"

namespace qm {
namespace {

bool ListOptions(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: options");
  for (const SettingInfo& i : SettingTable()) c.out << i.name << ' ' << (SettingOn(i.id) ? "on" : "off") << '\n';
  return true;
}

std::string SettingNames() {
  std::string names;
  for (const SettingInfo& i : SettingTable()) names += std::string(names.empty() ? "" : "|") + i.name;
  return names;
}

// As the settings screen's switch, followed by the write its closing makes.
bool SetOption(CommandContext& c) {
  Setting s{};
  bool on = false;
  if (c.w.size() != 3 || !SettingByName(c.w[1], s) || (c.w[2] != "on" && c.w[2] != "off"))
    return c.Fail("usage: option " + SettingNames() + " on|off");
  on = c.w[2] == "on";
  SetSetting(s, on);
  if (!SaveSettings()) return c.Fail("the settings could not be written");
  return true;
}

bool Cheat(CommandContext& c) {
  const auto& w = c.w;
  const std::string sub = w.size() >= 2 ? w[1] : "";
  long long level = 0;
  const bool start = sub == "start" && w.size() == 3 && ParseIntIn(w[2], 1, 3, level);
  if (!start && (w.size() != 2 || (sub != "money" && sub != "promotion" && sub != "aging" && sub != "destroy")))
    return c.Fail("usage: cheat money|promotion|aging|destroy|start 1|2|3");
  if (Game.Ship[Sh::Alive] <= 0) return c.Fail("no game is running");
  if (start)
    cheatFastStart(static_cast<int>(level));
  else if (sub == "money")
    cheatMoney();
  else if (sub == "promotion")
    cheatPromotion();
  else if (sub == "aging")
    cheatToggleAging();
  else
    cheatDestroyEnemy();  // outside a battle run by hand there is no enemy: refused
  return true;
}

}  // namespace

void AddOptionCommands(CommandTable& t) {
  t.push_back({"options", ListOptions, "", "the game settings, on or off"});
  t.push_back({"option", SetOption, "NAME on|off", "switch a game setting (names as `options` lists them)"});
  t.push_back({"cheat", Cheat, "money|promotion|aging|destroy|start 1|2|3", "use a cheat"});
}

}  // namespace qm
