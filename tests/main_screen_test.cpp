// What the main screen shows and the refusals of its buttons.
#include <gtest/gtest.h>

#include "catalogue/ships.h"
#include "combat/combat_display.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/scripted_frontend.h"
#include "world/main_screen.h"
#include "world/new_game.h"

namespace qm {
namespace {

class MainScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(5);
    NewGameChoices c;
    c.faction = 1;  // the Federation: starts at Earth in Sol
    StartNewGame(c);
    fe.shown.clear();
  }
  void TearDown() override { General = GeneralData{}; }
  const test::Shown& Last() const { return fe.shown.back(); }
  test::ScriptedFrontend fe;
};

TEST_F(MainScreen, GaugesNeverDivideByZeroAndStayInTheirPictures) {
  Game.Ship[Sh::ShipType] = 1;
  const int max = shipStat(1, Stat::MaxShields);
  Game.Ship[Sh::ShieldEnergy] = 1;
  EXPECT_EQ(shieldBarIndex(), 1) << "a spark of shield never shows an empty bar";
  Game.Ship[Sh::ShieldEnergy] = 0;
  EXPECT_EQ(shieldBarIndex(), 0);
  Game.Ship[Sh::ShieldEnergy] = max;
  EXPECT_EQ(shieldBarIndex(), 25);
  Game.Ship[Sh::ShieldEnergy] = max * 40;  // over the top: still the full bar
  EXPECT_EQ(shieldBarIndex(), 25);
  Game.Ship[Sh::ShipType] = 0;  // no ship: no shields to divide by
  Game.Ship[Sh::ShieldEnergy] = 50;
  EXPECT_EQ(shieldBarIndex(), 25);

  Game.Player[Pl::Level] = 1;
  Game.Player[Pl::Experience] = 4000;  // half of 8,000
  EXPECT_EQ(experienceBarIndex(), 9);
  Game.Player[Pl::Experience] = -300;
  EXPECT_EQ(experienceBarIndex(), 0);
  Game.Player[Pl::Experience] = 2'000'000'000;
  EXPECT_EQ(experienceBarIndex(), 19);
  Game.Player[Pl::Level] = 0;  // nothing needed: the divisor is still 1
  Game.Player[Pl::Experience] = 5;
  EXPECT_EQ(experienceBarIndex(), 19);
  Game.Player[Pl::Level] = 19;  // the last level: experience grows on, the bar stays full
  Game.Player[Pl::Experience] = 1;
  EXPECT_EQ(experienceBarIndex(), 19);

  const auto lines = compatibilityLines();
  ASSERT_EQ(lines.size(), 12u) << "twelve lines describe the main screen";
  EXPECT_EQ(lines[2], "Your shields: 100%");
  EXPECT_EQ(lines[3], "Experience 100% until level up.");
  Game.Cargo[1] = 7;
  Game.Cargo[14] = 3;
  EXPECT_EQ(compatibilityLines()[8], "Cargo hold: 10 of " + std::to_string(Game.Ship[Sh::CargoCapacity]) +
                                         " units used.");
  // A ship at an object place that has emptied waits in open space.
  Game.Ship[Sh::Location] = -2;
  Game.SpaceObjects[Game.Ship[Sh::System]][2][Obj::Present] = 0;
  EXPECT_EQ(compatibilityLines()[6], "Your position: open space");
}

TEST_F(MainScreen, LogAndNewsLinesCarryTheirDates) {
  Game.StarDate = 400;
  EXPECT_EQ(shipsLogLine(), "Ship\u00b4s log - Star date: 2451.40");
  Game.NewsData[2] = IntRow{};
  Game.NewsData[2][1] = 1;
  Game.NewsData[2][2] = 5;
  Game.NewsData[2][3] = 1;
  Game.NewsData[2][4] = 2;
  Game.NewsData[2][5] = 400;
  Game.NewsText[2] = "War!";
  EXPECT_EQ(newsLine(2), "2451.40 - War!") << "news and the log share one calendar";
  Game.NewsData[2][5] = -100;  // before the first day of the game
  EXPECT_EQ(newsLine(2), "2449.260 - War!");
  Game.NewsData[2][5] = 400;
  EXPECT_EQ(newsArticleTitle(2), "War news!");
  const std::string story = newsArticle(2);  // the war story, naming both factions
  EXPECT_NE(story.find(Game.FactionText[1][FacT::ShortName]), std::string::npos) << story;
  EXPECT_NE(story.find(Game.FactionText[2][FacT::ShortName]), std::string::npos) << story;
  EXPECT_EQ(newsArticle(2), story) << "the story reads the same each time";
  Game.NewsData[3][1] = 0;
  EXPECT_EQ(newsLine(3), "");
  EXPECT_EQ(newsArticle(3), "");
  Game.NewsData[4][1] = 1;
  Game.NewsData[4][2] = 2;
  EXPECT_EQ(newsArticleTitle(4), "Trade news!");
  EXPECT_EQ(newsArticle(4).front(), '"') << "a trade article is quoted";
  EXPECT_EQ(newsLine(0), "");
  EXPECT_EQ(newsLine(99), "");
}

