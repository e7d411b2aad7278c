// The main screen, the travel screen and the wormhole jump, played through the real window.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/ships.h"
#include "combat/combat_state.h"
#include "combat/ship_combat.h"
#include "state/game_state.h"
#include "support/ui_play.h"
#include "ui/window.h"
#include "ui/window_frontend.h"

namespace qm {
namespace {

// A Federation pilot (faction 1, profession 1) at Earth in Sol, on the main screen.
// A new game in a quiet galaxy: war news do not pop up and nobody else is in Sol.
constexpr const char* kNewGame =
    "set Option.NoWarPopups 1\nclick 400 218\nkey Return\ntype Ada\nkey Return\nkey Return\nkey Return\n"
    "set SystemShips[1][1] 0\nset SystemShips[2][1] 0\nset SystemShips[3][1] 0\nset SystemShips[4][1] 0\n"
    "set SystemShips[5][1] 0\nset SystemShips[6][1] 0\nset SystemShips[7][1] 0\nset SystemShips[8][1] 0\n"
    "set SystemShips[9][1] 0\nset SystemShips[10][1] 0\n";
// Picture centres in Sol and the action buttons on the canvas.
constexpr const char* kMars = "375 156";
constexpr const char* kMoon = "536 339";
constexpr const char* kWormhole = "638 185";
std::string ActionButton(int n) { return std::to_string(67 + (n - 1) * 111) + " 566"; }

class MainScreenPlay : public test::UiPlay {
 protected:
  void TearDown() override {
    ui::TheFrontend().onPlaySound = nullptr;
    General.Option.CompatibilityMode = false;
    UiPlay::TearDown();
  }
};

TEST_F(MainScreenPlay, ANewGameLandsOnTheStartingSystem) {
  // The mode is not stored with the general data: it goes on with the first click of this run.
  ui::TheFrontend().onPlaySound = [](const std::string&) { General.Option.CompatibilityMode = true; };
  const auto dumps = Play(std::string(kNewGame) + "dump\n");
  ASSERT_EQ(dumps.size(), 1u);
  const std::string main = TopWindow(dumps[0]);
  EXPECT_TRUE(Has(main, "window Screen_Travel 800x600 top")) << main;
  for (const char* part : {"picture Sun.jpg #Pic_Planet1", "picture Earth.jpg #Pic_Planet2", "label \"Mars\"",
                           "picture wormhole.jpg #Pic_Planet7", "label \"Wormhole to Carse\"", "panel #TopCursor",
                           "panel #SideCursor", "label \"$ 10,000\"", "label \"Ship\u00b4s log - Star date: 2450.1\"",
                           "button 01 \"Dock\"", "button 03 \"Trade\"", "button 07 \"Options\"",
                           "picture Travelscreen_ShieldBar_25.jpg", "picture TravelScreen_ExpBar_0.jpg",
                           "_topwire.jpg #Ship", "picture hero1_20y.jpg #Portrait", "label \"Sol system",
                           "label \"Your shields: 100%\"", "label \"Experience 0% until level up.\""})
    EXPECT_TRUE(Has(main, part)) << part;
  EXPECT_FALSE(Has(main, "#MissionCursor")) << "no mission, no mission marker";
  EXPECT_FALSE(Has(main, "#OptionsPanel"));
  EXPECT_FALSE(Has(main, "#InvasionAlert_Panel"));
  EXPECT_FALSE(Has(main, "#Pic_Planet8")) << "the hideout stays hidden";
  EXPECT_EQ(qm::Run.CurrentSystem, Game.Ship[Sh::System]);
}

TEST_F(MainScreenPlay, CompatibilityLinesAreShownWholeEvenForALongName) {
  ui::TheFrontend().onPlaySound = [](const std::string&) { General.Option.CompatibilityMode = true; };
  const std::string name = "Alexandra Konstantinopoulou-Va";  // the longest name a pilot can have
  std::string script = kNewGame;
  script.replace(script.find("type Ada"), 8, "type " + name);
  const auto dumps = Play(script + "click " + kMars + "\ndump\n");
  ASSERT_EQ(dumps.size(), 1u);
  const std::string main = TopWindow(dumps[0]);
  EXPECT_TRUE(Has(main, "label \"Your name is: Ensign " + name + " (Click for personal status)\"")) << main;
  EXPECT_TRUE(Has(main, "label \"Selected target: Mars\""));
  EXPECT_TRUE(Has(main, "label \"Ensign " + name + "\"")) << "the status bar shows the whole name, smaller";
}

TEST_F(MainScreenPlay, AFlightCountsTheDaysDownAndArrives) {
  const auto dumps = Play(std::string(kNewGame) + "click " + kMoon + "\ndump\ndclick " + kMars +
                          "\ndump\nwait 300\ndump\nwait 20000\ndump\n");
  ASSERT_EQ(dumps.size(), 4u);
  EXPECT_TRUE(Has(TopWindow(dumps[0]), "button 01 \"Fly to\"")) << "a click selects the Moon";
  EXPECT_TRUE(Has(TopWindow(dumps[0]), "button 03 \"Prices\""));

  const std::string flying = TopWindow(dumps[1]);
  ASSERT_TRUE(Has(flying, "window FlyTo 271x336 top")) << flying;
  EXPECT_TRUE(Has(flying, "label \"Travelling...\""));
  EXPECT_TRUE(Has(flying, "label \"to Mars\""));
  EXPECT_TRUE(Has(flying, "_scene.jpg"));
  EXPECT_TRUE(Has(flying, "label \"days left...\""));
  const size_t at = flying.find("_scene.jpg\n  label \"");
  ASSERT_NE(at, std::string::npos);
  const int days = std::stoi(flying.substr(at + 20));
  EXPECT_GE(days, 3);
  // 300 ms later three days have passed.
  EXPECT_TRUE(Has(TopWindow(dumps[2]), "label \"" + std::string(days - 3 < 10 ? " " : "") + std::to_string(days - 3) +
                                           "\""))
      << TopWindow(dumps[2]);
  EXPECT_TRUE(Has(dumps[2], "Star date: 2450.4")) << "the log behind the travel screen follows the days";

  const std::string arrived = TopWindow(dumps[3]);
  EXPECT_TRUE(Has(arrived, "window Screen_Travel 800x600 top")) << arrived;
  EXPECT_TRUE(Has(arrived, "button 01 \"Dock\""));
  EXPECT_TRUE(Has(arrived, "Star date: 2450." + std::to_string(1 + days)));
  EXPECT_EQ(Game.Ship[Sh::Location], 4);
  EXPECT_EQ(Game.StarDate, 1 + days);
  EXPECT_EQ(qm::Run.SelectedLocation, 4);
}

TEST_F(MainScreenPlay, RefusalsSayWhyAndChangeNothing) {
  const auto dumps =
      Play(std::string(kNewGame) + "click " + ActionButton(5) + "\ndump\nkey Return\nset Missions[1][1][1] 0\nclick " +
           ActionButton(4) + "\ndump\nkey Return\nclick " + ActionButton(1) + "\ndump\nkey Return\nrclick " +
           ActionButton(1) + "\ndump\nkey Return\nclick " + ActionButton(7) +
           "\ndump\nclick 400 338\ndump\nkey Escape\ndump\n"
           // At the wormhole (placed there: a flight could meet pirates on the way).
           "set Ship.Location 7\nset Run.SelectedLocation 7\nclick " +
           ActionButton(1) + "\ndump\nkey Return\ndump\n");
  ASSERT_EQ(dumps.size(), 9u);
  EXPECT_TRUE(Has(TopWindow(dumps[0]), "label \"You cannot detect any ships. You should wait some time.\""));
  EXPECT_TRUE(Has(TopWindow(dumps[1]), "label \"No mission uplink\""));
  EXPECT_TRUE(Has(TopWindow(dumps[2]), "window Screen_Planet")) << "docking opens the planet";
  EXPECT_TRUE(Has(TopWindow(dumps[3]), "label \"Travelling\"")) << "a right click shows the help";
  EXPECT_TRUE(Has(TopWindow(dumps[3]), "This button is multi-functional. You can use it to fly"));
  EXPECT_TRUE(Has(TopWindow(dumps[4]), "panel #OptionsPanel"));
  EXPECT_TRUE(Has(TopWindow(dumps[5]), "label \"Really quit?\""));
  EXPECT_TRUE(Has(TopWindow(dumps[6]), "window Screen_Travel 800x600 top")) << "No keeps the game";
  const std::string jump = TopWindow(dumps[7]);
  EXPECT_TRUE(Has(jump, "label \"No jump engines!\"")) << jump;
  EXPECT_TRUE(Has(TopWindow(dumps[8]), "button 01 \"Jump\""));
  EXPECT_EQ(Game.Ship[Sh::System], 1);
  EXPECT_EQ(Game.Ship[Sh::Location], 7);
  EXPECT_EQ(Game.Player[Pl::Credits], 10000);
  EXPECT_FALSE(qm::Run.GameEnded);
}

TEST_F(MainScreenPlay, ExitToTheMainMenuEndsTheGame) {
  const auto dumps = Play(std::string(kNewGame) + "click " + ActionButton(7) + "\nclick 400 338\nkey Return\ndump\n");
  ASSERT_EQ(dumps.size(), 1u);
  EXPECT_TRUE(Has(TopWindow(dumps[0]), "window Start 377x519 top"));
  EXPECT_TRUE(qm::Run.GameEnded);
}

TEST_F(MainScreenPlay, HoverMovesAlongTheActionButtons) {
  const auto dumps = Play(std::string(kNewGame) + "move " + ActionButton(1) + "\ndump\nmove " + ActionButton(2) +
                          "\ndump\nmove 700 470\ndump\n");
  ASSERT_EQ(dumps.size(), 3u);
  EXPECT_TRUE(Has(dumps[0], "button 01 \"Dock\" TravelScreen_01_Highlighted.jpg hover"));
  EXPECT_TRUE(Has(dumps[0], "window Screen_Travel 800x600 top hover=1"));
  EXPECT_TRUE(Has(dumps[1], "button 01 \"Dock\" TravelScreen_01.jpg\n"));
  EXPECT_TRUE(Has(dumps[1], "button 02 \"Info\" TravelScreen_02_Highlighted.jpg hover"));
  EXPECT_TRUE(Has(dumps[2], "window Screen_Travel 800x600 top hover=0"));
  EXPECT_FALSE(Has(dumps[2], "_Highlighted.jpg hover"));
}

TEST_F(MainScreenPlay, TargetPanelNewsArticleAndEscape) {
  const auto dumps = Play(std::string(kNewGame) + "click " + ActionButton(2) + "\ndump\nclick 600 29\ndump\nkey Return\n" +
                          "key Escape\ndump\n");
  ASSERT_EQ(dumps.size(), 3u);
  const std::string info = TopWindow(dumps[0]);
  EXPECT_TRUE(Has(info, "panel #TargetDescriptionPanel"));
  EXPECT_TRUE(Has(info, "picture Earthr.jpg"));
  EXPECT_TRUE(Has(info, "label \"Class: Capital\""));
  const std::string article = TopWindow(dumps[1]);
  EXPECT_TRUE(Has(article, "window Screen_Message1")) << article;
  EXPECT_TRUE(Has(article, "picture news.jpg"));
  EXPECT_TRUE(Has(article, "news!\"")) << "titled Trade news! or War news!";
  EXPECT_TRUE(Has(TopWindow(dumps[2]), "window Screen_Travel 800x600 top"))
      << "Escape closes the panel before it asks to quit";
  EXPECT_FALSE(Has(dumps[2], "#TargetDescriptionPanel"));
}

TEST_F(MainScreenPlay, AWormholeJumpTakesTheShipToTheNextSystem) {
  // The starting fighter cannot jump: the flight to the wormhole brings a corvette.
  ui::TheFrontend().onPlaySound = [](const std::string& wav) {
    if (wav != "Fly1.wav" && wav != "Fly2.wav") return;
    for (int type = 1; type <= kShipTypes; ++type)
      if (shipStat(type, Stat::Class) == 2) {
        Game.Ship[Sh::ShipType] = type;
        Game.Ship[Sh::Crewmen] = shipStat(type, Stat::CrewMin);
        break;
      }
  };
  const auto dumps = Play(std::string(kNewGame) + "dclick " + kWormhole + "\nwait 20000\ndump\nclick " +
                          ActionButton(1) + "\ndump\nwait 200\ndump\nwait 5000\ndump\n");
  ASSERT_EQ(dumps.size(), 4u);
  EXPECT_TRUE(Has(TopWindow(dumps[0]), "button 01 \"Jump\""));
  const std::string jumping = TopWindow(dumps[1]);
  ASSERT_TRUE(Has(jumping, "window WormholeTo 273x351 top")) << jumping;
  EXPECT_TRUE(Has(jumping, "label \"through the wormhole to Carse\""));
  EXPECT_TRUE(Has(jumping, "label \" 2\"")) << "two days through this wormhole";
  EXPECT_TRUE(Has(TopWindow(dumps[2]), "label \" 1\"")) << "one day per 200 ms";
  const std::string carse = TopWindow(dumps[3]);
  EXPECT_TRUE(Has(carse, "window Screen_Travel 800x600 top")) << carse;
  EXPECT_TRUE(Has(carse, "label \"Carse system"));
  EXPECT_TRUE(Has(carse, "label \"Wormhole to Sol\""));
  EXPECT_TRUE(Has(carse, "button 01 \"Jump\"")) << "the ship waits at the wormhole back";
  EXPECT_EQ(Game.Ship[Sh::System], 2);
  EXPECT_EQ(qm::Run.CurrentSystem, 2);
  EXPECT_EQ(Game.LocationData[2][Game.Ship[Sh::Location]][Loc::Target], 1);
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

TEST_F(MainScreenPlay, PriceLabelsShowWhileTheTradePanelIsOpen) {
  // The trade panel is open with Supplies (the first row) selected.
  const auto dumps = Play(std::string(kNewGame) +
                          "set LocationPrices[1][2][1] 1500\nset KnownLocationPrices[2] 1\nset KnownLocationPrices[4] 0\n"
                          "click " + ActionButton(3) + "\nclick 300 112\ndump\n");
  ASSERT_EQ(dumps.size(), 1u);
  const size_t from = dumps[0].find("window Screen_Travel");
  ASSERT_NE(from, std::string::npos) << dumps[0];
  const std::string main = dumps[0].substr(from, dumps[0].find("\nwindow ", from) - from);
  EXPECT_TRUE(Has(main, "label \"Earth\"\n  label \"$ 1,500\"")) << main;
  EXPECT_TRUE(Has(main, "label \"Mars\"\n  label \"?\"")) << "an unknown price";
  EXPECT_FALSE(Has(main, "label \"Sun\"\n  label \"")) << "the sun has no price label";
  EXPECT_EQ(qm::Run.TradeAmount, 1) << "a set amount stays";
}

TEST_F(MainScreenPlay, AGameThatEndsDuringAFlightClosesTheMainScreen) {
  ui::TheFrontend().onPlaySound = [](const std::string& wav) {
    if (wav == "Fly1.wav" || wav == "Fly2.wav") qm::Run.GameEnded = true;
  };
  const auto dumps = Play(std::string(kNewGame) + "dclick " + kMars + "\nwait 3000\ndump\n");
  ASSERT_EQ(dumps.size(), 1u);
  EXPECT_TRUE(Has(TopWindow(dumps[0]), "window Start 377x519 top")) << dumps[0];
  EXPECT_FALSE(Has(dumps[0], "window FlyTo"));
  EXPECT_EQ(Game.Ship[Sh::Location], 2) << "the flight stopped where it began";
}

TEST_F(MainScreenPlay, ThePortraitAndTheShipOpenTheirStatusScreens) {
  const auto dumps = Play(std::string(kNewGame) + "dclick 792 592\ndump\nkey Return\nclick 40 50\ndump\nkey Escape\n" +
                          "click 150 50\ndump\nkey Escape\nclick " + ActionButton(6) + "\ndump\nkey Escape\ndump\n");
  ASSERT_EQ(dumps.size(), 5u);
  EXPECT_TRUE(Has(TopWindow(dumps[0]), "window Screen_Cheats 376x580 top")) << "the hidden corner: " << TopWindow(dumps[0]);
  EXPECT_TRUE(Has(TopWindow(dumps[1]), "window Screen_PersonalStatus")) << TopWindow(dumps[1]);
  EXPECT_TRUE(Has(TopWindow(dumps[2]), "window Screen_ShipStatus")) << TopWindow(dumps[2]);
  EXPECT_TRUE(Has(TopWindow(dumps[3]), "window Screen_GalaxyMap")) << "the galaxy map is built";
  EXPECT_TRUE(Has(TopWindow(dumps[4]), "window Screen_Travel 800x600 top"));
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

TEST_F(MainScreenPlay, ALongNameIsShortenedByWholeCharacters) {
  const auto dumps = Play("click 400 218\nkey Return\ntype WWWWWWWWWWWWWWWWWWWWWWWWWWWWë\nkey Return\nkey Return\n"
                          "key Return\ndump\n");
  ASSERT_EQ(dumps.size(), 1u);
  const std::string main = TopWindow(dumps[0]);
  const size_t at = main.find("label \"Ensign W");
  ASSERT_NE(at, std::string::npos) << main;
  const std::string line = main.substr(at, main.find('\n', at) - at);
  EXPECT_TRUE(line.size() > 4 && line.compare(line.size() - 4, 4, "...\"") == 0) << line;
  EXPECT_EQ(line.find("\xC3\""), std::string::npos);
  EXPECT_EQ(line.find("\xC3."), std::string::npos) << "no half of the ë is left";
}

TEST_F(MainScreenPlay, ABattleOnAFlightOpensTheCombatScreenAndTheFlightGoesOnAfterIt) {
  // A pirate waits at the start of the flight to Mars.
  bool met = false;
  ui::TheFrontend().onPlaySound = [&met](const std::string& wav) {
    if (met || (wav != "Fly1.wav" && wav != "Fly2.wav")) return;
    met = true;
    SetupShipCombat(1, 0, 2, 1);
    UI().ShowScreen(Screen::ShipCombat);
  };
  // The battle is won at once (the enemy's shields gone, one shot), then its dialogs are closed.
  std::string script = std::string(kNewGame) + "dclick " + kMars + "\ndump\nset EnemyShip.ShieldEnergy 0\nkey 1\n";
  for (int i = 0; i < 8; ++i) script += "key Return\n";
  const auto dumps = Play(script + "dump\n");
  ASSERT_TRUE(met);
  ASSERT_EQ(dumps.size(), 2u);
  EXPECT_TRUE(Has(TopWindow(dumps[0]), "window Screen_ShipCombat2")) << TopWindow(dumps[0]);
  EXPECT_TRUE(Has(TopWindow(dumps[1]), "window FlyTo")) << "the flight goes on: " << TopWindow(dumps[1]);
  EXPECT_GT(Game.Player[Pl::Experience], 0) << "the battle was won";
  EXPECT_GT(Game.Ship[Sh::Alive], 0);
}

TEST_F(MainScreenPlay, AShipAtAUsedUpObjectStaysThereAndFliesOn) {
  // A treasure floats at place 1 of the Sol system; the ship flies there and takes it.
  std::string script = std::string(kNewGame) + "set Option.NoWarPopups 1\n";
  for (const char* f : {"Present 1", "Kind 2", "X 300", "Y 300", "DaysLeft 90"})
    script += std::string("set SpaceObjects[1][1].") + f + "\n";
  script += "set Run.SelectedLocation -1\nclick " + ActionButton(1) + "\nwait 12000\n";
  for (int i = 0; i < 4; ++i) script += "key Return\n";
  const auto dumps = Play(script + "dump\ndclick " + kMars + "\nwait 150\ndump\n");
  ASSERT_EQ(dumps.size(), 2u);
  const std::string main = TopWindow(dumps[0]);
  ASSERT_TRUE(Has(main, "window Screen_Travel 800x600 top")) << main;
  EXPECT_EQ(Game.SpaceObjects[1][1][Obj::Present], 0) << "the treasure was taken";
  EXPECT_EQ(Game.Ship[Sh::Location], -1);
  EXPECT_TRUE(Has(main, "panel #TopCursor")) << "the ship's marker stays where the treasure was";
  EXPECT_TRUE(Has(main, "label \"Orion in open space\"")) << main;
  EXPECT_FALSE(Has(main, "panel #SideCursor")) << "nothing is left to select there";
  EXPECT_TRUE(Has(TopWindow(dumps[1]), "window FlyTo")) << "and the ship flies on: " << TopWindow(dumps[1]);
}

TEST_F(MainScreenPlay, F12SaysWhereItsScreenshotWent) {
  Play(std::string(kNewGame) + "key F12\nwait 100\n");
  EXPECT_NE(ui::Notice().find("Screenshot saved: " + dir_.string() + "/Quellmark-"), std::string::npos) << ui::Notice();
  bool written = false;
  for (const auto& e : std::filesystem::directory_iterator(dir_))
    written = written || e.path().filename().string().rfind("Quellmark-", 0) == 0;
  EXPECT_TRUE(written);
}

}  // namespace
}  // namespace qm
