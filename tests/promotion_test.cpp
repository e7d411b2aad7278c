#include <gtest/gtest.h>

#include "catalogue/career.h"
#include "catalogue/ships.h"
#include "combat/combat_state.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/abilities.h"
#include "world/money.h"
#include "world/new_game.h"
#include "world/promotion.h"

namespace qm {
namespace {

class Promotion : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(3);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;  // Trader ability, Starwolf fighter
    StartNewGame(c);
    fe.shown.clear();
    fe.onShow = [this](Screen s) {
      if (s != Screen::Abilities) return;
      opened.push_back(AbilityScreen().treeKind);
      if (pick > 0) ChooseAbilityById(pick);
    };
  }
  // Brings the pilot to `level` with the experience to be promoted once.
  void ReadyAt(int level) {
    Game.Player[Pl::Level] = level;
    Game.Player[Pl::Experience] = experienceForLevel(level);
  }
  test::ScriptedFrontend fe;
  std::vector<int> opened;  // tree kinds of the ability screens shown
  int pick = 0;
};

TEST_F(Promotion, ExperienceBeyondTheThresholdIsLostAndPromotionsDoNotChain) {
  Game.Player[Pl::Experience] = 7000;
  const int lives = Game.Player[Pl::Lifepoints];
  const int ribbons = Game.Player[Pl::Ribbons];
  GainExperience(15000);
  EXPECT_EQ(Game.Player[Pl::Level], 2);
  EXPECT_EQ(Game.Player[Pl::Experience], 0);
  EXPECT_EQ(Game.Player[Pl::Lifepoints], lives + 1);
  EXPECT_EQ(Game.Player[Pl::Ribbons], ribbons + 1);
  EXPECT_TRUE(fe.sawTopic("Congratulations!"));
  EXPECT_TRUE(fe.sawTopic("New non-combat skill"));
  EXPECT_EQ(opened, std::vector<int>{1});

  Game.Player[Pl::Experience] = 100000000;
  CheckPromotion();
  EXPECT_EQ(Game.Player[Pl::Level], 3);  // one level per check
  CheckPromotion();
  EXPECT_EQ(Game.Player[Pl::Level], 3);
  Game.Player[Pl::Experience] = experienceForLevel(3) - 1;
  CheckPromotion();
  EXPECT_EQ(Game.Player[Pl::Level], 3);
}

TEST_F(Promotion, LevelNineteenNeverPromotes) {
  ReadyAt(19);
  GainExperience(50000000);
  EXPECT_EQ(Game.Player[Pl::Level], 19);
  EXPECT_GT(Game.Player[Pl::Experience], 50000000);
  EXPECT_FALSE(fe.sawTopic("Congratulations!"));
}

TEST_F(Promotion, AwardsByLevel) {
  ReadyAt(1);
  CheckPromotion();  // level 2: a ribbon
  ASSERT_FALSE(fe.shown.empty());
  bool ribbonShown = false;
  for (const auto& s : fe.shown)
    ribbonShown |= s.text.find("For your great efforts the Federation high command awards you: \"Operation "
                               "Spearhead\" campaign ribbon \"") == 0 && s.picture == "Fed-Ribbon1.jpg";
  EXPECT_TRUE(ribbonShown);

  ReadyAt(3);
  const int ribbons = Game.Player[Pl::Ribbons];
  CheckPromotion();  // level 4: a rank and a combat ability
  EXPECT_EQ(Game.Player[Pl::Rank], 2);
  EXPECT_EQ(Game.Player[Pl::Ribbons], ribbons);
  EXPECT_TRUE(fe.sawTopic("New combat skill"));
  EXPECT_EQ(opened.back(), 2);

  ReadyAt(17);
  Game.Player[Pl::Rank] = 6;
  fe.shown.clear();
  const size_t screens = opened.size();
  CheckPromotion();  // level 18: admiral, the standard actions improve instead of a pick
  EXPECT_EQ(Game.Player[Pl::Rank], 7);
  ASSERT_TRUE(fe.sawTopic("Skill upgrade!"));
  for (const auto& s : fe.shown) {
    if (s.topic != "Skill upgrade!") continue;
    EXPECT_NE(s.text.find("Your standard \"Fire guns\", \"Fire missiles\" and \"ECM\" abilities have been upgraded."),
              std::string::npos);
  }
  EXPECT_EQ(opened.size(), screens);

  ReadyAt(18);
  fe.shown.clear();
  CheckPromotion();  // level 19: Sargoth in Finis, still Federation
  EXPECT_EQ(Game.Player[Pl::OwnPlanetPromised], 1);
  ASSERT_TRUE(fe.sawTopic("Your own planet!"));
  for (const auto& s : fe.shown)
    if (s.topic == "Your own planet!") {
      EXPECT_EQ(s.text.rfind("Congratulations! For your good services the government has granted you the ownership "
                             "of the planet Sargoth in the Finis system.", 0), 0u);
      EXPECT_EQ(s.picture.substr(s.picture.size() - 5), "r.jpg");
    }
  EXPECT_EQ(opened.back(), 1);

  // A faction that lost its planet is only promised it.
  Game.Player[Pl::Faction] = 2;
  Game.LocationData[14][5][Loc::Owner] = 3;
  ReadyAt(18);
  fe.shown.clear();
  CheckPromotion();
  ASSERT_TRUE(fe.sawTopic("Your own planet!"));
  for (const auto& s : fe.shown)
    if (s.topic == "Your own planet!") {
      EXPECT_EQ(s.text.rfind("Your government has promised you to grant you the planet New Aberdeen in the New "
                             "Scotland system.", 0), 0u);
    }
}

