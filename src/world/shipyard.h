#pragma once
// The shipyard and the equipment screen's rules: buying another ship type
// against the trade-in value of the old one, and replacing the installed item
// of one of the six equipment categories. Every refusal says why and changes nothing.
#include <string>

namespace qm {

constexpr int kShipyardPlaces = 12;

// The ship type offered at a shipyard place (1..12) to a pilot of `faction`; 0 = "Not available".
int shipyardOffer(int faction, int place);
// True when the player's faction can buy `shipType` at the shipyard.
bool forSale(int shipType);

// Trade-in value of the player's ship: its price / 3 plus a quarter of each installed item's price.
int shipValue();
// What the new ship costs after the trade-in, shown as 0 when the old ship is worth more.
int shipyardBalance(int shipType);
// Buys `shipType` (asks first). Returns true when the ship was bought.
bool buyShip(int shipType);

// Installs the first item offered for the ship's class in every category.
void fitFirstOfferedEquipment();
// Hires crewmen until crewmen, officers and pirates reach the ship's minimum crew (with a notice).
void fillCrewToMinimum(int shipType);
// The hold follows the ship type and its cargo system.
void recomputeCargoCapacity();

// The installed item of a category (1 guns .. 6 ECM); -1 for an unknown category.
int installedItem(int category);
// The price of `item` of `category` for a ship type (0 for unknown items).
int equipmentItemPrice(int shipType, int category, int item);
// The item's name for a ship type (guns carry their calibre).
std::string equipmentItemName(int shipType, int category, int item);
std::string equipmentItemPicture(int category, int item);  // with ".jpg"
std::string equipmentItemDescription(int category, int item);
std::string equipmentItemSpeciality(int category, int item);
// "Upgrade guns:", "Upgrade missiles:", ...
std::string upgradeHeading(int category);
// True when `item` is one of the four items offered to the player's ship class.
bool offeredItem(int category, int item);
// The price of `item` minus the price of the item at the installed index / 4, never below 0.
int upgradeCost(int category, int item);
// Installs `item` in `category`. Returns true when the upgrade was made.
bool upgradeEquipment(int category, int item);

// The shipyard's fixed explanations.
extern const char* const kBattleshipNotForSale;
extern const char* const kOtherFactionsNote;

}  // namespace qm
