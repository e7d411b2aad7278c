// The mission board generator: which kinds of mission a board offers, and how
// each offer finds its target, its enemy and its reward.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>

#include "catalogue/ships.h"
#include "state/game_state.h"
#include "state/random.h"
#include "world/border_system.h"
#include "world/missions.h"

namespace qm {
namespace {

constexpr int kSearchDraws = 1001;  // every random search gives up after this many draws
constexpr int kBuildAttempts = 10;  // offers tried per board and run

int Owner(int s) { return Game.SystemData[s][Sys::Owner]; }
int Attacker(int s) { return Game.SystemData[s][Sys::Attacker]; }
bool Invaded(int s) { return Game.SystemData[s][Sys::UnderAttack] > 0; }
bool SystemExists(int s) { return s >= 1 && s <= kSystems && Game.SystemData[s][Sys::Exists] > 0; }
int PlayerFaction() { return Game.Player[Pl::Faction]; }
bool AtWar(int a, int b) { return Game.FactionData[a][Fac::RelationBase + b] > 0; }
int ShipClass(int t) { return shipStat(t, Stat::Class); }

// The side the player fights in a campaign system.
int Opposing(int s) { return Owner(s) == PlayerFaction() ? Attacker(s) : Owner(s); }

enum class Need { Existing, Colonised, ColonisedNoTarget };

bool Satisfies(int s, int l, Need need) {
  const auto& loc = Game.LocationData[s][l];
  if (loc[Loc::Exists] < 1) return false;
  if (need == Need::Existing) return true;
  if (loc[Loc::Kind] < 1) return false;
  return need == Need::Colonised || loc[Loc::Target] <= 0;
}

// A random location 1..14 of system s meeting `need` and differing from the
// given ones; 0 when no draw finds one.
int RandomLocation(int s, Need need, int notA = 0, int notB = 0) {
  if (!SystemExists(s)) return 0;
  for (int draw = 0; draw < kSearchDraws; ++draw) {
    const int l = Random(15);
    if (l >= 1 && l != notA && l != notB && Satisfies(s, l, need)) return l;
  }
  return 0;
}

// Targets of the existing wormholes among locations 1..15 of system s.
template <typename Fn>
void ForEachWormholeTarget(int s, Fn&& f) {
  for (int l = 1; l <= kLocations; ++l) {
    const auto& loc = Game.LocationData[s][l];
    const int d = loc[Loc::Target];
    if (loc[Loc::Exists] > 0 && loc[Loc::Kind] == Kind::Wormhole && d >= 1 && d <= kSystems) f(d);
  }
}

// A uniformly random entry of a candidate list, 0 for none.
struct Candidates {
  int items[kSystems * (kLocations + 1)] = {};
  int count = 0;
  void Add(int s) {
    if (count < static_cast<int>(std::size(items))) items[count++] = s;
  }
  int Pick() const { return count == 0 ? 0 : items[Random(count)]; }
};

// A faction's home system: the Fleet missions strike there.
int Homeworld(int f) {
  static constexpr int kHome[] = {0, 1, 12, 16, 13};
  return f >= 1 && f <= kFactions ? kHome[f] : 0;
}

// A border system redrawn until it meets `ok`; 0 when no draw does. Each draw
// is one PickBorderSystem; the list it draws from is made once, and a list
// without a single fitting entry fails at once.
template <typename Ok>
int BorderSystemWhere(int from, int to, Ok&& ok) {
  int list[kMaxBorderCandidates];
  const int count = BorderSystems(from, to, list);
  bool possible = false;
  for (int i = 0; i < count && !possible; ++i) possible = ok(list[i]);
  if (!possible) return 0;
  for (int draw = 0; draw < kSearchDraws; ++draw) {
    const int t = list[Random(count)];
    if (ok(t)) return t;
  }
  return 0;
}

// The enemy of an offer drawn until it is neither the player's faction nor the
// board's owner; -1 when no draw gives one.
int HostileFactionFor(int mode, int board) {
  for (int draw = 0; draw < kSearchDraws; ++draw) {
    const int f = PickHostileFaction(mode, Owner(board));
    if (f != PlayerFaction() && f != Owner(board)) return f;
  }
  return -1;
}

struct Band {
  int last;  // the roll's last value for this type
  int type;
};

int FromBands(int r, std::initializer_list<Band> bands) {
  for (const Band& b : bands)
    if (r <= b.last) return b.type;
  return 0;
}

// Whether a ship of affiliation `code` may fly for `faction` (0 = pirates).
bool Fields(int code, int faction) {
  switch (code) {
    case 0: case 1: return true;
    case 2: return faction >= 2 && faction <= 4;
    case 3: return faction == 0 || faction == 2 || faction == 3;
    case 4: return faction != 0;
    case 5: return faction == 0 || faction == 3 || faction == 4;
    case 6: return faction == 0 || faction == 2 || faction == 4;
    case -1: case -2: case -3: case -4: return faction == -code;
    default: return false;
  }
}

// The class of a mission's enemy ship for the roll d (0..99): near the
// player's own class, smaller in the player's capital systems.
int MissionShipClass(int mode, int system, int c, int faction, int d) {
  int cls = c;
  if (Owner(system) == PlayerFaction()) {
    if (mode == 1) {
      cls = FromBands(d, {{70, c - 1}, {89, c}, {99, c + 1}});
      if (cls > 2 && faction != PlayerFaction()) cls = 2;
    } else if (mode == 2) {
      cls = FromBands(d, {{30, c - 1}, {79, c}, {99, c + 1}});
    } else {
      cls = FromBands(d, {{10, c - 1}, {60, c}, {99, c + 1}});
    }
  } else if (mode == 2) {
    cls = FromBands(d, {{20, c - 1}, {70, c}, {99, c + 1}});
  } else {
    cls = FromBands(d, {{10, c - 1}, {60, c}, {99, c + 1}});
  }
  return std::clamp(cls, 1, 5);
}

struct ShipSearch {
  int mode;
  int system;
  int faction;
  bool smallMayFail;     // ships no bigger than the player's are turned down 41 times in 100
  bool noAbductionBan;   // the ship must be one that can be abducted
};

bool Acceptable(const ShipSearch& s, int t, int c) {
  if (t == 0 || shipStat(t, Stat::Role) != 1 || ShipClass(t) < c) return false;
  return !s.noAbductionBan || shipStat(t, Stat::IsFormation) == 0;
}

// Whether any draw of the search can succeed: some ship of a class the roll can
// give, fielded by the faction, is acceptable.
bool SearchCanSucceed(const ShipSearch& s, int c) {
  bool reachable[6] = {};
  for (int d = 0; d < 100; ++d) reachable[MissionShipClass(s.mode, s.system, c, s.faction, d)] = true;
  for (int t = 1; t <= kShipTypes; ++t)
    if (reachable[std::clamp(ShipClass(t), 0, 5)] && Fields(shipStat(t, Stat::FieldedBy), s.faction) &&
        Acceptable(s, t, c))
      return true;
  return false;
}

// A mission target ship at least of the player's class; 0 when no draw finds
// one. A search that cannot succeed gives up without drawing.
int SearchTargetShip(const ShipSearch& s, int c) {
  if (!SearchCanSucceed(s, c)) return 0;
  for (int draw = 0; draw < kSearchDraws; ++draw) {
    int t = PickMissionShipType(s.mode, s.system, c, s.faction);
    if (s.smallMayFail && ShipClass(t) <= c && Random(100) <= 40) t = 0;
    if (Acceptable(s, t, c)) return t;
  }
  return 0;
}

int64_t ShipPrice(int t) { return shipStat(t, Stat::Price); }

// Units to deliver by the commodity's base price: 500/300/200 for a transport
// (scale 10), ten times that for supplies and combat transports (scale 100).
int DeliveryQuantity(int c, int scale) {
  const int base = Game.BasePrice[c];
  return (base <= 100 ? 50 : base <= 300 ? 30 : 20) * scale;
}

void SetTarget(IntRow& m, int location, int system) {
  m[Mis::Location] = location;
  m[Mis::System] = system;
}
void SetNav1(IntRow& m, int location, int system) {
  SetTarget(m, location, system);
  m[Mis::Nav1Location] = location;
  m[Mis::Nav1System] = system;
}

bool Done(IntRow& m, int64_t reward) {
  m[Mis::Reward] = Saturate(reward);
  m[Mis::Active] = 1;
  return true;
}

// ---- the build rules, one per kind; each returns true on success ----

bool BuildShipFight(IntRow& m, int board, int c, bool military) {
  const int location = RandomLocation(board, Need::Existing);
  if (location == 0) return false;
  const int party = military ? Opposing(board) : HostileFactionFor(MissionEnemyMode(board), board);
  if (party < 0) return false;
  const int mode = military ? 3 : MissionEnemyMode(board);
  const int t = SearchTargetShip({mode, board, party, !military, false}, c);
  if (t == 0) return false;
  SetTarget(m, location, board);
  m[Mis::Party] = party;
  m[Mis::Object] = t;
  if (ShipClass(t) > c) m[Mis::Type] = military ? 12 : 4;
  return Done(m, ShipPrice(t) / (17 + Random(5)));
}

bool BuildPatrol(IntRow& m, int board, int64_t reward) {
  const int n1 = RandomLocation(board, Need::Existing);
  const int n2 = n1 ? RandomLocation(board, Need::Existing, n1) : 0;
  const int n3 = n2 ? RandomLocation(board, Need::Existing, n1, n2) : 0;
  if (n3 == 0) return false;
  SetNav1(m, n1, board);
  m[Mis::Nav2Location] = n2;
  m[Mis::Nav2System] = board;
  m[Mis::Nav3Location] = n3;
  m[Mis::Nav3System] = board;
  m[Mis::Object] = 1;
  return Done(m, reward);
}

bool BuildDelivery(IntRow& m, int system, int scale, int k) {
  const int location = RandomLocation(system, Need::Colonised);
  if (location == 0) return false;
  SetTarget(m, location, system);
  m[Mis::Object] = Random(12) + 1;
  m[Mis::Party] = DeliveryQuantity(m[Mis::Object], scale);
  return Done(m, RollMissionReward(k));
}

// A system bordering the board's owner, away from the ship: where criminals hide
// and supplies are wanted.
int NeighbourAwayFromShip(int board) {
  return BorderSystemWhere(Owner(board), Owner(board), [](int t) { return t != Game.Ship[Sh::System]; });
}

bool BuildBounty(IntRow& m, int board, int c) {
  const int t = NeighbourAwayFromShip(board);
  const int location = RandomLocation(t, Need::Existing);
  if (location == 0) return false;
  const int ship = SearchTargetShip({MissionEnemyMode(t), board, 0, false, false}, c);
  if (ship == 0) return false;
  SetTarget(m, location, t);
  m[Mis::Party] = 0;
  m[Mis::Object] = ship;
  m[Mis::CallSign] = Random(10) + 1;
  return Done(m, ShipPrice(ship) / (10 + Random(3)));
}

// The faction the player has fought longest against by number, sometimes any.
int WarTargetFaction() {
  int g = 0;
  for (int f = 1; f <= kFactions; ++f)
    if (Game.FactionData[PlayerFaction()][20 + f] > 0) g = f;
  if (Random(100) < 25) g = Random(4) + 1;
  return g;
}

bool BuildSpecialForces(IntRow& m, int board, int k, bool reportForDuty) {
  const int g = WarTargetFaction();
  const int t = BorderSystemWhere(Owner(board), g, [reportForDuty](int s) {
    if (s == Game.Ship[Sh::System]) return false;
    if (!reportForDuty) return Owner(s) != PlayerFaction();
    return Invaded(s) && (Attacker(s) == PlayerFaction() || Owner(s) == PlayerFaction());
  });
  const int location = RandomLocation(t, Need::Existing);
  if (location == 0) return false;
  SetNav1(m, location, t);
  m[Mis::Object] = 1;
  return Done(m, RollMissionReward(k));
}

bool BuildInfiltrate(IntRow& m, int board) {
  const int opp = Opposing(board);
  Candidates next;
  ForEachWormholeTarget(board, [&](int d) {
    if (SystemExists(d) && Owner(d) == opp) next.Add(d);
  });
  const int t = next.count > 0 ? next.Pick() : PickBorderSystem(Owner(board), opp);
  if (!SystemExists(t) || Game.LocationData[t][1][Loc::Exists] < 1) return false;
  SetNav1(m, 1, t);  // location 1 is the system's sun
  m[Mis::Object] = 1;
  return Done(m, RollMissionReward(3));
}

// The player's system beside the campaign where landing troops gather and
// evacuated civilians go.
int FriendlyStaging(int board) {
  Candidates own;
  ForEachWormholeTarget(board, [&](int d) {
    if (SystemExists(d) && Owner(d) == PlayerFaction()) own.Add(d);
  });
  return own.count > 0 ? own.Pick() : PickBorderSystem(Owner(board), Opposing(board));
}

// Marines gather at navpoint 1 and land in the campaign system; evacuees are
// picked up in the campaign system and brought away.
bool BuildPickUp(IntRow& m, int board, bool landing) {
  if (landing ? Attacker(board) != PlayerFaction() : Owner(board) != PlayerFaction()) return false;
  const int away = FriendlyStaging(board);
  const int from = landing ? away : board;
  const int to = landing ? board : away;
  const int l1 = RandomLocation(from, Need::Colonised);
  const int l2 = l1 ? RandomLocation(to, Need::Colonised) : 0;
  if (l2 == 0) return false;
  SetNav1(m, l1, from);
  m[Mis::Nav2Location] = l2;
  m[Mis::Nav2System] = to;
  m[Mis::Object] = 1;
  return Done(m, RollMissionReward(2));
}

bool BuildAbduction(IntRow& m, int board, int c) {
  int t = 0;
  ForEachWormholeTarget(board, [&](int d) {
    if (Random(100) < 60) t = d;
  });
  if (t == 0) t = Game.Ship[Sh::System];
  const int location = RandomLocation(t, Need::Colonised);
  if (location == 0) return false;
  const int party = Opposing(board);
  const int ship = SearchTargetShip({MissionEnemyMode(t), board, party, false, true}, c);
  if (ship == 0) return false;
  SetTarget(m, location, t);
  m[Mis::Party] = party;
  m[Mis::Object] = ship;
  m[Mis::CallSign] = Random(10) + 1;
  return Done(m, ShipPrice(ship) / (10 + Random(3)));
}

bool BuildAnalysis(IntRow& m) {
  m[Mis::Object] = 50;
  return Done(m, RollMissionReward(4));
}

// Fleet battles: the target is location 2 (or as given) of system s.
bool FleetTarget(IntRow& m, int location, int s, int party, int64_t reward) {
  if (!SystemExists(s) || location < 1 || Game.LocationData[s][location][Loc::Exists] < 1) return false;
  SetNav1(m, location, s);
  m[Mis::Party] = party;
  m[Mis::Object] = 1;
  return Done(m, reward);
}

bool BuildBlitzkrieg(IntRow& m) {
  int home = 0;
  for (int f = 1; f <= kFactions; ++f)
    if (AtWar(PlayerFaction(), f)) home = Homeworld(f);
  if (home == 0) return false;
  return FleetTarget(m, 2, home, Owner(home), static_cast<int64_t>(RollMissionReward(4)) * 3);
}

// Flanking strikes a quiet system of a faction at war with both the board's
// owner and the player.
bool BuildFlanking(IntRow& m, int board) {
  Candidates c;
  for (int s = 1; s <= kSystems; ++s) {
    const int k = Owner(s);
    if (!SystemExists(s) || Invaded(s) || k == PlayerFaction()) continue;
    if (AtWar(PlayerFaction(), k) && (Owner(board) == PlayerFaction() || AtWar(Owner(board), k))) c.Add(s);
  }
  const int s = c.Pick();
  return s != 0 && FleetTarget(m, 2, s, Owner(s), RollMissionReward(5));
}

bool BuildSuppression(IntRow& m) {
  Candidates c;
  for (int s = 1; s <= kSystems; ++s)
    if (SystemExists(s) && !Invaded(s) && Owner(s) == PlayerFaction() && s != Homeworld(PlayerFaction())) c.Add(s);
  const int s = c.Pick();
  return s != 0 && FleetTarget(m, 2, s, PlayerFaction(), RollMissionReward(4));
}

bool BuildBombing(IntRow& m, int board) {
  if (Owner(board) == PlayerFaction()) return false;
  const int location = RandomLocation(board, Need::ColonisedNoTarget);
  return location != 0 && FleetTarget(m, location, board, Owner(board), RollMissionReward(4));
}

bool BuildBattle(IntRow& m, int board) {
  const int location = RandomLocation(board, Need::Existing);
  return location != 0 && FleetTarget(m, location, board, Opposing(board), RollMissionReward(4));
}

bool BuildSiege(IntRow& m) {
  Candidates c;
  for (int s = 1; s <= kSystems; ++s) {
    if (!SystemExists(s) || !Invaded(s)) continue;
    if (Attacker(s) == PlayerFaction())
      ForEachWormholeTarget(s, [&](int d) {
        if (SystemExists(d) && Owner(d) == Owner(s)) c.Add(d);
      });
    if (Owner(s) == PlayerFaction())
      ForEachWormholeTarget(s, [&](int d) {
        if (SystemExists(d) && Owner(d) == Attacker(s)) c.Add(d);
      });
  }
  const int d = c.Pick();
  return d != 0 && FleetTarget(m, 2, d, Owner(d), RollMissionReward(4));
}

bool BuildRaiding(IntRow& m, int board) {
  Candidates c;
  ForEachWormholeTarget(board, [&](int d) {
    if (!SystemExists(d)) return;
    if (Attacker(board) == PlayerFaction() && Owner(d) == Owner(board)) c.Add(d);
    if (Owner(board) == PlayerFaction() && Owner(d) == Attacker(board)) c.Add(d);
  });
  const int d = c.Pick();
  return d != 0 && FleetTarget(m, 2, d, Owner(d), RollMissionReward(4));
}

// ---- type choice ----

bool BoardHasType(int board, int type, int skipSlot) {
  for (int o = 1; o <= kMissionOffers; ++o)
    if (o != skipSlot && Game.Missions[board][o][Mis::Active] > 0 && Game.Missions[board][o][Mis::Type] == type)
      return true;
  return false;
}

int CivilType(int c, int board, int slot) {
  const bool coalition = PlayerFaction() == 3;
  if (c == 1) {
    int type = FromBands(Random(100), {{30, 1}, {60, 2}, {99, 3}});
    // A fighter pilot's board always carries one of each of the three kinds.
    for (int forced : {1, 2, 3})
      if (!BoardHasType(board, forced, slot)) type = forced;
    return type;
  }
  if (c <= 4)
    return FromBands(Random(106), {{30, 1}, {60, 5}, {70, 6}, {90, 7}, {100, 8}, {105, coalition ? 19 : 8}});
  return FromBands(Random(180), {{30, 1}, {70, 5}, {90, 7}, {100, 8}, {105, coalition ? 19 : 20}, {120, 20},
                                 {140, 21}, {160, 22}, {179, 25}});
}

int MilitaryType(int c) {
  const std::initializer_list<Band> common = {{15, 9},  {30, 14}, {45, 10},  {60, 15},  {70, 11},
                                              {85, 9},  {90, 13}, {100, 16}, {110, 17}, {120, 18}};
  if (c <= 4) return FromBands(Random(120), common);
  const int r = Random(210);
  if (r <= 120) return FromBands(r, common);
  return FromBands(r, {{150, 23}, {180, 24}, {209, 26}});
}

// Clears the slot, rolls a type and builds it; true when the slot holds an offer.
bool TryOffer(int board, int slot, int c) {
  IntRow& m = Game.Missions[board][slot];
  for (int f = 0; f <= 99; ++f) m[f] = 0;
  int type = CivilType(c, board, slot);
  if (Invaded(board) && c >= 2) {
    m[Mis::CampaignSystem] = board;
    type = MilitaryType(c);
  }
  BuildMissionOffer(m, type, board);
  return m[Mis::Active] > 0;
}

}  // namespace

int PlayerShipClass() { return std::clamp(ShipClass(Game.Ship[Sh::ShipType]), 1, 5); }

int MissionEnemyMode(int s) {
  if (Invaded(s)) return 3;
  return Game.SystemData[s][Sys::SystemClass] == 6 ? 1 : 2;
}

int RollMissionReward(int k) {
  const int c = PlayerShipClass();
  int64_t base = static_cast<int64_t>(k) * c * 10000;
  if (c == 5) base *= 5;
  const int half = Saturate(base / 2);
  return Saturate(static_cast<int64_t>(half) + Random(half));
}

int PickHostileFaction(int mode, int owner) {
  const int r = Random(100);
  const int pirates = mode == 2 ? 30 : 20;
  const int ownerLast = mode == 1 ? 70 : mode == 2 ? 60 : 40;
  if (r <= pirates) return 0;
  if (r <= ownerLast) return owner;
  const int enemy = RandomWarEnemy(owner);
  return enemy != 0 ? enemy : owner;
}


int PickMissionShipType(int mode, int system, int c, int faction) {
  const int cls = MissionShipClass(mode, system, c, faction, Random(100));
  int candidates[kShipTypes];
  int count = 0;
  for (int t = 1; t <= kShipTypes; ++t)
    if (ShipClass(t) == cls && Fields(shipStat(t, Stat::FieldedBy), faction)) candidates[count++] = t;
  return count == 0 ? 0 : candidates[Random(count)];
}

void BuildMissionOffer(IntRow& m, int type, int board) {
  const int c = PlayerShipClass();
  m[Mis::Type] = type;
  m[Mis::Active] = 0;
  bool ok = false;
  switch (type) {
    case 1: ok = BuildShipFight(m, board, c, false); break;
    case 9: ok = BuildShipFight(m, board, c, true); break;
    case 2: case 10: case 15: ok = BuildPatrol(m, board, RollMissionReward(1) / 3); break;
    case 14: ok = BuildPatrol(m, board, RollMissionReward(1)); break;
    case 3: ok = BuildDelivery(m, board, 10, 2); break;
    case 11: ok = BuildDelivery(m, board, 100, 3); break;
    case 6: ok = BuildDelivery(m, NeighbourAwayFromShip(board), 100, 3); break;
    case 5: ok = BuildBounty(m, board, c); break;
    case 7: ok = BuildSpecialForces(m, board, 2, false); break;
    case 8: ok = BuildSpecialForces(m, board, 1, true); break;
    case 13: ok = BuildInfiltrate(m, board); break;
    case 16: ok = BuildPickUp(m, board, true); break;
    case 17: ok = BuildPickUp(m, board, false); break;
    case 18: ok = BuildAbduction(m, board, c); break;
    case 19: ok = BuildAnalysis(m); break;
    case 20: ok = BuildBlitzkrieg(m); break;
    case 21: ok = BuildFlanking(m, board); break;
    case 22: ok = BuildSuppression(m); break;
    case 23: ok = BuildBombing(m, board); break;
    case 24: ok = BuildBattle(m, board); break;
    case 25: ok = BuildSiege(m); break;
    case 26: ok = BuildRaiding(m, board); break;
    default: break;  // the Flagship (27) and unknown kinds are never offered
  }
  if (!ok) {
    for (int f = 0; f <= 99; ++f) m[f] = 0;
    return;
  }
  m[Mis::TextVariant] = Random(MissionTextVariants(m[Mis::Type])) + 1;
}

void GenerateMissionOffers() {
  const int c = PlayerShipClass();
  for (int board = 1; board <= kSystems; ++board) {
    int slot = 0;
    for (int o = 1; o <= kMissionOffers; ++o)
      if (Game.Missions[board][o][Mis::Active] == 0) slot = o;
    if (slot == 0) {
      slot = Random(30) + 1;
      if (slot > kMissionOffers) continue;
    }
    for (int attempt = 0; attempt < kBuildAttempts; ++attempt)
      if (TryOffer(board, slot, c)) break;
  }
}

void RegenerateMissionBoards() {
  for (int board = 1; board <= kSystems; ++board)
    for (int o = 0; o <= kMissionOffers + 1; ++o) Game.Missions[board][o].fill(0);
  for (int run = 0; run < kMissionOffers; ++run) GenerateMissionOffers();
}

}  // namespace qm
