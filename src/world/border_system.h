#pragma once
// Lookups over the factions' borders shared by the wars and the mission boards.

namespace qm {

// A system 1..24 that a wormhole of a system owned by `fromFaction` leads to,
// not a capital system, owned by `toFaction` (any owner when 0); 0 when there is
// none. Systems reached through several wormholes are proportionally likelier.
int PickBorderSystem(int fromFaction, int toFaction);

// The list PickBorderSystem draws from: each candidate system once per wormhole
// leading there, in a fixed order. Returns the number written to `out`.
constexpr int kMaxBorderCandidates = 24 * 15;
int BorderSystems(int fromFaction, int toFaction, int (&out)[kMaxBorderCandidates]);

// A faction 1..4 other than `faction` that `faction` is at war with, drawn at
// random; 0 when it is at war with nobody or no draw of 1001 finds one.
int RandomWarEnemy(int faction);

}  // namespace qm
