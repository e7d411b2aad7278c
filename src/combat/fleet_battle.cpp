#include "combat/fleet_battle.h"

#include <algorithm>
#include <cstdint>

#include "catalogue/equipment.h"
#include "catalogue/ships.h"
#include "combat/combat_state.h"
#include "combat/encounter_draw.h"
#include "combat/ship_combat.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"

namespace qm {

FleetState Fleet;

namespace {

constexpr int kRechargeUsed = 98;  // Ship slot: the emergency recharge was used in this battle

int RoleOfType(int type) {
  if (type == kStarbase) return FleetRole::Station;
  const int c = shipStat(type, Stat::Class);
  return c >= 5 ? FleetRole::Battleship : c == 4 ? FleetRole::Cruiser : FleetRole::Destroyer;
}

int PlayerMaxShields() {
  const auto& s = Game.Ship;
  return maxShields(s[Sh::ShipType], s[Sh::Engines], s[Sh::CargoSpace]);
}

// A ship of `role` (1 warship, 2 freighter) that `faction` flies, of a class in
// [lo, hi]; any class when that range has none, any role when the faction
// flies none of that role; 0 when the faction flies nothing.
int ShipFor(int faction, int role, int lo, int hi) {
  for (int tries = 0; tries < 3; ++tries) {
    int candidates[kShipTypes];
    int n = 0;
    for (int t = 1; t <= kShipTypes; ++t) {
      const int c = shipStat(t, Stat::Class);
      if ((tries < 2 && shipStat(t, Stat::Role) != role) || !FactionFlies(t, faction)) continue;
      if (tries == 0 && (c < lo || c > hi)) continue;
      candidates[n++] = t;
    }
    if (n > 0) return candidates[Random(n)];
  }
  return 0;
}

void Add(std::array<FleetShip, kFleetSize + 1>& side, int faction, int type) {
  if (type == 0) return;
  for (int k = 1; k <= kFleetSize; ++k) {
    if (side[k].present > 0) continue;
    side[k] = {1, faction, type, shipStat(type, Stat::MaxShields), RoleOfType(type)};
    return;
  }
}

bool ValidEnemy(int k) { return k >= 1 && k <= kFleetSize && Fleet.enemy[k].present > 0; }

// A target must be chosen, and the station only once its fleet is gone.
bool TargetAllowed() {
  if (!ValidEnemy(Fleet.target)) {
    Notify("No target",
           "You have not yet selected a target to attack! To do so click on one of the red symbols in the mid part "
           "of the screen.");
    return false;
  }
  if (Fleet.enemy[Fleet.target].role == FleetRole::Station && EnemyShipsLeft() > 1) {
    Notify("N/A",
           "You cannot attack the spacestation at this time. You first have to destroy all other enemy ships.");
    return false;
  }
  return true;
}

void SyncFlagship() {
  auto& flag = Fleet.allied[1];
  flag.shield = Game.Ship[Sh::ShieldEnergy];
  flag.type = Game.Ship[Sh::ShipType];
}

void EndCheck() {
  if (Fleet.over) return;
  if (EnemyShipsLeft() == 0) {
    Notify("Enemy fleet destroyed!", "Congratulations! The enemy fleet is destroyed.");
    Fleet.over = true;
    Fleet.won = true;
  } else if (Game.Ship[Sh::Alive] <= 0) {
    Notify("Your fleet destroyed!", "Your fleet has been destroyed. You have failed!");
    Fleet.over = true;
    Fleet.won = false;
  }
  if (Fleet.over) UI().HideScreen(Screen::FleetBattle);
}

void Explode(FleetShip& ship, int& selection) {
  UI().PlaySound("Explosion_Ship.wav");
  ship = FleetShip{};
  selection = 0;
}

int StrikeBase(int role) {
  switch (role) {
    case FleetRole::Station: return 50;
    case FleetRole::Battleship: return 30;
    case FleetRole::Cruiser: return 20;
    default: return 10;
  }
}

}  // namespace

void ResetFleetBattle() { Fleet = FleetState{}; }

// A new game empties the fleet battle along with the saved state.
static const bool kResetsWithGame = (AddStateResetHook(&ResetFleetBattle), true);

int EnemyShipsLeft() {
  int n = 0;
  for (int k = 1; k <= kFleetSize; ++k) n += Fleet.enemy[k].present > 0;
  return n;
}

void SetupFleetBattle(int enemyFaction, int mode) {
  ResetFleetBattle();
  Fleet.enemyFaction = enemyFaction;
  Game.Ship[kRechargeUsed] = 0;
  const int own = Game.Player[Pl::Faction];
  const int k = OwnShipClass();
  Fleet.allied[1] = {1, own, Game.Ship[Sh::ShipType], Game.Ship[Sh::ShieldEnergy], FleetRole::Flagship};
  const int escortClass = std::max(1, k - 1);
  for (int i = 0; i < 2; ++i) Add(Fleet.allied, own, ShipFor(own, 1, escortClass, escortClass));

  auto& enemy = Fleet.enemy;
  switch (mode) {
    case 0:
      for (int i = 0; i < 3; ++i) Add(enemy, enemyFaction, ShipFor(enemyFaction, 2, 1, 5));
      break;
    case 1:
      Add(enemy, enemyFaction, ShipFor(enemyFaction, 1, 5, 5));
      for (int i = 0; i < 3; ++i) Add(enemy, enemyFaction, ShipFor(enemyFaction, 1, 2, 4));
      break;
    case 2:
      for (int i = 0; i < 5; ++i) Add(enemy, enemyFaction, ShipFor(enemyFaction, 1, 2, 4));
      break;
    default:  // a starbase strike
      Add(enemy, enemyFaction, kStarbase);
      for (int i = 0; i < 3; ++i) Add(enemy, enemyFaction, ShipFor(enemyFaction, 1, 2, 4));
      break;
  }
}

void SetFleetWaveStrength(int wave, int strength) {
  if (wave < 1 || wave > 5 || strength < 2 || Fleet.strongerWaves) return;
  Fleet.strongerWaves = true;
  const int faction = Fleet.enemyFaction;
  for (int i = 0; i < 2; ++i) Add(Fleet.enemy, faction, ShipFor(faction, 1, 3, 5));
}

bool RunFleetBattle() {
  SyncFlagship();
  Fleet.over = false;
  Fleet.won = false;
  if (EnemyShipsLeft() == 0) EndCheck();
  if (!Fleet.over) {
    Fleet.open = true;
    UI().ShowScreen(Screen::FleetBattle);
    Fleet.open = false;
  }
  // A screen closed without a decision counts as a retreat.
  Fleet.duelRunning = false;
  const bool won = Fleet.over && Fleet.won;
  Fleet.over = true;
  Fleet.won = won;
  return won;
}

void SelectFleetTarget(int k) {
  if (Fleet.duelRunning || !ValidEnemy(k)) return;
  Fleet.target = k;
}

void SelectEscort(int k) {
  if (Fleet.duelRunning || k < 1 || k > kFleetSize || Fleet.allied[k].present <= 0) return;
  Fleet.escort = k;
}

void AttackTargetYourself() {
  if (Fleet.duelRunning || Fleet.over || !TargetAllowed()) return;
  FleetShip& t = Fleet.enemy[Fleet.target];
  SetupShipCombat(t.type, t.faction, 2, 0);
  Combat.EnemyShip[Sh::ShieldEnergy] = t.shield;
  AnnounceHostileEncounter();
  UI().ShowScreen(Screen::ShipCombat);
  if (Run.QuitToMenu) return;  // the fleet screen closes itself
  if (Game.Ship[Sh::Alive] > 0 && Combat.EnemyShip[Sh::Alive] <= 0) {
    t = FleetShip{};
    Fleet.target = 0;
    const int max = PlayerMaxShields();
    Game.Ship[Sh::ShieldEnergy] = std::min(max, Saturate(static_cast<int64_t>(Game.Ship[Sh::ShieldEnergy]) + max / 4));
  } else if (t.present > 0) {
    t.shield = Combat.EnemyShip[Sh::ShieldEnergy];  // the damage stays for the next duel
  }
  SyncFlagship();
  EndCheck();
}

void SendEscort() {
  if (Fleet.duelRunning || Fleet.over) return;
  if (Fleet.escort < 1 || Fleet.escort > kFleetSize || Fleet.allied[Fleet.escort].present <= 0) {
    Notify("Who?",
           "You have not yet selected which ship of your escort should attack. To do so click on one of the blue "
           "symbols in the mid part of the screen.");
    return;
  }
  if (Fleet.allied[Fleet.escort].role == FleetRole::Flagship) {
    Notify("Not an escort",
           "The blue ship symbol you have selected is your own ship. To lead an attack yourself please use the "
           "\"Attack target yourself\" button.");
    return;
  }
  if (!TargetAllowed()) return;
  Fleet.duelRunning = true;
  Fleet.duelEscort = Fleet.escort;
  Fleet.duelTarget = Fleet.target;
}

bool FleetDuelTick() {
  if (!Fleet.duelRunning) return false;
  FleetShip& e = Fleet.allied[Fleet.duelEscort];
  FleetShip& t = Fleet.enemy[Fleet.duelTarget];
  if (e.present <= 0 || t.present <= 0) {
    Fleet.duelRunning = false;
    return false;
  }
  int base = StrikeBase(e.role) * 10;
  if (shipStat(e.type, Stat::Role) == 2) base /= 6;
  int strike = base / 2 + Random(base);
  int r = Random(100);
  if (r <= 10) strike *= 4;
  if (r <= 60) t.shield -= strike;

  const int range = StrikeBase(t.role) * 10;
  const int h = Random(range);
  r = Random(100);
  if (r <= 10)
    e.shield -= 4 * h + 2 * range;
  else if (r <= 60)
    e.shield -= h + range / 2;
  UI().PlaySound(Random(2) == 0 ? "FireGuns.wav" : "FireGuns2.wav");

  const bool targetGone = t.shield < 1, escortGone = e.shield < 1;
  if (!targetGone && !escortGone) return true;
  if (targetGone) Explode(t, Fleet.target);
  if (escortGone) Explode(e, Fleet.escort);
  Fleet.duelRunning = false;
  EndCheck();
  return false;
}

void RunEscortDuel() {
  while (FleetDuelTick()) {
  }
}

void EmergencyRecharge() {
  if (Fleet.duelRunning || Fleet.over) return;
  if (Game.Ship[kRechargeUsed] == 1) {
    Notify("N/A",
           "You can only use the emergency shield recharge once in a battle (the radiation would kill anyone on "
           "board)!");
    return;
  }
  if (!AskYesNo("Emergency recharge?",
                "An emergency shield recharge is very dangerous. The radiation might kill crew members. Still "
                "recharge?"))
    return;
  Game.Ship[Sh::ShieldEnergy] = PlayerMaxShields();
  Game.Ship[kRechargeUsed] = 1;
  SyncFlagship();
  if (Random(100) < 61) {
    Notify("Success!",
           "You successfully recharge your shields. Some crew members are reporting to be sick, but the higher "
           "radiation has caused no permanent injuries.");
    return;
  }
  for (int t = Sh::Crewmen; t <= Sh::Pirates; ++t) Game.Ship[t] /= 2;
  Notify("Reactor breach!", "While you are able to recharge your shields a reactor breach kills many of your crew "
                            "members.");
}

void RetreatFromFleetBattle() {
  if (Fleet.duelRunning || Fleet.over) return;
  if (!AskYesNo("Retreat?", "Do you really wish to retreat?")) return;
  Fleet.over = true;
  Fleet.won = false;
  UI().HideScreen(Screen::FleetBattle);
}

void FleetAutoMove() {
  if (Fleet.over) return;
  if (Fleet.duelRunning) return RunEscortDuel();
  // The weakest ship that may be attacked; the station last.
  if (!ValidEnemy(Fleet.target) ||
      (Fleet.enemy[Fleet.target].role == FleetRole::Station && EnemyShipsLeft() > 1)) {
    int best = 0;
    for (int k = 1; k <= kFleetSize; ++k) {
      const FleetShip& s = Fleet.enemy[k];
      if (s.present <= 0 || (s.role == FleetRole::Station && EnemyShipsLeft() > 1)) continue;
      if (best == 0 || s.shield < Fleet.enemy[best].shield) best = k;
    }
    Fleet.target = best;
  }
  const int max = PlayerMaxShields();
  const int shield = Game.Ship[Sh::ShieldEnergy];
  if (shield * 3 < max && Game.Ship[kRechargeUsed] == 0) return EmergencyRecharge();
  int escort = 0;
  for (int k = 2; k <= kFleetSize; ++k)
    if (Fleet.allied[k].present > 0 && (escort == 0 || Fleet.allied[k].shield > Fleet.allied[escort].shield)) escort = k;
  if (escort != 0 && (shield * 2 < Fleet.enemy[Fleet.target].shield || shield * 3 < max)) {
    Fleet.escort = escort;
    SendEscort();
    return RunEscortDuel();
  }
  if (shield * 5 < max && Game.Ship[kRechargeUsed] == 1) return RetreatFromFleetBattle();
  AttackTargetYourself();
}

}  // namespace qm
