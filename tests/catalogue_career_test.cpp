// Career, profession and crew catalogue: costs read from the installed
// equipment, the rank and age rules, the starting kits and total lookups.
#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "catalogue/career.h"
#include "catalogue/professions.h"
#include "state/game_state.h"

namespace qm {
namespace {

class CatalogueCareer : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGameState();
    qm::Run.PlayerSpecialActive = false;
    qm::Run.AgeFreeze = false;
  }
  void TearDown() override {
    qm::Run.PlayerSpecialActive = false;
    qm::Run.AgeFreeze = false;
  }
};

TEST_F(CatalogueCareer, ExperienceAgeAndPortraits) {
  EXPECT_EQ(experienceForLevel(7), 110000);
  EXPECT_EQ(experienceForLevel(8), 150000);
  EXPECT_EQ(experienceForLevel(15), 1200000);
  EXPECT_EQ(experienceForLevel(16), 2700000);
  EXPECT_EQ(experienceForLevel(20), 11700000);
  EXPECT_EQ(experienceForLevel(INT_MAX), INT_MAX);  // saturates, never wraps negative
  EXPECT_EQ(experienceForLevel(INT_MIN), 0);

  EXPECT_EQ(pilotAge(), 22);
  Game.StarDate = 17281;
  EXPECT_EQ(pilotAge(), 70);
  qm::Run.AgeFreeze = true;
  EXPECT_EQ(pilotAge(), 20);
  qm::Run.AgeFreeze = false;

  EXPECT_EQ(portraitPicture(0, 34), "hero1_20y.jpg");
  EXPECT_EQ(portraitPicture(0, 49), "hero1_35y.jpg");
  EXPECT_EQ(portraitPicture(1, 69), "hero2_50y.jpg");
  EXPECT_EQ(portraitPicture(2, 70), "hero3_70y.jpg");
  EXPECT_EQ(portraitPicture(2, INT_MAX), "hero3_150y.jpg");
  Game.Player[Pl::Portrait] = 1;
  Game.StarDate = 360 * 28 + 1;  // aged 50
  EXPECT_EQ(portraitPicture(), "hero2_50y.jpg");
  qm::Run.AgeFreeze = true;
  EXPECT_EQ(portraitPicture(), "hero2_20y.jpg");
}

TEST_F(CatalogueCareer, ActionCostsFollowTheInstalledEquipment) {
  // A Hellcat (Gun volley) with a Fusion gun: G = 3, and 4 with the volley on.
  Game.Ship[Sh::ShipType] = 8;
  Game.Ship[Sh::Guns] = 2;
  for (int gunSalve : {4, 15, 17, 34}) EXPECT_EQ(combatActionCost(gunSalve), 5) << gunSalve;
  EXPECT_EQ(combatActionCost(5), 3);
  qm::Run.PlayerSpecialActive = true;
  EXPECT_EQ(combatActionCost(4), 6);
  EXPECT_EQ(combatActionCost(1), 4);
  qm::Run.PlayerSpecialActive = false;

  Game.Ship[Sh::Missiles] = 4;  // Arrow Mk. II: 4 AP, one less for an admiral
  EXPECT_EQ(combatActionCost(2), 4);
  Game.Player[Pl::Rank] = 8;
  EXPECT_EQ(combatActionCost(2), 3);
  Game.Ship[Sh::Ecm] = 4;  // Defender Anti-Mine
  EXPECT_EQ(combatActionCost(3), 3);

  // Fixed costs and effect durations of the other actions.
  struct Fixed {
    int id, cost, turns;
  };
  const Fixed fixed[] = {{6, 1, 4},   {9, 1, 4},  {11, 5, 0},  {12, 2, 4},  {14, 5, 10}, {16, 5, 2},
                         {18, 1, 2},  {20, 1, 15}, {26, 2, 4}, {27, 3, 2},  {28, 5, 2},  {30, 3, 10000},
                         {31, 2, 20}, {33, 5, 2}, {35, 2, 2},  {36, 3, 10000}, {37, 0, 2}};
  for (const Fixed& f : fixed) {
    EXPECT_EQ(combatActionCost(f.id), f.cost) << f.id;
    EXPECT_EQ(combatEffectTurns(f.id), f.turns) << f.id;
  }
}

