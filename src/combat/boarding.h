#pragma once
// Boarding a crippled enemy after a battle, area by area: airlock, corridors,
// cargo bay, bridge. Winning the cargo bay allows plundering, winning the
// bridge captures the ship, losing the whole crew loses the ship.

namespace qm {

namespace Area {
enum : int { Airlock = 1, Corridors = 2, CargoBay = 3, Bridge = 4 };
}
// State of an area.
namespace AreaState {
enum : int { Attackable = 1, Locked = 2, Secured = 3 };
}

namespace BoardingOutcome {
enum : int { Running = 0, Defeat = 1, Plundered = 2, Captured = 3, Retreated = 4 };
}

// One boarding, from the offer to the return to the ship.
struct BoardingState {
  bool open = false;       // the boarding screen is shown
  int area[5] = {};        // areas 1..4, an AreaState each
  int phase = 0;           // 1 fighting in an area, 2 an area must be selected
  int losses[5] = {};      // crew lost by type: crewmen, officers, marines, pirates, droids
  int droidsBefore = 0;    // droids on board before the ship special lent two more
  bool droidsLent = false;
  int outcome = 0;         // how it ended: a BoardingOutcome
};
extern BoardingState Boarding;

// Sets up the first area and shows the boarding screen modally. However it
// ends (defeat, plunder, capture, retreat) the ship battle ends with it;
// EnemyShip[38] >= 1 tells the battle's caller that boarding took place.
void StartBoarding();
// Area k (1..4) clicked on the wire frame.
void SelectArea(int k);
void StandardAttack();
void CommandoStrike();
void EmpStrike();
// Back to the own ship (after a question).
void Retreat();

// The built-in boarding leader's next move: the next area, an attack that fits
// the forces on both sides, or a retreat when the fight is hopeless.
void BoardingAutoMove();
// The crew on each side in the current area (for the screen's force counters).
int BoardingPlayerForces();
int BoardingEnemyForces();

// Clears the boarding of a previous game.
void ResetBoarding();

}  // namespace qm
