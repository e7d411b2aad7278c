#include <gtest/gtest.h>

#include "catalogue/career.h"
#include "catalogue/professions.h"
#include "state/game_state.h"

namespace qm {
namespace {

TEST(CareerTables, RanksAndExperience) {
  EXPECT_EQ(rankName(1), "Ensign");
  EXPECT_EQ(rankShortName(4), "Lt. Com.");
  EXPECT_EQ(rankName(7), "Admiral");
  EXPECT_EQ(rankName(8), "Admiral");  // the top rank reads as Admiral as well
  EXPECT_EQ(rankShortName(8), "Adm.");
  for (int bad : {0, -1, 9, 1000000}) EXPECT_EQ(rankName(bad), "") << bad;

  const int expected[] = {0, 8000, 15000, 25000, 35000, 55000, 75000, 110000, 150000, 300000, 450000,
                          600000, 750000, 900000, 1050000, 1200000, 2700000, 4500000, 6600000, 9000000};
  for (int level = 0; level <= 19; ++level) EXPECT_EQ(experienceForLevel(level), expected[level]) << level;
  EXPECT_EQ(experienceForLevel(-1), 0);
  EXPECT_EQ(experienceForLevel(-50), 0);
  EXPECT_GT(experienceForLevel(1000000000), 0);  // no overflow far beyond the table
}

TEST(CareerTables, PortraitsAgeWithThePilot) {
  EXPECT_EQ(portraitPicture(0, 22), "hero1_20y.jpg");
  EXPECT_EQ(portraitPicture(1, 35), "hero2_35y.jpg");
  EXPECT_EQ(portraitPicture(1, 50), "hero2_50y.jpg");
  EXPECT_EQ(portraitPicture(2, 70), "hero3_70y.jpg");
  EXPECT_EQ(portraitPicture(2, 149), "hero3_70y.jpg");
  EXPECT_EQ(portraitPicture(2, 150), "hero3_150y.jpg");
  EXPECT_EQ(portraitPicture(9, 22), "hero1_20y.jpg");  // a foreign choice shows the first set
  ResetGameState();
  Game.Player[Pl::Portrait] = 2;
  Game.StarDate = 17281;
  EXPECT_EQ(portraitPicture(), "hero3_70y.jpg");
  qm::Run.AgeFreeze = true;
  EXPECT_EQ(portraitPicture(), "hero3_20y.jpg");
  qm::Run.AgeFreeze = false;
}

TEST(CareerTables, CombatActionsCostTheInstalledEquipment) {
  ResetGameState();
  Game.Ship[Sh::ShipType] = 1;
  Game.Ship[Sh::Guns] = 2;  // Fusion: 3 AP
  EXPECT_EQ(combatActionCost(1), 3);
  EXPECT_EQ(combatActionCost(4), 5);  // Focus beam: guns + 2
  Game.Ship[Sh::ShipType] = 9;        // a Patton: its speciality is Fast missile racks, not Gun volley
  Game.Ship[Sh::Missiles] = 5;        // Zeus Mk. I: 5 AP
  EXPECT_EQ(combatActionCost(2), 5);
  Game.Ship[Sh::Ecm] = 2;             // Supersafe: 5 AP
  EXPECT_EQ(combatActionCost(3), 5);
  EXPECT_EQ(combatActionCost(11), 5);
  EXPECT_EQ(combatActionCost(37), 0);
  EXPECT_EQ(combatEffectTurns(37), 2);
  EXPECT_EQ(combatEffectTurns(30), 10000);
  EXPECT_EQ(combatEffectTurns(20), 15);
  EXPECT_EQ(combatActionName(21), "EMP resistance");
  EXPECT_EQ(combatActionEffectText(21), "Chance to break an enemy \"Mark\" effect.");
  EXPECT_EQ(combatActionEffectText(30), "");
  EXPECT_EQ(combatActionDescription(3).substr(0, 28), "ECM = \"Electronic Countermea");
  EXPECT_EQ(combatActionName(36), "Ship\u00b4s special ability");
  for (int bad : {0, -3, 38, 500}) {
    EXPECT_EQ(combatActionName(bad), "") << bad;
    EXPECT_EQ(combatActionCost(bad), 0) << bad;
    EXPECT_EQ(combatEffectTurns(bad), 0) << bad;
  }
}

TEST(CareerTables, AdmiralsSeeAdvancedPictures) {
  ResetGameState();
  Game.Player[Pl::Rank] = 6;
  EXPECT_EQ(combatActionPicture(1), "Skill_Fire_Gun");
  for (int rank : {7, 8}) {
    Game.Player[Pl::Rank] = rank;
    EXPECT_EQ(combatActionPicture(1), "Skill_Fire_GunAdv");
    EXPECT_EQ(combatActionPicture(2), "Skill_Fire_MisslesAdv");
    EXPECT_EQ(combatActionPicture(3), "Skill_ECMAdv");
    EXPECT_EQ(combatActionPicture(4), "Skill_Focus_Beam");
  }
}

TEST(CareerTables, NonCombatAbilities) {
  EXPECT_EQ(abilityName(27), "Syndicate");
  EXPECT_EQ(abilityPicture(23), "Skill_Streetwise");
  EXPECT_EQ(abilityName(31), "");
  EXPECT_EQ(abilityPicture(31), "Skill_Taunt");
  EXPECT_EQ(abilityName(33), "");
  EXPECT_EQ(abilityName(36), "Ship\u00b4s special ability");
  EXPECT_NE(abilityDescription(7).find("5% every 200 turns"), std::string::npos);
  for (int bad : {-1, 37, 101}) EXPECT_EQ(abilityPicture(bad), "") << bad;
}

TEST(ProfessionTables, StartingKitOfEveryProfession) {
  EXPECT_EQ(professionName(4), "Bounty-hunter");
  EXPECT_EQ(professionStartShip(1, 3), 5);
  EXPECT_EQ(professionShipLabel(1, 3), "Orion II shuttle");
  EXPECT_EQ(professionStartShip(3, 1), 3);
  EXPECT_EQ(professionShipLabel(3, 1), "Avenger fighter");
  EXPECT_EQ(professionStartShip(4, 2), 2);
  EXPECT_EQ(professionStartShip(3, 3), 2);
  EXPECT_EQ(professionStartShip(3, 4), 4);
  EXPECT_EQ(professionShipLabel(4, 4), "Sabre fighter");
  EXPECT_EQ(professionStartShip(6, 4), 1);
  EXPECT_EQ(professionShipLabel(5, 2), "Starwolf fighter");
  EXPECT_EQ(professionCombatActions(6), (std::array<int, 3>{11, 7, 12}));
  EXPECT_EQ(professionCombatLabels(3)[2], "Focus beam,");
  EXPECT_EQ(professionAbility(5), 27);
  EXPECT_EQ(professionAbilityLabel(2), "Trader");
  EXPECT_NE(professionDescription(5).find("black market"), std::string::npos);
  EXPECT_EQ(professionStartShip(0, 1), 0);
  EXPECT_EQ(professionStartShip(3, 0), 0);
  EXPECT_EQ(professionName(7), "");
  EXPECT_EQ(professionCombatActions(-2), (std::array<int, 3>{0, 0, 0}));
}

TEST(ProfessionTables, FactionsAndCrew) {
  EXPECT_EQ(factionSelectionName(2), "Outer Rim Alliance");
  EXPECT_NE(factionSummary(4).find("hideouts"), std::string::npos);
  EXPECT_EQ(factionSummary(0), "");
  EXPECT_EQ(crewTypeTopic(32), "Space marines");
  EXPECT_NE(crewTypeText(31).find("5% (max. 50%)"), std::string::npos);
  EXPECT_EQ(crewTypeTopic(29), "");
  EXPECT_EQ(crewTypeTopic(35), "");
}

}  // namespace
}  // namespace qm
