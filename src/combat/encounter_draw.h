#pragma once
// The draws that pick who the player meets: the faction of a hostile ship, its
// class around the player's own, and a ship type that faction flies.

namespace qm {

// Origin group of a system: 1 a capital, 2 any other system, 3 under invasion.
int EncounterGroup(int system);
// One faction draw for a group and system owner: 0 (pirates), the owner, or a
// faction at war with the owner (the owner itself when it is at war with nobody).
int DrawGroupFaction(int group, int owner);
// True when `faction` (0 pirates, 1..4) may field ship type `type`.
bool FactionFlies(int type, int faction);
// One class draw around the player's ship class for an enemy of `faction`, 1..5.
int DrawEncounterClass(int group, int faction);
// A ship type of class `shipClass` flown by `faction`, with role `role` (1
// military, 2 civilian; 0 any), drawn with equal chance; 0 when there is none.
int DrawShipOfClass(int shipClass, int faction, int role);
// The class of the player's ship as the catalogue gives it (0 without a ship).
int OwnShipClass();

// The "Hostile encounter!" announcement for the enemy the battle was set up with.
void AnnounceHostileEncounter();
// Shows the battle; a destroyed ship runs the death handling, and a pilot who
// stays dead ends the running game.
void FightAnnouncedBattle();
// After a lost ship: the death handling, and the end of a game whose pilot stays dead.
void HandleLostShip();

}  // namespace qm
