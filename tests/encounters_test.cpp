#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "catalogue/ships.h"
#include "combat/combat_state.h"
#include "combat/encounters.h"
#include "combat/scan.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/battle_frontend.h"
#include "world/new_game.h"

namespace qm {
namespace {

class Encounters : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(5);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;  // a Starwolf fighter at Earth, in the Federation capital Sol
    StartNewGame(c);
    for (int f = 1; f <= 4; ++f)
      for (int g = 1; g <= 4; ++g) Game.FactionData[f][Fac::RelationBase + g] = 0;
    Game.Player[Pl::CriminalFlag] = 0;
    Game.Player[Pl::Credits] = 10000;
    Game.Player[Pl::Rank] = 1;
    for (auto& row : Game.Cargo) row = 0;
    Game.ActiveMission[1] = 0;
    ClearSystemShips();
    qm::Run.TutorialActive = false;
    fe.shown.clear();
  }
  void War(int a, int b) {
    Game.FactionData[a][Fac::RelationBase + b] = 1;
    Game.FactionData[b][Fac::RelationBase + a] = 1;
  }
  // Rolls `days` travel days; returns the factions of the attackers met.
  std::multiset<int> Roll(int days) {
    std::multiset<int> met;
    fe.onCombat = [&] {
      met.insert(Combat.EnemyShip[Sh::ShipFaction]);
      EXPECT_GT(Combat.EnemyShip[Sh::ShipType], 0);
      EXPECT_EQ(shipStat(Combat.EnemyShip[Sh::ShipType], Stat::Role), 1);
    };
    for (int d = 0; d < days; ++d) {
      Game.Player[Pl::EncounterCounter] = 0;
      RollHostileEncounter();
    }
    return met;
  }
  IntRow& Contact(int row, int type, int kind, int faction, int speciality) {
    auto& r = Game.SystemShips[row];
    r.fill(0);
    r[1] = 1;
    r[2] = type;
    r[3] = kind;
    r[5] = faction;
    r[6] = 5;
    r[9] = speciality;
    return r;
  }
  test::BattleFrontend fe;
};

// Who attacks during travel

TEST_F(Encounters, APilotWithACleanRecordMeetsPiratesAndEnemiesOfTheOwnFaction) {
  War(1, 2);
  const auto met = Roll(20000);
  ASSERT_GT(met.size(), 50u);
  EXPECT_GT(met.count(0), 0u);
  EXPECT_GT(met.count(2), 0u);
  EXPECT_EQ(met.count(1), 0u);  // never the own faction
  EXPECT_EQ(met.count(3), 0u);  // never a faction at peace
  EXPECT_EQ(met.count(4), 0u);
}

TEST_F(Encounters, AWantedPilotMeetsPoliceButNoPirates) {
  Game.Player[Pl::CriminalFlag] = 50;
  const auto met = Roll(20000);
  ASSERT_GT(met.size(), 50u);
  EXPECT_EQ(met.count(0), 0u);
  EXPECT_GT(met.count(1), 0u);  // the owner's police, the own faction included
}

TEST_F(Encounters, TheDailyOddsFallWithCriminalisticsAndSensorsButStayAboveOnePercent) {
  const auto rate = [&] {
    fe.battles = 0;
    Roll(40000);
    return fe.battles * 1000 / 40000;  // per mille
  };
  EXPECT_NEAR(rate(), 30, 4);
  Game.NonCombatAbilities[9] = Game.NonCombatAbilities[10] = 1;  // criminalistics, both forms
  Game.Ship[Sh::ShipType] = 11;  // a Ferendar: extended sensors
  EXPECT_NEAR(rate(), 12, 3);   // 30 - 15, then a quarter less
  Game.SystemData[1][Sys::UnderAttack] = 1;  // a siege doubles the odds first
  EXPECT_NEAR(rate(), 23, 4);
}

TEST_F(Encounters, OneEncounterPerCountingPeriodAndNoneEarlyInTheTutorial) {
  int battles = 0;
  fe.onCombat = [&] { ++battles; };
  Game.Player[Pl::EncounterCounter] = 0;
  for (int d = 0; d < 20000; ++d) RollHostileEncounter();
  EXPECT_EQ(battles, 1);
  qm::Run.TutorialActive = true;
  Game.StarDate = 10;
  Roll(20000);
  EXPECT_EQ(fe.battles, 1);
}

