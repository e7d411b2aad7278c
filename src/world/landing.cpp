#include "world/landing.h"

#include <string>

#include "combat/encounters.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"
#include "world/wormhole.h"
#include "world/tutorial.h"

namespace qm {
namespace {

// The tutorial lets the player land once it asks for it.
constexpr int kTutorialLandingStep = 20;


bool AtWarWith(int owner) {
  const int mine = Game.Player[Pl::Faction];
  return Game.FactionData[mine][Fac::RelationBase + owner] >= 1;
}

LandOutcome OpenPlanet() {
  if (Run.TutorialActive && Run.TutorialStep < kTutorialLandingStep) {
    Notify("Tutorial",
           "For the purpose of this tutorial this option has been locked. Please follow the instructions or cancel "
           "the tutorial.");
    return LandOutcome::Refused;
  }
  TutorialHook(TutorialEvent::Landed);
  return LandOutcome::PlanetScreen;
}

LandOutcome LandOnPlanet(const IntRow& loc) {
  const int owner = loc[Loc::Owner];
  if (Game.Player[Pl::CriminalFlag] < 1) {
    if (owner != Game.Player[Pl::Faction] && AtWarWith(owner)) {
      Notify("Enemy planet!",
             "This planet is controlled by an enemy faction! You cannot land here! Land-Space missiles would blow you "
             "to pieces before you would even be able to enter the atmossphere.");
      return LandOutcome::Refused;
    }
    if (loc[Loc::Target] == 1) {
      Notify("N/A!", "You cannot land on asteroids!");
      return LandOutcome::Refused;
    }
    return OpenPlanet();
  }
  const char* const wanted = "The police is looking for you! You cannot simply land at a planet and walk around!";
  if (!HasAbility(23) && !HasAbility(24)) {
    Notify("Careful!", wanted);
    return LandOutcome::Refused;
  }
  if (!AskYesNo("Careful!", std::string(wanted) + " Do you still wish to try to sneak in? (\"Street rules\" ability)"))
    return LandOutcome::Refused;
  const int chance = HasAbility(24) ? 75 : 50;
  if (Random(100) <= chance) {
    Notify("Success!", "You successfully sneaked in the spaceport using a false identity.");
    return LandOutcome::PlanetScreen;
  }
  Notify("Failed!", "You try to sneak in using a false identity, but you are caught. A police ship is engaging you!");
  SneakInPoliceFight();
  return LandOutcome::PoliceFight;
}

}  // namespace

LandOutcome Land() {
  const int here = Game.Ship[Sh::Location];
  if (here < 1) return LandOutcome::Nothing;
  const IntRow& loc = Game.LocationData[Game.Ship[Sh::System]][here];
  if (loc[Loc::Exists] <= 0) return LandOutcome::Nothing;
  const int kind = loc[Loc::Kind];
  if (kind > 0) return LandOnPlanet(loc);
  if (kind == Kind::Wormhole) return WormholeJump() ? LandOutcome::Jumped : LandOutcome::Refused;
  if (kind == Kind::Hideout) return LandOutcome::HideoutScreen;
  return LandOutcome::Nothing;
}

const char* landOutcomeName(LandOutcome outcome) {
  switch (outcome) {
    case LandOutcome::PlanetScreen: return "planet screen";
    case LandOutcome::HideoutScreen: return "pirate hideout screen";
    case LandOutcome::Jumped: return "jump";
    case LandOutcome::PoliceFight: return "police fight";
    case LandOutcome::Refused: return "refused";
    case LandOutcome::Nothing: break;
  }
  return "nothing";
}

}  // namespace qm
