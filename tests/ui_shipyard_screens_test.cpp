// The shipyard, the equipment screen and crew hiring played through input
// scripts on SDL's offscreen driver: a purchase seen on the main screen, an
// upgrade, the held "+", the rules' refusals, the compatibility lines and the keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/game_state.h"
#include "support/ui_play.h"

namespace qm {
namespace {

// A new Federation pilot in an Orion (place 3 of the shipyard) with $ 10,000, landed at Earth.
constexpr const char* kNewGame =
    "click 400 218\nkey Return\nkey Return\nkey Return\nkey Return\nset Option.NoWarPopups 1\n";
constexpr int kOrion = 5, kShadowcat = 6;

// Canvas points. The shipyard (790 x 594) lies at (5, 3): place p in row (p-1)/3, column (p-1)%3.
std::string Place(int p) {
  return std::to_string(96 + (p - 1) % 3 * 140) + " " + std::to_string(112 + (p - 1) / 3 * 100);
}
constexpr const char* kBuy = "547 508";
constexpr const char* kSpeciality = "600 406";
constexpr const char* kShipyardCompatibility = "400 573";
// The equipment screen (795 x 432) at (2, 84): categories 1..6 in two rows of three, offers 1..4.
std::string Category(int c) {
  return std::to_string(70 + (c - 1) % 3 * 96) + " " + std::to_string(309 + (c - 1) / 3 * 68);
}
std::string Offer(int k) { return std::to_string(389 + (k - 1) * 109) + " 207"; }
constexpr const char* kUpgrade = "577 488";
constexpr const char* kEquipmentCompatibility = "240 489";
// Crew hiring (579 x 335) at (110, 132): rows crewmen, officers, marines, pirates, droids.
std::string Hire(int row) { return "639 " + std::to_string(279 + row * 31); }
std::string Dismiss(int row) { return "591 " + std::to_string(279 + row * 31); }

class ShipyardScreens : public test::UiPlay {
 protected:
  std::vector<std::string> Play(const std::string& script) {
    std::vector<std::string> tops;
    for (const std::string& dump : UiPlay::Play(std::string(kNewGame) + script)) tops.push_back(TopWindow(dump));
    return tops;
  }
};

TEST_F(ShipyardScreens, ABoughtShipIsFlownOutOfTheShipyardAndShownOnTheMainScreen) {
  const auto tops = Play("set Player.Credits 5000000\nscreen Screen_ShipPurchase\ndump\n"
                         "click " + Place(4) + "\ndump\n"
                         "click " + std::string(kBuy) + "\ndump\nkey Return\ndump\nkey Return\ndump\nkey Return\n"
                         "dump\nkey Escape\ndump\n");
  ASSERT_EQ(tops.size(), 7u);

  const std::string& shipyard = tops[0];
  EXPECT_TRUE(Has(shipyard, "window Screen_ShipPurchase 790x594 top")) << shipyard;
  for (const char* heading : {"Buy a new ship:", "Fighter-class:", "Corvette-class:", "Destroyer-class:",
                              "Cruiser-class:", "Battleship-class:", "Selected ship:"})
    EXPECT_TRUE(Has(shipyard, std::string("label \"") + heading + "\"")) << heading;
  EXPECT_TRUE(Has(shipyard, "place 03 \"Orion\" Federation_Orion_topwire.jpg selected owned"));
  EXPECT_TRUE(Has(shipyard, "place 06 \"Not available\" NotAvailable_topwire.jpg disabled"));
  EXPECT_TRUE(Has(shipyard, "picture Federation_Orion_scene_sm.jpg #scene"));
  EXPECT_TRUE(Has(shipyard, "Please note that other factions might have different ships for sale."));
  EXPECT_TRUE(Has(shipyard, "If you want a battleship you will have to board and conquer one."));
  EXPECT_FALSE(Has(shipyard, "Compatibility mode")) << "the extra lines belong to the compatibility mode";

  // The Shadowcat: its figures, price, the Orion's trade-in value and the balance.
  const std::string& selected = tops[1];
  EXPECT_TRUE(Has(selected, "place 04 \"Shadowcat\" Federation_Shadowcat_topwire.jpg selected"));
  EXPECT_TRUE(Has(selected, "picture Federation_Shadowcat_scene_sm.jpg #scene"));
  EXPECT_TRUE(Has(selected, "picture Federation_Shadowcat_topwire.jpg #blueprint"));
  for (const char* value : {"\"Corvette\"", "\"28 pts.\"", "\"250 pts.\"", "\"60 U\"", "\"Energy transmitter\"",
                            "\"$ 250,000\"", "\"$ 24,166\"", "\"$ 225,834\""})
    EXPECT_TRUE(Has(selected, std::string("label ") + value)) << value;

  EXPECT_TRUE(Has(tops[2], "window Screen_Message4")) << tops[2];
  EXPECT_TRUE(Has(tops[2], "Do you really wish to buy this ship (Shadowcat) ?"));
  EXPECT_TRUE(Has(tops[3], "label \"Congratulations!\"")) << tops[3];
  EXPECT_TRUE(Has(tops[3], "Federation_Shadowcat_scene.jpg"));
  EXPECT_TRUE(Has(tops[4], "label \"New crewmen!\"")) << tops[4];
  // Back in the shipyard, which shows the new ship as the player's own.
  EXPECT_TRUE(Has(tops[5], "window Screen_ShipPurchase")) << tops[5];
  EXPECT_TRUE(Has(tops[5], "place 04 \"Shadowcat\" Federation_Shadowcat_topwire.jpg selected owned"));
  EXPECT_TRUE(Has(tops[5], "label \"Credits: $ 4,774,166\""));
  // Escape leaves; the main screen shows the Shadowcat.
  EXPECT_TRUE(Has(tops[6], "window Screen_Travel")) << tops[6];
  EXPECT_TRUE(Has(tops[6], "picture Federation_Shadowcat_topwire.jpg #Ship")) << tops[6];
  EXPECT_TRUE(Has(tops[6], "Shadowcat at Earth"));

  EXPECT_EQ(Game.Ship[Sh::ShipType], kShadowcat);
  EXPECT_EQ(Game.Player[Pl::Credits], 5000000 - 250000 + 24166);
  EXPECT_EQ(Game.Ship[Sh::Crewmen], 6);
}

TEST_F(ShipyardScreens, ShipyardRefusalsAndExplanationsComeFromTheRulesAndChangeNothing) {
  const auto tops = Play("screen Screen_ShipPurchase\nkey Left\ndump\nkey Return\ndump\nkey Return\n"
                         "click " + Place(3) + "\nclick " + std::string(kBuy) + "\ndump\nkey Return\n"
                         "click " + Place(9) + "\ndump\nrclick " + std::string(kBuy) + "\ndump\nkey Return\n"
                         "click " + std::string(kSpeciality) + "\ndump\nkey Return\nkey Escape\ndump\n");
  ASSERT_EQ(tops.size(), 7u);
  EXPECT_TRUE(Has(tops[0], "place 02 \"Avenger\" Federation_Avenger_topwire.jpg selected")) << tops[0];
  EXPECT_TRUE(Has(tops[1], "label \"Not enough money!\"")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "Unfortunately you do not have enough money to buy this ship."));
  EXPECT_TRUE(Has(tops[2], "label \"N/A\"")) << tops[2];
  EXPECT_TRUE(Has(tops[2], "You already own this kind of ship."));
  // A click on an empty place does nothing: the Orion stays selected and no dialog opens.
  EXPECT_TRUE(Has(tops[3], "window Screen_ShipPurchase 790x594 top")) << tops[3];
  EXPECT_TRUE(Has(tops[3], "place 03 \"Orion\" Federation_Orion_topwire.jpg selected owned"));
  // A right click explains and never buys.
  EXPECT_TRUE(Has(tops[4], "window Screen_Message3")) << tops[4];
  EXPECT_TRUE(Has(tops[4], "label \"Buy\""));
  EXPECT_TRUE(Has(tops[5], "label \"ShieldPlus device\"")) << tops[5];
  EXPECT_TRUE(Has(tops[5], "If active you will regenerate 5% of max. shield each turn, but cannot fire your guns."));
  EXPECT_TRUE(Has(tops[6], "window Screen_Travel")) << tops[6];

