#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/savegame.h"
#include "support/scripted_frontend.h"
#include "world/death.h"
#include "world/money.h"
#include "world/new_game.h"
#include "world/planet_pictures.h"
#include "world/retirement.h"

namespace qm {
namespace {

class Retirement : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() / ("qm-retire-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    SetSaveDirectory(dir.string());
    General = GeneralData{};
    SeedRandom(9);
    NewGameChoices c;
    c.faction = 1;
    c.profession = 2;
    c.name = "Ada";
    StartNewGame(c);
    fe.shown.clear();
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string StepText(int k) const {
    for (const auto& s : fe.shown)
      if (s.topic == "Retirement (" + std::to_string(k) + "/5)") return s.text;
    return "";
  }
  std::filesystem::path dir;
  test::ScriptedFrontend fe;
};

TEST_F(Retirement, WorkedExampleScoresACitizen) {
  const int shipValue = shipStat(Game.Ship[Sh::ShipType], Stat::Price) / 3;
  Game.Player[Pl::Credits] = 1100000 - shipValue;  // a fortune of 1,100,000
  Game.StarDate = 3 * 360;                          // aged 25
  Game.Player[Pl::Rank] = 3;
  Game.Player[Pl::Ribbons] = 2;
  Game.Player[Pl::OwnPlanetPromised] = 0;
  Game.Player[Pl::CivilWarWon] = 0;
  EXPECT_EQ(Retire(), 133650);
  EXPECT_NE(StepText(1).find("fortune of $1,100,000."), std::string::npos);
  EXPECT_NE(StepText(1).find("Score: $1,100,000 / 10 = 110,000"), std::string::npos);
  EXPECT_NE(StepText(2).find("You retire at the age of 25. You still have the best years of your life to come. "
                             "Score: 110,000 + 50% = 165,000"),
            std::string::npos);
  EXPECT_NE(StepText(3).find("You reached the rank of 1st Lieutenant and were awarded: 2 campaign ribbon(s). Score "
                             "-19% = 133,650"),
            std::string::npos);
  EXPECT_NE(StepText(4).find("Score + 0% = 133,650"), std::string::npos);
  for (const auto& s : fe.shown)
    if (s.topic == "Retirement (4/5)")
      EXPECT_EQ(s.picture, locationPictureName(8, 4) + "rg.jpg") << "the planet that was never promised, greyed";
  EXPECT_NE(StepText(5).find("Score + 0% = 133,650"), std::string::npos);
  EXPECT_TRUE(fe.sawTopic("Citizen"));
  EXPECT_EQ(fe.screens.back(), Screen::Highscore);

  // The game is over, and the entry holds the whole career.
  EXPECT_EQ(Game.Ship[Sh::Alive], 0);
  EXPECT_TRUE(qm::Run.GameEnded);
  const auto& h = General.Highscore[1];
  EXPECT_EQ(h[1], 1);
  EXPECT_EQ(h[2], 133650);
  EXPECT_EQ(h[3], 1);
  EXPECT_EQ(h[4], 3);
  EXPECT_EQ(h[5], Game.Ship[Sh::ShipType]);
  EXPECT_EQ(h[6], 1);
  EXPECT_EQ(General.HighscoreName[1], "Ada");
}

TEST_F(Retirement, PlanetCivilWarAndMedalsRaiseTheScore) {
  Game.Player[Pl::OwnPlanetPromised] = 1;  // Sargoth in Finis, held by the Federation
  Game.Player[Pl::CivilWarWon] = 1;
  Game.Player[Pl::SilverStar] = Game.Player[Pl::GoldStar] = Game.Player[Pl::MedalOfHonor] = 1;
  Retire();
  EXPECT_NE(StepText(3).find(", the Silver Star, the Gold Star, the Medal of Honor."), std::string::npos);
  EXPECT_NE(StepText(4).find("had granted you the ownership of the planet Sargoth in the Finis system. Score + 12%"),
            std::string::npos);
  EXPECT_NE(StepText(5).find("You won the civil war for your nation!"), std::string::npos);
  EXPECT_NE(StepText(5).find("Score + 25%"), std::string::npos);

  // A lost planet is worth nothing.
  fe.shown.clear();
  Game.SystemData[8][Sys::Owner] = 2;
  Game.Ship[Sh::Alive] = 1;
  Retire();
  EXPECT_NE(StepText(4).find("their promise is worthless"), std::string::npos);
  for (const auto& s : fe.shown) {
    if (s.topic != "Retirement (4/5)") continue;
    EXPECT_EQ(s.picture.substr(s.picture.size() - 6), "rg.jpg");
  }
}

TEST_F(Retirement, PercentagesAndCareerThresholds) {
  EXPECT_EQ(AgeBonusPercent(30), 50);
  EXPECT_EQ(AgeBonusPercent(31), 35);
  EXPECT_EQ(AgeBonusPercent(65), 20);
  EXPECT_EQ(AgeBonusPercent(79), 10);
  EXPECT_EQ(AgeBonusPercent(100), 0);
  EXPECT_EQ(AgeBonusPercent(101), -25);
  EXPECT_EQ(PromotionPercent(8, 40, true, true, true), 65);
  EXPECT_EQ(PromotionPercent(1, 0, false, false, false), -25);
  EXPECT_EQ(PromotionPercent(6, 3, true, false, false), 8);
  EXPECT_EQ(ApplyPercent(165000, -19), 133650);
  EXPECT_EQ(ApplyPercent(-1000, 50), -1500);

  EXPECT_EQ(CareerForScore(-5000).name, "Beggar");  // debts beyond the fortune
  EXPECT_EQ(CareerForScore(5000).name, "Beggar");
  EXPECT_EQ(CareerForScore(5001).name, "Technician");
  EXPECT_EQ(CareerForScore(25000).name, "Technician");
  EXPECT_EQ(CareerForScore(25001).name, "Shopkeeper");
  EXPECT_EQ(CareerForScore(450001).name, "Tycoon");
  EXPECT_EQ(CareerForScore(2000000).name, "Senator");
  EXPECT_EQ(CareerForScore(2000001).name, "President");
  EXPECT_EQ(CareerForScore(2000001).place, 1);
  EXPECT_EQ(CareerForScore(100001).place, 7);
  EXPECT_EQ(LadderPicture(1, false), "RetireScreenON_02.jpg");
  EXPECT_EQ(LadderPicture(10, true), "RetireScreen_11.jpg");
}

TEST_F(Retirement, AScreenOfItsOwnGetsTheWholeRetirementAtOnce) {
  Game.Player[Pl::Credits] = 50000;
  Game.Player[Pl::CivilWarWon] = 1;
  const RetirementReport scored = ScoreRetirement();
  EXPECT_TRUE(fe.shown.empty()) << "scoring alone shows nothing";
  ASSERT_EQ(scored.steps.size(), 5u);
  EXPECT_EQ(scored.steps[0].topic, "Retirement (1/5)");
  EXPECT_EQ(scored.steps[2].dialog, 9) << "the promotion step wears the uniform";
  EXPECT_EQ(scored.steps[4].scoreLine, "Score + 25% = " + FormatMoney(scored.score));
  EXPECT_EQ(scored.career.name, CareerForScore(scored.score).name);

  std::vector<RetirementReport> presented;
  SetRetirementPresenter([&](const RetirementReport& r) { presented.push_back(r); });
  const long long score = Retire();
  SetRetirementPresenter(nullptr);
  ASSERT_EQ(presented.size(), 1u);
  EXPECT_EQ(presented[0].score, score);
  EXPECT_EQ(score, scored.score);
  EXPECT_EQ(presented[0].steps[1].title2, "Step 2: Age");
  // The screen shows it all: no step dialogs, no career notice; the table and the end still follow.
  EXPECT_FALSE(fe.sawTopic("Retirement (1/5)"));
  EXPECT_FALSE(fe.sawTopic(scored.career.name));
  EXPECT_EQ(fe.screens.back(), Screen::Highscore);
  EXPECT_EQ(General.Highscore[1][2], score);
  EXPECT_TRUE(qm::Run.GameEnded);
}

TEST_F(Retirement, HighscoreTiesAndTheSixthBest) {
  for (long long s : {500, 400, 300, 200, 100}) ASSERT_GT(EnterHighscore(s), 0);
  EXPECT_EQ(EnterHighscore(100), 0);  // a tie with the last entry stays out
  EXPECT_EQ(EnterHighscore(50), 0);
  Game.PlayerName = "Bea";
  EXPECT_EQ(EnterHighscore(300), 4);  // below the equal score
  EXPECT_EQ(General.Highscore[3][2], 300);
  EXPECT_EQ(General.Highscore[4][2], 300);
  EXPECT_EQ(General.HighscoreName[4], "Bea");
  EXPECT_EQ(General.Highscore[5][2], 200);
  EXPECT_EQ(HighlightedHighscore(), 4);
  const auto rows = HighscoreTable();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[3].logo, "FederationLogo.jpg");
  EXPECT_EQ(rows[3].insignia, "Fed_Rank1.jpg");

