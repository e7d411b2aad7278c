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
// Which patrol answers a police alert: one of the player's class (contraband
// found on arrival) or a bigger one (caught sneaking into a spaceport).
enum class PatrolClass { Same, Larger };
// The police fight: a patrol of the system owner. No such patrol, no fight.
void PoliceFight(PatrolClass patrol = PatrolClass::Same);
// The police fight after a failed attempt to sneak onto a planet (a bigger patrol).
void SneakInPoliceFight();

}  // namespace qm
