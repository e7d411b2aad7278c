#include <gtest/gtest.h>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/new_game.h"

namespace qm {
namespace {

NewGameChoices Choice(int faction, int profession, int portrait = 0, const std::string& name = "Ada") {
  NewGameChoices c;
  c.faction = faction;
  c.profession = profession;
  c.portrait = portrait;
  c.name = name;
  return c;
}

int CountObjects() {
  int n = 0;
  for (int s = 0; s <= 25; ++s)
    for (int p = 0; p <= 5; ++p) n += Game.SpaceObjects[s][p][Obj::Present] > 0;
  return n;
}

TEST(NewGame, StartsOnDayOneAfterThePresimulationWithoutDialogs) {
  test::ScriptedFrontend fe;
  SeedRandom(1);
  StartNewGame(Choice(1, 1));
  EXPECT_EQ(Game.StarDate, 1);
  EXPECT_EQ(Age(), 22);
  EXPECT_TRUE(fe.shown.empty());
  EXPECT_EQ(CountObjects(), 1);  // exactly the one the set-up spawns, in the start system
  // The news of the settled days lie before the first day of the game, none after it.
  int news = 0;
  for (int r = 1; r <= kNewsEntries; ++r) {
    if (Game.NewsData[r][1] <= 0) continue;
    ++news;
    EXPECT_LE(Game.NewsData[r][5], 1) << r;
    EXPECT_GT(Game.NewsData[r][5], -123) << r;
  }
  EXPECT_GT(news, 0);
  int inStart = 0;
  for (int p = 1; p <= kObjectPlaces; ++p) inStart += Game.SpaceObjects[1][p][Obj::Present];
  EXPECT_EQ(inStart, 1);
  EXPECT_EQ(qm::Run.CurrentSystem, 1);
  EXPECT_EQ(qm::Run.SelectedLocation, 2);
}

TEST(NewGame, PlayerRecordAndAbilities) {
  SeedRandom(2);
  StartNewGame(Choice(2, 4, 2, "Jonas Varga"));
  const auto& p = Game.Player;
  EXPECT_EQ(Game.PlayerName, "Jonas Varga");
  EXPECT_EQ(p[Pl::Started], 1);
  EXPECT_EQ(p[Pl::Credits], 10000);
  EXPECT_EQ(p[Pl::Faction], 2);
  EXPECT_EQ(p[Pl::Profession], 4);
  EXPECT_EQ(p[Pl::Portrait], 2);
  EXPECT_EQ(p[Pl::Level], 1);
  EXPECT_EQ(p[Pl::Rank], 1);
  EXPECT_EQ(p[Pl::PilotWings], 1);
  EXPECT_EQ(p[Pl::Ribbons], 3);
  EXPECT_EQ(p[Pl::Lifepoints], 3);
  EXPECT_EQ(p[Pl::InvestmentDays], 199);
  EXPECT_EQ(p[Pl::HideoutsBought], 1);
  // Everybody's three actions plus the bounty hunter's Taunt, Discipline, Tractor beam; Tracking.
  for (int a : {1, 2, 3, 10, 7, 12}) EXPECT_EQ(Game.CombatAbilities[a], 1) << a;
  int learned = 0;
  for (int a = 0; a <= 101; ++a) learned += Game.CombatAbilities[a];
  EXPECT_EQ(learned, 6);
  EXPECT_EQ(Game.NonCombatAbilities[11], 1);
}

TEST(NewGame, StartShipAndPlaceByFactionAndProfession) {
  struct Case {
    int faction, profession, ship, system, location;
  };
  const Case cases[] = {
      {1, 3, 3, 1, 2},  {2, 3, 2, 12, 5}, {3, 3, 2, 16, 4}, {4, 3, 4, 13, 2},  // mercenaries
      {3, 1, 5, 16, 4}, {4, 2, 1, 13, 2}, {2, 6, 1, 12, 5},
  };
  for (const auto& c : cases) {
    SeedRandom(4);
    StartNewGame(Choice(c.faction, c.profession));
    const auto& s = Game.Ship;
    EXPECT_EQ(s[Sh::ShipType], c.ship) << c.faction << "/" << c.profession;
    EXPECT_EQ(s[Sh::System], c.system);
    EXPECT_EQ(s[Sh::Location], c.location);
    EXPECT_EQ(s[Sh::Alive], 1);
    EXPECT_EQ(s[Sh::ShipFaction], c.faction);
    EXPECT_EQ(s[6], -1);
    EXPECT_EQ(s[50], 3);
    EXPECT_EQ(s[Sh::ShieldEnergy], shipStat(c.ship, 5));
    EXPECT_EQ(s[Sh::CargoCapacity], cargoCapacity(c.ship, s[Sh::CargoSpace]));
    EXPECT_EQ(s[Sh::Guns], 0);  // the first upgrade option of a fighter
    EXPECT_EQ(qm::Run.CurrentSystem, c.system);
  }
}

TEST(NewGame, HideoutsStartHiddenUnlessTheProfessionKnowsThem) {
  SeedRandom(5);
  StartNewGame(Choice(1, 1));
  int hidden = 0, shown = 0;
  for (int s = 1; s <= kSystems; ++s)
    for (int l = 1; l <= kLocations; ++l) {
      const auto& loc = Game.LocationData[s][l];
      if (loc[Loc::Kind] != Kind::Hideout) continue;
      (loc[Loc::Exists] ? shown : hidden) += 1;
      EXPECT_EQ(loc[Loc::Target], loc[Loc::Exists]);
    }
  EXPECT_EQ(hidden, 24);
  EXPECT_EQ(shown, 0);

  StartNewGame(Choice(4, 5));  // a smuggler knows them all
  for (int s = 1; s <= kSystems; ++s)
    for (int l = 1; l <= kLocations; ++l)
      if (Game.LocationData[s][l][Loc::Kind] == Kind::Hideout) {
        EXPECT_EQ(Game.LocationData[s][l][Loc::Exists], 1);
        EXPECT_EQ(Game.LocationData[s][l][Loc::Target], 1);
      }
}

TEST(NewGame, TypedNamesAreCleanedAndBadChoicesFallBack) {
  StartNewGame(Choice(9, 0, 7, std::string("Bad\tName\x01 with a very long tail of characters")));
  EXPECT_EQ(Game.Player[Pl::Faction], 1);
  EXPECT_EQ(Game.Player[Pl::Profession], 1);
  EXPECT_EQ(Game.Player[Pl::Portrait], 0);
  EXPECT_LE(Game.PlayerName.size(), 30u);
  EXPECT_EQ(Game.PlayerName.find('\t'), std::string::npos);
  StartNewGame(Choice(1, 1, 0, ""));
  EXPECT_EQ(Game.PlayerName, "");  // an emptied name field stays empty
}

TEST(NewGame, ResetEmptiesEverything) {
  StartNewGame(Choice(1, 1));
  ResetGameState();
  EXPECT_EQ(Game, GameState{});
  EXPECT_EQ(Game.StarDate, 1);
  EXPECT_EQ(qm::Run.CurrentSystem, 0);
  EXPECT_EQ(qm::Run.SelectedLocation, 0);
  EXPECT_FALSE(qm::Run.GameEnded);
}

}  // namespace
}  // namespace qm
