// Chapter 2: the main screen, the galaxy map, the planet and the status screens.
#include "manual/manual.h"
#include "manual/tables.h"

namespace qm::manual {

void AddScreens(Document& d) {
  d.Chapter("The screens of the game",
            "Most of the game is played from the main screen, the map of the star system your ship is in. From "
            "there you fly, land, trade, take missions, scan for other ships and open the galaxy map.");
  d.Section("The main screen");
  d.Paragraph("The large map shows the current star system: its sun, its planets and asteroid fields, its "
              "wormholes to other systems, the pirate hideouts you know of, and the space objects drifting about. "
              "A green marker shows where your ship is, a cyan one what you have selected, and an amber one the "
              "target of your mission. Click a place to select it, double-click it to fly there.");
  d.Gallery({Picture{"Sun.jpg", 50, 50, "Sun", ""}, Picture{"earth4.jpg", 50, 50, "Planet", ""},
             Picture{"asteroids.jpg", 50, 50, "Asteroid field", ""}, Picture{"wormhole.jpg", 50, 50, "Wormhole", ""},
             Picture{"PirateBase.jpg", 50, 50, "Pirate hideout", ""},
             Picture{"lifepod.jpg", 50, 50, "Space object", ""}});
  d.Paragraph("Around the map you find your ship\u2019s wireframe (click it for the ship status), your portrait "
              "(click it for your personal status), the shield bar and the experience bar, the ship\u2019s log with "
              "the star date, and the five latest news; click a news line to read the whole report. While the "
              "system is under invasion an alert panel leads to the campaign screen. The command bar at the bottom "
              "holds the main commands:");
  d.Definitions({
      {"Fly to / Dock / Jump", "Flies to the selected place. At a planet where your ship is it lands (\"Dock\"), "
                               "at a wormhole it jumps to the next system (\"Jump\")."},
      {"Info", "Opens a description of the selected place: its class, its owner and what it is like."},
      {"Trade / Prices", "Opens the trade window: at a planet where you are, to buy and sell; elsewhere to see "
                         "the prices of the selected place."},
      {"Missions", "Opens the mission board of the system, or the report of your running mission."},
      {"Pirating", "Opens the ship sensors: the ships in this system, to hail or attack them."},
      {"Galaxy", "Opens the galaxy map."},
      {"Options", "Save a game, load a game, the game settings, and the way back to the main menu."},
  });
  d.Section("The galaxy map");
  d.Paragraph("The galaxy map shows all twenty-four star systems and their owners. A system\u2019s blip has the "
              "colour of its faction; a battle icon marks a system under invasion; the names of systems that belong "
              "to a faction at war with yours are written in red. The map opens on your own system.");
  d.Gallery({Picture{"GalaxyMapBlip_Fed.jpg", 26, 26, "Federation", ""},
             Picture{"GalaxyMapBlip_OuterR.jpg", 26, 26, "Outer Rim", ""},
             Picture{"GalaxyMapBlip_Coal.jpg", 26, 26, "Coalition", ""},
             Picture{"GalaxyMapBlip_Synd.jpg", 26, 26, "Syndicate", ""},
             Picture{"Battleicon.jpg", 26, 26, "Under invasion", ""}});
  d.Paragraph("\"Info\" describes the selected system, \"Prices\" lists the price of every commodity there, as far "
              "as you know them today: a price you do not know shows as \"?\". Select a commodity and the map writes "
              "its price under every system, which makes it the best tool to plan a trade route.");
  d.Section("The planet");
  d.Paragraph("Landing on a planet opens the planet screen with its services; the number keys 1 to 6 open them "
              "too. You can land on the planets of your own faction and of every faction that is not at war with "
              "yours, but not on asteroid fields, and not while the police are looking for you.");
  d.Definitions({
      {"1 Shipyard", "Buy another ship; your old one is taken in part exchange."},
      {"2 Equipment", "Replace the guns, missiles, engines, cargo system, targeting or ECM of your ship."},
      {"3 Trade", "Buy and sell the commodities of the planet."},
      {"4 Bar", "Order a drink, hire crew, or retire."},
      {"5 Bank", "Take a loan, pay your debts, buy and sell war bonds."},
      {"6 Governor", "Meet the governor, see your criminal record, buy an amnesty."},
  });
  d.Paragraph("A pirate hideout has a screen of its own: there you can hide until the police have stopped looking "
              "for you, hire pirates as crew and buy contraband.");
  d.Section("Your ship and your pilot");
  d.Figure(Picture{"hero1_35y.jpg", 66, 80, "", ""},
           {"The **ship status** shows your ship\u2019s class and numbers, its value and the crew aboard. The "
            "**personal status** shows your uniform with its ribbons and medals, your portrait, a summary of your "
            "career and the lives you have left; from there you browse the two trees of abilities and take an "
            "ability pick you have saved for later.",
            "Your portrait grows older with you: a year of the game has 360 days, and every flight takes some of "
            "them."});
}

}  // namespace qm::manual