TEST_F(Encounters, NoFittingWarshipMeansNoEncounterAndNeverAShipOfType0) {
  Game.Ship[Sh::ShipType] = 0;  // no class: no warship "not bigger" can be found
  EXPECT_TRUE(Roll(20000).empty());
  EXPECT_EQ(fe.battles, 0);
}

TEST_F(Encounters, APoliceFightNeedsAPatrolOfThePlayersClass) {
  Game.Player[Pl::CriminalFlag] = 40;
  int patrolType = 0;
  fe.onCombat = [&] { patrolType = Combat.EnemyShip[Sh::ShipType]; };
  PoliceFight();
  ASSERT_EQ(fe.battles, 1);
  EXPECT_EQ(shipStat(patrolType, Stat::Class), 1);
  EXPECT_EQ(shipStat(patrolType, Stat::Role), 1);
  EXPECT_EQ(Combat.EnemyShip[Sh::ShipFaction], 1);  // the system owner
  EXPECT_TRUE(fe.sawTopic("Hostile encounter!"));

  PoliceFight(PatrolClass::Larger);  // caught sneaking in: a bigger patrol
  ASSERT_EQ(fe.battles, 2);
  EXPECT_EQ(shipStat(patrolType, Stat::Class), 2);

  Game.Ship[Sh::ShipType] = 0;
  PoliceFight();
  EXPECT_EQ(fe.battles, 2);  // nobody came, and the flag stands
  EXPECT_EQ(Game.Player[Pl::CriminalFlag], 40);
}

TEST_F(Encounters, ALostEncounterRunsTheDeathHandling) {
  fe.onCombat = [] { Game.Ship[Sh::Alive] = 0; };
  Game.Player[Pl::Lifepoints] = 1;  // the last life
  Game.Player[Pl::EncounterCounter] = 0;
  for (int d = 0; d < 5000 && fe.battles == 0; ++d) RollHostileEncounter();
  ASSERT_EQ(fe.battles, 1);
  EXPECT_TRUE(qm::Run.GameEnded);
}

// Ships present in the system

TEST_F(Encounters, NewShipsArriveWithTheDailyChanceAndStayFourToSixDays) {
  const auto fillRate = [&] {
    int filled = 0;
    for (int i = 0; i < 4000; ++i) {
      Game.SystemShips[1].fill(0);
      GenerateSystemShip(1);
      filled += Game.SystemShips[1][1] > 0;
    }
    return filled * 100 / 4000;
  };
  EXPECT_NEAR(fillRate(), 30, 3);
  Game.NonCombatAbilities[11] = 1;  // Tracking
  EXPECT_NEAR(fillRate(), 45, 3);
  Game.NonCombatAbilities[12] = 1;  // Advanced tracking
  EXPECT_NEAR(fillRate(), 60, 3);
  Game.NonCombatAbilities[11] = Game.NonCombatAbilities[12] = 0;
  Game.Ship[Sh::Targeting] = 4;  // Advanced sensors
  EXPECT_NEAR(fillRate(), 45, 3);

  int kinds[4] = {};
  for (int i = 0; i < 4000; ++i) {
    auto& r = Game.SystemShips[1];
    r.fill(0);
    GenerateSystemShip(1);
    if (r[1] <= 0) continue;
    ++kinds[r[3]];
    EXPECT_GE(r[6], 4);
    EXPECT_LE(r[6], 6);
    ASSERT_GT(r[2], 0);
    EXPECT_EQ(shipStat(r[2], Stat::Role), r[3] == 1 ? 2 : 1);
    EXPECT_EQ(r[5] == 0, r[3] == 3);  // pirates and only pirates fly for faction 0
    EXPECT_TRUE(r[9] != 5 && !(r[3] == 2 && r[9] >= 2) && !(r[3] == 1 && r[9] == 2))
        << "war specialities appear only where a siege runs";
  }
  const int all = kinds[1] + kinds[2] + kinds[3];
  EXPECT_NEAR(kinds[1] * 100 / all, 45, 4);
  EXPECT_NEAR(kinds[2] * 100 / all, 35, 4);
  EXPECT_NEAR(kinds[3] * 100 / all, 20, 4);
}

