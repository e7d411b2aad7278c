// The boarding screen, played through the real window: a boarding is started
// from the console on the main screen and fought with the mouse and the keys.
#include <gtest/gtest.h>

#include "catalogue/ships.h"
#include "combat/boarding.h"
#include "combat/combat_state.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/ui_play.h"
#include "ui/window.h"
#include "ui/window_frontend.h"

namespace qm {
namespace {

// A new game on the main screen with a boarding party of 200 marines.
constexpr const char* kNewGame =
    "set Option.NoWarPopups 1\nclick 400 218\nkey Return\nkey Return\nkey Return\nkey Return\n"
    "set Ship.Marines 200\nset Player.Credits 5000\n";
// A boarding of a lightly crewed enemy whose hold is empty (no loot: the credits tell the sale alone).
std::string Board(int type, int faction, int crew, int marines, int droids) {
  return "console board start " + std::to_string(type) + " " + std::to_string(faction) + " " + std::to_string(crew) +
         " " + std::to_string(marines) + " " + std::to_string(droids) + "\nset EnemyShip.CargoCapacity 0\n";
}
// The window fills the canvas: the areas of the deck plan and the buttons.
constexpr const char* kArea[5] = {"", "202 440", "202 350", "202 230", "202 120"};
std::string ClickArea(int a) { return "click " + std::string(kArea[a]) + "\n"; }
constexpr const char* kAttack = "click 490 470\n";
constexpr const char* kCommando = "click 688 470\n";
constexpr const char* kEmp = "click 490 518\n";
constexpr const char* kRetreat = "click 688 518\n";
std::string Right(const char* click) { return "r" + std::string(click); }
// Attacks until the area falls (one attack of 200 marines nearly always does):
// a click that meets the "Area secure!" message lies beside it and does nothing.
const std::string kStorm = std::string(kAttack) + kAttack + kAttack;
// Takes an area after the airlock: the question, "Under attack!", then the attacks.
std::string TakeArea(int a) { return ClickArea(a) + "key Return\nkey Return\n" + kStorm; }

std::vector<std::string> played;  // the sounds of a run with the window on top when they played

class BoardingScreen : public test::UiPlay {
 protected:
  void SetUp() override {
    UiPlay::SetUp();
    played.clear();
    ui::TheFrontend().onPlaySound = [](const std::string& wav) {
      played.push_back(wav + "@" + (ui::Top() ? ui::Top()->Unit() : ""));
    };
  }
  void TearDown() override {
    ui::TheFrontend().onPlaySound = nullptr;
    General.Option.CompatibilityMode = false;
    UiPlay::TearDown();
  }

