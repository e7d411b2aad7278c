#include "state/sound_requests.h"

#include "state/frontend.h"
#include "state/game_state.h"
#include "state/random.h"

namespace qm {
namespace {
bool TunesOn() { return General.Option.SoundEffects && !Run.Presimulating; }
}  // namespace

void PlayRewardTune() {
  if (TunesOn()) UI().PlayMusic(kTuneChannel, "Reward2.ogg");
}

void PlayCrewCombatTune() {
  if (TunesOn()) UI().PlayMusic(kTuneChannel, CrewCombatTune(Random(100)));
}

const char* CrewCombatTune(int draw) { return draw <= 40 ? "CrewCombat.ogg" : "CrewCombat2.ogg"; }

}  // namespace qm
