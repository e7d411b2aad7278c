#include "world/retirement.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "catalogue/career.h"
#include "catalogue/ships.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/savegame.h"
#include "world/money.h"
#include "world/planet_pictures.h"
#include "world/promotion.h"

namespace qm {
namespace {

constexpr int kHighscores = 5;

struct CareerRow {
  long long upTo;  // the highest score of this career
  const char* name;
  const char* text;
};

// Place 1 first: the best career.
constexpr std::array<CareerRow, 10> kCareers = {{
    {0, "President",
     "Being a living legend it\u00b4s quiet easy for you to run for presidency...and win. Congratulations Mr. "
     "President!"},
    {2000000, "Senator",
     "Your flawless career and excellent connections allow you to gain a seat in the newly founded Galactic Senate."},
    {1000000, "Governor", "Because of your excellent career in the fleet you are soon asked to become governor."},
    {650000, "Tycoon",
     "The unbelievable riches you acquired allow you to start your very own interesting corporate as a Tycoon."},
    {450000, "Professor at Fleet Academy",
     "Soon after your retirement the Fleed Academy asks you to become a professor, which you gladly accept."},
    {330000, "Lawyer",
     "The small fortune you gathered helps you to become a respected and well known lawyer at the capital."},
    {200000, "Citizen",
     "With the wealth you gathered you become a citizen on an estate near the beaches on the planet Kimberley."},
    {100000, "Shopkeeper",
     "Your adventuring has come to an end. You start a new career as an unimportant shopkeeper."},
    {25000, "Technician",
     "With your earned money spend soon, you have no choice than to hire on a freighter as a technician."},
    {5000, "Beggar",
     "After you\u00b4ve retired you have soon spend your last cent. Your new career has a poor beggar awaits you."},
}};

int highlighted = 0;

std::string Money(long long v) { return FormatMoney(v); }

std::function<void(const RetirementReport&)> presenter;
// The steps' dialogs, collected while scoring.
std::vector<DialogContent>* collected = nullptr;

void Show(const DialogContent& d) {
  if (collected) collected->push_back(d);
  else Notify(d);
}

// One step of the retirement in its dialog: the step's title, what it counts and the score line.
void Step(int k, const std::string& title, const std::string& text, const std::string& score,
          const std::string& picture) {
  DialogContent d;
  d.dialog = 8;
  d.topic = "Retirement (" + std::to_string(k) + "/5)";
  d.title2 = title;
  d.text = text;
  d.scoreLine = score;
  d.picture = picture;
  Show(d);
}

std::string PercentLine(const std::string& head, long long percent, long long score) {
  return head + (percent < 1 ? " " : " + ") + std::to_string(percent) + "% = " + Money(score);
}

const char* MedalPhrase(int medal, int faction) {
  static const char* const phrases[3][4] = {
      {", the Silver Star", ", the Silver Eagle", ", the Silver Ying-Yang", ", the Red Cross"},
      {", the Gold Star", ", the Gold Eagle", ", the Gold Ying-Yang", ", the Gold Cross"},
      {", the Medal of Honor", ", the Eagle Of Honor", ", the title \"Samurai\"", ", the Heroic Cross"}};
  return faction >= 1 && faction <= 4 ? phrases[medal][faction - 1] : "";
}

long long FortuneStep() {
  const long long credits = Game.Player[Pl::Credits];
  const long long ship = shipStat(Game.Ship[Sh::ShipType], Stat::Price) / 3;
  const long long fortune = credits + ship;
  const long long s = fortune / 10;
  Step(1, "Step 1: Fortune",
       "At the time of your retirement you are left with a fortune of $" + Money(fortune) +
           ". This includes your credits ($" + Money(credits) + ") and your own ship ($" + Money(ship) + ").",
       "Score: $" + Money(fortune) + " / 10 = " + Money(s), "treasurer.jpg");
  return s;
}

long long AgeStep(long long s) {
  const int age = Age();
  const long long p = AgeBonusPercent(age);
  const char* phrase = age <= 30   ? ". You still have the best years of your life to come."
                       : age <= 50 ? ". You have some good years still coming."
                       : age <= 65 ? ". This is a quiet normal age to retire."
                       : age <= 79 ? ". Enough years left in your life to enjoy the pleasures of retirement."
                       : age <= 100 ? ". Not much time left for you to enjoy your retirement."
                                    : ". You will be dying shortly. Adventuring was your life.";
  const long long next = ApplyPercent(s, p);
  const std::string sign = p < 1 ? " - " : " + ";
  Step(2, "Step 2: Age", "You retire at the age of " + std::to_string(age) + phrase,
       "Score: " + Money(s) + sign + std::to_string(std::llabs(p)) + "% = " + Money(next), portraitPicture());
  return next;
}

long long PromotionStep(long long s) {
  const auto& p = Game.Player;
  const int faction = p[Pl::Faction];
  std::string awards = std::to_string(p[Pl::Ribbons]) + " campaign ribbon(s)";
  if (p[Pl::SilverStar]) awards += MedalPhrase(0, faction);
  if (p[Pl::GoldStar]) awards += MedalPhrase(1, faction);
  if (p[Pl::MedalOfHonor]) awards += MedalPhrase(2, faction);
  const int q = PromotionPercent(p[Pl::Rank], p[Pl::Ribbons], p[Pl::SilverStar], p[Pl::GoldStar], p[Pl::MedalOfHonor]);
  const long long next = ApplyPercent(s, q);
  // This step shows the uniform with every award.
  const Uniform u = ShowUniform();
  DialogContent d;
  d.dialog = 9;
  d.topic = "Retirement (3/5)";
  d.title2 = "Step 3: Promotion";
  d.text = "You reached the rank of " + rankName(p[Pl::Rank]) + " and were awarded: " + awards + ".";
  d.scoreLine = PercentLine("Score", q, next);
  d.uniform = u.body;
  d.shoulder = u.shoulder;
  d.collar = u.collar;
  d.wings = u.wings;
  for (const AwardWorn& a : AwardsWorn()) (a.medal ? d.medals : d.ribbons).push_back(a.picture);
  Show(d);
  return next;
}

long long PlanetStep(long long s) {
  const int faction = Game.Player[Pl::Faction];
  const std::string head = "Step 4: Your own planet";
  const OwnPlanet planet = FactionPlanet(faction);
  const std::string picture = planet.system > 0 ? locationPictureName(planet.system, planet.location) : "";
  if (Game.Player[Pl::OwnPlanetPromised] != 1) {
    // The planet the faction would have granted, greyed: it never became the pilot's.
    Step(4, head,
         "You were not famous enough for the government to promise you your own planet. Maybe you\u00b4ll achieve "
         "this next time.",
         "Score + 0% = " + Money(s), picture.empty() ? "" : picture + "rg.jpg");
    return s;
  }
  const std::string name = Game.LocationText[planet.system][planet.location][1];
  const std::string system = Game.SystemText[planet.system][1];
  if (Game.SystemData[planet.system][Sys::Owner] == faction) {
    const long long next = s + (s / 100) * 12;
    Step(4, head,
         "For your good services the government had granted you the ownership of the planet " + name + " in the " +
             system + " system.",
         "Score + 12% = " + Money(next), picture + "r.jpg");
    return next;
  }
  Step(4, head,
       "Your government has promised you to grant you the planet " + name + " in the " + system +
           " system. However at the time you retire their promise is worthless, because your faction is not in "
           "control of this planet.",
       "Score + 0% = " + Money(s), picture + "rg.jpg");
  return s;
}

long long CivilWarStep(long long s) {
  const std::string head = "Step 5: Civil War";
  if (Game.Player[Pl::CivilWarWon] != 0) {
    const long long next = s + (s / 100) * 25;
    Step(5, head,
         "Congratulations! You won the civil war for your nation! You will always be known as a legendary hero.",
         "Score + 25% = " + Money(next), "Victory.jpg");
    return next;
  }
  Step(5, head,
       "During your service the civil war was not ended. You were not able to help your faction win the war. Next "
       "time try harder!.",
       "Score + 0% = " + Money(s), "Victoryg.jpg");
  return s;
}

}  // namespace

long long AgeBonusPercent(int age) {
  if (age <= 30) return 50;
  if (age <= 50) return 35;
  if (age <= 65) return 20;
  if (age <= 79) return 10;
  if (age <= 100) return 0;
  return -25;
}

int PromotionPercent(int rank, int ribbons, bool silver, bool gold, bool honor) {
  static const int rankBonus[9] = {0, -25, -24, -21, -15, -8, 0, 10, 25};
  const long long q = (rank >= 1 && rank <= 8 ? rankBonus[rank] : 0) + static_cast<long long>(ribbons) +
                      (silver ? 5 : 0) + (gold ? 8 : 0) + (honor ? 10 : 0);
  return static_cast<int>(std::clamp<long long>(q, -25, 65));
}

long long ApplyPercent(long long score, long long percent) { return score + percent * (score / 100); }

Career CareerAtPlace(int place) {
  place = std::clamp(place, 1, 10);
  const CareerRow& row = kCareers[static_cast<size_t>(place - 1)];
  return {place, row.name, row.text};
}

Career CareerForScore(long long score) {
  int place = 1;  // above every bound: the top of the ladder
  for (int p = 2; p <= 10; ++p)
    if (score <= kCareers[static_cast<size_t>(p - 1)].upTo) place = p;
  return CareerAtPlace(place);
}

std::string LadderPicture(int place, bool reached) {
  const int nn = std::clamp(place, 1, 10) + 1;
  const std::string number = (nn < 10 ? "0" : "") + std::to_string(nn);
  return (reached ? "RetireScreen_" : "RetireScreenON_") + number + ".jpg";
}

void OfferRetirement() {
  if (Game.Ship[Sh::Alive] <= 0) {
    Notify("N/A", "There is no career to retire from.");
    return;
  }
  if (AskYesNo("Retire?", "Do you really wish to retire? (The game would be over and the highscore would be "
                          "calculated)."))
    Retire();
}

RetirementReport ScoreRetirement() {
  RetirementReport report;
  collected = &report.steps;
  long long s = FortuneStep();
  s = AgeStep(s);
  s = PromotionStep(s);
  s = PlanetStep(s);
  s = CivilWarStep(s);
  collected = nullptr;
  report.score = s;
  report.career = CareerForScore(s);
  return report;
}

void SetRetirementPresenter(std::function<void(const RetirementReport&)> show) { presenter = std::move(show); }

long long Retire() {
  const RetirementReport report = ScoreRetirement();
  const long long s = report.score;
  const Career& career = report.career;
  if (presenter) {
    presenter(report);
  } else {
    for (const DialogContent& d : report.steps) Notify(d);
    UI().Message(3, career.name, career.text, LadderPicture(career.place, true));
  }
  EnterHighscore(s);
  UI().ShowScreen(Screen::Highscore);
  // Retiring ends the game like a death without lives.
  Game.Ship[Sh::Alive] = 0;
  Run.GameEnded = true;
  return s;
}

int EnterHighscore(long long score) {
  const int32_t value = Saturate(score);
  int row = 0;
  for (int e = 1; e <= kHighscores && row == 0; ++e)
    if (General.Highscore[e][2] < value) row = e;
  if (row == 0) return 0;
  for (int e = kHighscores; e > row; --e) {
    General.Highscore[e] = General.Highscore[e - 1];
    General.HighscoreName[e] = General.HighscoreName[e - 1];
  }
  auto& entry = General.Highscore[row];
  entry.fill(0);
  entry[1] = 1;
  entry[2] = value;
  entry[3] = Game.Player[Pl::Faction];
  entry[4] = Game.Player[Pl::Rank];
  entry[5] = Game.Ship[Sh::ShipType];
  entry[6] = Game.Ship[Sh::ShipFaction];
  General.HighscoreName[row] = Game.PlayerName;
  highlighted = row;
  if (!SaveGeneralData())
    Notify("Highscores", "The highscore list could not be written; it is kept until the program ends.");
  return row;
}

int HighlightedHighscore() { return highlighted; }

void ClearHighscoreHighlight() { highlighted = 0; }

std::string FactionLogoPicture(int faction) {
  static const char* const logos[5] = {"", "FederationLogo.jpg", "OuterRimLogo.jpg", "CoalitionLogo.jpg",
                                       "SyndicateLogo.jpg"};
  return faction >= 1 && faction <= 4 ? logos[faction] : "";
}

std::vector<HighscoreRow> HighscoreTable() {
  static const char* const ranks[5] = {"", "Fed_Rank", "OR_Rank", "Coal_Rank", "Synd_Rank"};
  std::vector<HighscoreRow> rows;
  for (int e = 1; e <= kHighscores; ++e) {
    const auto& h = General.Highscore[e];
    HighscoreRow row{General.HighscoreName[e], FormatMoney(h[2]), "", ""};
    const int f = h[3];
    if (h[1] > 0 && f >= 1 && f <= 4) {
      row.logo = FactionLogoPicture(f);
      row.insignia = std::string(ranks[f]) + std::to_string(h[4]) + ".jpg";
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace qm
