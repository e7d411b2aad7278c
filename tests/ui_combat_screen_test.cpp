// The ship combat screen played through input scripts on SDL's offscreen
// driver: battles met on a flight and started from the console, won, lost,
// fled and left, the enemy's turn on its timer, the boarding offer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/ships.h"
#include "combat/combat_state.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/ui_play.h"

namespace qm {
namespace {

// A new game from the main menu with every default, ending on the main screen,
// without the war news that would interrupt a flight.
constexpr const char* kNewGame =
    "click 400 218\nkey Return\nkey Return\nkey Return\nkey Return\nset Option.NoWarPopups 1\n";
constexpr const char* kFlyToSaturn = "dclick 107 257\n";

// Canvas points of the combat screen (centred at 3, 17).
std::string Ability(int k) { return "click " + std::to_string(43 + 56 * (k - 1)) + " 453\n"; }
std::string RightClickAbility(int k) { return "rclick " + std::to_string(43 + 56 * (k - 1)) + " 453\n"; }
constexpr const char* kEndTurn = "click 739 453\n";
constexpr const char* kEnemyShip = "rclick 588 162\n";
// The player's AP label with a fighter's full five points.
constexpr const char* kFullAP = "#PlayerComboPointDisplay\n  label \"5 AP\"";
constexpr int kFleeButton = 6;  // the new pilot's buttons: guns, missiles, ECM, special, taunt, flee, shield

class CombatScreen : public test::UiPlay {
 protected:
  std::vector<std::string> Play(const std::string& script) {
    std::vector<std::string> tops;
    for (const std::string& dump : UiPlay::Play(script)) tops.push_back(TopWindow(dump));
    return tops;
  }

  // A seed whose flight to Saturn meets a hostile ship; 0 when none of the first few does.
  uint64_t SeedMeetingAPirate() {
    for (uint64_t seed = 1; seed <= 30; ++seed) {
      SeedRandom(seed);
      const auto tops = Play(std::string(kNewGame) + kFlyToSaturn + "wait 12000\ndump\n");
      if (tops.size() == 1 && Has(tops[0], "window Screen_Message5")) return seed;
    }
    return 0;
  }

  // The index of the first dump at or after `from` whose top window holds `part`, or -1.
  static int Find(const std::vector<std::string>& tops, const std::string& part, size_t from = 0) {
    for (size_t i = from; i < tops.size(); ++i)
      if (Has(tops[i], part)) return static_cast<int>(i);
    return -1;
  }

  // A ship type of class `cls` that can be boarded.
  static int TypeOfClass(int cls) {
    for (int t = 1; t <= kShipTypes; ++t)
      if (shipStat(t, Stat::Class) == cls && shipStat(t, Stat::IsFormation) == 0) return t;
    return 0;
  }
};

TEST_F(CombatScreen, APirateMetOnAFlightIsFoughtToVictoryWithItsExperienceAndLoot) {
  const uint64_t seed = SeedMeetingAPirate();
  ASSERT_NE(seed, 0u) << "no flight met a hostile ship";
  SeedRandom(seed);
  std::string script = std::string(kNewGame) + kFlyToSaturn + "wait 12000\ndump\nkey Return\ndump\n" + Ability(1) +
                       "dump\nset EnemyShip.ShieldEnergy 0\n" + Ability(1);
  for (int i = 0; i < 8; ++i) script += "dump\nkey Return\n";
  script += "wait 20000\ndump\n";
  const auto tops = Play(script);
  ASSERT_GE(tops.size(), 12u);

  EXPECT_TRUE(Has(tops[0], "window Screen_Message5")) << tops[0];
  EXPECT_TRUE(Has(tops[0], "label \"Hostile encounter!\""));
  EXPECT_TRUE(Has(tops[0], "label \"Encounter:\""));
  EXPECT_TRUE(Has(tops[0], "Alert! All hands to battle-stations."));

  EXPECT_TRUE(Has(tops[1], "window Screen_ShipCombat2 794x566 top")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "button 01 \"Fire guns\" Skill_Fire_Gun_on.jpg"));
  EXPECT_TRUE(Has(tops[1], "button 13 \"End this turn\""));
  EXPECT_TRUE(Has(tops[1], "label \"Your turn\""));
  EXPECT_TRUE(Has(tops[1], "picture Shield_30.jpg #PlayerShieldDisplay"));

