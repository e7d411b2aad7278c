// The campaign of a besieged system, the system scan and the promotion screen
// played through the real window: their doors on the main screen, the rules'
// refusals and questions, a starbase strike that ends the siege, hailing and
// attacking a contact, and the war news that pops up only over the main screen.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/ships.h"
#include "combat/scan.h"
#include "state/game_state.h"
#include "support/ui_play.h"
#include "world/wars.h"

namespace qm {
namespace {

constexpr const char* kNewGame =
    "set Option.NoWarPopups 1\nclick 400 218\nkey Return\nkey Return\nkey Return\nkey Return\n";
constexpr const char* kMissionsButton = "click 400 566\n";
constexpr const char* kSensorsButton = "click 511 566\n";
constexpr const char* kJoinBattle = "click 740 525\n";
// The campaign screen (757 x 599) lies at 21, 0.
constexpr const char* kAskForMission = "click 133 564\n";
constexpr const char* kStrike = "click 339 564\n";
constexpr const char* kCampaignBack = "click 703 564\n";

// A Coalition invasion of Sol, defended by the player's Federation.
std::string SiegeOfSol(int attacker) {
  return "set SystemData[1][20] 1\nset SystemData[1][21] " + std::to_string(attacker) +
         "\nset SystemData[1][22] 50\nset SystemData[1][23] 10\nset SystemData[1][24] 20\nset SystemData[1][27] 300\n";
}

class CampaignRadarPromotion : public test::UiPlayWithSounds {};

TEST_F(CampaignRadarPromotion, TheCampaignOpensFromBothDoorsAndItsButtonsAskTheRules) {
  const auto t = Tops(std::string(kNewGame) + SiegeOfSol(3) + kMissionsButton + "dump\n" + kAskForMission + "dump\n" +
                      "key Escape\ndump\n" + kStrike + "dump\nkey Return\ndump\nkey Escape\ndump\n" + kJoinBattle +
                      "dump\nkey m\ndump\nkey Escape\n" + kCampaignBack + "dump\n");
  ASSERT_EQ(t.size(), 9u);
  const std::string& campaign = t[0];
  ASSERT_TRUE(Has(campaign, "window Screen_Campaign 757x599 top")) << campaign;
  EXPECT_TRUE(Has(campaign, Label("System defense")));
  EXPECT_TRUE(Has(campaign, Label("50/300 days")));
  EXPECT_TRUE(Has(campaign, Label("Attacker: " + Game.FactionText[3][FacT::FullName])));
  EXPECT_TRUE(Has(campaign, Label("Defender: " + Game.FactionText[1][FacT::FullName])));
  EXPECT_TRUE(Has(campaign, Label("Victory points: 10")));
  EXPECT_TRUE(Has(campaign, Label("Missions you completed for this campaign: 0")));
  // The player defends: the defenders' symbols are red, before the red station.
  EXPECT_TRUE(Has(campaign, "picture red_station_off.bmp #Starbase"));
  EXPECT_TRUE(Has(campaign, "picture blue_ship_small_right.bmp #AttackerSmall1"));
  EXPECT_TRUE(Has(campaign, "picture red_ship_big_left.bmp #DefenderBig1"));
  EXPECT_FALSE(Has(campaign, "#DefenderBig3")) << "before half time both sides show strength 2";
  EXPECT_TRUE(Has(campaign, "You have not yet engaged in this campaign.") ||
              Has(campaign, "This campaign has been fought without your help so far."));

  EXPECT_TRUE(Has(t[1], "window Screen_Missions 741x560 top")) << "Ask for a mission opens the board: " << t[1];
  EXPECT_TRUE(Has(t[2], "window Screen_Campaign 757x599 top")) << "and the campaign is back after it: " << t[2];
  EXPECT_TRUE(Has(t[3], Label("Your faction defends the starbase. You cannot attack it."))) << t[3];
  EXPECT_TRUE(Has(t[4], "window Screen_Campaign 757x599 top")) << "the refusal leaves the screen open";
  EXPECT_TRUE(Has(t[5], "window Screen_Travel 800x600 top")) << "Escape goes back: " << t[5];
  EXPECT_TRUE(Has(t[6], "window Screen_Campaign 757x599 top")) << "the invasion alert's Join battle: " << t[6];
  EXPECT_TRUE(Has(t[7], "window Screen_Missions 741x560 top")) << "M asks for a mission: " << t[7];
  EXPECT_TRUE(Has(t[8], "window Screen_Travel 800x600 top")) << "Back: " << t[8];
  EXPECT_EQ(Game.SystemData[1][Camp::Running], 1) << "nothing of this ended the siege";
  EXPECT_EQ(Game.SystemData[1][Camp::DaysElapsed], 50);
}

TEST_F(CampaignRadarPromotion, AStrikeOnTheStarbaseIsAskedForFoughtAndEndsTheSiege) {
  // The Federation invades Sol, held by the Coalition; the player flies a battleship.
  const std::string siege = SiegeOfSol(1) + "set SystemData[1][2] 3\nset Ship.ShipType 19\n";
  const auto t = Tops(std::string(kNewGame) + siege + kMissionsButton + "dump\nkey s\ndump\nkey Escape\ndump\n" +
                      "key s\nkey Return\ndump\nkey r\nkey Return\ndump\nwait 300\ndump\n");
  ASSERT_GE(t.size(), 5u);
  ASSERT_TRUE(Has(t[0], Label("Invasion"))) << t[0];
  EXPECT_TRUE(Has(t[0], "picture blue_station.bmp #Starbase"));
  EXPECT_TRUE(Has(t[1], Label("Attack starbase?"))) << t[1];
  EXPECT_TRUE(Has(t[1], Label("Do you really wish to directly attack the enemy starbase? The enemy is still very "
                              "strong!")))
      << "50 days into the siege the enemy is strong";
  EXPECT_TRUE(Has(t[2], "window Screen_Campaign 757x599 top")) << "No changes nothing: " << t[2];
  EXPECT_TRUE(Has(t[3], "window Screen_ShipWavesAttacking 779x535 top")) << "Yes starts the fleet battle: " << t[3];
  // The retreat loses the strike: the siege fails at once and the campaign screen closes.
  bool back = false;
  for (size_t i = 4; i < t.size(); ++i) back |= Has(t[i], "window Screen_Travel 800x600 top");
  EXPECT_TRUE(back) << t.back();
  EXPECT_EQ(Game.SystemData[1][Camp::Running], 0);
  EXPECT_EQ(Game.SystemData[1][Sys::Owner], 3) << "a lost strike leaves the system to its owner";
}

TEST_F(CampaignRadarPromotion, TheScanListsTheContactsAndHailsThem) {
  // Record 2 a pirate with a bounty, record 3 gone, the others as the galaxy made them.
  const std::string contacts =
      "set SystemShips[2][1] 1\nset SystemShips[2][2] 1\nset SystemShips[2][3] 3\nset SystemShips[2][5] 0\n"
      "set SystemShips[2][9] 1\nset SystemShips[3][1] 0\n";
  const auto t = Tops(std::string(kNewGame) + contacts + kSensorsButton + "dump\nkey Tab\ndump\nkey c\ndump\n" +
                      "key Return\ndump\nkey Escape\ndump\n");
  ASSERT_EQ(t.size(), 5u);
  const std::string& scan = t[0];
  ASSERT_TRUE(Has(scan, "window Screen_Radar 531x469 top")) << scan;
  EXPECT_TRUE(Has(scan, Label("System scan")));
  EXPECT_FALSE(Has(scan, "blip 3 ")) << "a record not present shows no blip";
  EXPECT_TRUE(Has(scan, "blip 2 Hostile blip")) << "pirates are hostile";
  EXPECT_TRUE(Has(scan, "blip 1 ") && Has(scan, " selected")) << "the first contact is scanned at once";

  const std::string& pirate = t[1];
  EXPECT_TRUE(Has(pirate, "blip 2 Hostile blip selected")) << "Tab steps to the next contact: " << pirate;
  EXPECT_TRUE(Has(pirate, "label \"" + Game.FactionText[0][FacT::FullName] + " " + shipName(1) + " (")) << pirate;
  EXPECT_TRUE(Has(pirate, "label \"Speciality: There is a bounty of $ "));
  EXPECT_TRUE(Has(pirate, "picture " + shipPictureName(1, 0) + "_scene.jpg #scene"));
  EXPECT_TRUE(Has(t[2], Label("Communicating"))) << t[2];
  EXPECT_TRUE(Has(t[2], Label("You do not get a response.")));
  EXPECT_TRUE(Has(t[3], "window Screen_Radar 531x469 top")) << "hailing keeps the scan open";
  EXPECT_TRUE(Has(t[4], "window Screen_Travel 800x600 top")) << "Escape goes back";
  EXPECT_EQ(ScannedRecord(), 0) << "the selection ends with the screen";
  EXPECT_EQ(Game.SystemShips[2][1], 1) << "hailing harms nobody";
}

TEST_F(CampaignRadarPromotion, AttackingAContactOpensTheBattleAndLeavingTheGameUnwindsTheScan) {
  const std::string pirate =
      "set SystemShips[1][1] 1\nset SystemShips[1][2] 1\nset SystemShips[1][3] 3\nset SystemShips[1][5] 0\n";
  const auto t = Tops(std::string(kNewGame) + pirate + kSensorsButton + "key a\ndump\nkey Return\ndump\n" +
                      "close\nkey Return\ndump\n");
  ASSERT_EQ(t.size(), 3u);
  EXPECT_TRUE(Has(t[0], Label("Hostile encounter!"))) << t[0];
  ASSERT_TRUE(Has(t[1], "window Screen_ShipCombat2 794x566 top")) << t[1];
  EXPECT_TRUE(Has(t[2], "window Start 377x519 top")) << "quitting inside the battle closes the scan too: " << t[2];

  // With nothing on the sensors the scan does not open.
  const auto none = Tops(std::string(kNewGame) +
                         "set SystemShips[1][1] 0\nset SystemShips[2][1] 0\nset SystemShips[3][1] 0\n"
                         "set SystemShips[4][1] 0\nset SystemShips[5][1] 0\nset SystemShips[6][1] 0\n"
                         "set SystemShips[7][1] 0\nset SystemShips[8][1] 0\nset SystemShips[9][1] 0\n"
                         "set SystemShips[10][1] 0\n" +
                         kSensorsButton + "dump\n");
  ASSERT_EQ(none.size(), 1u);
  EXPECT_TRUE(Has(none[0], Label("You cannot detect any ships. You should wait some time."))) << none[0];
}

TEST_F(CampaignRadarPromotion, APromotionShowsItsAwardThenOffersTheAbility) {
  // Level 3 to 4 is a new rank; level 4 to 5 a campaign ribbon.
  const auto t = Tops(std::string(kNewGame) + "set Player.Level 3\nset Player.Experience 99999999\nconsole day\n" +
                      "dump\nkey Return\ndump\nkey Escape\ndump\n");
  ASSERT_EQ(t.size(), 3u);
  EXPECT_TRUE(Has(t[0], Label("You have been promoted!"))) << t[0];
  const std::string& rank = t[1];
  ASSERT_TRUE(Has(rank, "window Screen_Promotion 651x410 top")) << rank;
  EXPECT_TRUE(Has(rank, Label("Promotion")));
  EXPECT_TRUE(Has(rank, Label("For your honorful service the " + Game.FactionText[1][FacT::ShortName] +
                              " high command promotes you to:")));
  EXPECT_TRUE(Has(rank, Label("Congratulations!")));
  EXPECT_TRUE(Has(rank, "picture Fed_Rank2.jpg #award")) << "the new rank's insignia";
  EXPECT_TRUE(Has(t[2], Label("New combat skill"))) << "the ability offer follows: " << t[2];
  EXPECT_EQ(Game.Player[Pl::Rank], 2);

  const auto ribbon = Tops(std::string(kNewGame) + "set Player.Level 4\nset Player.Experience 99999999\n" +
                           "console day\nkey Return\ndump\nkey Return\ndump\n");
  ASSERT_EQ(ribbon.size(), 2u);
  EXPECT_TRUE(Has(ribbon[0], Label("Campaign ribbon"))) << ribbon[0];
  EXPECT_TRUE(Has(ribbon[0], Label("campaign ribbon")));
  EXPECT_TRUE(Has(ribbon[0], "picture Fed-Ribbon3.jpg #award"));
  EXPECT_TRUE(Has(ribbon[1], Label("New non-combat skill"))) << "Enter closes the screen: " << ribbon[1];
  EXPECT_EQ(Sounds("Screen_Promotion"), 2) << "Escape and Enter press its button";
}

TEST_F(CampaignRadarPromotion, WarNewsPopsUpOnlyOverTheMainScreen) {
  // The siege of N. Manchester ends on the next day; the news is listed either way.
  const std::string siege =
      "set Option.NoWarPopups 0\nset SystemData[5][20] 1\nset SystemData[5][21] 1\nset SystemData[5][22] 299\n"
      "set SystemData[5][23] 500\nset SystemData[5][24] 0\nset SystemData[5][27] 300\n";
  const auto onTop = Play(std::string(kNewGame) + siege + "console day\ndump\n");
  ASSERT_EQ(onTop.size(), 1u);
  EXPECT_TRUE(Has(onTop[0], Label("War news!"))) << onTop[0];
  EXPECT_TRUE(Has(onTop[0], "N. Manchester conquered!"));

  const auto covered = Play(std::string(kNewGame) + siege + "screen Screen_GalaxyMap\nconsole day\ndump\n");
  ASSERT_EQ(covered.size(), 1u);
  EXPECT_FALSE(Has(covered[0], "conquered! - ")) << "no pop-up over another screen: " << covered[0];
  EXPECT_EQ(Game.NewsText[1], "N. Manchester conquered!") << "but the news is listed";
}

}  // namespace
}  // namespace qm
