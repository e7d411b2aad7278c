#pragma once
// What a won fight or a found wreck brings: cargo loot, kills, experience and
// the war effort of a besieged system.
#include <cstdint>

namespace qm {

// Credits paid at once, without the reward abilities (found or sold goods).
void AddCredits(int64_t amount);
// The hold space not taken by cargo; never below 0, even when a smaller hold
// still carries more than it could take.
int FreeCargoSpace();
// Sells `units` of looted cargo at once: only what fits the free hold counts,
// the rest is left behind. `scanSpeciality` 3 triples the value (valuable
// cargo), 4 multiplies it by ten (treasure fleet). Returns the credits gained.
int64_t CreditLoot(int units, int scanSpeciality);
// The loot report: `units` taken, `left` units left behind, sold for `value`.
void ShowLootMessage(int units, int left, int64_t value);
// The loot of a ship whose hold holds `cargo` units: half of it and a random
// part of the other half, halved again unless the battle began at a civilian
// radar contact.
int LootUnits(int cargo, bool civilianContact);
// Loots the hold of the beaten enemy ship (a victory, a plunder, a capture):
// LootUnits of its capacity, credited at once. The valuable cargo or treasure
// of a civilian scan contact counts only when `withSpeciality`.
int64_t LootEnemyHold(bool withSpeciality);
// Counts a destroyed or captured ship in the kill statistics: freighters on
// their own, warships by class.
void CountKill(int type);
// The experience a ship type is worth (its bounty value x 20).
int ExperienceValue(int type);
// Experience with the faction-logo message.
void GainExperienceWithMessage(int64_t amount);
// The war bookkeeping of a besieged system: the side of the player's faction
// gains a twentieth of the other side's points. Nothing without a siege.
void SupportWarEffort(int system);

}  // namespace qm
