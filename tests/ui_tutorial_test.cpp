// The tutorial played through the real window: its pane on each screen of the
// new game, the marker over the control to use, the flight refused before the
// first trade, the way back to a screen the player closed, and the tutorial
// ending with its game.
#include <gtest/gtest.h>

#include <string>

#include "state/game_state.h"
#include "support/ui_play.h"
#include "world/tutorial.h"

namespace qm {
namespace {

// "Start tutorial", then Continue on the faction, name and profession screens
// and the welcome message: step 4 on the main screen.
constexpr const char* kStart = "set Option.NoWarPopups 1\nclick 400 172\ndump\nkey Return\ndump\nkey Return\n"
                               "key Return\nkey Return\nwait 100\ndump\n";
constexpr const char* kTradeIcon = "click 288 566\n";

class TutorialPlay : public test::UiPlay {};

TEST_F(TutorialPlay, ThePaneFollowsTheNewGameAndTheFirstTrade) {
  // Whole dumps: the tutorial's own texts speak of windows too.
  const auto t = Play(std::string(kStart) + "console fly 3\ndump\nkey Return\n" + kTradeIcon + "dump\n" +
                      "console buy 1 2\ndump\nkey Escape\nwait 100\ndump\n");
  ASSERT_EQ(t.size(), 7u);
  EXPECT_TRUE(Has(t[0], "window Select_Race 793x600 top")) << t[0];
  EXPECT_TRUE(Has(t[0], Label(TutorialInstruction(1))));
  EXPECT_TRUE(Has(t[1], "window Select_Name 373x550 top")) << t[1];
  EXPECT_TRUE(Has(t[1], Label(TutorialInstruction(2))));
  const std::string& main = t[2];
  ASSERT_TRUE(Has(main, "window Screen_Travel 800x600 top")) << main;
  EXPECT_TRUE(Has(main, Label(TutorialExplanation(4))));
  EXPECT_TRUE(Has(main, Label("Click on the \"TRADE\" icon displayed in the control panel at the bottom.")));
  EXPECT_TRUE(Has(main, "marker 237 544 104x44")) << "the marker frames the trade icon";

  EXPECT_TRUE(Has(t[3], "window Screen_Message3 304x234 top")) << t[3];
  EXPECT_TRUE(Has(t[3], Label("Sorry, but please follow the tutorial instructions in the green window or "
                              "alternatively close the tutorial.")))
      << "no flight before the first trade: " << t[3];
  ASSERT_TRUE(Has(t[4], "window Screen_TradeScreenMoveable 351x560 top")) << t[4];
  EXPECT_TRUE(Has(t[4], Label(TutorialInstruction(5))));
  EXPECT_TRUE(Has(t[4], "marker 16 84 319x17")) << "the Supplies row";
  // Bought: the next step is on the main screen, under the trade window.
  EXPECT_FALSE(Has(t[5].substr(t[5].find("window Screen_TradeScreenMoveable")), "panel #Tutorial")) << t[5];
  EXPECT_TRUE(Has(t[6], "window Screen_Travel 800x600 top")) << t[6];
  EXPECT_TRUE(Has(t[6], "label \"Double-click on the location ")) << t[6];
  EXPECT_EQ(Game.Ship[Sh::Location], 2) << "the refused flight did not leave Earth";
}

TEST_F(TutorialPlay, AClosedTradeScreenIsReopenedFromTheMainScreen) {
  // Bought and flown to the Federation's target: step 7 waits for the trade screen.
  const auto t = Tops(std::string(kStart) + kTradeIcon + "console buy 1 2\nkey Escape\nconsole fly 3\nwait 6000\n" +
                      "dump\n" + kTradeIcon + "dump\nconsole sellall\nkey Escape\nwait 100\ndump\n");
  ASSERT_EQ(t.size(), 6u);
  const std::string& back = t[3];
  ASSERT_TRUE(Has(back, "window Screen_Travel 800x600 top")) << back;
  EXPECT_TRUE(Has(back, Label("Click on the \"TRADE\" icon to open the trade screen again."))) << back;
  EXPECT_TRUE(Has(t[4], Label(TutorialInstruction(7)))) << t[4];
  EXPECT_TRUE(Has(t[5], Label(TutorialInstruction(9)))) << "sold and closed: on to the mission: " << t[5];
}

TEST_F(TutorialPlay, LeavingTheGameEndsTheTutorial) {
  // Options, "Exit to main menu", yes.
  const auto t = Tops(std::string(kStart) + "click 733 566\nclick 400 355\ndump\nkey Return\nwait 100\ndump\n");
  ASSERT_EQ(t.size(), 5u);
  EXPECT_TRUE(Has(t[3], Label("Really quit?"))) << t[3];
  EXPECT_TRUE(Has(t[4], "window Start 377x519 top")) << t[4];
  EXPECT_FALSE(qm::Run.TutorialActive);
  EXPECT_EQ(qm::Run.TutorialStep, 0) << "a later game is never held back by it";
}

TEST_F(TutorialPlay, ALoadEndsTheTutorialAndItsPanes) {
  // Saved and loaded again at once; the dialogs on the way are answered with Enter.
  const auto d = Play(std::string(kStart) + "console save 1 Tutorial\nkey Return\nkey Return\nconsole load 1\n" +
                      "key Return\nkey Return\nwait 100\ndump\n");
  ASSERT_EQ(d.size(), 4u);
  const size_t main = d[3].find("window Screen_Travel");
  ASSERT_NE(main, std::string::npos) << d[3];
  const std::string screen = d[3].substr(main, d[3].find("\nwindow ", main + 1) - main);
  EXPECT_TRUE(Has(d[2].substr(d[2].find("window Screen_Travel")), "panel #Tutorial")) << "it ran before the load";
  EXPECT_FALSE(Has(screen, "panel #Tutorial")) << "the loaded game runs without the tutorial: " << screen;
  EXPECT_FALSE(Has(screen, "marker ")) << screen;
}

TEST_F(TutorialPlay, CancelAsksFirstAndNoKeepsThePane) {
  // The pane's "Cancel tutorial" on the main screen (pane at 8, 104).
  const auto t = Tops(std::string(kStart) + "click 153 386\ndump\nkey Escape\ndump\nclick 153 386\nkey Return\n" +
                      "wait 100\ndump\n");
  ASSERT_EQ(t.size(), 6u);
  EXPECT_TRUE(Has(t[3], Label("Turn tutorial off?"))) << t[3];
  EXPECT_TRUE(Has(t[4], "panel #Tutorial")) << "No keeps it: " << t[4];
  EXPECT_FALSE(Has(t[5], "panel #Tutorial")) << "Yes ends it: " << t[5];
  EXPECT_FALSE(qm::Run.TutorialActive);
}

// The whole tutorial from the main menu to its end, by the player's clicks and
// keys (the fight is shortened by emptying the enemy's shields before a shot).
TEST_F(TutorialPlay, TheWholeTutorialFromTheMenuToItsEnd) {
  const std::string script =
      "set Option.NoWarPopups 1\n"
      "click 400 172\n"
      "key Return\n"
      "key Return\n"
      "key Return\n"
      "key Return\n"
      "wait 100\n"
      "dump\n"
      "click 288 566\n"
      "dump\n"
      "console buy 1 2\n"
      "dump\n"
      "key Escape\n"
      "wait 100\n"
      "dump\n"
      "console fly 3\n"
      "wait 6000\n"
      "dump\n"
      "click 288 566\n"
      "dump\n"
      "console sellall\n"
      "dump\n"
      "key Escape\n"
      "wait 100\n"
      "dump\n"
      "click 400 566\n"
      "wait 100\n"
      "dump\n"
      "click 165 254\n"
      "dump\n"
      "click 551 546\n"
      "wait 100\n"
      "key Return\n"
      "wait 100\n"
      "dump\n"
      "click 400 566\n"
      "wait 100\n"
      "key Escape\n"
      "wait 100\n"
      "dump\n"
      "console fly 1\n"
      "wait 6000\n"
      "key Return\n"
      "wait 300\n"
      "dump\n"
      "key 2\n"
      "wait 200\n"
      "dump\n"
      "key 5\n"
      "wait 200\n"
      "dump\n"
      "key Return\n"
      "wait 8000\n"
      "dump\n"
      "key 3\n"
      "wait 200\n"
      "dump\n"
      "key 1\n"
      "wait 200\n"
      "dump\n"
      "key Return\n"
      "key Return\n"
      "wait 8000\n"
      "dump\n"
      "set EnemyShip.ShieldEnergy 0\n"
      "key 1\n"
      "wait 3000\n"
      "key Return\n"
      "wait 1500\n"
      "key Return\n"
      "wait 1000\n"
      "key Return\n"
      "wait 1000\n"
      "key Return\n"
      "wait 1000\n"
      "key Return\n"
      "wait 300\n"
      "dump\n"
      "console fly 2\n"
      "wait 6000\n"
      "click 67 566\n"
      "wait 300\n"
      "dump\n"
      "key Escape\n"
      "wait 300\n"
      "dump\n"
      "click 511 566\n"
      "wait 300\n"
      "dump\n"
      "key Escape\n"
      "wait 300\n"
      "dump\n"
      "click 622 566\n"
      "wait 300\n"
      "dump\n"
      "key Escape\n"
      "wait 300\n"
      "dump\n"
      "click 733 566\n"
      "wait 100\n"
      "dump\n"
      "click 400 235\n"
      "wait 300\n"
      "dump\n"
      "click 455 195\n"
      "wait 300\n"
      "key Return\n"
      "wait 300\n"
      "key Return\n"
      "wait 300\n"
      "dump\n"
      "key Escape\n"
      "wait 300\n"
      "dump\n"
      "click 733 566\n"
      "click 400 395\n"
      "wait 300\n"
      "dump\n"
      "click 150 50\n"
      "wait 300\n"
      "dump\n"
      "key Escape\n"
      "wait 300\n"
      "dump\n"
      "click 44 50\n"
      "wait 300\n"
      "dump\n"
      "click 415 564\n"
      "wait 300\n"
      "dump\n"
      "key Escape\n"
      "wait 300\n"
      "dump\n"
      "key Escape\n"
      "wait 300\n"
      "dump\n"
      "click 153 386\n"
      "wait 300\n"
      "dump\n";
  const auto dumps = Play(script);
  ASSERT_GT(dumps.size(), 20u);
  std::string seen;  // the instructions of the top windows, in order
  for (const std::string& d : dumps) {
    const std::string top = TopWindow(d);
    const size_t how = top.find("label \"How to continue:\"\n");
    if (how != std::string::npos) {
      const size_t start = top.find("label \"", how + 10);
      seen += top.substr(start, top.find('\n', start) - start) + "\n";
    }
    const size_t marker = top.find("  marker ");
    if (marker != std::string::npos) seen += top.substr(marker + 2, top.find('\n', marker + 2) - marker - 2) + "\n";
  }
  // Every step shows up, in its order; 6 and 20 name their places.
  size_t at = 0;
  for (int step : {4, 5, 6, 7, 8, 9, 10, 11, -11, 12, 13, 14, 15, 16, 18, 19, 20, 22, 23, 24, 25, 26, 27, 28, 32, 33,
                   34, 35, 37, 38}) {
    std::string text = TutorialInstruction(step);
    if (step == 6 || step == 20) text = text.substr(0, text.size() - 1);
    const size_t found = seen.find("label \"" + text, at);
    ASSERT_NE(found, std::string::npos) << "step " << step << " after\n" << seen.substr(at);
    at = found;
  }
  // The steps that only mark: the save slot, the save screen's Back, the ability screen's Back.
  EXPECT_TRUE(Has(seen, "marker 204 92 62x28"));
  EXPECT_TRUE(Has(seen, "marker 120 378 120x32"));
  EXPECT_TRUE(Has(seen, "marker 249 540 110x32"));
  EXPECT_FALSE(Has(TopWindow(dumps.back()), "panel #Tutorial")) << "Cancel at the last step ends it without a question";
  EXPECT_FALSE(Has(TopWindow(dumps.back()), "Turn tutorial off?"));
}

}  // namespace
}  // namespace qm