TEST_F(Promotion, EveryRibbonHasANameAndAMotto) {
  for (int f = 1; f <= 4; ++f)
    for (int level : {2, 3, 5, 6, 8, 9, 11, 12, 14, 16, 17}) {
      EXPECT_FALSE(RibbonName(f, level).empty()) << f << "/" << level;
      const std::string motto = RibbonMotto(f, level);
      ASSERT_GE(motto.size(), 3u);
      EXPECT_EQ(motto.front(), '"');
      EXPECT_EQ(motto.back(), '"');
    }
  EXPECT_EQ(RibbonName(2, 8), "Wearing of the Green");
  EXPECT_EQ(RibbonName(4, 16), "\"Berlin will fall\"");
  EXPECT_EQ(RibbonName(3, 2), "A New Day");
  EXPECT_EQ(RibbonName(1, 4), "");  // a rank level has no ribbon
  EXPECT_EQ(RibbonNumber(17), 11);
}

TEST_F(Promotion, TreePrerequisites) {
  auto& nca = Game.NonCombatAbilities;
  for (int id = 1; id <= 40; ++id) nca[id] = 0;
  EXPECT_TRUE(PrerequisitesMet(1, 1, 1));
  EXPECT_TRUE(PrerequisitesMet(1, 1, 2));
  for (int pos = 3; pos <= 10; ++pos) EXPECT_FALSE(PrerequisitesMet(1, 1, pos)) << pos;
  nca[TreeAbility(1, 1, 1)] = 1;  // Trader opens 3 and 4
  EXPECT_TRUE(PrerequisitesMet(1, 1, 3));
  EXPECT_TRUE(PrerequisitesMet(1, 1, 4));
  EXPECT_FALSE(PrerequisitesMet(1, 1, 5));
  EXPECT_FALSE(PrerequisitesMet(1, 1, 7));

  // Combat tree position 8 needs 4 or 5, like the others; 10 needs 7, 8 or 9.
  auto& ca = Game.CombatAbilities;
  for (int id = 4; id <= 37; ++id) ca[id] = 0;
  EXPECT_FALSE(PrerequisitesMet(2, 2, 8));
  ca[TreeAbility(2, 2, 5)] = 1;
  EXPECT_TRUE(PrerequisitesMet(2, 2, 8));
  EXPECT_FALSE(PrerequisitesMet(2, 2, 10));
  ca[TreeAbility(2, 2, 9)] = 1;
  EXPECT_TRUE(PrerequisitesMet(2, 2, 10));
  EXPECT_EQ(TreeAbility(2, 2, 10), 34);
  EXPECT_EQ(TreeAbility(1, 3, 2), 27);
  EXPECT_EQ(TreeAbility(3, 1, 1), 0);
}

