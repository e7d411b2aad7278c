#pragma once
// The fixed catalogue of ship types: statistics, names, pictures, descriptions
// and the ships' special abilities. Every lookup is total: an unknown ship type,
// stat, speciality or faction gives 0 or an empty text.
#include <string>

#include "state/game_state.h"

namespace qm {

// Stat numbers of shipStat.
namespace Stat {
enum : int {
  Class = 1, GunAccuracy = 2, GunDamage = 3, GunActionPoints = 4, MaxShields = 5, MissileDamage = 6,
  MissileActionPoints = 7, TravelSpeed = 8, BaseCargo = 9, BountyValue = 10, Price = 11, CrewMin = 12,
  CrewMax = 13, FieldedBy = 14, Role = 15, IsFormation = 16, Speciality = 17, ActionPointsPerTurn = 18
};
}

// Ship types 1..kShipTypes and the starbase (kStarbase) are numbered with the game state.

// Ship special ability ids (stat Speciality) that change equipment numbers.
namespace ShipSpecial {
enum : int { TwinGuns = 3, GunVolley = 8, FastMissileRacks = 9 };
}

int shipStat(int shipType, int stat);
std::string shipName(int shipType);
std::string shipPictureBase(int shipType);
// Faction prefix + picture base, without suffix; type 0 gives "NotAvailable".
std::string shipPictureName(int shipType, int faction);
std::string shipDescriptionLong(int shipType);
std::string shipDescriptionShort(int shipType);
// "Fighter", "Corvette", "Destroyer"/"Transporter", "Cruiser"/"Freighter", "Battleship".
std::string shipClassName(int shipType);
// "fighter" .. "battleship", used after a ship name in list captions.
std::string shipClassNameLower(int shipType);
std::string specialityName(int id);
// The text that follows "If active " on the shipyard screen.
std::string specialityExplanation(int id);
// "Pirate_" (0), "Federation_", "Outerrim_", "Coalition_", "Syndicate_" (4).
std::string factionPrefix(int faction);

// True while the player's ship special is switched on in combat and the given
// ship type has that speciality.
bool specialityActive(int shipType, int speciality);

}  // namespace qm