TEST_F(Encounters, APresentShipIsNeverReplacedAndRowsClearWhenLeavingTheSystem) {
  auto& r = Contact(3, 1, 1, 1, 4);
  Game.Player[Pl::TreasureFleetSeen] = 1;
  GenerateSystemShip(3);
  EXPECT_EQ(r[2], 1);
  ClearSystemShips();
  EXPECT_EQ(r[1], 0);
  EXPECT_EQ(Game.Player[Pl::TreasureFleetSeen], 0);
}

TEST_F(Encounters, ATreasureShipIsAnnouncedToHackers) {
  Game.NonCombatAbilities[28] = 1;
  for (int i = 0; i < 20000 && Game.Player[Pl::TreasureFleetSeen] == 0; ++i) {
    Game.SystemShips[1].fill(0);
    GenerateSystemShip(1);
  }
  EXPECT_EQ(Game.SystemShips[1][9], 4);
  EXPECT_EQ(Game.Player[Pl::TreasureFleetSeen], 1);
  EXPECT_EQ(fe.count("Treasure fleet"), 1);
}

// Scan texts and hails

TEST_F(Encounters, ScanTextsStayTheSameWhileTheRecordExists) {
  Contact(1, 11, 1, 1, 2);
  const ScanView first = SelectScanRecord(1);
  EXPECT_EQ(first.name, "Federation Of Planets Ferendar (Transporter)");
  EXPECT_EQ(first.speciality, "Capture the VIP alive for a ransom of at least $ 120,000.");
  EXPECT_EQ(first.picture, "Federation_Ferendar_scene.jpg");
  for (int i = 0; i < 5; ++i) EXPECT_EQ(SelectScanRecord(1).description, first.description);
  EXPECT_EQ(ScannedRecord(), 1);
  CloseScanScreen();
  EXPECT_EQ(ScannedRecord(), 0);
  EXPECT_EQ(SelectScanRecord(2).name, "");  // nothing there
}

TEST_F(Encounters, EveryPoolHoldsTenDifferentSentences) {
  const auto distinct = [&](int kind, int speciality) {
    std::set<std::string> texts;
    for (int v = 1; v <= 10; ++v) {
      auto& r = Contact(1, kind == 1 ? 11 : 9, kind, kind == 3 ? 0 : 1, speciality);
      r[21] = 1;
      r[22] = v;
      r[23] = v;
      texts.insert(SelectScanRecord(1).description);
    }
    return texts.size();
  };
  for (int sp : {0, 2, 3, 4, 5}) EXPECT_EQ(distinct(1, sp), 10u) << "civilian pool " << sp;
  for (int sp : {0, 2, 3}) EXPECT_EQ(distinct(2, sp), 10u) << "military pool " << sp;
  EXPECT_EQ(distinct(3, 0), 10u);
  EXPECT_EQ(distinct(3, 2), 10u);
  std::set<std::string> nicknames;
  for (int n = 1; n <= 10; ++n) nicknames.insert(PirateNickname(n));
  EXPECT_EQ(nicknames.size(), 10u);
}

TEST_F(Encounters, APirateSentenceDrawnAsZeroIsEmptyUntilDrawnAgain) {
  auto& r = Contact(1, 1, 3, 0, 0);
  std::string shown;
  int seed = 0;
  do {
    SeedRandom(static_cast<uint64_t>(++seed));
    r[21] = r[22] = 0;
    shown = SelectScanRecord(1).description;
  } while ((r[21] != 0 || r[22] == 0) && seed < 2000);
  ASSERT_EQ(r[21], 0);
  r[21] = 1;  // what the next draw could give: the opening now comes first
  EXPECT_EQ(SelectScanRecord(1).description, "Your scanners have detected a pirate spaceship not too far away. " + shown);
  r[21] = 0;
  for (int i = 0; i < 200 && r[21] == 0; ++i) SelectScanRecord(1);
  EXPECT_GT(r[21], 0);  // drawn again on a later call
}

