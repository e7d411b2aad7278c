// Console commands for wars and news, abilities and promotion, retirement and
// the highscores.
#include <ostream>

#include "cli/commands.h"
#include "cli/console.h"
#include "state/game_state.h"
#include "world/abilities.h"
#include "world/main_screen.h"
#include "world/news.h"
#include "world/retirement.h"
#include "world/wars.h"

namespace qm {
namespace {

int queuedPick = 0;  // the ability `learn` chose for the next ability screen

bool News(CommandContext& c) {
  if (c.w.size() == 1) {
    for (int r = 1; r <= kNewsEntries; ++r)
      if (Game.NewsData[r][1] > 0)
        c.out << r << ". " << newsLine(r) << '\n';
    return true;
  }
  long long r = 0;
  if (c.w.size() != 3 || c.w[1] != "read" || !ParseIntIn(c.w[2], 1, kNewsEntries, r))
    return c.Fail("usage: news [read R] (row 1..20)");
  const int row = static_cast<int>(r);
  if (Game.NewsData[row][1] <= 0) return c.Fail("news row " + std::to_string(row) + " is empty");
  const int kind = Game.NewsData[row][2];
  const std::string title = kind >= NewsKind::WarDeclared ? "War news!" : "Trade news!";
  const std::string story = NewsStory(row);
  c.frontend.Message(3, title, Game.NewsText[row] + " - " + story, "news.jpg");
  return true;
}

bool Campaign(CommandContext& c) {
  const std::string sub = c.w.size() >= 2 ? c.w[1] : "";
  if (c.w.size() > 2 || (sub != "" && sub != "ask" && sub != "strike"))
    return c.Fail("usage: campaign [ask|strike]");
  const int s = Game.Ship[Sh::System];
  if (!SiegeRunning(s)) {
    c.frontend.Message(3, "N/A", "There is no invasion in this system.", "");
    return true;
  }
  if (sub == "ask") {
    if (AskForCampaignMission()) c.out << "SCREEN Missions\n";
    return true;
  }
  if (sub == "strike") {
    StrikeStarbase();
    return true;
  }
  const CampaignView v = CampaignScreen(s);
  c.out << v.title << '\n' << v.situation << '\n' << v.player << '\n' << v.days << '\n'
        << "strength " << v.attackerLevel << " : " << v.defenderLevel << '\n';
  return true;
}

bool Abilities(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: abilities");
  for (int kind = 1; kind <= 2; ++kind)
    for (int cat = 1; cat <= 3; ++cat) {
      c.out << AbilityCategoryName(kind, cat) << ":";
      for (int pos = 1; pos <= 10; ++pos) {
        const int id = TreeAbility(kind, cat, pos);
        const char mark = AbilityLearned(kind, id) ? 'x' : PrerequisitesMet(kind, cat, pos) ? '+' : ' ';
        c.out << " [" << mark << "] " << id << " " << TreeAbilityName(kind, id) << ";";
      }
      c.out << '\n';
    }
  return true;
}

bool Learn(CommandContext& c) {
  long long id = 0;
  if (c.w.size() != 2 || !ParseIntIn(c.w[1], 1, 37, id)) return c.Fail("usage: learn ID (an ability 1..37)");
  queuedPick = static_cast<int>(id);
  c.out << "next ability pick: " << id << '\n';
  return true;
}

bool RetireCmd(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: retire");
  OfferRetirement();
  return true;
}

void PrintHighscores(std::ostream& out) {
  const auto rows = HighscoreTable();
  for (size_t i = 0; i < rows.size(); ++i)
    out << (static_cast<int>(i) + 1 == HighlightedHighscore() ? "* " : "  ") << i + 1 << ". "
        << (rows[i].name.empty() ? "-" : rows[i].name) << " | " << rows[i].score << '\n';
}

bool Highscores(CommandContext& c) {
  if (c.w.size() != 1) return c.Fail("usage: highscores");
  PrintHighscores(c.out);
  return true;
}

}  // namespace

void ShowCareerScreen(Screen screen, std::ostream& out) {
  if (screen == Screen::Highscore) {
    out << "SCREEN Highscores\n";
    PrintHighscores(out);
    return;
  }
  if (screen != Screen::Abilities) return;
  const int kind = AbilityScreen().treeKind;
  out << "SCREEN " << AbilityScreenTitle(kind) << '\n';
  const int pick = queuedPick;
  queuedPick = 0;
  if (pick > 0 && ChooseAbilityById(pick)) return;
  ChooseFirstAvailableAbility();
}

void AddCareerCommands(CommandTable& t) {
  t.push_back({"news", News, "[read R]", "list the news, or read entry R"});
  t.push_back({"campaign", Campaign, "[ask|strike]",
               "a besieged system's campaign: ask for a mission, strike the starbase"});
  t.push_back({"abilities", Abilities, "", "both ability trees: learned (x) and open (+)"});
  t.push_back({"learn", Learn, "ID", "the ability to take at the next ability pick"});
  t.push_back({"retire", RetireCmd, "", "retire (asks first) and score the career"});
  t.push_back({"highscores", Highscores, "", "the highscore table"});
}

}  // namespace qm
