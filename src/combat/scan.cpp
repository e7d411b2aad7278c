#include "combat/scan.h"

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/career.h"
#include "catalogue/ships.h"
#include "combat/combat_state.h"
#include "combat/encounter_draw.h"
#include "combat/mission_hooks.h"
#include "combat/ship_combat.h"
#include "combat/spoils.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "combat/world_hooks.h"
#include "state/money_format.h"

namespace qm {
namespace {

constexpr int kFlee = 11;
enum Kind : int { Civilian = 1, Military = 2, Pirate = 3 };

bool Present(int k) { return k >= 1 && k <= kSystemShipRows && Game.SystemShips[k][1] > 0; }

std::string ClassWord(int type) {
  const bool warship = shipStat(type, Stat::Role) == 1;
  switch (shipStat(type, Stat::Class)) {
    case 1: return "(Fighter)";
    case 2: return "(Corvette)";
    case 3: return warship ? "(Destroyer)" : "(Transporter)";
    case 4: return warship ? "(Cruiser)" : "(Large freighter)";
    case 5: return "(Battleship)";
    default: return "";
  }
}

bool TargetOfNamedMission(const IntRow& r) {
  const int type = Game.ActiveMission[2];
  return r[20] == 1 && Game.ActiveMission[1] > 0 && (type == 5 || type == 18);
}

std::string SpecialityLine(const IntRow& r) {
  if (r[20] == 1) return "This is your mission target! Go get him!";
  const int value = ExperienceValue(r[2]);
  const int kind = r[3], sp = r[9];
  if ((kind == Civilian || kind == Military) && sp == 2)
    return "Capture the VIP alive for a ransom of at least $ " + FormatMoney(3LL * value) + ".";
  if (kind == Military && sp == 3) return "The destruction of this ship could influence the war.";
  if (kind == Pirate && sp == 1)
    return "There is a bounty of $ " + FormatMoney(value) + " for the destruction of this vessel";
  if (kind == Pirate && sp == 2)
    return "Take him out for a ransom of at least $ " + FormatMoney(2LL * value) + ". Dead or alive.";
  return "-";
}

std::string FactionsAtWarWithPlayer() {
  const int own = Game.Player[Pl::Faction];
  std::vector<std::string> names;
  for (int f = 1; f <= kFactions; ++f)
    if (f != own && Game.FactionData[own][Fac::RelationBase + f] > 0) names.push_back(Game.FactionText[f][FacT::FullName]);
  std::string out;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) out += i + 1 == names.size() ? " and the " : ", ";
    out += names[i];
  }
  return out;
}

// Attacking a ship of the own faction is a crime, unless nobody recognizes the attacker.
void JudgeAttackOnOwnFaction() {
  const int r = Random(100);
  int escapeAbove = 75;
  if (Game.NonCombatAbilities[21] == 1) escapeAbove = 37;
  if (Game.NonCombatAbilities[22] == 1) escapeAbove = 18;
  if (r > escapeAbove) {
    Notify("Unrecognized!",
           "Although you committed a crime by attacking a ship of your own faction you are able to escape "
           "unrecognized.");
    return;
  }
  Notify("Flagged criminal!",
         "You attacked a ship of your own faction and by doing that comitted a crime. The police is looking for you! "
         "Wait until it wears off or hide at a pirate base!");
  auto& flag = Game.Player[Pl::CriminalFlag];
  flag = std::max(flag, 0) + 30 + Random(60);
}

// Rewards and war effects of a destroyed radar contact.
void SettleDestroyedContact(int k, const IntRow& r) {
  const int system = Game.Ship[Sh::System];
  if (r[3] == Military && r[9] == 3 && Game.SystemData[system][Sys::UnderAttack] > 0) {
    SupportWarEffort(system);
    Notify("War supported!", "The destruction of this vessel has brought your faction one step closer to victory!");
    SupportWarEffort(system);
    Notify("Military supplies!",
           "This vessel was transporting important military supplies for the enemy. Your success brings your faction "
           "one step closer to victory.");
  }
  const int bounty = ExperienceValue(r[2]);
  if (r[3] == Pirate && r[9] == 1) WorldHooks().gainMoney(bounty);
  if (r[3] == Pirate && r[9] == 2) {
    WorldHooks().gainMoney(2LL * bounty);
    Notify("Bounty!", "There has been a bounty of $ " + FormatMoney(2LL * bounty) +
                          " put on this vessel. Congratulations!");
  }
  if (r[20] == 1) MissionTargetDestroyed(k);
}

}  // namespace

