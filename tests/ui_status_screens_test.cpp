// The ship status, the personal status and the ability screen opened from it
// to browse, played through input scripts on SDL's offscreen driver.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/career.h"
#include "catalogue/ships.h"
#include "state/game_state.h"
#include "support/ui_play.h"
#include "world/promotion.h"

namespace qm {
namespace {

// A new Federation trader (Trader; Taunt, Flee, Focused shield) in an Orion
// shuttle on the main screen, without the war news.
constexpr const char* kNewGame =
    "click 400 218\nkey Return\nkey Return\nkey Return\nkey Return\nset Option.NoWarPopups 1\n";
// The main screen's status bar: the ship's wireframe and the pilot's portrait.
constexpr const char* kShipWireframe = "click 150 50\n";
constexpr const char* kPortrait = "click 44 50\n";

// Canvas points. The ship status (501 x 488) lies at 149, 56.
std::string EquipmentRow(int category) { return std::to_string(319) + " " + std::to_string(389 + (category - 1) * 20); }
// The personal status (617 x 583) lies at 91, 8.
constexpr const char* kNonCombatButton = "click 207 564\n";
constexpr const char* kCombatButton = "click 415 564\n";
// The ability screen (369 x 581) lies at 215, 9; its tree's positions by tier.
std::string Position(int p, bool compact = false) {
  static const int x[11] = {0, 104, 264, 64, 144, 224, 304, 104, 184, 264, 184};
  static const int tier[11] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 3};
  const int y = compact ? 123 + tier[p] * 46 : 127 + tier[p] * 80;
  return std::to_string(215 + x[p]) + " " + std::to_string(9 + y);
}
std::string Category(int c) { return "click " + std::to_string(282 + (c - 1) * 117) + " 65\n"; }

class StatusScreens : public test::UiPlay {
 protected:
  void SetUp() override {
    UiPlay::SetUp();
    General.Option.CompatibilityMode = false;
  }
  std::vector<std::string> Play(const std::string& script) {
    std::vector<std::string> tops;
    for (const std::string& dump : UiPlay::Play(script)) tops.push_back(TopWindow(dump));
    return tops;
  }
};

TEST_F(StatusScreens, TheShipStatusFromTheWireframeShowsTheShipAndItsItems) {
  const auto tops = Play(std::string(kNewGame) +
                         "set Ship.ShieldEnergy 40\nset Ship.Crewmen 3\nset Ship.Officers 2\n" + kShipWireframe +
                         "dump\n"
                         // every item explains itself, by click, right-click or keys
                         "click " + EquipmentRow(1) + "\ndump\nkey Return\n"
                         "rclick " + EquipmentRow(3) + "\ndump\nkey Return\n"
                         "move 400 530\nkey Down\nkey Down\ndump\nkey Return\ndump\nkey Return\n"
                         // a bigger ship with a boarding shuttle, shown anew
                         "key Escape\ndump\nset Ship.ShipType 9\nset Ship.CargoSpace 5\n" + kShipWireframe +
                         "dump\nkey Escape\ndump\n");
  ASSERT_EQ(tops.size(), 8u);
  const std::string& status = tops[0];
  EXPECT_TRUE(Has(status, "window Screen_ShipStatus 501x488 top")) << status;
  EXPECT_TRUE(Has(status, "picture " + shipPictureName(5, 1) + "_topwire.jpg #Blueprint")) << status;
  EXPECT_TRUE(Has(status, "label \"Ship name:\"\n"));
  EXPECT_TRUE(Has(status, "label \"Orion\""));
  EXPECT_TRUE(Has(status, "label \"Fighter\""));
  EXPECT_TRUE(Has(status, "label \"Speciality:\""));
  EXPECT_TRUE(Has(status, "label \"40 / 80\"")) << "the shields";
  EXPECT_TRUE(Has(status, "label \"0 / 80 U\"")) << "the hold";
  EXPECT_TRUE(Has(status, "label \"Current crew:\"\n    label \"5\"")) << status;
  EXPECT_TRUE(Has(status, "label \"Crewmen:\"\n    label \"3\""));
  EXPECT_TRUE(Has(status, "label \"Officers:\"\n    label \"2\""));
  // The six installed items with their pictures and figures.
  EXPECT_TRUE(Has(status, "picture Equipment_Laser.jpg"));
  EXPECT_TRUE(Has(status, "label \"Laser (8 cm)\""));
  EXPECT_TRUE(Has(status, "label \"Damage: 8   Hit-Chance: 45%   Action Pts.: 2\""));
  EXPECT_TRUE(Has(status, "label \"Cargo system\""));
  EXPECT_TRUE(Has(status, "label \"ECM\""));

  EXPECT_TRUE(Has(tops[1], "window Screen_Message3")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "label \"Laser (8 cm)\""));
  EXPECT_TRUE(Has(tops[1], "Speciality:"));
  EXPECT_TRUE(Has(tops[2], "window Screen_Message3")) << "a right-click informs too: " << tops[2];
  EXPECT_TRUE(Has(tops[2], "Speed: "));
  // Down, Down: the missiles' row is highlighted; Enter shows its details instead of closing.
  EXPECT_TRUE(Has(tops[3], "window Screen_ShipStatus 501x488 top hover=22")) << tops[3];
  EXPECT_TRUE(Has(tops[4], "window Screen_Message3")) << tops[4];
  EXPECT_TRUE(Has(tops[4], "label \"Arrow Mk. I\""));

