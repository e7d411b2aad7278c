// Chapter 7: experience, promotions, ranks, medals, abilities, lives, age, retirement.
#include <string>
#include <vector>

#include "catalogue/career.h"
#include "manual/manual.h"
#include "manual/tables.h"

namespace qm::manual {

void AddCareer(Document& d) {
  d.Chapter("The career",
            "You serve a faction at war. Missions, battles, contraband sold and war bonds bought all earn "
            "experience, and experience brings promotions, ribbons, ranks and new abilities.");
  d.Section("Experience and promotions");
  d.Paragraph("The experience bar on the main screen fills towards the next level. Every new level is a "
              "promotion: it brings a campaign ribbon or a new rank, one more life, and a new ability of your "
              "choice. At the last level your government grants you a planet of your own, if your faction holds "
              "it when you retire.");
  d.AddTable(LevelTable());
  d.Figure(Picture{"Uni-Fed-blank.jpg", 92, 108, "", ""},
           {"The promotion screen shows your new ribbon with its motto, or your new rank, and your uniform with "
            "everything you have earned. Each faction has its own ribbons, its own insignia and its own uniform.",
            "Two medals are awarded for feats in battle, each once in a career: the **Silver Star** for destroying a "
            "ship of a bigger class than your own that does not belong to your faction, and the **Gold Star** for "
            "destroying a starbase. The other factions know them under their own names."});
  d.Subsection("The ranks");
  std::vector<Picture> insignia;
  const Table ranks = RankTable();
  for (size_t r = 0; r < ranks.rows.size(); ++r)
    insignia.push_back(Picture{"Fed_Rank" + std::to_string(r + 1) + ".jpg", 52, 32,
                               ranks.rows[r][0] + " (" + ranks.rows[r][1] + "), from level " + ranks.rows[r][2], ""});
  d.Gallery(insignia);
  d.Paragraph("The rank opens larger loans at the bank, changes how governors greet you, and weighs heavily in the "
              "score of your retirement. An admiral\u2019s standard attacks become stronger: guns hit harder, "
              "missiles cost an action point less and ECM works better.");
  d.Section("Abilities");
  d.Paragraph("A new rank lets you learn a combat ability (see the combat chapter), a ribbon a non-combat ability. "
              "The non-combat abilities grow in three trees, **Trade**, **Mercenary** and **Criminal**; as in combat, "
              "the first two of a tree are open to everyone and each of the others needs one before it. If you "
              "close the ability screen without choosing, the pick is kept: take it later from the personal "
              "status.");
  d.AddTable(NonCombatAbilityTable());
  d.Section("Lives and age");
  d.Paragraph("You start with three lives and gain one with every promotion. When your ship is destroyed you lose "
              "a life and get a new chance with a repaired ship; when the last life is gone, the game is over. "
              "Save your game often: the four savegame slots are your safety net.");
  d.Gallery({Picture{"hero2_20y.jpg", 54, 65, "Age 20", ""}, Picture{"hero2_35y.jpg", 54, 65, "35", ""},
             Picture{"hero2_50y.jpg", 54, 65, "50", ""}, Picture{"hero2_70y.jpg", 54, 65, "70", ""},
             Picture{"hero2_150y.jpg", 54, 65, "150", ""}});
  d.Paragraph("A year has 360 days, and your pilot ages with them. From 70 on flights take longer and longer, "
              "and the game will remind you that it is time to retire.");
  d.Section("Retirement and the highscores");
  d.Paragraph("At the bar of any planet you may retire. The game ends and your career is scored in five steps:");
  d.Bullets({"**Fortune**: your credits and a third of the price of your ship; a tenth of it is your starting score.",
             "**Age**: the younger you retire, the more you gain: half again at 30 or younger, nothing past 80, "
             "and a loss beyond 100.",
             "**Promotion**: your rank, your ribbons and your medals raise the score; a low rank lowers it.",
             "**Your own planet**: a planet granted and still held by your faction adds 12 per cent.",
             "**The civil war**: adds 25 per cent once you have helped your faction to win enough invasions for "
             "high command to declare the civil war won."});
  d.Paragraph("The final score decides your second career, from beggar to president, and the five best scores "
              "enter the highscore list, which the main menu shows.");
  d.AddTable(CareerTable());
}

}  // namespace qm::manual