  EXPECT_EQ(Game.Ship[Sh::ShipType], kOrion);
  EXPECT_EQ(Game.Player[Pl::Credits], 10000);
}

TEST_F(ShipyardScreens, ArrowKeysStepThroughTheShipsSkippingEmptyPlaces) {
  // From the Orion (3): right to the Shadowcat (4), right to the Paladin (5), right past the
  // empty place 6 to the Patton (7); up from the Patton to the Shadowcat, down twice to the Neptun.
  const auto tops = Play("screen Screen_ShipPurchase\nkey Right\ndump\nkey Right\nkey Right\ndump\nkey Up\ndump\n"
                         "key Down\nkey Down\ndump\nkey Left\ndump\n");
  ASSERT_EQ(tops.size(), 5u);
  EXPECT_TRUE(Has(tops[0], "place 04 \"Shadowcat\" Federation_Shadowcat_topwire.jpg selected")) << tops[0];
  EXPECT_TRUE(Has(tops[1], "place 07 \"Patton\" Federation_Patton_topwire.jpg selected")) << tops[1];
  EXPECT_TRUE(Has(tops[2], "place 04 \"Shadowcat\" Federation_Shadowcat_topwire.jpg selected")) << tops[2];
  EXPECT_TRUE(Has(tops[3], "place 10 \"Neptun\" Federation_Neptun_topwire.jpg selected")) << tops[3];
  EXPECT_TRUE(Has(tops[4], "place 08 \"Ferendar\" Federation_Ferendar_topwire.jpg selected")) << tops[4];
  EXPECT_EQ(Game.Ship[Sh::ShipType], kOrion);
}

TEST_F(ShipyardScreens, EquipmentIsUpgradedAndItsRefusalsChangeNothing) {
  const auto tops = Play("screen Screen_ShipEquipment\ndump\n"
                         "key Right\ndump\n"
                         "click " + std::string(kUpgrade) + "\ndump\nkey Return\ndump\n"
                         "click " + Offer(3) + "\nkey Return\ndump\nkey Return\n"
                         "click " + Offer(2) + "\nkey Return\ndump\nkey Return\n"
                         "click " + Category(4) + "\ndump\nkey 6\nkey Up\ndump\nkey Escape\ndump\n");
  ASSERT_EQ(tops.size(), 9u);

  const std::string& guns = tops[0];
  EXPECT_TRUE(Has(guns, "window Screen_ShipEquipment 795x432 top")) << guns;
  EXPECT_TRUE(Has(guns, "category 01 \"Guns\" equipment_gun_selected.jpg selected"));
  EXPECT_TRUE(Has(guns, "category 06 \"ECM\" equipment_ECM_normal.jpg"));
  EXPECT_TRUE(Has(guns, "picture Federation_Orion_sidewire.jpg #sideview"));
  EXPECT_TRUE(Has(guns, "label \"Upgrade guns:\""));
  EXPECT_TRUE(Has(guns, "offer 11 \"Laser (8 cm)\" Equipment_Laser.jpg \"$ 0\" selected installed"));
  EXPECT_TRUE(Has(guns, "offer 13 \"Fusion (10 cm)\" Equipment_Fusion.jpg \"$ 26,000\""));
  EXPECT_TRUE(Has(guns, "label \"(Currently equipped)\""));
  EXPECT_TRUE(Has(guns, "label \"Hit-Chance:\""));
  EXPECT_TRUE(Has(guns, "label \"45%\""));

  // The Turbo-Laser for 22,000 less the Laser's 14,000.
  EXPECT_TRUE(Has(tops[1], "offer 12 \"Turbo-Laser (4 cm)\" Equipment_TurboLaser.jpg \"$ 8,000\" selected")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "label \"Rapid fire; Overheat\""));
  EXPECT_FALSE(Has(tops[1], "(Currently equipped)"));
  EXPECT_TRUE(Has(tops[2], "label \"Upgrading...\"")) << tops[2];
  EXPECT_TRUE(Has(tops[2], "You upgrade the guns of your ship to Turbo-Laser (4 cm) weapons."));
  EXPECT_TRUE(Has(tops[3], "offer 12 \"Turbo-Laser (4 cm)\" Equipment_TurboLaser.jpg \"$ 8,000\" selected installed"))
      << tops[3];
  EXPECT_TRUE(Has(tops[3], "label \"Credits: $ 2,000\""));
  EXPECT_TRUE(Has(tops[3], "label \"Turbo-Laser (4 cm)\""));  // the installed item under the categories

