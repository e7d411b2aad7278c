// The end of a battle: an explosion on either side with the victory's kill
// count, medals, experience and loot, and the offer to board a crippled enemy.
#include "catalogue/ships.h"
#include "combat/boarding.h"
#include "combat/combat_rules.h"
#include "combat/ship_combat.h"
#include "combat/spoils.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "combat/world_hooks.h"

namespace qm {

using namespace combat;

namespace {

void Victory() {
  auto& e = Combat.EnemyShip;
  const int type = e[Sh::ShipType];
  e[Sh::Alive] = 0;
  CountKill(type);
  Sound("Explosion_Ship.wav");
  Modal("Well done!", "The shields of the enemy ship collapse and the vessel explodes!", "explosion.jpg");
  if (ShipClass(type) > ShipClass(Game.Ship[Sh::ShipType]) && e[Sh::ShipFaction] != Game.Player[Pl::Faction])
    WorldHooks().awardSilverStar();
  if (type == kStarbase && Game.Player[Pl::GoldStar] == 0) WorldHooks().awardGoldStar();
  GainExperienceWithMessage(ExperienceValue(type));
  LootEnemyHold(true);
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
  const IntRow contact = ScanContact();
  if (contact[3] >= 1 && contact[3] <= 3 && contact[9] == 2) m = 10;
  if (s[Sh::CargoSpace] == 5) m = 10;
  e[Cb::BoardingOffered] = 1;
  if (m >= 31) return;
  if (!AskYesNo("Boarding?", "The shields of the enemy ship are weak. Do you want to try to board and capture the ship?",
                shipPictureName(e[Sh::ShipType], e[Sh::ShipFaction]) + "_scene.jpg"))
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