TEST_F(Encounters, HailAnswersDependOnKindAndFaction) {
  Game.Player[Pl::Rank] = 3;
  Game.PlayerName = "Ada";
  Contact(1, 11, 1, 2, 0);
  SelectScanRecord(1);
  Communicate();
  EXPECT_EQ(fe.shown.back().text,
            "\"Nooo! Do not hurt me! Pleaseee! ... Oh, my mistake, you are no pirate - are you?\"");
  Contact(2, 9, 2, 2, 0);
  SelectScanRecord(2);
  Communicate();
  EXPECT_EQ(fe.shown.back().text, "You do not get a response.");
  EXPECT_EQ(fe.shown.back().picture, "Fedpilot2.jpg");
  Contact(3, 9, 2, 1, 0);
  SelectScanRecord(3);
  Communicate();
  EXPECT_EQ(fe.shown.back().topic, "Communicating");
  EXPECT_NE(fe.shown.back().text.find("peace with all other factions"), std::string::npos);
  War(1, 2);
  War(1, 3);
  War(1, 4);
  Communicate();
  const std::string& text = fe.shown.back().text;
  EXPECT_EQ(text.substr(text.find("! How")),
            "! How can we assist you, Sir? Please be careful. We are at war with the Outer Rim Alliance, Trading "
            "Coalition and the Syndicate Of Arms\"");
}

// Attacking a radar contact

TEST_F(Encounters, ABiggerTargetAsksFirstAndNoKeepsEverything) {
  Contact(1, 9, 3, 0, 0);  // a destroyer against a fighter
  SelectScanRecord(1);
  fe.answer(false);
  InterceptAndAttack();
  EXPECT_TRUE(fe.sawTopic("Danger!"));
  EXPECT_EQ(fe.battles, 0);
  EXPECT_EQ(Game.SystemShips[1][1], 1);
}

TEST_F(Encounters, AFamousPirateDestroyedPaysDoubleBounty) {
  Contact(1, 1, 3, 0, 2);
  SelectScanRecord(1);
  fe.onCombat = [] {
    EXPECT_EQ(Combat.EnemyAbilities[12], 11);  // Flee
    Combat.EnemyShip[Sh::Alive] = 0;
  };
  InterceptAndAttack();
  EXPECT_EQ(Game.Player[Pl::Credits], 10000 + 2 * 2000);
  EXPECT_TRUE(fe.sawTopic("Bounty!"));
  EXPECT_EQ(Game.SystemShips[1][1], 0);
  EXPECT_EQ(ScannedRecord(), 0);
}

TEST_F(Encounters, AttackingTheOwnFactionIsACrimeUnlessUnrecognized) {
  int flagged = 0, unrecognized = 0;
  for (int i = 0; i < 200; ++i) {
    Game.Player[Pl::CriminalFlag] = 0;
    Contact(1, 1, 2, 1, 0);
    SelectScanRecord(1);
    fe.onCombat = [] { EXPECT_EQ(Game.Ship[6], -1); };  // no own reinforcements
    InterceptAndAttack();
    if (Game.Player[Pl::CriminalFlag] > 0) {
      ++flagged;
      EXPECT_GE(Game.Player[Pl::CriminalFlag], 30);
      EXPECT_LT(Game.Player[Pl::CriminalFlag], 90);
    }
  }
  unrecognized = fe.count("Unrecognized!");
  EXPECT_EQ(flagged + unrecognized, 200);
  EXPECT_NEAR(unrecognized, 48, 20);  // r above 75 of 0..99
}

TEST_F(Encounters, MilitarySuppliesMoveTheSiegePointsOfThePlayersSide) {
  auto& sys = Game.SystemData[1];
  sys[Sys::UnderAttack] = 1;
  sys[Sys::Attacker] = 2;
  sys[23] = 400;  // attacker points
  sys[24] = 200;  // defender points
  Contact(1, 9, 2, 2, 3);
  Game.Ship[Sh::ShipType] = 9;
  SelectScanRecord(1);
  fe.onCombat = [] { Combat.EnemyShip[Sh::Alive] = 0; };
  InterceptAndAttack();
  // The player's faction defends: twice a twentieth of the attacker's points.
  EXPECT_EQ(sys[24], 200 + 20 + 20);
  EXPECT_EQ(sys[23], 400);
  EXPECT_TRUE(fe.sawTopic("War supported!"));
  EXPECT_TRUE(fe.sawTopic("Military supplies!"));
}

