// The real screens on SDL's offscreen driver, driven by input scripts.
#include <gtest/gtest.h>

#include <cairo.h>

#include <filesystem>

#include "state/game_state.h"
#include "support/ui_play.h"
#include "ui/screens.h"
#include "world/new_game.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

// Canvas points of the main menu items and the dialogs' buttons.
constexpr const char* kNewGame = "400 218";
constexpr const char* kLoadGame = "400 264";
constexpr const char* kTutorial = "400 172";
constexpr const char* kGameSettings = "400 366";
constexpr const char* kCredits = "400 412";

using Screens = test::UiPlay;

TEST_F(Screens, NewGameRunsThroughTheThreeScreensToTheMainScreen) {
  const auto dumps = Play(std::string("click ") + kNewGame + R"(
dump
click 297 292
key Return
dump
type Ada Lovelace
key Return
click 135 362
dump
key Return
dump
key Return
dump
)");
  ASSERT_EQ(dumps.size(), 5u);
  EXPECT_NE(TopWindow(dumps[0]).find("window Select_Race 793x600 top"), std::string::npos);
  EXPECT_NE(TopWindow(dumps[0]).find("SelectRaceON_01.jpg on"), std::string::npos) << "faction 1 preselected";
  EXPECT_NE(TopWindow(dumps[1]).find("field \"(Please enter your name here)\" focus"), std::string::npos);
  EXPECT_NE(TopWindow(dumps[2]).find("label \"Pirates are specialized combatants"), std::string::npos);
  EXPECT_NE(TopWindow(dumps[2]).find("Syndicate_"), std::string::npos) << "the Syndicate's ship picture";
  const std::string welcome = TopWindow(dumps[3]);
  EXPECT_NE(welcome.find("window Screen_Message1"), std::string::npos);
  EXPECT_NE(welcome.find("label \"Game objective:\""), std::string::npos);
  EXPECT_NE(welcome.find("picture hero1_20y.jpg"), std::string::npos);
  EXPECT_NE(TopWindow(dumps[4]).find("window Screen_Travel 800x600 top"), std::string::npos);
  EXPECT_NE(TopWindow(dumps[4]).find("Ada Lovelace"), std::string::npos);
  EXPECT_EQ(Game.PlayerName, "Ada Lovelace");
  EXPECT_EQ(Game.Player[Pl::Faction], 4);
  EXPECT_EQ(Game.Player[Pl::Profession], 6);
  EXPECT_EQ(Game.Ship[Sh::ShipType], 1);
  EXPECT_EQ(Game.Ship[Sh::System], 13);
  EXPECT_EQ(Game.StarDate, 1);
}

TEST_F(Screens, NameFieldKeepsThirtyStorableCharactersAndThePromptBecomesIncognito) {
  // Next portrait, then a name with a snowman (not storable) and too many letters.
  auto dumps = Play(std::string("click ") + kNewGame + R"(
key Return
click 543 208
type Zoë☃ abcdefghijklmnopqrstuvwxyz0123456789
dump
key Return
key Return
key Return
dump
)");
  ASSERT_EQ(dumps.size(), 2u);
  EXPECT_NE(dumps[0].find("field \"Zoë abcdefghijklmnopqrstuvwxyz\" focus"), std::string::npos) << dumps[0];
  EXPECT_NE(dumps[0].find("picture hero2_20y.jpg"), std::string::npos);
  EXPECT_EQ(Game.PlayerName, "Zoë abcdefghijklmnopqrstuvwxyz");  // 30 characters
  EXPECT_EQ(Game.Player[Pl::Portrait], 1);

  Play(std::string("click ") + kNewGame + "\nkey Return\nkey Return\nkey Return\nkey Return\n");
  EXPECT_EQ(Game.PlayerName, "Incognito");

  // An emptied field stays empty.
  Play(std::string("click ") + kNewGame + "\nkey Return\ntype x\nkey Backspace\nkey Return\nkey Return\nkey Return\n");
  EXPECT_EQ(Game.PlayerName, "");
}

