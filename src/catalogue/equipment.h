#pragma once
// The fixed catalogue of ship equipment: guns, missiles, engines, targeting
// systems, ECM systems and cargo systems, with their combat numbers and prices,
// the upgrade options per ship class and the derived ship values (shields,
// cargo capacity, crew). Item indices are 0-based within their family; every
// lookup is total and gives 0 or an empty text for unknown arguments.
#include <string>

#include "state/equipment_limits.h"

namespace qm {

// Guns. The name carries the calibre of the ship's class, e.g. "Laser (8 cm)".
std::string gunName(int shipType, int item);
std::string gunPictureBase(int item);
std::string gunDescription(int item);
std::string gunSpecialityText(int item);
int gunPrice(int shipType, int item);
// These follow the player's switched-on ship special: Twin guns fire as a
// Turbo-Laser, Gun volley adds half the damage and 1 AP.
int gunHitChance(int shipType, int item);
int gunDamage(int shipType, int item);
int gunActionPoints(int shipType, int item);

// Missiles.
std::string missileName(int shipType, int item);
std::string missilePictureBase(int item);
std::string missileDescription(int item);
std::string missileSpecialityText(int item);
int missilePrice(int shipType, int item);
int missileDamage(int shipType, int item);
// Never below 2; 1 less with Fast missile racks switched on or at rank 7 and 8.
int missileActionPoints(int shipType, int item);
int missileEcmModifier(int item);

// Engines.
std::string engineName(int shipType, int item);
std::string enginePictureBase(int item);
std::string engineDescription(int item);
std::string engineSpecialityText(int item);
int enginePrice(int shipType, int item);
int engineSpeed(int shipType, int item);
int engineEvasiveBonus(int item);

// Targeting systems.
std::string targetingName(int shipType, int item);
std::string targetingPictureBase(int item);
std::string targetingDescription(int item);
std::string targetingSpecialityText(int item);
int targetingPrice(int shipType, int item);
int targetingHitBonus(int item);

// ECM systems.
std::string ecmName(int shipType, int item);
std::string ecmPictureBase(int item);
std::string ecmDescription(int item);
std::string ecmSpecialityText(int item);
int ecmPrice(int shipType, int item);
int ecmChance(int item);
int ecmActionPoints(int item);

// Cargo systems.
std::string cargoSystemName(int shipType, int item);
std::string cargoSystemPictureBase(int item);
std::string cargoSystemDescription(int item);
std::string cargoSystemSpecialityText(int item);
int cargoSystemPrice(int shipType, int item);

// Base price scaled by the ship's class: x4, x32, x96, x128, x640; saturated.
int equipmentPrice(int shipType, int baseprice);
// The k-th (1..4) item offered to a ship class (1..5) in a category (1..6).
int upgradeOption(int shipClass, int category, int k);
// MaxShields of the type, +1/4 with engine 6, then +1/4 with cargo system 2.
int maxShields(int shipType, int engine, int cargoSystem);
// The hold size for the cargo system, the installed engine (Ship Engines) and the
// cargo manager abilities (NonCombatAbilities 3 and 4).
int cargoCapacity(int shipType, int cargoSystem);
// CrewMax of the type, +1/5 with the boarding shuttle (cargo system 5).
int maxCrew(int shipType, int cargoSystem);

}  // namespace qm