  // The n-th number shown after the label `row` ("Space marines" is listed for both sides).
  static int Counter(const std::string& dump, const std::string& row, int occurrence = 0) {
    const std::string key = "label \"" + row + "\"\n    label \"";
    size_t at = dump.find(key);
    for (int i = 0; i < occurrence && at != std::string::npos; ++i) at = dump.find(key, at + 1);
    if (at == std::string::npos) return -1;
    return std::stoi(dump.substr(at + key.size()));
  }
  static std::string Forces(const std::string& dump) {
    const size_t from = dump.find("panel #forces"), to = dump.find("panel #report");
    return from == std::string::npos || to == std::string::npos ? "" : dump.substr(from, to - from);
  }
  static bool TopHas(const std::string& dump, const std::string& part) { return Has(TopWindow(dump), part); }
  static int Clicks() {
    int n = 0;
    for (const auto& s : played) n += s == "button.wav@Screen_CrewCombat";
    return n;
  }
};

TEST_F(BoardingScreen, TheScreenShowsTheAreasAndTheForcesOfBothSides) {
  const auto d = Play(std::string(kNewGame) + "set Ship.Crewmen 4\nset Ship.Officers 2\nset Ship.Pirates 1\n" +
                      "set Ship.Droids 3\n" + Board(5, 0, 12, 4, 0) +
                      "move " + kArea[2] + "\ndump\nmove 30 30\ndump\nset Option.CompatibilityMode 1\n" + kEmp +
                      "key Return\ndump\n");
  ASSERT_EQ(d.size(), 3u);
  const std::string top = TopWindow(d[0]);
  EXPECT_TRUE(Has(top, "window Screen_CrewCombat 800x600 top")) << d[0];
  for (const char* part :
       {"label \"Enemy ship: Pirates Orion (Fighter)\"", "picture crewcombat_red_airlock_normal.jpg #area1",
        "label \"Airlock (Enemy)\"", "label \"Corridors (Enemy; not yet selectable)\" hover",
        "picture crewcombat_grey_corridor_mouseover.jpg #area2 hover", "label \"Cargo bay (Enemy; not yet selectable)\"",
        "label \"Bridge (Enemy); not yet selectable)\"", "label \"Enemy forces:\"", "label \"Your forces:\"",
        "panel #area\n    label \"Current area\"\n    label \"Airlock\"\n    label \"Under attack: defeat the defenders here.\"",
        "button 11 \"Attack\"",
        "button 12 \"Commando strike\"", "button 13 \"EMP strike\"", "button 14 \"Retreat\""})
    EXPECT_TRUE(Has(top, part)) << part;
  // The airlock holds a quarter to a half of the enemy's crew and marines, no droids.
  const int crew = Counter(top, "Crew"), marines = Counter(top, "Space marines"), droids = Counter(top, "Battle droids");
  EXPECT_GE(crew, 3);
  EXPECT_LE(crew, 5);
  EXPECT_EQ(marines, 1);
  EXPECT_EQ(droids, 0);
  EXPECT_EQ(Counter(top, "Defenders"), crew + marines + droids);
  EXPECT_EQ(Counter(top, "Space marines", 1), 200);
  EXPECT_EQ(Counter(top, "Officers"), 2);
  EXPECT_EQ(Counter(top, "Battle droids", 1), 3);
  EXPECT_EQ(Counter(top, "Crewmen"), 4);
  EXPECT_EQ(Counter(top, "Pirates"), 1);
  EXPECT_EQ(Counter(top, "Boarding party"), 210);

  EXPECT_TRUE(TopHas(d[1], "picture crewcombat_grey_corridor_normal.jpg #area2\n")) << "the background clears the hover";
  EXPECT_TRUE(TopHas(d[2], "panel #Compatibility\n    label \"Area 1: Airlock (Enemy), under attack\"")) << d[2];
  EXPECT_TRUE(TopHas(d[2], "label \"Area 4: Bridge (Enemy); not yet selectable)\""));
}

TEST_F(BoardingScreen, ClicksTakeTheShipFromTheAirlockToTheBridgeAndSellIt) {
  // The player's own ship is an Orion (type 5): the enemy is a Stargun (type 2).
  std::string script = std::string(kNewGame) + Board(2, 0, 12, 4, 0) + kStorm + "dump\nkey Return\ndump\n" +
                       ClickArea(2) + "dump\nkey Return\ndump\nkey Return\n" + kStorm + "key Return\ndump\n" +
                       TakeArea(3) + "key Return\ndump\nkey Escape\ndump\n" + TakeArea(4);
  // every message up to the end (a promotion may come with its own), "Sell it" included
  for (int i = 0; i < 20; ++i) script += "key Return\ndump\n";
  const auto d = Play(script);
  ASSERT_EQ(d.size(), 27u);
  EXPECT_TRUE(TopHas(d[0], "label \"Area secure!\"")) << d[0];
  EXPECT_TRUE(Has(d[0], "window Screen_CrewCombat")) << "the message shows over the boarding";
  for (const char* part : {"label \"Airlock (Friendly)\"", "picture crewcombat_blue_airlock_normal.jpg",
                           "label \"Corridors (Enemy)\"", "label \"Secured. Select the next area to attack: corridors.\"",
                           "label \"Last exchange: "})
    EXPECT_TRUE(TopHas(d[1], part)) << part << "\n" << d[1];
  EXPECT_EQ(Counter(TopWindow(d[1]), "Defenders"), 0);
  EXPECT_TRUE(TopHas(d[2], "label \"Selected area: Corridors\"")) << d[2];
  EXPECT_TRUE(TopHas(d[3], "label \"Under attack!\""));
  EXPECT_TRUE(TopHas(d[4], "label \"Cargo bay (Enemy)\"")) << d[4];
  EXPECT_TRUE(TopHas(d[4], "label \"Bridge (Enemy)\""));
  EXPECT_TRUE(TopHas(d[4], "label \"Corridors (Friendly)\""));
  EXPECT_TRUE(TopHas(d[5], "label \"Cargobay!\"")) << d[5];
  EXPECT_TRUE(TopHas(d[6], "label \"Cargo bay (Friendly)\"")) << "no plunder: on to the bridge\n" << d[6];
  EXPECT_TRUE(TopHas(d[6], "picture crewcombat_red_bridge_normal.jpg #area4"));

  int keep = -1;
  for (size_t i = 7; i < d.size(); ++i)
    if (TopHas(d[i], "label \"Keep enemy ship?\"")) keep = static_cast<int>(i);
  ASSERT_GE(keep, 0) << "the captured ship is offered";
  EXPECT_TRUE(TopHas(d[static_cast<size_t>(keep)], "\"Sell it\"")) << d[static_cast<size_t>(keep)];
  EXPECT_TRUE(TopHas(d[static_cast<size_t>(keep)], "\"Keep it\""));
  EXPECT_TRUE(TopHas(d[static_cast<size_t>(keep) + 1], "label \"Enemy ship sold!\""));
  EXPECT_TRUE(TopHas(d.back(), "window Screen_Travel")) << d.back();
  EXPECT_FALSE(Has(d.back(), "Screen_CrewCombat")) << "the boarding screen has closed";

  EXPECT_EQ(Boarding.outcome, BoardingOutcome::Captured);
  EXPECT_EQ(Combat.EnemyShip[Sh::Alive], 0);
  EXPECT_EQ(Game.Player[Pl::Credits], 5000 + shipStat(2, Stat::Price) / 5) << "the sale, and no loot from an empty hold";
  EXPECT_EQ(Game.Ship[Sh::ShipType], 5) << "sold, not kept";
}

TEST_F(BoardingScreen, KeepingTheCapturedShipMakesItThePlayersShip) {
  // The same fight twice from the same seed: the first run finds where the
  // question comes (a lucky find of droids may come before it), the second
  // answers it with "Keep it".
  const std::string fight = std::string(kNewGame) + Board(6, 3, 12, 4, 0) + kStorm + "key Return\n" + TakeArea(2) +
                            "key Return\n" + TakeArea(3) + "key Return\nkey Escape\n" + TakeArea(4);
  std::string probe = fight;
  for (int i = 0; i < 20; ++i) probe += "dump\nkey Return\n";
  SeedRandom(5);
  const auto first = Play(probe);
  size_t keep = 0;
  while (keep < first.size() && !TopHas(first[keep], "label \"Keep enemy ship?\"")) ++keep;
  ASSERT_LT(keep, first.size()) << "the captured ship is offered\n" << (first.empty() ? "" : first.front());

  std::string answer = fight;
  for (size_t i = 0; i < keep; ++i) answer += "key Return\n";
  answer += "dump\nkey Escape\n";
  for (int i = 0; i < 12; ++i) answer += "key Return\n";
  answer += "dump\n";
  SeedRandom(5);
  const auto second = Play(answer);
  ASSERT_EQ(second.size(), 2u);
  ASSERT_TRUE(TopHas(second[0], "label \"Keep enemy ship?\"")) << second[0];
  EXPECT_TRUE(TopHas(second[1], "window Screen_Travel")) << second[1];
  EXPECT_EQ(Game.Ship[Sh::ShipType], 6);
  EXPECT_EQ(Game.Ship[Sh::ShipFaction], 3);
  EXPECT_EQ(Game.Player[Pl::Credits], 5000) << "kept, not sold";
}

TEST_F(BoardingScreen, RefusedActionsShowTheirMessageAndChangeNothing) {
  const auto d = Play(std::string(kNewGame) + Board(5, 0, 12, 4, 0) + "dump\nkey e\ndump\nkey Return\n" +
                      ClickArea(4) + "dump\nkey Return\ndump\n" + kStorm + "key Return\ndump\n" + kCommando +
                      "dump\nkey Return\n" + ClickArea(4) + "dump\nkey Return\n" + ClickArea(1) +
                      "dump\nkey Return\ndump\n");
  ASSERT_EQ(d.size(), 9u);
  EXPECT_TRUE(TopHas(d[1], "label \"N/A!\"")) << d[1];
  EXPECT_TRUE(TopHas(d[1], "does not have any battle droids on the line"));
  EXPECT_TRUE(TopHas(d[2], "label \"Under attack!\"")) << "no other area while fighting\n" << d[2];
  EXPECT_TRUE(TopHas(d[2], "You are already under attack."));
  EXPECT_FALSE(Forces(d[0]).empty());
  EXPECT_EQ(Forces(d[3]), Forces(d[0])) << "no exchange was fought";
  EXPECT_TRUE(TopHas(d[3], "label \"Your boarding party stands at the enemy airlock.\""));
  EXPECT_TRUE(TopHas(d[3], "picture crewcombat_grey_bridge_normal.jpg #area4"));

  // In phase 2 the attacks wait for a new area; a grey area cannot be reached
  // yet and a secured one cannot be taken twice.
  EXPECT_TRUE(TopHas(d[4], "label \"Airlock (Friendly)\"")) << d[4];
  EXPECT_TRUE(TopHas(d[5], "label \"Sorry!\"")) << d[5];
  EXPECT_TRUE(TopHas(d[6], "label \"N/A\"")) << d[6];
  EXPECT_TRUE(TopHas(d[6], "You cannot yet attack this part of the enemy ship."));
  EXPECT_TRUE(TopHas(d[7], "label \"Secured!\"")) << d[7];
  EXPECT_EQ(Forces(d[8]), Forces(d[4]));
  for (const char* part : {"label \"Corridors (Enemy)\"", "label \"Bridge (Enemy); not yet selectable)\"",
                           "label \"Secured. Select the next area to attack: corridors.\""})
    EXPECT_TRUE(TopHas(d[8], part)) << part;
}

TEST_F(BoardingScreen, RetreatAsksFirstAndEndsTheBoardingAndTheBattle) {
  const auto d = Play(std::string(kNewGame) + Board(5, 0, 12, 4, 0) + kRetreat + "dump\nkey Escape\ndump\n" +
                      "key Escape\ndump\nkey Return\ndump\nkey Return\ndump\n");
  ASSERT_EQ(d.size(), 5u);
  EXPECT_TRUE(TopHas(d[0], "label \"Really retreat?\"")) << d[0];
  EXPECT_TRUE(TopHas(d[1], "window Screen_CrewCombat")) << "no: the boarding goes on\n" << d[1];
  EXPECT_TRUE(TopHas(d[2], "label \"Really retreat?\"")) << "Escape retreats too\n" << d[2];
  EXPECT_TRUE(TopHas(d[3], "label \"You escape!\"")) << d[3];
  EXPECT_TRUE(TopHas(d[4], "window Screen_Travel")) << d[4];
  EXPECT_EQ(Boarding.outcome, BoardingOutcome::Retreated);
  EXPECT_EQ(Combat.EnemyShip[Sh::Alive], 1) << "the enemy ship is left behind";
}

TEST_F(BoardingScreen, ClosingTheWindowAsksQuitGame) {
  const auto no = Play(std::string(kNewGame) + Board(5, 0, 12, 4, 0) + "close\ndump\nkey Escape\ndump\n");
  ASSERT_EQ(no.size(), 2u);
  EXPECT_TRUE(TopHas(no[0], "label \"Quit game?\"")) << no[0];
  EXPECT_TRUE(TopHas(no[1], "window Screen_CrewCombat 800x600 top")) << no[1];
  EXPECT_FALSE(qm::Run.QuitToMenu);

  const auto yes = Play(std::string(kNewGame) + Board(5, 0, 12, 4, 0) + "close\nkey Return\ndump\n");
  ASSERT_EQ(yes.size(), 1u);
  EXPECT_TRUE(TopHas(yes[0], "window Start")) << "the game ends at the main menu\n" << yes[0];
  EXPECT_FALSE(Has(yes[0], "Screen_CrewCombat"));
  EXPECT_TRUE(qm::Run.QuitToMenu);
}

TEST_F(BoardingScreen, RightClicksExplainAndEmptyPlacesDoNothing) {
  const auto d = Play(std::string(kNewGame) + Board(5, 0, 12, 4, 0) + "dump\n" + Right(kAttack) + "dump\nkey Return\n" +
                      Right(kCommando) + "dump\nkey Return\n" + Right(kEmp) + "dump\nkey Return\nrclick " + kArea[4] +
                      "\ndump\nkey Return\nrclick " + kArea[1] + "\ndump\nkey Return\nclick 450 200\nclick 60 60\n" +
                      "click 30 300\ndump\n");
  ASSERT_EQ(d.size(), 7u);
  EXPECT_TRUE(TopHas(d[1], "label \"Standard attack\"")) << d[1];
  EXPECT_TRUE(TopHas(d[2], "label \"Commando assault\"")) << d[2];
  EXPECT_TRUE(TopHas(d[3], "label \"EMP strike\"")) << d[3];
  EXPECT_TRUE(TopHas(d[4], "label \"Bridge\"")) << d[4];
  EXPECT_TRUE(TopHas(d[4], "It cannot be attacked before the areas leading to it are secured."));
  EXPECT_TRUE(TopHas(d[5], "It is held by the enemy and can be attacked now.")) << d[5];
  EXPECT_TRUE(TopHas(d[6], "window Screen_CrewCombat 800x600 top")) << "the empty places open nothing\n" << d[6];
  EXPECT_EQ(Forces(d[6]), Forces(d[0])) << "a right-click never acts";
  EXPECT_TRUE(TopHas(d[6], "label \"Under attack: defeat the defenders here.\""));
  EXPECT_EQ(Clicks(), 0) << "no click sound on the boarding screen";
}

TEST_F(BoardingScreen, TheKeyboardPlaysABoardingToThePlunderedCargoBay) {
  // E on the airlock's droids, A, 2 and C for the corridors, 3 and Enter for
  // the cargo bay, whose plunder ends the boarding. An attack key repeats until
  // the area falls: over the "Area secure!" message A and C do nothing.
  std::string script = std::string(kNewGame) + Board(5, 0, 12, 4, 8) + "dump\nkey e\ndump\nkey Return\ndump\n" +
                       "key a\nkey a\nkey a\nkey Return\nkey 2\ndump\nkey Return\nkey Return\nkey c\nkey c\n" +
                       "key c\nkey Return\ndump\nkey 3\nkey Return\nkey Return\nkey Return\nkey a\nkey a\ndump\n" +
                       "key Return\ndump\nkey Return\n";
  for (int i = 0; i < 16; ++i) script += "key Return\n";
  script += "dump\n";
  const auto d = Play(script);
  ASSERT_EQ(d.size(), 8u);
  const int droidsBefore = Counter(TopWindow(d[0]), "Battle droids", 1);
  EXPECT_GT(Counter(TopWindow(d[0]), "Battle droids"), 0) << "droids defend the airlock";
  EXPECT_TRUE(TopHas(d[1], "label \"Droids captured!\"")) << d[1];
  EXPECT_GT(Counter(TopWindow(d[2]), "Battle droids", 1), droidsBefore) << d[2];
  EXPECT_EQ(Counter(TopWindow(d[2]), "Battle droids"), 0) << "the pulse took every droid of the airlock";
  EXPECT_TRUE(TopHas(d[2], "label \"Last exchange: ")) << d[2];
  EXPECT_TRUE(TopHas(d[2], " your crew.\"")) << "the report counts the droids that join";
  EXPECT_TRUE(TopHas(d[3], "label \"Selected area: Corridors\"")) << d[3];
  EXPECT_TRUE(TopHas(d[4], "label \"Cargo bay (Enemy)\"")) << "the commando strike took the corridors\n" << d[4];
  EXPECT_TRUE(TopHas(d[5], "label \"Area secure!\"")) << "Enter attacked\n" << d[5];
  EXPECT_TRUE(TopHas(d[6], "label \"Cargobay!\"")) << d[6];
  EXPECT_TRUE(TopHas(d[7], "window Screen_Travel")) << d[7];
  EXPECT_EQ(Boarding.outcome, BoardingOutcome::Plundered);
  EXPECT_EQ(Combat.EnemyShip[Sh::Alive], 0);
  EXPECT_GE(Clicks(), 6) << "each key on the screen (E, A, 2, C, 3, Enter) sounds like the click it stands for";
  EXPECT_LT(Clicks(), 12) << "one sound per key";
}

}  // namespace
}  // namespace qm
