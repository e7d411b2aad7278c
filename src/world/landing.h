#pragma once
// The main screen's land action at the ship's own location.

namespace qm {

// What landing leads to; the caller opens the named screen.
enum class LandOutcome {
  Nothing,        // a sun, an uncolonised planet, a space object
  Refused,        // a message said why not (asteroids, enemy planet, police, no jump engines, ...)
  PlanetScreen,   // the planet screen opens
  HideoutScreen,  // the pirate hideout screen opens
  Jumped,         // the ship went through the wormhole
  PoliceFight,    // sneaking in failed; the police fight has run
};

// Lands at Ship.Location (the main screen calls it when the selection is where
// the ship is).
LandOutcome Land();
// "planet screen", "pirate hideout screen", ... for the console.
const char* landOutcomeName(LandOutcome outcome);

}  // namespace qm
