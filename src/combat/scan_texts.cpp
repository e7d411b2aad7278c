// The sentences the scanners compose for the ships present.
#include <array>
#include <string>

#include "combat/scan.h"
#include "state/game_state.h"
#include "state/random.h"

namespace qm {
namespace {

using Pool = std::array<const char*, 10>;

constexpr Pool kCivilianOpening = {
    "Your scanners pick up the steady signature of a merchant vessel on a standard trade lane.",
    "A civilian transponder answers your routine sensor sweep.",
    "The computer identifies a freighter crawling along the traffic corridor with its running lights on.",
    "Your sensors register a slow, heavily laden ship heading for the nearest spaceport.",
    "A trader\u00b4s beacon blinks on your screens, broadcasting its registration as the law demands.",
    "You detect the warm engine trail of a transport ship that has just left orbit.",
    "The long-range scanners show a civilian ship following the beacons of the local navigation grid.",
    "Amid the usual background noise your scanners isolate a cargo hauler.",
    "A merchant ship drifts into scanner range, its crew obviously in no hurry.",
    "Your computer flags a registered civilian vessel travelling alone.",
};

// Second sentences of civilians by speciality: 0 or 1, 2, 3, 4, 5.
constexpr std::array<Pool, 5> kCivilianDetail = {{
    {"Nothing unusual about it - just another trader trying to make a living.",
     "Its cargo bay seems to be loaded with the usual everyday goods.",
     "The ship looks old and patched, but its owner keeps it flying.",
     "A quick check of the registry reveals nothing of interest.",
     "The crew seems to mind its own business, and so should you.",
     "Judging by its course it is on a regular supply run between the planets.",
     "Its weapons are few and weak, as on most merchant ships.",
     "The cargo manifest lists food, spare parts and mining machinery.",
     "A harmless freighter, as long as nobody decides to plunder it.",
     "The captain is a registered member of the local traders\u00b4 guild."},
    {"You recognize the ship belonging to a local VIP. If abducted, he should be worth a high ransom.",
     "The passenger list includes a wealthy industrialist who would fetch a handsome ransom.",
     "Intercepted chatter suggests an important politician is on board. His family would pay a lot to see him "
     "again.",
     "The ship carries a private suite for a very important passenger. Capture him alive and name your price.",
     "A famous businessman travels on this ship under light escort. Alive he is worth a fortune.",
     "Your computer matches the ship to the private yacht of a local celebrity. A ransom would make you rich.",
     "The transponder belongs to a courier carrying a high-ranking guest of the governor.",
     "According to the news channels a rich heir is travelling on this ship. Take him alive!",
     "There is a VIP on board who is worth far more than any cargo - as long as he survives.",
     "The ship belongs to a powerful trade magnate. Boarding it could bring a huge ransom."},
    {"Its cargo bay is sealed with the stamps of an expensive luxury goods company.",
     "The scanners show a heavy, well-shielded cargo - probably something very valuable.",
     "Rumors in the spaceports say this ship carries rare minerals worth a fortune.",
     "The ship is loaded to the brim with high-priced goods.",
     "Your computer estimates the value of the cargo far above the usual.",
     "Its manifest lists precious metals and rare works of art.",
     "Armed guards on board suggest a very valuable cargo.",
     "The freighter carries a shipment of high-tech components that would sell on any market.",
     "Expensive goods are on board - a tempting prize for any pirate.",
     "The insurance value of this cargo is remarkably high."},
    {"It is part of the legendary treasure fleet, carrying the riches of a whole system.",
     "The ship belongs to the treasure fleet. Its holds are full of gold and precious stones.",
     "Your computer cannot believe the value of the cargo: this is a treasure fleet ship!",
     "The treasure fleet rarely shows itself, but here one of its ships is - loaded with riches.",
     "A ship of the famous treasure fleet! Its cargo is worth more than some planets.",
     "The heavy shielding and the flag of the treasure fleet leave no doubt about its precious load.",
     "This is one of the fabled treasure ships. Whoever plunders it will never have to work again.",
     "The emblem of the treasure fleet gleams on its hull. The cargo must be priceless.",
     "The rumors were true: a ship of the treasure fleet passes through this system.",
     "It transports the treasures of a rich colony - an extremely valuable prize."},
    {"Its cargo bay holds ammunition and spare parts for the front lines.",
     "The freighter is chartered by the military to supply the troops of this siege.",
     "The manifest lists weapons, missiles and shield generators for the war effort.",
     "This transporter brings fuel and supplies to the fleets fighting over this system.",
     "Its cargo would keep a whole squadron fighting for weeks.",
     "The ship carries medical supplies and rations for the soldiers in this system.",
     "Military supplies are on board. Destroying them would weaken the enemy.",
     "The transporter is on its way to resupply the warships of the siege.",
     "Its cargo consists of replacement parts for damaged warships.",
     "The war in this system depends on supply ships like this one."},
}};

// Military openings end with a blank: the second sentence follows directly.
constexpr Pool kMilitaryOpening = {
    "Your scanners detect a warship patrolling the system. ",
    "A military transponder answers your sensor sweep. ",
    "The computer identifies the energy signature of an armed patrol ship. ",
    "A warship moves along the borders of the system. ",
    "Your sensors register the strong shields of a military vessel. ",
    "You detect a navy ship holding position near the wormhole. ",
    "A military vessel crosses your path on its patrol route. ",
    "The long-range scanners pick up a heavily armed ship. ",
    "Coded military transmissions reveal a warship nearby. ",
    "Your computer warns you of a fully armed warship within range. ",
};

// Second sentences of military ships by speciality: 0 or 1, 2, 3.
constexpr std::array<Pool, 3> kMilitaryDetail = {{
    {"It seems to be on a routine patrol.", "Its crew watches the traffic lanes closely.",
     "The ship keeps the system safe from pirates.", "Its weapons are powered up, but not aimed at anyone.",
     "It is escorting the civilian traffic through the system.", "The ship is part of the local defense forces.",
     "A well-maintained ship with a well-trained crew.", "It scans every ship that passes by - including yours.",
     "Nothing unusual: just the navy showing its presence.",
     "It returns from a long patrol and heads for the nearest base."},
    {"A high-ranking officer is on board. Alive he would be worth a fortune.",
     "The ship carries an admiral on an inspection tour of the front lines.",
     "Intercepted orders reveal a general among the passengers.",
     "The ship transports a member of the general staff.",
     "A war hero travels on this ship - his capture would make headlines.",
     "A senior intelligence officer is on board. Somebody would pay a lot for him.",
     "The ship is carrying the commander of the local fleet.",
     "A military VIP is aboard. Capture him alive for a ransom.",
     "This is the flagship of a fleet commander.",
     "Coded messages reveal that a high-ranking envoy of the admiralty is on board."},
    {"It carries vital supplies for the fleets fighting in this system.",
     "The ship transports ammunition to the front lines.",
     "Its holds are full of missiles and spare parts for the siege.",
     "It is a military supply ship for the troops in this system.",
     "Destroying its cargo would weaken the war effort.",
     "The ship brings reinforcements and weapons to the front.",
     "Its cargo is reserved for the besieging forces.",
     "The fleet needs the fuel this ship is carrying.",
     "Its shield generators are meant for the warships of the siege.",
     "The supplies on board could decide the battle for this system."},
}};

constexpr Pool kPirateOpening = {
    "Your scanners have detected a pirate spaceship not too far away. ",
    "Watching your scanners, your computer suddenly sounds an alert. ",
    "You gaze onto the scanners and recognize the radiation patterns of a vessel. ",
    "Almost hidden by the sun\u2019s electromagnetic flares, a pirate ship is closing in. ",
    "The computer informs you about a pirate vessel moving away from your position. ",
    "After a warning on the local channels, your scanners are able to locate a pirate vessel. ",
    "A small blip on your scanners informs you that a moving spaceship is nearby. ",
    "You have detected a pirate spaceship within scanner distance. ",
    "Your computer reports a hidden pirate spaceship looking for a victim. ",
    "A very weak source of radiation is detected by your scanners. It\u2019s a hidden pirate. ",
};

constexpr Pool kCommonPirate = {
    "It seems to be a common pirate. There are so many out there these times.",
    "Just another small-time raider looking for easy prey.",
    "The ship is patched together from stolen parts.",
    "Its captain is a nobody, hoping for a defenceless trader.",
    "A common criminal with a fast ship and slow wits.",
    "The crew is probably as drunk as it is dangerous.",
    "Another pirate who thinks the law does not apply to him.",
    "Nobody has ever heard of this pirate - and nobody will miss him.",
    "A cheap pirate ship with cheap weapons, but it can still hurt you.",
    "The scum of the spaceports is at work again.",
};

// Famous pirates: the name goes between the two parts.
struct Famous {
  const char* before;
  const char* after;
};
constexpr std::array<Famous, 10> kFamousPirate = {{
    {"Oh no! It\u2019s the dread pirate ", ". One of the most wanted men in the Galaxy!"},
    {"The ship belongs to ", ", whose name is feared in every spaceport."},
    {"Your computer identifies the ship of ", ". There is a high price on his head."},
    {"It is ", "! Every bounty hunter dreams of catching him."},
    {"The infamous ", " is hunting in this system."},
    {"Merchants tremble when they hear the name ", " - and here he is."},
    {"The notorious ", " himself! Take him dead or alive."},
    {"This is the ship of ", ", the terror of the trade lanes."},
    {"Wanted posters of ", " hang in every police station - and this is his ship."},
    {"Nobody has escaped ", " for years. Maybe you will be the first."},
}};

constexpr Pool kNicknames = {
    "\"Black Hand\"",    "\"Iron Jack\"",   "\"the Butcher of Nova\"", "\"Red Sabre\"",    "\"Silent Morgan\"",
    "\"One-Eyed Vex\"", "\"the Void Wolf\"", "\"Mad Kessler\"",       "\"Scarface Drax\"", "\"Grim Halvard\"",
};

// Picks sentence 1..10 once and keeps it in `slot`.
int Chosen(int& slot) {
  if (slot < 1 || slot > 10) slot = Random(10) + 1;
  return slot - 1;
}

int PoolOf(int speciality, int pools) { return speciality >= 2 && speciality <= pools ? speciality - 1 : 0; }

}  // namespace

std::string CivilianScanText(int row) {
  auto& r = Game.SystemShips[row];
  const std::string first = kCivilianOpening[static_cast<size_t>(Chosen(r[21]))];
  const auto& pool = kCivilianDetail[static_cast<size_t>(PoolOf(r[9], 5))];
  return first + " " + pool[static_cast<size_t>(Chosen(r[22]))];
}

std::string MilitaryScanText(int row) {
  auto& r = Game.SystemShips[row];
  const std::string first = kMilitaryOpening[static_cast<size_t>(Chosen(r[21]))];
  const auto& pool = kMilitaryDetail[static_cast<size_t>(PoolOf(r[9], 3))];
  return first + pool[static_cast<size_t>(Chosen(r[22]))];
}

std::string PirateNickname(int n) { return n >= 1 && n <= 10 ? kNicknames[static_cast<size_t>(n - 1)] : ""; }

// A pirate's sentences are drawn from eleven choices; the eleventh (0) leaves
// the sentence empty and is drawn again the next time the record is shown.
std::string PirateScanText(int row, bool famous, const std::string& name) {
  auto& r = Game.SystemShips[row];
  if (r[21] < 1 || r[21] > 10) r[21] = Random(11);
  if (r[22] < 1 || r[22] > 10) r[22] = Random(11);
  std::string text = r[21] > 0 ? kPirateOpening[static_cast<size_t>(r[21] - 1)] : "";
  if (r[22] == 0) return text;
  if (!famous) return text + kCommonPirate[static_cast<size_t>(r[22] - 1)];
  std::string who = name;
  if (who.empty()) who = PirateNickname(Chosen(r[23]) + 1);
  const Famous& f = kFamousPirate[static_cast<size_t>(r[22] - 1)];
  return text + f.before + who + f.after;
}

}  // namespace qm
