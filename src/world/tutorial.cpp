#include "world/tutorial.h"

#include <algorithm>

#include "catalogue/ships.h"
#include "combat/combat_state.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/sound_requests.h"
#include "world/missions.h"

namespace qm {
namespace {

constexpr int kLastStep = 38;
constexpr int kAfterAccept = -11;
constexpr int kSupplies = 1;    // the commodity of the first trade
constexpr int kSun = 1;         // the mission's location: the system's sun
constexpr int kSearchAndDestroy = 1;
constexpr int kDiscipline = 7;  // the ability step 14 asks for

// Set while step 28 is shown again after saving: it then asks for "Return to game".
bool afterSave = false;
bool Active() { return Run.TutorialActive; }
int Step() { return Run.TutorialStep; }

struct StepInfo {
  int step;
  TutorialScreen screen;
  const char* instruction;
  const char* explanation;
};

using S = TutorialScreen;
// Steps 10 and 11 (choosing the offer, then accepting it) say the same.
constexpr const char* kChooseMission = "Click on the 2nd available mission and afterwards on \"Accept mission\".";
constexpr const char* kMissionBoard =
    "Here you can see the missions available in this system. In the beginning you can only accept three different "
    "kinds of missions, but later many more will become available.  We wanted to have some action so choose the "
    "\"Search and Destroy\" mission at the left bottom part of the screen.";
const StepInfo kSteps[] = {
    {1, S::Faction, "Click on one of the faction pictures at the top left and click on \"Continue\".",
     "On this screen you can choose your faction. There are four factions available in the game. Each has it\u00b4s "
     "own unique advantages and starting conditions."},
    {2, S::Name, "Enter your name, choose a portrait and afterwards click on \"Continue\".",
     "On this screen you can enter your name and choose a portrait, which will symbolize you in the game. Click on "
     "\"Previous\" and \"Next\" until you have found the picture of your choice."},
    {3, S::Profession, "Select the \"PIRATE\" profession by clicking on it and afterwards click on \"Continue.\"",
     "Quellmark offers many different starting professions to choose from. Don\u00b4t worry though, this early choice "
     "will just determine your starting settings. For the purpose of this tutorial please select the PIRATE "
     "profession. "},
    {4, S::Main, "Click on the \"TRADE\" icon displayed in the control panel at the bottom.",
     "This is the main screen of the game. Here you will be able to travel to different planets or star systems, "
     "land on planets, trade, accept missions or plunder other ships. First we start with something easy: Trading."},
    {5, S::Trade, "Click on \"Supplies\" and buy at least one unit of this kind of good.",
     "Good. On the window that has popped up you can buy or sell goods. Click on the different goods to select "
     "them, choose a quantity and click on \"Buy\". Alternatively you can fill your whole cargo bay automatically by "
     "selecting a good and clicking on \"Buy all\"."},
    {6, S::Main, "Double-click on the location ",
     "Well done - you bought your first cargo. Now you have to find a location where you can sell it for a profit. "
     "As long as you have no corvette, you cannot leave this star system. So we need to find a planet with a higher "
     "price for your selected cargo. We have marked the closest location. Double-click it to start travelling."},
    {7, S::Trade, "Click on the \"Sell all\" button on the trade popup screen.",
     "Now you are just one step away from making your first profit! Just click on \"Sell all\" and see the cash "
     "flowing in."},
    {8, S::Trade, "Close the trade screen by clicking on \"Close\" on the trade popup screen.",
     "Congratulations! You made your first profit. If you choose to become a trader you will want to expand your "
     "business to expensive goods and other star systems. Smuggling contraband works similarly, however you can "
     "only buy them at pirate hideouts (which you first need to find - Hint: Visit the local bar!)."},
    {9, S::Main, "Click on the \"Mission\" icon on the control panel at the bottom.",
     "Now it\u00b4s time for some action! Let\u00b4s accept a combat mission. While the profession Mercenary is best "
     "suited for this style of playing all other professions (except maybe the pure trader) are able to fulfill "
     "missions from time to time as well."},
    {10, S::Missions, kChooseMission, kMissionBoard},
    {11, S::Missions, kChooseMission, kMissionBoard},
    {kAfterAccept, S::Main, "Click on the mission icon in the control panel below again.",
     "You have accepted your first mission. During the game you can get more information about the current mission "
     "by clicking on the mission icon again. This icon is multi-functional. If you have a mission it will bring up a "
     "mission status report, if not it opens the mission selection screen. Let\u00b4s try this..."},
    {12, S::Main, "Double-click on the \"Sun\" to start travelling to the mission objective.",
     "In this mission you have to intercept a pirate vessel near the local sun. The mission target is displayed by "
     "a yellow target lock. To fly to this location (and fulfill this mission) you have to double-click on the "
     "target lock."},
    {13, S::ShipCombat, "Click on the missile icon at the left bottom part of the screen.",
     "This is the space combat screen. At the left part of the screen you can see your own ship and on the other "
     "side the hostile vessel. You have to destroy the enemy vessel in order to  win this mission. To do this you "
     "should first fire your missiles. This will force the enemy to try to intercept them and suppress his fire."},
    {14, S::ShipCombat, "Activate the \"Discipline\" ability by left-clicking on it.",
     "Good. That\u00b4ll give him something to think about. Firing the missile has cost you action-points (AP). You "
     "can see the AP display right below your ship and above the progress bar displaying your shields. "
     "Right-clicking on any part of the screen will bring up the in-game help... Ok, back to action. Activate your "
     "\"Discipline\" ability."},
    {15, S::ShipCombat, "End this turn by clicking on the button \"End this turn\" at the top.",
     "You have no action-points (AP) left. Your AP are refreshed every turn. You should end this turn now. To do "
     "this click on \"End this turn\" at the top  of this window. When you do this your enemy will start his move "
     "and will fire on you. But don\u00b4t panic! You cannot die during the tutorial."},
    {16, S::ShipCombat, "Click on the ECM icon to intercept the enemy missile.",
     "Again it\u00b4s your turn. Your action points (AP) have been refreshed. As you can see the enemy has fired a "
     "missile himself. You should intercept this missile using your ECM (electronic counter-measures)."},
    {17, S::ShipCombat, "Click on the gun fire icon to shoot a volley of energy beams.",
     "Good. Now you should use the rest of your action-points (AP) to fire your ship guns. There are many different "
     "combat abilities in the game offering new attack moves. Every time you are promoted and receive a new rank "
     "you can choose one new combat ability. The mercenary starts off with \"Focus beam\", which causes more "
     "damage."},
    {18, S::ShipCombat, "Click on \"End this turn\".",
     "You have used up all your APs. Now you can click on \"End this turn\" again. Remember: A successful fight "
     "depends on the wise use of your abilities and a good selection of equipment. There are many ways to win in "
     "Quellmark - try out different paths before you choose your style."},
    {19, S::ShipCombat, "Fire at will, end a turn if necessary and win this fight on your own!",
     "That\u00b4s it. You have learned the basic combat moves. Now it\u00b4s up to you to win this fight. Remember "
     "that if you move your mouse over a certain part of this screen a help text comes up. If you right-click at "
     "any part of the screen you can get additional help. And now: Fire at will, pilot!"},
    {20, S::Main, "Fly to the planet ",
     "Congratulations! You won your first fight! Did you like it? We promise this game will get even better if you "
     "unlock all the new cool features in the later parts of this game. Now - before this tutorial comes to an end "
     "- we want to show you some other important aspects of this game. For example: Let\u00b4s land on a planet!"},
    {22, S::Planet, "Take a look around. If you are finished click on \"Back to space\".",
     "This is the planet screen. The most important feature is the possibility to buy a bigger ship and to upgrade "
     "your equipment. You might want to minimize this tutorial window;Click the button below and take a look "
     "around. Click on some of the options to see what\u00b4s happening. Afterwards click on \"Back to space\"."},
    {23, S::Main, "Click on the \"ship sensor\" icon in the control panel.",
     "One of the new features of this new version of Quellmark is the \"ship sensor screen\". It can be used to "
     "intercept and plunder other ships regardless of them being friendly or hostile. To use your ship sensors "
     "click on the \"ship sensor\" icon in the control panel."},
    {24, S::Radar, "Close this screen by clicking on \"Back\".",
     "This is the ship sensor screen. The blips on the sensors mark the location of friendly or hostile spaceships. "
     "Click on those blips to select those ships and get more information about them. Some ships might transport "
     "valuable cargo, VIPs, etc. Pirates will primarily use this new feature to plunder other ships."},
    {25, S::Main, "Click on the \"Galaxy map\" icon in the control panel.",
     "Later - when you have been able to buy a bigger spaceship and can leave this space system - you might want to "
     "explore the galaxy, get new missions, capture enemy ships, take part in galactic-wide battles and finally "
     "conquer whole star systems. To do this you should know how to access the galaxy map."},
    {26, S::GalaxyMap, "Take a look around and then close this screen by clicking on \"Close\".",
     "So that\u00b4s the galaxy map. The red colored planet names symbolize planets owned by factions with which your "
     "faction are at war. Cease-fires and war declarations can change the political situation. Finally you can use "
     "the \"Prices\" and \"Info\" buttons to get more informations about the different space systems."},
    {27, S::Main, "Click on the \"Game option\" icon in the control panel.",
     "The game option menu includes the possibility to SAVE or LOAD a game, to change the GAME SETTINGS and to EXIT "
     "the game. To enter the option menu just click on the \"game option\" icon on the control panel."},
    {28, S::Main, "Click on the \"Save a game\" button.",
     "During a game you should SAVE a game often. It can always happen that you make a mistake and your ship "
     "explodes. In this case you might want to LOAD the last save game. Let\u00b4s try it! It\u00b4s easy!"},
    {29, S::SaveLoad, "", ""},
    {30, S::SaveLoad, "", ""},
    {32, S::Main, "Click on the wireframe of your ship at the left part of the screen.",
     "During the game you might want to check out the status of your ship from time to time. To do this just open "
     "the ship status screen."},
    {33, S::ShipStatus, "Click on the \"Close\" button.",
     "Here you can see the status of your ship. Just take a look around and when you are finished click on "
     "\"Close\"."},
    {34, S::Main, "Click on the portrait of your \"game hero\" at the right part of the screen.",
     "Finally - before ending this tutorial - you should be able to look at the personal status screen and browse "
     "through the different abilities and skills your \"game hero\" can acquire during the game."},
    {35, S::PersonalStatus, "Click on \"View combat skills\" and/or \"View non-combat skills\".",
     "Here you can see your personal status. Before ending this tutorial you should browse through the skills and "
     "abilities your \"game hero\" can acquire during the game. For every award (campaign ribbons) you can choose "
     "one new non-combat skill and for every promotion (new rank) you can choose a combat skill."},
    {36, S::Abilities, "", ""},
    {37, S::PersonalStatus, "Click on \"Back\" to close this screen.", "Great. That\u00b4s it. Now please close this screen."},
    {38, S::Main, "Click on \"Cancel tutorial\" to close this screen and end this tutorial.",
     "Congratulations! You successfully finished the tutorial. Now you are on your own to explore the world of "
     "Quellmark. For more information please use the game manual (.pdf file in the game folder on your "
     "harddisk)."},
};

const StepInfo* Find(int step) {
  for (const StepInfo& s : kSteps)
    if (s.step == step) return &s;
  return nullptr;
}

int System() { return Game.Ship[Sh::System]; }

// The first trade: Supplies bought here for 100 sell at the target for 115.
void ScriptPrices() {
  const int s = System(), here = Game.Ship[Sh::Location], target = TutorialTradeTarget();
  if (target < 1) return;
  Run.KnownLocationPrices[target] = 1;
  if (here >= 1 && here != target) {
    Game.LocationPrices[s][here][kSupplies] = 100;
    Game.LocationStock[s][here][kSupplies] = std::max(Game.LocationStock[s][here][kSupplies], 50);
  }
  Game.LocationPrices[s][target][kSupplies] = 115;
  UI().RefreshTradePopup();
  UI().RefreshMainScreen(s);
}

// A small pirate warship the mission of steps 10 to 12 sends against the player.
int TutorialPirate() {
  for (int t = 1; t <= kShipTypes; ++t) {
    const int code = shipStat(t, Stat::FieldedBy);
    const bool pirates = code == 0 || code == 1 || code == 3 || code == 5 || code == 6;
    if (shipStat(t, Stat::Class) == 1 && shipStat(t, Stat::Role) == 1 && pirates) return t;
  }
  return 1;
}

// Offer 2 of the board becomes the promised "Search and Destroy" near the sun.
void WriteTutorialMission() {
  const int s = System();
  IntRow& m = Game.Missions[s][2];
  m = IntRow{};
  const int t = TutorialPirate();
  m[Mis::Active] = 1;
  m[Mis::Type] = kSearchAndDestroy;
  m[Mis::Location] = kSun;
  m[Mis::System] = s;
  m[Mis::Party] = 0;
  m[Mis::Object] = t;
  m[Mis::Reward] = static_cast<int>(shipStat(t, Stat::Price) / (17 + Random(5)));
}

bool OnAbilityBar(int id) {
  for (int k = 1; k <= kAbilityButtons; ++k)
    if (Combat.AbilityBar[k] == id) return true;
  return false;
}

bool ShipsOnSensors() {
  for (int k = 1; k <= kSystemShipRows; ++k)
    if (Game.SystemShips[k][1] > 0) return true;
  return false;
}

}  // namespace

std::string TutorialExplanation(int step) {
  const StepInfo* s = Find(step);
  return s ? s->explanation : "";
}

std::string TutorialInstruction(int step) {
  const StepInfo* s = Find(step);
  return s ? s->instruction : "";
}

TutorialScreen TutorialScreenOf(int step) {
  const StepInfo* s = Find(step);
  return s ? s->screen : TutorialScreen::None;
}

int TutorialTradeTarget() {
  static const int targets[5] = {0, 3, 7, 2, 6};
  const int f = Game.Player[Pl::Faction];
  return f >= 1 && f <= 4 ? targets[f] : 0;
}

int TutorialLandingPlanet() {
  // A planet of the system the player can land on, other than where the ship is.
  const int s = System();
  for (int l = 1; l <= kLocations; ++l) {
    const IntRow& loc = Game.LocationData[s][l];
    const int owner = loc[Loc::Owner], mine = Game.Player[Pl::Faction];
    const bool hostile = owner != mine && Game.FactionData[mine][Fac::RelationBase + owner] >= 1;
    if (l != Game.Ship[Sh::Location] && loc[Loc::Exists] > 0 && loc[Loc::Kind] > 0 && loc[Loc::Target] != 1 &&
        !hostile)
      return l;
  }
  return 0;
}

void StartTutorial() {
  afterSave = false;
  Run.TutorialActive = true;
  ShowTutorialStep(1);
}

void StopTutorial() {
  afterSave = false;
  Run.TutorialActive = false;
  Run.TutorialStep = 0;
  UI().TutorialChanged();
}

bool AskStopTutorial() {
  if (!Active()) return true;
  if (Step() != kLastStep &&
      !AskYesNo("Turn tutorial off?", "Do you really wish to turn off the tutorial? This tutorial leads you on your "
                                      "first steps in the game and just takes about 10 minutes."))
    return false;
  StopTutorial();
  return true;
}

void ShowTutorialStep(int n) {
  if (!Active()) return;
  if (n == 23 && !ShipsOnSensors()) n = 25;  // nothing to scan: on to the galaxy map
  afterSave = false;
  Run.TutorialStep = n;
  if (n == 5 || n == 6) ScriptPrices();
  if (n == 10) WriteTutorialMission();
  if (n == 8 || n == 20) UI().PlaySound("Reward1.wav");
  if (n == kLastStep) PlayRewardTune();
  UI().TutorialChanged();
}

TutorialView CurrentTutorial() {
  TutorialView v;
  if (!Active() || !Find(Step())) return v;
  const int n = Step();
  v.step = n;
  v.screen = TutorialScreenOf(n);
  v.explanation = TutorialExplanation(n);
  v.instruction = TutorialInstruction(n);
  const int s = System();
  if (n == 6) v.instruction += Game.LocationText[s][TutorialTradeTarget()][1] + " to start travelling.";
  if (n == 20) v.instruction += Game.LocationText[s][TutorialLandingPlanet()][1] + " by double-clicking on it.";
  v.afterSave = n == 28 && afterSave;
  if (v.afterSave) {
    v.explanation = "Good. Now let\u00b4s close this screen again.";
    v.instruction = "Click on \"Return to game\".";
  }
  return v;
}

void TutorialHook(TutorialEvent e, int arg) {
  if (!Active()) return;
  const int n = Step();
  using E = TutorialEvent;
  switch (e) {
    case E::FactionContinue: if (n == 1) ShowTutorialStep(2); break;
    case E::NameContinue: if (n == 2) ShowTutorialStep(3); break;
    case E::ProfessionContinue: break;  // the welcome message comes first
    case E::Welcome: if (n <= 3) ShowTutorialStep(4); break;
    case E::TradeIcon: if (n == 4) ShowTutorialStep(5); break;
    case E::Bought: if (n == 5 && Game.Cargo[kSupplies] >= 1) ShowTutorialStep(6); break;
    case E::Arrived:
      if (n == 6 && arg == TutorialTradeTarget()) {
        Game.LocationPrices[System()][arg][kSupplies] = 115;
        ShowTutorialStep(7);
      } else if (n == 12 && arg == kSun) {
        // The mission encounter at the sun shows the next step.
        UI().TutorialChanged();
      }
      break;
    case E::SellAll: if (n == 7) ShowTutorialStep(8); break;
    case E::TradeClosed: if (n == 8) ShowTutorialStep(9); break;
    case E::MissionIcon:
      if (n == 9) ShowTutorialStep(10);
      else if (n == kAfterAccept) ShowTutorialStep(12);
      break;
    case E::MissionSelected: if (n == 10 && arg == 2) ShowTutorialStep(11); break;
    case E::MissionAccepted: if (n == 10 || n == 11) ShowTutorialStep(kAfterAccept); break;
    case E::MissileFired: if (n == 13) ShowTutorialStep(14); break;
    case E::AbilityUsed:
      // A pilot without Discipline on the bar learns the step with another ability.
      if (n == 14 && (arg == kDiscipline || !OnAbilityBar(kDiscipline))) ShowTutorialStep(15);
      break;
    case E::TurnEnded:
      // The enemy answers with a missile; without one in flight there is nothing to intercept.
      if (n == 15) ShowTutorialStep(Combat.EnemyMissile.inFlight > 0 ? 16 : 17);
      else if (n == 18) ShowTutorialStep(19);
      break;
    case E::EcmFired: if (n == 16) ShowTutorialStep(17); break;
    case E::GunsFired: if (n == 17) ShowTutorialStep(18); break;
    case E::Landed: if (n == 20) ShowTutorialStep(22); break;
    case E::PlanetLeft: if (n == 22) ShowTutorialStep(23); break;
    case E::SensorIcon: if (n == 23) ShowTutorialStep(24); break;
    case E::RadarClosed: if (n == 24) ShowTutorialStep(25); break;
    case E::GalaxyIcon: if (n == 25) ShowTutorialStep(26); break;
    case E::GalaxyClosed: if (n == 26) ShowTutorialStep(27); break;
    case E::OptionsIcon: if (n == 27) ShowTutorialStep(28); break;
    case E::SaveButton: if (n == 28 && !afterSave) ShowTutorialStep(29); break;
    case E::Saved: if (n == 29) ShowTutorialStep(30); break;
    case E::SaveScreenBack: if (n == 29) ShowTutorialStep(28); break;
    case E::SaveScreenClosed:
      if (n == 30) {
        ShowTutorialStep(28);
        afterSave = true;
        UI().TutorialChanged();
      }
      break;
    case E::ReturnToGame: if (n >= 26 && n <= 31) ShowTutorialStep(32); break;
    case E::Wireframe: if (n == 32) ShowTutorialStep(33); break;
    case E::ShipStatusClosed: if (n == 33) ShowTutorialStep(34); break;
    case E::Portrait: if (n == 34) ShowTutorialStep(35); break;
    case E::SkillsButton: if (n == 35) ShowTutorialStep(36); break;
    case E::AbilityScreenBack: if (n == 36) ShowTutorialStep(37); break;
    case E::PersonalStatusBack: if (n > 30 && n < kLastStep) ShowTutorialStep(kLastStep); break;
  }
}

void TutorialBeforeMissionFight() {
  if (Active() && Step() <= 12 && Step() != 0) ShowTutorialStep(13);
}

void TutorialAfterMissionFight(bool won) {
  if (!Active() || Step() >= 21 || Step() < 12) return;
  if (Run.QuitToMenu || Run.GameEnded || Game.Ship[Sh::Alive] <= 0) {
    StopTutorial();
    return;
  }
  ShowTutorialStep(won ? 20 : 9);
}

}  // namespace qm