  // One shot: its message on the player's panel, AP spent, the turn still ours.
  EXPECT_TRUE(Has(tops[2], "window Screen_ShipCombat2")) << tops[2];
  EXPECT_TRUE(Has(tops[2], "label \"Firing guns !!\"") || Has(tops[2], "label \"Missed !!\"")) << tops[2];
  EXPECT_FALSE(Has(tops[2], kFullAP)) << "the shot costs action-points";

  // The victory: "Well done!", then the experience (dialog 6) and the loot (dialog 7), in that order.
  const int done = Find(tops, "label \"Well done!\"", 3);
  ASSERT_GE(done, 0) << tops[3];
  const int experience = Find(tops, "window Screen_Message6", static_cast<size_t>(done));
  ASSERT_GT(experience, done);
  EXPECT_TRUE(Has(tops[static_cast<size_t>(experience)], "You receive some experience points."));
  const int loot = Find(tops, "window Screen_Message7", static_cast<size_t>(experience));
  ASSERT_GT(loot, experience);
  EXPECT_TRUE(Has(tops[static_cast<size_t>(loot)], "treasurer.jpg"));
  // The battle is over and the flight went on to Saturn.
  EXPECT_EQ(Find(tops, "window Screen_ShipCombat2", static_cast<size_t>(loot)), -1);
  EXPECT_TRUE(Has(tops.back(), "window Screen_Travel")) << tops.back();
  EXPECT_EQ(Combat.EnemyShip[Sh::Alive], 0);
  EXPECT_EQ(Game.Ship[Sh::Alive], 1);
  EXPECT_GT(Game.Player[Pl::Experience], 0);
}

TEST_F(CombatScreen, LeavingABattleAsksAndYesEndsTheGameAtTheMainMenu) {
  const uint64_t seed = SeedMeetingAPirate();
  ASSERT_NE(seed, 0u);
  SeedRandom(seed);
  const auto tops = Play(std::string(kNewGame) + kFlyToSaturn +
                         "wait 12000\nkey Return\nclose\ndump\nkey Escape\ndump\nkey Escape\ndump\nkey Return\n"
                         "wait 3000\ndump\n");
  ASSERT_EQ(tops.size(), 4u);
  EXPECT_TRUE(Has(tops[0], "window Screen_Message4")) << tops[0];
  EXPECT_TRUE(Has(tops[0], "label \"Quit game?\""));
  EXPECT_TRUE(Has(tops[0], "Do you really wish to quit this game? (No retiring, no highscore)"));
  EXPECT_TRUE(Has(tops[1], "window Screen_ShipCombat2")) << "No keeps the battle: " << tops[1];
  EXPECT_TRUE(Has(tops[2], "label \"Quit game?\"")) << "Escape asks the same: " << tops[2];
  // Yes: no escape message, no further day of the flight: straight back to the main menu.
  EXPECT_TRUE(Has(tops[3], "window Start")) << tops[3];
  EXPECT_TRUE(qm::Run.QuitToMenu);
  EXPECT_EQ(Combat.CombatEnded, 1);
}

TEST_F(CombatScreen, TheEnemyActsOnePerMessageIntervalThenTheTurnComesBack) {
  // A cruiser has several actions a turn; the player's ship is made strong enough to live through them.
  const int cruiser = TypeOfClass(4);
  ASSERT_GT(cruiser, 0);
  const auto tops = Play(std::string(kNewGame) + "set Ship.ShieldEnergy 100000\nconsole duel " +
                         std::to_string(cruiser) + " 0 2 1\n" + kEndTurn + "dump\nkey Return\nwait 50\ndump\n" +
                         "wait 600\ndump\nwait 700\ndump\nwait 20000\ndump\n");
  ASSERT_EQ(tops.size(), 5u);
  // With 5 AP left the turn ends only after a question.
  EXPECT_TRUE(Has(tops[0], "label \"Really?\"")) << tops[0];
  EXPECT_TRUE(Has(tops[0], "You still have some action-points (AP) left and you may be able use an ability"));
  // The enemy's first action is on its panel, the buttons rest.
  EXPECT_TRUE(Has(tops[1], "label \"Enemy's turn\"")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "button 01 \"Fire guns\" Skill_Fire_Gun_on.jpg disabled"));
  EXPECT_TRUE(Has(tops[1], "button 13 \"End this turn\" ShipCombat2_13.jpg disabled"));
  // 650 ms later (less than one interval) the same message is still there;
  // after the interval the enemy has moved on.
  auto enemyMessage = [](const std::string& top) {
    const size_t at = top.find("label \"Pirates ");
    return at == std::string::npos ? std::string() : top.substr(at);
  };
  EXPECT_EQ(enemyMessage(tops[1]), enemyMessage(tops[2]));
  EXPECT_NE(enemyMessage(tops[2]), enemyMessage(tops[3]));
  // When the script is done, the player's next turn begins.
  EXPECT_TRUE(Has(tops[4], "label \"Your turn\"")) << tops[4];
  EXPECT_TRUE(Has(tops[4], kFullAP));
  EXPECT_FALSE(Has(tops[4], "disabled"));
}

