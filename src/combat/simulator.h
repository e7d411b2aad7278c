#pragma once
// The combat simulator: a practice duel from the main menu, without a career.
// The player picks a ship and an expertise for himself, then for the opponent,
// and fights one duel whose timer ticks replace turns: every action has a
// recharge counter instead of an AP cost, and the opponent decides once per
// tick. The game state is reset before and after, so nothing of the duel
// reaches a career or the general data.
//
// StartSimulator shows the set-up (UI().ShowScreen(Screen::SimulatorSetup))
// until its step leaves 1..2, then the duel (Screen::SimulatorDuel) and the
// result. The screens, the console and the tests drive the steps and the
// duel through the functions below.
#include <array>
#include <cstdint>
#include <string>

namespace qm {

// Set-up steps (SimulatorState::step); 0 or less means cancelled.
namespace SimStep {
enum : int { Cancelled = 0, Player = 1, Enemy = 2, Fight = 3 };
}

constexpr int kSimulatorShips = 3;      // ship types 1..3
constexpr int kSimulatorExpertises = 3; // 1 trader, 2 soldier, 3 rogue
constexpr int kSimulatorSpeeds = 4;     // "||", ">>", ">>>", ">>>>"
constexpr int kSimulatorPanels = 4;     // message panels per side
constexpr int kSimulatorMessageTicks = 4;
constexpr int kMaxCombo = 5;
constexpr int kSimulatorAbilityIds = 38;  // ability ids 1..37

// One message panel of a side: shown while `ticksLeft` is above 0.
struct SimulatorMessage {
  std::string topic, text;
  int ticksLeft = 0;
};

struct SimulatorState {
  int step = SimStep::Cancelled;
  bool worldCreated = false;
  bool fought = false;  // the duel screen was shown
  int speed = 1;        // 0 paused, 1..3 the speeds of the table
  int ticks = 0;        // ticks run in this duel
  // Recharge counters per side (0 the player, 1 the opponent) and button 1..12.
  std::array<std::array<int, 13>, 2> counters{};
  // The opponent's recharge counters, by ability id, of the abilities its
  // decisions use without a button of its own.
  std::array<int, kSimulatorAbilityIds> unbuttoned{};
  // Message panels per side, the newest first. Empty by their own initialisers
  // (a "{}" here crashes clang 14, which builds the fuzz targets).
  std::array<std::array<SimulatorMessage, kSimulatorPanels>, 2> messages;
  // The player's action since the last tick, and the actions of the tick just
  // run: the player's before it and the opponent's in it (0 none).
  int playerActed = 0;
  std::array<int, 2> tickActions{};
  // Hits and misses already turned into combo points.
  std::array<int, 2> countedHits{}, countedMisses{};
};

extern SimulatorState Sim;

// The whole simulator: set-up, duel, result, and the state reset after it.
void StartSimulator();

// Set-up ------------------------------------------------------------------------
// Resets the game state and the choices; the step is 1.
void BeginSimulatorSetup();
// The choices of the side of the current step (0 = none yet).
int SimulatorShipChoice();
int SimulatorExpertiseChoice();
// Records a choice for the side of the current step; out-of-range values do nothing.
void ChooseSimulatorShip(int shipType);
void ChooseSimulatorExpertise(int expertise);
// "Continue": needs both choices of the side; false (nothing changes) without them.
// Leaving the player step creates the world the first time.
bool SimulatorContinue();
// "Back": one step down; from the player step the simulator is cancelled.
void SimulatorBack();
// "T", "S", "R" and "Trader", "Soldier", "Rogue" for expertise 1..3.
const char* ExpertiseLetter(int expertise);
const char* ExpertiseName(int expertise);

// The duel ----------------------------------------------------------------------
// Builds both sides for the chosen ships and expertises (step 3).
void PrepareSimulatorDuel();
// The tick interval of a speed (0 paused, 1500, 1200, 1000 ms).
int SimulatorSpeedInterval(int speed);
void SetSimulatorSpeed(int speed);
// The player's ability button 1..12: true when its action was carried out.
// Refusals (paused, stunned, recharging, too few combo points ...) show their
// message and change nothing.
bool SimulatorPlayerAction(int button);
// One tick: the opponent's decision, effects, recharge counters, missiles and
// message panels. Does nothing while paused or after the end.
void SimulatorTick();
// The duel is over: a ship destroyed or an escape.
bool SimulatorOver();
// "victory", "defeat" or "none" (an escape or a duel left unfinished).
const char* SimulatorResult();
// The built-in pilot's choice for the player's side now: an ability id, 0 for none.
int SimulatorPilotMove();
// The player's button holding ability `id`, 0 when none.
int SimulatorButtonOf(int id);
// The recharge counter of ability `id` for a side: its button's, or for the
// opponent the one it keeps for an ability without a button; 0 when neither.
int SimulatorCounterOf(int side, int id);
// Posts a combat panel message of a side into its four fading panels.
void PostSimulatorMessage(int side, const std::string& topic, const std::string& text);
// A side's combo points (0..5) and its combo gauge "Combo_00.jpg".."Combo_05.jpg".
int SimulatorCombo(int side);
std::string SimulatorComboPicture(int side);
// Whether ability `id` needs (and spends) combo points.
bool NeedsComboPoints(int id);
// The ability buttons of a side (player: the ability bar, opponent: its repertoire).
int SimulatorAbility(int side, int button);
// Pictures: the ships ("Federation_Starwolf_L.jpg", "Pirate_Stargun_R.jpg"),
// the missiles in flight and an ability button ("_on" while its counter is 0).
std::string SimulatorShipPicture(int side);
std::string SimulatorMissilePicture(int side);
std::string SimulatorButtonPicture(int side, int button);

// The opponent's decision of one tick (simulator_opponent.cpp): at most one
// action carried out; returns its id, 0 for none.
int SimulatorOpponentActs();
// Carries out ability `id` for a side with the duel's AP and recharge rules;
// true when it was carried out (its counter then runs).
bool SimulatorCarryOut(int side, int id);

}  // namespace qm