  EXPECT_TRUE(Has(tops[4], "label \"Not enough money!\"")) << tops[4];
  EXPECT_TRUE(Has(tops[4], "Unfortunately you do not have enough money to make this upgrade."));
  EXPECT_TRUE(Has(tops[5], "label \"Cannot upgrade!\"")) << tops[5];
  EXPECT_TRUE(Has(tops[5], "You already have this kind of guns in your ship."));

  EXPECT_TRUE(Has(tops[6], "category 04 \"Cargo\" equipment_cargo_selected.jpg selected")) << tops[6];
  EXPECT_TRUE(Has(tops[6], "label \"Upgrade cargo space:\""));
  EXPECT_TRUE(Has(tops[6], "offer 11 \"Cargo bay\" Misc.jpg \"$ 0\" selected installed"));
  // Key 6 chose the ECM, up steps back to targeting.
  EXPECT_TRUE(Has(tops[7], "category 05 \"Targeting\" equipment_targeting_selected.jpg selected")) << tops[7];
  EXPECT_TRUE(Has(tops[7], "label \"Upgrade targeting:\""));
  EXPECT_TRUE(Has(tops[8], "window Screen_Travel")) << tops[8];

  EXPECT_EQ(Game.Ship[Sh::Guns], 1);
  EXPECT_EQ(Game.Player[Pl::Credits], 2000);
}

