#pragma once
// The facts the shipyard, equipment and ship status screens show, as labelled
// lines ready to print (an empty label marks a line that stands alone).
#include <string>
#include <vector>

namespace qm {

struct SheetLine {
  std::string label;
  std::string value;
};
using Sheet = std::vector<SheetLine>;

// The shipyard's "Selected ship:" panel for a ship type.
Sheet shipOfferSheet(int shipType);
// Thumbnail of a shipyard place and the selected ship's small picture, in the player's colours.
std::string shipyardThumbnail(int shipType);
std::string shipyardPicture(int shipType);
// The text shown when the speciality is clicked: "If active " + its explanation.
std::string specialityHelp(int shipType);

// The equipment screen's sheet of an item for the player's ship.
Sheet equipmentItemSheet(int category, int item);
// Only the item's figures on the player's ship (damage, hit chance, speed ...),
// as on its sheet between the description and the speciality.
Sheet equipmentFigures(int category, int item);

// The ship status screen of the player's ship. Its crew maximum is the one
// crew hiring enforces (the installed cargo system may add places).
Sheet shipStatusSheet();

}  // namespace qm
