// The end of a career on screen: the highscore list from the main menu and
// after retiring, and the ability choice a promotion opens. Played through
// input scripts on SDL's offscreen driver.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/game_state.h"
#include "state/savegame.h"
#include "support/ui_play.h"
#include "world/abilities.h"
#include "world/retirement.h"

namespace qm {
namespace {

// A new Federation trader on the main screen, without the war news.
constexpr const char* kNewGame =
    "click 400 218\nkey Return\nkey Return\nkey Return\nkey Return\nset Option.NoWarPopups 1\n";
// The main menu's "Highscores".
constexpr const char* kMenuHighscores = "click 400 320\n";
// Retiring rich: the question, the five steps and the career ladder, each taken with Enter.
constexpr const char* kRetire =
    "set Player.Credits 3000000\nconsole retire\nkey Return\nkey Return\nkey Return\nkey Return\nkey Return\n"
    "key Return\nkey Return\n";
// The highscore list (591 x 519) lies at 104, 40; its close button and rows.
constexpr const char* kHighscoreClose = "click 621 518\n";
std::string HighscoreRow(int row) { return "click 300 " + std::to_string(40 + 100 + (row - 1) * 66 + 32) + "\n"; }

class CareerScreens : public test::UiPlay {
 protected:
  void SetUp() override {
    UiPlay::SetUp();
    for (int e = 1; e <= 5; ++e) {
      General.Highscore[e].fill(0);
      General.HighscoreName[e].clear();
    }
    ClearHighscoreHighlight();
  }
  std::vector<std::string> Play(const std::string& script) {
    std::vector<std::string> tops;
    for (const std::string& dump : UiPlay::Play(script)) tops.push_back(TopWindow(dump));
    return tops;
  }
  static void Score(int entry, int value, const std::string& name) {
    General.Highscore[entry][1] = 1;
    General.Highscore[entry][2] = value;
    General.Highscore[entry][3] = 2;
    General.Highscore[entry][4] = 5;
    General.HighscoreName[entry] = name;
    ASSERT_TRUE(SaveGeneralData());  // the game reads the list from the general data at start
  }
};

TEST_F(CareerScreens, RetiringEntersTheScoreHighlightedAndTheMainMenuShowsItWhite) {
  Score(1, 900000, "Vela Marr");
  Score(2, 40000, "Old Tam");
  const auto tops = Play(std::string(kNewGame) + kRetire + "dump\nkey Down\nkey Down\ndump\nkey Escape\nclose\ndump\n" +
                         kMenuHighscores + "dump\n" + HighscoreRow(3) + "key Return\ndump\n");
  ASSERT_EQ(tops.size(), 5u);
  const std::string& after = tops[0];
  EXPECT_TRUE(Has(after, "window Screen_Highscore 591x519 top")) << after;
  EXPECT_TRUE(Has(after, "label \"Highscores\""));
  // 351,768 goes between the two older careers, in yellow, with its faction and rank.
  EXPECT_TRUE(Has(after, "label \"1.\"\n  label \"Vela Marr\"\n  label \"900,000\"\n  picture OuterRimLogo.jpg\n"
                         "  picture OR_Rank5.jpg\n  label \"2.\"\n  label \"Incognito\" highlighted\n"
                         "  label \"351,768\" highlighted\n  picture FederationLogo.jpg\n  picture Fed_Rank1.jpg\n"
                         "  label \"3.\"\n  label \"Old Tam\"\n  label \"40,000\"\n"))
      << after;
  EXPECT_TRUE(Has(after, "label \"5.\"\n  label \"0\"\n")) << "an empty entry: no name, score 0";
  EXPECT_TRUE(Has(after, "button 34 \"Close\" HighScoresScreen_34.jpg"));
  EXPECT_TRUE(Has(tops[1], "window Screen_Highscore")) << "the arrow keys keep the list open";
  // Escape leaves the list; the game is over, so the main screen closes without asking.
  EXPECT_TRUE(Has(tops[2], "window Start 377x519 top")) << tops[2];
  EXPECT_EQ(Game.Ship[Sh::Alive], 0);
  // From the main menu every line is white.
  const std::string& menu = tops[3];
  EXPECT_TRUE(Has(menu, "window Screen_Highscore 591x519 top")) << menu;
  EXPECT_TRUE(Has(menu, "label \"Incognito\"\n")) << menu;
  EXPECT_FALSE(Has(menu, "highlighted")) << menu;
  EXPECT_EQ(HighlightedHighscore(), 0);
  // Clicking a row only selects it; Enter closes.
  EXPECT_TRUE(Has(tops[4], "window Start 377x519 top")) << tops[4];
  EXPECT_EQ(General.HighscoreName[2], "Incognito");
}

TEST_F(CareerScreens, TheHighscoreListClosesByItsButtonAndIgnoresRightClicks) {
  Score(1, 5000, "Kit");
  const auto tops = Play(std::string("move 621 518\n") + kMenuHighscores + "move 621 518\ndump\nrclick 621 518\ndump\n" +
                         kHighscoreClose + "dump\n");
  ASSERT_EQ(tops.size(), 3u);
  EXPECT_TRUE(Has(tops[0], "button 34 \"Close\" HighScoresScreen_34_H.jpg hover")) << tops[0];
  EXPECT_TRUE(Has(tops[0], "label \"Kit\"\n  label \"5,000\"\n  picture OuterRimLogo.jpg")) << tops[0];
  EXPECT_TRUE(Has(tops[1], "window Screen_Highscore")) << "a right-click never acts";
  EXPECT_TRUE(Has(tops[2], "window Start 377x519 top")) << tops[2];
}

// A promotion to level 2 on the next day: its ribbon's notices, then the
// non-combat choice (the ability screen, 369 x 581, lies at 215, 9).
constexpr const char* kPromotion =
    "set Player.Experience 999999\nconsole day\nkey Return\nkey Return\nkey Return\n";
constexpr const char* kTradePosition2 = "click 479 136\n";  // Connections
constexpr const char* kLater = "click 536 565\n";
// The pilot's portrait opens the personal status (617 x 583 at 91, 8); its non-combat trees.
constexpr const char* kPersonalTrees = "click 44 50\nclick 207 564\n";

TEST_F(CareerScreens, APromotionsAbilityIsPickedByClickingIt) {
  const int connections = TreeAbility(1, 1, 2);
  const auto tops = Play(std::string(kNewGame) + kPromotion + "dump\nkey Left\nkey Return\ndump\nrclick 479 136\ndump\n" +
                         "key Return\n" + kTradePosition2 + "dump\nkey Return\ndump\n");
  ASSERT_EQ(tops.size(), 5u);
  const std::string& choice = tops[0];
  EXPECT_TRUE(Has(choice, "window Screen_SelectNewAbility 369x581 top")) << choice;
  EXPECT_TRUE(Has(choice, "label \"Select non-combat ability:\""));
  // The choice starts on the first ability that can be learned.
  EXPECT_TRUE(Has(choice, "\"Connections\" Skill_Connections_off.jpg can be learned selected")) << choice;
  EXPECT_TRUE(Has(choice, "button 16 \"Learn\" SelectNewAbility_16.jpg\n"));
  EXPECT_TRUE(Has(choice, "button 14 \"Later\""));
  // On Trader, learned already, "Learn" is disabled and Enter does nothing.
  EXPECT_TRUE(Has(tops[1], "window Screen_SelectNewAbility 369x581 top")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "button 16 \"Learn\" SelectNewAbility_16.jpg disabled")) << tops[1];
  // A right-click only informs.
  EXPECT_TRUE(Has(tops[2], "window Screen_Message")) << tops[2];
  EXPECT_TRUE(Has(tops[2], "label \"Connections\""));
  // The click asks; "Yes" learns it and closes the choice.
  EXPECT_TRUE(Has(tops[3], "Do you wish to learn this ability?")) << tops[3];
  EXPECT_TRUE(Has(tops[4], "window Screen_Travel 800x600 top")) << tops[4];
  EXPECT_EQ(Game.NonCombatAbilities[connections], 1);
  EXPECT_EQ(PendingAbilityPicks(1), 0);
  EXPECT_EQ(Game.Player[Pl::Level], 2);
}

TEST_F(CareerScreens, AChoiceClosedWithoutAPickWaitsOnThePersonalStatusTrees) {
  const int connections = TreeAbility(1, 1, 2);
  const auto tops = Play(std::string(kNewGame) + kPromotion + kLater + "dump\n" + kPersonalTrees +
                         "dump\nkey Escape\ndump\nclick 207 564\nkey Return\ndump\nkey Return\ndump\n"
                         "click 207 564\ndump\nkey Escape\n");
  ASSERT_EQ(tops.size(), 6u);
  EXPECT_TRUE(Has(tops[0], "window Screen_Travel 800x600 top")) << tops[0];
  // The kept pick is offered on the trees, as a choice.
  EXPECT_TRUE(Has(tops[1], "window Screen_SelectNewAbility 369x581 top")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "label \"Select non-combat ability:\""));
  EXPECT_TRUE(Has(tops[1], "button 16 \"Learn\""));
  // Escape keeps it again.
  EXPECT_TRUE(Has(tops[2], "window Screen_PersonalStatus")) << tops[2];
  // Enter: "Learn" on Connections, the first on offer, asks; "Yes" learns and closes.
  EXPECT_TRUE(Has(tops[3], "Do you wish to learn this ability?")) << tops[3];
  EXPECT_TRUE(Has(tops[4], "window Screen_PersonalStatus")) << tops[4];
  // Taken: the trees only inform again.
  EXPECT_TRUE(Has(tops[5], "label \"Non-combat abilities\"")) << tops[5];
  EXPECT_FALSE(Has(tops[5], "\"Learn\""));
  EXPECT_EQ(Game.NonCombatAbilities[connections], 1);
  EXPECT_EQ(PendingAbilityPicks(1), 0);
}