  EXPECT_TRUE(Has(tops[5], "window Screen_Travel")) << "Escape closes: " << tops[5];
  EXPECT_TRUE(Has(tops[6], "label \"Patton\"")) << tops[6];
  EXPECT_TRUE(Has(tops[6], "label \"Destroyer\""));
  EXPECT_TRUE(Has(tops[6], "label \"Crew (Min./Max.):\"\n    label \"16 / 48\"")) << "the shuttle's places count";
  EXPECT_TRUE(Has(tops[7], "window Screen_Travel")) << tops[7];
}

TEST_F(StatusScreens, ThePersonalStatusFromThePortraitShowsTheCareer) {
  const auto tops = Play(std::string(kNewGame) +
                         "set Player.Rank 5\nset Player.Ribbons 4\nset Player.SilverStar 1\nset Player.Level 3\n"
                         "set Player.Experience 5000\nset Player.MissionsCompleted 12\nset Player.Lifepoints 4\n"
                         "set Player[51] 7\nset Player[55] 2\n" + kPortrait +
                         "dump\n"
                         // pointing at the single ribbon of the top row, then at the medal
                         "move 180 157\ndump\nrclick 180 222\ndump\nkey Return\n"
                         // the keys step through the awards worn
                         "move 400 300\nkey Right\ndump\nkey Left\ndump\n"
                         "key Escape\ndump\n");
  ASSERT_EQ(tops.size(), 6u);
  const std::string& status = tops[0];
  EXPECT_TRUE(Has(status, "window Screen_PersonalStatus 617x583 top")) << status;
  EXPECT_TRUE(Has(status, "picture " + portraitPicture() + " #Portrait"));
  EXPECT_TRUE(Has(status, "label \"" + Game.PlayerName + "\""));
  EXPECT_TRUE(Has(status, "label \"Commander\""));
  EXPECT_TRUE(Has(status, "label \"(Com.)\""));
  EXPECT_TRUE(Has(status, "picture Fed_Rank5.jpg #RankInsignia"));
  // The uniform: rank boards and pins, wings, four ribbons and the silver medal.
  EXPECT_TRUE(Has(status, "picture Uni-Fed-blank.jpg #Uniform"));
  EXPECT_TRUE(Has(status, "picture Uni-Fed-Comm-shoulder.jpg #Shoulder1"));
  EXPECT_TRUE(Has(status, "picture Uni-Fed-Comm-collar.jpg #Collar2"));
  EXPECT_TRUE(Has(status, "picture Fed-Pilotwings.jpg #Wings"));
  EXPECT_TRUE(Has(status, "picture Fed-Ribbon4.jpg #Ribbon4"));
  EXPECT_FALSE(Has(status, "#Ribbon5"));
  EXPECT_TRUE(Has(status, "picture Fed-Medal-SilverStar.jpg #Medal1"));
  EXPECT_FALSE(Has(status, "#Medal2"));
  // Level, experience and the facts.
  EXPECT_TRUE(Has(status, "label \"Level 3\""));
  EXPECT_TRUE(Has(status, "label \"5,000 / 25,000 experience\""));
  EXPECT_TRUE(Has(status, "label \"20% of the way to level 4\""));
  EXPECT_TRUE(Has(status, "label \"Age:\"\n  label \"" + std::to_string(pilotAge()) + " years\""));
  EXPECT_TRUE(Has(status, "label \"Lives left:\"\n  label \"4\""));
  EXPECT_TRUE(Has(status, "label \"Missions completed:\"\n  label \"12\""));
  EXPECT_TRUE(Has(status, "label \"Fighters\"\n  label \"7\""));
  EXPECT_TRUE(Has(status, "label \"Battleships\"\n  label \"2\""));
  EXPECT_TRUE(Has(status, "label \"Non-combat abilities:\"\n  label \"1 of 30\""));
  EXPECT_TRUE(Has(status, "label \"Combat abilities:\"\n  label \"2 of 30\"")) << "Taunt is in no tree";
  EXPECT_TRUE(Has(status, "You successfully completed 12 missions. You\u00b4ve been able to destroy 7 fighter(s),"));
  EXPECT_TRUE(Has(status, "4 \"lives\" left"));

  const std::string firstRibbon = RibbonName(1, 2) + " campaign ribbon";
  EXPECT_TRUE(Has(tops[1], "label \"" + firstRibbon + "\"")) << tops[1];
  EXPECT_TRUE(Has(tops[2], "window Screen_Message3")) << tops[2];
  EXPECT_TRUE(Has(tops[2], "label \"\"Silver Star\" medal\""));
  EXPECT_TRUE(Has(tops[2], "For exceptional bravery in influencing our war efforts."));
  EXPECT_TRUE(Has(tops[3], "label \"" + firstRibbon + "\"")) << tops[3];
  EXPECT_TRUE(Has(tops[4], "label \"\"Silver Star\" medal\"")) << "Left wraps to the last award: " << tops[4];
  EXPECT_TRUE(Has(tops[5], "window Screen_Travel")) << tops[5];
}

