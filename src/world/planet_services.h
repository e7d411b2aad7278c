#pragma once
// The planet screen and its remaining services: the spaceport bar, the pirate
// hideout and the governor. Every refusal says why and changes nothing.
#include <string>

namespace qm {

// What the planet screen shows for a location.
struct PlanetFacts {
  std::string name;
  std::string description;
  std::string faction;    // "Faction: " + the owner's long name
  std::string classLine;  // "Class: Agricultural" .. "Class: Pirate hideout"
  std::string picture;    // the city picture: "city_earth", "city_sirius", "city_hope", "city7" or "Sun"
};
PlanetFacts planetFacts(int system, int location);
// The picture the planet screen shows: the city picture where the world gives
// the planet one, otherwise the planet's own large view (picture name + "r"),
// so a planet without a city picture is never shown as a sun.
std::string planetScreenPicture(int system, int location);
// "Class: " + the name of a location kind; "Class: ?" for a kind without one.
std::string locationClassLine(int kind);

// Where the ship is: a planet one can land on, or a revealed pirate hideout.
bool atPlanet();
bool atHideout();

// The bar's price for the barkeeper's tip: HideoutsBought² × 5000.
int drinkPrice();
// Hidden pirate hideouts of a system (not yet shown on the map).
int hiddenHideouts(int system);
// A day at the bar; where a hideout is hidden the barkeeper offers the tip.
void orderDrink();

// At a hideout: waits until the criminal flag has worn off, one day at a time.
void hide();

// The governor's greeting for the player's rank, in quotation marks.
std::string governorGreeting();
// "No", or "Yes (N turns)".
std::string criminalStatusText();
// The amnesty is offered to a criminal who has learned the Amnesty ability.
bool amnestyOffered();
void buyAmnesty();

}  // namespace qm
