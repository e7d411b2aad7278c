// What a loaded savegame must satisfy before it may replace the running game.
//
// A savegame is untrusted input. Values the rules use to pick a system, a
// location, a ship type, an equipment item, a faction, a level, a mission or
// news kind are refused when out of range: such a file is damaged or made up,
// and playing it would only produce nonsense. A stored text variant that no
// text exists for is harmless to repair (0 = "draw anew"), and so is an absurd
// criminal record.
#include <algorithm>
#include <span>
#include <string>

#include "state/cp1252.h"
#include "state/equipment_limits.h"
#include "state/savegame.h"

namespace qm {
namespace {

struct Range {
  int field;
  int lo, hi;
  const char* what;
};

// A stored choice of a flavour text: 0 (not chosen yet) .. max.
struct Variant {
  int field;
  int max;
};

constexpr Range kShipRanges[] = {
    {Sh::ShipType, 1, kShipTypes, "the ship type"},
    {Sh::System, 1, kSystems, "the ship's system"},
    {Sh::Location, -kObjectPlaces, kLocations, "the ship's location"},
    {Sh::ShipFaction, 0, kFactions, "the ship's faction"},
    {Sh::Guns, 0, kGunItems - 1, "the installed guns"},
    {Sh::Missiles, 0, kMissileItems - 1, "the installed missiles"},
    {Sh::Engines, 0, kEngineItems - 1, "the installed engines"},
    {Sh::CargoSpace, 0, kCargoSystemItems - 1, "the installed cargo system"},
    {Sh::Targeting, 0, kTargetingItems - 1, "the installed targeting system"},
    {Sh::Ecm, 0, kEcmItems - 1, "the installed ECM system"},
};

constexpr Range kPlayerRanges[] = {
    {Pl::Faction, 1, kFactions, "the pilot's faction"},
    {Pl::Level, 1, 19, "the pilot's level"},
};

constexpr Range kSystemRanges[] = {
    {Sys::Owner, 0, kFactions, "the owner"},
    {Sys::Attacker, 0, kFactions, "the attacker"},
};
// Campaign screen texts: the situation (1..10) and the player's part (1..2 each).
constexpr Variant kSystemVariants[] = {{28, 10}, {30, 2}, {31, 2}, {32, 2}};

constexpr Range kLocationRanges[] = {
    {Loc::Owner, 0, kFactions, "the owner"},
    {Loc::Target, 0, kSystems, "the wormhole target"},
};

// News entries that are present: kind, the two factions, commodity, system.
constexpr Range kNewsRanges[] = {
    {2, 1, 9, "the kind"},
    {3, 0, kFactions, "the first faction"},
    {4, 0, kFactions, "the second faction"},
    {8, 0, kCommodities, "the commodity"},
    {13, 0, kSystems, "the system"},
};
// The story (war news) or opener, report and closer (trade news): 1..10.
constexpr Variant kNewsVariants[] = {{21, 10}, {22, 10}, {23, 10}};

// Ships present in the current system: type, kind, tier, faction, speciality.
constexpr Range kSystemShipRanges[] = {
    {2, 0, kShipTypes, "the ship type"},
    {3, 1, 3, "the kind"},
    {4, 0, 4, "the tier"},
    {5, 0, kFactions, "the faction"},
    {9, 0, 5, "the speciality"},
};
// The two scan sentences and the pirate nickname: 1..10.
constexpr Variant kSystemShipVariants[] = {{21, 10}, {22, 10}, {23, 10}};

// Fields every running mission or offer uses to find its targets.
constexpr Range kMissionRanges[] = {
    {2, 1, 27, "the mission type"},
    {6, 0, kLocations, "the target location"},
    {7, 0, kSystems, "the target system"},
    {11, 0, kSystems, "the first navpoint's system"},
    {12, 0, kLocations, "the second navpoint's location"},
    {13, 0, kSystems, "the second navpoint's system"},
    {14, 0, kLocations, "the third navpoint's location"},
    {15, 0, kSystems, "the third navpoint's system"},
    {20, 0, kSystems, "the campaign system"},
};
constexpr Range kNav1Location[] = {{10, 0, kLocations, "the first navpoint's location"}};
constexpr Range kShipTarget[] = {{8, 0, kShipTypes, "the enemy ship type"}, {9, 0, kFactions, "the enemy faction"}};
constexpr Range kGoods[] = {{8, 1, kCommodities, "the commodity"}};
constexpr Range kNavpointStep[] = {{8, 1, 3, "the navpoint step"}};
constexpr Range kEnemyFleet[] = {{9, 0, kFactions, "the enemy faction"}};

bool IsCallSignType(int type) { return type == 5 || type == 18; }  // field 10 holds the call sign

// What `Object` (8) and `Party` (9) mean depends on the mission type.
std::span<const Range> TypeRanges(int type) {
  switch (type) {
    case 1: case 4: case 5: case 9: case 12: case 18: return kShipTarget;
    case 3: case 6: case 11: return kGoods;
    case 2: case 10: case 14: case 15: case 16: case 17: return kNavpointStep;
    case 20: case 21: case 22: case 23: case 24: case 25: case 26: return kEnemyFleet;
    default: return {};
  }
}

// Description pools: four texts for type 20, three for type 27, otherwise ten.
int DescriptionVariants(int type) { return type == 20 ? 4 : type == 27 ? 3 : 10; }

bool In(int v, int lo, int hi) { return v >= lo && v <= hi; }

bool Check(const IntRow& row, std::span<const Range> ranges, const std::string& where, std::string& why) {
  for (const Range& r : ranges) {
    const int v = row[r.field];
    if (In(v, r.lo, r.hi)) continue;
    why = (where.empty() ? "" : where + ": ") + r.what + " is " + std::to_string(v) + " (allowed " +
          std::to_string(r.lo) + ".." + std::to_string(r.hi) + ")";
    return false;
  }
  return true;
}

void Repair(IntRow& row, std::span<const Variant> variants) {
  for (const Variant& v : variants)
    if (!In(row[v.field], 0, v.max)) row[v.field] = 0;
}

bool CheckMission(const IntRow& m, const std::string& where, std::string& why) {
  if (m[1] <= 0) return true;  // an empty board slot or no running mission: nothing is read
  if (!Check(m, kMissionRanges, where, why) || !Check(m, TypeRanges(m[2]), where, why)) return false;
  return IsCallSignType(m[2]) || Check(m, kNav1Location, where, why);
}

void RepairMission(IntRow& m) {
  if (m[1] <= 0) return;
  const Variant text[] = {{30, DescriptionVariants(m[2])}};
  Repair(m, text);
  if (IsCallSignType(m[2])) {
    const Variant callSign[] = {{10, 10}};
    Repair(m, callSign);
  }
}

std::string Numbered(const char* what, int n) { return std::string(what) + " " + std::to_string(n); }

bool CheckAll(const GameState& s, std::string& why) {
  if (!Check(s.Ship, kShipRanges, "", why) || !Check(s.Player, kPlayerRanges, "", why)) return false;
  if (s.Ship[Sh::Location] == 0) return why = "the ship's location is 0 (no location)", false;
  // The day counter only grows; leave it room so it can never overflow.
  if (!In(s.StarDate, 1, 1000000000)) return why = "the date is " + std::to_string(s.StarDate), false;

  for (int sys = 0; sys <= kSystems; ++sys) {
    if (!Check(s.SystemData[sys], kSystemRanges, Numbered("system", sys), why)) return false;
    for (int l = 0; l <= kLocations; ++l)
      if (!Check(s.LocationData[sys][l], kLocationRanges,
                 Numbered("system", sys) + ", " + Numbered("location", l), why))
        return false;
  }
  for (int sys = 1; sys <= kSystems; ++sys)
    for (int o = 1; o <= kMissionOffers; ++o)
      if (!CheckMission(s.Missions[sys][o], Numbered("mission offer", o) + " in " + Numbered("system", sys), why))
        return false;
  if (!CheckMission(s.ActiveMission, "the running mission", why)) return false;
  for (int e = 1; e <= kNewsEntries; ++e)
    if (s.NewsData[e][1] > 0 && !Check(s.NewsData[e], kNewsRanges, Numbered("news entry", e), why)) return false;
  for (int r = 1; r <= kSystemShipRows; ++r)
    if (s.SystemShips[r][1] > 0 && !Check(s.SystemShips[r], kSystemShipRanges, Numbered("ship in the system", r), why))
      return false;
  return true;
}

void RepairAll(GameState& s) {
  for (int sys = 1; sys <= kSystems; ++sys) {
    Repair(s.SystemData[sys], kSystemVariants);
    for (int o = 1; o <= kMissionOffers; ++o) RepairMission(s.Missions[sys][o]);
  }
  RepairMission(s.ActiveMission);
  for (int e = 1; e <= kNewsEntries; ++e) Repair(s.NewsData[e], kNewsVariants);
  for (int r = 1; r <= kSystemShipRows; ++r) Repair(s.SystemShips[r], kSystemShipVariants);
  // Days left on the criminal record; 0 or less is a clean record.
  s.Player[Pl::CriminalFlag] = std::clamp(s.Player[Pl::CriminalFlag], 0, 10000);
  // The pilot's name was typed: it goes on screens and into the highscores.
  s.PlayerName = SanitizeTypedName(s.PlayerName);
}

}  // namespace

bool ValidateLoadedState(GameState& s, std::string& why) {
  if (!CheckAll(s, why)) return false;
  RepairAll(s);
  return true;
}

}  // namespace qm
