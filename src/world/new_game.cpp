#include "world/new_game.h"

#include "catalogue/equipment.h"
#include "catalogue/professions.h"
#include "catalogue/ships.h"
#include "state/cp1252.h"
#include "state/game_state.h"
#include "world/combat_hooks.h"
#include "world/day_cycle.h"
#include "world/shipyard.h"
#include "world/world_table.h"

namespace qm {
namespace {

constexpr int kPresimulatedDays = 123;

void SetUpPlayer() {
  auto& p = Game.Player;
  p[Pl::Started] = 1;
  p[Pl::Credits] = 10000;
  p[Pl::Level] = 1;
  p[Pl::Experience] = 0;
  p[Pl::PilotWings] = 1;
  p[Pl::Ribbons] = 3;
  p[Pl::SilverStar] = p[Pl::GoldStar] = p[Pl::MedalOfHonor] = 0;
  p[Pl::Rank] = 1;
  p[Pl::Lifepoints] = 3;
  p[Pl::InvestmentDays] = 199;
  p[Pl::HideoutsBought] = 1;
  p[Pl::MissionsCompleted] = 0;

  const int profession = p[Pl::Profession];
  Game.CombatAbilities[1] = Game.CombatAbilities[2] = Game.CombatAbilities[3] = 1;
  for (int action : professionCombatActions(profession)) Game.CombatAbilities[action] = 1;
  Game.NonCombatAbilities[professionAbility(profession)] = 1;
}

void SetUpShip() {
  auto& s = Game.Ship;
  const int faction = Game.Player[Pl::Faction];
  const int type = professionStartShip(Game.Player[Pl::Profession], faction);
  s[Sh::Alive] = 1;
  s[Sh::ShipType] = type;
  s[4] = 0;
  s[6] = -1;
  s[Sh::ShipFaction] = faction;
  const StartPlace start = factionStart(faction);
  s[Sh::System] = start.system;
  s[Sh::Location] = start.location;
  s[Sh::MissileParam] = 0;
  s[50] = 3;
  fitFirstOfferedEquipment();
  s[Sh::ShieldEnergy] = shipStat(type, Stat::MaxShields);
  s[Sh::CargoCapacity] = cargoCapacity(type, s[Sh::CargoSpace]);
}

// Pirate hideouts begin hidden: the bar's tip or the Syndicate ability reveal them.
void HideAllHideouts() {
  for (int sys = 1; sys <= kSystems; ++sys)
    for (int l = 1; l <= kLocations; ++l) {
      auto& loc = Game.LocationData[sys][l];
      if (loc[Loc::Kind] != Kind::Hideout) continue;
      loc[Loc::Exists] = 0;
      loc[Loc::Target] = 0;
    }
}

void StartingMarketOfSol() {
  for (int l = 1; l <= kLocations; ++l) {
    const auto& loc = Game.LocationData[1][l];
    if (loc[Loc::Exists] <= 0 || loc[Loc::Kind] <= 0) continue;
    for (int c = 1; c <= 100; ++c) {
      Game.LocationPrices[1][l][c] = Game.BasePrice[c];
      Game.LocationStock[1][l][c] = 50;
    }
  }
}

}  // namespace

void RevealAllHideouts() {
  for (int sys = 1; sys <= kSystems; ++sys)
    for (int l = 1; l <= kLocations; ++l) {
      auto& loc = Game.LocationData[sys][l];
      if (loc[Loc::Kind] != Kind::Hideout) continue;
      loc[Loc::Exists] = 1;
      loc[Loc::Target] = 1;
    }
}

void InitialiseWorld() {
  ConnectCombatToWorld();  // idempotent; keeps the battles' hooks linked into every program with a world
  for (int c = 1; c <= 100; ++c) Game.Cargo[c] = 0;
  Game.StarDate = 1;
  Run.AgeFreeze = false;
  SetUpPlayer();
  SetUpShip();
  BuildWorld(Game);
  HideAllHideouts();
  StartingMarketOfSol();

  // The pre-simulation settles markets, wars and news; nobody is told about it.
  Run.Presimulating = true;
  for (int day = 0; day < kPresimulatedDays; ++day) DailyUpdate();
  Run.Presimulating = false;

  SpawnSpaceObject(Game.Ship[Sh::System]);
  Run.CurrentSystem = Game.Ship[Sh::System];
  Run.SelectedLocation = Game.Ship[Sh::Location];
  // The clock starts anew; the news of the settled days keep their place in
  // time, before the first day of the game.
  const int elapsed = Game.StarDate - 1;
  for (int r = 1; r <= kNewsEntries; ++r)
    if (Game.NewsData[r][1] > 0) Game.NewsData[r][5] -= elapsed;
  Game.StarDate = 1;
  if (Game.NonCombatAbilities[27] == 1) RevealAllHideouts();
}

void StartNewGame(const NewGameChoices& choices) {
  ResetGameState();
  Game.Player[Pl::Faction] = choices.faction >= 1 && choices.faction <= kFactions ? choices.faction : 1;
  Game.Player[Pl::Portrait] = choices.portrait >= 0 && choices.portrait <= 2 ? choices.portrait : 0;
  Game.PlayerName = SanitizeTypedName(choices.name);
  Game.Player[Pl::Profession] = choices.profession >= 1 && choices.profession <= 6 ? choices.profession : 1;
  InitialiseWorld();
}

}  // namespace qm
