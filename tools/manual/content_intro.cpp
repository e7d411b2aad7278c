// Chapter 1: what the game is, a new pilot, the first steps.
#include "catalogue/professions.h"
#include "catalogue/ships.h"
#include "manual/manual.h"
#include "manual/tables.h"

namespace qm::manual {

void AddIntroduction(Document& d) {
  d.Chapter("Welcome to Quellmark",
            "Twenty-four star systems, four factions at war, and one pilot with a small ship, ten thousand "
            "credits and a long career ahead. This manual tells you how the galaxy works and how to make your "
            "way in it.");
  d.Section("The game");
  d.Figure(Picture{"Federation_Starwolf_scene.jpg", 190, 127, "A Starwolf, the freelancer\u2019s fighter", ""},
           {"Quellmark is a turn-based game of trade and combat in space. You create a pilot, choose a faction and a "
            "profession, and live a whole career: you buy cheap and sell dear across the planets of a fixed galaxy, "
            "smuggle contraband past the police, take missions from your faction, fight ship battles turn by turn, "
            "board crippled ships and capture them, and join the great fleet battles of invasions.",
            "Time passes only while you travel, one day after the other. Every day the galaxy moves on without you: "
            "prices change, factions declare war and make peace, invasions are won and lost, and the news reports "
            "it all. When you have made your fortune, or when age catches up with you, you retire and the game "
            "scores your career."});
  d.Paragraph("There are many ways to win. A **trader** grows rich on the price differences between planets and "
              "rarely fires a shot. A **mercenary** lives on missions and bounties. A **smuggler** runs "
              "contraband from the pirate hideouts past the police, and a **pirate** takes what other ships carry. "
              "All of them earn experience, rise through the ranks of their faction and learn new abilities on "
              "the way.");

  d.Section("A new pilot");
  d.Paragraph("\"Start a new game\" on the main menu takes you through three screens. First you choose your "
              "**faction**: it decides where you start, which ships its shipyards sell, which systems are friendly "
              "and who your enemies are. The four factions are:");
  d.Gallery({Picture{"FederationLogo.jpg", 58, 58, factionSelectionName(1), ""},
             Picture{"OuterRimLogo.jpg", 58, 58, factionSelectionName(2), ""},
             Picture{"CoalitionLogo.jpg", 58, 58, factionSelectionName(3), ""},
             Picture{"SyndicateLogo.jpg", 58, 58, factionSelectionName(4), ""}});
  std::vector<std::pair<std::string, std::string>> factions;
  for (int f = 1; f <= 4; ++f) factions.push_back({factionSelectionName(f), factionSummary(f)});
  d.Definitions(factions);
  d.Paragraph("Then you enter your **name** and pick one of three **portraits**; the portrait ages with you, from "
              "the young cadet to the grey veteran. Last you choose your **profession**. It gives you your first "
              "ship, three combat abilities beyond the guns, missiles and ECM every pilot has, and one other "
              "ability:");
  d.AddTable(ProfessionTable());
  std::vector<std::pair<std::string, std::string>> professions;
  for (int p = 1; p <= 6; ++p) professions.push_back({professionName(p), professionDescription(p)});
  d.Definitions(professions);
  d.Paragraph("Every pilot starts at the age of 22 with 10,000 credits and three lives, in the capital system of "
              "the faction. The profession only sets the start: later you may trade, fight, smuggle and learn "
              "whatever abilities you like.");

  d.Section("The first steps");
  d.Paragraph("\"Start tutorial\" on the main menu creates a pilot with you and walks you through a first game: a "
              "trade inside your home system, a first mission and its battle, a landing on a planet, the ship "
              "sensors, the galaxy map, saving the game, and the status screens of your ship and your pilot. A green "
              "pane on each screen says what to click next, and a blinking frame marks the control. \"Minimize\" "
              "folds the pane away, \"Cancel tutorial\" ends it. During the first battle of the tutorial your ship "
              "cannot be destroyed.");
  d.Paragraph("Without the tutorial, a good first plan is the one it teaches: buy a cheap commodity where it is "
              "plentiful, fly to a planet of your system that pays more for it, and sell. A fighter cannot use "
              "wormholes, so your first trades stay inside your home system; once you own a corvette the whole "
              "galaxy is open to you. Take the missions your ship can handle, and save often.");
  d.Note("Right-click any control on any screen to learn what it does. Every screen also works from the keyboard: "
         "Enter takes the default button and Escape goes back. The keys of each screen are listed at the end of "
         "this manual.");
}

}  // namespace qm::manual
