#pragma once
// Retirement: the career scored in five steps, the second career by the final
// score, and the highscore table kept across games.
#include <functional>
#include <string>
#include <vector>

#include "state/frontend.h"

namespace qm {

// The retirement question, then Retire on "yes".
void OfferRetirement();
// Scores the career in five dialogs, shows the career ladder, enters the
// highscore and ends the game. Returns the final score.
long long Retire();

// The five steps' arithmetic, each returning the new score.
long long AgeBonusPercent(int age);
int PromotionPercent(int rank, int ribbons, bool silver, bool gold, bool honor);
long long ApplyPercent(long long score, long long percent);  // score + percent * (score div 100)

// The second career for a final score: place 1 "President" .. 10 "Beggar".
struct Career {
  int place = 10;
  std::string name;
  std::string text;
};
Career CareerForScore(long long score);
Career CareerAtPlace(int place);
// The rung picture of a ladder place: "RetireScreen_NN.jpg" when reached,
// "RetireScreenON_NN.jpg" otherwise (NN = place + 1).
std::string LadderPicture(int place, bool reached);

// A retirement scored without showing it: the five steps' dialogs
// ("Retirement (1/5)" ..), the final score and the second career.
struct RetirementReport {
  std::vector<DialogContent> steps;
  long long score = 0;
  Career career;
};
RetirementReport ScoreRetirement();
// A frontend with a retirement screen of its own shows the report there; without
// one Retire shows the steps as dialogs and the career in a notice.
void SetRetirementPresenter(std::function<void(const RetirementReport&)> show);

// Enters a score into the five-entry table (ties go below the older entry) and
// writes the general data at once. Returns the row entered, 0 when none.
int EnterHighscore(long long score);
// The row entered last in this program run (drawn highlighted), 0 for none.
int HighlightedHighscore();
// Every highscore line back to plain white (the list opened from the main menu).
void ClearHighscoreHighlight();
struct HighscoreRow {
  std::string name;
  std::string score;     // FormatMoney
  std::string logo;      // faction logo picture; empty for an empty row
  std::string insignia;  // rank insignia picture; empty for an empty row
};
std::vector<HighscoreRow> HighscoreTable();
// The faction's logo picture ("FederationLogo.jpg"); empty for no faction.
std::string FactionLogoPicture(int faction);

}  // namespace qm