TEST_F(CombatScreen, ADefeatEndsTheBattleWithTheExplosionAndANewChance) {
  const auto tops = Play(std::string(kNewGame) + "console duel 2 0\nset Ship.ShieldEnergy 0\n" + Ability(1) +
                         "dump\nkey Return\ndump\nkey Return\ndump\n");
  ASSERT_EQ(tops.size(), 3u);
  EXPECT_TRUE(Has(tops[0], "label \"Your ship explodes!\"")) << tops[0];
  EXPECT_TRUE(Has(tops[0], "explosion.jpg"));
  EXPECT_TRUE(Has(tops[1], "label \"New chance\"")) << tops[1];
  EXPECT_TRUE(Has(tops[2], "window Screen_Travel")) << tops[2];
  EXPECT_EQ(Game.Ship[Sh::Alive], 1);
  EXPECT_EQ(Game.Ship[Sh::ShieldEnergy], 80) << "the new chance comes with full shields";
}

TEST_F(CombatScreen, FleeingEndsTheBattleOnceTheEscapeSucceeds) {
  // Flee costs all five AP of a turn and succeeds three times in ten: try for up to twelve turns.
  std::string script = std::string(kNewGame) + "set Ship.ShieldEnergy 100000\nconsole duel 2 0\n";
  for (int turn = 0; turn < 12; ++turn) script += Ability(kFleeButton) + "dump\n" + kEndTurn + "wait 20000\n";
  const auto tops = Play(script + "key Return\ndump\n");
  const int away = Find(tops, "label \"You escape!\"");
  ASSERT_GE(away, 0) << "no escape in twelve tries";
  for (int i = 0; i < away; ++i) EXPECT_TRUE(Has(tops[static_cast<size_t>(i)], "label \"Escape failed !!\"")) << tops[i];
  EXPECT_TRUE(Has(tops.back(), "window Screen_Travel")) << tops.back();
  EXPECT_EQ(Combat.CombatEnded, 1);
  EXPECT_EQ(Combat.EnemyShip[Sh::Alive], 1);
  EXPECT_EQ(Game.Ship[Sh::Alive], 1);
}

TEST_F(CombatScreen, TheBoardingOfferComesOnceWhenTheEnemyShieldsAreWeak) {
  const int corvette = TypeOfClass(2);
  ASSERT_GT(corvette, 0);
  const std::string type = std::to_string(corvette);
  const std::string weak = std::to_string(shipStat(corvette, Stat::MaxShields) / 4);
  // A cargo module that always finds a way aboard (the offer is certain); the enemy crippled.
  const auto tops = Play(std::string(kNewGame) + "set Ship.ShipType " + type + "\nset Ship.CargoSpace 5\n" +
                         "set Ship.ShieldEnergy 100000\nconsole duel " + type + " 0\nset EnemyShip.ShieldEnergy " + weak + "\n" +
                         kEndTurn + "key Return\nwait 20000\ndump\nkey Escape\ndump\n" + kEndTurn +
                         "key Return\nwait 20000\ndump\n");
  ASSERT_EQ(tops.size(), 3u);
  EXPECT_TRUE(Has(tops[0], "label \"Boarding?\"")) << tops[0];
  EXPECT_TRUE(Has(tops[0], "The shields of the enemy ship are weak. Do you want to try to board and capture the ship?"));
  EXPECT_TRUE(Has(tops[1], "window Screen_ShipCombat2")) << "No goes on with the battle: " << tops[1];
  EXPECT_TRUE(Has(tops[2], "window Screen_ShipCombat2")) << "asked once per battle: " << tops[2];
  EXPECT_TRUE(Has(tops[2], "label \"Your turn\""));
  EXPECT_EQ(Combat.EnemyShip[Cb::BoardingOffered], 1);
  EXPECT_EQ(Combat.EnemyShip[Cb::BoardingStarted], 0);
}