TEST_F(Screens, MenuItemsOpenTheirScreensAndCancellingChangesNothing) {
  const auto tutorial = Play(std::string("click ") + kTutorial + "\ndump\n");
  ASSERT_EQ(tutorial.size(), 1u);
  EXPECT_NE(TopWindow(tutorial[0]).find("window Select_Race 793x600 top"), std::string::npos) << tutorial[0];
  EXPECT_NE(TopWindow(tutorial[0]).find("panel #Tutorial"), std::string::npos) << "the tutorial starts with a new game";

  const auto dumps = Play(std::string("dump\ndump\ndump\nclick ") + kLoadGame + "\ndump\nkey Escape\ndump\nclick " +
                          kGameSettings + "\ndump\n");
  ASSERT_EQ(dumps.size(), 6u);
  EXPECT_NE(TopWindow(dumps[3]).find("window Screen_SaveLoad 360x422 top"), std::string::npos);
  EXPECT_NE(TopWindow(dumps[3]).find("label \"Load a game\""), std::string::npos);
  EXPECT_NE(TopWindow(dumps[4]).find("window Start 377x519 top"), std::string::npos)
      << "a cancelled load returns to the menu without the main screen";
  EXPECT_NE(TopWindow(dumps[5]).find("window Screen_GameOptions 392x592 top"), std::string::npos);
}

TEST_F(Screens, HoverMovesFromItemToItemAndClearsOverTheBackground) {
  const auto dumps = Play("move 400 218\ndump\nmove 400 264\ndump\nmove 230 60\ndump\nmove 400 228\ndump\n");
  ASSERT_EQ(dumps.size(), 4u);
  EXPECT_NE(dumps[0].find("button 06 \"\" StartScreen_06_Highlighted.jpg hover"), std::string::npos);
  EXPECT_NE(dumps[0].find("hover=6"), std::string::npos);
  EXPECT_NE(dumps[1].find("button 06 \"\" StartScreen_06.jpg\n"), std::string::npos);
  EXPECT_NE(dumps[1].find("button 07 \"\" StartScreen_07_Highlighted.jpg hover"), std::string::npos);
  EXPECT_NE(dumps[1].find("label \"Load a game\" hover"), std::string::npos) << "the caption label follows";
  EXPECT_NE(dumps[2].find("window Start 377x519 top hover=0"), std::string::npos);
  EXPECT_EQ(dumps[2].find("_Highlighted.jpg hover"), std::string::npos);
  EXPECT_NE(dumps[3].find("hover=6"), std::string::npos) << "the caption label shares its item's hover";
}

TEST_F(Screens, EnterAndEscapeAnswerTheQuitQuestion) {
  const auto dumps = Play(std::string("click ") + kNewGame +
                          "\nkey Return\nkey Return\nkey Return\nkey Return\n"
                          "key Escape\ndump\nkey Escape\ndump\nkey Escape\nkey space\ndump\n");
  ASSERT_EQ(dumps.size(), 3u);
  EXPECT_NE(TopWindow(dumps[0]).find("label \"Quit game?\""), std::string::npos);
  EXPECT_NE(TopWindow(dumps[0]).find("button 02 \"Yes\""), std::string::npos);
  EXPECT_NE(TopWindow(dumps[1]).find("window Screen_Travel 800x600 top"), std::string::npos) << "Escape is No";
  EXPECT_NE(TopWindow(dumps[2]).find("window Start 377x519 top"), std::string::npos) << "Space is Yes";
}

TEST_F(Screens, TheTutorialHintShowsOnTheFirstThreeStartsOnly) {
  for (int start = 1; start <= 4; ++start) {
    const auto dumps = Play("dump\n");
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_EQ(dumps[0].find("panel #hint") != std::string::npos, start <= 3) << "start " << start;
  }
  // "Close this message" hides it for the rest of the run.
  fs::remove_all(dir_);
  fs::create_directories(dir_);
  const auto dumps = Play("click 105 504\ndump\n");
  ASSERT_EQ(dumps.size(), 1u);
  EXPECT_EQ(dumps[0].find("panel #hint"), std::string::npos);
}

TEST_F(Screens, TheHintLeavesWithANewGameAndTheFactionScreenSpeaksInTheCompatibilityMode) {
  // The hint shows on a first start; a new game takes it away with the menu.
  const auto dumps = Play("click 400 218\ndump\nkey 4\nkey Left\ndump\nset Option.CompatibilityMode 1\nkey 2\ndump\n"
                          "click 200 566\ndump\nkey Return\n");
  ASSERT_EQ(dumps.size(), 4u);
  EXPECT_EQ(dumps[0].find("panel #hint"), std::string::npos) << dumps[0];
  EXPECT_TRUE(Has(TopWindow(dumps[0]), "window Select_Race"));
  EXPECT_TRUE(Has(TopWindow(dumps[1]), "SelectRaceON_03.jpg on")) << "4, then one to the left: " << TopWindow(dumps[1]);
  EXPECT_TRUE(Has(TopWindow(dumps[2]), "label \"Selected faction: Outer Rim Alliance. Press 1 to 4")) << TopWindow(dumps[2]);
  EXPECT_TRUE(Has(TopWindow(dumps[2]), "(Click to turn off!)"));
  EXPECT_TRUE(Has(TopWindow(dumps[3]), "The compatibility mode for the blind and visually impaired has been turned off."))
      << TopWindow(dumps[3]);
  General.Option.CompatibilityMode = false;
}

