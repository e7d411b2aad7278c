// The mission board generator: which kinds each ship class and board gets,
// the rewards, the capital-ship conversion, the bounded searches, briefings.
#include <gtest/gtest.h>

#include <set>

#include "catalogue/ships.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/missions.h"
#include "world/new_game.h"

namespace qm {
namespace {

constexpr int kStarwolf = 1, kShadowcat = 6, kPatton = 9, kNeptun = 13, kMarauder = 16;

class Offers : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(11);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;  // a Starwolf at Earth
    StartNewGame(c);
    for (int s = 1; s <= kSystems; ++s) Game.SystemData[s][Sys::UnderAttack] = 0;
    fe.shown.clear();
  }
  void Fly(int shipType) { Game.Ship[Sh::ShipType] = shipType; }
  // An invasion of system s by `attacker`, the player's faction defending or attacking.
  void Invade(int s, int attacker) {
    Game.SystemData[s][Sys::UnderAttack] = 1;
    Game.SystemData[s][Sys::Attacker] = attacker;
    const int owner = Game.SystemData[s][Sys::Owner];
    Game.FactionData[owner][Fac::RelationBase + attacker] = 1;
    Game.FactionData[attacker][Fac::RelationBase + owner] = 1;
  }
  // Types offered on board `s` over `runs` fresh boards.
  std::set<int> TypesOn(int s, int runs) {
    std::set<int> types;
    for (int r = 0; r < runs; ++r) {
      RegenerateMissionBoards();
      for (int o = 1; o <= kMissionOffers; ++o)
        if (Game.Missions[s][o][Mis::Active] > 0) types.insert(Game.Missions[s][o][Mis::Type]);
    }
    return types;
  }
  test::ScriptedFrontend fe;
};

TEST_F(Offers, AFighterBoardStartsWithTransportPatrolAndSearch) {
  for (int s = 1; s <= kSystems; ++s)
    for (int o = 0; o <= 7; ++o) Game.Missions[s][o].fill(0);
  GenerateMissionOffers();  // one slot per board and run: the highest free one
  EXPECT_EQ(Game.Missions[1][6][Mis::Type], 3);
  EXPECT_EQ(Game.Missions[1][5][Mis::Active], 0);
  GenerateMissionOffers();
  EXPECT_EQ(Game.Missions[1][5][Mis::Type], 2);
  GenerateMissionOffers();
  const int third = Game.Missions[1][4][Mis::Type];
  EXPECT_TRUE(third == 1 || third == 4) << third;  // a search, or its capital-ship form
  // A fighter on a board under invasion still gets civil offers, for no campaign.
  Invade(2, 2);
  for (int run = 0; run < 10; ++run) {
    RegenerateMissionBoards();
    for (int o = 1; o <= kMissionOffers; ++o) {
      const IntRow& m = Game.Missions[2][o];
      ASSERT_GT(m[Mis::Active], 0);
      EXPECT_EQ(m[Mis::CampaignSystem], 0);
      EXPECT_LE(m[Mis::Type], 4);
    }
  }
}

TEST_F(Offers, CivilTablesByShipClassAndFaction) {
  Fly(kShadowcat);
  const std::set<int> corvette = TypesOn(1, 40);
  for (int t : corvette) EXPECT_TRUE(t == 1 || t == 4 || (t >= 5 && t <= 8)) << t;
  EXPECT_TRUE(corvette.count(5) && corvette.count(7)) << "bounty and special forces are offered";

  Fly(kMarauder);
  Game.FactionData[1][Fac::RelationBase + 2] = Game.FactionData[2][Fac::RelationBase + 1] = 1;
  const std::set<int> battleship = TypesOn(1, 40);
  for (int t : battleship) EXPECT_TRUE(t == 1 || t == 4 || t == 7 || t == 8 || (t >= 20 && t <= 25)) << t;
  EXPECT_TRUE(battleship.count(20) && battleship.count(22)) << "fleet missions for a battleship";
  EXPECT_EQ(battleship.count(5), 0u) << "no pirate is a battleship: the bounty search fails";

  // Only the Trading Coalition's pilots are offered the market analysis.
  Fly(kPatton);
  EXPECT_EQ(TypesOn(1, 30).count(19), 0u);
  Game.Player[Pl::Faction] = 3;
  EXPECT_EQ(TypesOn(16, 60).count(19), 1u);
}

TEST_F(Offers, MilitaryTablesOnCampaignBoards) {
  // The Federation defends Carse (2) against the Outer Rim, and attacks Sirius' neighbour.
  Invade(2, 2);
  Fly(kNeptun);
  const std::set<int> cruiser = TypesOn(2, 40);
  for (int t : cruiser) EXPECT_TRUE(t >= 9 && t <= 18) << t;
  EXPECT_TRUE(cruiser.count(17)) << "a defended system is evacuated";
  EXPECT_EQ(cruiser.count(16), 0u) << "marines land only where the player's faction attacks";
  for (int o = 1; o <= kMissionOffers; ++o)
    if (Game.Missions[2][o][Mis::Active] > 0) EXPECT_EQ(Game.Missions[2][o][Mis::CampaignSystem], 2);

  Fly(kMarauder);
  const std::set<int> battleship = TypesOn(2, 40);
  for (int t : battleship) EXPECT_TRUE((t >= 9 && t <= 18) || t == 23 || t == 24 || t == 26) << t;
  EXPECT_TRUE(battleship.count(24));
  EXPECT_EQ(battleship.count(23), 0u) << "no bombing run on the player's own planets";
}