TEST_F(CombatScreen, RightClicksInformAndNeverActAndTheEmblemLeadsToTheCheats) {
  const auto tops = Play(std::string(kNewGame) + "console duel 2 0\n" + RightClickAbility(1) + "dump\nkey Escape\n" +
                         kEnemyShip + "dump\nclick 400 190\ndump\ndclick 400 45\ndump\nkey Return\n");
  ASSERT_EQ(tops.size(), 4u);
  EXPECT_TRUE(Has(tops[0], "label \"Fire guns\"\n")) << tops[0];
  EXPECT_TRUE(Has(tops[0], "Action-Points required:"));
  EXPECT_TRUE(Has(tops[0], kFullAP)) << "nothing was fired";
  EXPECT_TRUE(Has(tops[1], "label \"Enemy ship: ")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "Shields: "));
  EXPECT_FALSE(Has(tops[2], "label \"Enemy ship: ")) << "a click closes the information";
  // A double click on the emblem opens the cheats screen; Enter closes it again.
  EXPECT_TRUE(Has(tops[3], "window Screen_Cheats 376x580 top")) << tops[3];
  EXPECT_TRUE(Has(tops[3], "\"Destroy this enemy ship\""));
  EXPECT_EQ(Combat.CombatEnded, 0);
}

TEST_F(CombatScreen, TheKeyboardFightsTheWholeTurn) {
  // "1" fires the guns, "-" (button 11, empty) does nothing, Enter asks to end the turn.
  const auto tops = Play(std::string(kNewGame) + "set Ship.ShieldEnergy 100000\nconsole duel 2 0\nkey 1\ndump\n" +
                         "key -\ndump\nkey Return\ndump\n");
  ASSERT_EQ(tops.size(), 3u);
  EXPECT_TRUE(Has(tops[0], "label \"Firing guns !!\"") || Has(tops[0], "label \"Missed !!\"")) << tops[0];
  EXPECT_FALSE(Has(tops[0], kFullAP));
  EXPECT_EQ(tops[0], tops[1]) << "an empty button's key changes nothing";
  EXPECT_TRUE(Has(tops[2], "label \"Enemy's turn\"")) << "under 5 AP the turn ends without a question: " << tops[2];
}

TEST_F(CombatScreen, CompatibilityModeSpellsTheBattleOutAndRepeatsMessages) {
  const auto tops = Play(std::string(kNewGame) + "set Option.CompatibilityMode 1\nconsole duel 2 0\ndump\n" +
                         Ability(1) + "wait 150\ndump\nkey Return\nclick 400 511\ndump\nkey Return\ndump\n");
  ASSERT_EQ(tops.size(), 4u);
  EXPECT_TRUE(Has(tops[0], "label \"Your shields: 100%\"")) << tops[0];
  EXPECT_TRUE(Has(tops[0], "label \"5 action-points (AP) left.\""));
  EXPECT_TRUE(Has(tops[0], "label \"No missiles fired.\""));
  EXPECT_TRUE(Has(tops[0], "label \"No enemy reinforcements in reach.\""));
  EXPECT_TRUE(Has(tops[0], "label \"Compatibility mode for the visually impaired (Click to turn off!)\""));
  // After 100 ms the player's message is read out once more in a dialog.
  EXPECT_TRUE(Has(tops[1], "window Screen_Message3")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "label \"Firing guns !!\"") || Has(tops[1], "label \"Missed !!\""));
  // The line turns the mode off, with its notice.
  EXPECT_TRUE(Has(tops[2], "The compatibility mode for the blind and visually impaired has been turned off.")) << tops[2];
  EXPECT_FALSE(Has(tops[3], "Your shields: ")) << tops[3];
  EXPECT_FALSE(General.Option.CompatibilityMode);
  General.Option.CompatibilityMode = false;
}

}  // namespace
}  // namespace qm
