#pragma once

namespace qm {

// Rolls for a hostile ship on a travel day; may open a battle.
void RollHostileEncounter();
// Resolves the space object at place 1..4 of the current system on arrival.
void OpenSpaceObject(int place);
// Fills an empty row of the ships present in the current system (a new ship
// arrives with a daily chance and stays a few days).
void GenerateSystemShip(int row);
// Empties the ships present; called when the ship enters another system.
void ClearSystemShips();
// The police fight after contraband was found on arrival: a patrol of the
// system owner of the player's class. No such patrol, no fight.
void PoliceFight();

}  // namespace qm