TEST_F(CatalogueCareer, ActionAndAbilityTexts) {
  EXPECT_EQ(combatActionName(8), "Manouvers");
  EXPECT_EQ(combatActionPicture(8), "Skill_Heroic_Rush");
  EXPECT_EQ(combatActionPicture(32), "Skill_Radio_Interference");
  EXPECT_EQ(combatActionPicture(37), "Skill_shipspecial");
  EXPECT_EQ(combatActionDescription(9), "+ 2 AP every turn, but the risk to be hit is increased a lot");
  EXPECT_EQ(combatActionDescription(19), "Removes a random enemy bonus.");
  EXPECT_EQ(combatActionDescription(21), "Chance to break an enemy \"Mark\" effect by destroying the nasty beacon.");
  EXPECT_EQ(combatActionEffectText(33), "Drones cause damage on the enemy every turn.");
  EXPECT_EQ(combatActionEffectText(12), "Interrupts any enemy attempt to flee immidiately.");
  Game.Player[Pl::Rank] = 7;
  EXPECT_EQ(combatActionPicture(3), "Skill_ECMAdv");
  EXPECT_EQ(combatActionPicture(36), "Skill_shipspecial");

  EXPECT_EQ(abilityName(4), "Advanced cargo manager");
  EXPECT_NE(abilityDescription(4).find("bx 50%"), std::string::npos);
  EXPECT_EQ(abilityPicture(15), "Skill_CombatPatrolAdv");
  EXPECT_EQ(abilityName(30), "Amnesty");
  EXPECT_NE(abilityDescription(7).find("you\xC2\xB4ll"), std::string::npos);
  EXPECT_EQ(abilityDescription(31), "");
}

TEST_F(CatalogueCareer, ProfessionKitsFactionsAndCrew) {
  // Starting ship of every profession for factions 1..4.
  const std::array<std::array<int, 4>, 6> ships = {{
      {5, 5, 5, 5}, {1, 1, 1, 1}, {3, 2, 2, 4}, {3, 2, 2, 4}, {1, 1, 1, 1}, {1, 1, 1, 1},
  }};
  for (int p = 1; p <= 6; ++p)
    for (int f = 1; f <= 4; ++f) EXPECT_EQ(professionStartShip(p, f), ships[p - 1][f - 1]) << p << " " << f;
  EXPECT_EQ(professionShipLabel(3, 2), "Stargun fighter");
  EXPECT_EQ(professionShipLabel(2, 4), "Starwolf fighter");

  const std::array<int, 6> abilities = {1, 1, 11, 11, 27, 27};
  for (int p = 1; p <= 6; ++p) EXPECT_EQ(professionAbility(p), abilities[p - 1]) << p;
  EXPECT_EQ(professionAbilityLabel(4), "Tracking");
  EXPECT_EQ(professionCombatActions(1), (std::array<int, 3>{10, 11, 22}));
  EXPECT_EQ(professionCombatActions(4), (std::array<int, 3>{10, 7, 12}));
  EXPECT_EQ(professionCombatLabels(6), (std::array<std::string, 3>{"Flee,", "Discipline,", "Tractor beam,"}));
  EXPECT_EQ(professionCombatLabels(2), (std::array<std::string, 3>{"Taunt,", "Discipline,", "Focused shield"}));
  EXPECT_NE(professionDescription(3).find("You\u2019ll fulfill"), std::string::npos);
  EXPECT_EQ(professionName(6), "Pirates");

  EXPECT_EQ(factionSelectionName(3), "Coalition");
  EXPECT_EQ(factionSelectionName(4), "Syndicate");
  EXPECT_NE(factionSummary(4).find("illegal traders and pirates"), std::string::npos);
  EXPECT_EQ(crewTypeTopic(30), "Crewmen");
  EXPECT_EQ(crewTypeTopic(34), "Battle droids");
  EXPECT_NE(crewTypeText(33).find("foul deeds"), std::string::npos);
}

TEST_F(CatalogueCareer, EveryLookupIsTotal) {
  Game.Player[Pl::Rank] = 7;  // the admiral rule must not reach unknown ids
  for (int bad : {INT_MIN, -5, -1, 38, 1000, INT_MAX}) {
    EXPECT_EQ(rankName(bad) + rankShortName(bad), "") << bad;
    EXPECT_EQ(combatActionName(bad) + combatActionPicture(bad) + combatActionDescription(bad) +
                  combatActionEffectText(bad), "") << bad;
    EXPECT_EQ(combatActionCost(bad) + combatEffectTurns(bad), 0) << bad;
    EXPECT_EQ(abilityName(bad) + abilityPicture(bad) + abilityDescription(bad), "") << bad;
    EXPECT_EQ(professionName(bad) + professionDescription(bad) + professionAbilityLabel(bad), "") << bad;
    EXPECT_EQ(professionAbility(bad) + professionStartShip(bad, 1) + professionStartShip(3, bad), 0) << bad;
    EXPECT_EQ(professionStartShip(1, bad) + professionStartShip(2, bad), 0) << bad;  // fixed ships too
    EXPECT_EQ(professionShipLabel(bad, 1) + professionShipLabel(3, bad) + professionShipLabel(1, bad), "") << bad;
    EXPECT_EQ(professionCombatLabels(bad), (std::array<std::string, 3>{"", "", ""})) << bad;
    EXPECT_EQ(factionSelectionName(bad) + factionSummary(bad), "") << bad;
    EXPECT_EQ(crewTypeTopic(bad) + crewTypeText(bad), "") << bad;
  }
  EXPECT_EQ(abilityName(0) + combatActionName(0) + crewTypeText(29) + crewTypeText(35), "");
}

}  // namespace
}  // namespace qm
