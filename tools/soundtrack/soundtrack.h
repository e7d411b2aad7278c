#pragma once
// The game's own soundtrack: five music pieces (Ogg Vorbis) and the sound
// effects (.wav), composed and synthesised from code, the same bytes on every
// build.
#include <string>
#include <vector>

#include "soundtrack/synth.h"

namespace soundtrack {

Stereo Intro();        // about 60 s, bright
Stereo Background();   // 59 s plus a 4 s tail, calm
Stereo Reward();       // a short fanfare
Stereo CrewCombat();   // war drums
Stereo CrewCombat2();

// The effect written as `name` ("button.wav" ...); empty for an unknown name.
Mono Effect(const std::string& name);
const std::vector<std::string>& EffectNames();
const std::vector<std::string>& MusicNames();

// Writes every file into `folder` (which must exist); false and `error` when one cannot be written.
bool WriteSoundtrack(const std::string& folder, std::string& error);

}  // namespace soundtrack
