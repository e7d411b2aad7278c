#pragma once
// The global game state: every saved table of a running game, the run-time
// variables that are not saved, and the data kept across games.
#include <cstdint>
#include <string>

#include "state/tables.h"

namespace qm {

constexpr int kSystems = 24;        // star systems 1..24
constexpr int kLocations = 15;      // locations 1..15 within a system (tables hold 16)
constexpr int kObjectPlaces = 4;    // space-object places 1..4 per system
constexpr int kMissionOffers = 6;   // mission offers 1..6 per system
constexpr int kNewsEntries = 20;    // news entries 1..20
constexpr int kSystemShipRows = 10; // ships present in the current system 1..10
constexpr int kCommodities = 18;    // commodities 1..18, 13..18 contraband
constexpr int kFactions = 4;        // factions 1..4, 0 = pirates
constexpr int kShipTypes = 19;      // ship types 1..19; -1 is the starbase; 0 means no ship
constexpr int kStarbase = -1;

// Fields of a mission offer (Missions[system][slot]) and of ActiveMission.
namespace Mis {
enum : int {
  Active = 1, Type = 2, Reward = 3, Location = 6, System = 7, Object = 8, Party = 9,
  Nav1Location = 10, CallSign = 10,  // Bounty and Abduction keep the call sign where others keep navpoint 1
  Nav1System = 11, Nav2Location = 12, Nav2System = 13, Nav3Location = 14, Nav3System = 15,
  CampaignSystem = 20, TextVariant = 30
};
}
// Fields of a LocationData row.
namespace Loc {
enum : int { Exists = 1, Owner = 2, Kind = 3, Target = 4, JumpDays = 5, X = 11, Y = 12, Picture = 13, Special = 14 };
}
// Location kinds (LocationData Kind).
namespace Kind {
enum : int { Hideout = -3, Sun = -2, Wormhole = -1, Uncolonised = 0, Agricultural = 1, Mining = 2, Luxury = 3,
             Industrial = 4, LocalCapital = 5, Capital = 6 };
}
// Fields of a SystemData row.
namespace Sys {
enum : int { Exists = 1, Owner = 2, SystemClass = 3, UnderAttack = 20, Attacker = 21, MapMark = 43 };
}
// Fields of a SpaceObjects place.
namespace Obj {
enum : int { Present = 1, DaysLeft = 2, Kind = 3, X = 11, Y = 12 };
}
// Fields of the Player record.
namespace Pl {
enum : int {
  Started = 1, Credits = 2, Profession = 3, Faction = 4, Portrait = 5, Level = 6, Experience = 7, Gender = 8,
  PilotWings = 9, Ribbons = 10, SilverStar = 11, GoldStar = 12, MedalOfHonor = 13, Rank = 14,
  OwnPlanetPromised = 15, CivilWarWon = 16,
  Debt = 20, LoanDaysLeft = 21, LoanPaybackDays = 22, WarBonds = 23, WarBondRisk = 24, WarBondDays = 25,
  CriminalFlag = 30, EncounterCounter = 31, Lifepoints = 32,
  InvestmentDays = 40, HideoutsBought = 41, TreasureFleetSeen = 42, TradeHintShown = 43,
  MissionsCompleted = 50, KilledFighters = 51, KilledCorvettes = 52, KilledDestroyers = 53, KilledCruisers = 54,
  KilledBattleships = 55, KilledFreighters = 56, CargoTraded = 57, InvasionOpsCompleted = 58,
  InvasionsRepelled = 59
};
}
// Fields of the Ship record (the enemy ship in combat uses the same layout).
namespace Sh {
enum : int {
  Alive = 1, ShipType = 2, ShipFaction = 8, Location = 13, System = 14, CargoCapacity = 20,
  Crewmen = 30, Officers = 31, Marines = 32, Pirates = 33, Droids = 34,
  ShieldEnergy = 40, MissileParam = 41, Missiles = 51, Guns = 60, Ecm = 70, Targeting = 72, Engines = 74,
  CargoSpace = 76
};
}
// Fields of a FactionData row.
namespace Fac {
enum : int { Exists = 1, RelationBase = 10 };  // RelationBase + f: state of war with faction f
}
// Fields of a FactionText row.
namespace FacT {
enum : int { FullName = 1, ShortName = 2, Logo = 5 };
}

using LocationGrid = Table<Table<IntRow, 17>, 26>;

// Everything a savegame holds.
struct GameState {
  LocationGrid LocationData;
  Table<Table<StrRow, 17>, 26> LocationText;
  Table<IntRow, 26> SystemData;
  Table<StrRow, 26> SystemText;
  Table<Table<IntRow, 6>, 26> SpaceObjects;
  Table<std::string, 102> CommodityName;
  IntRow BasePrice;
  IntRow Cargo;
  LocationGrid LocationStock;
  LocationGrid LocationPrices;
  LocationGrid LocationPriceTrend;
  Table<IntRow, 26> SystemPrices;
  Table<IntRow, 26> SystemPriceTrend;
  Table<IntRow, 6> FactionData;
  Table<StrRow, 6> FactionText;
  Table<Table<IntRow, 8>, 26> Missions;
  IntRow ActiveMission;
  Table<IntRow, 22> NewsData;
  Table<std::string, 22> NewsText;
  Table<IntRow, 12> SystemShips;
  IntRow Player;
  std::string PlayerName;
  IntRow NonCombatAbilities;
  IntRow CombatAbilities;
  IntRow Ship;
  int32_t StarDate = 1;

