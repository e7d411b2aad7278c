// Chapter 4: ships, the shipyard, equipment and crew.
#include "state/equipment_limits.h"
#include "manual/manual.h"
#include "manual/tables.h"

namespace qm::manual {

void AddShips(Document& d) {
  d.Chapter("Ships, equipment and crew",
            "Your ship is your home, your warehouse and your weapon. A bigger ship carries more, fights harder and "
            "can cross the wormholes, but it needs a crew and costs a fortune.");
  d.Section("The ships");
  d.Gallery({Picture{"Federation_Starwolf_topwire.jpg", 80, 60, "Fighter", ""},
             Picture{"Federation_Shadowcat_topwire.jpg", 80, 60, "Corvette", ""},
             Picture{"Federation_Patton_topwire.jpg", 80, 60, "Destroyer", ""},
             Picture{"Federation_Neptun_topwire.jpg", 80, 60, "Cruiser", ""},
             Picture{"Federation_Marauder_topwire.jpg", 80, 60, "Battleship", ""}});
  d.Paragraph("Ships come in five classes. **Fighters** are cheap and need no crew, but they cannot jump through "
              "wormholes. **Corvettes** are the smallest ships with jump engines. **Destroyers** and **cruisers** "
              "carry heavy guns and large holds; their freighter versions trade firepower for cargo. **Battleships** "
              "are never sold: the only way to command one is to board and capture it. The class also decides which "
              "missions you are offered and which equipment you can fit.");
  d.AddTable(ShipTable());
  d.Section("The shipyard");
  d.Paragraph("Every shipyard sells you the ships of your own faction; the other factions have a choice of their "
              "own, as the table shows. Your old ship is taken in part exchange: it is worth a "
              "third of its price and a quarter of the price of every item installed. A new ship comes with the "
              "simplest equipment of its class, and if it needs more crew than you have, volunteers fill the gap.");
  d.AddTable(ShipyardTable());
  d.Subsection("Special abilities of the ships");
  d.Paragraph("Most ships have a special ability. Some act all the time (extended sensors, a hidden cargo bay, "
              "battle droids for boarding); the others are switched on and off in battle with the button \"Ship\u00b4s "
              "special ability\" on the ability bar; switching costs 3 AP.");
  d.AddTable(SpecialityTable());
  d.Section("Equipment");
  d.Paragraph("The equipment screen has six categories: guns, missiles, engines, cargo systems, targeting and ECM. "
              "For each, the screen offers four items that suit the class of your ship. An upgrade costs the "
              "price of the new item less a credit for the old one, and the price grows steeply with the ship\u2019s "
              "class. To change the cargo system the hold must be empty. In the tables below, \"Ships\" lists the "
              "classes that are offered an item (**F** fighter, **C** corvette, **D** destroyer, **Cr** cruiser, "
              "**B** battleship), and the price is the one for the smallest of them.");
  d.Subsection("Guns");
  d.AddTable(EquipmentTable(Category::Guns));
  d.Subsection("Missiles");
  d.Paragraph("A missile takes some turns to reach its target and can be stopped by ECM on the way; when it hits, "
              "it hits hard. A mine closes in only on an enemy that holds you with its tractor beam (the Mk. II also "
              "on one that has marked you).");
  d.AddTable(EquipmentTable(Category::Missiles));
  d.Subsection("Engines");
  d.AddTable(EquipmentTable(Category::Engines));
  d.Subsection("Cargo systems");
  d.AddTable(EquipmentTable(Category::CargoSystems));
  d.Subsection("Targeting");
  d.AddTable(EquipmentTable(Category::Targeting));
  d.Subsection("ECM");
  d.AddTable(EquipmentTable(Category::Ecm));
  d.Section("Crew");
  d.Paragraph("Every ship from the corvette upwards needs a crew between its minimum and its maximum (see the table "
              "of ships). Crew is hired in the bar of a planet, pirates at a pirate hideout; battle droids cannot be "
              "hired at all, but can be captured when boarding. Dismissed crew is not paid back. The crew counts "
              "most when you board an enemy ship.");
  d.AddTable(CrewTable());
}

}  // namespace qm::manual