TEST_F(MainScreen, PicturesAndTargetDescriptions) {
  EXPECT_EQ(planetPictureName(2), "Earth");
  EXPECT_EQ(planetPictureName(34), "earth8");
  EXPECT_EQ(planetPictureName(35), "earth8");
  EXPECT_EQ(planetPictureName(48), "red2");
  for (int odd : {0, 49, -3, 1000}) EXPECT_EQ(planetPictureName(odd), "Sun");

  qm::Run.CurrentSystem = 1;
  TargetDescription d = describeTarget(0);  // nothing selected: location 1
  EXPECT_EQ(d.title, Game.LocationText[1][1][1]);
  EXPECT_EQ(d.picture, "Sunr.jpg");
  EXPECT_EQ(d.classLine, "Class: Sun");
  d = describeTarget(2);
  EXPECT_EQ(d.picture, "Earthr.jpg");
  EXPECT_EQ(d.faction, "Faction: " + Game.FactionText[1][FacT::FullName]);
  EXPECT_EQ(d.classLine, "Class: Capital");

  Game.SpaceObjects[1][3][Obj::Present] = 1;
  const struct {
    int kind;
    const char *title, *picture, *small;
  } objects[] = {{1, "Lifepod", "Lifepodr.jpg", "lifepod.jpg"},          {2, "Treasure", "treasurer.jpg", "treasure.jpg"},
                 {3, "Ghost ship", "ghostshipr.jpg", "ghostship.jpg"}, {4, "Artifact", "alienartifactr.jpg", "alienartifact.jpg"},
                 {21, "Secret data", "GeneralMissionPic.jpg", "secretdata.jpg"}, {7, "?", "GeneralMissionPic.jpg", "lifepod.jpg"}};
  for (const auto& o : objects) {
    Game.SpaceObjects[1][3][Obj::Kind] = o.kind;
    d = describeTarget(-3);
    EXPECT_EQ(d.title, o.title);
    EXPECT_EQ(d.picture, o.picture);
    EXPECT_EQ(d.classLine, "Class: Unknown object");
    EXPECT_EQ(d.faction, "Faction: -");
    EXPECT_EQ(spaceObjectPicture(o.kind), o.small);
  }
  EXPECT_EQ(describeTarget(-3).text, "This is an unknown object.");
}

TEST_F(MainScreen, ActionCaptionsAndPriceLabels) {
  qm::Run.CurrentSystem = 1;
  Game.Ship[Sh::Location] = 2;  // Earth
  qm::Run.SelectedLocation = 2;
  EXPECT_EQ(travelButtonCaption(), "Dock");
  EXPECT_EQ(tradeButtonCaption(), "Trade");
  qm::Run.SelectedLocation = 4;
  EXPECT_EQ(travelButtonCaption(), "Fly to");
  EXPECT_EQ(tradeButtonCaption(), "Prices");
  Game.Ship[Sh::Location] = qm::Run.SelectedLocation = 7;  // the wormhole
  EXPECT_EQ(travelButtonCaption(), "Jump");
  EXPECT_EQ(tradeButtonCaption(), "Prices");
  Game.LocationData[1][8][Loc::Exists] = 1;  // a pirate hideout, found
  Game.LocationData[1][8][Loc::Kind] = Kind::Hideout;
  Game.Ship[Sh::Location] = qm::Run.SelectedLocation = 8;
  EXPECT_EQ(travelButtonCaption(), "Dock") << "a hideout is docked at like a planet";
  Game.Ship[Sh::Location] = qm::Run.SelectedLocation = -2;  // a space-object place
  EXPECT_EQ(travelButtonCaption(), "Fly to");
  EXPECT_EQ(tradeButtonCaption(), "Prices");

  qm::Run.SelectedCommodity = 0;
  EXPECT_EQ(planetPriceLabel(2), "");
  qm::Run.SelectedCommodity = 3;
  Game.LocationPrices[1][2][3] = 1234;
  qm::Run.KnownLocationPrices[2] = 1;
  EXPECT_EQ(planetPriceLabel(2), "$ 1,234");
  qm::Run.KnownLocationPrices[2] = 0;
  EXPECT_EQ(planetPriceLabel(2), "?");
  EXPECT_EQ(planetPriceLabel(1), "") << "the sun has no market";
  EXPECT_EQ(planetPriceLabel(7), "") << "nor has a wormhole";
}