  // The table is on disk at once.
  General = GeneralData{};
  LoadGeneralData();
  EXPECT_EQ(General.Highscore[4][2], 300);
  EXPECT_EQ(General.HighscoreName[4], "Bea");
}

TEST_F(Retirement, DeathCostsALifeOrEndsTheGame) {
  HandleDeath();  // alive: nothing
  EXPECT_EQ(Game.Player[Pl::Lifepoints], 3);

  Game.Player[Pl::Lifepoints] = 2;
  Game.Ship[Sh::Alive] = 0;
  Game.Ship[Sh::ShieldEnergy] = 0;
  qm::Run.TravelScreenVisible = true;
  HandleDeath();
  EXPECT_EQ(Game.Player[Pl::Lifepoints], 1);
  EXPECT_EQ(Game.Ship[Sh::Alive], 1);
  EXPECT_EQ(Game.Ship[Sh::ShieldEnergy],
            maxShields(Game.Ship[Sh::ShipType], Game.Ship[Sh::Engines], Game.Ship[Sh::CargoSpace]));
  EXPECT_TRUE(qm::Run.FlightAborted);
  ASSERT_TRUE(fe.sawTopic("New chance"));
  EXPECT_NE(fe.shown.back().text.find("Lifepoints: 1"), std::string::npos);
  EXPECT_FALSE(qm::Run.GameEnded);

  fe.shown.clear();
  Game.Ship[Sh::Alive] = 0;
  HandleDeath();
  EXPECT_EQ(Game.Ship[Sh::Alive], 0);
  EXPECT_TRUE(qm::Run.GameEnded);
  EXPECT_TRUE(fe.shown.empty());  // no dialog: the caller ends the game
}

}  // namespace
}  // namespace qm
