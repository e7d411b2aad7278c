#pragma once
// The game's audio in one place: the music channels, the background music and
// the sound effects, all on one output (SDL's audio unless a test installs
// its own). Everything runs on the main thread: Check() is called by a window
// timer every 100 ms, also under covering screens.
//
// Calls for the screens:
//  - the settings screen's music switch: MusicSwitched(on) after setting
//    General.Option.Music (on kicks the music timer, off stops channels 2 and 3);
//  - the tutorial's end and any other reward: the rules' PlayRewardTune()
//    (state/sound_requests.h), which reaches PlayTune through the frontend.
#include <string>

#include "sound/audio_device.h"
#include "sound/background_music.h"
#include "sound/effects.h"
#include "sound/music.h"

namespace qm::sound {

// Plays through `output` from now on (nullptr: SDL's audio); whatever was
// sounding is stopped and the background music starts over (intro not played).
void UseOutput(AudioOutput* output);

MusicChannels& Channels();
BackgroundMusic& Background();
SoundEffects& Effects();

// A sound effect by bare file name (gated by the sound-effects switch).
void PlayEffect(const std::string& wavFile);
// A tune on a music channel: stop it, open the file, start it.
void PlayTune(int channel, const std::string& oggFile);
// The main-thread check of every channel and the effects.
void Check();
// The music switch changed (see above).
void MusicSwitched(bool on);
void KickMusicTimer();
void StopMainMusic();
// Stops everything and lets go of the output (program exit).
void ShutDown();
// Bytes of sample buffers held by music players at the moment.
size_t BufferBytes();

}  // namespace qm::sound
