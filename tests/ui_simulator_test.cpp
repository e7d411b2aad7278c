// The combat simulator played through input scripts on SDL's offscreen
// driver: from the main menu through both set-up steps to the duel and its
// result, the speed buttons and pausing, and Escape out of every screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/game_state.h"
#include "support/ui_play.h"

namespace qm {
namespace {

// Canvas points. The main menu's item 08; the set-up screen (680 x 529 at
// 60, 35): ships 1..3, expertises T, S, R, "Back", "Continue".
constexpr const char* kMenuSimulator = "click 400 458\n";
std::string Ship(int k) { return "click " + std::to_string(186 + 214 * (k - 1)) + " 227\n"; }
std::string Expertise(int k) { return "click " + std::to_string(186 + 214 * (k - 1)) + " 412\n"; }
constexpr const char* kBack = "click 159 528\n";
constexpr const char* kContinue = "click 641 528\n";
// The duel screen (797 x 571 at 1, 14): ability buttons and the speed block.
std::string Ability(int k) { return "click " + std::to_string(37 + 52 * (k - 1)) + " 496\n"; }
std::string Speed(int i) {
  return "click " + std::to_string(i % 2 == 0 ? 673 : 751) + " " + std::to_string(i < 2 ? 483 : 508) + "\n";
}

class SimulatorScreens : public test::UiPlay {
 protected:
  std::vector<std::string> Play(const std::string& script) { return Tops(script); }
  // Both set-up steps by keyboard: the player's ship and expertise, then the opponent's.
  static std::string SetUp(const char* mine, const char* theirs) {
    return std::string(kMenuSimulator) + mine + "key Return\n" + theirs + "key Return\n";
  }
};

TEST_F(SimulatorScreens, ADuelFromTheMainMenuToItsResult) {
  const auto tops = Play(std::string(kMenuSimulator) + "dump\n" + kContinue + "dump\n" + Ship(2) + Expertise(1) +
                         "dump\n" + kContinue + "dump\n" + Ship(1) + Expertise(3) + kContinue + "dump\n" +
                         "wait 1600\ndump\n" + Ability(1) + "dump\nset EnemyShip.ShieldEnergy 0\nwait 1600\ndump\n" +
                         "key Return\ndump\n");
  ASSERT_EQ(tops.size(), 9u);
  EXPECT_TRUE(Has(tops[0], "window Screen_CombatSimulatorSetup 680x529 top")) << tops[0];
  EXPECT_TRUE(Has(tops[0], Label("Welcome to Ruvevid VII  - \"The Game World\"")));
  EXPECT_TRUE(Has(tops[0], Label("Player setup:")));
  EXPECT_TRUE(Has(tops[0], Label("Select your ship:")));
  EXPECT_TRUE(Has(tops[0], Label("Select your expertise:")));
  EXPECT_TRUE(Has(tops[0], "button 08 \"Continue\" SimulatorSetup_08.jpg disabled"));
  EXPECT_TRUE(Has(tops[0], "picture Federation_Starwolf_L.jpg"));

  EXPECT_TRUE(Has(tops[1], Label("Player setup:"))) << "Continue without choices does nothing";
  EXPECT_TRUE(Has(tops[1], Label("Choose a ship and an expertise for yourself.")));

  EXPECT_TRUE(Has(tops[2], "button 02 \"\" SimulatorSetupON_02.jpg on")) << tops[2];
  EXPECT_TRUE(Has(tops[2], "button 04 \"\" SimulatorSetupON_04.jpg on"));
  EXPECT_TRUE(Has(tops[2], "button 01 \"\" SimulatorSetup_01.jpg\n"));
  EXPECT_TRUE(Has(tops[2], Label("Stargun flown by a Trader. Continue when ready.")));

  EXPECT_TRUE(Has(tops[3], Label("Enemy setup:"))) << tops[3];
  EXPECT_TRUE(Has(tops[3], "picture Pirate_Starwolf_R.jpg"));
  EXPECT_TRUE(Has(tops[3], "button 08 \"Continue\" SimulatorSetup_08.jpg disabled")) << "the opponent starts unchosen";

  EXPECT_TRUE(Has(tops[4], "window Screen_ShipCombat 797x571 top")) << tops[4];
  EXPECT_TRUE(Has(tops[4], Label("Round 0")));
  EXPECT_TRUE(Has(tops[4], Label("Your Stargun \u00b7 Trader")));
  EXPECT_TRUE(Has(tops[4], Label("Pirate Starwolf \u00b7 Rogue")));
  EXPECT_TRUE(Has(tops[4], "picture Federation_Stargun_L.jpg #PlayerShip_Primary"));
  EXPECT_TRUE(Has(tops[4], "button 14 \">>\" ShipCombatON_14.jpg on")) << "the duel starts at 1500 ms";
  EXPECT_TRUE(Has(tops[4], "button 01 \"Fire guns\" Skill_Fire_Gun_on.jpg\n"));

  EXPECT_TRUE(Has(tops[5], Label("Round 1"))) << tops[5];
  // The shot: its panel message, and the guns recharge for their AP cost.
  EXPECT_TRUE(Has(tops[6], "button 01 \"Fire guns\" Skill_Fire_Gun_off.jpg badge 2")) << tops[6];
  EXPECT_TRUE(Has(tops[6], Label("Firing guns !!")));

  EXPECT_TRUE(Has(tops[7], "window Screen_Message1 328x455 top")) << tops[7];
  EXPECT_TRUE(Has(tops[7], Label("Congratulations! You won!")));
  EXPECT_TRUE(Has(tops[7], "picture Ruvevid.jpg"));
  EXPECT_TRUE(Has(tops[8], "window Start 377x519 top")) << tops[8];
  EXPECT_EQ(Game.Ship[Sh::Alive], 0) << "nothing of the duel is left";
  EXPECT_EQ(Game.Player[Pl::KilledFighters], 0);
}

TEST_F(SimulatorScreens, ALostDuelEndsInGameOverAndALeftOneWithoutAResult) {
  const auto tops = Play(SetUp("key 3\nkey r\n", "key 1\nkey t\n") +
                         "set Ship.ShieldEnergy 0\nwait 1600\ndump\nkey Return\n" +
                         SetUp("key 1\nkey s\n", "key 2\nkey s\n") +
                         "key Escape\ndump\nkey Escape\ndump\nkey Escape\nkey Return\nwait 500\ndump\n");
  ASSERT_EQ(tops.size(), 4u);
  EXPECT_TRUE(Has(tops[0], Label("Game Over!"))) << tops[0];
  EXPECT_TRUE(Has(tops[0], "You lost the simulator game. You better continue with your training."));
  EXPECT_TRUE(Has(tops[1], "window Screen_Message4")) << tops[1];
  EXPECT_TRUE(Has(tops[1], Label("Leave the duel?")));
  EXPECT_TRUE(Has(tops[2], "window Screen_ShipCombat 797x571 top")) << "Escape on the question stays";
  EXPECT_TRUE(Has(tops[3], "window Start 377x519 top")) << tops[3];
}

TEST_F(SimulatorScreens, EscapeStepsBackThroughTheSetUpKeepingThePlayersChoices) {
  const auto tops = Play(std::string(kMenuSimulator) + "key Right\nkey Right\nkey Down\nkey Return\ndump\n" +
                         "key Escape\ndump\n" + kBack + "dump\n" + kMenuSimulator + "key Escape\ndump\n");
  ASSERT_EQ(tops.size(), 4u);
  EXPECT_TRUE(Has(tops[0], Label("Enemy setup:"))) << tops[0];
  EXPECT_TRUE(Has(tops[1], Label("Player setup:"))) << tops[1];
  EXPECT_TRUE(Has(tops[1], Label("Stargun flown by a Trader. Continue when ready.")))
      << "Right twice from no ship is the Stargun, Down the Trader";
  EXPECT_TRUE(Has(tops[2], "window Start 377x519 top")) << tops[2];
  EXPECT_TRUE(Has(tops[3], "window Start 377x519 top")) << tops[3];
}

TEST_F(SimulatorScreens, PausingStopsTheDuelUntilASpeedButtonStartsItAgain) {
  const auto tops = Play(SetUp("key 2\nkey t\n", "key 2\nkey t\n") + Speed(0) + "wait 5000\ndump\n" + Ability(1) +
                         "dump\nkey Return\n" + Speed(3) + "wait 1100\ndump\nkey Left\nwait 1300\ndump\n" +
                         "key space\nwait 3000\ndump\nkey space\nwait 1300\ndump\n");
  ASSERT_EQ(tops.size(), 6u);
  EXPECT_TRUE(Has(tops[0], Label("Round 0  \u00b7  paused"))) << tops[0];
  EXPECT_TRUE(Has(tops[0], "button 13 \"||\" ShipCombatON_13.jpg on"));
  EXPECT_TRUE(Has(tops[1], "window Screen_Message3")) << "an action while paused is refused";
  EXPECT_TRUE(Has(tops[1], Label("Paused")));
  EXPECT_TRUE(Has(tops[2], Label("Round 1"))) << ">>>> ticks every 1000 ms: " << tops[2];
  EXPECT_TRUE(Has(tops[2], "button 16 \">>>>\" ShipCombatON_16.jpg on"));
  EXPECT_TRUE(Has(tops[3], Label("Round 2"))) << "one speed down, 1200 ms: " << tops[3];
  EXPECT_TRUE(Has(tops[3], "button 15 \">>>\" ShipCombatON_15.jpg on"));
  EXPECT_TRUE(Has(tops[4], Label("Round 2  \u00b7  paused"))) << tops[4];
  EXPECT_TRUE(Has(tops[5], Label("Round 3"))) << "Space resumes at the last speed: " << tops[5];
}

}  // namespace
}  // namespace qm