TEST_F(Promotion, LearningOnTheAbilityScreen) {
  auto& nca = Game.NonCombatAbilities;
  // Already learned, then missing prerequisites: refused, the screen stays open.
  pick = 1;  // Trader, the profession's own
  ReadyAt(1);
  CheckPromotion();
  EXPECT_TRUE(fe.sawTopic("N/A"));
  EXPECT_EQ(fe.shown.back().text.rfind("You already learned this ability.", 0), 0u);

  fe.shown.clear();
  pick = 20;  // Legendary, the last of the Mercenary tree
  ReadyAt(2);
  CheckPromotion();
  EXPECT_EQ(nca[20], 0);
  EXPECT_EQ(fe.shown.back().text.rfind("You cannot learn this ability yet.", 0), 0u);

  // "No" learns nothing; "yes" learns and closes the screen.
  pick = 11;
  fe.answer(false);
  ReadyAt(1);
  CheckPromotion();
  EXPECT_EQ(nca[11], 0);
  EXPECT_EQ(fe.shown.back().topic, "Tracking");
  EXPECT_NE(fe.shown.back().text.find(" Do you wish to learn this ability?"), std::string::npos);
  ReadyAt(1);
  CheckPromotion();
  EXPECT_EQ(nca[11], 1);
  EXPECT_FALSE(AbilityScreen().open);

  // Outside an open screen nothing can be learned.
  EXPECT_FALSE(ChooseAbilityById(13));
  EXPECT_EQ(nca[13], 0);

  // The first available ability: Trade position 2 (Connections) once Trader is known.
  pick = 0;
  fe.onShow = [](Screen s) {
    if (s == Screen::Abilities) ChooseFirstAvailableAbility();
  };
  ReadyAt(1);
  CheckPromotion();
  EXPECT_EQ(nca[5], 1);
}

TEST_F(Promotion, AChoiceClosedWithoutAPickIsKeptUntilThePlayerTakesIt) {
  auto& nca = Game.NonCombatAbilities;
  // Three refusals: the ability screen closes with nothing learned each time.
  pick = 0;
  for (int i = 0; i < 3; ++i) {
    ReadyAt(1);
    CheckPromotion();
  }
  EXPECT_EQ(PendingAbilityPicks(1), 3);
  EXPECT_EQ(PendingAbilityPicks(2), 0);
  EXPECT_EQ(LearnedInCategory(1, 1) + LearnedInCategory(1, 2) + LearnedInCategory(1, 3), 1) << "nothing taken for them";

  // Taking one of the kept picks uses it up; a choice left again keeps it.
  ASSERT_TRUE(OpenPendingAbilityPick(1));
  EXPECT_TRUE(AbilityScreen().open);
  EXPECT_EQ(AbilityScreen().treeKind, 1);
  EndPendingAbilityPick();
  EXPECT_FALSE(AbilityScreen().open);
  EXPECT_EQ(PendingAbilityPicks(1), 3);
  ASSERT_TRUE(OpenPendingAbilityPick(1));
  EXPECT_TRUE(ChooseAbilityById(11));
  EndPendingAbilityPick();
  EXPECT_EQ(nca[11], 1);
  EXPECT_EQ(PendingAbilityPicks(1), 2);
  // A refused learning does not use it up.
  ASSERT_TRUE(OpenPendingAbilityPick(1));
  EXPECT_FALSE(ChooseAbilityById(11));
  EndPendingAbilityPick();
  EXPECT_EQ(PendingAbilityPicks(1), 2);
  // A promotion's own pick made on its screen leaves the kept ones alone.
  pick = 13;
  ReadyAt(1);
  CheckPromotion();
  EXPECT_EQ(nca[13], 1);
  EXPECT_EQ(PendingAbilityPicks(1), 2);
  EXPECT_FALSE(OpenPendingAbilityPick(2)) << "none kept of the combat kind";

  // With every ability learned nothing is on offer and nothing is kept.
  for (int c = 1; c <= 3; ++c)
    for (int p = 1; p <= 10; ++p) nca[TreeAbility(1, c, p)] = 1;
  EXPECT_FALSE(AbilityOnOffer(1));
  EXPECT_FALSE(OpenPendingAbilityPick(1));
  pick = 0;
  ReadyAt(1);
  CheckPromotion();
  EXPECT_EQ(PendingAbilityPicks(1), 2);
}

TEST_F(Promotion, MedalsForFeats) {
  const int fighter = Game.Ship[Sh::ShipType];
  int bigger = 0;
  for (int t = 1; t <= kShipTypes && !bigger; ++t)
    if (shipStat(t, Stat::Class) > shipStat(fighter, Stat::Class)) bigger = t;
  AwardSilverStar(bigger, 1);  // the player's own faction
  EXPECT_EQ(Game.Player[Pl::SilverStar], 0);
  AwardSilverStar(fighter, 3);  // not bigger
  EXPECT_EQ(Game.Player[Pl::SilverStar], 0);
  Combat.EnemyShip[Sh::ShipType] = bigger;
  Combat.EnemyShip[Sh::ShipFaction] = 0;
  AwardSilverStar();
  EXPECT_EQ(Game.Player[Pl::SilverStar], 1);
  EXPECT_EQ(fe.shown.back().picture, "Fed-Medal-SilverStar.jpg");
  EXPECT_NE(fe.shown.back().text.find("\"Silver Star\" medal \"For exceptional bravery in influencing our war efforts.\""),
            std::string::npos);
  AwardSilverStar();
  EXPECT_EQ(fe.count("Promotion"), 1);  // once only

  AwardGoldStar(bigger);
  EXPECT_EQ(Game.Player[Pl::GoldStar], 0);
  Game.Player[Pl::Faction] = 4;
  AwardGoldStar(kStarbase);
  EXPECT_EQ(Game.Player[Pl::GoldStar], 1);
  EXPECT_EQ(fe.shown.back().picture, "Coal-Medal-GoldStar.jpg");
  EXPECT_NE(fe.shown.back().text.find("\"Gold Cross\""), std::string::npos);
}

