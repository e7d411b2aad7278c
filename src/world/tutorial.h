#pragma once
// The interactive tutorial: one scripted walk through a new game, step by
// step. Each step belongs to one screen, where a panel explains it and says
// what to do next; the screens report what the player did and the tutorial
// moves on when it was what the step asked for.
#include <string>

namespace qm {

// The screens that carry a tutorial panel.
enum class TutorialScreen {
  None, Faction, Name, Profession, Main, Trade, Missions, ShipCombat, Planet, GalaxyMap, Radar, SaveLoad,
  ShipStatus, PersonalStatus, Abilities
};

// What the player did, as the screens report it.
enum class TutorialEvent {
  FactionContinue, NameContinue, ProfessionContinue, Welcome,
  TradeIcon, Bought, Arrived, SellAll, TradeClosed,
  MissionIcon, MissionSelected, MissionAccepted,
  MissileFired, AbilityUsed, TurnEnded, EcmFired, GunsFired,
  Landed, PlanetLeft, SensorIcon, RadarClosed, GalaxyIcon, GalaxyClosed,
  OptionsIcon, SaveButton, Saved, SaveScreenBack, SaveScreenClosed, ReturnToGame,
  Wireframe, ShipStatusClosed, Portrait, SkillsButton, AbilityScreenBack, PersonalStatusBack,
};

// The step on show: its screen and texts; step 0 when no tutorial runs.
struct TutorialView {
  int step = 0;
  TutorialScreen screen = TutorialScreen::None;
  std::string explanation;
  std::string instruction;  // empty for the steps that only show the marker
  bool afterSave = false;   // step 28 again after saving: it asks for "Return to game"
};

void StartTutorial();
void StopTutorial();
// "Cancel tutorial": asks first, except at the last step; true when it stopped.
bool AskStopTutorial();
void ShowTutorialStep(int n);
TutorialView CurrentTutorial();
// Moves the tutorial on when `e` is what its step waits for. `arg` carries the
// slot, location or ability the event concerns.
void TutorialHook(TutorialEvent e, int arg = 0);
// The mission fight: step 13 before the battle, the step after it once it closed.
void TutorialBeforeMissionFight();
void TutorialAfterMissionFight(bool won);

// The location the first trade sells at, and the planet the landing step names.
int TutorialTradeTarget();
int TutorialLandingPlanet();

// The texts of a step, without the names the running game fills in.
std::string TutorialExplanation(int step);
std::string TutorialInstruction(int step);
TutorialScreen TutorialScreenOf(int step);

}  // namespace qm