TEST_F(CareerScreens, RetirementWalksFiveStepsUpTheCareerLadder) {
  const auto tops = Play(std::string(kNewGame) +
                         "set Player.Credits 3000000\nconsole retire\nkey Return\ndump\nclick 511 560\nkey Return\n"
                         "dump\nkey Left\nkey Right\nkey Return\nkey Return\nrclick 511 560\ndump\nkey Escape\ndump\n"
                         "key Return\ndump\n");
  ASSERT_EQ(tops.size(), 5u);
  // Step 1 on the retirement screen (395 x 592 at 202, 4).
  EXPECT_TRUE(Has(tops[0], "window Screen_Retire2 395x592 top")) << tops[0];
  EXPECT_TRUE(Has(tops[0], "label \"Retirement (1/5)\"\n  label \"Step 1: Fortune\"\n  panel #Step\n"
                           "    picture treasurer.jpg"))
      << tops[0];
  EXPECT_TRUE(Has(tops[0], "label \"Score: $3,006,666 / 10 = 300,666\""));
  // "Continue" and Enter go on; the promotion step wears the uniform and the ribbons.
  EXPECT_TRUE(Has(tops[1], "label \"Retirement (3/5)\"")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "picture Uni-Fed-blank.jpg")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "picture Fed-Ribbon1.jpg")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "label \"Score -22% = 351,768\""));
  // Left and Right turn back and forth; a right-click does nothing.
  EXPECT_TRUE(Has(tops[2], "label \"Retirement (5/5)\"")) << tops[2];
  // Escape goes on too: the ladder, the reached rung lit.
  const std::string& ladder = tops[3];
  EXPECT_TRUE(Has(ladder, "label \"Your new career\"")) << ladder;
  EXPECT_TRUE(Has(ladder, "picture RetireScreenON_02.jpg\n    label \"President\"")) << ladder;
  EXPECT_TRUE(Has(ladder, "picture RetireScreen_06.jpg\n    label \"Professor at Fleet Academy\"")) << ladder;
  EXPECT_TRUE(Has(ladder, "picture RetireScreenON_11.jpg\n    label \"Beggar\""));
  EXPECT_TRUE(Has(ladder, "label \"Soon after your retirement the Fleed Academy asks you to become a professor, which "
                          "you gladly accept.\""));
  EXPECT_TRUE(Has(ladder, "label \"Final score: 351,768\""));
  EXPECT_TRUE(Has(ladder, "button 01 \"Finish\""));
  // "Finish": the highscore list with the new entry.
  EXPECT_TRUE(Has(tops[4], "window Screen_Highscore 591x519 top")) << tops[4];
  EXPECT_TRUE(Has(tops[4], "label \"Incognito\" highlighted"));
}

}  // namespace
}  // namespace qm