ScanView SelectScanRecord(int k) {
  if (!Present(k)) {
    Run.SelectedShip = 0;
    return {};
  }
  Run.SelectedShip = k;
  const IntRow& r = Game.SystemShips[k];
  const int type = r[2], faction = r[5];
  ScanView v;
  if (TargetOfNamedMission(r))
    v.name = WorldHooks().missionTargetName() + " (" + shipName(type) + ")";
  else
    v.name = Game.FactionText[faction][FacT::FullName] + " " + shipName(type) + " " + ClassWord(type);
  if (r[3] == Civilian) v.description = CivilianScanText(k);
  if (r[3] == Military) v.description = MilitaryScanText(k);
  if (r[3] == Pirate) v.description = PirateScanText(k, r[9] == 2, TargetOfNamedMission(r) ? WorldHooks().missionTargetName() : "");
  v.speciality = SpecialityLine(r);
  v.picture = shipPictureName(type, faction) + "_scene.jpg";
  return v;
}

int ScannedRecord() { return Present(Run.SelectedShip) ? Run.SelectedShip : 0; }

bool ScanBlipHostile(int k) {
  if (!Present(k)) return false;
  const int f = Game.SystemShips[k][5];
  return f == 0 || Game.FactionData[Game.Player[Pl::Faction]][Fac::RelationBase + f] > 0;
}

void CloseScanScreen() { Run.SelectedShip = 0; }

void Communicate() {
  const int k = ScannedRecord();
  if (k == 0) {
    Notify("No target", "Please first select one of the ships on your scanners.");
    return;
  }
  const IntRow& r = Game.SystemShips[k];
  const bool ownFaction = r[5] == Game.Player[Pl::Faction];
  if (r[3] == Civilian) {
    Notify("Communicating",
           "\"Nooo! Do not hurt me! Pleaseee! ... Oh, my mistake, you are no pirate - are you?\"", "Trader.jpg");
    return;
  }
  if (!ownFaction || r[3] == Pirate) {
    Notify("Communicating", "You do not get a response.", r[3] == Pirate ? "PiratePilot.jpg" : "Fedpilot2.jpg");
    return;
  }
  const std::string enemies = FactionsAtWarWithPlayer();
  std::string text = "\"" + rankName(Game.Player[Pl::Rank]) + " " + Game.PlayerName + "! How can we assist you, Sir?";
  if (enemies.empty())
    text += " Right now we are at peace with all other factions, but I am sure this won\u00b4t be for long.";
  else
    text += " Please be careful. We are at war with the " + enemies;
  Notify("Communicating", text + "\"", "Fedpilot1.jpg");
}

void InterceptAndAttack() {
  const int k = ScannedRecord();
  if (k == 0) {
    Notify("No target", "Please first select one of the ships on your scanners.");
    return;
  }
  IntRow& r = Game.SystemShips[k];
  const IntRow contact = r;
  const int type = contact[2], faction = contact[5], kind = contact[3];
  if (shipStat(type, Stat::Class) > OwnShipClass() &&
      !AskYesNo("Danger!",
                "The ship you are about to attack is bigger than your ship and this will be a very tough fight. Still "
                "attack?"))
    return;

  Combat.ScanRecord = k;  // loot, boarding chance and tier read the contact during the battle
  SetupShipCombat(type, faction, kind, contact[4]);
  AnnounceHostileEncounter();
  const bool ownFaction = faction == Game.Player[Pl::Faction];
  if (ownFaction) Game.Ship[6] = -1;
  Combat.EnemyAbilities[12] = kFlee;
  if (kind == Civilian && contact[9] > 1) Combat.EnemyShip[6] = 0;
  UI().ShowScreen(Screen::ShipCombat);
  Combat.ScanRecord = 0;
  if (Run.QuitToMenu) {  // the player left the game inside the battle
    CloseScanScreen();
    return;
  }
  r[1] = 0;

  if (Game.Ship[Sh::Alive] <= 0) {
    CloseScanScreen();
    HandleLostShip();
    return;
  }
  if (Combat.EnemyShip[Sh::Alive] <= 0) SettleDestroyedContact(k, contact);
  if (ownFaction && kind != Pirate) JudgeAttackOnOwnFaction();
  CloseScanScreen();
}

}  // namespace qm