TEST_F(StatusScreens, BrowsingTheNonCombatTreeInformsAndLearnsNothing) {
  const auto tops = Play(std::string(kNewGame) + kPortrait + kNonCombatButton +
                         "dump\n"
                         // a locked and an open ability: selected, never learned, nothing asked
                         "click " + Position(5) + "\ndump\nclick " + Position(2) + "\ndump\n" +
                         "rclick " + Position(2) + "\ndump\nkey Return\n" + Category(2) +
                         "dump\nkey Right\nkey Down\ndump\nkey 3\ndump\nkey Escape\ndump\nkey Escape\ndump\n");
  ASSERT_EQ(tops.size(), 9u);
  const std::string& trade = tops[0];
  EXPECT_TRUE(Has(trade, "window Screen_SelectNewAbility 369x581 top")) << trade;
  EXPECT_TRUE(Has(trade, "label \"Non-combat abilities\""));
  EXPECT_TRUE(Has(trade, "button 11 \"Trade abilities\" SelectNewAbilityON_11.jpg on"));
  EXPECT_TRUE(Has(trade, "button 12 \"Mercenary abilities\" SelectNewAbility_12.jpg"));
  EXPECT_TRUE(Has(trade, "button 01 \"Trader\" Skill_Trader_on.jpg learned selected"));
  EXPECT_TRUE(Has(trade, "button 02 \"Connections\" Skill_Connections_off.jpg can be learned"));
  EXPECT_TRUE(Has(trade, "button 03 \"Cargo manager\" Skill_CargoManager_off.jpg can be learned"));
  EXPECT_TRUE(Has(trade, "button 05 \"Advanced connections\" Skill_ConnectionsAdv_off.jpg locked"));
  EXPECT_TRUE(Has(trade, "label \"Trade abilities: 1 of 10 learned\""));
  EXPECT_TRUE(Has(trade, "label \"Learned\""));
  EXPECT_TRUE(Has(trade, "label \"" + abilityDescription(1) + "\""));

  EXPECT_TRUE(Has(tops[1], "button 05 \"Advanced connections\" Skill_ConnectionsAdv_off.jpg locked selected")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "label \"Locked: first learn Connections\""));
  EXPECT_TRUE(Has(tops[2], "window Screen_SelectNewAbility")) << "no question, no notice: " << tops[2];
  EXPECT_TRUE(Has(tops[2], "button 02 \"Connections\" Skill_Connections_off.jpg can be learned selected"));
  EXPECT_TRUE(Has(tops[2], "label \"" + abilityDescription(5) + "\""));
  EXPECT_TRUE(Has(tops[3], "window Screen_Message3")) << tops[3];
  EXPECT_TRUE(Has(tops[3], "label \"Connections\""));
  EXPECT_TRUE(Has(tops[3], abilityDescription(5)));

  EXPECT_TRUE(Has(tops[4], "button 12 \"Mercenary abilities\" SelectNewAbilityON_12.jpg on")) << tops[4];
  EXPECT_TRUE(Has(tops[4], "button 01 \"Tracking\" Skill_Tracking_off.jpg can be learned selected"));
  // Right to position 2, Down to the nearest of the tier below (5 and 6 are as near: the first).
  EXPECT_TRUE(Has(tops[5], "button 05 \"Fast recharge\" Skill_FastRecharge_off.jpg locked selected")) << tops[5];
  EXPECT_TRUE(Has(tops[6], "button 13 \"Criminal abilities\" SelectNewAbilityON_13.jpg on")) << tops[6];
  EXPECT_TRUE(Has(tops[7], "window Screen_PersonalStatus")) << "Escape goes back: " << tops[7];
  EXPECT_TRUE(Has(tops[8], "window Screen_Travel")) << tops[8];

  for (const std::string& top : tops) EXPECT_FALSE(Has(top, "window Screen_Message4")) << top;
  EXPECT_EQ(Game.NonCombatAbilities[1], 1);
  for (int id : {2, 3, 5, 6, 11, 13, 21, 27}) EXPECT_EQ(Game.NonCombatAbilities[id], 0) << "ability " << id;
}