TEST_F(ShipyardScreens, HoldingPlusHiresFasterUntilReleasedAndMinusDismisses) {
  // Hires at the press, 500 ms later and 400 ms after that; nothing more once released.
  const auto tops = Play("set Ship.ShipType 6\nscreen Screen_CrewHiring\ndump\n"
                         "press " + Hire(0) + "\nwait 1000\nrelease " + Hire(0) + "\ndump\nwait 3000\ndump\n"
                         "click " + Dismiss(0) + "\ndump\nkey Down\nkey +\ndump\nkey -\ndump\nkey Escape\ndump\n");
  ASSERT_EQ(tops.size(), 7u);
  const std::string& crew = tops[0];
  EXPECT_TRUE(Has(crew, "window Screen_CrewHiring 579x335 top")) << crew;
  for (const char* text : {"Crew hiring", "Shadowcat class ship.", "Minimum crew:", "Maximum crew:", "Current crew:",
                           "Credits: $ 10,000", "Crewmen", "Officers", "Space marines", "Pirates", "Battle droids",
                           "$C 1,000", "$C 5,000", "$C 2,000", "N/A"})
    EXPECT_TRUE(Has(crew, std::string("label \"") + text + "\"")) << text;
  EXPECT_TRUE(Has(crew, "label \"16\""));
  EXPECT_TRUE(Has(crew, "button 11 \"+\" CrewHiring_11.jpg\n"));
  EXPECT_TRUE(Has(crew, "button 14 \"+\" CrewHiring_14.jpg disabled")) << "pirates are hired at hideouts";
  EXPECT_TRUE(Has(crew, "button 15 \"+\" CrewHiring_15.jpg disabled")) << "droids are never for hire";

  EXPECT_TRUE(Has(tops[1], "label \"Credits: $ 7,000\"")) << tops[1];
  EXPECT_TRUE(Has(tops[2], "label \"Credits: $ 7,000\"")) << "released: no more hiring";
  EXPECT_TRUE(Has(tops[3], "window Screen_CrewHiring 579x335 top")) << tops[3];
  EXPECT_TRUE(Has(tops[3], "label \"Credits: $ 7,000\"")) << "nobody gets money back";
  // The keys: down to the officers, "+" hires one, "-" dismisses him again.
  EXPECT_TRUE(Has(tops[4], "label \"Credits: $ 2,000\"")) << tops[4];
  EXPECT_TRUE(Has(tops[4], "label \"3\""));  // the current crew
  EXPECT_TRUE(Has(tops[5], "label \"Credits: $ 2,000\"")) << tops[5];
  EXPECT_TRUE(Has(tops[6], "window Screen_Travel")) << tops[6];

  EXPECT_EQ(Game.Ship[Sh::Crewmen], 2);
  EXPECT_EQ(Game.Ship[Sh::Officers], 0);
  EXPECT_EQ(Game.Player[Pl::Credits], 2000);
}

