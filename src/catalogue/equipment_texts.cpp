// Names, picture bases, speciality texts and descriptions of the equipment.
#include <array>
#include <string_view>

#include "catalogue/equipment.h"
#include "catalogue/lookup.h"
#include "catalogue/ships.h"

namespace qm {
namespace {

struct ItemText {
  std::string_view name;
  std::string_view picture;
  std::string_view speciality;
  std::string_view description;
};

constexpr std::array<ItemText, kGunItems> kGunTexts = {{
    {"Laser", "Equipment_Laser", "No speciality",
     "Laser guns are standard weapons, which fire a focused laser beam capable of cutting through even the "
     "thickest armor."},
    {"Turbo-Laser", "Equipment_TurboLaser", "Rapid fire; Overheat",
     "Turbo-Lasers are automatic weapons firing rapid bursts of laser beams. They have lower accuracy and "
     "lower damage, but can be fired very fast. There is a low risk of overheating."},
    {"Fusion", "Equipment_Fusion", "2x damage chance",
     "Fusion guns are derived from laser guns, but use a more raw type of energy. They cause more damage, "
     "while being less accurate and requiring more action-points (AP). There is a chance of it causing "
     "double damage."},
    {"Particle", "Equipment_Particle", "No speciality",
     "These high-end weapons are extremely expensive, but are the best guns you can get for a fighter or "
     "corvette. They combine the strength of a fusion gun with the accuracy of a laser weapon."},
    {"Quantum", "Equipment_Quantum", "EMP pulse (self)",
     "Not much is known about these modern high-tech weapons. These beasts cause unbelievable damage, but "
     "there is a chance the own ship is stunned due to a sudden electro magnetic pulse (EMP)."},
    {"SuperFusion", "Equipment_SuperFusion", "Shield decrease",
     "This is an experimental and unstable weapon. It causes great damage, but doing so it uses up so much "
     "energy that shields of the firing ship are decreased as well."},
    {"Leech", "Equipment_Leech", "Energy leech",
     "Leech cannons are capable of drawing energy from the enemy shields on a sub-dimensional level. While "
     "most of the energy is dispersed, some of it can be used to strengthen your own shields."},
    {"Disruptor", "Equipment_Disruptor", "EMP pulse",
     "Disruptor cannons are feared weapons based on anti-matter technology and are able to disintegrate "
     "matter. When fired there is a chance that the enemy ship is stunned due to a sudden electro magnetic "
     "pulse (EMP)."},
    {"Gatling", "Equipment_Gatling", "Rapid fire; Overheat",
     "Laser gatlings are large automatic turrets firing rapid bursts of advanced laser beams. They can "
     "overheat, but the bursts are coming so rapidly there is a chance of intercepting incoming torpedos."},
}};

// Gun calibre in cm by ship class 1..5 and gun item.
constexpr std::array<std::array<int, kGunItems>, 5> kCalibres = {{
    {8, 4, 10, 8, 10, 10, 8, 8, 4},
    {15, 8, 20, 15, 20, 20, 15, 15, 8},
    {21, 12, 24, 21, 80, 24, 18, 18, 12},
    {50, 26, 80, 50, 38, 80, 42, 38, 26},
    {80, 60, 105, 80, 120, 105, 76, 80, 60},
}};

constexpr std::array<ItemText, kMissileItems> kMissileTexts = {{
    {"Arrow Mk. I", "Equipment_ArrowMissile", "No speciality",
     "Standard-issue missiles that use a combination of image recognition and heat-seeking technology to "
     "lead a nuclear warhead to its target."},
    {"Arrow Mk. III", "Equipment_ArrowMissile", "Early detonation",
     "Trying to miniaturize the large Arrow Mk. II, which only corvettes can carry, the warhead of this "
     "missile is larger than the Mk. I warhead, but more unstable. There is a chance this missile detonates "
     "too early."},
    {"Arrow Dummy", "Equipment_ArrowMissile", "No damage",
     "These dummy missiles carry only enough nuclear material to make enemy sensors believe it to be a real "
     "Arrow missile. Due to its much lower weight Dummy Arrows can be reloaded and fired very fast."},
    {"X-ASM", "Equipment_XASMMissile", "More ECM resistance",
     "X-ASM stands for Experimental Advanced Space Missile and, like the name suggests, is a greatly "
     "improved version of the Arrow technology. It uses a quantum based warhead and even has some ECM "
     "resistance."},
    {"Arrow Mk. II", "Equipment_ArrowMissile", "No speciality",
     "The need to equip corvettes with larger missiles lead to the construction of the Arrow Mk. II. It "
     "simply carries a larger nuclear warhead."},
    {"Zeus Mk. I", "Equipment_Zeus", "No speciality",
     "The Zeus Mk. I is a large missile designed to be used only against capital ships. Setting its "
     "semi-active homing system requires the full attention of the crew."},
    {"Zeus Mk. II", "Equipment_Zeus", "Doubled cool-down",
     "Though fully automated, it takes twice as long to load the Zeus MK. II than other torpedoes, due to "
     "its large warhead. (doubled cool down timer)."},
    {"Mine Mk. I", "Equipment_Mine", "Not self-propelled",
     "Mines have been developed to counter enemy tractor beams. When deployed they are pulled by the enemy "
     "tractor beam to it´s target. The enemy has the choice to turn off the tractor beam or risk great "
     "damage."},
    {"Zeus EMP", "Equipment_Zeus", "EMP pulse",
     "The neutron warhead on this standard Zeus Mk. I torpedo causes an electro magnetic pulse (EMP) to "
     "stun the enemy ship."},
    {"Mine Mk. II", "Equipment_Mine2", "Self-propelled",
     "This improved and mine flies slowly towards it´s target even if no tractor beam is used as long as "
     "the enemy is using the “mark” ability."},
    {"Destroyer", "Equipment_Destroyer", "Extreme damage",
     "This is the largest torpedo ever deployed, using the latest in quantum technology to cause "
     "unbelievable amounts of damage. A battleship can only fire one volley of these large torpedoes."},
}};

constexpr std::array<ItemText, kEngineItems> kEngineTexts = {{
    {"Traveller Mk. I", "Equipment_Traveller", "No speciality",
     "The Traveller Mk. I engine is a common sight and available for all ship classes – in different sizes "
     "of course."},
    {"Traveller Mk. II", "Equipment_Traveller", "Increased speed",
     "This improved version has an increased travel speed. There are no engines available that are faster "
     "in interstellar travel."},
    {"Traveller Escape", "Equipment_Traveller", "Flee ability",
     "This engine uses a sudden particle burst to enter an unstable sub-hyperspace for a couple of seconds "
     "making it possible to escape combat. It works similar to the “Flee” ability available in the skill "
     "tree."},
    {"MarsWorks M-Combat", "Equipment_Hellfire", "Combat evading",
     "An experimental engine providing an extreme agility at the expense of travel speed. This engine "
     "increases the chance of evading enemy fire."},
    {"MarsWorks XL-Trade", "Equipment_Hellfire", "Cargo space",
     "These very compact engines are so small that additional space in your cargo bay becomes available."},
    {"Defender \"Conquest\"", "Equipment_TachyonBooster", "Emergency shield",
     "This engine is able to bring up an emergency shield when your primary shields drop below a certain "
     "degree. It is quiet often used in highly dangerous environments."},
    {"Defender \"Victory\"", "Equipment_TachyonBooster", "Stronger shields",
     "This experimental technology increases your maximum shield strength. However due to it´s size your "
     "cargo space is limited."},
}};

constexpr std::array<ItemText, kTargetingItems> kTargetingTexts = {{
    {"Quicklock Mk. I", "Equipment_Quicklock", "No speciality",
     "This cheap targeting computer is far away from being the best of it´s class, but for most pilots it´s "
     "doing the job."},
    {"Takedown Mk. I", "Equipment_Takedown", "No speciality",
     "The Takedown Mk. I was specifically designed for space fighters and offers several state-of-the-art "
     "targeting algorithms."},
    {"Takedown Mk. II", "Equipment_Takedown", "Unstable",
     "This further development is available in different sizes for all ship classes and provides the best "
     "targeting available on the market. Due to it´s experimental nature there is a chance of a gun "
     "malfunction."},
    {"Price Algorithms", "Misc", "\"Trader\" ability",
     "This special computer browses the local news channels and calculates the current economic situation. "
     "You will know the prices of commodities on distant planets, similar to the \"trader\" ability "
     "available in the skill tree."},
    {"Advanced sensors", "Misc", "\"Tracking\" ability",
     "This special computer increases the range and quality of your ship sensors. You will be able to "
     "detect more blips on your ship scanners. Works similar like the “tracking ability” available in the "
     "skill tree."},
    {"Spy sensors", "Misc", "Spy sensors",
     "Spy sensors allow you to receive and decrypt secret data on the system map."},
    {"Command HQ", "Misc", "Increases war efforts",
     "This costly equipment allows you to set up a complete command headquarters on your battleship "
     "increasing the victory points you receive from successful missions."},
}};

constexpr std::array<ItemText, kEcmItems> kEcmTexts = {{
    {"Defender Mk. I", "Equipment_Defender", "No speciality",
     "This standard ECM system by Mars Corporation is the most common ECM available for all ship classes."},
    {"Defender Mk. II", "Equipment_Defender", "No speciality",
     "This is an improved version of the standard Mk. I ECM system."},
    {"Supersafe Mk. I", "Equipment_Supersafe", "No speciality",
     "Just recently the Mars Corporation began to deploy a new premium product line of ECM systems. The "
     "Supersafe Mk. I uses a very complicated and time consuming algorithm to mislead enemy missiles."},
    {"Supersafe Mk. II", "Equipment_Supersafe", "No speciality",
     "For the paranoid captain this ECM system provides the best protection available."},
    {"Defender Anti-Mine", "Equipment_Defender", "Anti mine",
     "This ECM is especially useful against space mines (efficiency is doubled)."},
    {"Supersafe Plasma", "Equipment_Supersafe", "100%; Shield leak",
     "The plasma net ECM casts out a wide-spread net of plasma that physically destroys all missiles on it´s "
     "way. It´s a 100% success, but it costs shield energy."},
}};

constexpr std::array<ItemText, kCargoSystemItems> kCargoSystemTexts = {{
    {"Cargo bay", "Misc", "No speciality",
     "Just a plain, big cargo bay filled with endless columns of containers. Several smoke and hazard "
     "detectors make sure that even dangerous freight can be shipped safely."},
    {"Cargo management", "Misc", "Cargo space",
     "This special cargo management system is run fully automated by robots, which are able to increase the "
     "effective cargo space through the use of highly advanced packing algorithms."},
    {"Auxiliary shield unit", "Equipment_ShieldUnit", "Stronger shields",
     "This additional reactor is placed in the cargo bay and connected to your primary ship engines. It is "
     "able to increase the effective maximum amount of shields significantly, but at the cost of available "
     "cargo space."},
    {"Cloaking device", "Equipment_Cloaking", "Cloaking",
     "Nobody really understands how this technology works, however this device is able to move the ship "
     "from the current space/time continuum. The “cloaking” ability is needed to make use of this device!"},
    {"Ship hospital", "Equipment_Hospital", "Saves crew",
     "This useful equipment is a fully automated ship hospital run by materialized holographic projected "
     "medics. It is able to bring back 50% of crew members and droids having been put out of service during "
     "crew combat."},
    {"Boarding shuttle", "Equipment_Raiding", "Always boarding",
     "The boarding shuttle increases the maximum amount of crewmen available and makes it always (!) "
     "possible to board enemy ships. You will still need to reduce the enemy shields before starting such "
     "an attempt though."},
}};

template <size_t N>
const ItemText& textOf(const std::array<ItemText, N>& table, int item) {
  static const ItemText kNone{};
  if (item < 0 || static_cast<size_t>(item) >= N) return kNone;
  return table[static_cast<size_t>(item)];
}

}  // namespace

std::string gunName(int shipType, int item) {
  const int cls = shipStat(shipType, Stat::Class);
  const int calibre = entry(entry(kCalibres, cls - 1), item);
  if (calibre == 0) return std::string();
  return std::string(textOf(kGunTexts, item).name) + " (" + std::to_string(calibre) + " cm)";
}
std::string gunPictureBase(int item) { return std::string(textOf(kGunTexts, item).picture); }
std::string gunDescription(int item) { return std::string(textOf(kGunTexts, item).description); }
std::string gunSpecialityText(int item) { return std::string(textOf(kGunTexts, item).speciality); }

std::string missileName(int, int item) { return std::string(textOf(kMissileTexts, item).name); }
std::string missilePictureBase(int item) { return std::string(textOf(kMissileTexts, item).picture); }
std::string missileDescription(int item) { return std::string(textOf(kMissileTexts, item).description); }
std::string missileSpecialityText(int item) { return std::string(textOf(kMissileTexts, item).speciality); }

std::string engineName(int, int item) { return std::string(textOf(kEngineTexts, item).name); }
std::string enginePictureBase(int item) { return std::string(textOf(kEngineTexts, item).picture); }
std::string engineDescription(int item) { return std::string(textOf(kEngineTexts, item).description); }
std::string engineSpecialityText(int item) { return std::string(textOf(kEngineTexts, item).speciality); }

std::string targetingName(int, int item) { return std::string(textOf(kTargetingTexts, item).name); }
std::string targetingPictureBase(int item) { return std::string(textOf(kTargetingTexts, item).picture); }
std::string targetingDescription(int item) { return std::string(textOf(kTargetingTexts, item).description); }
std::string targetingSpecialityText(int item) { return std::string(textOf(kTargetingTexts, item).speciality); }

std::string ecmName(int, int item) { return std::string(textOf(kEcmTexts, item).name); }
std::string ecmPictureBase(int item) { return std::string(textOf(kEcmTexts, item).picture); }
std::string ecmDescription(int item) { return std::string(textOf(kEcmTexts, item).description); }
std::string ecmSpecialityText(int item) { return std::string(textOf(kEcmTexts, item).speciality); }

std::string cargoSystemName(int, int item) { return std::string(textOf(kCargoSystemTexts, item).name); }
std::string cargoSystemPictureBase(int item) { return std::string(textOf(kCargoSystemTexts, item).picture); }
std::string cargoSystemDescription(int item) { return std::string(textOf(kCargoSystemTexts, item).description); }
std::string cargoSystemSpecialityText(int item) {
  return std::string(textOf(kCargoSystemTexts, item).speciality);
}

}  // namespace qm
