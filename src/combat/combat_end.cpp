// The end of a battle: an explosion on either side with the victory's kill
// count, medals, experience and loot, and the offer to board a crippled enemy.
#include <algorithm>

#include "catalogue/ships.h"
#include "combat/boarding.h"
#include "combat/combat_rules.h"
#include "combat/ship_combat.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "world/money.h"
#include "world/promotion.h"

namespace qm {

using namespace combat;

namespace {

// The system-scan record that started the battle, or nullptr.
const IntRow* ScanRecord() {
  const int k = Combat.ScanRecord;
  if (k < 1 || k > kSystemShipRows || Game.SystemShips[k][1] <= 0) return nullptr;
  return &Game.SystemShips[k];
}
int ScanKind() { return ScanRecord() ? (*ScanRecord())[3] : 0; }
int ScanSpeciality() { return ScanRecord() ? (*ScanRecord())[9] : 0; }

void CountKill(int enemyType) {
  if (shipStat(enemyType, Stat::Role) == 2) {
    Game.Player[Pl::KilledFreighters] += 1;
    return;
  }
  const int c = ShipClass(enemyType);
  if (c >= 1 && c <= 5) Game.Player[Pl::KilledFighters + c - 1] += 1;
}

void Loot() {
  const auto& e = Combat.EnemyShip;
  int u = e[Sh::CargoCapacity] / 2 + Random(e[Sh::CargoCapacity] / 2);
  if (ScanKind() != 1) u /= 2;
  int64_t held = 0;
  for (int c = 1; c <= 100; ++c) held += Game.Cargo[c];
  const int free = static_cast<int>(std::clamp<int64_t>(Game.Ship[Sh::CargoCapacity] - held, 0, INT32_MAX));
  int left = 0;
  if (u > free) {
    left = u - free;
    u = free;
  }
  int64_t value = static_cast<int64_t>(u) * (Random(140) + 70);
  if (ScanKind() == 1 && ScanSpeciality() == 3) {
    Modal("Valuable cargo",
          "This vessel has loaded very valuable cargo. Your loot is three times as much worth as usual!");
    value *= 3;
  } else if (ScanKind() == 1 && ScanSpeciality() == 4) {
    Modal("Treasure fleet",
          "This vessel belongs to the famous treasure fleet and has extremly valuable cargo. Your loot is ten times "
          "as much worth as usual!");
    value *= 10;
  }
  Game.Player[Pl::Credits] = Saturate(static_cast<int64_t>(Game.Player[Pl::Credits]) + value);
  ShowLootMessage(u, left, value);
}

void Victory() {
  auto& e = Combat.EnemyShip;
  const int type = e[Sh::ShipType];
  e[Sh::Alive] = 0;
  CountKill(type);
  Sound("Explosion_Ship.wav");
  Modal("Well done!", "The shields of the enemy ship collapse and the vessel explodes!", "explosion.jpg");
  if (ShipClass(type) > ShipClass(Game.Ship[Sh::ShipType]) && e[Sh::ShipFaction] != Game.Player[Pl::Faction])
    AwardSilverStar();
  if (type == kStarbase && Game.Player[Pl::GoldStar] == 0) AwardGoldStar();
  GainExperience(static_cast<int64_t>(shipStat(type, Stat::BountyValue)) * 20);
  const int faction = Game.Player[Pl::Faction];
  Modal("Experience", "You receive some experience points. The more you have the more likely you will be promoted.",
        Game.FactionText[faction][FacT::Logo] + ".jpg");
  Loot();
  EndCombat();
}

void Defeat() {
  auto& s = Game.Ship;
  if (Run.TutorialActive && Run.TutorialStep >= 12 && Run.TutorialStep <= 20 && Game.StarDate < 50) {
    Modal("Tutorial",
          "Your shields have collapsed. Normally your ship would explode. But because this is a tutorial we refresh "
          "your shields instead.");
    s[Sh::ShieldEnergy] = PlayerMaxShields();
    return;
  }
  Sound("Explosion_Ship.wav");
  Modal("Your ship explodes!", "The enemy fire has broken through your shields and your ship explodes.",
        "explosion.jpg");
  s[Sh::Alive] = 0;
  EndCombat();
}

}  // namespace

void ShowLootMessage(int units, int left, int64_t value) {
  std::string text;
  if (units < 1) {
    text = "Because of your full cargobay you - unfortunately - cannot loot any cargo from the remains of the enemy "
           "ship.";
  } else if (left == 0) {
    text = "Congratulations! You loot " + std::to_string(units) + "E of cargo. You can sell it for $" +
           FormatMoney(value) + ".";
  } else {
    text = "Congratulations! You loot " + std::to_string(units) + "E of cargo (" + std::to_string(left) +
           "E have to be left behind due to limited cargo space). You can sell it for $" + FormatMoney(value) + ".";
  }
  Modal("Loot", text, "treasurer.jpg");
}

void CheckCombatEnd() {
  if (Game.Ship[Sh::Alive] <= 0 || Combat.EnemyShip[Sh::Alive] <= 0) return;
  if (Combat.EnemyShip[Sh::ShieldEnergy] < 1)
    Victory();
  else if (Game.Ship[Sh::ShieldEnergy] < 1)
    Defeat();
}

void OfferBoarding() {
  auto& e = Combat.EnemyShip;
  const auto& s = Game.Ship;
  if (Combat.CombatEnded || e[Cb::BoardingOffered] != 0 || e[Sh::Alive] <= 0 || Combat.EnemyEscaped) return;
  if (e[Sh::ShieldEnergy] > EnemyMaxShields() / 4) return;
  if (ShipClass(s[Sh::ShipType]) <= 1 || ShipClass(e[Sh::ShipType]) <= 1) return;
  if (shipStat(e[Sh::ShipType], Stat::IsFormation) != 0) return;
  if (e[Sh::ShieldEnergy] <= 0 || s[Sh::ShieldEnergy] <= 0) return;
  int m = Random(100);
  if (Game.ActiveMission[1] > 0 && Game.ActiveMission[2] == 18) m = 10;
  const int kind = ScanKind();
  if (kind >= 1 && kind <= 3 && ScanSpeciality() == 2) m = 10;
  if (s[Sh::CargoSpace] == 5) m = 10;
  e[Cb::BoardingOffered] = 1;
  if (m >= 31) return;
  if (!AskYesNo("Boarding?", "The shields of the enemy ship are weak. Do you want to try to board and capture the ship?"))
    return;
  e[Cb::BoardingStarted] = 1;
  EndCombat();
  StartBoarding();
}

bool EnemyEscaped() { return Combat.EnemyEscaped != 0; }

Outcome BattleOutcome() {
  if (Game.Ship[Sh::Alive] <= 0) return Outcome::Defeat;
  if (Combat.EnemyShip[Cb::BoardingStarted] == 1) return Outcome::Boarded;
  if (Combat.EnemyShip[Sh::Alive] <= 0) return Outcome::Victory;
  if (!Combat.CombatEnded) return Outcome::Running;
  if (Combat.EnemyEscaped || Combat.EnemyCloaked) return Outcome::EnemyEscaped;
  return Outcome::Escaped;
}

const char* OutcomeName(Outcome o) {
  switch (o) {
    case Outcome::Victory: return "victory";
    case Outcome::Defeat: return "defeat";
    case Outcome::Escaped: return "escaped";
    case Outcome::EnemyEscaped: return "enemy-escaped";
    case Outcome::Boarded: return "boarded";
    case Outcome::Running: break;
  }
  return "running";
}

}  // namespace qm
