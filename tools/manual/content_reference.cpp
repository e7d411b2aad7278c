// Chapter 8: keys, settings, savegames and files, the command line, the galaxy.
#include "manual/manual.h"
#include "manual/tables.h"

namespace qm::manual {

void AddReference(Document& d) {
  d.Chapter("Reference", "The keys of every screen, the game settings, where your games are kept, and the map of "
                         "the galaxy as it stands at the start of a game.");
  d.Section("Keys");
  d.Paragraph("The mouse does everything, and so does the keyboard. On every screen Enter (or Space) takes the "
              "default button, Escape goes back or closes the screen, and a right-click on any control explains "
              "it. F11 switches between window and full screen, F12 saves a screenshot into your savegame folder.");
  d.Definitions({
      {"Main screen", "Escape closes the info panel or the options, else asks whether to quit the game."},
      {"Faction screen", "1\u20134 or the arrow keys choose a faction."},
      {"Planet", "1\u20136 open the services, the arrows and Enter choose one, Escape returns to space."},
      {"Shipyard, missions", "The arrow keys (and Tab) step through the ships or the missions."},
      {"Equipment", "1\u20136 choose the category, Up and Down step through the categories, Left and Right "
                    "through the items offered."},
      {"Crew hiring", "Up and Down choose the crew type, + or Right hires, \u2212 or Left dismisses."},
      {"Personal status", "C shows the combat abilities, N the non-combat abilities, Left and Right step through "
                          "the awards."},
      {"Ability screen", "1\u20133 or Tab choose the tree, the arrow keys the ability."},
      {"Ship battle", "1 \u2026 9, 0, \u2212 and = use the twelve ability buttons, Enter ends the turn, Escape asks "
                      "whether to quit the game."},
      {"Boarding", "1\u20134 choose an area; A attack, C commando strike, E EMP strike, R retreat."},
      {"Fleet battle", "1\u20139 and 0 (or Tab) choose a hostile ship, F1\u2013F10 an escort; A attack it yourself, S "
                       "send the escort, E emergency recharge, R retreat."},
      {"Ship sensors", "The arrow keys or Tab step through the contacts; A attacks, C hails."},
      {"Campaign", "M asks for a mission, S strikes the starbase."},
      {"Highscores", "Up, Down, Home and End step through the list."},
      {"Settings, cheats", "Up and Down step through the lines, Space or Enter switches the line."},
      {"Combat simulator", "1\u20133 or Left and Right choose the ship, T, S, R or Up and Down the expertise; in the "
                           "duel F1\u2013F4 or Left and Right set the speed and Space pauses."},
  });
  d.Section("Game settings");
  d.Paragraph("\"Options\" on the main screen leads to the game settings. They are kept with your highscores and "
              "apply to every game; the mode for the visually impaired lasts until the game is closed.");
  d.AddTable(SettingTable());
  d.Paragraph("The same options panel saves and loads games and returns to the main menu. A cheat screen is hidden "
              "in the game for those who look for it, but be warned: cheats spoil the fun of a career.");
  d.Section("Savegames and files");
  d.Paragraph("There are four savegame slots; give each saved game a name you will recognise. Each slot is a pair "
              "of files, **Savegame1.int** and **Savegame1.str** to **Savegame4.***, and the settings and the "
              "highscores are kept in **GeneralData.int** and **GeneralData.str**. They all live in your savegame "
              "folder: **$XDG_DATA_HOME/quellmark** when that variable is set, else **~/.local/share/quellmark**. "
              "Copy the folder to keep your games safe or to take them to another computer.");
  d.Paragraph("The game\u2019s own music, sounds and this manual lie in its data folder, **share/quellmark** beside "
              "the program\u2019s **bin** folder; \"quellmark --manual\" prints where the manual is. Pictures, music "
              "and sounds are looked up by name in the folder given with --data, then in the working directory, "
              "then in the data folder: a picture file dropped there replaces the game\u2019s own drawing of it.");
  d.Subsection("The command line");
  d.Definitions({
      {"--dir DIR", "Keep the savegames, settings and highscores in DIR."},
      {"--data DIR", "Look for pictures, music and sounds in DIR first."},
      {"--seed N", "Start the random generator with N: the same seed and the same moves give the same game."},
      {"--manual", "Print where this manual is, and exit."},
      {"--version, --help", "Print the version of the game, or all of its options, and exit."},
  });
  d.Paragraph("**quellmark-cli** plays the rules of the game without a window, from a script or from the "
              "keyboard; \"quellmark-cli --help\" lists its commands.");
  d.Section("The galaxy");
  d.Paragraph("The star systems as they stand at the start of a game, with their owners, their class and their "
              "wormholes; the days are the length of the jump. Owners change as systems are conquered.");
  d.AddTable(SystemTable());
}

}  // namespace qm::manual