TEST_F(Promotion, PromotionsAndMedalsPlayTheRewardTuneWhileSoundEffectsAreOn) {
  ReadyAt(2);
  CheckPromotion();
  EXPECT_EQ(fe.tunes, std::vector<std::string>{"1 Reward2.ogg"});
  AwardGoldStar(kStarbase);
  EXPECT_EQ(fe.tunes.size(), 2u);
  General.Option.SoundEffects = false;
  ReadyAt(3);
  CheckPromotion();
  EXPECT_EQ(Game.Player[Pl::Level], 4);
  EXPECT_EQ(fe.tunes.size(), 2u) << "silent with the effects switched off";
  General.Option.SoundEffects = true;
}

TEST_F(Promotion, UniformAndPersonalStatus) {
  Uniform u = ShowUniform();
  EXPECT_EQ(u.body, "Uni-Fed-blank.jpg");
  EXPECT_EQ(u.shoulder, "Uni-Fed-ensign-shoulder.jpg");
  EXPECT_EQ(u.collar, "Uni-Fed-ensign-collar.jpg");
  EXPECT_EQ(u.wings, "Fed-Pilotwings.jpg");
  EXPECT_EQ(u.awards[0], "Fed-Ribbon1.jpg");
  EXPECT_EQ(u.awards.back(), "awardplace.jpg");

  Game.Player[Pl::Rank] = 7;
  Game.Player[Pl::Gender] = 2;
  Game.Player[Pl::Faction] = 3;
  Game.Player[Pl::GoldStar] = 1;
  u = ShowUniform();
  EXPECT_EQ(u.body, "Uni-Coal-blank-com-fem.jpg");
  EXPECT_EQ(u.shoulder, "");  // hidden at rank 7
  EXPECT_EQ(u.awards[static_cast<size_t>(Game.Player[Pl::Ribbons])], "Coal-Medal-GoldStar.jpg");
  Game.Player[Pl::Rank] = 8;
  EXPECT_EQ(ShowUniform().shoulder, "Uni-Coal-Adm-shoulder.jpg");

  Game.PlayerName = "Mira";
  Game.Player[Pl::MissionsCompleted] = 12;
  Game.Player[Pl::KilledCorvettes] = 2;
  Game.Player[Pl::CargoTraded] = 100000001;
  const std::string text = PersonalStatusText();
  EXPECT_EQ(text.rfind("During your career you were known as \"Mira\". You successfully completed 12 missions.", 0), 0u);
  EXPECT_NE(text.find(" 2 corvette(s),"), std::string::npos);
  EXPECT_NE(text.find("traded more than 100 million units of cargo."), std::string::npos);
  EXPECT_NE(text.find("Due to your help the Trading Coalition could successfully complete 0 invasion operation(s)"),
            std::string::npos);
  EXPECT_NE(text.find("\"lives\" left"), std::string::npos);
}