TEST_F(ShipyardScreens, HiringRefusalsShowTheRulesReasonAndChangeNothing) {
  // Holding "+" with $ 1,000 hires one crewman, then the money runs out.
  const auto tops = Play("set Ship.ShipType 6\nset Player.Credits 1000\nscreen Screen_CrewHiring\n"
                         "press " + Hire(0) + "\nwait 600\ndump\nkey Return\nrelease " + Hire(0) + "\n"
                         "click " + Dismiss(3) + "\ndump\nkey Return\n"
                         "rclick " + Hire(3) + "\ndump\nkey Return\n"
                         "set Player.Credits 100000\nset Ship.Crewmen 14\nkey Escape\nscreen Screen_CrewHiring\n"
                         "press " + Hire(2) + "\nwait 1000\ndump\nkey Return\nrelease " + Hire(2) + "\ndump\n"
                         "click " + Hire(1) + "\ndump\nrclick " + Hire(1) + "\ndump\nkey Return\n");
  ASSERT_EQ(tops.size(), 7u);
  EXPECT_TRUE(Has(tops[0], "label \"Not enough money!\"")) << tops[0];
  EXPECT_TRUE(Has(tops[0], "Unfortunately you do not have enough money."));
  EXPECT_TRUE(Has(tops[1], "label \"No crew!\"")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "There is nobody to dismiss!"));
  EXPECT_TRUE(Has(tops[2], "You can only hire pirates at pirate hideouts - not at common planets.")) << tops[2];

  // Two marines fill the ship; the next tick meets the crew limit.
  EXPECT_TRUE(Has(tops[3], "label \"No crew space!\"")) << tops[3];
  EXPECT_TRUE(Has(tops[3], "Your ship cannot carry more crew members!"));
  EXPECT_TRUE(Has(tops[4], "button 12 \"+\" CrewHiring_12.jpg disabled")) << tops[4];
  // A click on a switched-off "+" does nothing; a right click tells why.
  EXPECT_TRUE(Has(tops[5], "window Screen_CrewHiring 579x335 top")) << tops[5];
  EXPECT_TRUE(Has(tops[6], "Your ship cannot carry more crew members!")) << tops[6];

  EXPECT_EQ(Game.Ship[Sh::Crewmen], 14);
  EXPECT_EQ(Game.Ship[Sh::Marines], 2);
  EXPECT_EQ(Game.Ship[Sh::Officers], 0);
  EXPECT_EQ(Game.Player[Pl::Credits], 100000 - 2 * 5000);
}

TEST_F(ShipyardScreens, CompatibilityModeAddsTheLinesAndItsLineTurnsItOff) {
  const auto tops = Play("set Option.CompatibilityMode 1\nscreen Screen_ShipPurchase\nkey Left\ndump\n"
                         "click " + std::string(kShipyardCompatibility) + "\ndump\nkey Return\ndump\nkey Escape\n"
                         "set Option.CompatibilityMode 1\nscreen Screen_ShipEquipment\nkey Right\ndump\n"
                         "click " + std::string(kEquipmentCompatibility) + "\nkey Return\ndump\n");
  ASSERT_EQ(tops.size(), 5u);
  const std::string& shipyard = tops[0];
  EXPECT_TRUE(Has(shipyard, "label \"Compatibility mode for the visually impaired (Click to turn off!)\"")) << shipyard;
  EXPECT_TRUE(Has(shipyard, "label \"Your money: $ 10,000\""));
  EXPECT_TRUE(Has(shipyard, "label \"Your ship: Orion, worth $ 24,166\""));
  EXPECT_TRUE(Has(shipyard, "label \"Selected ship: Avenger (Fighter), place 2 of 12\""));
  EXPECT_TRUE(Has(shipyard, "label \"Price: $ 50,000, balance: $ 25,834\""));
  EXPECT_TRUE(Has(tops[1], "label \"Compatibility mode\"")) << tops[1];
  EXPECT_TRUE(Has(tops[1], "The compatibility mode for the blind and visually impaired has been turned off."));
  EXPECT_TRUE(Has(tops[2], "window Screen_ShipPurchase 790x594 top")) << tops[2];
  EXPECT_FALSE(Has(tops[2], "Compatibility mode for the visually impaired"));
  EXPECT_FALSE(Has(tops[2], "Your money:"));

  const std::string& equipment = tops[3];
  EXPECT_TRUE(Has(equipment, "label \"Compatibility mode for the visually impaired (Click to turn off!)\""))
      << equipment;
  EXPECT_TRUE(Has(equipment, "label \"Showing guns (keys 1 to 6).\""));
  EXPECT_TRUE(Has(equipment, "label \"Installed: Laser (8 cm)\""));
  EXPECT_TRUE(Has(equipment, "label \"Selected: Turbo-Laser (4 cm), price $ 8,000\""));
  EXPECT_TRUE(Has(tops[4], "window Screen_ShipEquipment 795x432 top")) << tops[4];
  EXPECT_FALSE(Has(tops[4], "Compatibility mode for the visually impaired"));
  EXPECT_FALSE(General.Option.CompatibilityMode);
}

}  // namespace
}  // namespace qm
