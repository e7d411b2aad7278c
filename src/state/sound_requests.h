#pragma once
// The music the rules ask for. Both tunes play on channel 1, the channel of
// the short tunes, and both stay silent while sound effects are switched off
// (and while a new game's world is pre-simulated).
namespace qm {

constexpr int kTuneChannel = 1;

// The reward tune: promotions, medals, a won boarding, a ship bought, the
// tutorial's end.
void PlayRewardTune();
// One of the two crew-combat tunes, drawn from the game's generator, when a
// boarding fight starts.
void PlayCrewCombatTune();
// The crew-combat tune of a draw 0..99: "CrewCombat.ogg" for 0..40, else "CrewCombat2.ogg".
const char* CrewCombatTune(int draw);

}  // namespace qm