// Space objects

TEST_F(Encounters, TreasureAndArtifactsAreWorthAtLeast2500AndAtMost50000) {
  auto& place = Game.SpaceObjects[1][1];
  place[Obj::Present] = 1;
  place[Obj::Kind] = 2;
  Game.Player[Pl::Credits] = 100;
  OpenSpaceObject(1);
  EXPECT_EQ(Game.Player[Pl::Credits], 2600);
  EXPECT_EQ(place[Obj::Present], 0);
  place[Obj::Present] = 1;
  place[Obj::Kind] = 4;
  Game.Player[Pl::Credits] = 2000000000;
  Game.Player[Pl::Rank] = 8;
  fe.answer(true);  // sell
  OpenSpaceObject(1);
  EXPECT_EQ(Game.Player[Pl::Credits], 2000050000);
  EXPECT_TRUE(fe.sawTopic("Black market:"));
  OpenSpaceObject(1);  // gone: nothing happens
  EXPECT_EQ(Game.Player[Pl::Credits], 2000050000);
}

TEST_F(Encounters, SecretDataNeedsTheSpyComputerAndOnlyWhatFitsIsKept) {
  auto& place = Game.SpaceObjects[1][2];
  place[Obj::Present] = 1;
  place[Obj::Kind] = 20;
  Game.Ship[Sh::CargoCapacity] = 100;
  Game.Cargo[1] = 95;  // 5 units free; 10..29 units are offered
  OpenSpaceObject(2);
  EXPECT_TRUE(fe.sawTopic("N/A"));
  EXPECT_EQ(place[Obj::Present], 1);  // the data stays for later
  const auto asked = std::find_if(fe.shown.begin(), fe.shown.end(), [](const test::Shown& s) { return s.topic == "Secret data:"; });
  ASSERT_NE(asked, fe.shown.end());
  EXPECT_EQ(asked->picture, "GeneralMissionPic.jpg") << "the question shows its picture";
  EXPECT_EQ(Game.Cargo[18], 0);
  Game.Ship[Sh::Targeting] = 5;
  OpenSpaceObject(2);
  EXPECT_EQ(Game.Cargo[18], 5);
  EXPECT_EQ(place[Obj::Present], 0);
  EXPECT_NE(fe.shown.back().text.find("You have to leave"), std::string::npos);
}

TEST_F(Encounters, AnOverfullHoldNeverCountsAsNegativeSpace) {
  auto& place = Game.SpaceObjects[1][1];
  place[Obj::Present] = 1;
  place[Obj::Kind] = 3;  // a ghost ship
  Game.Ship[Sh::CargoCapacity] = 40;
  Game.Cargo[2] = 60;  // more than the hold, e.g. after a smaller ship was taken
  const int credits = Game.Player[Pl::Credits];
  OpenSpaceObject(1);
  EXPECT_EQ(Game.Player[Pl::Credits], credits);
  EXPECT_EQ(fe.shown.back().text,
            "Because of your full cargobay you - unfortunately - cannot loot any cargo from the remains of the enemy "
            "ship.");
  place[Obj::Present] = 1;
  place[Obj::Kind] = 20;
  Game.Ship[Sh::Targeting] = 5;
  OpenSpaceObject(1);
  EXPECT_EQ(Game.Cargo[18], 0);
}

TEST_F(Encounters, ALifepodRevealsHiddenPlacesWhenThereIsRoom) {
  for (int p = 1; p <= 4; ++p) Game.SpaceObjects[1][p].fill(0);
  auto& place = Game.SpaceObjects[1][1];
  place[Obj::Present] = 1;
  place[Obj::Kind] = 1;
  OpenSpaceObject(1);
  int present = 0;
  for (int p = 1; p <= 4; ++p) present += Game.SpaceObjects[1][p][Obj::Present] > 0;
  EXPECT_EQ(present, 2);  // two new objects elsewhere
  EXPECT_EQ(place[Obj::Present], 0);
  EXPECT_NE(fe.shown.back().text.find("hidden locations"), std::string::npos);
}

}  // namespace
}  // namespace qm