  bool operator==(const GameState&) const = default;
};

// Run-time variables: part of a running game, never saved.
struct RunState {
  int CurrentSystem = 0;     // the system the main screen shows
  int SelectedLocation = 0;  // selected location; -1..-4 select space-object places
  int SelectedMission = 0;   // the main screen's other selection variables
  int SelectedShip = 0;
  int SelectedCommodity = 0;
  int TradeAmount = 1;       // units per trade click: 1, 10, 25 or 100
  bool TutorialActive = false;
  int TutorialStep = 0;
  int DialogResult = 0;      // answer of the last yes/no question, 1 = yes
  bool GameEnded = false;    // lets the main screen close without asking
  bool AgeFreeze = false;    // the age-freeze cheat
  bool PlayerSpecialActive = false;  // the ship's special ability is switched on in combat

  Table<int32_t, 26> KnownSystemPrices;
  Table<int32_t, 17> KnownLocationPrices;
  int TravelDaysLeft = 0;
  int TravelMayClose = 0;
  bool TravelScreenVisible = false;
  int JumpTarget = 0;          // the system a wormhole jump under way leads to, 0 = none
  bool FlightAborted = false;  // a death with a new chance ended the running flight
  bool QuitToMenu = false;     // the player left the game: everything still running ends
  bool Presimulating = false;  // the new-game pre-simulation runs: no dialogs

  // Panels of the main screen that a reset hides.
  bool OptionsPanelVisible = false;
  bool TradePanelVisible = false;
  bool TargetPanelVisible = false;
  bool MissionPanelVisible = false;
  bool TradeWindowVisible = false;

  std::string TravelPicture;  // the ship's scene picture shown while travelling
};

// Option switches kept with the general data.
struct Options {
  bool Music = true;
  bool SoundEffects = true;
  bool AutoNextTurn = false;
  bool VeteranMode = false;
  bool NoWarPopups = false;
  bool CompatibilityMode = false;  // extra descriptive texts; not stored
};

// Combat screen timer intervals in milliseconds.
struct CombatTimers {
  int PlayerMessage = 1200;
  int EnemyMessage = 1200;
  int PlayerGunFire = 400;
  int EnemyGunFire = 400;
  int PlayerShield = 400;
  int EnemyShield = 400;
};

// What survives across games: slots, highscores, start counter, settings.
struct GeneralData {
  Table<int32_t, 5> SaveSlotUsed;           // slots 1..4
  Table<std::string, 5> SaveSlotName;       // slots 1..4
  Table<Table<int32_t, 101>, 6> Highscore;  // entries 1..5, fields 1..100
  Table<std::string, 6> HighscoreName;      // entries 1..5
  int32_t StartCounter = 0;
  Options Option;
  CombatTimers Timers;
};

extern GameState Game;
extern RunState Run;
extern GeneralData General;

// Empties the state before a new game, then the tables other modules keep
// beside it (the battles' own, for one), through the hooks they handed in.
void ResetGameState();

// A module with tables of its own beside the saved state hands in how to empty
// them; ResetGameState calls every such hook, in the order they came.
void AddStateResetHook(void (*reset)());

// The player's age in years: StarDate / 360 + 22, or 20 under the age-freeze cheat.
int Age();

// True when the pilot has learned non-combat ability `id` (1..31).
inline bool HasAbility(int id) { return Game.NonCombatAbilities[id] == 1; }

// Saturates a wide result into the 32-bit range of the state.
int32_t Saturate(int64_t value) noexcept;

}  // namespace qm