TEST_F(Promotion, AwardsWornCarryTheNamesTheirAwardsWereGivenWith) {
  Game.Player[Pl::Faction] = 2;
  Game.Player[Pl::Ribbons] = 3;
  Game.Player[Pl::SilverStar] = 0;
  Game.Player[Pl::GoldStar] = 1;
  Game.Player[Pl::MedalOfHonor] = 0;
  std::vector<AwardWorn> worn = AwardsWorn();
  ASSERT_EQ(worn.size(), 4u);
  // The third ribbon is the one of level 5, the gold medal comes after the ribbons.
  EXPECT_EQ(worn[0].picture, "Outerrim-Ribbon1.jpg");
  EXPECT_EQ(worn[0].name, RibbonName(2, 2) + " campaign ribbon");
  EXPECT_EQ(worn[2].picture, "Outerrim-Ribbon3.jpg");
  EXPECT_EQ(worn[2].motto, RibbonMotto(2, 5));
  EXPECT_FALSE(worn[2].medal);
  EXPECT_TRUE(worn[3].medal);
  EXPECT_EQ(worn[3].picture, "Outerrim-Medal-GoldStar.jpg");
  EXPECT_EQ(worn[3].name, "\"Gold Eagle\" medal");

  // More ribbons than campaigns (a cheat) still wear eleven; every medal after them.
  Game.Player[Pl::Ribbons] = 14;
  Game.Player[Pl::SilverStar] = 1;
  Game.Player[Pl::MedalOfHonor] = 1;
  worn = AwardsWorn();
  ASSERT_EQ(worn.size(), 14u);
  EXPECT_EQ(worn[10].picture, "Outerrim-Ribbon11.jpg");
  EXPECT_EQ(worn[10].name, RibbonName(2, 17) + " campaign ribbon");
  EXPECT_EQ(worn[11].picture, "Outerrim-Medal-SilverStar.jpg");
  EXPECT_EQ(worn[13].picture, "MedalofHonor.jpg");
  for (const AwardWorn& a : worn) EXPECT_FALSE(a.motto.empty()) << a.picture;

  Game.Player[Pl::Ribbons] = 0;
  Game.Player[Pl::SilverStar] = Game.Player[Pl::GoldStar] = Game.Player[Pl::MedalOfHonor] = 0;
  EXPECT_TRUE(AwardsWorn().empty());
}

TEST_F(Promotion, RankInsigniaAndLevelProgress) {
  EXPECT_EQ(RankInsigniaPicture(1, 1), "Fed_Rank1.jpg");
  EXPECT_EQ(RankInsigniaPicture(2, 4), "OR_Rank4.jpg");
  EXPECT_EQ(RankInsigniaPicture(3, 7), "Coal_Rank7.jpg");
  EXPECT_EQ(RankInsigniaPicture(4, 8), "Synd_Rank8.jpg");
  EXPECT_EQ(RankInsigniaPicture(0, 3), "");
  EXPECT_EQ(RankInsigniaPicture(1, 9), "");

  Game.Player[Pl::Level] = 1;
  Game.Player[Pl::Experience] = 2000;  // of 8,000
  EXPECT_EQ(LevelProgressPercent(), 25);
  Game.Player[Pl::Experience] = 7999;
  EXPECT_EQ(LevelProgressPercent(), 99);
  Game.Player[Pl::Experience] = -50;
  EXPECT_EQ(LevelProgressPercent(), 0);
  Game.Player[Pl::Level] = 16;
  Game.Player[Pl::Experience] = 2000000000;  // far beyond 2,700,000, without overflow
  EXPECT_EQ(LevelProgressPercent(), 100);
  Game.Player[Pl::Level] = 19;
  Game.Player[Pl::Experience] = 0;
  EXPECT_EQ(LevelProgressPercent(), 100);
}

TEST_F(Promotion, TreeStructureAndLearnedCounts) {
  EXPECT_TRUE(PrerequisitePositions(1).empty());
  EXPECT_TRUE(PrerequisitePositions(2).empty());
  EXPECT_EQ(PrerequisitePositions(4), std::vector<int>{1});
  EXPECT_EQ(PrerequisitePositions(6), std::vector<int>{2});
  EXPECT_EQ(PrerequisitePositions(8), (std::vector<int>{4, 5}));
  EXPECT_EQ(PrerequisitePositions(10), (std::vector<int>{7, 8, 9}));
  EXPECT_TRUE(PrerequisitePositions(11).empty());

  for (int id = 0; id < 102; ++id) Game.NonCombatAbilities[id] = Game.CombatAbilities[id] = 0;
  EXPECT_EQ(LearnedInCategory(1, 1), 0);
  Game.NonCombatAbilities[1] = Game.NonCombatAbilities[8] = 1;  // Trader, Advanced Tycoon
  Game.NonCombatAbilities[11] = 1;                               // Tracking: the Mercenary tree
  Game.CombatAbilities[10] = 1;                                  // Taunt is in no tree
  Game.CombatAbilities[34] = 1;                                  // Focus beam II: Attack
  EXPECT_EQ(LearnedInCategory(1, 1), 2);
  EXPECT_EQ(LearnedInCategory(1, 2), 1);
  EXPECT_EQ(LearnedInCategory(1, 3), 0);
  EXPECT_EQ(LearnedInCategory(2, 1), 0);
  EXPECT_EQ(LearnedInCategory(2, 2), 1);
  EXPECT_EQ(LearnedInCategory(2, 3), 0);
}

}  // namespace
}  // namespace qm