TEST_F(Offers, LandingsAndEvacuationsHappenInTheCampaignSystem) {
  // Wherever the ship is, marines land in the attacked system and civilians
  // leave the defended one.
  Invade(2, 2);   // Carse, defended by the player's Federation
  Invade(5, 1);   // N. Manchester of the Trading Coalition, attacked by it
  Fly(kPatton);
  Game.Ship[Sh::System] = 20;
  int landings = 0, evacuations = 0;
  for (int run = 0; run < 40; ++run) {
    RegenerateMissionBoards();
    for (int board : {2, 5})
      for (int o = 1; o <= kMissionOffers; ++o) {
        const IntRow& m = Game.Missions[board][o];
        if (m[Mis::Active] == 0) continue;
        if (m[Mis::Type] == 16) {
          ++landings;
          EXPECT_EQ(board, 5);
          EXPECT_EQ(m[Mis::Nav2System], 5);
          EXPECT_EQ(Game.SystemData[m[Mis::Nav1System]][Sys::Owner], 1) << "marines gather at home";
        }
        if (m[Mis::Type] == 17) {
          ++evacuations;
          EXPECT_EQ(board, 2);
          EXPECT_EQ(m[Mis::Nav1System], 2);
          EXPECT_EQ(m[Mis::System], 2) << "the first stop is the pick-up";
        }
      }
  }
  EXPECT_GT(landings, 0);
  EXPECT_GT(evacuations, 0);
}

TEST_F(Offers, EnemyFactionsAndShipsFollowTheirTables) {
  for (int f = 1; f <= kFactions; ++f)
    for (int g = 1; g <= kFactions; ++g) Game.FactionData[f][Fac::RelationBase + g] = 0;
  std::set<int> peace, war;
  for (int i = 0; i < 500; ++i) peace.insert(PickHostileFaction(2, 1));
  EXPECT_EQ(peace, (std::set<int>{0, 1}));
  Game.FactionData[1][Fac::RelationBase + 3] = 1;
  for (int i = 0; i < 500; ++i) war.insert(PickHostileFaction(3, 1));
  EXPECT_EQ(war, (std::set<int>{0, 1, 3}));
  // Ships by affiliation: pirates never fly a faction's own design, the
  // Federation flies its Avenger, nobody flies a Paladin but the Federation.
  for (int i = 0; i < 500; ++i) {
    const int pirate = PickMissionShipType(2, 5, 1, 0);
    ASSERT_GE(pirate, 1);
    EXPECT_NE(shipStat(pirate, Stat::FieldedBy), -1);
    EXPECT_NE(PickMissionShipType(2, 5, 2, 4), 7) << "the Paladin is the Federation's";
  }
  // In the player's capital an enemy of the player comes no bigger than a corvette.
  Fly(kMarauder);
  for (int i = 0; i < 300; ++i) EXPECT_LE(shipStat(PickMissionShipType(1, 1, 5, 2), Stat::Class), 2);
}

TEST_F(Offers, RewardsStayInTheirRanges) {
  Fly(kShadowcat);
  for (int i = 0; i < 2000; ++i) {
    const int r = RollMissionReward(2);
    ASSERT_GE(r, 20000);
    ASSERT_LE(r, 39999);
  }
  Fly(kMarauder);
  for (int i = 0; i < 2000; ++i) {
    const int r = RollMissionReward(4);
    ASSERT_GE(r, 500000);
    ASSERT_LE(r, 999999);
  }
  // Offers of a fighter: transports RollMissionReward(2), patrols a third of (1),
  // fights the target's price over 17..21.
  Fly(kStarwolf);
  for (int run = 0; run < 30; ++run) {
    RegenerateMissionBoards();
    for (int s = 1; s <= kSystems; ++s)
      for (int o = 1; o <= kMissionOffers; ++o) {
        const IntRow& m = Game.Missions[s][o];
        const int reward = m[Mis::Reward];
        if (m[Mis::Type] == 3) EXPECT_TRUE(reward >= 10000 && reward <= 19999) << reward;
        if (m[Mis::Type] == 2) EXPECT_TRUE(reward >= 5000 / 3 && reward <= 9999 / 3) << reward;
        if (m[Mis::Type] == 1 || m[Mis::Type] == 4) {
          const int price = shipStat(m[Mis::Object], Stat::Price);
          EXPECT_TRUE(reward >= price / 21 && reward <= price / 17) << reward << " for " << price;
        }
      }
  }
}

