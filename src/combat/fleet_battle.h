#pragma once
// Fleet wave battles: the player's ship and escorts against an enemy fleet.
#include <array>

namespace qm {

// Fleet roles: the player's flagship, a space station, and warships by size.
namespace FleetRole {
enum : int { Flagship = 0, Station = 1, Battleship = 2, Cruiser = 3, Destroyer = 4 };
}

struct FleetShip {
  int present = 0;
  int faction = 0;
  int type = 0;    // ship type; -1 the space station
  int shield = 0;  // current shield; the flagship's mirrors Ship[40]
  int role = 0;
};

constexpr int kFleetSize = 10;  // records 1..10 per side

struct FleetState {
  std::array<FleetShip, kFleetSize + 1> allied{};
  std::array<FleetShip, kFleetSize + 1> enemy{};
  int escort = 0;  // selected allied record, 0 none
  int target = 0;  // selected enemy record, 0 none
  bool duelRunning = false;  // an escort duel is under way: the buttons do nothing
  int duelEscort = 0, duelTarget = 0;
  bool open = false;  // the fleet screen is shown
  bool over = false;
  bool won = false;
  bool strongerWaves = false;
  int enemyFaction = 0;
};
extern FleetState Fleet;

// Builds both fleets for a battle against `enemyFaction`. Modes: -1 a starbase
// strike, 0, 1 and 2 the fleet missions' battles.
void SetupFleetBattle(int enemyFaction, int mode);
// Makes enemy wave `wave` (1..5) stronger before the battle runs (strength 1..3).
void SetFleetWaveStrength(int wave, int strength);
// Shows the fleet screen modally (headless frontends fight it there); true when
// the battle was won. A lost battle only ends as lost: the caller runs the
// death handling when the player's ship is gone.
bool RunFleetBattle();

// The screen's actions.
void SelectFleetTarget(int k);
void SelectEscort(int k);
void AttackTargetYourself();
void SendEscort();
// One tick of the escort duel's timer; true while the duel goes on.
bool FleetDuelTick();
void EmergencyRecharge();
void RetreatFromFleetBattle();

// The built-in fleet commander's next move (headless frontends).
void FleetAutoMove();
// Headless: runs the ticks of an escort duel at once.
void RunEscortDuel();
// Number of enemy ships left.
int EnemyShipsLeft();

// Clears the fleets of a previous game.
void ResetFleetBattle();

}  // namespace qm