TEST_F(MainScreen, MissionsButtonRefusesWithItsReasons) {
  const int sol = Game.Ship[Sh::System];
  Game.Player[Pl::CriminalFlag] = 1;
  EXPECT_EQ(missionsAction(), MissionsOutcome::Refused);
  EXPECT_EQ(Last().topic, "N/A");
  EXPECT_NE(Last().text.find("flagged criminal and cannot accept any missions"), std::string::npos)
      << "the criminal message comes first, even at home";
  Game.Player[Pl::CriminalFlag] = 0;

  for (int slot = 1; slot <= 5; ++slot) Game.Missions[sol][slot][1] = 1;
  Game.Missions[sol][4][1] = 0;
  EXPECT_EQ(missionsAction(), MissionsOutcome::Refused);
  EXPECT_EQ(Last().topic, "No mission uplink");
  Game.Missions[sol][4][1] = 1;
  EXPECT_EQ(missionsAction(), MissionsOutcome::MissionSelection);
  Game.ActiveMission[1] = 1;
  EXPECT_EQ(missionsAction(), MissionsOutcome::MissionStatus);

  Game.SystemData[sol][Sys::Owner] = 3;
  fe.shown.clear();
  EXPECT_EQ(missionsAction(), MissionsOutcome::Refused);
  EXPECT_EQ(Last().text, "You can only get missions in systems owned by your own faction. This system is owned by the " +
                             Game.FactionText[3][FacT::FullName] + ".");

  Game.SystemData[sol][Sys::UnderAttack] = 1;
  Game.SystemData[sol][Sys::Attacker] = 2;
  EXPECT_EQ(missionsAction(), MissionsOutcome::Refused);
  EXPECT_EQ(Last().text, "In this system the invaders of the " + Game.FactionText[2][FacT::FullName] +
                             " attack the defending " + Game.FactionText[3][FacT::FullName] +
                             ". You are not affiliated to them and cannot interfere.");
  qm::Run.CurrentSystem = sol;
  EXPECT_TRUE(invasionAlertVisible());
  EXPECT_FALSE(invasionAlertAction());
  Game.SystemData[sol][Sys::Attacker] = 1;  // the player's own faction invades
  EXPECT_EQ(missionsAction(), MissionsOutcome::Campaign);
  EXPECT_TRUE(invasionAlertAction());
  Game.Player[Pl::CriminalFlag] = 2;
  EXPECT_FALSE(invasionAlertAction());
  EXPECT_NE(Last().text.find("cannot take part in the battle"), std::string::npos);
}

TEST_F(MainScreen, SensorsNeedShipsAndNoPirateBaseNearby) {
  for (int row = 1; row <= kSystemShipRows; ++row) Game.SystemShips[row][1] = 0;
  EXPECT_FALSE(sensorsAction());
  EXPECT_EQ(Last().text, "You cannot detect any ships. You should wait some time.");
  Game.SystemShips[6][1] = 1;
  EXPECT_TRUE(sensorsAction());
  const int sol = Game.Ship[Sh::System];
  Game.LocationData[sol][8][Loc::Exists] = 1;  // Sol's hideout
  Game.Ship[Sh::Location] = 8;
  fe.shown.clear();
  EXPECT_FALSE(sensorsAction());
  EXPECT_EQ(Last().topic, "Ship sensors");
  EXPECT_NE(Last().text.find("nearby a pirate base"), std::string::npos);
}

TEST_F(MainScreen, CompatibilityModeAsksAndSpeedsUpTheCombatMessages) {
  fe.answer(false);
  setCompatibilityMode(true);
  EXPECT_FALSE(General.Option.CompatibilityMode);
  EXPECT_EQ(CombatMessageInterval(0), 1200);
  setCompatibilityMode(true);
  EXPECT_TRUE(General.Option.CompatibilityMode);
  EXPECT_EQ(CombatMessageInterval(0), 100);
  EXPECT_EQ(CombatMessageInterval(1), 100);
  setCompatibilityMode(false);
  EXPECT_FALSE(General.Option.CompatibilityMode);
  EXPECT_EQ(CombatMessageInterval(1), 1200);
  EXPECT_EQ(Last().text, "The compatibility mode for the blind and visually impaired has been turned off.");

  // With "Longer delays between messages" on, leaving the mode returns to the longer delay.
  General.Timers.PlayerMessage = General.Timers.EnemyMessage = 2400;
  setCompatibilityMode(true);
  EXPECT_EQ(CombatMessageInterval(0), 100);
  setCompatibilityMode(false);
  EXPECT_EQ(CombatMessageInterval(0), 2400);
  EXPECT_EQ(CombatMessageInterval(1), 2400);
  General.Timers = CombatTimers{};
}

TEST_F(MainScreen, MissionMarkerShowsTheTargetOnlyInItsSystemAndAwayFromTheShip) {
  qm::Run.CurrentSystem = Game.Ship[Sh::System];
  EXPECT_EQ(missionMarkerTarget(), 0);
  Game.ActiveMission[1] = 1;
  Game.ActiveMission[7] = qm::Run.CurrentSystem;
  Game.ActiveMission[6] = 4;
  EXPECT_EQ(missionMarkerTarget(), 4);
  Game.ActiveMission[6] = Game.Ship[Sh::Location];
  EXPECT_EQ(missionMarkerTarget(), 0);
  Game.ActiveMission[6] = -2;
  EXPECT_EQ(missionMarkerTarget(), -2);
  Game.ActiveMission[6] = 40;
  EXPECT_EQ(missionMarkerTarget(), 0);
  Game.ActiveMission[6] = 4;
  Game.ActiveMission[7] = qm::Run.CurrentSystem + 1;
  EXPECT_EQ(missionMarkerTarget(), 0);
}

}  // namespace
}  // namespace qm