TEST_F(StatusScreens, BrowsingTheCombatTreeShowsTheCostsAndLearnsNothing) {
  const auto tops = Play(std::string(kNewGame) + kPortrait + kCombatButton +
                         "dump\nclick " + Position(3) + "\ndump\nrclick " + Position(4) + "\ndump\nkey Return\n" +
                         Category(3) + "click " + Position(1) + "\ndump\nkey Return\ndump\n");
  ASSERT_EQ(tops.size(), 5u);
  const std::string& defense = tops[0];
  EXPECT_TRUE(Has(defense, "label \"Combat abilities\"")) << defense;
  EXPECT_TRUE(Has(defense, "button 11 \"Defense abilities\" SelectNewAbilityON_11.jpg on"));
  EXPECT_TRUE(Has(defense, "button 01 \"Focused shield\" Skill_FocusedShield_on.jpg learned selected"));
  EXPECT_TRUE(Has(defense, "button 02 \"Flee\" Skill_Flee_on.jpg learned"));
  EXPECT_TRUE(Has(defense, "button 10 \"Sacrifice\" Skill_Sacrifice_off.jpg locked"));
  EXPECT_TRUE(Has(defense, "label \"Action-Points required: 2\""));

  EXPECT_TRUE(Has(tops[1], "button 03 \"SOS buoy\" Skill_SOSBuoy_off.jpg can be learned selected")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "label \"" + combatActionDescription(31) + "\""));
  EXPECT_TRUE(Has(tops[2], "window Screen_Message3")) << tops[2];
  EXPECT_TRUE(Has(tops[2], "label \"Evading\""));
  EXPECT_TRUE(Has(tops[2], "Action-Points required: " + std::to_string(combatActionCost(26))));
  EXPECT_TRUE(Has(tops[3], "button 01 \"Evil taunt\" Skill_EvilTaunt_off.jpg can be learned selected")) << tops[3];
  EXPECT_TRUE(Has(tops[4], "window Screen_PersonalStatus")) << "Enter goes back too: " << tops[4];

  for (const std::string& top : tops) EXPECT_FALSE(Has(top, "window Screen_Message4")) << top;
  for (int id : {31, 26, 13, 32}) EXPECT_EQ(Game.CombatAbilities[id], 0) << "ability " << id;
  EXPECT_EQ(Game.CombatAbilities[22], 1);
}

TEST_F(StatusScreens, TheAbilityScreenTellsTheTreeInWordsInCompatibilityMode) {
  const auto tops = Play(std::string(kNewGame) + "set Option.CompatibilityMode 1\n" + kPortrait + kNonCombatButton +
                         "dump\nclick " + Position(4, true) + "\ndump\nclick 333 306\ndump\nkey Return\ndump\n"
                         "key Escape\nkey Escape\n");
  ASSERT_EQ(tops.size(), 4u);
  const std::string& lines = tops[0];
  EXPECT_TRUE(Has(lines, "label \"Compatibility mode for the visually impaired (Click to turn off!)\"")) << lines;
  EXPECT_TRUE(Has(lines, "label \"1. Trader: learned, selected\""));
  EXPECT_TRUE(Has(lines, "label \"2. Connections: can be learned\""));
  EXPECT_TRUE(Has(lines, "label \"5. Advanced connections: locked (needs 2)\""));
  EXPECT_TRUE(Has(lines, "label \"7. Advanced cargo manager: locked (needs 3 or 4)\""));
  EXPECT_TRUE(Has(lines, "label \"10. Advanced Tycoon: locked (needs 7, 8 or 9)\""));
  // The compact tree keeps the icons clickable.
  EXPECT_TRUE(Has(tops[1], "label \"4. Advanced Trader: can be learned, selected\"")) << tops[1];
  // Turning the mode off says so and takes the lines away.
  EXPECT_TRUE(Has(tops[2], "window Screen_Message3")) << tops[2];
  EXPECT_TRUE(Has(tops[2], "The compatibility mode for the blind and visually impaired has been turned off."));
  EXPECT_TRUE(Has(tops[3], "window Screen_SelectNewAbility")) << tops[3];
  EXPECT_FALSE(Has(tops[3], "Click to turn off!"));
  EXPECT_FALSE(Has(tops[3], "4. Advanced Trader"));
  EXPECT_TRUE(Has(tops[3], "button 04 \"Advanced Trader\" Skill_TraderAdv_off.jpg can be learned selected"));
  EXPECT_FALSE(General.Option.CompatibilityMode);
}

}  // namespace
}  // namespace qm
