// The simulator's flow: the two set-up steps, the world created for the
// player's choices, the duel, the result and the reset afterwards.
#include "catalogue/ships.h"
#include "combat/combat_rules.h"
#include "combat/ship_combat.h"
#include "combat/simulator.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "combat/world_hooks.h"

namespace qm {

using namespace combat;

SimulatorState Sim;

namespace {

constexpr int kDuelFaction = 1;  // the player flies for the Federation, the opponent is a pirate
constexpr int kOpponentFaction = 0;
constexpr const char* kResultPicture = "Ruvevid.jpg";

bool ValidShip(int type) { return type >= 1 && type <= kSimulatorShips; }
bool ValidExpertise(int e) { return e >= 1 && e <= kSimulatorExpertises; }

int& ShipChoice() { return Sim.step == SimStep::Enemy ? Combat.EnemyShip[Sh::ShipType] : Game.Ship[Sh::ShipType]; }
int& ExpertiseChoice() {
  return Sim.step == SimStep::Enemy ? Combat.EnemyShip[Cb::AiKind] : Game.Player[Pl::Profession];
}

// The player's side for his choices. The world is built once, the first time
// the player step is left; later passes only change the ship and abilities.
void ApplyPlayerChoices() {
  auto& s = Game.Ship;
  const int type = s[Sh::ShipType];
  const int expertise = Game.Player[Pl::Profession];
  Game.Player[Pl::Faction] = kDuelFaction;
  if (!Sim.worldCreated) {
    WorldHooks().initialiseWorld();
    Sim.worldCreated = true;
  }
  s[Sh::Alive] = 1;
  s[Sh::ShipType] = type;
  s[Sh::ShipFaction] = kDuelFaction;
  s[Sh::ShieldEnergy] = shipStat(type, Stat::MaxShields);
  Game.Player[Pl::Profession] = expertise;
  // The side fights with the first-tier abilities of its expertise, nothing else.
  Game.CombatAbilities.fill(0);
  for (int id : EnemyRepertoire(1, expertise))
    if (id > 0) Game.CombatAbilities[id] = 1;
}

void ShowResult() {
  if (!Sim.fought) return;  // cancelled in the set-up: there is no duel to report
  if (Combat.EnemyShip[Sh::Alive] == 0)
    Notify(1, "Congratulations! You won!",
           "Well done, you won the duel! Lets see how you will do in a REAL clash of steel and blood.",
           kResultPicture);
  else if (Game.Ship[Sh::Alive] == 0)
    Notify(1, "Game Over!", "You lost the simulator game. You better continue with your training.", kResultPicture);
}

}  // namespace

const char* ExpertiseLetter(int expertise) {
  static constexpr const char* kLetters[] = {"", "T", "S", "R"};
  return ValidExpertise(expertise) ? kLetters[expertise] : "";
}

const char* ExpertiseName(int expertise) {
  static constexpr const char* kNames[] = {"", "Trader", "Soldier", "Rogue"};
  return ValidExpertise(expertise) ? kNames[expertise] : "";
}

void BeginSimulatorSetup() {
  ResetGameState();
  Sim = SimulatorState{};
  Sim.step = SimStep::Player;
  Game.Player[Pl::Faction] = kDuelFaction;
}

int SimulatorShipChoice() {
  if (Sim.step != SimStep::Player && Sim.step != SimStep::Enemy) return 0;
  return ShipChoice();
}

int SimulatorExpertiseChoice() {
  if (Sim.step != SimStep::Player && Sim.step != SimStep::Enemy) return 0;
  return ExpertiseChoice();
}

void ChooseSimulatorShip(int type) {
  if ((Sim.step == SimStep::Player || Sim.step == SimStep::Enemy) && ValidShip(type)) ShipChoice() = type;
}

void ChooseSimulatorExpertise(int expertise) {
  if ((Sim.step == SimStep::Player || Sim.step == SimStep::Enemy) && ValidExpertise(expertise))
    ExpertiseChoice() = expertise;
}

bool SimulatorContinue() {
  if (Sim.step != SimStep::Player && Sim.step != SimStep::Enemy) return false;
  if (!ValidShip(ShipChoice()) || !ValidExpertise(ExpertiseChoice())) return false;
  if (Sim.step == SimStep::Player) ApplyPlayerChoices();
  Sim.step += 1;
  return true;
}

void SimulatorBack() {
  if (Sim.step == SimStep::Player || Sim.step == SimStep::Enemy) Sim.step -= 1;
}

void PrepareSimulatorDuel() {
  const int enemyType = Combat.EnemyShip[Sh::ShipType];
  const int enemyExpertise = Combat.EnemyShip[Cb::AiKind];
  SetupShipCombat(enemyType, kOpponentFaction, enemyExpertise, 1);
  const auto row = EnemyRepertoire(1, enemyExpertise);
  for (size_t k = 0; k < row.size(); ++k) Combat.EnemyAbilities[static_cast<int>(k) + 1] = row[k];
  // No reinforcements reach a simulator; combo points start at 0.
  for (IntRow* ship : {&Game.Ship, &Combat.EnemyShip}) {
    (*ship)[Cb::Reinforcements] = -1;
    (*ship)[Cb::DurationFactor] = 0;
  }
  const int step = Sim.step;
  const bool world = Sim.worldCreated;
  Sim = SimulatorState{};
  Sim.step = step;
  Sim.worldCreated = world;
  Sim.fought = true;
  SetSimulatorSpeed(1);
}

void StartSimulator() {
  BeginSimulatorSetup();
  while (Sim.step == SimStep::Player || Sim.step == SimStep::Enemy) {
    const int shown = Sim.step;
    UI().ShowScreen(Screen::SimulatorSetup);
    // A screen closed by neither button (the program is closing) cancels.
    if (Sim.step == shown) Sim.step = SimStep::Cancelled;
  }
  if (Sim.step == SimStep::Fight) {
    PrepareSimulatorDuel();
    UI().ShowScreen(Screen::SimulatorDuel);
    if (!SimulatorOver()) EndCombat();  // left before either ship fell: no result
  }
  ShowResult();
  // Nothing of the practice duel stays behind.
  ResetGameState();
  Sim = SimulatorState{};
}

}  // namespace qm