TEST_F(Offers, BiggerTargetsBecomeAmbushes) {
  int ambushes = 0;
  for (int run = 0; run < 20; ++run) {
    RegenerateMissionBoards();
    for (int s = 1; s <= kSystems; ++s)
      for (int o = 1; o <= kMissionOffers; ++o) {
        const IntRow& m = Game.Missions[s][o];
        const int cls = shipStat(m[Mis::Object], Stat::Class);
        if (m[Mis::Type] == 1) EXPECT_EQ(cls, 1);
        if (m[Mis::Type] == 4) {
          EXPECT_GT(cls, 1);
          ++ambushes;
        }
        if (m[Mis::Type] == 1 || m[Mis::Type] == 4) EXPECT_EQ(shipStat(m[Mis::Object], Stat::Role), 1);
      }
  }
  EXPECT_GT(ambushes, 0);
  // The same conversion when the build rule is asked for a search directly.
  IntRow m;
  for (int i = 0; i < 200 && m[Mis::Type] != 4; ++i) {
    m.fill(0);
    BuildMissionOffer(m, 1, 1);
  }
  ASSERT_EQ(m[Mis::Type], 4);
  EXPECT_EQ(m[Mis::Active], 1);
}

TEST_F(Offers, FailedSearchesLeaveTheSlotEmpty) {
  IntRow m;
  // No war: no homeworld to strike, no flanking target.
  for (int f = 1; f <= kFactions; ++f)
    for (int g = 1; g <= kFactions; ++g) Game.FactionData[f][Fac::RelationBase + g] = 0;
  Fly(kMarauder);
  for (int type : {20, 21, 8, 25, 26, 16, 23}) {
    m.fill(0);
    BuildMissionOffer(m, type, 1);
    EXPECT_EQ(m[Mis::Active], 0) << type;
    for (int f = 0; f <= 99; ++f) ASSERT_EQ(m[f], 0) << "type " << type << " field " << f;
  }
  // A battleship bounty: no pirate ship is big enough, so all 1001 draws fail
  // and nothing of an unsuitable draw is kept.
  for (int i = 0; i < 5; ++i) {
    m.fill(0);
    BuildMissionOffer(m, 5, 1);
    EXPECT_EQ(m[Mis::Active], 0);
    EXPECT_EQ(m[Mis::Object], 0);
  }
  // The Flagship is never offered.
  m.fill(0);
  BuildMissionOffer(m, 27, 1);
  EXPECT_EQ(m[Mis::Active], 0);
}

TEST_F(Offers, EveryBriefingHasText) {
  IntRow& m = Game.ActiveMission;
  m.fill(0);
  m[Mis::Active] = 1;
  m[Mis::Location] = 4;
  m[Mis::System] = 1;
  for (int type = 1; type <= kMissionTypes; ++type) {
    std::set<std::string> texts;
    for (int v = 1; v <= MissionTextVariants(type); ++v) {
      m[Mis::TextVariant] = v;
      const std::string text = MissionDescription(type, true, 0, 0);
      EXPECT_GT(text.size(), 40u) << type << "/" << v;
      EXPECT_EQ(text.find('{'), std::string::npos) << text;
      EXPECT_EQ(m[Mis::TextVariant], v) << "a stored variant is kept";
      if (type >= 22 && type <= 25) EXPECT_NE(text.find("Mars"), std::string::npos) << text;
      texts.insert(text);
    }
    const size_t pool = (type == 8 || type == 9 || (type >= 11 && type <= 19 && type != 12)) ? 1
                        : (type == 10 || type == 12)                                         ? 2
                                                                                             : MissionTextVariants(type);
    EXPECT_EQ(texts.size(), pool) << type;
    // A variant not chosen yet is drawn from 1..N, never as the empty 0.
    for (int i = 0; i < 50; ++i) {
      m[Mis::TextVariant] = 0;
      EXPECT_FALSE(MissionDescription(type, true, 0, 0).empty());
      EXPECT_GE(m[Mis::TextVariant], 1);
      EXPECT_LE(m[Mis::TextVariant], MissionTextVariants(type));
    }
  }
  EXPECT_EQ(MissionName(1), "Search & Destroy");
  EXPECT_EQ(MissionPanelName(10), "Combat Patrol");
  EXPECT_EQ(CallSignName(5, 2), "Razorteeth");
  EXPECT_EQ(CallSignName(18, 10), "Lady");
  EXPECT_EQ(CallSignName(18, 11), "Troublemaker");
}

TEST_F(Offers, NewShipNewBoards) {
  RegenerateMissionBoards();
  Fly(kMarauder);
  RegenerateMissionBoards();
  for (int s = 1; s <= kSystems; ++s)
    for (int o = 1; o <= kMissionOffers; ++o) {
      const IntRow& m = Game.Missions[s][o];
      if (m[Mis::Active] == 0) continue;
      EXPECT_NE(m[Mis::Type], 2) << "no fighter patrols are left";
      EXPECT_NE(m[Mis::Type], 3);
    }
}

}  // namespace
}  // namespace qm
