// The fixed world table: 24 star systems, their locations and wormhole links,
// the factions and the commodities. Positions are pixels on the system screen.
#include "world/world_table.h"

#include <array>
#include <span>

namespace qm {
namespace {

constexpr const char* kHideoutName = "Pirate hideout";

struct Place {
  int index;         // location index within the system
  const char* name;
  int kind;          // Kind::...
  int target;        // wormhole: target system; asteroid field: 1; otherwise 0
  int jumpDays;      // wormhole only
  int x, y;
  int picture;
  int special = 0;   // city picture of the planet screen, three planets only
};

constexpr Place Sun(int i, int x, int y) { return {i, "Sun", Kind::Sun, 0, 0, x, y, 1}; }
constexpr Place Planet(int i, const char* name, int kind, int x, int y, int picture, int special = 0) {
  return {i, name, kind, 0, 0, x, y, picture, special};
}
// An asteroid field: a mining location nobody can land on.
constexpr Place Field(int i, const char* name, int x, int y) { return {i, name, Kind::Mining, 1, 0, x, y, 24}; }
constexpr Place Hole(int i, const char* name, int target, int days, int x, int y) {
  return {i, name, Kind::Wormhole, target, days, x, y, 7};
}
constexpr Place Hideout(int i, int x, int y) { return {i, kHideoutName, Kind::Hideout, 0, 0, x, y, 25}; }

struct Point {
  int x, y;
};

struct SystemDef {
  const char* name;
  int owner;
  int systemClass;
  std::array<Point, kObjectPlaces> objectPlaces;
  std::span<const Place> places;
};

// Sol
constexpr Place kSol[] = {
    Sun(1, 344, 260),
    Planet(2, "Earth", Kind::Capital, 441, 362, 2),
    Planet(3, "Moon", Kind::Capital, 518, 321, 3),
    Planet(4, "Mars", Kind::Industrial, 357, 138, 4),
    Planet(5, "Jupiter", Kind::Industrial, 190, 189, 5),
    Planet(6, "Saturn", Kind::Industrial, 89, 239, 6),
    Hole(7, "Wormhole to Carse", 2, 2, 620, 167),
    Hideout(8, 290, 402),
};
// Carse
constexpr Place kCarse[] = {
    Sun(1, 372, 307),
    Planet(2, "Carse", Kind::LocalCapital, 388, 218, 8),
    Planet(3, "Melflor", Kind::Luxury, 629, 237, 44),
    Planet(4, "New Hawaii", Kind::Luxury, 649, 149, 47),
    Hole(5, "Wormhole to Sol", 1, 2, 523, 149),
    Hole(6, "Wormhole to N. Manchester", 5, 4, 102, 385),
    Hole(7, "Wormhole to Hope", 3, 4, 610, 324),
    Hole(8, "Wormhole to Sirius", 4, 6, 95, 177),
    Hideout(9, 616, 432),
};
// Hope
constexpr Place kHope[] = {
    Sun(1, 389, 275),
    Planet(2, "Hope Prime", Kind::Agricultural, 308, 209, 10, 11),
    Planet(3, "New Light", Kind::Agricultural, 436, 431, 20),
    Field(4, "Asteroids A", 67, 138),
    Hole(5, "Wormhole to Carse", 2, 4, 593, 271),
    Hole(6, "Wormhole to Moore", 7, 3, 661, 149),
    Hideout(7, 210, 123),
};
// Sirius
constexpr Place kSirius[] = {
    Sun(1, 368, 280),
    Planet(2, "Sirius Prime", Kind::LocalCapital, 504, 250, 9, 10),
    Planet(3, "Sirius II", Kind::Industrial, 223, 144, 13),
    Planet(4, "XF-45", Kind::Industrial, 640, 431, 28),
    Hole(5, "Wormhole to Carse", 2, 6, 658, 298),
    Hole(6, "Wormhole to Finis", 8, 6, 102, 162),
    Hideout(7, 549, 157),
};
// N. Manchester
constexpr Place kNManchester[] = {
    Sun(1, 352, 299),
    Planet(2, "Manchester", Kind::Industrial, 207, 298, 15),
    Planet(3, "Manchester II", Kind::Industrial, 67, 293, 14),
    Planet(4, "Carter Base", Kind::Industrial, 624, 128, 16),
    Hole(5, "Wormhole to Carse", 2, 4, 111, 134),
    Hole(6, "Wormhole to New Germany", 6, 4, 103, 429),
    Hideout(7, 644, 377),
};
// New Germany
constexpr Place kNewGermany[] = {
    Sun(1, 347, 268),
    Planet(2, "Neu Berlin", Kind::LocalCapital, 466, 261, 19),
    Planet(3, "Neu Ruhrgebiet", Kind::Mining, 158, 405, 17),
    Planet(4, "Neu Frankfurt", Kind::Industrial, 666, 374, 18),
    Hole(5, "Wormhole to Lands End", 15, 8, 470, 439),
    Hole(6, "Wormhole to New Italy", 17, 4, 102, 323),
    Hole(7, "Wormhole to N. Manchester", 5, 4, 580, 155),
    Hole(8, "Wormhole to New France", 16, 2, 73, 235),
    Hideout(9, 253, 435),
    Hole(10, "Wormhole to New England", 18, 4, 196, 150),
};
// Moor
constexpr Place kMoor[] = {
    Sun(1, 361, 276),
    Planet(2, "Moor", Kind::Mining, 232, 261, 12),
    Field(3, "Asteroids A", 139, 225),
    Field(4, "Asteroids B", 676, 369),
    Hole(6, "Wormhole to Hope", 3, 3, 186, 414),
    Hole(7, "Wormhole to Kimberley", 23, 3, 566, 215),
    Hole(8, "Wormhole to New Italy", 17, 6, 585, 124),
    Hideout(9, 169, 133),
};
// Finis
constexpr Place kFinis[] = {
    Sun(1, 383, 262),
    Planet(2, "Finis Prime", Kind::LocalCapital, 320, 348, 21),
    Planet(3, "New Cario", Kind::Uncolonised, 577, 247, 29),
    Planet(4, "Sargoth", Kind::LocalCapital, 450, 402, 26),
    Planet(5, "Pergor", Kind::Industrial, 681, 165, 5),
    Planet(6, "Temblor", Kind::Mining, 163, 435, 22),
    Hole(7, "Wormhole to Warfield", 9, 6, 88, 207),
    Hole(8, "Wormhole to Sirius", 4, 2, 70, 334),
    Hole(9, "Wormhole to N. Ireland", 10, 6, 624, 385),
    Hideout(10, 221, 137),
};
// Warfield
constexpr Place kWarfield[] = {
    Sun(1, 362, 289),
    Planet(2, "Summer", Kind::Mining, 433, 346, 30),
    Planet(3, "Sparta", Kind::Mining, 377, 154, 27),
    Planet(4, "Boron", Kind::Uncolonised, 181, 421, 36),
    Planet(5, "New Rainforest", Kind::Agricultural, 637, 153, 11),
    Hole(6, "Wormhole to Tortuga", 20, 4, 85, 223),
    Hole(8, "Wormhole to Finis", 8, 6, 101, 310),
    Hideout(9, 678, 421),
};
// New Ireland
constexpr Place kNewIreland[] = {
    Sun(1, 384, 298),
    Planet(2, "Hyperion", Kind::LocalCapital, 319, 197, 34, 12),
    Planet(3, "Innisfree", Kind::Agricultural, 616, 300, 41),
    Planet(4, "New Dublin", Kind::Agricultural, 62, 292, 42),
    // Spelled so on every chart; an asteroid field like the others.
    Field(5, "Asteriods C", 653, 130),
    Hole(6, "Wormhole to Finis", 8, 6, 101, 420),
    Hole(7, "Wormhole to Hyraxan", 12, 2, 75, 149),
    Hole(8, "Wormhole to New Scotland", 14, 3, 614, 432),
    Hole(9, "Wormhole to Baiton", 11, 1, 226, 422),
    Hideout(10, 524, 436),
};
// Baiton
constexpr Place kBaiton[] = {
    Sun(1, 335, 279),
    Planet(2, "Hermes", Kind::Agricultural, 484, 289, 43),
    Planet(3, "Tear", Kind::Mining, 145, 297, 39),
    Planet(4, "New Oxford", Kind::Agricultural, 576, 229, 46),
    Planet(5, "Tulan", Kind::Agricultural, 661, 236, 32),
    Planet(6, "Tulan II", Kind::Agricultural, 575, 435, 8),
    Hole(7, "Wormhole to New Ireland", 10, 1, 72, 166),
    Hole(8, "Wormhole to Tortuga", 20, 4, 86, 433),
    Hideout(9, 538, 124),
};
// Hyraxan
constexpr Place kHyraxan[] = {
    Sun(1, 335, 282),
    Planet(2, "Hyraxan VII", Kind::LocalCapital, 242, 331, 21),
    Planet(3, "Holuria", Kind::Agricultural, 133, 282, 44),
    Planet(4, "Nox III", Kind::Industrial, 538, 222, 23),
    Planet(5, "Seressa II", Kind::Industrial, 512, 427, 6),
    Planet(6, "Tempest IX", Kind::Mining, 640, 343, 33),
    Planet(7, "Megan", Kind::Agricultural, 682, 164, 11),
    Hole(8, "Wormhole to Lands End", 15, 2, 106, 402),
    Hole(9, "Wormhole to New Ireland", 10, 2, 122, 133),
    Hideout(10, 678, 438),
};
// New Moscow
constexpr Place kNewMoscow[] = {
    Sun(1, 342, 300),
    Planet(2, "Moscow Prime", Kind::Capital, 256, 362, 8),
    Planet(3, "Murmansk", Kind::Industrial, 362, 430, 39),
    Planet(4, "Petersburg", Kind::Industrial, 130, 210, 15),
    Planet(5, "Molotow", Kind::Agricultural, 660, 302, 10),
    Planet(6, "Ruvevid", Kind::Agricultural, 639, 170, 31),
    Hole(7, "Wormhole to New Italy", 17, 4, 197, 431),
    Hole(8, "Wormhole to New Cuba", 19, 4, 213, 150),
    Hideout(9, 73, 299),
};
// New Scotland
constexpr Place kNewScotland[] = {
    Sun(1, 344, 269),
    Planet(2, "Tir", Kind::Mining, 441, 210, 45),
    Planet(3, "New Sutherland", Kind::Industrial, 265, 152, 16),
    Planet(4, "New Skye", Kind::Agricultural, 609, 332, 19),
    Planet(5, "New Aberdeen", Kind::Agricultural, 573, 434, 41),
    Hole(6, "Wormhole to New Ireland", 10, 3, 68, 314),
    Hideout(7, 92, 174),
};
// Lands End
constexpr Place kLandsEnd[] = {
    Sun(1, 405, 308),
    Planet(2, "Howling Wind", Kind::Mining, 255, 364, 40),
    Field(3, "Asteroids B", 256, 196),
    Field(4, "Asteroids C", 192, 419),
    Field(5, "Asteroids A", 657, 151),
    Hole(6, "Wormhole to New Glenshire", 24, 3, 128, 255),
    Hole(7, "Wormhole to New Germany", 6, 9, 594, 440),
    Hole(8, "Wormhole to Hyraxan", 12, 2, 609, 301),
    Hideout(9, 70, 125),
};
// New France
constexpr Place kNewFrance[] = {
    Sun(1, 354, 306),
    Planet(2, "Bordeaux", Kind::Agricultural, 513, 329, 20),
    Planet(3, "Paris", Kind::Capital, 445, 430, 46),
    Planet(4, "Lille", Kind::Industrial, 500, 144, 13),
    Planet(5, "Montpellier", Kind::Industrial, 63, 185, 14),
    Hole(6, "Wormhole to New Germany", 6, 2, 606, 166),
    Hideout(7, 610, 358),
};
// New Italy
constexpr Place kNewItaly[] = {
    Sun(1, 368, 307),
    Planet(2, "Roma", Kind::Mining, 309, 242, 38),
    Planet(3, "Milano", Kind::Mining, 248, 408, 48),
    Planet(4, "Deserto", Kind::Mining, 142, 252, 12),
    Planet(5, "Sicily", Kind::Mining, 561, 416, 17),
    Field(6, "Asteroids B", 683, 415),
    Field(7, "Asteroids A", 688, 215),
    Hole(8, "Wormhole to New Moscow", 13, 4, 61, 318),
    Hole(9, "Wormhole to New Germany", 6, 4, 264, 147),
    Hole(10, "Wormhole to Moor", 7, 6, 67, 123),
    Hole(11, "Wormhole to New Cuba", 19, 4, 615, 337),
    Hideout(12, 573, 143),
};
// New England
constexpr Place kNewEngland[] = {
    Sun(1, 364, 295),
    Planet(2, "New Abaraeron", Kind::Mining, 199, 260, 22),
    Planet(3, "New London", Kind::LocalCapital, 496, 189, 42),
    Planet(4, "New Wales", Kind::Industrial, 562, 421, 28),
    Planet(5, "New England IV", Kind::Agricultural, 78, 144, 35),
    Hole(6, "Wormhole to New Germany", 6, 4, 230, 430),
    Hideout(7, 135, 417),
};
// New Cuba
constexpr Place kNewCuba[] = {
    Sun(1, 335, 265),
    Planet(2, "New Cuba", Kind::Mining, 445, 303, 29),
    Field(3, "Asteroids A", 141, 282),
    Field(4, "Asteroids B", 95, 158),
    Field(5, "Asteroids C", 82, 431),
    Hole(6, "Wormhole to New Moscow", 13, 5, 575, 325),
    Hole(7, "Wormhole to Tortuga", 20, 3, 636, 406),
    // One way only: Barbados has no wormhole back to New Cuba.
    Hole(8, "Wormhole to Barbados", 21, 4, 573, 140),
    Hole(9, "Wormhole to New Italy", 17, 4, 236, 433),
    Hideout(10, 590, 225),
};
// Tortuga
constexpr Place kTortuga[] = {
    Sun(1, 371, 274),
    Planet(2, "Tortuga", Kind::Mining, 425, 175, 27),
    Field(3, "Asteroids A", 215, 228),
    Field(4, "Asteroids B", 574, 378),
    Field(5, "Asteroids C", 634, 219),
    Field(6, "Asteroids D", 68, 354),
    Field(7, "Asteroids E", 658, 137),
    Hole(8, "Wormhole to Baiton", 11, 4, 153, 426),
    Hole(9, "Wormhole to Warfield", 9, 4, 212, 130),
    Hole(10, "Wormhole to New Cuba", 19, 3, 85, 269),
    Hole(11, "Wormhole to Barbados", 21, 4, 524, 131),
    Hideout(12, 124, 139),
};
// Barbados
constexpr Place kBarbados[] = {
    Sun(1, 343, 305),
    Planet(2, "Barbados", Kind::Mining, 520, 306, 30),
    Field(3, "Asteroids A", 117, 372),
    Field(4, "Asteroids B", 492, 158),
    Field(5, "Asteroids C", 669, 224),
    Hole(6, "Wormhole to Tortuga", 20, 4, 98, 175),
    Hole(7, "Wormhole to Westwind", 22, 3, 608, 436),
    Hole(8, "Wormhole to Glenshire", 24, 2, 578, 136),
    Hideout(9, 519, 430),
};
// Westwind
constexpr Place kWestwind[] = {
    Sun(1, 364, 304),
    Planet(2, "Westwind", Kind::Mining, 308, 388, 39),
    Field(3, "Asteroids A", 547, 349),
    Field(4, "Asteroids B", 648, 300),
    Field(5, "Asteroids C", 690, 388),
    Hole(6, "Wormhole to Barbados", 21, 3, 68, 413),
    Hole(7, "Wormhole to Kimberley", 23, 3, 563, 155),
    Hideout(8, 125, 300),
};
// Kimberley
constexpr Place kKimberley[] = {
    Sun(1, 388, 270),
    Planet(2, "Kimberley Prime", Kind::LocalCapital, 488, 324, 43),
    Planet(3, "Kimberley II (\"Sin\")", Kind::Luxury, 404, 139, 47),
    Planet(4, "Kimberley III", Kind::Agricultural, 67, 215, 10),
    Planet(5, "Kimberley IV", Kind::Mining, 692, 407, 33),
    Hole(6, "Wormhole to Westwind", 22, 3, 116, 412),
    Hole(7, "Wormhole to Moor", 7, 3, 543, 419),
    Hole(8, "Wormhole to Glenshire", 24, 2, 627, 266),
    Hideout(9, 197, 131),
};
// Glenshire
constexpr Place kGlenshire[] = {
    Sun(1, 376, 265),
    Planet(2, "Glenshire", Kind::LocalCapital, 469, 222, 9),
    Planet(3, "New Donegal", Kind::Agricultural, 162, 304, 19),
    Planet(4, "Ornagh", Kind::Mining, 582, 382, 18),
    Planet(5, "Andrea County", Kind::Agricultural, 659, 129, 41),
    Hole(6, "Wormhole to Lands End", 15, 3, 85, 206),
    Hole(7, "Wormhole to Barbados", 21, 2, 63, 382),
    Hole(8, "Wormhole to Kimberley", 23, 2, 608, 256),
    Hideout(9, 108, 126),
};

constexpr SystemDef kWorld[kSystems + 1] = {
    {},
    {"Sol", 1, 6, {{{160, 369}, {653, 320}, {350, 418}, {482, 207}}}, kSol},
    {"Carse", 1, 3, {{{258, 126}, {231, 330}, {449, 433}, {310, 435}}}, kCarse},
    {"Hope", 1, 1, {{{106, 307}, {650, 399}, {277, 407}, {432, 138}}}, kHope},
    {"Sirius", 1, 4, {{{310, 411}, {60, 347}, {369, 126}, {482, 395}}}, kSirius},
    {"N. Manchester", 3, 4, {{{452, 440}, {473, 181}, {303, 168}, {284, 435}}}, kNManchester},
    {"New Germany", 3, 4, {{{363, 129}, {692, 232}, {231, 293}, {357, 385}}}, kNewGermany},
    {"Moor", 4, 2, {{{415, 139}, {382, 422}, {533, 423}, {65, 348}}}, kMoor},
    {"Finis", 1, 6, {{{467, 128}, {198, 281}, {355, 143}, {694, 299}}}, kFinis},
    {"Warfield", 1, 1, {{{574, 283}, {225, 152}, {543, 419}, {320, 432}}}, kWarfield},
    {"New Ireland", 1, 1, {{{505, 177}, {201, 276}, {207, 131}, {390, 429}}}, kNewIreland},
    {"Baiton", 1, 1, {{{307, 131}, {399, 431}, {237, 408}, {687, 362}}}, kBaiton},
    {"Hyraxan", 2, 6, {{{358, 131}, {356, 440}, {225, 207}, {454, 314}}}, kHyraxan},
    {"New Moscow", 4, 6, {{{483, 149}, {524, 418}, {676, 438}, {475, 292}}}, kNewMoscow},
    {"New Scotland", 2, 1, {{{239, 377}, {444, 378}, {690, 174}, {554, 129}}}, kNewScotland},
    {"Lands End", 2, 2, {{{449, 164}, {62, 374}, {457, 440}, {549, 208}}}, kLandsEnd},
    {"New France", 3, 6, {{{165, 423}, {271, 133}, {181, 271}, {295, 425}}}, kNewFrance},
    {"New Italy", 4, 2, {{{420, 147}, {411, 438}, {506, 265}, {97, 439}}}, kNewItaly},
    {"New England", 3, 1, {{{408, 431}, {684, 125}, {338, 135}, {672, 312}}}, kNewEngland},
    {"New Cuba", 4, 1, {{{272, 140}, {427, 153}, {394, 439}, {513, 429}}}, kNewCuba},
    {"Tortuga", 4, 1, {{{414, 436}, {284, 380}, {497, 279}, {695, 428}}}, kTortuga},
    {"Barbados", 4, 1, {{{289, 127}, {265, 435}, {216, 239}, {687, 339}}}, kBarbados},
    {"Westwind", 2, 1, {{{233, 153}, {395, 147}, {90, 152}, {431, 437}}}, kWestwind},
    {"Kimberley", 2, 1, {{{189, 288}, {256, 420}, {693, 138}, {543, 139}}}, kKimberley},
    {"Glenshire", 2, 1, {{{261, 171}, {445, 423}, {294, 437}, {383, 133}}}, kGlenshire},
};

struct FactionRow {
  const char* fullName;
  const char* shortName;
  const char* logo;
};
constexpr FactionRow kFactionRows[kFactions + 1] = {
    {"Pirates", "Pirates", ""},
    {"Federation Of Planets", "Federation", "FederationLogo"},
    {"Outer Rim Alliance", "Outer Rim", "OuterRimLogo"},
    {"Trading Coalition", "Coalition", "CoalitionLogo"},
    {"Syndicate Of Arms", "Syndicate", "SyndicateLogo"},
};

struct Commodity {
  const char* name;
  int basePrice;
};
constexpr Commodity kCommodityList[kCommodities + 1] = {
    {"", 0},
    {"Supplies", 100},   {"Medicals", 300},   {"Weapons", 575},     {"Synthetics", 100},
    {"Robotics", 300},   {"Engines", 575},    {"Delicacies", 100},  {"Rare pets", 300},
    {"Jewelry", 575},    {"Super Ore", 100},  {"Diamonds", 300},    {"Antimatter", 575},
    {"*Rum", 500},       {"*Tobacco", 1000},  {"*Dreamdisc", 500},  {"*Literature", 500},
    {"*Religious", 1000}, {"*Stolen data", 1000},
};

constexpr StartPlace kStarts[kFactions + 1] = {{0, 0}, {1, 2}, {12, 5}, {16, 4}, {13, 2}};

std::string_view PlaceDescription(int system, const Place& p) {
  switch (p.kind) {
    case Kind::Sun: return system <= 8 ? kInnerSunText : kOuterSunText;
    case Kind::Wormhole: return kWormholeText;
    case Kind::Hideout: return kHideoutText;
    default: return planetDescription(system, p.index);
  }
}

}  // namespace

StartPlace factionStart(int faction) {
  if (faction < 1 || faction > kFactions) return {0, 0};
  return kStarts[faction];
}

void BuildWorld(GameState& g) {
  for (int f = 0; f <= kFactions; ++f) {
    auto& text = g.FactionText[f];
    text[FacT::FullName] = kFactionRows[f].fullName;
    text[FacT::ShortName] = kFactionRows[f].shortName;
    text[FacT::Logo] = kFactionRows[f].logo;
    if (f > 0) g.FactionData[f][Fac::Exists] = 1;
  }

  for (int c = 1; c <= kCommodities; ++c) {
    g.CommodityName[c] = kCommodityList[c].name;
    g.BasePrice[c] = kCommodityList[c].basePrice;
  }

  for (int s = 1; s <= kSystems; ++s) {
    const SystemDef& def = kWorld[s];
    auto& sys = g.SystemData[s];
    sys[Sys::Exists] = 1;
    sys[Sys::Owner] = def.owner;
    sys[Sys::SystemClass] = def.systemClass;
    g.SystemText[s][1] = def.name;
    g.SystemText[s][2] = std::string(systemDescription(s));

    for (const Place& p : def.places) {
      auto& loc = g.LocationData[s][p.index];
      loc[Loc::Exists] = 1;
      loc[Loc::Owner] = p.kind == Kind::Hideout ? 1 : def.owner;
      loc[Loc::Kind] = p.kind;
      loc[Loc::Target] = p.target;
      loc[Loc::JumpDays] = p.jumpDays;
      loc[Loc::X] = p.x;
      loc[Loc::Y] = p.y;
      loc[Loc::Picture] = p.picture;
      loc[Loc::Special] = p.special;
      g.LocationText[s][p.index][1] = p.name;
      g.LocationText[s][p.index][2] = std::string(PlaceDescription(s, p));
    }

    for (int o = 0; o < kObjectPlaces; ++o) {
      auto& place = g.SpaceObjects[s][o + 1];
      place[Obj::Present] = 0;
      place[Obj::X] = def.objectPlaces[o].x;
      place[Obj::Y] = def.objectPlaces[o].y;
    }
  }
}

}  // namespace qm