TEST_F(Screens, TimersRunOnGameTimeAndOnlyOnTheTopWindow) {
  const auto dumps = Play(std::string("dump\nwait 1000\ndump\nclick ") + kCredits +
                          "\nwait 1000\ndump\nkey Return\n");
  ASSERT_EQ(dumps.size(), 3u);
  EXPECT_NE(dumps[0].find("picture StartScreen_12.jpg"), std::string::npos);
  EXPECT_NE(dumps[1].find("picture StartScreen_12_Highlighted.jpg"), std::string::npos);
  EXPECT_NE(dumps[2].find("picture StartScreen_12_Highlighted.jpg"), std::string::npos)
      << "the menu's light rests while the credits cover it";
}

TEST_F(Screens, ProfessionInformationPopUpsAndScreenshots) {
  const std::string shot = (dir_ / "profession.png").string();
  const auto dumps = Play(std::string("click ") + kNewGame +
                          "\nkey Return\nkey Return\nclick 440 420\ndump\nkey Return\nshot " + shot + "\n");
  ASSERT_EQ(dumps.size(), 1u);
  EXPECT_NE(TopWindow(dumps[0]).find("window Screen_Message1"), std::string::npos);
  EXPECT_NE(TopWindow(dumps[0]).find("label \"Orion II shuttle\""), std::string::npos) << dumps[0];
  cairo_surface_t* png = cairo_image_surface_create_from_png(shot.c_str());
  ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(png), 800);
  EXPECT_EQ(cairo_image_surface_get_height(png), 600);
  // The title's gold letters are on the canvas.
  const auto* px = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(png));
  const int stride = cairo_image_surface_get_stride(png) / 4;
  int gold = 0;
  for (int y = 14; y < 44; ++y)
    for (int x = 20; x < 280; ++x) {
      const uint32_t p = px[y * stride + x];
      gold += ((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) > 160 && (p & 0xFF) < 160;
    }
  EXPECT_GT(gold, 100);
  cairo_surface_destroy(png);
}

TEST_F(Screens, LoadingAGameShowsTheMainScreenOfTheLoadedSystem) {
  // A stand-in load screen: the loaded game is an Outer Rim pilot's.
  ui::RegisterScreen("Screen_SaveLoad", [] {
    NewGameChoices c;
    c.faction = 2;
    c.name = "Loaded";
    StartNewGame(c);
  });
  const auto dumps = Play(std::string("click ") + kLoadGame + "\ndump\nkey Escape\nkey Return\ndump\n");
  ui::RegisterScreen("Screen_SaveLoad", nullptr);
  ASSERT_EQ(dumps.size(), 2u);
  EXPECT_NE(TopWindow(dumps[0]).find("window Screen_Travel 800x600 top"), std::string::npos);
  EXPECT_NE(TopWindow(dumps[0]).find("at Seressa II\""), std::string::npos) << dumps[0];  // the ship at the loaded place
  EXPECT_NE(TopWindow(dumps[0]).find("label \"Ensign Loaded\""), std::string::npos);
  EXPECT_NE(TopWindow(dumps[1]).find("window Start 377x519 top"), std::string::npos);
}

TEST_F(Screens, FactionAndProfessionChoicesRedrawTheirTexts) {
  const auto dumps = Play(std::string("click ") + kNewGame +
                          "\nclick 297 130\ndump\nkey Return\nkey Return\nclick 135 194\nclick 292 293\ndump\n");
  ASSERT_EQ(dumps.size(), 2u);
  const std::string race = TopWindow(dumps[0]);
  EXPECT_NE(race.find("SelectRaceON_02.jpg on"), std::string::npos) << race;
  EXPECT_NE(race.find("button 01 \"\" SelectRace_01.jpg\n"), std::string::npos) << "only one faction is on";
  EXPECT_NE(race.find("label \"Outer Rim Alliance\""), std::string::npos);
  EXPECT_NE(race.find("As the strongest faction in the rebellion"), std::string::npos);
  // The Outer Rim mercenary flies a Stargun fighter; its special ability opens its information.
  const std::string info = TopWindow(dumps[1]);
  EXPECT_NE(dumps[1].find("label \"Stargun fighter\""), std::string::npos);
  EXPECT_NE(info.find("window Screen_Message3"), std::string::npos) << info;
  EXPECT_NE(info.find("label \"Tracking\""), std::string::npos) << info;
  EXPECT_EQ(Game.Player[Pl::Profession], 3);
}

}  // namespace
}  // namespace qm
