#pragma once

namespace qm {

// Rolls for a hostile ship on a travel day; may open a battle.
void RollHostileEncounter();
// Resolves the space object at place 1..4 of the current system on arrival.
void OpenSpaceObject(int place);
// Fills an empty row of the ships present in the current system.
void GenerateSystemShip(int row);
// The police fight after contraband was found on arrival.
void PoliceFight();
// The police fight after a failed attempt to sneak onto a planet (a police ship
// of a larger class than the player's).
void SneakInPoliceFight();

}  // namespace qm
