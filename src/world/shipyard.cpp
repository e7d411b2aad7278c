#include "world/shipyard.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/sound_requests.h"
#include "world/market.h"
#include "world/missions.h"

namespace qm {

const char* const kBattleshipNotForSale =
    "Battleships are the largest ships known and have a devastating firepower. Usually they are kept behind the "
    "lines and only used for invading planets. They are so valuable and rare that they cannot be bought. If you want "
    "a battleship you will have to board and conquer one. You need to have the rank of \"Captain\" to command one.";
const char* const kOtherFactionsNote = "Please note that other factions might have different ships for sale. ";

namespace {

// Ship types per shipyard place, by the pilot's faction (row 0 unused).
constexpr std::array<std::array<int, kShipyardPlaces>, 5> kShipyard = {{
    {},
    {1, 3, 5, 6, 7, 0, 9, 11, 0, 13, 14, 0},
    {1, 2, 5, 6, 8, 0, 9, 11, 0, 13, 14, 15},
    {1, 2, 5, 6, 8, 0, 9, 11, 0, 13, 14, 15},
    {1, 4, 5, 6, 8, 0, 10, 11, 0, 13, 14, 15},
}};

// One equipment category: where the item sits in the Ship record, the family's
// catalogue lookups and the equipment screen's texts.
struct Family {
  int slot;
  int (*price)(int shipType, int item);
  std::string (*name)(int shipType, int item);
  std::string (*picture)(int item);
  std::string (*description)(int item);
  std::string (*speciality)(int item);
  const char* heading;
  const char* already;
  const char* upgradedTo;  // the item's name follows
  const char* upgradedEnd;
};

const std::array<Family, 6> kFamilies = {{
    {Sh::Guns, gunPrice, gunName, gunPictureBase, gunDescription, gunSpecialityText,
     "Upgrade guns:", "You already have this kind of guns in your ship.",
     "You upgrade the guns of your ship to ", " weapons."},
    {Sh::Missiles, missilePrice, missileName, missilePictureBase, missileDescription,
     missileSpecialityText, "Upgrade missiles:", "You already have this kind of missiles in your ship.",
     "You upgrade the missiles of your ship to ", "s."},
    {Sh::Engines, enginePrice, engineName, enginePictureBase, engineDescription, engineSpecialityText,
     "Upgrade engines:", "You already have this kind of engines in your ship.",
     "You upgrade the engines of your ship to ", "s."},
    {Sh::CargoSpace, cargoSystemPrice, cargoSystemName, cargoSystemPictureBase,
     cargoSystemDescription, cargoSystemSpecialityText, "Upgrade cargo space:",
     "You already have this kind of cargo space system in your ship.",
     "You upgrade the cargo space system of your ship to ", "s."},
    {Sh::Targeting, targetingPrice, targetingName, targetingPictureBase, targetingDescription,
     targetingSpecialityText, "Upgrade targeting:", "You already have this kind of targeting systems in your ship.",
     "You upgrade the targeting system of your ship to ", "."},
    {Sh::Ecm, ecmPrice, ecmName, ecmPictureBase, ecmDescription, ecmSpecialityText,
     "Upgrade ECM:", "You already have this kind of ECM in your ship.",
     "You upgrade the ECM of your ship to ", "s."},
}};

const Family* FamilyOf(int category) {
  return category >= 1 && category <= 6 ? &kFamilies[static_cast<size_t>(category - 1)] : nullptr;
}

int ShipClass() { return shipStat(Game.Ship[Sh::ShipType], Stat::Class); }

// The hold size follows the ship, its engine and its cargo system at once.
void RecomputeCargoCapacity() {
  auto& s = Game.Ship;
  s[Sh::CargoCapacity] = cargoCapacity(s[Sh::ShipType], s[Sh::CargoSpace]);
  UI().RefreshTradePopup();
}

void RefuseShip(int shipType) {
  if (shipType > 0 && shipStat(shipType, Stat::Class) == 5) return Notify("N/A", kBattleshipNotForSale);
  Notify("N/A", "This ship is not for sale at the shipyards of your faction.");
}

// Crewmen, officers and pirates fly the ship; marines and droids do not count.
void TopUpCrew(int shipType) {
  auto& s = Game.Ship;
  const int64_t flying = static_cast<int64_t>(s[Sh::Crewmen]) + s[Sh::Officers] + s[Sh::Pirates];
  const int needed = shipStat(shipType, Stat::CrewMin);
  if (flying >= needed) return;
  s[Sh::Crewmen] = Saturate(s[Sh::Crewmen] + (needed - flying));
  Notify("New crewmen!",
         "Your crew is spreading the word about your new ship and soon new volunteers show up to join your crew for "
         "glory and adventure.");
}

}  // namespace

int shipyardOffer(int faction, int place) {
  if (faction < 1 || faction > 4 || place < 1 || place > kShipyardPlaces) return 0;
  return kShipyard[static_cast<size_t>(faction)][static_cast<size_t>(place - 1)];
}

bool forSale(int shipType) {
  if (shipType <= 0) return false;
  for (int place = 1; place <= kShipyardPlaces; ++place)
    if (shipyardOffer(Game.Player[Pl::Faction], place) == shipType) return true;
  return false;
}

int shipValue() {
  const int type = Game.Ship[Sh::ShipType];
  int64_t value = shipStat(type, Stat::Price) / 3;
  for (int category = 1; category <= 6; ++category)
    value += equipmentItemPrice(type, category, installedItem(category)) / 4;
  return Saturate(value);
}

int shipyardBalance(int shipType) {
  return Saturate(std::max<int64_t>(0, static_cast<int64_t>(shipStat(shipType, Stat::Price)) - shipValue()));
}

bool buyShip(int shipType) {
  auto& s = Game.Ship;
  auto& credits = Game.Player[Pl::Credits];
  if (shipType == s[Sh::ShipType]) {
    Notify("N/A", "You already own this kind of ship.");
    return false;
  }
  if (!forSale(shipType)) {
    RefuseShip(shipType);
    return false;
  }
  // A negative cost is a gain: the old ship is worth more than the new one.
  const int64_t cost = static_cast<int64_t>(shipStat(shipType, Stat::Price)) - shipValue();
  if (credits < cost) {
    Notify("Not enough money!", "Unfortunately you do not have enough money to buy this ship.");
    return false;
  }
  if (!AskYesNo("Purchase ship?", "Do you really wish to buy this ship (" + shipName(shipType) + ") ?")) return false;

  credits = Saturate(credits - cost);
  s[Sh::ShipType] = shipType;
  s[Sh::ShipFaction] = Game.Player[Pl::Faction];
  s[Sh::ShieldEnergy] = shipStat(shipType, Stat::MaxShields);
  s[Sh::MissileParam] = 0;
  fitFirstOfferedEquipment();
  RecomputeCargoCapacity();
  RegenerateMissionBoards();
  UI().RefreshMainScreen(s[Sh::System]);
  PlayRewardTune();
  Notify("Congratulations!", "You have successfully bought the new ship!",
         shipPictureName(shipType, s[Sh::ShipFaction]) + "_scene.jpg");
  TopUpCrew(shipType);
  return true;
}

void fillCrewToMinimum(int shipType) { TopUpCrew(shipType); }
void recomputeCargoCapacity() { RecomputeCargoCapacity(); }

void fitFirstOfferedEquipment() {
  const int shipClass = ShipClass();
  for (int category = 1; category <= 6; ++category)
    Game.Ship[FamilyOf(category)->slot] = upgradeOption(shipClass, category, 1);
}

int installedItem(int category) {
  const Family* f = FamilyOf(category);
  return f ? Game.Ship[f->slot] : -1;
}

int equipmentItemPrice(int shipType, int category, int item) {
  const Family* f = FamilyOf(category);
  return f ? f->price(shipType, item) : 0;
}

std::string equipmentItemName(int shipType, int category, int item) {
  const Family* f = FamilyOf(category);
  return f ? f->name(shipType, item) : "";
}

std::string equipmentItemPicture(int category, int item) {
  const Family* f = FamilyOf(category);
  const std::string base = f ? f->picture(item) : "";
  return base.empty() ? "" : base + ".jpg";
}

std::string equipmentItemDescription(int category, int item) {
  const Family* f = FamilyOf(category);
  return f ? f->description(item) : "";
}

std::string equipmentItemSpeciality(int category, int item) {
  const Family* f = FamilyOf(category);
  return f ? f->speciality(item) : "";
}

std::string upgradeHeading(int category) {
  const Family* f = FamilyOf(category);
  return f ? f->heading : "";
}

bool offeredItem(int category, int item) {
  if (!FamilyOf(category)) return false;
  for (int k = 1; k <= 4; ++k)
    if (upgradeOption(ShipClass(), category, k) == item) return true;
  return false;
}

int upgradeCost(int category, int item) {
  const Family* f = FamilyOf(category);
  if (!f) return 0;
  const int type = Game.Ship[Sh::ShipType];
  // The credit is for the item at a quarter of the installed index, as the
  // dealers have always reckoned it.
  const int64_t cost = static_cast<int64_t>(f->price(type, item)) - f->price(type, Game.Ship[f->slot] / 4);
  return Saturate(std::max<int64_t>(0, cost));
}

bool upgradeEquipment(int category, int item) {
  const Family* f = FamilyOf(category);
  if (!f || !offeredItem(category, item)) {
    Notify("N/A", "This item is not offered for your ship.");
    return false;
  }
  auto& s = Game.Ship;
  const int cost = upgradeCost(category, item);
  if (s[f->slot] == item) {
    Notify("Cannot upgrade!", f->already);
    return false;
  }
  if (Game.Player[Pl::Credits] < cost) {
    Notify("Not enough money!", "Unfortunately you do not have enough money to make this upgrade.");
    return false;
  }
  if (category == Category::CargoSystems && cargoHeld() > 0) {
    Notify("Cargo space full!", "To upgrade your cargo space you will first have to empty it by selling ALL goods.");
    return false;
  }
  Game.Player[Pl::Credits] -= cost;
  s[f->slot] = item;
  // The cargo system and the compact engine both change the hold.
  if (category == Category::CargoSystems || category == Category::Engines) RecomputeCargoCapacity();
  UI().RefreshMainScreen(s[Sh::System]);
  Notify("Upgrading...", f->upgradedTo + f->name(s[Sh::ShipType], item) + f->upgradedEnd,
         equipmentItemPicture(category, item));
  return true;
}

}  // namespace qm
